#ifndef TIDEWAVE_DNSSDTHREADS_H
#define TIDEWAVE_DNSSDTHREADS_H

#include <chrono>

#include "DnsSdTick.h"

class ListenThread;
class MeshInfoManager;

// Starts and stops the DNS-SD threads for the application: at most one
// publisher and one browser run at a time.  Each thread's running flag is set
// before it runs and cleared when it cannot be created or run; an ended
// browse thread is waited for and deleted before the next one is made.
//
// The threads use the model until they end: the application's is the
// process-wide one, never destroyed, so a publisher that outlives the bounded
// wait at the program's end still finds it.
class DnsSdThreads {
public:
    explicit DnsSdThreads(MeshInfoManager& model);
    // Stops both loops and waits a few seconds at most for them to end.
    ~DnsSdThreads();

    // Stops both loops and waits until they have ended, however long that
    // takes; for a model that goes away after this object.
    void StopAndWait();

    // A new browse thread; nothing while one still runs.
    void StartListen();
    // A new publisher thread; nothing while one still runs.
    void ReconnectPublish();
    void StopListen();
    void StopPublish();
    static bool IsListening();
    static bool IsPublishing();

    DnsSdTick::Loop PublishLoop();
    DnsSdTick::Loop BrowseLoop();

private:
    void StopUntil(std::chrono::steady_clock::time_point deadline);
    void ReapListener();

    MeshInfoManager& m_model;
    ListenThread* m_pListenThread = nullptr;
};

#endif
