#include <gtest/gtest.h>

#include <sys/stat.h>

#include "MeshConfigurationEntity.h"
#include "TWMUtil.h"
#include "TestEnvironment.h"
#include "TestTree.h"
#include "XMLOperator.h"

namespace {

class MeshConfigurationFile : public ::testing::Test {
protected:
    void SetUp() override {
        TestEnvironment::ResetFolders();
        TWMUtil::OverrideUserIdForTesting("pupil");
    }
    void TearDown() override { TWMUtil::OverrideUserIdForTesting(wxString()); }

    static std::string UserFile() { return TestEnvironment::Home() + "/Lanternfield/MeshConfiguation.xml"; }
    static std::string AdminFile() { return TestEnvironment::Root() + "/etc/Lanternfield/MeshConfiguation.xml"; }
    static void WriteUserFile(const std::string& xml) {
        TestTree::MakeDirs(TestEnvironment::Home() + "/Lanternfield", 0700);
        TestTree::WriteFile(UserFile(), xml);
    }
    static unsigned ModeOf(const std::string& path) {
        struct stat st {};
        stat(path.c_str(), &st);
        return st.st_mode & 07777;
    }

    XMLOperator m_xml;
};

}  // namespace

TEST_F(MeshConfigurationFile, WritesTheDocumentAndReadsItBack) {
    MeshConfigurationEntity out;
    out.SetHostName(wxString::FromUTF8("Raum 3 \xC3\xA4 \"<&>\""));
    out.SetChannel(11);
    out.SetAdvertiseTime(-5);
    ASSERT_TRUE(m_xml.WriteMeshConfiguration(&out));

    const std::string text = TestTree::ReadFile(UserFile());
    EXPECT_EQ(text.rfind("<?xml version=\"1.0\" ?>", 0), 0u) << text;
    EXPECT_NE(text.find("<Mesh>"), std::string::npos);
    EXPECT_LT(text.find("MeshLocalHostName"), text.find("MeshChannel"));
    EXPECT_LT(text.find("MeshChannel"), text.find("MeshAdvertiseTime"));
    EXPECT_NE(text.find("<MeshChannel value=\"11\" />"), std::string::npos) << text;

    MeshConfigurationEntity in;
    ASSERT_TRUE(m_xml.ReadMeshConfiguration(&in));
    EXPECT_EQ(in.GetHostName(), out.GetHostName());
    EXPECT_EQ(in.GetChannel(), 11);
    EXPECT_EQ(in.GetAdvertiseTime(), -5);
}

TEST_F(MeshConfigurationFile, FoldersAreCreatedWithoutWorldWrite) {
    // With no umask to mask them, the modes asked for are the modes made.
    const mode_t savedMask = umask(0);
    MeshConfigurationEntity entity;
    ASSERT_TRUE(m_xml.WriteMeshConfiguration(&entity));
    EXPECT_EQ(ModeOf(TestEnvironment::Home() + "/Lanternfield") & 0077, 0u);
    EXPECT_EQ(ModeOf(UserFile()) & 0077, 0u);

    TWMUtil::OverrideUserIdForTesting("root");
    ASSERT_TRUE(m_xml.WriteMeshConfiguration(&entity));
    EXPECT_TRUE(TestTree::Exists(AdminFile()));
    EXPECT_EQ(ModeOf(TestEnvironment::Root() + "/etc/Lanternfield") & 0022, 0u);
    EXPECT_EQ(ModeOf(AdminFile()) & 0022, 0u);
    umask(savedMask);
    MeshConfigurationEntity in;
    EXPECT_TRUE(m_xml.ReadMeshConfiguration(&in));
}

TEST_F(MeshConfigurationFile, ReadsByPositionWithoutCheckingNames) {
    WriteUserFile("<X><!-- note --><a value=\"pc-7\"/><b value=\" 6 apples\"/><c/><d value=\"9\"/></X>");
    MeshConfigurationEntity entity;
    ASSERT_TRUE(m_xml.ReadMeshConfiguration(&entity));
    EXPECT_EQ(entity.GetHostName(), "pc-7");
    EXPECT_EQ(entity.GetChannel(), 6);
    EXPECT_EQ(entity.GetAdvertiseTime(), 0);  // missing value
}

TEST_F(MeshConfigurationFile, LongDigitRunsSaturate) {
    WriteUserFile("<Mesh><a value=\"h\"/><b value=\"99999999999999999999\"/><c value=\"-99999999999999999999\"/></Mesh>");
    MeshConfigurationEntity entity;
    ASSERT_TRUE(m_xml.ReadMeshConfiguration(&entity));
    EXPECT_EQ(entity.GetChannel(), INT_MAX);
    EXPECT_EQ(entity.GetAdvertiseTime(), INT_MIN);
}

TEST_F(MeshConfigurationFile, IncompleteFilesFailKeepingWhatWasRead) {
    MeshConfigurationEntity entity;
    EXPECT_FALSE(m_xml.ReadMeshConfiguration(&entity));  // no file
    EXPECT_FALSE(m_xml.ReadMeshConfiguration(nullptr));

    WriteUserFile("<Mesh><a value=\"x\"></Mesh>");
    EXPECT_FALSE(m_xml.ReadMeshConfiguration(&entity));
    WriteUserFile("<Mesh/>");
    EXPECT_FALSE(m_xml.ReadMeshConfiguration(&entity));

    WriteUserFile("<Mesh><a value=\"first\"/><b value=\"4\"/></Mesh>");
    EXPECT_FALSE(m_xml.ReadMeshConfiguration(&entity));
    EXPECT_EQ(entity.GetHostName(), "first");
    EXPECT_EQ(entity.GetChannel(), 4);
    EXPECT_EQ(entity.GetAdvertiseTime(), 10);
}

TEST_F(MeshConfigurationFile, AFolderInThePlaceOfTheFileIsNotRead) {
    TestTree::MakeDirs(UserFile());
    MeshConfigurationEntity entity;
    EXPECT_FALSE(m_xml.ReadMeshConfiguration(&entity));
    EXPECT_FALSE(m_xml.WriteMeshConfiguration(&entity));
}
