#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ProfileManagerModel.h"

namespace {

using Commands = ProfileManagerModel::Commands;
using Plan = ProfileManagerModel::ImportPlan;

ProfileList_t Entry(const std::string& name, const std::string& show = "1") {
    ProfileList_t p;
    p.name = name;
    p.show = show;
    p.icon = "0";
    return p;
}

std::vector<ProfileList_t> Entries(const std::vector<std::string>& names) {
    std::vector<ProfileList_t> list;
    for (const std::string& n : names)
        list.push_back(Entry(n));
    return list;
}

std::vector<std::string> Names(const ProfileManagerModel& m) {
    std::vector<std::string> names;
    for (const ProfileList_t& p : m.Profiles())
        names.push_back(p.name);
    return names;
}

ProfileManagerModel Loaded(const std::vector<std::string>& names, int adminCount, bool isAdmin) {
    ProfileManagerModel m;
    m.Load(true, Entries(names), adminCount, isAdmin);
    return m;
}

// up, down, edit, delete, export
Commands C(bool up, bool down, bool edit, bool remove, bool exportItem) {
    Commands c;
    c.up = up;
    c.down = down;
    c.edit = edit;
    c.remove = remove;
    c.exportItem = exportItem;
    return c;
}

}  // namespace

TEST(ProfileManagerModel, SelectionEnablesTheCommandsOfTheRowsKind) {
    struct Case {
        const char* what;
        std::vector<std::string> names;
        int adminCount;
        bool isAdmin;
        int row;
        Commands expected;
    };
    const Case cases[] = {
        {"user: administrator entry", {"A1", "U1", "U2", "Guest"}, 1, false, 0, C(0, 0, 0, 0, 0)},
        {"user: first user entry, in use", {"A1", "U1", "U2", "Guest"}, 1, false, 1, C(0, 1, 1, 0, 1)},
        {"user: entry above Guest", {"A1", "U1", "U2", "Guest"}, 1, false, 2, C(1, 0, 1, 1, 1)},
        {"user: Guest", {"A1", "U1", "U2", "Guest"}, 1, false, 3, C(0, 0, 0, 0, 0)},
        {"user: no row", {"A1", "U1", "U2", "Guest"}, 1, false, 4, C(0, 0, 0, 0, 0)},
        {"root: first row", {"A1", "U1", "Guest"}, 2, true, 0, C(0, 1, 1, 1, 1)},
        {"root: above Guest, in use", {"A1", "U1", "Guest"}, 2, true, 1, C(1, 0, 1, 0, 1)},
        {"root: Guest", {"A1", "U1", "Guest"}, 2, true, 2, C(0, 0, 0, 0, 0)},
        {"added after Guest", {"U0", "Guest", "Scan"}, 0, false, 2, C(1, 0, 1, 1, 1)},
    };
    for (const Case& c : cases) {
        const ProfileManagerModel m = Loaded(c.names, c.adminCount, c.isAdmin);
        EXPECT_EQ(m.CommandsFor(c.row, "U1"), c.expected) << c.what;
        EXPECT_EQ(m.CanEdit(c.row), c.expected.edit) << c.what;
        EXPECT_EQ(m.CanDelete(c.row, "U1"), c.expected.remove) << c.what;
        EXPECT_EQ(m.CanExport(c.row), c.expected.exportItem) << c.what;
    }
}

TEST(ProfileManagerModel, RowsAreGreyedAndLockedByKind) {
    const ProfileManagerModel user = Loaded({"A1", "U1", "U1", "Guest", "Guest"}, 1, false);
    const bool enabled[] = {false, true, true, false, true};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(user.Look(i).enabled, enabled[i]) << i;
    EXPECT_TRUE(user.Look(0).greyText);
    EXPECT_FALSE(user.Look(3).greyText);
    EXPECT_TRUE(user.Look(3).whiteBackground);
    EXPECT_EQ(user.LockedRow("U1"), 2);
    EXPECT_EQ(user.LockedRow(""), -1);
    // Root's administrator rows are ordinary rows.
    EXPECT_TRUE(Loaded({"A1", "Guest"}, 1, true).Look(0).enabled);
}

