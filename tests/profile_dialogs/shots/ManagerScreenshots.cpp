// Shows the profile manager over the demo settings as an ordinary user with
// two profiles of their own, then the new-profile wizard's three pages and
// its network security dialog, and writes a PNG of each into the folder
// given as the first argument.  Run under an X server of its own, with
// TIDEWAVE_ROOT and HOME naming the demo settings (scripts/shots).  With
// "--long" the user's profiles and the wizard's fields take the longest
// values the dialogs accept (ProfileLongValues.h).
#include <functional>
#include <string>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/frame.h>
#include <wx/textctrl.h>
#include <wx/settings.h>
#include <wx/utils.h>

#include "DataCenter.h"
#include "ProfileFile.h"
#include "ProfileGeneralSettings.h"
#include "ProfileLongValues.h"
#include "ProfileManagerDlg.h"
#include "ProfileOtherSettings.h"
#include "ProfileWirelessSettings.h"
#include "WindowShots.h"
#include "SystemPaths.h"
#include "TWMUtil.h"
#include "wxCheckedListCtrl.h"

namespace {

using ProfileLongValues::Fill;
using WindowShots::Grab;
using WindowShots::Pump;

// Without a window manager nothing activates a window, and the theme draws
// an inactive one with faded labels: activate it before the picture.
bool Shoot(wxWindow* window, const wxString& file) {
    window->Raise();
    window->SetFocus();
    Pump(300);
    window->Refresh();
    return Grab(window, file);
}

template <class T>
T* Named(wxWindow* top, const char* name) {
    return dynamic_cast<T*>(wxWindow::FindWindowByName(name, top));
}

void Click(wxWindow* button) {
    wxCommandEvent click(wxEVT_BUTTON, button->GetId());
    click.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(click);
}

void Tick(wxCheckBox* box) {
    box->SetValue(true);
    wxCommandEvent ticked(wxEVT_CHECKBOX, box->GetId());
    ticked.SetEventObject(box);
    box->GetEventHandler()->ProcessEvent(ticked);
}

ProfileList_t UserProfile(const std::string& name, const std::string& ssid, const std::string& icon,
                          const std::string& key = "at home 2024") {
    ProfileList_t p;
    p.name = name;
    p.permission = "user";
    p.icon = icon;
    p.show = "1";
    p.GenernalSet.ConnecType = "wireless";
    p.WirelessSet.SSID = ssid;
    p.WirelessSet.WirlessType = "Automatic";
    p.WirelessSet.WlanSecurity = "wpa-psk";
    p.WirelessSet.WPAKey = key;
    p.WirelessSet.KeyIndex = "1";
    return p;
}

class ShotApp : public wxApp {
public:
    bool OnInit() override {
        if (!WindowShots::Begin(*this, false, m_folder))
            return false;
        if (!ProfileLongValues::Accepted())
            return false;
        CallAfter(&ShotApp::Run);
        return true;
    }

private:
    wxString Path(const char* name) const { return m_folder + "/" + name + ".png"; }

