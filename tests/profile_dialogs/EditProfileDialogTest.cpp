#include <gtest/gtest.h>

#include <sys/stat.h>

#include <wx/bmpcbox.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/notebook.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/translation.h>
#include <wx/uiaction.h>

#include "AutoRunSettings.h"
#include "DialogTestSupport.h"
#include "EditProfileDialog.h"
#include "FakeEditProfileHub.h"
#include "IPSettings.h"
#include "ModalDialogAnswerer.h"
#include "NetSecrityDlg.h"
#include "NetworkWindowFactory.h"
#include "ProgramFolder.h"
#include "ProxySettings.h"
#include "TestTree.h"

namespace {

ProfileList_t Library() {
    ProfileList_t p;
    p.name = "Library";
    p.permission = "admin";
    p.priority = "2";
    p.show = "1";
    p.icon = "3";
    p.GenernalSet.ConnecType = "wireless";
    p.WirelessSet.SSID = "Library";
    p.WirelessSet.WirlessType = "Automatic";
    p.WirelessSet.WlanSecurity = "wep";
    p.WirelessSet.WEPKey = "0a1b2c3d4e";
    p.WirelessSet.KeyIndex = "2";
    ProfileOtherSet& o = p.OtherSet;
    o.NetworkSecurity = "1";
    o.ForbidShareInternet = "0";
    o.AutoRunAppFlag = "1";
    o.AutoRun = {"/usr/bin/portal"};
    o.IPDNS = "1";
    o.IPvalue = "10.0.0.5";
    o.SubnetAddress = "255.0.0.0";
    o.NetGateway = "10.0.0.1";
    o.DNSvalue = "10.0.0.2";
    o.HomepageFlag = "0";
    o.ProxyFlag = "1";
    o.Proxy = "proxy";
    o.Port = "3128";
    return p;
}

ProfileList_t SchoolLan() {
    ProfileList_t p = Library();
    p.name = "School LAN";
    p.GenernalSet.ConnecType = "lan";
    return p;
}

// Serves one catalogue file for every domain.
class FileLoader : public wxTranslationsLoader {
public:
    wxMsgCatalog* LoadCatalog(const wxString& domain, const wxString&) override {
        return wxMsgCatalog::CreateFromFile(TIDEWAVE_TEST_CATALOGUE, domain);
    }
    wxArrayString GetAvailableTranslations(const wxString&) const override { return wxArrayString(1, "de"); }
};

class EditProfileDialogTest : public GuiTest {
protected:
    void SetUp() override {
        ProgramFolder::Set(wxString(TIDEWAVE_PICTURE_DIR).BeforeLast('/').ToStdString());
        EditProfileHub::Install(&hub);
    }
    void TearDown() override {
        EditProfileHub::Install(nullptr);
        GuiTest::TearDown();
    }

    template <class T>
    static T* In(wxWindow* dialog, const char* name) {
        return Named<T>(dialog, name);
    }
    static void Ok(wxWindow* dialog) { Click(In<wxButton>(dialog, "ID_OKBUTTON")); }

    FakeEditProfileHub hub;
};

}  // namespace

