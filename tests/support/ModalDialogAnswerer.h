#ifndef TIDEWAVE_MODALDIALOGANSWERER_H
#define TIDEWAVE_MODALDIALOGANSWERER_H

#include <deque>
#include <functional>
#include <vector>

#include <wx/modalhook.h>
#include <wx/string.h>

class wxDialog;

// Answers modal dialogs and message boxes in window tests.  A test says which
// dialog it expects and what the answer is; any other modal dialog fails the
// test and is answered with wxID_CANCEL so that the test does not hang.
class ModalDialogAnswerer : public wxModalDialogHook {
public:
    static ModalDialogAnswerer& Get();

    // The next modal dialog whose title or message contains `text` is
    // answered with `answer` (wxID_YES, wxID_OK, ...).  Expectations are used
    // in order.
    void Expect(const wxString& text, int answer);
    // The next modal dialog of any kind: `inspect` may look at it (and click
    // its controls); its return value is the answer.
    void ExpectAny(std::function<int(wxDialog*)> inspect);

    // Title and message of every modal dialog seen since the last Reset.
    const std::vector<wxString>& Seen() const { return m_seen; }
    size_t PendingExpectations() const { return m_expected.size(); }

    // Forgets seen dialogs; an expectation left unused fails the test.
    void Reset();
    // Forgets everything without judging.
    void Clear();

    // Title plus message text of a dialog, as matched by Expect.
    static wxString Describe(wxDialog* dialog);

protected:
    int Enter(wxDialog* dialog) override;
    void Exit(wxDialog* dialog) override;

private:
    struct Expectation {
        wxString text;
        int answer;
        std::function<int(wxDialog*)> inspect;
    };
    std::deque<Expectation> m_expected;
    std::vector<wxString> m_seen;
};

#endif
