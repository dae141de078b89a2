#ifndef TIDEWAVE_LISTENTHREAD_H
#define TIDEWAVE_LISTENTHREAD_H

#include <atomic>

#include <wx/thread.h>

class MeshInfoManager;

// The joinable thread of one browse loop (AvahiMulticast); its starter waits
// for it and deletes it once it has ended.
class ListenThread : public wxThread {
public:
    explicit ListenThread(MeshInfoManager& model);
    ~ListenThread() override;

    // True from just before the thread runs until its loop has ended.  The
    // starter sets it before Run and clears it when the thread cannot run.
    static std::atomic<bool> m_bExcuting;

    // Stops whichever browse loop runs.
    void Excute();

    // Whether a loop ended for a missing or failing avahi daemon since the
    // last call.
    static bool TakeDaemonFailure();
    // Thread objects alive now.
    static int LiveCount();

protected:
    ExitCode Entry() override;
    void OnExit() override;

private:
    MeshInfoManager& m_model;
    static std::atomic<bool> s_bDaemonFailed;
    static std::atomic<int> s_nLive;
};

#endif