TEST_F(EditProfileDialogTest, WepProfileFillsThreePages) {
    EditProfileDialog dialog(nullptr, Library(), false);
    EXPECT_EQ(dialog.GetTitle(), "Edit Network Profile");
    EXPECT_EQ(dialog.GetClientSize(), wxSize(510, 332));
    wxNotebook* pages = In<wxNotebook>(&dialog, "ID_EDITNOTEBOOK");
    ASSERT_EQ(pages->GetPageCount(), 3u);
    EXPECT_EQ(pages->GetPageText(1), "Wireless Settings");
    EXPECT_EQ(In<wxTextCtrl>(&dialog, "ID_NAMETEXTCTRL")->GetValue(), "Library");
    EXPECT_EQ(In<wxBitmapComboBox>(&dialog, "ID_NAMECOMBOBOX")->GetSelection(), 3);
    EXPECT_TRUE(In<wxBitmapComboBox>(&dialog, "ID_NAMECOMBOBOX")->GetItemBitmap(7).IsOk());
    EXPECT_FALSE(In<wxComboBox>(&dialog, "ID_CONTYPECOMBOBOX")->IsEnabled());
    wxTextCtrl* key = In<wxTextCtrl>(&dialog, "ID_KEYTEXTCTRL");
    EXPECT_TRUE(key->HasFlag(wxTE_PASSWORD));
    EXPECT_TRUE(key->IsEnabled());
    EXPECT_EQ(key->GetValue(), "0a1b2c3d4e");
    EXPECT_EQ(In<wxStaticText>(&dialog, "ID_TIPSTATICTEXT")->GetLabel(), "Use hexadecimal digits (0-9, a-f)");
    EXPECT_TRUE(In<wxButton>(&dialog, "ID_NSBUTTON")->IsEnabled());
    EXPECT_FALSE(In<wxTextCtrl>(&dialog, "ID_HOMEPAGETEXTCTRL")->IsEnabled());
}

TEST_F(EditProfileDialogTest, WiredProfileHasTwoTabsAndFromScanOnlyTheName) {
    {
        EditProfileDialog dialog(nullptr, SchoolLan(), false);
        wxNotebook* pages = In<wxNotebook>(&dialog, "ID_EDITNOTEBOOK");
        ASSERT_EQ(pages->GetPageCount(), 2u);
        EXPECT_EQ(pages->GetPageText(1), "Other");
        EXPECT_FALSE(In<wxWindow>(&dialog, "ID_WIRELESSPANEL")->IsShown());
        wxCheckBox* security = In<wxCheckBox>(&dialog, "ID_NETWORKSECRITYCHECKBOX");
        EXPECT_TRUE(security->GetValue());
        EXPECT_FALSE(security->IsEnabled());
        EXPECT_TRUE(In<wxButton>(&dialog, "ID_NSBUTTON")->IsEnabled());
    }
    hub.mode = 1;
    EditProfileDialog dialog(nullptr, Library(), true);
    std::vector<bool> enabled;
    RunModal(dialog, [&] {
        for (const char* name : {"ID_NAMETEXTCTRL", "ID_SSIDTEXTCTRL", "ID_SECRITYTYPECOMBOBOX",
                                 "ID_WIRELESSTYPECOMBOBOX", "ID_KEYTEXTCTRL", "ID_SCANBUTTON", "ID_DEFAULTBUTTON"})
            enabled.push_back(In<wxWindow>(&dialog, name)->IsEnabled());
    });
    EXPECT_EQ(enabled, std::vector<bool>({true, false, false, false, false, false, true}));
}

TEST_F(EditProfileDialogTest, InitDialogFollowsModeScanWindowAndProfileInUse) {
    struct Row {
        int mode;
        bool scanWindow;
        const char* inUse;
        bool scan, name;
    } rows[] = {
        {2, true, "", true, true},
        {3, true, "Library", true, false},
        {1, true, "Home", false, true},
        {2, false, "", false, true},
    };
    for (const Row& r : rows) {
        hub.mode = r.mode;
        hub.scanWindow = r.scanWindow;
        hub.currentProfile = r.inUse;
        EditProfileDialog dialog(nullptr, Library(), false);
        bool scan = false, name = false;
        RunModal(dialog, [&] {
            scan = In<wxButton>(&dialog, "ID_SCANBUTTON")->IsEnabled();
            name = In<wxTextCtrl>(&dialog, "ID_NAMETEXTCTRL")->IsEnabled();
        });
        EXPECT_EQ(scan, r.scan) << r.mode;
        EXPECT_EQ(name, r.name) << r.inUse;
    }
}

