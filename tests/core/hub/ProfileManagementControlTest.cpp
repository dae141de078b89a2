#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>

#include <gtest/gtest.h>
#include <wx/app.h>

#include "ApStatusUtil.h"
#include "NetworkTypes.h"
#include "ProfileEvent.h"
#include "ProfileFile.h"
#include "ProfileManagementControl.h"
#include "ProfileTestSupport.h"
#include "TWMUtil.h"
#include "TestEnvironment.h"
#include "TestTree.h"

namespace {

// Stands in for a window that receives the store's events.
class EventSink : public wxEvtHandler {
public:
    EventSink() { Bind(wxEVT_TW_PROFILE, &EventSink::OnProfile, this); }
    std::vector<std::pair<int, int>> Received() {
        // Through the application object: a handler's own call on an empty
        // queue would leave that queue's lock taken.
        wxAppConsole::GetInstance()->ProcessPendingEvents();
        return m_received;
    }

private:
    void OnProfile(ProfileEvent& e) { m_received.emplace_back(e.GetId(), e.GetCode()); }
    std::vector<std::pair<int, int>> m_received;
};

std::vector<std::pair<int, int>> SavedOnce() { return {{ID_PROFILE_LIST_CHANGED, PROFILE_SAVED}}; }

mode_t ModeOf(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

std::vector<std::string> NamesOf(const std::vector<ProfileList_t>& list) {
    std::vector<std::string> names;
    for (const ProfileList_t& p : list)
        names.push_back(p.name);
    return names;
}

class ProfileStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestEnvironment::ResetFolders();
        BecomePupil();
        store = std::make_unique<ProfileManagementControl>();
        store->SetEventTargets(&mainWindow, &profileManager, &tray);
    }
    void TearDown() override { TWMUtil::OverrideUserIdForTesting(wxString()); }

    static void BecomePupil() { TWMUtil::OverrideUserIdForTesting("pupil"); }
    static void BecomeRoot() { TWMUtil::OverrideUserIdForTesting("root"); }

    // Puts a profile file straight into a folder, as an import or an older
    // version would have left it.
    static void Place(const std::string& folder, const ProfileList_t& p) {
        TestTree::MakeDirs(folder);
        ASSERT_TRUE(ProfileFile::Write(p, folder, 0644, true));
    }
    static bool Stored(const std::string& folder, const std::string& name) {
        return TestTree::Exists(ProfileFile::PathFor(folder, name));
    }
    static ProfileList_t ReadBack(const std::string& folder, const std::string& name) {
        ProfileList_t p;
        EXPECT_TRUE(ProfileFile::Read(ProfileFile::PathFor(folder, name), p)) << name;
        return p;
    }

    // Loads the lists as a window would; the lines told on standard error
    // of skipped files, without the rest a build may write there (a Debug
    // build's log lines).
    std::string LoadTellingSkipped(const std::vector<std::string>& listed) {
        testing::internal::CaptureStderr();
        std::vector<ProfileList_t> list;
        EXPECT_TRUE(store->GetProfileList(list, false, true));
        EXPECT_EQ(NamesOf(list), listed);
        std::istringstream err(testing::internal::GetCapturedStderr());
        std::string told;
        for (std::string line; std::getline(err, line);)
            if (line.rfind("Tidewave: ", 0) == 0)
                told += line + "\n";
        return told;
    }

    // The list as the profile manager would hold it.
    std::vector<ProfileList_t> ManagerList() {
        std::vector<ProfileList_t> list;
        EXPECT_TRUE(store->GetProfileList(list, TWMUtil::IsAdmin(), true));
        return list;
    }

    EventSink mainWindow, profileManager, tray;
    std::unique_ptr<ProfileManagementControl> store;
};

}  // namespace

