#include <gtest/gtest.h>

#include <climits>
#include <dirent.h>
#include <set>
#include <sys/stat.h>

#include "TWMUtil.h"
#include "TestTree.h"

TEST(CheckInvalidChars, TrimsThenLooksForTheTenCharacters) {
    EXPECT_EQ(TWMUtil::CheckInvalidChars(""), 2);
    EXPECT_EQ(TWMUtil::CheckInvalidChars(" \t \n"), 2);
    EXPECT_EQ(TWMUtil::CheckInvalidChars("  School WLAN  "), 0);
    EXPECT_EQ(TWMUtil::CheckInvalidChars("100% sure"), 0);
    for (const char* c : {"<", ">", "\"", "\\", "'", "*", ":", "?", "|", "/"})
        EXPECT_EQ(TWMUtil::CheckInvalidChars(wxString("a") + c + "b"), 1) << c;
    EXPECT_EQ(TWMUtil::CheckInvalidChars(wxString::FromUTF8("Caf\xC3\xA9")), 0);

    const wxString caller = "  name  ";
    TWMUtil::CheckInvalidChars(caller);
    EXPECT_EQ(caller, "  name  ");
}

TEST(IsHexString, DigitsOfEitherCase) {
    EXPECT_TRUE(TWMUtil::IsHexString(""));
    EXPECT_TRUE(TWMUtil::IsHexString("0123456789abcdefABCDEF"));
    EXPECT_FALSE(TWMUtil::IsHexString("12g4"));
    EXPECT_FALSE(TWMUtil::IsHexString(" 12"));
    EXPECT_FALSE(TWMUtil::IsHexString(wxString::FromUTF8("\xEF\xBC\xA1")));  // full-width A
}

TEST(IsNumber, OptionalSignThenDigits) {
    for (const char* yes : {"", "0", "8080", "+1", "-42", "+", "-", "0000099999999999999"})
        EXPECT_TRUE(TWMUtil::IsNumber(yes)) << yes;
    for (const char* no : {" 1", "1 ", "1.5", "+-1", "1-", "0x10", "--"})
        EXPECT_FALSE(TWMUtil::IsNumber(no)) << no;
}

TEST(ParseLeadingInt, ReadsLikeAtoiButSaturates) {
    EXPECT_EQ(TWMUtil::ParseLeadingInt("  +17xyz"), 17);
    EXPECT_EQ(TWMUtil::ParseLeadingInt("-3"), -3);
    EXPECT_EQ(TWMUtil::ParseLeadingInt("abc"), 0);
    EXPECT_EQ(TWMUtil::ParseLeadingInt(""), 0);
    EXPECT_EQ(TWMUtil::ParseLeadingInt(nullptr), 0);
    EXPECT_EQ(TWMUtil::ParseLeadingInt("4294967297"), INT_MAX);
    EXPECT_EQ(TWMUtil::ParseLeadingInt("-99999999999999999999999"), INT_MIN);
}

namespace {

std::set<std::string> Entries(const std::string& folder) {
    std::set<std::string> names;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* e = readdir(dir)) {
            const std::string name = e->d_name;
            if (name != "." && name != "..")
                names.insert(name);
        }
        closedir(dir);
    }
    return names;
}

}  // namespace

TEST(ReplaceFile, ReplacesWholeAndLeavesNoTemporaryFile) {
    TestTree tree;
    const std::string path = tree / "settings.txt";
    TestTree::WriteFile(path, "old content that is longer");
    ASSERT_TRUE(TWMUtil::ReplaceFile(path, "new", 0640));
    EXPECT_EQ(TestTree::ReadFile(path), "new");
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    // The target is a folder: the write fails and nothing is left behind.
    TestTree::MakeDirs(tree / "busy");
    EXPECT_FALSE(TWMUtil::ReplaceFile(tree / "busy", "x", 0600));
    EXPECT_FALSE(TWMUtil::ReplaceFile(tree / "missing/file", "x", 0600));
    EXPECT_EQ(Entries(tree.Path()), (std::set<std::string>{"settings.txt", "busy"}));
    EXPECT_EQ(TestTree::ReadFile(path), "new");
}

TEST(MakeFolder, CreatesParentsAndTheFolderWithItsMode) {
    TestTree tree;
    const std::string path = tree / "a/b/private";
    ASSERT_TRUE(TWMUtil::MakeFolder(path, 0700));
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_TRUE(TWMUtil::MakeFolder(path, 0700));  // already there
    TestTree::WriteFile(tree / "file", "x");
    EXPECT_FALSE(TWMUtil::MakeFolder(tree / "file", 0700));
    EXPECT_FALSE(TWMUtil::MakeFolder(tree / "file/sub", 0700));
}