TEST(ProfileManagerModel, ShowAndIconFieldsAreReadAsNumbers) {
    const std::pair<const char*, int> icons[] = {
        {"-1", 4}, {"", 5}, {"abc", 5}, {"0", 5}, {"7", 12}, {"8", 4}, {"99999999999", 4}, {" 3x", 8}};
    for (const auto& c : icons)
        EXPECT_EQ(ProfileManagerModel::IconImage(c.first), c.second) << c.first;
    const std::pair<const char*, bool> shows[] = {{"1", true}, {"2", true}, {"0", false}, {"", false}, {"yes", false}};
    for (const auto& c : shows)
        EXPECT_EQ(ProfileManagerModel::IsShown(c.first), c.second) << c.first;
}

TEST(ProfileManagerModel, MovesStayWithinTheirBlockAndRefuseWhatTheButtonsWouldNotOffer) {
    ProfileManagerModel m = Loaded({"A1", "U1", "U2", "Guest"}, 1, false);
    EXPECT_EQ(m.MoveUp(2, ""), 1);
    EXPECT_EQ(Names(m), (std::vector<std::string>{"A1", "U2", "U1", "Guest"}));
    EXPECT_EQ(m.MoveDown(1, ""), 2);
    EXPECT_EQ(Names(m), (std::vector<std::string>{"A1", "U1", "U2", "Guest"}));

    const int refused[][2] = {{1, 1}, {0, 0}, {2, 0}, {3, 1}, {-1, 0}, {9, 1}};  // row, up?
    for (const auto& r : refused)
        EXPECT_EQ(r[1] ? m.MoveUp(r[0], "") : m.MoveDown(r[0], ""), -1) << r[0];
    EXPECT_EQ(Names(m), (std::vector<std::string>{"A1", "U1", "U2", "Guest"}));

    ProfileManagerModel two = Loaded({"X", "Y"}, 0, false);
    EXPECT_FALSE(two.SwapEntries(2, 3));
    EXPECT_FALSE(two.SwapEntries(0, 1));
    EXPECT_TRUE(two.SwapEntries(1, 2));
    EXPECT_EQ(Names(two), (std::vector<std::string>{"Y", "X"}));
    EXPECT_FALSE(two.RemoveEntry(-1));
    EXPECT_FALSE(two.RemoveEntry(2));
    EXPECT_EQ(two.Count(), 2);
}