TEST_F(ProfileStoreTest, ListHoldsAdminThenUserThenGuestEachByPriority) {
    Place(store->AdminDir(), MakeFullProfile("A2", "admin", "2"));
    Place(store->AdminDir(), MakeFullProfile("A1", "admin", "1"));
    Place(store->UserDir(), MakeFullProfile("U9", "user", "9"));
    Place(store->UserDir(), MakeFullProfile("U0", "user", "0"));
    Place(store->GuestDir(), MakeFullProfile("Guest", "user", "1"));

    std::vector<ProfileList_t> list;
    EXPECT_TRUE(store->GetProfileList(list, false, false));
    EXPECT_TRUE(list.empty());  // nothing loaded yet

    ASSERT_TRUE(store->GetProfileList(list, false, true));
    EXPECT_EQ(NamesOf(list), (std::vector<std::string>{"A1", "A2", "U0", "U9", "Guest"}));
    EXPECT_EQ(store->GetAdminProfileCount(), 2);
    EXPECT_EQ(list[0], ReadBack(store->AdminDir(), "A1"));

    // The administrator has no user profiles.
    ASSERT_TRUE(store->GetProfileList(list, true, true));
    EXPECT_EQ(NamesOf(list), (std::vector<std::string>{"A1", "A2", "Guest"}));
}

TEST_F(ProfileStoreTest, MissingFoldersAndCorruptFilesDoNotStopTheLoad) {
    std::vector<ProfileList_t> list{MakeFullProfile("stale")};
    ASSERT_TRUE(store->GetProfileList(list, false, true));
    EXPECT_TRUE(list.empty());

    Place(store->UserDir(), MakeFullProfile("Good1", "user", "1"));
    Place(store->UserDir(), MakeFullProfile("Good2", "user", "2"));
    TestTree::WriteFile(store->UserDir() + "/Broken.profile", "<profile><SSID>");
    ASSERT_TRUE(store->GetProfileList(list, false, true));
    EXPECT_EQ(NamesOf(list), (std::vector<std::string>{"Good1", "Good2"}));
    // Saving that list leaves the file alone: it was never listed.
    ASSERT_TRUE(store->SaveAllProfiles(list, nullptr));
    EXPECT_TRUE(TestTree::Exists(store->UserDir() + "/Broken.profile"));
}

TEST_F(ProfileStoreTest, ASkippedProfileFileIsToldOnceWithItsReason) {
    const std::string xml = ProfileFile::ToXml(MakeFullProfile("x"));
    const std::string randomBytes("\x9c\xff\x00\x13\xe2\x82<profile>\x80\x07", 14);
    struct Case {
        std::string folder;
        std::string content;
        const char* reason;
    };
    const std::vector<Case> cases = {
        {store->AdminDir(), randomBytes, "not UTF-8 text"},
        {store->UserDir(), xml.substr(0, xml.size() / 2), "not well-formed"},
        {store->GuestDir(), xml.substr(0, xml.rfind("</profile>")), "not well-formed"},
    };
    std::string expected;
    for (const Case& c : cases) {
        Place(c.folder, MakeFullProfile("Good", "user", "1"));
        TestTree::WriteFile(c.folder + "/Broken.profile", c.content);
        expected += "Tidewave: " + c.folder + "/Broken.profile ignored (" + c.reason + ")\n";
    }
    const auto load = [&] { return LoadTellingSkipped({"Good", "Good", "Good"}); };
    EXPECT_EQ(load(), expected);
    // The lists are loaded at every showing of a window or the tray menu.
    EXPECT_EQ(load(), "");
    // Changed and still refused: told again.
    TestTree::WriteFile(store->UserDir() + "/Broken.profile", randomBytes + randomBytes);
    EXPECT_EQ(load(), "Tidewave: " + store->UserDir() + "/Broken.profile ignored (not UTF-8 text)\n");
}

