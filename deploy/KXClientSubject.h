#ifndef TIDEWAVE_KXCLIENTSUBJECT_H
#define TIDEWAVE_KXCLIENTSUBJECT_H

#include <mutex>

#include "KXClientObserver.h"

// The one hand-over point of the process: the deploy server (and the
// download client) report an arrived file here, and the registered observer,
// the application, runs its republish routine.
class KXClientSubject {
public:
    static KXClientSubject* GetInstance();

    // Registers the observer (null to remove it).  Returns once no call of
    // the previous observer is in progress.
    void SetObserver(KXClientObserver* observer);
    // Runs the observer's Republish on this thread; nothing when none is set.
    void Publish();

private:
    KXClientSubject() = default;
    virtual ~KXClientSubject() = default;

    std::mutex m_mutex;
    KXClientObserver* m_observer = nullptr;
};

#endif