TEST_F(EditProfileDialogTest, OkRefusesWithFocusThenHandsBackTheEditedRecord) {
    hub.managerNames = {"Library", "Home"};
    EditProfileDialog dialog(nullptr, Library(), false);
    wxTextCtrl* name = In<wxTextCtrl>(&dialog, "ID_NAMETEXTCTRL");
    wxNotebook* pages = In<wxNotebook>(&dialog, "ID_EDITNOTEBOOK");
    bool nameFocused = false, buttonFocused = false;
    int namePage = -1, otherPage = -1;
    int result = RunModal(dialog, [&] {
        Type(name, "Home");
        pages->SetSelection(2);
        ModalDialogAnswerer::Get().Expect("A profile with the name you specified already exists.", wxID_OK);
        Ok(&dialog);
        nameFocused = HasFocus(name);
        namePage = pages->GetSelection();
    });
    EXPECT_EQ(result, wxID_ABORT);
    EXPECT_TRUE(nameFocused);
    EXPECT_EQ(namePage, 0);

    // A ticked group is checked as its Settings dialog would check it.
    ProfileList_t badIp = Library();
    badIp.OtherSet.SubnetAddress = "255.0.255.0";
    EditProfileDialog refused(nullptr, badIp, false);
    result = RunModal(refused, [&] {
        ModalDialogAnswerer::Get().Expect("Invalid subnet mask!", wxID_OK);
        Ok(&refused);
        otherPage = In<wxNotebook>(&refused, "ID_EDITNOTEBOOK")->GetSelection();
        buttonFocused = HasFocus(In<wxButton>(&refused, "ID_DEFAULTBUTTON"));
    });
    EXPECT_EQ(result, wxID_ABORT);
    EXPECT_EQ(otherPage, 2);
    EXPECT_TRUE(buttonFocused);
    EXPECT_EQ(refused.GetProfile(), badIp);

    result = RunModal(dialog, [&] {
        Type(name, "  Reading Room ");
        In<wxBitmapComboBox>(&dialog, "ID_NAMECOMBOBOX")->SetSelection(7);
        Ok(&dialog);
    });
    EXPECT_EQ(result, wxID_OK);
    EXPECT_EQ(name->GetValue(), "Reading Room");
    ProfileList_t expected = Library();
    expected.name = "Reading Room";
    expected.icon = "7";
    expected.OtherSet.HomepageFlag = "0";
    EXPECT_EQ(dialog.GetProfile(), expected);
}

TEST_F(EditProfileDialogTest, CancelAsksFirst) {
    EditProfileDialog dialog(nullptr, Library(), false);
    const int result = RunModal(dialog, [&] {
        Type(In<wxTextCtrl>(&dialog, "ID_NAMETEXTCTRL"), "Edited");
        ModalDialogAnswerer::Get().Expect("Are you sure you want to cancel the operation?", wxID_NO);
        Click(In<wxButton>(&dialog, "ID_CANCLEBUTTON"));
        EXPECT_TRUE(dialog.IsModal());
        EXPECT_EQ(In<wxTextCtrl>(&dialog, "ID_NAMETEXTCTRL")->GetValue(), "Edited");
        ModalDialogAnswerer::Get().Expect("Are you sure you want to cancel the operation?", wxID_YES);
        Click(In<wxButton>(&dialog, "ID_CANCLEBUTTON"));
    });
    EXPECT_EQ(result, wxID_CANCEL);
    EXPECT_EQ(dialog.GetProfile(), Library());
}

TEST_F(EditProfileDialogTest, KeysFromTheKeyboard) {
    EditProfileDialog dialog(nullptr, Library(), false);
    const int result = RunModal(dialog, [&] {
        wxUIActionSimulator keys;
        In<wxTextCtrl>(&dialog, "ID_NAMETEXTCTRL")->SetFocus();
        RunEventLoopFor(100);
        keys.Char(WXK_F1);  // takes the help command and opens nothing
        RunEventLoopFor(200);
        ModalDialogAnswerer::Get().Expect("Are you sure you want to cancel the operation?", wxID_YES);
        keys.Char(WXK_ESCAPE);
        RunEventLoopUntil([&] { return !dialog.IsModal(); }, 2000);
    });
    EXPECT_EQ(result, wxID_CANCEL);
    EXPECT_EQ(ModalDialogAnswerer::Get().Seen().size(), 2u);  // the dialog and the question
}