TEST_F(ProfileStoreTest, AFileChangedAndRefusedForTheSameReasonIsToldAgain) {
    const std::string path = store->UserDir() + "/Broken.profile";
    const std::string told = "Tidewave: " + path + " ignored (not UTF-8 text)\n";
    const auto bytes = [](char first, size_t length) {
        return std::string(1, first) + std::string(length - 1, '\xff');
    };
    const auto statOf = [&] {
        struct stat st {};
        EXPECT_EQ(stat(path.c_str(), &st), 0);
        return st;
    };
    TestTree::MakeDirs(store->UserDir());
    TestTree::WriteFile(path, bytes('a', 40));
    ASSERT_EQ(LoadTellingSkipped({}), told);
    // Each change keeps the reason; a change within the clock's tick shows
    // in the size or the file, or in the times the writer left.
    struct Case {
        const char* what;
        std::function<void()> change;
    };
    const Case cases[] = {
        {"rewritten longer", [&] { TestTree::WriteFile(path, bytes('b', 80)); }},
        {"replaced by a file of the same length",
         [&] {
             TestTree::WriteFile(path + ".new", bytes('c', 80));
             ASSERT_EQ(rename((path + ".new").c_str(), path.c_str()), 0);
         }},
        {"rewritten in place at the same length",
         [&] {
             const struct stat before = statOf();
             TestTree::WriteFile(path, bytes('d', 80));
             struct timespec times[2] = {before.st_atim, before.st_mtim};
             times[1].tv_nsec = (times[1].tv_nsec + 1) % 1000000000;
             ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
         }},
    };
    for (const Case& c : cases) {
        c.change();
        EXPECT_EQ(LoadTellingSkipped({}), told) << c.what;
        EXPECT_EQ(LoadTellingSkipped({}), "") << c.what << ", and then unchanged";
    }
}

TEST_F(ProfileStoreTest, UnlistableFolderFailsTheLoadAndKeepsTheLists) {
    Place(store->AdminDir(), MakeFullProfile("A1", "admin", "1"));
    std::vector<ProfileList_t> list;
    ASSERT_TRUE(store->GetProfileList(list, false, true));

    TestTree::WriteFile(store->UserDir(), "not a folder");
    std::vector<ProfileList_t> untouched{MakeFullProfile("caller's")};
    int count = -7;
    EXPECT_FALSE(store->GetProfileList(untouched, false, true, &count));
    EXPECT_EQ(count, -7);
    ASSERT_EQ(untouched.size(), 1u);
    EXPECT_EQ(untouched[0].name, "caller's");
    EXPECT_EQ(store->GetAdminProfileCount(), 1);
    ASSERT_TRUE(store->GetProfileList(untouched, false, false, &count));
    EXPECT_EQ(NamesOf(untouched), std::vector<std::string>{"A1"});
    EXPECT_EQ(count, 1);
}

TEST_F(ProfileStoreTest, WriteProfileToNeedsAnExistingFolderAndPostsNothing) {
    const ProfileList_t p = MakeFullProfile("Copy");
    EXPECT_FALSE(store->WriteProfileTo(p, wxString::FromUTF8(store->UserDir().c_str())));
    TestTree::MakeDirs(store->UserDir(), 0700);
    TestTree::MakeDirs(store->AdminDir());
    ASSERT_TRUE(store->WriteProfileTo(p, wxString::FromUTF8(store->UserDir().c_str())));
    ASSERT_TRUE(store->WriteProfileTo(p, wxString::FromUTF8((store->AdminDir() + "/").c_str())));
    EXPECT_EQ(ReadBack(store->UserDir(), "Copy"), p);
    EXPECT_EQ(ModeOf(ProfileFile::PathFor(store->UserDir(), "Copy")), 0600u);
    EXPECT_EQ(ModeOf(ProfileFile::PathFor(store->AdminDir(), "Copy")), 0644u);
    EXPECT_FALSE(store->WriteProfileTo(MakeFullProfile("../Escape"),
                                       wxString::FromUTF8(store->UserDir().c_str())));
    EXPECT_FALSE(TestTree::Exists(TestEnvironment::Home() + "/Escape.profile"));
    EXPECT_TRUE(mainWindow.Received().empty());
}

TEST_F(ProfileStoreTest, WriteProfileToWithoutReplacingLeavesAnExistingFile) {
    TestTree::MakeDirs(store->UserDir(), 0700);
    const wxString folder = wxString::FromUTF8(store->UserDir().c_str());
    ASSERT_TRUE(store->WriteProfileTo(MakeFullProfile("Office"), folder, false));
    const std::string before = TestTree::ReadFile(ProfileFile::PathFor(store->UserDir(), "Office"));
    ProfileList_t changed = MakeFullProfile("Office");
    changed.WirelessSet.SSID = "elsewhere";
    EXPECT_FALSE(store->WriteProfileTo(changed, folder, false));
    EXPECT_EQ(TestTree::ReadFile(ProfileFile::PathFor(store->UserDir(), "Office")), before);
    EXPECT_TRUE(store->WriteProfileTo(changed, folder, true));
    EXPECT_EQ(ReadBack(store->UserDir(), "Office"), changed);
}

