#include <functional>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/imaglist.h>
#include <wx/menu.h>
#include <wx/uiaction.h>

#include "AsciiWidthBound.h"
#include "CommandRunner.h"
#include "FileTar.h"
#include "LayoutWalker.h"
#include "LongValues.h"
#include "ManagerTestSupport.h"
#include "ModalDialogAnswerer.h"
#include "ProfileFile.h"
#include "ProfileListImages.h"
#include "ProfileManagerDlg.h"
#include "ProgramFolder.h"
#include "ReceiveFolder.h"
#include "SchoolSettingImporter.h"
#include "SettingsRepublisher.h"
#include "SystemPaths.h"
#include "TWMUtil.h"
#include "TestCertificates.h"
#include "TestEnvironment.h"
#include "TestTree.h"
#include "wxCheckedListCtrl.h"

namespace {

class ManagerWindowTest : public ProfileDialogsTest {
protected:
    // [A1 (administrator), U1, U2, Guest] for the ordinary user.
    void PlaceFourProfiles() {
        Place(hub.store->AdminDir(), Profile("A1", "admin", "1"));
        Place(hub.store->UserDir(), Profile("U1", "user", "1"));
        ProfileList_t hidden = Profile("U2", "user", "2");
        hidden.show = "0";
        Place(hub.store->UserDir(), hidden);
        Place(hub.store->GuestDir(), Profile("Guest", "user", "1"));
    }
    wxCheckedListCtrl* List() { return Named<wxCheckedListCtrl>(Manager(), "ID_PROFILELISTCTRL"); }
    wxButton* Button(const char* name) { return Named<wxButton>(Manager(), name); }
    void Select(int row) { List()->SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED); }
    ProfileList_t ReadBack(const std::string& folder, const std::string& name) {
        ProfileList_t p;
        EXPECT_TRUE(ProfileFile::Read(ProfileFile::PathFor(folder, name), p)) << name;
        return p;
    }
    // A classroom settings archive at the deploy path: the server
    // certificate and `profile`, with the program's CA certificate in place.
    // Unpacking goes below the test's own folder.
    std::string SettingsArchive(const ProfileList_t& profile) {
        TestCertificates certs(m_work.Path());
        TestTree::WriteFile(m_program / "cacert.pem", TestTree::ReadFile(certs.caFile));
        ProgramFolder::Set(m_program.Path());
        TestTree::MakeDirs(m_work / "src");
        TestTree::WriteFile(m_work / "src/sslservercert.pem", TestTree::ReadFile(certs.serverCert));
        Place(m_work / "src", profile);
        FileTar tar;
        tar.SetBasePath(wxString::FromUTF8((m_work / "src/").c_str()));
        EXPECT_EQ(tar.AddFile("sslservercert.pem", ""), 0);
        EXPECT_EQ(tar.AddFile(wxString::FromUTF8((profile.name + ".profile").c_str()), ""), 0);
        const std::string archive = ReceiveFolder::ArchivePath();
        const std::string folder = ReceiveFolder::Path() + "/";
        TestTree::MakeDirs(folder, 0700);
        EXPECT_EQ(tar.Tar("SchoolSettings.tar", wxString::FromUTF8(folder.c_str())), 0);
        setenv("TMPDIR", m_work.Path().c_str(), 1);
        return archive;
    }
    void TearDown() override {
        unsetenv("TMPDIR");
        ProfileDialogsTest::TearDown();
    }
    // The seven controls of the selection: Up, Down, Edit, Delete and the
    // menu's Edit, Delete, Export.
    std::vector<bool> SelectionCommands() {
        return {MoveButton(Manager(), true)->IsEnabled(), MoveButton(Manager(), false)->IsEnabled(),
                Button("ID_EDITBUTTON")->IsEnabled(), Button("ID_DELETEBUTTON")->IsEnabled(),
                MenuItem(Manager(), "&Edit...")->IsEnabled(), MenuItem(Manager(), "&Delete")->IsEnabled(),
                MenuItem(Manager(), "E&xport Profile...")->IsEnabled()};
    }

    TestTree m_program, m_work;
};

class RecordingRunner : public CommandRunner {
public:
    std::vector<wxArrayString> launched;
    int Run(const std::vector<std::string>&) override { return 0; }
    bool Launch(const wxArrayString& argv) override {
        launched.push_back(argv);
        return true;
    }
};

}  // namespace

