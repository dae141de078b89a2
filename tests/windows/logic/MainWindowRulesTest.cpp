#include <gtest/gtest.h>

#include "MainWindowRules.h"
#include "NetworkTypes.h"

using MainWindowRules::Change;
using MainWindowRules::Label;

TEST(MainWindowRules, ControlsByModeMeshStatusAndSwitcherText) {
    const struct {
        int mode, mesh;
        const char* text;
        const char* current;
        bool connectEnabled;
        Label connect;
        const char* image;
        Change signal, scan, neighbours;
        Label wireless;
    } cases[] = {
        {0, 1, "School LAN", "School LAN", true, Label::Off, "pic/cnctimage_wired.png", Change::Disable,
         Change::Disable, Change::Disable, Label::On},
        {0, 1, "School LAN", "", true, Label::On, "pic/cnctimage_wired.png", Change::Disable, Change::Disable,
         Change::Disable, Label::On},
        {0, 1, "        ", "School LAN", false, Label::On, "pic/cnctimage_wired.png", Change::Disable,
         Change::Disable, Change::Disable, Label::On},
        {1, 1, "School LAN", "School LAN", true, Label::On, "pic/cnctimage_disconnect.png", Change::Disable,
         Change::Disable, Change::Disable, Label::On},
        {2, 1, "", "Classroom", false, Label::On, "pic/cnctimage.png", Change::Enable, Change::Enable,
         Change::Enable, Label::Off},
        {2, 1, "Classroom", "Classroom", true, Label::Off, "pic/cnctimage.png", Change::Enable, Change::Enable,
         Change::Enable, Label::Off},
        {3, 1, "Classroom", "Classroom", true, Label::On, "pic/cnctimage_disconnect.png", Change::Enable,
         Change::Enable, Change::Enable, Label::Off},
        {4, 3, "Classroom", "Classroom", true, Label::Off, "pic/cnctimage_mesh.png", Change::Enable,
         Change::Enable, Change::Enable, Label::On},
        {4, 2, "Classroom", "", true, Label::On, "pic/cnctimage_mesh.png", Change::Enable, Change::Disable,
         Change::Enable, Label::On},
        {4, 4, "", "", false, Label::On, "pic/cnctimage_mesh.png", Change::Enable, Change::Disable,
         Change::Enable, Label::On},
        {6, 1, "School LAN", "School LAN", true, Label::On, "pic/cnctimage_disconnect.png", Change::Disable,
         Change::Disable, Change::Disable, Label::On},
        {7, 1, "School LAN", "School LAN", true, Label::Unchanged, "", Change::Unchanged, Change::Unchanged,
         Change::Unchanged, Label::Unchanged},
        {5, 1, "  ", "", false, Label::On, "", Change::Unchanged, Change::Unchanged, Change::Unchanged,
         Label::Unchanged},
    };
    for (const auto& c : cases) {
        const auto r = MainWindowRules::ForMode(c.mode, c.mesh, c.text, c.current);
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " mesh " << c.mesh << " text '" << c.text << "'");
        EXPECT_EQ(r.connectEnabled, c.connectEnabled);
        EXPECT_EQ(r.connectLabel, c.connect);
        EXPECT_EQ(r.statusImage, c.image);
        EXPECT_EQ(r.signal, c.signal);
        EXPECT_EQ(r.scan, c.scan);
        EXPECT_EQ(r.neighbours, c.neighbours);
        EXPECT_EQ(r.wireless, c.wireless);
    }
}

TEST(MainWindowRules, ProfileIcons) {
    const struct { const char* icon; const char* file; } cases[] = {
        {"0", "pic/general.png"}, {"", "pic/general.png"},  {"abc", "pic/general.png"},
        {"3", "pic/house.png"},   {"7", "pic/airport.png"}, {"7x", "pic/airport.png"},
        {"8", "pic/empty_profile.png"}, {"-1", "pic/empty_profile.png"}, {"12", "pic/empty_profile.png"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MainWindowRules::ProfileIconFile(c.icon), c.file) << c.icon;
}

TEST(MainWindowRules, SwitcherOffersShownProfilesAndSelectsTheLastMatch) {
    auto profile = [](const char* name, const char* permission, const char* show) {
        ProfileList_t p;
        p.name = name;
        p.permission = permission;
        p.show = show;
        return p;
    };
    const std::vector<ProfileList_t> list = {
        profile("Cable", "admin", "1"), profile("Hidden", "admin", "0"), profile("Twin", "admin", "1"),
        profile("Twin", "user", "1"),   profile("Shown?", "user", "yes"), profile("Twin", "admin", "1"),
    };
    const auto choices = MainWindowRules::BuildProfileChoices(list, "Twin", "admin");
    ASSERT_EQ(choices.items.size(), 4u);
    EXPECT_EQ(choices.items[1].index, 2u);
    EXPECT_EQ(choices.items[3].index, 5u);
    EXPECT_EQ(choices.selection, 3);  // the later admin "Twin", not the user one
    EXPECT_EQ(MainWindowRules::BuildProfileChoices(list, "Twin", "guest").selection, -1);
    EXPECT_EQ(MainWindowRules::BuildProfileChoices(list, "Hidden", "admin").selection, -1);
    EXPECT_EQ(MainWindowRules::BuildProfileChoices(list, "", "").selection, -1);
}

TEST(MainWindowRules, WirelessSwitchPerMode) {
    const struct { int mode; bool queue; int shutDown, start; bool disarm; } cases[] = {
        {0, true, 1, 2, true}, {1, true, 1, 2, true}, {2, true, 2, 1, false}, {3, true, 2, 1, false},
        {6, true, 0, 2, false}, {4, false, 0, 0, false}, {7, false, 0, 0, false}, {5, false, 0, 0, false},
    };
    for (const auto& c : cases) {
        const auto s = MainWindowRules::WirelessSwitchFor(c.mode);
        EXPECT_EQ(s.queue, c.queue) << c.mode;
        EXPECT_EQ(s.shutDown, c.shutDown) << c.mode;
        EXPECT_EQ(s.start, c.start) << c.mode;
        EXPECT_EQ(s.disarmQuestion, c.disarm) << c.mode;
    }
}