    void Run() {
        wxWindow* backdrop = WindowShots::ShowBackdrop();

        // An ordinary user with two profiles of their own, the store and the
        // policy of the hub (no windows of its own).
        TWMUtil::OverrideUserIdForTesting("pupil");
        TWMUtil::MakeFolder(SystemPaths::UserProfileDir(), 0700);
        if (WindowShots::LongValues()) {
            using namespace ProfileLongValues;
            ProfileFile::Write(UserProfile(kName, kSsid, "1", kWpaKey), SystemPaths::UserProfileDir(), 0600, true);
            ProfileFile::Write(UserProfile(kNameTwoByte, kSsidTwoByte, "3", kWpaKey), SystemPaths::UserProfileDir(),
                               0600, true);
        } else {
            ProfileFile::Write(UserProfile("Home", "Wohnung-5G", "1"), SystemPaths::UserProfileDir(), 0600, true);
            ProfileFile::Write(UserProfile("Grandma's", "FamilyNet", "3"), SystemPaths::UserProfileDir(), 0600, true);
        }
        DataCenter::GetInstance()->CreateAll();

        auto* manager = new ProfileManagerDlg(nullptr, -1);
        manager->ShowManager();
        Pump(300);
        Named<wxCheckedListCtrl>(manager, "ID_PROFILELISTCTRL")
            ->SetItemState(manager->GetModel().AdminCount(), wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
        bool ok = Shoot(manager, Path("profile-manager"));

        manager->Hide();  // no window manager places the wizard beside it
        auto* wizard = new ProfileGeneralSettings(manager);
        wizard->Move(160, 120);
        wizard->CallAfter([&ok, this, wizard] { ok = ShootWizard(wizard) && ok; });
        wizard->RunWizard();
        wizard->Destroy();
        manager->wxFrame::Destroy();
        backdrop->Destroy();
        Pump(100);
        m_status = ok ? 0 : 1;
        ExitMainLoop();
    }

    // Runs inside the wizard's modal loop: fills each page, shoots it, goes
    // on, and opens the network security dialog from the last page.
    bool ShootWizard(ProfileGeneralSettings* wizard) {
        const bool longValues = WindowShots::LongValues();
        Pump(800);  // the window has just appeared: let it settle first
        bool ok = Fill(Named<wxTextCtrl>(wizard, "ID_NAMETEXTCTRL"),
                       longValues ? ProfileLongValues::kNewName : "Library");
        ok = Shoot(wizard, Path("new-profile-general")) && ok;
        Click(wizard->FindWindow(wxID_FORWARD));
        ProfileWirelessSettings* wireless = wizard->GetWirelessPage();
        if (wizard->GetCurrentPage() != wireless) {
            wizard->EndModal(wxID_CANCEL);
            return false;
        }
        auto* ssid = Named<wxTextCtrl>(wireless, "ID_WNNAMETEXTCTRL");
        ok = Fill(ssid, longValues ? ProfileLongValues::kSsid : "Library-AP") && ok;
        // The longest key is a WPA one.
        auto* security = Named<wxComboBox>(wireless, "ID_STCOMBOBOX");
        security->SetSelection(longValues ? 2 : 1);
        wxCommandEvent picked(wxEVT_COMBOBOX, security->GetId());
        picked.SetEventObject(security);
        security->GetEventHandler()->ProcessEvent(picked);
        auto* key = Named<wxTextCtrl>(wireless, "ID_KEYTEXTCTRL");
        ok = Fill(key, longValues ? ProfileLongValues::kWpaKey : "0123456789") && ok;
        ok = Shoot(wizard, Path("new-profile-wireless")) && ok;
        Click(wizard->FindWindow(wxID_FORWARD));
        ProfileOtherSettings* other = wizard->GetOtherPage();
        if (wizard->GetCurrentPage() != other) {
            wizard->EndModal(wxID_CANCEL);
            return false;
        }
        if (longValues) {
            Tick(Named<wxCheckBox>(other, "ID_HPCHECKBOX"));
            ok = Fill(Named<wxTextCtrl>(other, "ID_HPTEXTCTRL"), ProfileLongValues::Homepage()) && ok;
        }
        ok = Shoot(wizard, Path("new-profile-other")) && ok;

        Tick(Named<wxCheckBox>(other, "ID_NSCHECKBOX"));
        wizard->CallAfter([&ok, this] {
            wxWindow* dialog = wxWindow::FindWindowByLabel("Network Security");
            if (dialog == nullptr) {
                ok = false;
                return;
            }
            // Without a compositor the dialog's own background stays
            // unpainted; give it the theme's colour for the picture.
            dialog->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
            dialog->Refresh();
            ok = Shoot(dialog, Path("new-profile-network-security")) && ok;
            Click(Named<wxButton>(dialog, "ID_BTNCANCEL"));
        });
        Click(Named<wxButton>(other, "ID_SET1BUTTON"));
        wizard->EndModal(wxID_CANCEL);
        return ok;
    }

public:
    int OnExit() override { return m_status; }
    int OnRun() override {
        wxApp::OnRun();
        return m_status;
    }

private:
    wxString m_folder;
    int m_status = 1;
};

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(ShotApp);

int main(int argc, char** argv) {
    wxApp::SetInstance(new ShotApp);
    return wxEntry(argc, argv);
}