TEST_F(ManagerWindowTest, StartsHiddenAndEmptyWithTheSelectionCommandsOff) {
    ProfileManagerDlg* manager = Manager();
    EXPECT_FALSE(manager->IsShown());
    EXPECT_EQ(manager->GetTitle(), "Network Profile Manager");
    EXPECT_EQ(manager->GetClientSize(), wxSize(500, 380));
    EXPECT_FALSE(manager->HasFlag(wxRESIZE_BORDER) || manager->HasFlag(wxMAXIMIZE_BOX));
    EXPECT_EQ(List()->GetItemCount(), 0);
    EXPECT_EQ(SelectionCommands(), std::vector<bool>(7, false));
    for (const char* on : {"&Import Profile...", "&New...", "&Exit", "Help &Contents  \tF1"})
        EXPECT_TRUE(MenuItem(manager, on)->IsEnabled()) << on;
    EXPECT_TRUE(Button("ID_NEWBUTTON")->IsEnabled());
    EXPECT_FALSE(Named<wxCheckBox>(manager, "ID_SELECTCHECKBOX")->GetValue());

    EXPECT_FALSE(manager->Destroy());
    EXPECT_FALSE(manager->IsBeingDeleted());
    EXPECT_FALSE(manager->IsShown());
}

TEST_F(ManagerWindowTest, LoadGreysOthersRowsAndSelectionFollowsTheRules) {
    PlaceFourProfiles();
    Manager()->ShowManager();
    EXPECT_TRUE(Manager()->IsShown());
    EXPECT_EQ(Names(Manager()), (std::vector<std::string>{"A1", "U1", "U2", "Guest"}));
    const bool enabled[] = {false, true, true, false};
    const bool checked[] = {true, true, false, true};
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(List()->IsItemEnabled(row), enabled[row]) << row;
        EXPECT_EQ(List()->IsChecked(row), checked[row]) << row;
        EXPECT_EQ(List()->GetItemText(row, 1), wxString::Format("%d", row + 1));
    }
    EXPECT_EQ(List()->GetItemTextColour(0), wxColour(220, 220, 220));
    EXPECT_EQ(List()->GetItemBackgroundColour(3), *wxWHITE);
    EXPECT_FALSE(Named<wxCheckBox>(Manager(), "ID_SELECTCHECKBOX")->GetValue());

    Select(0);
    EXPECT_EQ(SelectionCommands(), std::vector<bool>(7, false));
    // Double clicks on the rows the user may not edit open nothing.
    for (int row : {0, 3}) {
        Select(row);
        wxListEvent activated(wxEVT_LIST_ITEM_ACTIVATED, List()->GetId());
        activated.m_itemIndex = row;
        List()->GetEventHandler()->ProcessEvent(activated);
    }
    Select(1);
    EXPECT_EQ(SelectionCommands(), (std::vector<bool>{false, true, true, true, true, true, true}));
    Select(2);
    EXPECT_EQ(SelectionCommands(), (std::vector<bool>{true, false, true, true, true, true, true}));

    // Show All ticks the user's rows, never the administrator's or Guest's.
    Tick(Named<wxCheckBox>(Manager(), "ID_SELECTCHECKBOX"), false);
    EXPECT_TRUE(List()->IsChecked(0));
    EXPECT_FALSE(List()->IsChecked(1));
    EXPECT_TRUE(List()->IsChecked(3));

    // Moving U2 up: it leaves the greyed rows as they are and keeps its box.
    Select(2);
    Click(MoveButton(Manager(), true));
    EXPECT_EQ(Names(Manager()), (std::vector<std::string>{"A1", "U2", "U1", "Guest"}));
    EXPECT_EQ(SelectionCommands(), (std::vector<bool>{false, true, true, true, true, true, true}));
    EXPECT_TRUE(List()->IsItemEnabled(1));
}