TEST_F(ProfileStoreTest, SaveProfileCreatesAPrivateUserFolderAndTellsTheWindows) {
    const ProfileList_t p = MakeFullProfile("Cafe", "user", "4");
    ASSERT_TRUE(store->SaveProfile(p));
    EXPECT_EQ(ModeOf(store->UserDir()), 0700u);
    EXPECT_EQ(ModeOf(ProfileFile::PathFor(store->UserDir(), "Cafe")), 0600u);
    EXPECT_EQ(ReadBack(store->UserDir(), "Cafe"), p);
    EXPECT_EQ(mainWindow.Received(), SavedOnce());
    EXPECT_EQ(profileManager.Received(), SavedOnce());
    EXPECT_TRUE(tray.Received().empty());
}

TEST_F(ProfileStoreTest, SaveProfileNeverReplacesAnExistingProfile) {
    const ProfileList_t first = MakeFullProfile("SSID_0");
    ASSERT_TRUE(store->SaveProfile(first));
    mainWindow.Received();
    ProfileList_t second = MakeFullProfile("SSID_0");
    second.WirelessSet.WPAKey = "different";
    EXPECT_FALSE(store->SaveProfile(second));
    EXPECT_EQ(ReadBack(store->UserDir(), "SSID_0"), first);
    EXPECT_EQ(mainWindow.Received().size(), 1u);  // only the first save was announced

    EXPECT_FALSE(store->SaveProfile(MakeFullProfile("../../etc/Lanternfield/x")));
    EXPECT_FALSE(store->SaveProfile(MakeFullProfile(std::string(300, 'n'))));
}

TEST_F(ProfileStoreTest, AdministratorSavesReadableFilesInTheAdminFolder) {
    BecomeRoot();
    const ProfileList_t p = MakeFullProfile("Lehrer", "admin", "1");
    ASSERT_TRUE(store->SaveProfile(p));
    EXPECT_EQ(ModeOf(store->AdminDir()), 0755u);
    EXPECT_EQ(ModeOf(ProfileFile::PathFor(store->AdminDir(), "Lehrer")), 0644u);
    EXPECT_FALSE(TestTree::Exists(store->UserDir()));
}

TEST_F(ProfileStoreTest, SaveAllNumbersPrioritiesAndRemovesDroppedProfiles) {
    Place(store->AdminDir(), MakeFullProfile("A1", "admin", "1"));
    Place(store->UserDir(), MakeFullProfile("Old", "user", "1"));
    Place(store->UserDir(), MakeFullProfile("Second", "user", "2"));
    Place(store->UserDir(), MakeFullProfile("First", "user", "3"));
    std::vector<ProfileList_t> list = ManagerList();
    // The manager drops "Old" and reorders the rest.
    list = {list[0], list[3], list[2]};
    ASSERT_EQ(NamesOf(list), (std::vector<std::string>{"A1", "First", "Second"}));

    wxArrayString failed;
    ASSERT_TRUE(store->SaveAllProfiles(list, &failed));
    EXPECT_TRUE(failed.empty());
    EXPECT_FALSE(Stored(store->UserDir(), "Old"));
    EXPECT_FALSE(Stored(store->UserDir(), "A1"));  // administrator entries stay where they are
    EXPECT_EQ(ReadBack(store->UserDir(), "First").priority, "10001");
    EXPECT_EQ(ReadBack(store->UserDir(), "Second").priority, "10002");
    EXPECT_EQ(ModeOf(ProfileFile::PathFor(store->UserDir(), "First")), 0600u);
    EXPECT_EQ(mainWindow.Received(), SavedOnce());
    EXPECT_TRUE(profileManager.Received().empty());
}