TEST(ProfileManagerModel, NewEntriesGoBeforeTheLastEntryWhenAGuestIsListed) {
    const std::pair<std::vector<std::string>, int> cases[] = {
        {{"A1", "U1", "Guest"}, 2}, {{"U0", "Guest", "Scan"}, 2}, {{"A1", "U1"}, 2}, {{}, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(Loaded(c.first, 0, false).InsertPosition(), c.second);

    ProfileManagerModel root = Loaded({"A1", "Guest"}, 1, true);
    root.Insert(Entry("New"));
    root.AddedByNew();
    EXPECT_EQ(Names(root), (std::vector<std::string>{"A1", "New", "Guest"}));
    EXPECT_EQ(root.AdminCount(), 2);
    ProfileManagerModel user = Loaded({"A1", "Guest"}, 1, false);
    user.AddedByNew();
    EXPECT_EQ(user.AdminCount(), 1);
    EXPECT_TRUE(user.IsModified());
}

TEST(ProfileManagerModel, NameTakenIsExactAndIgnoresTheOldName) {
    const ProfileManagerModel m = Loaded({"Office", "Home", "Guest"}, 0, false);
    struct Case {
        const char* name;
        const char* oldName;
        bool taken;
    };
    const Case cases[] = {{"Home", "", true},       {"home", "", false},   {"Home", "Home", false},
                          {"Home", "Office", true}, {"Cafe", "Office", false}, {"Guest", "", true}};
    for (const Case& c : cases)
        EXPECT_EQ(m.IsNameTaken(c.name, c.oldName), c.taken) << c.name << "/" << c.oldName;
    EXPECT_FALSE(ProfileManagerModel().IsNameTaken("Home", ""));
}

TEST(ProfileManagerModel, ShowAllSkipsGuestEntryInUseAndOthersAdministratorEntries) {
    const ProfileManagerModel m = Loaded({"A1", "U1", "U2", "Guest"}, 1, false);
    EXPECT_EQ(m.ShowAllRows(false, "U2"), std::vector<int>{1});
    EXPECT_EQ(m.ShowAllRows(true, ""), (std::vector<int>{0, 1, 2}));
}

TEST(ProfileManagerModel, ChangesAreFoundByComparisonOrTheModifiedMark) {
    ProfileManagerModel m;
    m.Load(true, {Entry("A", ""), Entry("B")}, 0, false);
    EXPECT_FALSE(m.HasChanges());
    m.AddStored(Entry("FromScan"));  // already stored: no change
    EXPECT_FALSE(m.HasChanges());
    m.SetShowFlag(0, true);  // "" becomes "1"
    EXPECT_TRUE(m.HasChanges());
    m.SetShowFlag(0, false);
    m.SetShowFlag(0, false);
    EXPECT_EQ(m.Profiles()[0].show, "0");
    m.Load(true, {Entry("A")}, 0, false);
    m.SetModified(true);
    EXPECT_TRUE(m.HasChanges());
}

TEST(ProfileManagerModel, AFailedLoadIsRememberedAndCountsClampToTheList) {
    ProfileManagerModel m;
    m.Load(true, Entries({"A1", "U1"}), 5, false);
    EXPECT_EQ(m.AdminCount(), 2);
    EXPECT_FALSE(m.LoadFailed());
    const unsigned loads = m.LoadCount();

    m.Clear();
    m.Load(false, Entries({"ignored"}), 0, false);
    EXPECT_TRUE(m.LoadFailed());
    EXPECT_EQ(m.Count(), 0);
    EXPECT_EQ(m.AdminCount(), 0);
    EXPECT_EQ(m.LoadCount(), loads + 1);
    EXPECT_TRUE(m.OwnEntryNames().empty());
    m.Insert(Entry("Mine"));
    EXPECT_EQ(m.OwnEntryNames(), wxArrayString(1, "Mine"));
}

TEST(ProfileManagerModel, AStoredProfileJoinsAListThatIsLoadedEvenWhenHidden) {
    ProfileManagerModel m;
    m.AddStored(Entry("Early"));
    EXPECT_EQ(m.Count(), 0);
    m.Load(true, Entries({"A", "Guest"}), 0, false);
    m.AddStored(Entry("Scan"));
    EXPECT_EQ(Names(m), (std::vector<std::string>{"A", "Guest", "Scan"}));
    EXPECT_EQ(m.SavedProfiles().size(), 3u);
    m.Clear();
    m.AddStored(Entry("Late"));
    EXPECT_EQ(m.Count(), 0);
}

TEST(ProfileManagerModel, ImportReplacesOnlyTheCallersOwnEntries) {
    struct Case {
        const char* what;
        std::vector<std::string> names;
        int adminCount;
        bool root;
        std::string imported;
        Plan::Kind kind;
        std::vector<std::string> after;
        int adminAfter;
    };
    const std::string tooLong(248, 'n');
    const Case cases[] = {
        {"new name", {"A1", "U1", "U2", "Guest"}, 1, false, "Office", Plan::Add,
         {"A1", "U1", "U2", "Office", "Guest"}, 1},
        {"root's new name", {"A1", "A2", "Guest"}, 2, true, "Office", Plan::Add, {"A1", "A2", "Office", "Guest"}, 3},
        {"own name", {"A1", "U1", "U2", "Guest"}, 1, false, "U1", Plan::Overwrite, {"A1", "U2", "U1", "Guest"}, 1},
        {"administrator's name", {"A1", "U1", "Guest"}, 1, false, "A1", Plan::Add, {"A1", "U1", "A1", "Guest"}, 1},
        {"Guest", {"A1", "U1", "Guest"}, 1, false, "Guest", Plan::Overwrite, {"A1", "U1", "Guest"}, 1},
        {"no Guest listed", {"U1"}, 0, false, "Office", Plan::Add, {"U1", "Office"}, 0},
        {"in use", {"A1", "InUse", "Guest"}, 1, false, "InUse", Plan::InUse, {"A1", "InUse", "Guest"}, 1},
        {"from a file named ...profile", {"U1"}, 0, false, "..", Plan::Unnamable, {"U1"}, 0},
        {"longer than a file name", {"U1"}, 0, false, tooLong, Plan::Unnamable, {"U1"}, 0},
    };
    for (const Case& c : cases) {
        ProfileManagerModel m = Loaded(c.names, c.adminCount, c.root);
        const Plan plan = m.PlanImport(c.imported, "InUse", c.root);
        EXPECT_EQ(plan.kind, c.kind) << c.what;
        ProfileList_t record = Entry(c.imported);
        record.permission = "from the file";
        m.ApplyImport(plan, record, c.root);
        EXPECT_EQ(Names(m), c.after) << c.what;
        EXPECT_EQ(m.AdminCount(), c.adminAfter) << c.what;
        const bool changed = c.kind == Plan::Add || c.kind == Plan::Overwrite;
        EXPECT_EQ(m.IsModified(), changed) << c.what;
    }
}