TEST_F(ManagerWindowTest, DeleteAndCancelAskBeforeAnyFileChanges) {
    PlaceFourProfiles();
    Manager()->Show(true);
    Select(1);
    ExpectQuestion("Are you sure you want to delete this profile?", wxID_NO);
    Click(Button("ID_DELETEBUTTON"));
    EXPECT_EQ(Names(Manager()).size(), 4u);

    ExpectQuestion("Are you sure you want to delete this profile?", wxID_YES);
    Click(Button("ID_DELETEBUTTON"));
    EXPECT_EQ(Names(Manager()), (std::vector<std::string>{"A1", "U2", "Guest"}));
    EXPECT_EQ(SelectionCommands(), std::vector<bool>(7, false));
    EXPECT_TRUE(Stored(hub.store->UserDir(), "U1"));

    // Cancel, No: the files stay; the next opening lists them again.
    ExpectQuestion("One or more profiles may be changed.", wxID_NO);
    Click(Button("ID_CANCLEBUTTON"));
    EXPECT_FALSE(Manager()->IsShown());
    EXPECT_TRUE(Stored(hub.store->UserDir(), "U1"));
    Manager()->Show(true);
    EXPECT_EQ(Names(Manager()).size(), 4u);

    // Cancel with nothing changed asks nothing; Delete then Cancel, Yes saves.
    Click(Button("ID_CANCLEBUTTON"));
    Manager()->Show(true);
    Select(1);
    ExpectQuestion("Are you sure you want to delete this profile?", wxID_YES);
    Click(Button("ID_DELETEBUTTON"));
    ExpectQuestion("One or more profiles may be changed.", wxID_YES);
    Click(Button("ID_CANCLEBUTTON"));
    EXPECT_FALSE(Stored(hub.store->UserDir(), "U1"));
    EXPECT_EQ(ReadBack(hub.store->UserDir(), "U2").priority, "10001");
    EXPECT_TRUE(Stored(hub.store->AdminDir(), "A1"));
}

TEST_F(ManagerWindowTest, OkWritesTheBoxesAndAFailedLoadWritesNothing) {
    PlaceFourProfiles();
    Manager()->Show(true);
    List()->Check(2, true);  // U2's box, never selected
    Click(Button("ID_OKBUTTON"));
    EXPECT_FALSE(Manager()->IsShown());
    EXPECT_EQ(ReadBack(hub.store->UserDir(), "U2").show, "1");
    EXPECT_EQ(List()->GetItemCount(), 0);

    // A guest folder that cannot be listed fails the load: OK must not save
    // the empty list over the user's files.
    TestTree::RemoveAll(hub.store->GuestDir());
    TestTree::WriteFile(hub.store->GuestDir(), "not a folder");
    Manager()->Show(true);
    EXPECT_EQ(List()->GetItemCount(), 0);
    Click(Button("ID_OKBUTTON"));
    EXPECT_TRUE(Stored(hub.store->UserDir(), "U1"));
    EXPECT_TRUE(Stored(hub.store->UserDir(), "U2"));
}

TEST_F(ManagerWindowTest, AReloadDuringAQuestionOrDialogCancelsTheCommand) {
    PlaceFourProfiles();
    TestTree files;
    Place(files.Path(), Profile("U2"));
    ProfileManagerDlg::SetChoosers([&](wxWindow*) { return wxString::FromUTF8((files / "U2.profile").c_str()); },
                                   nullptr);
    const auto menu = [this](const char* label) {
        wxCommandEvent e(wxEVT_MENU, MenuItem(Manager(), label)->GetId());
        Manager()->GetEventHandler()->ProcessEvent(e);
    };
    struct Case {
        const char* dialog;
        int answer;
        std::function<void()> command;
    } cases[] = {
        {"delete this profile", wxID_YES, [&] { Click(Button("ID_DELETEBUTTON")); }},
        {"Edit Network Profile", wxID_OK, [&] { Click(Button("ID_EDITBUTTON")); }},
        {"This profile already exists.", wxID_YES, [&] { menu("&Import Profile..."); }},
    };
    Manager()->Show(true);
    for (const Case& c : cases) {
        // U2 is selected; the reload puts U1 in its row.
        Select(2);
        Place(hub.store->UserDir(), Profile("U0", "user", "0"));
        ExpectQuestion(c.dialog, c.answer, [this] { Manager()->RefreshProfile(); });
        c.command();
        EXPECT_EQ(Names(Manager()), (std::vector<std::string>{"A1", "U0", "U1", "U2", "Guest"})) << c.dialog;
        EXPECT_FALSE(Manager()->GetModel().IsModified()) << c.dialog;
        ASSERT_EQ(unlink(ProfileFile::PathFor(hub.store->UserDir(), "U0").c_str()), 0);
        Manager()->RefreshProfile();
    }
}

