#include "WindowShots.h"

#include <cstdio>
#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/utils.h>
#include <wx/image.h>
#include <wx/window.h>

#include "LayoutWalker.h"
#include "ProgramFolder.h"

namespace WindowShots {

namespace {
bool g_checkOnly = false;
bool g_longValues = false;
}

bool Begin(const wxApp& app, bool needProgramFolder, wxString& folder) {
    int argc = app.argc;
    g_longValues = argc > 2 && app.argv[argc - 1] == "--long";
    if (g_longValues)
        --argc;
    if (argc < (needProgramFolder ? 3 : 2)) {
        std::fprintf(stderr,
                     needProgramFolder ? "usage: %s <folder>|--check <program folder> [--long]\n"
                                       : "usage: %s <folder>|--check [<program folder>] [--long]\n",
                     static_cast<const char*>(app.argv[0].utf8_str()));
        return false;
    }
    folder = app.argv[1];
    g_checkOnly = folder == "--check";
    if (argc > 2)
        ProgramFolder::Set(std::string(app.argv[2].utf8_str()));
    wxInitAllImageHandlers();
    return true;
}

wxWindow* ShowBackdrop() {
    auto* backdrop = new wxFrame(nullptr, wxID_ANY, "backdrop", wxPoint(0, 0), wxGetDisplaySize(), wxBORDER_NONE);
    backdrop->SetBackgroundColour(wxColour(86, 112, 140));
    backdrop->Show();
    return backdrop;
}

void Pump(int ms) {
    const wxLongLong end = wxGetLocalTimeMillis() + ms;
    while (wxGetLocalTimeMillis() < end) {
        while (wxEventLoopBase::GetActive()->Pending())
            wxEventLoopBase::GetActive()->Dispatch();
        wxTheApp->ProcessPendingEvents();
        wxTheApp->ProcessIdle();
        wxMilliSleep(10);
    }
}

bool PumpUntil(const std::function<bool()>& done, int ms) {
    const wxLongLong end = wxGetLocalTimeMillis() + ms;
    while (!done() && wxGetLocalTimeMillis() < end)
        Pump(20);
    return done();
}

bool CheckOnly() { return g_checkOnly; }

bool LongValues() { return g_longValues; }

bool CheckLayout(wxWindow* window, const wxString& what) {
    const std::vector<std::string> findings = LayoutWalker::Check(window);
    for (const std::string& finding : findings)
        std::fprintf(stderr, "layout of %s: %s\n", static_cast<const char*>(what.utf8_str()), finding.c_str());
    return findings.empty();
}

bool Grab(wxWindow* window, const wxString& file, int margin) {
    Pump(400);
    const bool fits = CheckLayout(window, wxFileName(file).GetName());
    return GrabArea(window->GetScreenRect(), file, margin) && fits;
}

bool GrabArea(const wxRect& area, const wxString& file, int margin) {
    if (g_checkOnly)
        return true;
    wxRect r = area;
    r.Inflate(margin);
    r.Intersect(wxRect(wxPoint(0, 0), wxGetDisplaySize()));
    const wxString crop = wxString::Format("%dx%d+%d+%d", r.GetWidth(), r.GetHeight(), r.GetX(), r.GetY());
    // Not disabling the windows meanwhile: the picture would show them greyed.
    const bool ok =
        wxExecute("import -window root -crop " + crop + " +repage " + file, wxEXEC_SYNC | wxEXEC_NODISABLE) == 0;
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", static_cast<const char*>(file.utf8_str()));
    return ok;
}

}  // namespace WindowShots
