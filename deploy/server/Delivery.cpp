#include "Delivery.h"

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

#include <ace/Log_Msg.h>

#include "CertificateVerifier.h"
#include "DeployConstants.h"
#include "KXClientSubject.h"
#include "ReceiveFolder.h"
#include "SocketByte.h"

Delivery::Delivery(int connection, std::unique_ptr<DownloadFile> file, bool certificate)
    : m_connection(connection), m_file(std::move(file)), m_bCertificate(certificate) {
    // Written whole: the file waits by its name.  Should closing fail, the
    // file is gone and the delivery fails at its turn.
    m_file->Close();
}

Delivery::~Delivery() {
    m_file.reset();  // a file not stored is gone before the peer sees the close
    if (m_connection >= 0 && ::close(m_connection) != 0)
        ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to close socket. (errno = %i: %m)\n"), errno));
}

void Delivery::Complete() {
    if (!Store())
        return;
    if (!SendSocketByte(m_connection, DeployConstants::kAccept)) {
        ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to send confirmation. (errno = %i: %m)\n"), errno));
        return;
    }
    KXClientSubject::GetInstance()->Publish();
}

bool Delivery::Store() {
    struct stat st;
    if (m_bCertificate && ::lstat(m_file->Target().c_str(), &st) != 0 &&
        !CertificateVerifier::IsOnePemCertificate(m_file->TemporaryPath())) {
        // The CA slot stays free for the teacher's real certificate.
        ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: The file received is not one PEM certificate; %C is not stored.\n"),
                   m_file->Target().c_str()));
        return false;
    }
    DownloadFile::Result result = m_bCertificate ? m_file->CommitBesideExisting()
                                  : m_file->Commit()  ? DownloadFile::STORED
                                                      : DownloadFile::FAILED;
    if (result == DownloadFile::TARGET_EXISTS) {
        DownloadFile archive;
        result = archive.Open(ReceiveFolder::ArchivePath()) &&
                         archive.WriteContentOf(*m_file) && archive.Commit()
                     ? DownloadFile::STORED
                     : DownloadFile::FAILED;
        m_file->Discard();
    }
    if (result != DownloadFile::STORED) {
        ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to store %C. (errno = %i: %m)\n"), m_file->Target().c_str(),
                   errno));
        return false;
    }
    return true;
}
