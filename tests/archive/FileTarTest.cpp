#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <set>

#include <gtest/gtest.h>

#include "FileTar.h"
#include "RawArchive.h"
#include "TestTree.h"

namespace {

std::set<std::string> Listing(const std::string& folder) {
    std::set<std::string> names;
    if (DIR* d = opendir(folder.c_str())) {
        while (dirent* e = readdir(d)) {
            const std::string n = e->d_name;
            if (n != "." && n != "..")
                names.insert(n);
        }
        closedir(d);
    }
    return names;
}

class FileTarTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestTree::MakeDirs(m_tree / "out/dest");
        TestTree::MakeDirs(m_tree / "src");
    }

    int UnTarBytes(const std::string& bytes) {
        TestTree::WriteFile(m_tree / "a.tar", bytes);
        return FileTar::UnTar(wxString::FromUTF8((m_tree / "a.tar").c_str()),
                              wxString::FromUTF8((m_tree / "out/dest/").c_str()));
    }

    // The destination is empty and nothing appeared beside it.
    void ExpectNothingWritten() {
        EXPECT_TRUE(Listing(m_tree / "out/dest").empty());
        EXPECT_EQ(Listing(m_tree / "out"), std::set<std::string>{"dest"});
    }

    std::string Dest(const std::string& name) { return m_tree / ("out/dest/" + name); }

    TestTree m_tree;
};

TEST_F(FileTarTest, WriterAndReaderRoundTrip) {
    std::string binary;
    for (int i = 0; i < 20000; ++i)
        binary.push_back(static_cast<char>(i * 7));
    TestTree::WriteFile(m_tree / "src/Home.profile", "<profile/>");
    TestTree::WriteFile(m_tree / "src/blob.bin", binary);
    TestTree::WriteFile(m_tree / "src/empty", "");

    FileTar tar;
    tar.SetBasePath(wxString::FromUTF8((m_tree / "src/").c_str()));
    EXPECT_TRUE(tar.SetName(wxT("classroom")));
    EXPECT_EQ(tar.GetName(), wxT("classroom"));
    ASSERT_EQ(tar.AddFile(wxT("Home.profile"), wxT("x")), 0);
    ASSERT_EQ(tar.AddFile(wxT("blob.bin"), wxT("")), 0);
    ASSERT_EQ(tar.AddFile(wxT("empty"), wxT("")), 0);
    EXPECT_EQ(tar.AddFile(wxT("missing"), wxT("")), 1);
    ASSERT_EQ(tar.Tar(wxT("a.tar"), wxString::FromUTF8(m_tree.Path().c_str()) + wxT("/")), 0);

    const std::string bytes = TestTree::ReadFile(m_tree / "a.tar");
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\xCC\x50\x43\x4B", 4));
    EXPECT_EQ(bytes.size(), 2056u + 3 * 2056 + 10 + binary.size());

    ASSERT_EQ(FileTar::UnTar(wxString::FromUTF8((m_tree / "a.tar").c_str()),
                             wxString::FromUTF8((m_tree / "out/dest/").c_str())), 0);
    EXPECT_EQ(TestTree::ReadFile(Dest("Home.profile")), "<profile/>");
    EXPECT_EQ(TestTree::ReadFile(Dest("blob.bin")), binary);
    EXPECT_TRUE(TestTree::Exists(Dest("empty")));
    EXPECT_EQ(TestTree::ReadFile(Dest("empty")), "");
}

TEST_F(FileTarTest, HeaderLimits) {
    FileTarHeader header;
    for (int i = 1; i <= 1024; ++i)
        ASSERT_EQ(header.IncCount(), i);
    EXPECT_EQ(header.IncCount(), 0);
    EXPECT_EQ(header.GetCount(), 1024);

    EXPECT_TRUE(header.SetName(wxString(wxT('n'), 511)));
    EXPECT_FALSE(header.SetName(wxString(wxT('m'), 512)));
    EXPECT_EQ(header.GetName(), wxString(wxT('n'), 511));
}

