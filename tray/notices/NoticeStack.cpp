#include "NoticeStack.h"

#include <algorithm>
#include <vector>

#include <wx/display.h>
#include <wx/window.h>

#include "NoticePlacement.h"

namespace {

std::vector<wxWindow*>& Notices() {
    static std::vector<wxWindow*> notices;
    return notices;
}

void Join(wxWindow* notice) {
    std::vector<wxWindow*>& notices = Notices();
    if (std::find(notices.begin(), notices.end(), notice) != notices.end())
        return;
    notices.push_back(notice);
    // A child's destruction reaches the notice's handlers too.
    notice->Bind(wxEVT_DESTROY, [notice](wxWindowDestroyEvent& event) {
        event.Skip();
        if (event.GetEventObject() == notice) {
            std::vector<wxWindow*>& all = Notices();
            all.erase(std::remove(all.begin(), all.end(), notice), all.end());
        }
    });
}

NoticePlacement::Rect RectOf(const wxRect& r) { return {r.x, r.y, r.width, r.height}; }

}  // namespace

void NoticeStack::Place(wxWindow* notice, const wxPoint& home) {
    Join(notice);
    std::vector<NoticePlacement::Rect> shown;
    for (wxWindow* other : Notices()) {
        if (other != notice && other->IsShown() && !other->IsBeingDeleted())
            shown.push_back(RectOf(other->GetScreenRect()));
    }
    const wxSize size = notice->GetSize();
    const NoticePlacement::Point at = NoticePlacement::Clear({home.x, home.y}, size.GetWidth(), size.GetHeight(),
                                                             shown, RectOf(wxGetClientDisplayRect()));
    notice->Move(at.x, at.y);
}
