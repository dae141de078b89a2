#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

#include "NeighborLookup.h"
#include "NeighborParser.h"
#include "TestTree.h"

namespace {

std::vector<std::string> Names(const std::vector<wxString>& hosts) {
    std::vector<std::string> names;
    for (const wxString& h : hosts)
        names.push_back(h.utf8_string());
    return names;
}

// Stand-in Samba tools first on PATH for the life of the object.
class StubTools {
public:
    explicit StubTools(const std::string& listing) {
        TestTree::MakeDirs(m_tree / "bin");
        TestTree::WriteFile(m_tree / "listing", listing);
        Script("smbtree", "cat '" + (m_tree / "listing") + "'\n");
        // One line per call: the argument count, then each argument between bars.
        Script("nmblookup", "{ printf '%s' \"$#\"; for a in \"$@\"; do printf '|%s' \"$a\"; done; echo; } >> '" +
                                (m_tree / "calls") + "'\n"
                                "echo \"querying $2 on 10.20.0.255\"\necho \"10.20.0.7 $2<00>\"\n");
        m_oldPath = std::getenv("PATH");
        setenv("PATH", ((m_tree / "bin") + ":" + m_oldPath).c_str(), 1);
    }
    ~StubTools() { setenv("PATH", m_oldPath.c_str(), 1); }

    std::string Calls() const {
        return TestTree::Exists(m_tree / "calls") ? TestTree::ReadFile(m_tree / "calls") : std::string();
    }
    const TestTree& Tree() const { return m_tree; }

private:
    void Script(const std::string& name, const std::string& body) {
        const std::string path = m_tree / ("bin/" + name);
        TestTree::WriteFile(path, "#!/bin/sh\n" + body);
        chmod(path.c_str(), 0755);
    }

    TestTree m_tree;
    std::string m_oldPath;
};

}  // namespace

TEST(NeighborParser, HostLinesGiveTheNameUpToTheFirstBlankOrTab) {
    const std::string listing =
        "WORKGROUP\n"
        "\t\\\\LAB-PC-01     \t\tLab printer host\n"
        "\t\\\\LIBRARY-PRINT-2\t\tnotes for class\n"  // 15 letters: no blank after them
        "\t\\\\\n"                                  // nothing after the backslashes
        "\t\\\\LAB-PC-01\n"                         // listed twice
        "\t\t\\\\LIBRARY\\IPC$   \tIPC Service\n"
        "junk \\\\BEHIND\n"                         // text in front of the backslashes
        "\n";
    EXPECT_EQ(Names(NeighborParser::ParseListing(listing, 100)),
              (std::vector<std::string>{"LAB-PC-01", "LIBRARY-PRINT-2", "", "LAB-PC-01", "LIBRARY\\IPC$", "BEHIND"}));
    EXPECT_TRUE(NeighborParser::ParseListing("WORKGROUP\n\nno hosts here\n", 100).empty());
}

TEST(NeighborParser, ALineOf200BytesEndsTheListingAndAtMost100HostsAreRead) {
    const std::string longLine = "\\\\" + std::string(198, 'X');
    EXPECT_EQ(Names(NeighborParser::ParseListing("\\\\A\n\\\\" + std::string(197, 'B') + "\n" + longLine + "\n\\\\C\n", 100)),
              (std::vector<std::string>{"A", std::string(197, 'B')}));
    std::string many;
    for (int i = 0; i < 150; ++i)
        many += "\t\\\\HOST" + std::to_string(i) + "\n";
    const auto hosts = NeighborParser::ParseListing(many, 100);
    ASSERT_EQ(hosts.size(), 100u);
    EXPECT_EQ(hosts.back(), "HOST99");
}

TEST(NeighborParser, TheAddressIsTheFirstWordOfTheSecondLine) {
    const struct { std::string answer; const char* address; } cases[] = {
        {"querying LAB on 10.20.0.255\n10.20.0.7 LAB<00>\n10.20.0.8 LAB<00>\n", "10.20.0.7"},
        {"querying LAB on 10.20.0.255\n  10.20.0.7\n", "10.20.0.7"},
        {"querying LAB on 10.20.0.255\nname_query failed to find name LAB\n", ""},
        {"querying LAB on 10.20.0.255\n", ""},
        {"querying LAB on 10.20.0.255\nNULL LAB<00>\n", ""},
        {"querying LAB on 10.20.0.255\n   \n", ""},
        {std::string(200, 'q') + "\n10.20.0.7 LAB<00>\n", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NeighborParser::ParseAnswer(c.answer), c.address) << c.answer;
}

TEST(NeighborLookup, AsksForEachNamedHostAndStopsWhenNoLongerWanted) {
    std::vector<std::vector<std::string>> calls;
    auto runner = [&](const std::vector<std::string>& argv, size_t, int) {
        calls.push_back(argv);
        CapturedOutput out;
        if (argv[0] == "smbtree")
            out.output = "WG\n\t\\\\ONE  c\n\t\\\\\n\t\\\\TWO\n";
        else
            out.output = "q\n10.0.0." + std::to_string(calls.size()) + " x\n";
        return out;
    };
    const auto entries = NeighborLookup(runner).Run([] { return true; });
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].hostName, "ONE");
    EXPECT_EQ(entries[0].ipAddress, "10.0.0.2");
    EXPECT_EQ(entries[1].hostName, "");   // listed without a query
    EXPECT_EQ(entries[1].ipAddress, "");
    EXPECT_EQ(entries[2].ipAddress, "10.0.0.3");
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[1], (std::vector<std::string>{"nmblookup", "--", "ONE"}));

    calls.clear();
    int asked = 0;
    EXPECT_TRUE(NeighborLookup(runner).Run([&] { return ++asked < 3; }).empty());
    EXPECT_EQ(calls.size(), 2u) << "a stale lookup runs no further command";
}

TEST(NeighborLookup, HostileNamesReachTheQueryAsOneArgumentAndRunNothing) {
    StubTools tools("WG\n"
                    "\t\\\\-x;touch${IFS}PWNED1\tc\n"
                    "\t\\\\$(touch${IFS}PWNED2)`touch${IFS}PWNED3`|id>PWNED4\n"
                    "\t\\\\--help\n");
    ASSERT_EQ(chdir(tools.Tree().Path().c_str()), 0);  // where a shell would leave its files
    NeighborLookup::Limits limits;
    limits.listingMs = limits.answerMs = 10000;
    const auto entries = NeighborLookup(&ChildProcess::Capture, limits).Run([] { return true; });
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].hostName, "-x;touch${IFS}PWNED1");
    EXPECT_EQ(entries[0].ipAddress, "10.20.0.7");
    EXPECT_EQ(tools.Calls(), "2|--|-x;touch${IFS}PWNED1\n"
                             "2|--|$(touch${IFS}PWNED2)`touch${IFS}PWNED3`|id>PWNED4\n"
                             "2|--|--help\n");
    for (const char* file : {"PWNED1", "PWNED2", "PWNED3", "PWNED4"})
        EXPECT_FALSE(TestTree::Exists(tools.Tree() / file)) << file;
    ASSERT_EQ(chdir("/"), 0);
}

TEST(NeighborLookup, WithoutTheToolsNothingIsFound) {
    StubTools tools("");
    setenv("PATH", "/nonexistent", 1);
    EXPECT_TRUE(NeighborLookup(&ChildProcess::Capture).Run([] { return true; }).empty());
}
