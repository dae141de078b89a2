#ifndef TIDEWAVE_CUTROWS_H
#define TIDEWAVE_CUTROWS_H

#include <functional>
#include <vector>

#include <wx/event.h>
#include <wx/string.h>

#include "WindowTextCutter.h"

class wxWindow;

// The rows of a list whose texts may be wider than the list shows them (a
// profile name, a program's path): a text that does not fit its width is
// shown cut in the middle with an ellipsis, keeping its start and its end,
// and while the pointer rests on a row that was cut, the list's tooltip is
// that row's whole text.
class CutRows : public wxEvtHandler {
public:
    // The row under a point of the list (in the coordinates of its mouse
    // events), or -1.
    using RowAt = std::function<int(const wxPoint&)>;

    CutRows(wxWindow* list, RowAt rowAt);
    ~CutRows() override;

    // What `row` shows of `text` in `width` pixels of the list's font; its
    // whole text is kept for the tooltip when it had to be cut.
    wxString Fit(int row, const wxString& text, int width);
    // The list holds `rows` rows from now on.
    void Resize(int rows);
    // Calls `changed` after the list's text came to measure otherwise (the
    // desktop's text scaling changed): its rows are to be fitted again.
    void OnMeasureChange(std::function<void()> changed) { m_cutter.OnMeasureChange(std::move(changed)); }

private:
    void OnMotion(wxMouseEvent& event);
    void OnLeave(wxMouseEvent& event);

    wxWindow* m_list;
    RowAt m_rowAt;
    WindowTextCutter m_cutter;
    // The whole text of each row shown cut; empty for a row shown whole.
    std::vector<wxString> m_whole;
};

#endif
