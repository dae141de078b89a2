#include <algorithm>
#include <climits>
#include <string>
#include <tuple>
#include <vector>

#include <dirent.h>

#include <gtest/gtest.h>

#include "ProfileFile.h"
#include "ProfileTestSupport.h"
#include "TestTree.h"

namespace {

class ProfileFileTest : public ::testing::Test {
protected:
    TestTree tree;
    std::string Folder() const { return tree.Path(); }
    std::string PathOf(const std::string& name) const { return tree / (name + ".profile"); }

    std::vector<std::string> FileNames() const {
        std::vector<std::string> names;
        DIR* dir = opendir(tree.Path().c_str());
        while (dirent* e = readdir(dir)) {
            const std::string n = e->d_name;
            if (n != "." && n != "..")
                names.push_back(n);
        }
        closedir(dir);
        std::sort(names.begin(), names.end());
        return names;
    }
};

}  // namespace

TEST(ProfileFileNames, RefusesNamesThatWouldLeaveTheFolderOrNotFit) {
    EXPECT_TRUE(ProfileFile::IsWritableName("Klasse 5b"));
    EXPECT_TRUE(ProfileFile::IsWritableName("a..b"));
    EXPECT_TRUE(ProfileFile::IsWritableName(std::string(247, 'x')));
    EXPECT_FALSE(ProfileFile::IsWritableName(std::string(248, 'x')));
    // 124 two-byte characters: 248 bytes, too long although only 124 characters.
    std::string wide;
    for (int i = 0; i < 124; ++i)
        wide += "\xC3\xA4";
    EXPECT_FALSE(ProfileFile::IsWritableName(wide));
    for (const std::string& bad : {std::string(""), std::string("."), std::string(".."),
                                  std::string("../x"), std::string("a/b"), std::string("/etc/passwd"),
                                  std::string("a\0b", 3)})
        EXPECT_FALSE(ProfileFile::IsWritableName(bad)) << bad;
}

TEST(ProfileFileNames, NameIsTheBaseNameUpToTheLastDot) {
    EXPECT_EQ(ProfileFile::NameFromPath("/etc/Lanternfield/Klasse 5b.profile"), "Klasse 5b");
    EXPECT_EQ(ProfileFile::NameFromPath("/x/v1.2.profile"), "v1.2");
    EXPECT_EQ(ProfileFile::NameFromPath("/some.folder/NoDot"), "NoDot");
    EXPECT_EQ(ProfileFile::NameFromPath("Plain"), "Plain");
    EXPECT_EQ(ProfileFile::NameFromPath("/x/.profile"), "");
}

TEST(ProfileFilePriority, ReadsLikeAtoiAndSaturates) {
    EXPECT_EQ(ProfileFile::PriorityValue("10"), 10);
    EXPECT_EQ(ProfileFile::PriorityValue("  +7x"), 7);
    EXPECT_EQ(ProfileFile::PriorityValue("-3"), -3);
    EXPECT_EQ(ProfileFile::PriorityValue(""), 0);
    EXPECT_EQ(ProfileFile::PriorityValue("abc"), 0);
    EXPECT_EQ(ProfileFile::PriorityValue("99999999999999999999"), INT_MAX);
    EXPECT_EQ(ProfileFile::PriorityValue("-99999999999999999999"), INT_MIN);
}

TEST_F(ProfileFileTest, EveryFieldReadsBackEqual) {
    ProfileList_t written = MakeFullProfile("Klasse 5b");
    // A 300-byte UTF-8 SSID from an imported file is kept as it is.
    written.WirelessSet.SSID.clear();
    for (int i = 0; i < 100; ++i)
        written.WirelessSet.SSID += "\xE6\xA0\xA1";
    ASSERT_TRUE(ProfileFile::Write(written, Folder(), 0600, true));

    ProfileList_t read;
    ASSERT_TRUE(ProfileFile::Read(PathOf("Klasse 5b"), read));
    EXPECT_EQ(read, written);

    // Each field matters to the comparison and survives on its own.
    ProfileList_t other = written;
    other.OtherSet.AutoRun = {"/usr/bin/xclock", "/opt/school/start lesson.sh", ""};
    EXPECT_NE(read, other);
}

