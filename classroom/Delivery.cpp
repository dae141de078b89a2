#include "Delivery.h"

#include <cerrno>

#include <unistd.h>

#include <ace/Log_Msg.h>

#include "DeployConstants.h"
#include "KXClientSubject.h"
#include "SocketByte.h"
#include "SystemPaths.h"

Delivery::Delivery(int connection, std::unique_ptr<DownloadFile> file, bool certificate)
    : m_connection(connection), m_file(std::move(file)), m_bCertificate(certificate) {}

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
    DownloadFile::Result result = m_bCertificate ? m_file->CommitBesideExisting()
                                  : m_file->Commit()  ? DownloadFile::STORED
                                                      : DownloadFile::FAILED;
    if (result == DownloadFile::TARGET_EXISTS) {
        DownloadFile archive;
        result = archive.Open(SystemPaths::Fixed(DeployConstants::kArchivePath)) &&
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
