// The policy, settings-version and mesh configuration files arrive with
// classroom settings and are read at every start: a file no reader can take
// reads as a missing one.
#include <functional>
#include <string>

#include <gtest/gtest.h>
#include <wx/arrstr.h>

#include "MeshConfigurationEntity.h"
#include "PolicyManager.h"
#include "ProfileVersion.h"
#include "TWMUtil.h"
#include "TestEnvironment.h"
#include "TestTree.h"
#include "XMLOperator.h"

namespace {

std::string Repeat(const std::string& piece, size_t times) {
    std::string out;
    out.reserve(piece.size() * times);
    for (size_t i = 0; i < times; ++i)
        out += piece;
    return out;
}

std::string Nested(const std::string& root, size_t levels) {
    return "<" + root + ">" + Repeat("<a>", levels) + Repeat("</a>", levels) + "</" + root + ">";
}

class SettingsFileBounds : public ::testing::Test {
protected:
    void SetUp() override {
        TestEnvironment::ResetFolders();
        TestTree::MakeDirs(TestEnvironment::Root() + "/etc/Lanternfield");
        TWMUtil::OverrideUserIdForTesting("root");  // the mesh file in the same folder
    }
    void TearDown() override { TWMUtil::OverrideUserIdForTesting(wxString()); }

    static void Write(const std::string& file, const std::string& text) {
        TestTree::WriteFile(TestEnvironment::Root() + "/etc/Lanternfield/" + file, text);
    }

    // Reads the file through its reader; whether it was read, and what the
    // program then goes on with, as text.
    struct Reader {
        const char* file;
        std::function<bool(std::string&)> read;
    };
    static std::vector<Reader> Readers() {
        return {
            {"NetworkPolicy.xml",
             [](std::string& seen) {
                 PolicyManager policy;
                 seen = std::string(policy.CanUseMesh() ? "1" : "0") + (policy.CanScanWireless() ? "1" : "0") +
                        (policy.CanMaintainProfiles() ? "1" : "0") + (policy.CanTurnWirelessOnOff() ? "1" : "0");
                 return policy.LoadPolicy();
             }},
            {"VersionInfo.xml",
             [](std::string& seen) {
                 wxArrayString out;
                 out.Add("before");
                 const bool read = ProfileVersion().GetProfileVersion(out);
                 seen = out.size() > 1 ? out[1].ToStdString() + " and " + std::to_string(out.size() - 2) + " files"
                                       : out[0].ToStdString();
                 return read;
             }},
            {"MeshConfiguation.xml",
             [](std::string& seen) {
                 MeshConfigurationEntity entity;
                 const bool read = XMLOperator().ReadMeshConfiguration(&entity);
                 seen = entity.GetHostName().ToStdString() + " " + std::to_string(entity.GetChannel());
                 return read;
             }},
        };
    }
};

}  // namespace

TEST_F(SettingsFileBounds, AFileBeyondTheBoundsReadsAsMissing) {
    // Each bound's own cases are the shared reader's; here each reader shows
    // it reads through it.
    const std::string hostile[] = {
        Nested("Policy", 60000),
        "<Policy>" + Repeat("<a value=\"1\"/>", 5000) + "</Policy>",
        "<Policy><a value=\"1\"/></Policy>" + std::string(3 * 1024 * 1024, ' '),
    };
    for (const Reader& reader : Readers()) {
        std::string missing;
        EXPECT_FALSE(reader.read(missing)) << reader.file;
        for (const std::string& text : hostile) {
            Write(reader.file, text);
            std::string seen;
            EXPECT_FALSE(reader.read(seen)) << reader.file << ": " << text.substr(0, 40);
            EXPECT_EQ(seen, missing) << reader.file << ": " << text.substr(0, 40);
        }
    }
}

TEST_F(SettingsFileBounds, RealFilesStillRead) {
    Write("NetworkPolicy.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- Room 12 -->\n<NetworkPolicy>"
                               "<UseMesh value=\"0\"/><Scan value=\"1\"/><Profiles value=\"0\"/>"
                               "<Wireless value=\"1\"/></NetworkPolicy>\n");
    // A version file naming the most files an archive holds, with long names.
    std::string files;
    for (int i = 0; i < 1024; ++i)
        files += "  <File name=\"" + std::to_string(i) + Repeat("\xC3\xA4", 500) + ".profile\"/>\n";
    Write("VersionInfo.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<VersionInfo version=\"2024.3\">\n" + files +
                                 "</VersionInfo>\n");
    Write("MeshConfiguation.xml", "<?xml version=\"1.0\" ?>\n<Mesh><MeshLocalHostName value=\"Raum-3\"/>"
                                  "<MeshChannel value=\"11\"/><MeshAdvertiseTime value=\"30\"/></Mesh>\n");
    const std::string expected[] = {"0101", "2024.3 and 1024 files", "Raum-3 11"};
    size_t i = 0;
    for (const Reader& reader : Readers()) {
        std::string seen;
        EXPECT_TRUE(reader.read(seen)) << reader.file;
        EXPECT_EQ(seen, expected[i++]) << reader.file;
    }
}

TEST_F(SettingsFileBounds, ARefusalIsToldOnceUntilTheFileChanges) {
    const auto policyLines = [] {
        ::testing::internal::CaptureStderr();
        PolicyManager policy;
        policy.LoadPolicy();
        policy.LoadPolicy();
        const std::string err = ::testing::internal::GetCapturedStderr();
        size_t lines = 0;
        for (size_t at = err.find("NetworkPolicy.xml ignored"); at != std::string::npos;
             at = err.find("NetworkPolicy.xml ignored", at + 1))
            ++lines;
        return lines;
    };
    Write("NetworkPolicy.xml", Nested("Policy", 60000));
    EXPECT_EQ(policyLines(), 1u);
    EXPECT_EQ(policyLines(), 0u);
    Write("NetworkPolicy.xml", Nested("Policy", 10));  // refused for another reason
    EXPECT_EQ(policyLines(), 1u);
    Write("NetworkPolicy.xml", "<P><a value=\"1\"/><b value=\"1\"/><c value=\"1\"/><d value=\"1\"/></P>");
    EXPECT_EQ(policyLines(), 0u);
    Write("NetworkPolicy.xml", Nested("Policy", 10));  // refused again after it read
    EXPECT_EQ(policyLines(), 1u);
}