TEST_F(ManagerWindowTest, StoredProfilesJoinTheListShownOrHidden) {
    PlaceFourProfiles();
    Manager()->Show(true);
    Manager()->Destroy();  // hides
    // Stored by the scan window while hidden: the next showing reads it.
    Place(hub.store->UserDir(), Profile("FromScan", "user", "3"));
    Manager()->AddProfile(Profile("FromScan", "user", "3"));
    Manager()->Show(true);
    EXPECT_EQ(Names(Manager()), (std::vector<std::string>{"A1", "U1", "U2", "FromScan", "Guest"}));

    // While shown, a stored profile is added as the last row.
    Manager()->AddProfile(Profile("Later"));
    EXPECT_EQ(Names(Manager()).back(), "Later");
    // Moved onto the Guest row, the entry's row can be ticked; Guest's not.
    Select(5);
    Click(MoveButton(Manager(), true));
    EXPECT_EQ(Names(Manager())[4], "Later");
    EXPECT_TRUE(List()->IsItemEnabled(4));
    EXPECT_FALSE(List()->IsItemEnabled(5));
    Manager()->RefreshProfile();
    // Closing at once asks nothing: the profile is already stored.
    Click(Button("ID_CANCLEBUTTON"));
    EXPECT_TRUE(ModalDialogAnswerer::Get().Seen().empty());
}

TEST_F(ManagerWindowTest, ImportTakesAGoodFileAndRefusesAHostileOne) {
    PlaceFourProfiles();
    TestTree files;
    Place(files.Path(), Profile("Office"));
    std::string nested = "<profile>", nine = "<profile>";
    for (int i = 0; i < 50000; ++i)
        nested += "<a>";
    for (int i = 0; i < 8; ++i)
        nine += "<a>";
    for (int i = 0; i < 8; ++i)
        nine += "</a>";
    nine += "</profile>";
    TestTree::WriteFile(files / "Deep.profile", nested);
    TestTree::WriteFile(files / "Nine.profile", nine);
    TestTree::WriteFile(files / "Big.profile", std::string(1024 * 1024 + 1, ' '));
    TestTree::WriteFile(files / "Latin1.profile", "<profile><SSID>Caf\xE9</SSID></profile>");
    TestTree::WriteFile(files / "Policy.profile", "<Policy/>");
    Place(files.Path(), Profile("x"));
    ASSERT_EQ(rename((files / "x.profile").c_str(), (files / "...profile").c_str()), 0);
    std::string chosen;
    ProfileManagerDlg::SetChoosers([&](wxWindow*) { return wxString::FromUTF8(chosen.c_str()); }, nullptr);
    Manager()->Show(true);

    // The first line says what failed, the second why.
    const std::pair<const char*, const char*> refused[] = {
        {"Deep.profile", "The file holds too many elements to be a profile."},
        {"Nine.profile", "The file's elements are nested too deep for a profile."},
        {"Big.profile", "The file is too large to be a profile."},
        {"Latin1.profile", "The file is not UTF-8 text."},
        {"Policy.profile", "The file is not a profile."},
        {"Gone.profile", "The file cannot be opened."},
        {"...profile", "The file's name cannot be the name of a profile."},
    };
    for (const auto& [bad, why] : refused) {
        chosen = files / bad;
        ExpectQuestion(wxString("Failed to read profile.\n") + why, wxID_OK);
        wxCommandEvent import(wxEVT_MENU, MenuItem(Manager(), "&Import Profile...")->GetId());
        Manager()->GetEventHandler()->ProcessEvent(import);
        EXPECT_EQ(Names(Manager()).size(), 4u) << bad;
    }
    chosen = files / "Office.profile";
    wxCommandEvent import(wxEVT_MENU, MenuItem(Manager(), "&Import Profile...")->GetId());
    Manager()->GetEventHandler()->ProcessEvent(import);
    EXPECT_EQ(Names(Manager()), (std::vector<std::string>{"A1", "U1", "U2", "Office", "Guest"}));
    EXPECT_TRUE(Manager()->GetModel().IsModified());
    EXPECT_FALSE(Stored(hub.store->UserDir(), "Office"));

    // The same name again asks first; No changes nothing.
    ExpectQuestion("This profile already exists.", wxID_NO);
    Manager()->GetEventHandler()->ProcessEvent(import);
    EXPECT_EQ(Names(Manager()).size(), 5u);
}

