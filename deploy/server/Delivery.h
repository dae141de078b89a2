#ifndef TIDEWAVE_DELIVERY_H
#define TIDEWAVE_DELIVERY_H

#include <memory>

#include "DownloadFile.h"

// A file received whole on a deploy connection, waiting for its turn.
// Deliveries are completed one at a time, in the order they arrived: the
// file is put in its target's place, confirmed with 'K' and handed over to
// the application (which imports an archive at once), and only then is the
// connection closed.  So each hand-over finds its own file in place.  While
// it waits, a delivery holds its connection and no other descriptor.
class Delivery {
public:
    // Takes the connection (a socket descriptor) and the received file.
    // A certificate is kept only when it is one PEM certificate, and never
    // replaces one stored meanwhile by another delivery: then it is stored
    // as the settings archive.
    Delivery(int connection, std::unique_ptr<DownloadFile> file, bool certificate);
    // Closes the connection; a file not stored is removed.  A delivery
    // dropped before its turn thus ends without the confirmation.
    ~Delivery();
    Delivery(const Delivery&) = delete;
    Delivery& operator=(const Delivery&) = delete;

    // A settings archive (not a certificate): a newer one supersedes it.
    bool IsSettings() const { return !m_bCertificate; }
    void Complete();

private:
    bool Store();

    int m_connection;
    std::unique_ptr<DownloadFile> m_file;
    bool m_bCertificate;
};

#endif