TEST_F(FileTarTest, EmptyAndOddCountsReadAsEmpty) {
    EXPECT_EQ(UnTarBytes(std::string("\xCC\x50\x43\x4B", 4)), 0);   // magic only
    EXPECT_EQ(UnTarBytes(RawArchive::Build(0, {}, {})), 0);          // exactly 2056 bytes
    EXPECT_EQ(RawArchive::Build(0, {}, {}).size(), 2056u);
    EXPECT_EQ(UnTarBytes(RawArchive::Build(-1, {}, {})), 0);
    ExpectNothingWritten();
}

TEST_F(FileTarTest, RefusesMalformedShapes) {
    const std::vector<uint32_t> ok = RawArchive::Text("ok.profile");
    // Wrong magic: a POSIX tar begins with a file name.
    EXPECT_EQ(UnTarBytes(std::string("ok.profile") + std::string(600, '\0')), 1);
    // Positive count in a file that ends inside the header.
    std::string shortHeader = RawArchive::Build(1, {}, {}).substr(0, 2054);   // count 1, its high bytes missing
    EXPECT_EQ(UnTarBytes(shortHeader), 1);
    // Count above 1024, and a count whose entries are not all there.
    EXPECT_EQ(UnTarBytes(RawArchive::Build(1025, {{0, 2, ok}}, {"ab"})), 1);
    EXPECT_EQ(UnTarBytes(RawArchive::Build(2, {{0, 2, ok}}, {"ab"})), 1);
    // Data past the end, and an offset that wraps in 32 bits.
    EXPECT_EQ(UnTarBytes(RawArchive::Build(1, {{0, 3, ok}}, {"ab"})), 1);
    EXPECT_EQ(UnTarBytes(RawArchive::Build(1, {{0xFFFFFFF0u, 0x20, ok}}, {"ab"})), 1);
    EXPECT_EQ(UnTarBytes(RawArchive::Build(1, {{0x80000000u, 0x80000000u, ok}}, {"ab"})), 1);
    ExpectNothingWritten();
}

TEST_F(FileTarTest, RefusesUnsafeNamesBeforeWritingAnything) {
    const std::vector<std::vector<uint32_t>> bad = {
        RawArchive::Text(""), RawArchive::Text("."), RawArchive::Text(".."),
        RawArchive::Text("../escape"), RawArchive::Text("/etc/passwd"), RawArchive::Text("a/b"),
        RawArchive::Text("bell\a"), {'x', 0x7F, 0}, {'x', 0xD800, 0}, {'x', 0x110000, 0},
        {0xFFFFFFFFu, 0},
    };
    for (const auto& name : bad) {
        // A good entry first: it must not be written either.
        const std::string bytes = RawArchive::Build(
            2, {{0, 1, RawArchive::Text("first")}, {0, 1, name}}, {"1", "2"});
        EXPECT_EQ(UnTarBytes(bytes), 1);
    }
    ExpectNothingWritten();
}

TEST_F(FileTarTest, FullLengthNames) {
    // 255 characters and a terminator fit a file name; characters after
    // the terminator are ignored.
    std::vector<uint32_t> name(255, 'a');
    name.push_back(0);
    name.push_back('z');
    EXPECT_EQ(UnTarBytes(RawArchive::Build(1, {{0, 2, name}}, {"ok"})), 0);
    EXPECT_EQ(TestTree::ReadFile(Dest(std::string(255, 'a'))), "ok");
    // All 256 characters used: taken whole, which no file system accepts.
    EXPECT_EQ(UnTarBytes(RawArchive::Build(1, {{0, 2, std::vector<uint32_t>(256, 'b')}}, {"ok"})), 1);
    // Non-ASCII names are kept as written.
    EXPECT_EQ(UnTarBytes(RawArchive::Build(1, {{0, 1, {0x00E9, 0x1F600, 0}}}, {"e"})), 0);
    EXPECT_EQ(TestTree::ReadFile(Dest("\xC3\xA9\xF0\x9F\x98\x80")), "e");
}