TEST_F(ManagerWindowTest, ExportAsksBeforeItReplacesAFile) {
    PlaceFourProfiles();
    TestTree target;
    ProfileManagerDlg::SetChoosers(nullptr, [&](wxWindow*) { return wxString::FromUTF8(target.Path().c_str()); });
    Manager()->Show(true);
    const int exportId = MenuItem(Manager(), "E&xport Profile...")->GetId();
    const auto exportSelected = [&] {
        wxCommandEvent e(wxEVT_MENU, exportId);
        Manager()->GetEventHandler()->ProcessEvent(e);
    };

    Select(1);
    exportSelected();
    EXPECT_EQ(ReadBack(target.Path(), "U1"), ReadBack(hub.store->UserDir(), "U1"));
    EXPECT_EQ(SelectionCommands(), std::vector<bool>(7, false));

    TestTree::WriteFile(target / "U1.profile", "kept");
    Select(1);
    ExpectQuestion("This profile already exists.", wxID_NO);
    exportSelected();
    EXPECT_EQ(TestTree::ReadFile(target / "U1.profile"), "kept");
    Select(1);
    ExpectQuestion("This profile already exists.", wxID_YES);
    exportSelected();
    EXPECT_EQ(ReadBack(target.Path(), "U1").name, "U1");

    // The administrator's entry is not the user's to export.
    Select(0);
    exportSelected();
    EXPECT_FALSE(TestTree::Exists(target / "A1.profile"));
}

TEST_F(ManagerWindowTest, ExportWritesWhatTheRowShowsAndNeverIntoTheProfileFolders) {
    PlaceFourProfiles();
    TestTree files, target;
    Place(files.Path(), Profile("Office"));
    std::string folder = target.Path();
    ProfileManagerDlg::SetChoosers([&](wxWindow*) { return wxString::FromUTF8((files / "Office.profile").c_str()); },
                                   [&](wxWindow*) { return wxString::FromUTF8(folder.c_str()); });
    Manager()->Show(true);
    const auto menu = [this](const char* label) {
        wxCommandEvent e(wxEVT_MENU, MenuItem(Manager(), label)->GetId());
        Manager()->GetEventHandler()->ProcessEvent(e);
    };
    // Imported, not stored yet: it goes out as listed.
    menu("&Import Profile...");
    Select(3);
    menu("E&xport Profile...");
    EXPECT_EQ(ReadBack(target.Path(), "Office"), ReadBack(files.Path(), "Office"));

    // U1 unticked and not saved: the store's folders are refused.
    List()->Check(1, false);
    Select(1);
    for (const std::string& store : {hub.store->UserDir(), hub.store->AdminDir(), hub.store->GuestDir()}) {
        folder = store;
        ExpectQuestion("Please select another folder.", wxID_OK);
        menu("E&xport Profile...");
    }
    EXPECT_EQ(ReadBack(hub.store->UserDir(), "U1").show, "1");
    EXPECT_FALSE(Stored(hub.store->AdminDir(), "U1"));
}

TEST_F(ManagerWindowTest, HelpStartsTheViewerOnlyWhenTheManualIsThere) {
    RecordingRunner runner;
    CommandRunner::Install(&runner);
    const int help = MenuItem(Manager(), "Help &Contents  \tF1")->GetId();
    wxCommandEvent e(wxEVT_MENU, help);
    Manager()->GetEventHandler()->ProcessEvent(e);
    EXPECT_TRUE(runner.launched.empty());
    const std::string manual =
        SystemPaths::Fixed("/usr/share/doc/tidewave/Korvane_VRDA2.0_Tidewave_User_Manual_Ubuntu.pdf.gz");
    TestTree::MakeDirs(manual.substr(0, manual.rfind('/')));
    TestTree::WriteFile(manual, "manual");
    Manager()->GetEventHandler()->ProcessEvent(e);
    CommandRunner::Install(nullptr);
    ASSERT_EQ(runner.launched.size(), 1u);
    EXPECT_EQ(runner.launched[0][2], "--page-label=33");
}