TEST_F(ProfileStoreTest, SaveAllWritesBeforeItRemovesAndReportsTheFailedEntry) {
    Place(store->UserDir(), MakeFullProfile("Keep1", "user", "1"));
    Place(store->UserDir(), MakeFullProfile("Keep2", "user", "2"));
    std::vector<ProfileList_t> list = ManagerList();
    // An entry whose file cannot be written: a folder stands where it would go.
    list.push_back(MakeFullProfile("Blocked"));
    TestTree::MakeDirs(ProfileFile::PathFor(store->UserDir(), "Blocked") + "/inside");
    list.push_back(MakeFullProfile("a/b"));
    list.push_back(MakeFullProfile("Fresh"));

    wxArrayString failed;
    EXPECT_FALSE(store->SaveAllProfiles(list, &failed));
    ASSERT_EQ(failed.size(), 2u);
    EXPECT_EQ(failed[0], "Blocked");
    EXPECT_EQ(failed[1], "a/b");
    EXPECT_TRUE(Stored(store->UserDir(), "Keep1"));
    EXPECT_TRUE(Stored(store->UserDir(), "Keep2"));
    // Only written entries take a number.
    EXPECT_EQ(ReadBack(store->UserDir(), "Fresh").priority, "10003");
    EXPECT_EQ(mainWindow.Received(), SavedOnce());

    EXPECT_FALSE(store->SaveAllProfiles(list, nullptr));
}

TEST_F(ProfileStoreTest, SaveAllLeavesAnOldFileIntactWhenItsRewriteFails) {
    Place(store->UserDir(), MakeFullProfile("Kept", "user", "1"));
    Place(store->UserDir(), MakeFullProfile("Other", "user", "2"));
    const std::string keptPath = ProfileFile::PathFor(store->UserDir(), "Kept");
    const std::string before = TestTree::ReadFile(keptPath);
    std::vector<ProfileList_t> list = ManagerList();
    // The edited entry no longer fits on the disk.
    list[0].OtherSet.AutoRun.assign(300, std::string(100, 'p'));

    wxArrayString failed;
    {
        FileSizeLimit limit(2 * before.size());
        EXPECT_FALSE(store->SaveAllProfiles(list, &failed));
    }
    ASSERT_EQ(failed.size(), 1u);
    EXPECT_EQ(failed[0], "Kept");
    EXPECT_EQ(TestTree::ReadFile(keptPath), before);
    EXPECT_EQ(ReadBack(store->UserDir(), "Other").priority, "10001");
}

TEST_F(ProfileStoreTest, RenameKeepsTheOldFileUntilTheNewOneIsWritten) {
    Place(store->UserDir(), MakeFullProfile("A", "user", "1"));
    Place(store->UserDir(), MakeFullProfile("Other", "user", "2"));
    std::vector<ProfileList_t> list = ManagerList();
    list[0].name = "B";

    // A folder stands where B's file would go.
    TestTree::MakeDirs(ProfileFile::PathFor(store->UserDir(), "B") + "/inside");
    wxArrayString failed;
    EXPECT_FALSE(store->SaveAllProfiles(list, &failed));
    EXPECT_EQ(failed, wxArrayString(1, "B"));
    EXPECT_TRUE(Stored(store->UserDir(), "A"));

    TestTree::RemoveAll(ProfileFile::PathFor(store->UserDir(), "B"));
    failed.clear();
    ASSERT_TRUE(store->SaveAllProfiles(list, &failed));
    EXPECT_FALSE(Stored(store->UserDir(), "A"));
    EXPECT_EQ(ReadBack(store->UserDir(), "B").priority, "10001");
}

