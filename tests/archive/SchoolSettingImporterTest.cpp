#include <dirent.h>
#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <set>
#include <thread>

#include <wx/defs.h>

#include "ImportFixture.h"
#include "SchoolSettingImporter.h"

namespace {

using Files = std::vector<std::pair<std::string, std::string>>;

class SchoolSettingImporterTest : public ImportFixture {
protected:
    wxString Archive(const Files& files, const std::string& name = "s.tar") {
        return wxString::FromUTF8(MakeArchive(name, files).c_str());
    }
};

TEST_F(SchoolSettingImporterTest, VerifiedArchiveIsCopiedExceptDotFiles) {
    const wxString archive = Archive({{"sslservercert.pem", ServerCert()},
                                      {"Home.profile", "<profile/>"},
                                      {"NetworkPolicy.xml", "<policy/>"},
                                      {".hidden", "secret"}});
    SchoolSettingImporter importer;
    importer.SetFileWriter(Writer());
    wxArrayString list;
    EXPECT_TRUE(importer.LoadSchoolSetting(archive, &list));
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(m_written, (std::vector<std::string>{"Home.profile", "NetworkPolicy.xml", "sslservercert.pem"}));
    EXPECT_EQ(TestTree::ReadFile(SettingsFile("Home.profile")), "<profile/>");
    EXPECT_FALSE(TestTree::Exists(SettingsFile(".hidden")));
    // The private folder went, dot-file and all.
    EXPECT_TRUE(LeftInWorkFolder().empty());
}

TEST_F(SchoolSettingImporterTest, RefusedCertificateCopiesNothingAndFails) {
    struct Case { const char* what; Files files; };
    const std::vector<Case> cases = {
        {"foreign CA", {{"sslservercert.pem", TestTree::ReadFile(m_certs->foreignCert)}, {"a.profile", "a"}}},
        {"expired", {{"sslservercert.pem", TestTree::ReadFile(m_certs->expiredCert)}, {"a.profile", "a"}}},
        {"garbage", {{"sslservercert.pem", TestTree::ReadFile(m_certs->garbageFile)}, {"a.profile", "a"}}},
        {"missing", {{"a.profile", "a"}}},
    };
    int n = 0;
    for (const Case& c : cases) {
        SchoolSettingImporter importer;
        importer.SetFileWriter(Writer());
        wxArrayString list;
        list.Add(wxT("before"));
        EXPECT_FALSE(importer.Import(Archive(c.files, "r" + std::to_string(n++) + ".tar"), &list)) << c.what;
        EXPECT_EQ(list.size(), 1u) << c.what;
    }
    // No CA file in the program folder: a valid server certificate fails too.
    std::remove((m_programFolder + "/cacert.pem").c_str());
    SchoolSettingImporter importer;
    importer.SetFileWriter(Writer());
    EXPECT_FALSE(importer.LoadSchoolSetting(Archive({{"sslservercert.pem", ServerCert()}}, "nocacert.tar"), nullptr));
    EXPECT_TRUE(m_written.empty());
    EXPECT_TRUE(LeftInWorkFolder().empty());
}

TEST_F(SchoolSettingImporterTest, BrokenArchiveFailsWithListUntouched) {
    TestTree::WriteFile(m_tree / "bad.tar", "not an archive");
    SchoolSettingImporter importer;
    importer.SetFileWriter(Writer());
    wxArrayString list;
    EXPECT_FALSE(importer.LoadSchoolSetting(wxString::FromUTF8((m_tree / "bad.tar").c_str()), &list));
    EXPECT_FALSE(importer.Import(wxString::FromUTF8((m_tree / "none.tar").c_str()), &list));
    EXPECT_TRUE(list.empty());
    EXPECT_TRUE(m_written.empty());
}

TEST_F(SchoolSettingImporterTest, OverwriteQuestionForExistingProfilesOnly) {
    TestTree::WriteFile(SettingsFile("Home.profile"), "old");
    TestTree::WriteFile(SettingsFile("NetworkPolicy.xml"), "old policy");
    const Files files = {{"sslservercert.pem", ServerCert()},
                         {"Home.profile", "new"},
                         {"School.profile", "school"},
                         {"NetworkPolicy.xml", "new policy"}};
    std::vector<wxString> asked;
    int answer = wxID_NO;
    SchoolSettingImporter importer;
    importer.SetFileWriter(Writer());
    importer.SetOverwriteQuestion([&](const wxString& message, const wxString& caption, long style) {
        asked.push_back(message);
        EXPECT_EQ(caption, wxT("Confirm"));
        EXPECT_EQ(style, wxYES_NO | wxNO_DEFAULT | wxICON_EXCLAMATION);
        return answer;
    });

    EXPECT_TRUE(importer.Import(Archive(files, "no.tar"), nullptr));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], wxT("Home.profile already exists. \n\nAre you sure you want to overwrite it?"));
    EXPECT_EQ(TestTree::ReadFile(SettingsFile("Home.profile")), "old");
    EXPECT_EQ(TestTree::ReadFile(SettingsFile("School.profile")), "school");
    EXPECT_EQ(TestTree::ReadFile(SettingsFile("NetworkPolicy.xml")), "new policy");

    answer = wxID_YES;
    EXPECT_TRUE(importer.Import(Archive(files, "yes.tar"), nullptr));
    EXPECT_EQ(asked.size(), 3u);    // Home.profile and, now existing, School.profile
    EXPECT_EQ(TestTree::ReadFile(SettingsFile("Home.profile")), "new");

    // The deploy path never asks.
    TestTree::WriteFile(SettingsFile("Home.profile"), "old");
    EXPECT_TRUE(importer.LoadSchoolSetting(Archive(files, "deploy.tar"), nullptr));
    EXPECT_EQ(asked.size(), 3u);
    EXPECT_EQ(TestTree::ReadFile(SettingsFile("Home.profile")), "new");

    // Without a question installed an existing profile is kept.
    TestTree::WriteFile(SettingsFile("Home.profile"), "old");
    SchoolSettingImporter silent;
    silent.SetFileWriter(Writer());
    EXPECT_TRUE(silent.Import(Archive(files, "silent.tar"), nullptr));
    EXPECT_EQ(TestTree::ReadFile(SettingsFile("Home.profile")), "old");
}