TEST_F(ManagerWindowTest, ASettingsImportWhileShownBringsTheNewProfileIn) {
    PlaceFourProfiles();
    Manager()->Show(true);
    SettingsArchive(Profile("Classroom", "admin", "9"));
    SettingsRepublisher::Hooks hooks;
    hooks.refreshProfileManager = [this] {
        Manager()->RefreshProfile();
        return true;
    };
    SettingsRepublisher(hooks).Republish();
    EXPECT_EQ(Names(Manager()), (std::vector<std::string>{"A1", "Classroom", "U1", "U2", "Guest"}));
    EXPECT_FALSE(List()->IsItemEnabled(1));
}

TEST_F(ManagerWindowTest, AnImportWhileHiddenIsShownOnOpeningAndKeptByOk) {
    TWMUtil::OverrideUserIdForTesting("root");
    Place(hub.store->AdminDir(), Profile("A1", "admin", "1"));
    Place(hub.store->GuestDir(), Profile("Guest", "user", "1"));
    // A classroom push refreshes the hidden manager; then the administrator
    // imports school settings from the main window, which reloads the store.
    Manager()->RefreshProfile();
    SchoolSettingImporter importer;
    ASSERT_TRUE(importer.Import(wxString::FromUTF8(SettingsArchive(Profile("Classroom", "admin", "9")).c_str()),
                                nullptr));
    std::vector<ProfileList_t> list;
    ASSERT_TRUE(hub.store->GetProfileList(list, true, true));

    Manager()->ShowManager();
    EXPECT_EQ(Names(Manager()), (std::vector<std::string>{"A1", "Classroom", "Guest"}));
    Click(Button("ID_OKBUTTON"));
    EXPECT_TRUE(Stored(hub.store->AdminDir(), "Classroom"));
}

TEST_F(ManagerWindowTest, OkRemovesOnlyProfilesTheListWasLoadedWith) {
    PlaceFourProfiles();
    Manager()->Show(true);
    // Stored meanwhile and read by the store (as the tray's menu reads it).
    ASSERT_TRUE(hub.store->SaveProfile(Profile("Late", "user", "5")));
    std::vector<ProfileList_t> list;
    ASSERT_TRUE(hub.store->GetProfileList(list, false, true));

    Select(1);
    ExpectQuestion("Are you sure you want to delete this profile?", wxID_YES);
    Click(Button("ID_DELETEBUTTON"));
    Click(Button("ID_OKBUTTON"));
    EXPECT_FALSE(Stored(hub.store->UserDir(), "U1"));
    EXPECT_TRUE(Stored(hub.store->UserDir(), "U2"));
    EXPECT_TRUE(Stored(hub.store->UserDir(), "Late"));
}

