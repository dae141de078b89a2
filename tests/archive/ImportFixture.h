#ifndef TIDEWAVE_TEST_IMPORTFIXTURE_H
#define TIDEWAVE_TEST_IMPORTFIXTURE_H

#include <atomic>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "SchoolSettingImporter.h"
#include "TestCertificates.h"
#include "TestTree.h"

// A program folder with "cacert.pem", a settings folder under the test root,
// a temporary folder of its own, and a stand-in for the platform library's
// file copy that records what it was given.
class ImportFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // An archive of the given files (name -> content) in the test tree.
    std::string MakeArchive(const std::string& archiveName,
                            const std::vector<std::pair<std::string, std::string>>& files);
    std::string ServerCert() const { return TestTree::ReadFile(m_certs->serverCert); }
    std::string SettingsFile(const std::string& name) const { return m_settings + "/" + name; }
    // A writer that copies into the settings folder, and fails for the
    // names in m_failNames.
    SchoolSettingImporter::FileWriter Writer();
    // Names left in the shared "twm" folder of the temporary folder.
    std::set<std::string> LeftInWorkFolder() const;

    TestTree m_tree;
    std::unique_ptr<TestCertificates> m_certs;
    std::string m_programFolder;
    std::string m_settings;
    std::string m_tmp;
    std::mutex m_mutex;
    std::vector<std::string> m_written;     // file names given to the writer
    std::set<std::string> m_failNames;
    std::atomic<int> m_active{0};
    std::atomic<int> m_maxActive{0};
};

#endif
