#include "TestEnvironment.h"

#include <cstdlib>
#include <memory>

#include <gtest/gtest.h>

#include "TestTree.h"

namespace {

std::unique_ptr<TestTree> g_tree;
std::string g_root;
std::string g_home;

class FolderEnvironment : public ::testing::Environment {
public:
    void TearDown() override { g_tree.reset(); }
};

}  // namespace

namespace TestEnvironment {

void Install() {
    g_tree = std::make_unique<TestTree>();
    g_root = *g_tree / "root";
    g_home = *g_tree / "home";
    ResetFolders();
    setenv("TIDEWAVE_ROOT", g_root.c_str(), 1);
    setenv("HOME", g_home.c_str(), 1);
    ::testing::AddGlobalTestEnvironment(new FolderEnvironment);
}

const std::string& Root() { return g_root; }
const std::string& Home() { return g_home; }

void ResetFolders() {
    TestTree::RemoveAll(g_root);
    TestTree::RemoveAll(g_home);
    TestTree::MakeDirs(g_root + "/etc");
    TestTree::MakeDirs(g_root + "/tmp");
    TestTree::MakeDirs(g_home, 0700);
}

}  // namespace TestEnvironment
