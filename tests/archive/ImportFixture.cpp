#include "ImportFixture.h"

#include <chrono>
#include <cstdlib>
#include <thread>

#include <dirent.h>

#include "ProgramFolder.h"
#include "SystemPaths.h"
#include "TestArchive.h"
#include "TestEnvironment.h"

void ImportFixture::SetUp() {
    TestEnvironment::ResetFolders();
    m_programFolder = m_tree / "program";
    TestTree::MakeDirs(m_programFolder);
    m_certs = std::make_unique<TestCertificates>(m_tree.Path());
    TestTree::WriteFile(m_programFolder + "/cacert.pem", TestTree::ReadFile(m_certs->caFile));
    ProgramFolder::Set(m_programFolder);
    m_settings = SystemPaths::AdminDir();
    TestTree::MakeDirs(m_settings);
    m_tmp = m_tree / "tmp";
    TestTree::MakeDirs(m_tmp, 0700);
    setenv("TMPDIR", m_tmp.c_str(), 1);
}

void ImportFixture::TearDown() { unsetenv("TMPDIR"); }

std::string ImportFixture::MakeArchive(const std::string& archiveName,
                                       const std::vector<std::pair<std::string, std::string>>& files) {
    return TestArchive::Make(m_tree.Path(), archiveName, files);
}

SchoolSettingImporter::FileWriter ImportFixture::Writer() {
    return [this](char word[RVL_TEXT_BUFFER]) {
        const int now = ++m_active;
        int seen = m_maxActive.load();
        while (now > seen && !m_maxActive.compare_exchange_weak(seen, now)) {
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        const std::string path(word);
        const std::string name = path.substr(path.rfind('/') + 1);
        int rc = 0;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_written.push_back(name);
            if (m_failNames.count(name))
                rc = 1;
        }
        if (rc == 0)
            TestTree::WriteFile(m_settings + "/" + name, TestTree::ReadFile(path));
        --m_active;
        return rc;
    };
}

std::set<std::string> ImportFixture::LeftInWorkFolder() const {
    std::set<std::string> names;
    if (DIR* d = opendir((m_tmp + "/twm").c_str())) {
        while (dirent* e = readdir(d)) {
            const std::string n = e->d_name;
            if (n != "." && n != "..")
                names.insert(n);
        }
        closedir(d);
    }
    return names;
}