namespace {

// One Settings button: what its sub-dialog shows, what the user does there,
// and what the saved record holds afterwards.
struct SettingsRow {
    const char* button;
    std::function<wxString(wxDialog*)> shown;
    const char* expectedShown;
    std::function<void(wxDialog*)> edit;
    const char* okButton;
    std::function<std::string(const ProfileList_t&)> saved;
    const char* savedAfterOk;
    const char* savedAfterCancel;
};

}  // namespace

TEST_F(EditProfileDialogTest, SettingsButtonsChangeWorkingValuesOnlyOnOk) {
    TestTree programs;
    const std::string program = programs / "reader";
    TestTree::WriteFile(program, "#!/bin/sh\n");
    chmod(program.c_str(), 0755);
    AutoRunSettings::chooseFile = [&](wxWindow*) { return wxString::FromUTF8(program.c_str()); };
    const auto text = [](const char* name) {
        return [name](wxDialog* d) { return Named<wxTextCtrl>(d, name)->GetValue(); };
    };
    const SettingsRow rows[] = {
        {"ID_NSBUTTON", [](wxDialog* d) { return wxString(Named<wxCheckBox>(d, "ID_CBINTERNET")->GetValue() ? "1" : "0"); },
         "0", [](wxDialog* d) { Named<wxCheckBox>(d, "ID_CBINTERNET")->SetValue(true); }, "ID_BTNOK",
         [](const ProfileList_t& p) { return p.OtherSet.ForbidShareInternet; }, "1", "0"},
        {"ID_APPBUTTON", [](wxDialog* d) { return Named<wxListBox>(d, "ID_LIST_APP")->GetString(0); }, "/usr/bin/portal",
         [](wxDialog* d) { Click(Named<wxButton>(d, "ID_BTN_ADD")); }, "ID_BTN_OK",
         [](const ProfileList_t& p) { return std::to_string(p.OtherSet.AutoRun.size()); }, "2", "1"},
        {"ID_DEFAULTBUTTON", text("ID_TCIP"), "10.0.0.5", [](wxDialog* d) { Type(Named<wxTextCtrl>(d, "ID_TCIP"), "10.0.0.9"); },
         "ID_BUTTONOK", [](const ProfileList_t& p) { return p.OtherSet.IPvalue; }, "10.0.0.9", "10.0.0.5"},
        {"ID_PROXYBUTTON", text("ID_TCPORT"), "3128", [](wxDialog* d) { Type(Named<wxTextCtrl>(d, "ID_TCPORT"), "8080"); },
         "ID_BUTTONOK", [](const ProfileList_t& p) { return p.OtherSet.Port; }, "8080", "3128"},
    };
    for (const SettingsRow& r : rows) {
        for (const bool ok : {true, false}) {
            EditProfileDialog dialog(nullptr, Library(), false);
            wxString shown;
            const int result = RunModal(dialog, [&] {
                ExpectRealModal([&](wxDialog* sub) {
                    shown = r.shown(sub);
                    r.edit(sub);
                    if (ok)
                        Click(Named<wxButton>(sub, r.okButton));
                    else
                        sub->Close();
                });
                Click(In<wxButton>(&dialog, r.button));
                Ok(&dialog);
            });
            ASSERT_EQ(result, wxID_OK) << r.button;
            EXPECT_EQ(shown, r.expectedShown) << r.button;
            EXPECT_EQ(r.saved(dialog.GetProfile()), ok ? r.savedAfterOk : r.savedAfterCancel) << r.button << " " << ok;
        }
    }
    AutoRunSettings::chooseFile = &AutoRunSettings::ChooseWithFileDialog;
}