TEST_F(ProfileStoreTest, GuestNamedEntriesThatWouldVanishAreReported) {
    ProfileList_t guest = MakeFullProfile("Guest", "user", "1");
    guest.show = "2";
    Place(store->GuestDir(), guest);
    Place(store->GuestDir(), MakeFullProfile("Visitors", "user", "2"));
    Place(store->UserDir(), MakeFullProfile("Mine", "user", "1"));
    const std::vector<ProfileList_t> loaded = ManagerList();  // Mine Guest Visitors
    ASSERT_EQ(NamesOf(loaded), (std::vector<std::string>{"Mine", "Guest", "Visitors"}));

    struct Case {
        const char* what;
        std::function<void(std::vector<ProfileList_t>&)> change;
        std::vector<std::string> failed;
    };
    const Case cases[] = {
        {"as loaded, the Guest box shown as checked", [](auto& l) { l[1].show = "1"; }, {}},
        {"an edited guest-folder profile",
         [](auto& l) { l[2].WirelessSet.SSID = "changed"; }, {"Visitors"}},
        {"an import that replaced the Guest entry",
         [](auto& l) { l[1] = MakeFullProfile("Guest", "user", "9"); }, {"Guest"}},
        {"a new Guest made while none is listed",
         [](auto& l) { l.erase(l.begin() + 1); l.insert(l.begin() + 1, MakeFullProfile("Guest")); },
         {"Guest"}},
        {"the Guest entry hidden", [](auto& l) { l[1].show = "0"; }, {"Guest"}},
        {"a new entry put before the last one", [](auto& l) { l.insert(l.begin() + 2, MakeFullProfile("New")); },
         {}},
        {"the user's own profile named like a guest-folder one",
         [](auto& l) { l.insert(l.begin() + 1, MakeFullProfile("Visitors")); }, {}},
    };
    for (const Case& c : cases) {
        std::vector<ProfileList_t> list = loaded;
        c.change(list);
        wxArrayString failed;
        EXPECT_EQ(store->SaveAllProfiles(list, &failed, 0), c.failed.empty()) << c.what;
        std::vector<std::string> names;
        for (const wxString& n : failed)
            names.push_back(n.ToStdString());
        EXPECT_EQ(names, c.failed) << c.what;
        EXPECT_TRUE(Stored(store->UserDir(), "Mine")) << c.what;
    }
    EXPECT_EQ(ReadBack(store->GuestDir(), "Guest"), guest);
    EXPECT_FALSE(Stored(store->UserDir(), "Guest"));
}

TEST_F(ProfileStoreTest, SaveAllSparesOnlyTheExactGuestProfile) {
    BecomeRoot();
    Place(store->AdminDir(), MakeFullProfile("A1", "admin", "1"));
    Place(store->AdminDir(), MakeFullProfile("Guest", "admin", "5"));  // left by an old version
    Place(store->GuestDir(), MakeFullProfile("Guest", "user", "1"));
    Place(store->GuestDir(), MakeFullProfile("Visitors", "user", "2"));
    std::vector<ProfileList_t> list = ManagerList();
    ASSERT_EQ(NamesOf(list), (std::vector<std::string>{"A1", "Guest", "Guest", "Visitors"}));
    list.insert(list.begin() + 1, MakeFullProfile("MyGuest", "admin", "7"));
    const std::string guestBefore = TestTree::ReadFile(ProfileFile::PathFor(store->GuestDir(), "Guest"));

    wxArrayString failed;
    ASSERT_TRUE(store->SaveAllProfiles(list, &failed));
    EXPECT_TRUE(failed.empty());
    EXPECT_EQ(ReadBack(store->AdminDir(), "MyGuest").priority, "10002");
    // Guest-folder entries are not copied into the administrator folder.
    EXPECT_FALSE(Stored(store->AdminDir(), "Visitors"));
    EXPECT_EQ(ReadBack(store->AdminDir(), "Guest").priority, "5");
    EXPECT_EQ(TestTree::ReadFile(ProfileFile::PathFor(store->GuestDir(), "Guest")), guestBefore);
    EXPECT_TRUE(Stored(store->GuestDir(), "Visitors"));

    ASSERT_TRUE(store->GetProfileList(list, true, true));
    EXPECT_EQ(NamesOf(list), (std::vector<std::string>{"Guest", "A1", "MyGuest", "Guest", "Visitors"}));

    // A list without its Guest entries leaves the folder's own file.
    list.erase(list.begin() + 3);
    list.erase(list.begin());
    ASSERT_TRUE(store->SaveAllProfiles(list, nullptr));
    EXPECT_TRUE(Stored(store->AdminDir(), "Guest"));
}