TEST_F(ProfileFileTest, HandMadeScrambledFileLoads) {
    TestTree::WriteFile(PathOf("Schule"),
                        "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n"
                        "<profile>\n"
                        "  <permission>1646d696e6</permission>\n"
                        "  <priority>1303</priority>\n"
                        "  <icon>53</icon>\n"
                        "  <show>13</show>\n"
                        "  <GenernalSettings><ConnectType>77962756c6563737</ConnectType></GenernalSettings>\n"
                        "  <WirelessSettings>\n"
                        "    <SSID>35368657C656</SSID>\n"
                        "    <WirlessType>830323e2131376</WirlessType>\n"
                        "    <WlanSecurity>770716d20737b6</WlanSecurity>\n"
                        "    <WEPSettings></WEPSettings>\n"
                        "    <KeyIndex>03</KeyIndex>\n"
                        "    <WPASettings>7656865696d6132333</WPASettings>\n"
                        "    <SSID>13</SSID>\n"  // a second one: the first counts
                        "  </WirelessSettings>\n"
                        "  <OtherSettings>\n"
                        "    <IPDNS>03</IPDNS>\n"  // out of the usual order
                        "    <AutoRunAppFlag>13</AutoRunAppFlag>\n"
                        "    <AutoRun>f2573727f22696e6f28736c6f636b6</AutoRun>\n"
                        "    <AutoRun/>\n"
                        "  </OtherSettings>\n"
                        "</profile>\n");
    ProfileList_t p;
    ASSERT_TRUE(ProfileFile::Read(PathOf("Schule"), p));
    EXPECT_EQ(p.name, "Schule");
    EXPECT_EQ(p.permission, "admin");
    EXPECT_EQ(p.priority, "10");
    EXPECT_EQ(p.icon, "5");
    EXPECT_EQ(p.show, "1");
    EXPECT_EQ(p.GenernalSet.ConnecType, "wireless");
    EXPECT_EQ(p.WirelessSet.SSID, "Schule");
    EXPECT_EQ(p.WirelessSet.WirlessType, "802.11g");
    EXPECT_EQ(p.WirelessSet.WlanSecurity, "wpa-psk");
    EXPECT_EQ(p.WirelessSet.WEPKey, "");
    EXPECT_EQ(p.WirelessSet.KeyIndex, "0");
    EXPECT_EQ(p.WirelessSet.WPAKey, "geheim123");
    EXPECT_EQ(p.OtherSet.AutoRunAppFlag, "1");
    EXPECT_EQ(p.OtherSet.AutoRun, (std::vector<std::string>{"/usr/bin/xclock", ""}));
    EXPECT_EQ(p.OtherSet.IPDNS, "0");
    EXPECT_EQ(p.OtherSet.Proxy, "");
}

TEST_F(ProfileFileTest, ValuesInAttributesAreAccepted) {
    TestTree::WriteFile(PathOf("Attr"),
                        "<?xml version=\"1.0\"?>\n"
                        "<profile permission=\"57375627\" priority=\"23\">\n"
                        "  <GenernalSettings ConnectType=\"c616e6\"/>\n"
                        "  <WirelessSettings><SSID value=\"35368657c656\"/></WirelessSettings>\n"
                        "  <OtherSettings><AutoRun value=\"13\"/></OtherSettings>\n"
                        "</profile>\n");
    ProfileList_t p;
    ASSERT_TRUE(ProfileFile::Read(PathOf("Attr"), p));
    EXPECT_EQ(p.permission, "user");
    EXPECT_EQ(p.priority, "2");
    EXPECT_EQ(p.GenernalSet.ConnecType, "lan");
    EXPECT_EQ(p.WirelessSet.SSID, "Schule");
    EXPECT_EQ(p.OtherSet.AutoRun, std::vector<std::string>{"1"});
}

