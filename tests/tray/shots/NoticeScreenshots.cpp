// Shows each notice window of the tray in turn over a plain backdrop and
// writes a PNG of the screen area it covers into the folder given as the
// first argument.  Run under an X server of its own (scripts/screenshots.sh).
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/frame.h>
#include <wx/modalhook.h>
#include <wx/utils.h>

#include "AboutDialog.h"
#include "GaugeDialog.h"
#include "NoticeParts.h"
#include "PopupConfirmDialog.h"
#include "PopupDialog.h"
#include "TWExistBalloon.h"
#include "TaskBarBalloon.h"
#include "TaskBarBalloonLAN.h"
#include "TrayUserNotices.h"
#include "TWMApplyProfileBalloon.h"
#include "DisConnectBalloon.h"
#include "WindowShots.h"
#include "wxBitmapDialog.h"

namespace {

void Pump(int ms) { WindowShots::Pump(ms); }

// The screen area of `window` with a margin, so that its outline shows
// against the backdrop.
bool Grab(wxWindow* window, const wxString& file) { return WindowShots::Grab(window, file, 12); }

// A notice drawn from a picture (a wxBitmapDialog): it must have taken its
// picture's size (as fitted to its texts), or the picture would show it cut
// or padded.
bool Grab(wxBitmapDialog* notice, const wxString& file) {
    if (notice->GetSize() != notice->GetBitmap().GetSize()) {
        std::fprintf(stderr, "%s: the window is not the size of its picture\n",
                     static_cast<const char*>(file.utf8_str()));
        return false;
    }
    return Grab(static_cast<wxWindow*>(notice), file);
}

class ShotApp : public wxApp {
public:
    bool OnInit() override {
        if (!WindowShots::Begin(*this, false, m_folder))
            return false;
        CallAfter(&ShotApp::Run);
        return true;
    }

private:
    wxString Path(const char* name) const { return m_folder + "/" + name + ".png"; }

    // A Yes/No or OK notice with the title and lines the program gives it.
    template <class Notice>
    bool GrabNotice(const TrayUserNotices::Lines& lines, const char* file) {
        auto* notice = new Notice(nullptr, NoticeParts::LoadBackground(), wxID_ANY);
        notice->SetTitleText(_("Confirm"));
        notice->SetContentLine1(lines.line1);
        notice->SetContentLine2(lines.line2);
        notice->SetContentLine3(lines.line3);
        notice->Show(true);
        const bool ok = Grab(notice, Path(file));
        notice->Destroy();
        Pump(200);
        return ok;
    }

    void Run() {
        wxWindow* backdrop = WindowShots::ShowBackdrop();
        Pump(300);
        bool ok = true;

        // The questions and notices with the texts the program gives them.
        const struct {
            const char* file;
            TrayUserNotices::Lines lines;
        } questions[] = {{"popup_yes_no", TrayUserNotices::SwitchToWirelessQuestion()},
                         {"popup_yes_no_wired", TrayUserNotices::SwitchToWiredQuestion()}},
          notices[] = {{"popup_ok", TrayUserNotices::AdapterSwitchedNotice()},
                       {"popup_ok_wired", TrayUserNotices::SwitchedToWiredNotice()}};
        for (const auto& q : questions)
            ok &= GrabNotice<PopupDialog>(q.lines, q.file);
        for (const auto& n : notices)
            ok &= GrabNotice<PopupConfirmDialog>(n.lines, n.file);
        {
            auto* apply = new TWMApplyProfileBalloon(nullptr);
            apply->SetProfileName("Classroom 101");
            apply->Show(true);
            ok &= Grab(apply, Path("balloon_apply"));
            apply->Destroy();
            Pump(200);
        }
        {
            auto* none = new DisConnectBalloon(nullptr);
            none->SetScanLinkVisible(true);
            none->Show(true);
            ok &= Grab(none, Path("balloon_disconnected"));
            none->Destroy();
            Pump(200);
        }
        {
            TaskBarBalloon* wifi = new TaskBarBalloon(nullptr, "balloon");
            wifi->SetSuccessTip(_("Successfully Connected!"));
            wifi->SetType(_("Wireless LAN"));
            wifi->SetSpeed(_("54.0Mbps"));
            wifi->SetStatus("Classroom 2");
            wifi->SetSignalQuality(72);
            wifi->SetSignalIcon(72);
            wifi->Show(true);
            ok &= Grab(wifi, Path("balloon_wireless"));
            wifi->Destroy();
            Pump(200);
        }
        {
            TaskBarBalloonLAN* lan = new TaskBarBalloonLAN(nullptr, "balloon");
            lan->SetSuccessTip(_("Successfully Connected!"));
            lan->SetType(_("Wired LAN"));
            lan->SetSpeed("100Mbps Full Duplex");
            lan->SetStatus("School LAN");
            lan->Show(true);
            ok &= Grab(lan, Path("balloon_wired"));
            lan->Destroy();
            Pump(200);
        }
        {
            TWExistBalloon* exist = new TWExistBalloon(nullptr);
            exist->Show(true);
            ok &= Grab(exist, Path("balloon_already_running"));
            exist->Destroy();
            Pump(200);
        }
        {
            GaugeDialog* gauge = new GaugeDialog(nullptr, wxID_ANY);
            gauge->SetLabel(_("Scanning for networks..."));
            gauge->Move(377, 270);
            gauge->Show(true);
            Pump(2100);
            ok &= Grab(gauge, Path("gauge"));
            gauge->Show(false);
            gauge->Destroy();
            Pump(200);
        }
        {
            AboutDialog* about = new AboutDialog(backdrop, wxID_ANY);
            about->Show(true);
            ok &= Grab(about, Path("about"));
            about->Destroy();
            Pump(200);
        }
        backdrop->Destroy();
        Pump(100);
        // The main loop's exit code is the program's (OnExit's is not).
        wxEventLoopBase::GetActive()->Exit(ok ? 0 : 1);
    }

    wxString m_folder;
};

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(ShotApp);

int main(int argc, char** argv) {
    wxApp::SetInstance(new ShotApp);
    return wxEntry(argc, argv);
}