TEST_F(ManagerWindowTest, LongNamesAreCutInTheMiddleAndShownWholeUnderThePointer) {
    // The longest names the editor takes: two apart only at their end, one
    // of two-byte characters.
    const std::string apart = std::string(LongValues::kProfileName).substr(1) + "2";
    const std::vector<std::string> names = {"U1", LongValues::kProfileName, apart, LongValues::kProfileNameTwoByte};
    for (size_t i = 0; i < names.size(); ++i)
        Place(hub.store->UserDir(), Profile(names[i], "user", std::to_string(i + 1)));
    Manager()->ShowManager();
    RunEventLoopFor(200);
    EXPECT_EQ(LayoutWalker::Check(Manager()), std::vector<std::string>());

    std::set<wxString> cells;
    for (int row = 0; row < 4; ++row) {
        const wxString whole = wxString::FromUTF8(names[row].c_str());
        const wxString cell = List()->GetItemText(row, 2);
        cells.insert(cell);
        if (row == 0) {
            EXPECT_EQ(cell, whole);
            continue;
        }
        const wxString start = cell.BeforeFirst(wxUniChar(0x2026)), end = cell.AfterFirst(wxUniChar(0x2026));
        EXPECT_TRUE(!start.empty() && !end.empty() && whole.StartsWith(start) && whole.EndsWith(end))
            << cell.utf8_str();
    }
    EXPECT_EQ(cells.size(), 4u);

    // The pointer on a cut name shows it whole; on a whole one, no tip.
    for (int row : {1, 2, 3, 0}) {
        const wxString tip = row == 0 ? wxString() : wxString::FromUTF8(names[row].c_str());
        wxRect cell;
        ASSERT_TRUE(List()->GetSubItemRect(row, 2, cell));
        const wxPoint onName = cell.GetPosition() + wxPoint(60, cell.height / 2);
        EXPECT_EQ(TipAt(List(), onName, tip).utf8_string(), tip.utf8_string()) << row;
    }

    // The name column's border, at the list's right edge, taken by its last
    // pixel and dragged 60 pixels to the left: the names are cut again to
    // the narrower column.
    wxRect first;
    ASSERT_TRUE(List()->GetSubItemRect(0, 2, first));
    const int dragged = first.width - 1 - 60;
    const wxPoint border = List()->ClientToScreen(wxPoint(first.GetRight(), first.y / 2));
    wxUIActionSimulator pointer;
    pointer.MouseMove(border);
    RunEventLoopFor(100);
    pointer.MouseDown();
    for (int step = 1; step <= 6; ++step) {
        pointer.MouseMove(border - wxPoint(10 * step, 0));
        RunEventLoopFor(30);
    }
    pointer.MouseUp();
    EXPECT_TRUE(RunEventLoopUntil([&] { return List()->GetColumnWidth(2) == dragged; }));
    RunEventLoopUntil([&] { return LayoutWalker::Check(Manager()).empty(); }, 2000);
    EXPECT_EQ(LayoutWalker::Check(Manager()), std::vector<std::string>());
}

TEST_F(ManagerWindowTest, EveryRowShowsItsNameAsAMeasureOfTheWholeNameCutsIt) {
    // Every length of the longest names, of the widest letter and of two-byte
    // characters: the short ones fit without a measure, the long ones are
    // cut, and each row shows what a measure of its whole name gives.
    const std::string wide = LongValues::kProfileName;
    const wxString twoByte = wxString::FromUTF8(LongValues::kProfileNameTwoByte);
    std::vector<std::string> names;
    for (size_t length = 1; length <= wide.size(); ++length) {
        names.push_back(wide.substr(0, length));
        names.push_back(twoByte.Left(length).utf8_string());
    }
    for (size_t i = 0; i < names.size(); ++i)
        Place(hub.store->UserDir(), Profile(names[i], "user", std::to_string(i + 1)));
    Manager()->ShowManager();
    RunEventLoopFor(200);

    int iconWidth = 0, iconHeight = 0;
    List()->GetImageList(wxIMAGE_LIST_SMALL)->GetSize(ProfileListImages::FIRST_ICON, iconWidth, iconHeight);
    const int width = List()->GetColumnWidth(2) - 8 - iconWidth - 5;
    AsciiWidthBound bound([this](const std::string& s) { return List()->GetTextExtent(wxString::FromUTF8(s)).x; });
    int lastUnmeasured = -1, lastCut = -1;
    ASSERT_EQ(List()->GetItemCount(), static_cast<int>(names.size()));
    for (int row = 0; row < List()->GetItemCount(); ++row) {
        const wxString whole = wxString::FromUTF8(names[static_cast<size_t>(row)]);
        const wxString measured = MeasuredNameCell(List(), whole);
        EXPECT_EQ(List()->GetItemText(row, 2).utf8_string(), measured.utf8_string()) << row;
        if (bound.SurelyFits(names[static_cast<size_t>(row)], width))
            lastUnmeasured = row;
        if (measured != whole)
            lastCut = row;
    }

    // The longest name shown without a measure has no tooltip, the longest
    // name cut shows whole under the pointer.
    ASSERT_GT(lastUnmeasured, 0);
    ASSERT_GT(lastCut, lastUnmeasured);
    for (int row : {lastCut, lastUnmeasured}) {
        const wxString tip = row == lastCut ? wxString::FromUTF8(names[static_cast<size_t>(row)]) : wxString();
        List()->EnsureVisible(row);
        RunEventLoopFor(100);
        wxRect cell;
        ASSERT_TRUE(List()->GetSubItemRect(row, 2, cell));
        EXPECT_EQ(TipAt(List(), cell.GetPosition() + wxPoint(60, cell.height / 2), tip).utf8_string(),
                  tip.utf8_string())
            << row;
    }
}