TEST_F(SchoolSettingImporterTest, FailedCopiesAreListedAndTheRestCopied) {
    m_failNames = {"NetworkPolicy.xml"};
    SchoolSettingImporter importer;
    importer.SetFileWriter(Writer());
    wxArrayString list;
    list.Add(wxT("caller's"));
    EXPECT_FALSE(importer.LoadSchoolSetting(
        Archive({{"sslservercert.pem", ServerCert()}, {"NetworkPolicy.xml", "p"}, {"Z.profile", "z"}}), &list));
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0], wxT("caller's"));
    EXPECT_EQ(list[1], wxT("NetworkPolicy.xml"));
    EXPECT_EQ(TestTree::ReadFile(SettingsFile("Z.profile")), "z");
}

TEST_F(SchoolSettingImporterTest, PathTooLongForThePlatformWordIsNotPassed) {
    std::string deep = m_tmp;
    while (deep.size() < 200)
        deep += "/deeper-folder";
    TestTree::MakeDirs(deep, 0700);
    setenv("TMPDIR", deep.c_str(), 1);
    const std::string longName = std::string(60, 'L') + ".profile";
    SchoolSettingImporter importer;
    importer.SetFileWriter(Writer());
    wxArrayString list;
    EXPECT_FALSE(importer.LoadSchoolSetting(
        Archive({{"sslservercert.pem", ServerCert()}, {longName, "x"}, {"a", "a"}}), &list));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0], wxString::FromUTF8(longName.c_str()));
    EXPECT_EQ(m_written, (std::vector<std::string>{"a", "sslservercert.pem"}));
}

TEST_F(SchoolSettingImporterTest, SharedWorkFolderOfOthersIsNotUsed) {
    TestTree::MakeDirs(m_tmp + "/twm", 0777);
    chmod((m_tmp + "/twm").c_str(), 0777);
    SchoolSettingImporter importer;
    importer.SetFileWriter([&](char word[RVL_TEXT_BUFFER]) {
        EXPECT_EQ(std::string(word).find(m_tmp + "/twm/"), std::string::npos) << word;
        return 0;
    });
    EXPECT_TRUE(importer.LoadSchoolSetting(Archive({{"sslservercert.pem", ServerCert()}}), nullptr));
    EXPECT_TRUE(LeftInWorkFolder().empty());
    // The folder used instead went too.
    std::set<std::string> left;
    if (DIR* d = opendir(m_tmp.c_str())) {
        while (dirent* e = readdir(d))
            if (std::string(e->d_name) != "." && std::string(e->d_name) != "..")
                left.insert(e->d_name);
        closedir(d);
    }
    EXPECT_EQ(left, std::set<std::string>{"twm"});
}

TEST_F(SchoolSettingImporterTest, ImportsOfTwoThreadsNeverOverlap) {
    const wxString a = Archive({{"sslservercert.pem", ServerCert()}, {"A1.profile", "1"}, {"A2.profile", "2"}}, "a.tar");
    const wxString b = Archive({{"sslservercert.pem", ServerCert()}, {"B1.profile", "1"}, {"B2.profile", "2"}}, "b.tar");
    bool okA = false;
    bool okB = false;
    SchoolSettingImporter keeper;   // made before, destroyed after: removes nothing of the others
    // Both start together, and the first copy lasts long enough for the other
    // import to have unpacked: without the lock the two would copy at once.
    std::atomic<bool> go{false};
    std::atomic<bool> firstCopy{true};
    const SchoolSettingImporter::FileWriter counted = Writer();
    const SchoolSettingImporter::FileWriter writer = [&](char word[RVL_TEXT_BUFFER]) {
        if (firstCopy.exchange(false)) {
            const int now = ++m_active;
            int seen = m_maxActive.load();
            while (now > seen && !m_maxActive.compare_exchange_weak(seen, now)) {
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(400));
            --m_active;
        }
        return counted(word);
    };
    std::thread ta([&] {
        while (!go) {
        }
        SchoolSettingImporter importer;
        importer.SetFileWriter(writer);
        okA = importer.Import(a, nullptr);
    });
    std::thread tb([&] {
        while (!go) {
        }
        SchoolSettingImporter importer;
        importer.SetFileWriter(writer);
        okB = importer.LoadSchoolSetting(b, nullptr);
    });
    go = true;
    ta.join();
    tb.join();
    EXPECT_TRUE(okA);
    EXPECT_TRUE(okB);
    EXPECT_EQ(m_maxActive.load(), 1);
    EXPECT_EQ(m_written.size(), 6u);
    for (const char* name : {"A1.profile", "A2.profile", "B1.profile", "B2.profile"})
        EXPECT_TRUE(TestTree::Exists(SettingsFile(name))) << name;
    EXPECT_TRUE(LeftInWorkFolder().empty());
}

}  // namespace