TEST_F(FileTarTest, LayoutFreedomDuplicatesAndReplacement) {
    TestTree::WriteFile(Dest("keep.xml"), "old content that is longer");
    // Entry data out of the writer's order and of size 0; the later of two
    // equal names wins.
    std::string bytes = RawArchive::Build(
        4,
        {{0, 0, RawArchive::Text("dup")},
         {0, 0, RawArchive::Text("keep.xml")},
         {0, 0, RawArchive::Text("dup")},
         {0, 0, RawArchive::Text("zero")}},
        {});
    const uint32_t data = static_cast<uint32_t>(bytes.size());
    bytes += "SECONDFIRSTNEW";
    auto setEntry = [&](int k, uint32_t off, uint32_t size) {
        std::string f;
        RawArchive::PutU32(f, off);
        RawArchive::PutU32(f, size);
        bytes.replace(2056 + k * 2056, 8, f);
    };
    setEntry(0, data + 6, 5);    // "FIRST"
    setEntry(1, data + 11, 3);   // "NEW"
    setEntry(2, data, 6);        // "SECOND", earlier in the file
    setEntry(3, data + 6, 0);    // empty: takes no room
    EXPECT_EQ(UnTarBytes(bytes), 0);
    EXPECT_EQ(TestTree::ReadFile(Dest("dup")), "SECOND");
    EXPECT_EQ(TestTree::ReadFile(Dest("keep.xml")), "NEW");
    EXPECT_EQ(TestTree::ReadFile(Dest("zero")), "");
}

TEST_F(FileTarTest, FilesMayNotShareBytesOrStandInTheTable) {
    // Two entries; their data areas given from the start of the data (after
    // the table), or as absolute offsets into the header and table.
    struct Case {
        const char* what;
        int64_t off1, size1, off2, size2;   // negative: absolute offset -off
    };
    const Case cases[] = {
        {"the same bytes", 0, 8, 0, 8},
        {"overlapping", 0, 8, 7, 8},
        {"one inside the other", 0, 16, 4, 4},
        {"in the entry table", 0, 8, -(2056 + 2056), 8},
        {"in the header", 0, 8, -4, 8},
    };
    std::string data(16, 'd');
    for (const Case& c : cases) {
        std::string bytes = RawArchive::Build(2, {{0, 0, RawArchive::Text("a")}, {0, 0, RawArchive::Text("b")}}, {});
        const int64_t dataStart = static_cast<int64_t>(bytes.size());
        bytes += data;
        const auto put = [&](int k, int64_t off, int64_t size) {
            std::string f;
            RawArchive::PutU32(f, static_cast<uint32_t>(off < 0 ? -off : dataStart + off));
            RawArchive::PutU32(f, static_cast<uint32_t>(size));
            bytes.replace(2056 + k * 2056, 8, f);
        };
        put(0, c.off1, c.size1);
        put(1, c.off2, c.size2);
        EXPECT_EQ(UnTarBytes(bytes), 1) << c.what;
    }
    ExpectNothingWritten();
}

TEST_F(FileTarTest, TheFirstEntryDecidesBeforeAnythingElseIsWritten) {
    const std::string bytes = RawArchive::Build(
        4,
        {{0, 1, RawArchive::Text("a")}, {0, 4, RawArchive::Text("cert")}, {0, 1, RawArchive::Text("b")},
         {0, 3, RawArchive::Text("cert")}},
        {"A", "old!", "B", "new"});
    TestTree::WriteFile(m_tree / "a.tar", bytes);
    const auto unTar = [&](const wxString& first, bool accept) {
        std::set<std::string> seen;
        const int rc = FileTar::UnTar(wxString::FromUTF8((m_tree / "a.tar").c_str()),
                                      wxString::FromUTF8((m_tree / "out/dest/").c_str()), first, [&] {
                                          seen = Listing(m_tree / "out/dest");
                                          return TestTree::ReadFile(Dest("cert")) == "new" && accept;
                                      });
        return std::make_pair(rc, seen);
    };
    // Refused: the last entry of that name alone was written.
    EXPECT_EQ(unTar(wxT("cert"), false), std::make_pair(1, std::set<std::string>{"cert"}));
    EXPECT_EQ(Listing(m_tree / "out/dest"), std::set<std::string>{"cert"});
    ::unlink(Dest("cert").c_str());
    EXPECT_EQ(unTar(wxT("none"), true).first, 1);
    ExpectNothingWritten();
    // Accepted: the rest follows, without the older entry of that name.
    EXPECT_EQ(unTar(wxT("cert"), true).first, 0);
    EXPECT_EQ(Listing(m_tree / "out/dest"), (std::set<std::string>{"a", "b", "cert"}));
    EXPECT_EQ(TestTree::ReadFile(Dest("cert")), "new");
}

