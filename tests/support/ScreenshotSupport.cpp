#include "ScreenshotSupport.h"

#include <cstdio>

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/utils.h>
#include <wx/window.h>

void PumpFor(int ms) {
    const wxLongLong end = wxGetLocalTimeMillis() + ms;
    while (wxGetLocalTimeMillis() < end) {
        while (wxEventLoopBase::GetActive()->Pending())
            wxEventLoopBase::GetActive()->Dispatch();
        wxTheApp->ProcessPendingEvents();
        wxTheApp->ProcessIdle();
        wxMilliSleep(10);
    }
}

bool GrabArea(const wxRect& area, const wxString& file) {
    PumpFor(400);
    wxRect r = area;
    r.Inflate(12);
    r.Intersect(wxRect(wxPoint(0, 0), wxGetDisplaySize()));
    // The toolkit's screen device context may hand back an older frame.
    const wxString crop = wxString::Format("%dx%d+%d+%d", r.GetWidth(), r.GetHeight(), r.GetX(), r.GetY());
    const bool ok = wxExecute("import -window root -crop " + crop + " +repage " + file, wxEXEC_SYNC) == 0;
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", static_cast<const char*>(file.utf8_str()));
    return ok;
}

bool GrabWindow(wxWindow* window, const wxString& file) { return GrabArea(window->GetScreenRect(), file); }