TEST_F(ProfileStoreTest, SaveAllWithAGrownAdminCountKeepsUserProfiles) {
    Place(store->AdminDir(), MakeFullProfile("A1", "admin", "1"));
    Place(store->UserDir(), MakeFullProfile("U1", "user", "1"));
    Place(store->UserDir(), MakeFullProfile("U2", "user", "2"));
    const std::vector<ProfileList_t> list = ManagerList();  // A1 U1 U2
    // An import added an administrator profile: the store's count is now 2.
    Place(store->AdminDir(), MakeFullProfile("A9", "admin", "9"));
    ManagerList();
    ASSERT_EQ(store->GetAdminProfileCount(), 2);

    ASSERT_TRUE(store->SaveAllProfiles(list, nullptr));
    EXPECT_TRUE(Stored(store->UserDir(), "U1"));
    EXPECT_TRUE(Stored(store->UserDir(), "U2"));
    EXPECT_FALSE(Stored(store->UserDir(), "A1"));

    // A count given by the caller reaches no further than the entries that
    // stand for the store's administrator profiles.
    ASSERT_TRUE(store->SaveAllProfiles(list, nullptr, 2));
    EXPECT_EQ(ReadBack(store->UserDir(), "U1").priority, "10001");
    EXPECT_FALSE(Stored(store->UserDir(), "A1"));
}

TEST_F(ProfileStoreTest, CheckProfilesForAPDescribesTheCallersOwnProfiles) {
    EXPECT_EQ(store->CheckProfilesForAP(nullptr), 0);

    const APStatus ap = ApStatusUtil::MakeWithSsid("Schule");
    EXPECT_EQ(store->CheckProfilesForAP(&ap), PROFILES_READ);

    ProfileList_t byName = MakeFullProfile("Schule", "user", "12");
    byName.WirelessSet.SSID = "elsewhere";
    Place(store->UserDir(), byName);
    ProfileList_t bySsid = MakeFullProfile("Mine", "user", "7");
    bySsid.WirelessSet.SSID = "Schule";
    Place(store->UserDir(), bySsid);
    Place(store->AdminDir(), MakeFullProfile("Admin", "admin", "900"));
    EXPECT_EQ(store->CheckProfilesForAP(&ap),
              PROFILES_READ | PROFILES_SSID_KNOWN | PROFILES_NAME_TAKEN | 12);

    // The administrator looks at the administrator folder only.
    BecomeRoot();
    EXPECT_EQ(store->CheckProfilesForAP(&ap), PROFILES_READ | 900);

    TestTree::WriteFile(store->GuestDir(), "not a folder");
    EXPECT_EQ(store->CheckProfilesForAP(&ap), 0);
}

TEST_F(ProfileStoreTest, CheckProfilesForAPKeepsPrioritiesOutOfTheFlagBits) {
    const APStatus ap = ApStatusUtil::MakeWithSsid("New");
    Place(store->UserDir(), MakeFullProfile("Big", "user", "70000"));
    EXPECT_EQ(store->CheckProfilesForAP(&ap), PROFILES_READ | 0xFFFF);

    ASSERT_EQ(unlink(ProfileFile::PathFor(store->UserDir(), "Big").c_str()), 0);
    Place(store->UserDir(), MakeFullProfile("Neg", "user", "-1"));
    EXPECT_EQ(store->CheckProfilesForAP(&ap), PROFILES_READ);
}

TEST_F(ProfileStoreTest, CheckProfilesForAPReadsAtMost32SsidBytes) {
    const std::string ssid32(32, 'S');
    APStatus ap = ApStatusUtil::MakeWithSsid(ssid32);
    // Bytes after the field, as the next member of the record would be.
    ap.nPhyType = 0x41414141;
    ap.nSSIDLength = 4000;
    ProfileList_t p = MakeFullProfile(ssid32, "user", "1");
    p.WirelessSet.SSID = ssid32;
    Place(store->UserDir(), p);
    EXPECT_EQ(store->CheckProfilesForAP(&ap),
              PROFILES_READ | PROFILES_SSID_KNOWN | PROFILES_NAME_TAKEN | 1);
}
