#ifndef TIDEWAVE_TESTTREE_H
#define TIDEWAVE_TESTTREE_H

#include <string>

// A private temporary folder, removed with everything in it when the object
// goes away.
class TestTree {
public:
    TestTree();
    ~TestTree();
    TestTree(const TestTree&) = delete;
    TestTree& operator=(const TestTree&) = delete;

    const std::string& Path() const { return m_path; }
    // Path + "/" + relative.
    std::string operator/(const std::string& relative) const;

    // Helpers for test data.
    static void WriteFile(const std::string& path, const std::string& content);
    static std::string ReadFile(const std::string& path);
    static bool Exists(const std::string& path);
    static void MakeDirs(const std::string& path, unsigned mode = 0755);
    static void RemoveAll(const std::string& path);

private:
    std::string m_path;
};

#endif
