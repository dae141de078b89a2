#ifndef TIDEWAVE_PUBLISHTHREAD_H
#define TIDEWAVE_PUBLISHTHREAD_H

#include <atomic>

#include <wx/thread.h>

class MeshInfoManager;

// The detached thread of one publisher run (AvahiPublisher); it deletes
// itself when the run has ended.
class PublishThread : public wxThread {
public:
    explicit PublishThread(MeshInfoManager& model);

    // True from just before the thread runs until its run has ended.  The
    // starter sets it before Run and clears it when the thread cannot run.
    static std::atomic<bool> m_bPublishing;

    // Whether a run ended for a missing or failing avahi daemon since the
    // last call.
    static bool TakeDaemonFailure();

protected:
    ExitCode Entry() override;
    void OnExit() override;

private:
    MeshInfoManager& m_model;
    static std::atomic<bool> s_bDaemonFailed;
};

#endif