TEST_F(EditProfileDialogTest, ScanIsRefusedByPolicyAndModeAndFillsThePickedNetwork) {
    EditProfileDialog dialog(nullptr, Library(), false);
    wxTextCtrl* key = In<wxTextCtrl>(&dialog, "ID_KEYTEXTCTRL");
    hub.picked = ApStatusUtil::MakeWithSsid("Room 12");
    hub.picked.nSecurity = RVL_SECURITY_WEP;
    hub.picked.nPhyType = RVL_PHY_80211N;
    hub.pickResult = true;
    RunModal(dialog, [&] {
        In<wxComboBox>(&dialog, "ID_SECRITYTYPECOMBOBOX")->SetSelection(0);
        hub.canScan = false;
        ModalDialogAnswerer::Get().Expect("The current policy forbids scanning for wireless networks.", wxID_OK);
        Click(In<wxButton>(&dialog, "ID_SCANBUTTON"));
        hub.canScan = true;
        hub.mode = 0;
        ModalDialogAnswerer::Get().Expect("Cannot find WLAN adapter!", wxID_OK);
        Click(In<wxButton>(&dialog, "ID_SCANBUTTON"));
        EXPECT_EQ(hub.picks, 0);
        hub.mode = 3;
        Click(In<wxButton>(&dialog, "ID_SCANBUTTON"));
    });
    EXPECT_EQ(hub.picks, 1);
    EXPECT_EQ(In<wxTextCtrl>(&dialog, "ID_SSIDTEXTCTRL")->GetValue(), "Room 12");
    EXPECT_EQ(In<wxComboBox>(&dialog, "ID_WIRELESSTYPECOMBOBOX")->GetValue(), "802.11n");
    EXPECT_EQ(In<wxComboBox>(&dialog, "ID_SECRITYTYPECOMBOBOX")->GetValue(), "WEP");
    EXPECT_TRUE(key->IsEnabled());
    EXPECT_EQ(key->GetValue(), "");
    EXPECT_EQ(In<wxStaticText>(&dialog, "ID_TIPSTATICTEXT")->GetLabel(), "Use hexadecimal digits (0-9, a-f)");
}

TEST_F(EditProfileDialogTest, TranslatedChoicesSaveTheStoredValues) {
    ASSERT_EQ(wxTranslations::Get(), nullptr);
    auto* german = new wxTranslations;
    german->SetLoader(new FileLoader);
    german->SetLanguage("de");
    ASSERT_TRUE(german->AddCatalog("tidewave"));
    wxTranslations::Set(german);
    ProfileList_t saved;
    wxString shownType;
    {
        EditProfileDialog dialog(nullptr, Library(), false);
        shownType = In<wxComboBox>(&dialog, "ID_WIRELESSTYPECOMBOBOX")->GetValue();
        if (RunModal(dialog, [&] { Ok(&dialog); }) == wxID_OK)
            saved = dialog.GetProfile();
    }
    wxTranslations::Set(nullptr);
    EXPECT_EQ(shownType, "Automatisch");
    EXPECT_EQ(saved.WirelessSet.WirlessType, "Automatic");
    EXPECT_EQ(saved.GenernalSet.ConnecType, "wireless");
}

TEST_F(EditProfileDialogTest, TheApplicationOpensItForAScannedNetwork) {
    NetworkWindowFactory factory;
    ASSERT_TRUE(factory.HasProfileEditor());
    ProfileList_t made = Library();
    made.name = "Teacher's Room";
    ExpectRealModal([](wxDialog* d) {
        EXPECT_FALSE(Named<wxTextCtrl>(d, "ID_SSIDTEXTCTRL")->IsEnabled());
        ModalDialogAnswerer::Get().Expect("Profile name cannot contain", wxID_OK);
        Click(Named<wxButton>(d, "ID_OKBUTTON"));
        Type(Named<wxTextCtrl>(d, "ID_NAMETEXTCTRL"), "Teachers Room");
        Click(Named<wxButton>(d, "ID_OKBUTTON"));
    });
    ASSERT_TRUE(factory.EditProfileFromScan(nullptr, made));
    EXPECT_EQ(made.name, "Teachers Room");
}
