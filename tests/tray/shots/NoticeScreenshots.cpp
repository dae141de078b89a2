// Shows each notice window of the tray in turn over a plain backdrop and
// writes a PNG of the screen area it covers into the folder given as the
// first argument.  Run under an X server of its own (scripts/screenshots.sh).
// With "--long" the balloons and the gauge show the longest names a user can
// have (the notices' texts are the program's own either way).
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
#include "NoticeDialog.h"
#include "NoticeParts.h"
#include "PopupConfirmDialog.h"
#include "PopupDialog.h"
#include "TWExistBalloon.h"
#include "TaskBarBalloon.h"
#include "TaskBarBalloonLAN.h"
#include "TrayUserNotices.h"
#include "TWMApplyProfileBalloon.h"
#include "DisConnectBalloon.h"
#include "LongValues.h"
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

// One window's values, pictured into "<file><suffix>.png".
struct Shown {
    const char* suffix;
    wxString text;   // the profile name of a balloon, the gauge's line
    wxString speed;  // the speed line of a connection balloon
};

// A wired connection-type text as long as the platform gives them
// ("1000Mbps - Full Duplex"), for a ten-gigabit link, after the hub's
// "Wired LAN - ".
const char* const kLongWiredSpeed = "10000Mbps - Full Duplex";

wxString Utf8(const char* text) { return wxString::FromUTF8(text); }

// The profile names the balloons show: the demo's own, or the longest a
// profile can have, of the widest letter and of two-byte letters.
std::vector<Shown> ProfileNames(const char* demo, const wxString& speed, const wxString& longSpeed) {
    if (!WindowShots::LongValues())
        return {{"", demo, speed}};
    return {{"", Utf8(LongValues::kProfileName), longSpeed},
            {"-two-byte", Utf8(LongValues::kProfileNameTwoByte), longSpeed}};
}

// The texts of the busy gauge: the scan's, and the connect and apply texts
// with the demo's names or the longest ones.
std::vector<Shown> GaugeTexts() {
    const wxString connect = _("Connecting to "), apply = _("Applying profile ");
    std::vector<Shown> texts = {{"", _("Scanning for networks..."), ""}};
    if (!WindowShots::LongValues()) {
        texts.push_back({"_connect", connect + "Riverside-Primary-School-Staff01 ...", ""});
        texts.push_back({"_apply", apply + "Classroom 101...", ""});
        return texts;
    }
    texts.push_back({"_connect", connect + Utf8(LongValues::kSsid) + " ...", ""});
    texts.push_back({"_connect-two-byte", connect + Utf8(LongValues::kSsidTwoByte) + " ...", ""});
    texts.push_back({"_apply", apply + Utf8(LongValues::kProfileName) + "...", ""});
    texts.push_back({"_apply-two-byte", apply + Utf8(LongValues::kProfileNameTwoByte) + "...", ""});
    return texts;
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
    wxString Path(const char* name, const char* suffix = "") const {
        return m_folder + "/" + name + suffix + ".png";
    }

    // A Yes/No or OK notice (a NoticeDialog and its buttons) with the title
    // and lines the program gives it.
    template <class Notice>
    bool GrabNotice(const TrayUserNotices::Lines& lines, const char* file) {
        NoticeDialog* notice = new Notice(nullptr, NoticeParts::LoadBackground(), wxID_ANY);
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
        for (const Shown& profile : ProfileNames("Classroom 101", "", "")) {
            auto* apply = new TWMApplyProfileBalloon(nullptr);
            apply->SetProfileName(profile.text);
            apply->Show(true);
            ok &= Grab(apply, Path("balloon_apply", profile.suffix));
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
        // The wireless balloon shows the profile's name, or the network's
        // when there is no profile; a profile name is the longer.
        for (const Shown& line : ProfileNames("Classroom 2", _("54.0Mbps"), _("108.0Mbps"))) {
            TaskBarBalloon* wifi = new TaskBarBalloon(nullptr, "balloon");
            wifi->SetSuccessTip(_("Successfully Connected!"));
            wifi->SetType(_("Wireless LAN"));
            wifi->SetSpeed(line.speed);
            wifi->SetStatus(line.text);
            const int quality = WindowShots::LongValues() ? 100 : 72;
            wifi->SetSignalQuality(quality);
            wifi->SetSignalIcon(quality);
            wifi->Show(true);
            ok &= Grab(wifi, Path("balloon_wireless", line.suffix));
            wifi->Destroy();
            Pump(200);
        }
        for (const Shown& line : ProfileNames("School LAN", "100Mbps Full Duplex", kLongWiredSpeed)) {
            TaskBarBalloonLAN* lan = new TaskBarBalloonLAN(nullptr, "balloon");
            lan->SetSuccessTip(_("Successfully Connected!"));
            lan->SetType(_("Wired LAN"));
            lan->SetSpeed(line.speed);
            lan->SetStatus(line.text);
            lan->Show(true);
            ok &= Grab(lan, Path("balloon_wired", line.suffix));
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
        for (const Shown& line : GaugeTexts()) {
            GaugeDialog* gauge = new GaugeDialog(nullptr, wxID_ANY);
            gauge->SetLabel(line.text);
            gauge->Move(377, 270);
            gauge->Show(true);
            Pump(2100);
            ok &= Grab(gauge, Path("gauge", line.suffix));
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