TEST_F(ProfileFileTest, UnreadableFilesLeaveTheRecordUnchanged) {
    const ProfileList_t before = MakeFullProfile("Before");
    const std::pair<const char*, const char*> cases[] = {
        {"NotXml", "this is not xml"},
        {"Truncated", "<?xml version=\"1.0\"?><profile><permission>16"},
        {"WrongRoot", "<?xml version=\"1.0\"?><settings><permission>1646d696e6</permission></settings>"},
        {"OddHex", "<profile><permission>164</permission></profile>"},
        {"NotHex", "<profile><OtherSettings><Proxy>zz</Proxy></OtherSettings></profile>"},
        {"BadAutoRun", "<profile><OtherSettings><AutoRun>1</AutoRun></OtherSettings></profile>"},
        {"Empty", ""},
    };
    for (const auto& c : cases) {
        TestTree::WriteFile(PathOf(c.first), c.second);
        ProfileList_t p = before;
        EXPECT_FALSE(ProfileFile::Read(PathOf(c.first), p)) << c.first;
        EXPECT_EQ(p, before) << c.first;
    }

    ProfileList_t p = before;
    EXPECT_FALSE(ProfileFile::Read(PathOf("Missing"), p));
    TestTree::MakeDirs(PathOf("Folder"));
    EXPECT_FALSE(ProfileFile::Read(PathOf("Folder"), p));
    // A file called just ".profile" would give an empty name.
    ProfileList_t nameless;
    nameless.name = "x";
    ASSERT_TRUE(ProfileFile::Write(nameless, Folder(), 0600, true));
    ASSERT_EQ(rename(PathOf("x").c_str(), (tree / ".profile").c_str()), 0);
    EXPECT_FALSE(ProfileFile::Read(tree / ".profile", p));
    EXPECT_EQ(p, before);
}

namespace {

std::string Repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

// A readable profile (its permission decodes to "user") with `inner` inside
// its other-settings group.
std::string ProfileAround(const std::string& inner) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<profile><permission>57375627</permission>"
           "<OtherSettings>" + inner + "</OtherSettings></profile>\n";
}

}  // namespace

