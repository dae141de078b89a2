#ifndef TIDEWAVE_KXCLIENTOBSERVER_H
#define TIDEWAVE_KXCLIENTOBSERVER_H

// Receives the hand-over after a file arrived over the deploy connection.
// Republish runs on the deploy server's thread, and the connection that
// delivered the file stays open until it returns.
class KXClientObserver {
public:
    virtual ~KXClientObserver() = default;
    virtual void Republish() = 0;
};

#endif
