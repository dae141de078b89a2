#ifndef TIDEWAVE_GETCURAPTHREAD_H
#define TIDEWAVE_GETCURAPTHREAD_H

#include <condition_variable>
#include <mutex>

#include <wx/thread.h>

#include "RvlSdk.h"

class wxEvtHandler;

// Reads the access point the laptop is associated with, on request, and
// stages the answer for the GUI thread.  Each request carries the hub's
// generation number; a disconnect raises it and drops what was staged, so an
// answer fetched before a disconnect never comes back.
class GetCurAPThread : public wxThread {
public:
    // Each staged answer is announced to `answered` (may be null) with a
    // wxEVT_THREAD event of id ANSWER_STAGED.
    explicit GetCurAPThread(wxEvtHandler* answered = nullptr);
    enum { ANSWER_STAGED = 6301 };

    // Any thread.
    void Request();
    // Forgets staged answers and every read still in flight.
    void Invalidate();
    // Moves a staged answer out; false when there is none.
    bool TakeAnswer(APStatus& out);
    void RequestStop();

protected:
    ExitCode Entry() override;

private:
    wxEvtHandler* m_pAnswered;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_bRequested = false;
    bool m_bStop = false;
    unsigned m_nGeneration = 0;
    bool m_bStaged = false;
    APStatus m_staged{};
};

#endif