TEST_F(ProfileFileTest, HostileFilesAreRefused) {
    // The parser recurses once per open element: a deep enough document ends
    // the program, however its tags are hidden among entities, comments and
    // quotes.
    using R = ProfileFile::Refusal;
    const std::tuple<const char*, std::string, R> refused[] = {
        {"Nested150k", "<profile>" + Repeat("<a>", 50000), R::TOO_MANY_ELEMENTS},
        {"EntityHidesCloseTag", "<profile>&#x</profile>x;" + Repeat("<a>", 100000), R::TOO_MANY_ELEMENTS},
        {"CommentEndsInAttribute", "<profile><!--><b c='-->" + Repeat("<a>", 100000) + "'/>", R::TOO_MANY_ELEMENTS},
        {"NestedClosed", ProfileAround(Repeat("<x>", 7) + Repeat("</x>", 7)), R::NESTED_TOO_DEEP},
        {"QuotedCloseTags", ProfileAround(Repeat("<x q=\"</x>\">", 20) + Repeat("</x>", 20)), R::NESTED_TOO_DEEP},
        {"CommentedCloseTags", ProfileAround(Repeat("<x><!-- </x> -->", 20) + Repeat("</x>", 20)),
         R::NESTED_TOO_DEEP},
        {"MultiByteSwallowsCloseTag", ProfileAround(Repeat("<x>\xE2</x>", 20)), R::NOT_TEXT},
        {"Nul", ProfileAround(std::string(1, '\0')), R::NOT_TEXT},
        {"TooLong", ProfileAround("") + std::string(1024 * 1024, ' '), R::TOO_LARGE},
        {"NotXml", "this is not xml", R::NOT_A_PROFILE},
        {"WrongRoot", "<settings/>", R::NOT_A_PROFILE},
        {"OddHex", "<profile><permission>164</permission></profile>", R::NOT_A_PROFILE},
    };
    for (const auto& [name, text, why] : refused) {
        TestTree::WriteFile(PathOf(name), text);
        ProfileList_t p;
        R refusal = R::CANNOT_OPEN;
        EXPECT_FALSE(ProfileFile::Read(PathOf(name), p, &refusal)) << name;
        EXPECT_EQ(refusal, why) << name;
    }
    R refusal = R::TOO_LARGE;
    ProfileList_t none;
    EXPECT_FALSE(ProfileFile::Read(PathOf("Missing"), none, &refusal));
    EXPECT_EQ(refusal, R::CANNOT_OPEN);
    TestTree::WriteFile(tree / ".profile", ProfileAround(""));
    EXPECT_FALSE(ProfileFile::Read(tree / ".profile", none, &refusal));
    EXPECT_EQ(refusal, R::NO_NAME);

    const std::pair<const char*, std::string> accepted[] = {
        {"DeepestAllowed", ProfileAround(Repeat("<x>", 6) + Repeat("</x>", 6))},
        {"ClosesInTheirPlaces",
         ProfileAround(Repeat("<x q=\"</x>\"><!-- </x> --><![CDATA[</x>]]></x>", 50))},
    };
    for (const auto& c : accepted) {
        TestTree::WriteFile(PathOf(c.first), c.second);
        ProfileList_t p;
        EXPECT_TRUE(ProfileFile::Read(PathOf(c.first), p)) << c.first;
        EXPECT_EQ(p.permission, "user") << c.first;
    }
    // One mebibyte exactly is still read.
    std::string full = ProfileAround("");
    full.resize(1024 * 1024, ' ');
    TestTree::WriteFile(PathOf("Full"), full);
    ProfileList_t p;
    EXPECT_TRUE(ProfileFile::Read(PathOf("Full"), p));
}

TEST_F(ProfileFileTest, FailedWriteKeepsTheOldFile) {
    ProfileList_t old = MakeFullProfile("Kept");
    ASSERT_TRUE(ProfileFile::Write(old, Folder(), 0600, true));
    const std::string oldContent = TestTree::ReadFile(PathOf("Kept"));

    ProfileList_t big = old;
    big.OtherSet.AutoRun.assign(200, std::string(100, 'p'));
    {
        FileSizeLimit limit(oldContent.size() + 100);
        EXPECT_FALSE(ProfileFile::Write(big, Folder(), 0600, true));
    }
    EXPECT_EQ(TestTree::ReadFile(PathOf("Kept")), oldContent);
    EXPECT_EQ(FileNames(), std::vector<std::string>{"Kept.profile"});
}

TEST_F(ProfileFileTest, FolderSkipsBadFilesAndSortsByPriorityThenFileName) {
    const std::pair<const char*, const char*> entries[] = {
        {"b", "10"}, {"a", "10"}, {"low", "-5"}, {"huge", "99999999999"}, {"none", ""}, {"c", " 9"}};
    for (const auto& e : entries)
        ASSERT_TRUE(ProfileFile::Write(MakeFullProfile(e.first, "user", e.second), Folder(), 0600, true));
    TestTree::WriteFile(PathOf("corrupt"), "<profile><icon>1</icon></profile>");
    TestTree::WriteFile(tree / "...profile", TestTree::ReadFile(PathOf("a")));  // named ".."
    TestTree::WriteFile(tree / "NetworkPolicy.xml", "<policy/>");
    TestTree::MakeDirs(PathOf("dir"));

    std::vector<ProfileList_t> list;
    ASSERT_TRUE(ProfileFile::ReadFolder(Folder(), list));
    std::vector<std::string> names;
    for (const ProfileList_t& p : list)
        names.push_back(p.name);
    EXPECT_EQ(names, (std::vector<std::string>{"low", "none", "c", "a", "b", "huge"}));
}