TEST_F(FileTarTest, AnArchiveCutShortIsRefusedAsDamaged) {
    using R = FileTar::Refusal;
    const std::string whole = RawArchive::Build(
        2, {{0, 4, RawArchive::Text("cert")}, {0, 9000, RawArchive::Text("b")}}, {"CERT", std::string(9000, 'b')});
    const std::string path = m_tree / "a.tar";
    struct Case {
        const char* what;
        std::string bytes;
        R refusal;
        size_t cutWhenAccepted;   // the archive's length once the first entry is in; 0: as it was
    };
    const Case cases[] = {
        {"magic only", whole.substr(0, 4), R::DAMAGED, 0},
        {"inside the archive name", whole.substr(0, 1000), R::DAMAGED, 0},
        {"inside the count", whole.substr(0, 2054), R::DAMAGED, 0},
        {"inside the entry table", whole.substr(0, 2056 + 3000), R::DAMAGED, 0},
        {"inside the files", whole.substr(0, whole.size() - 1), R::DAMAGED, 0},
        {"while the other files are read", whole, R::DAMAGED, whole.size() - 1},
        {"whole, no entries", RawArchive::Build(0, {}, {}), R::NO_FIRST_ENTRY, 0},
    };
    for (const Case& c : cases) {
        TestTree::WriteFile(path, c.bytes);
        R refusal = R::FIRST_NOT_ACCEPTED;
        const int rc = FileTar::UnTar(wxString::FromUTF8(path.c_str()), wxString::FromUTF8(Dest("").c_str()),
                                      wxT("cert"), [&] {
                                          const bool cut = c.cutWhenAccepted == 0 ||
                                                           ::truncate(path.c_str(), c.cutWhenAccepted) == 0;
                                          EXPECT_TRUE(cut) << c.what;
                                          return true;
                                      }, &refusal);
        EXPECT_EQ(rc, 1) << c.what;
        EXPECT_EQ(static_cast<int>(refusal), static_cast<int>(c.refusal)) << c.what;
        ::unlink(Dest("cert").c_str());
        ::unlink(Dest("b").c_str());
    }
}

TEST_F(FileTarTest, NeverWritesThroughALinkInTheDestination) {
    TestTree::WriteFile(m_tree / "outside", "untouched");
    ASSERT_EQ(symlink((m_tree / "outside").c_str(), Dest("victim").c_str()), 0);
    EXPECT_EQ(UnTarBytes(RawArchive::Build(1, {{0, 4, RawArchive::Text("victim")}}, {"evil"})), 1);
    EXPECT_EQ(TestTree::ReadFile(m_tree / "outside"), "untouched");
}

TEST_F(FileTarTest, MissingArchiveOrDestination) {
    EXPECT_EQ(FileTar::UnTar(wxString::FromUTF8((m_tree / "none.tar").c_str()),
                             wxString::FromUTF8((m_tree / "out/dest/").c_str())), 1);
    TestTree::WriteFile(m_tree / "a.tar", RawArchive::Build(1, {{0, 1, RawArchive::Text("f")}}, {"x"}));
    EXPECT_EQ(FileTar::UnTar(wxString::FromUTF8((m_tree / "a.tar").c_str()),
                             wxString::FromUTF8((m_tree / "out/nofolder/").c_str())), 1);
    ExpectNothingWritten();
}

TEST_F(FileTarTest, WriterRefusesWhatDoesNotFit) {
    FileTar tar;
    tar.SetBasePath(wxString::FromUTF8((m_tree / "src/").c_str()));
    const std::string longName(256, 'n');
    TestTree::WriteFile(m_tree / "src/short", "s");
    EXPECT_EQ(tar.AddFile(wxString(longName), wxT("")), 1);
    EXPECT_EQ(tar.AddFile(wxT("short"), wxString(longName)), 1);
    ASSERT_EQ(tar.AddFile(wxT("short"), wxT("")), 0);
    // A source that shrank since it was added fails the archive and leaves
    // no archive behind.
    TestTree::WriteFile(m_tree / "src/short", "");
    EXPECT_EQ(tar.Tar(wxT("b.tar"), wxT("")), 1);
    EXPECT_FALSE(TestTree::Exists(m_tree / "src/b.tar"));
}

}  // namespace
