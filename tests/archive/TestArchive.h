#ifndef TIDEWAVE_TEST_TESTARCHIVE_H
#define TIDEWAVE_TEST_TESTARCHIVE_H

#include <string>
#include <utility>
#include <vector>

// Settings archives as the writer makes them, for tests.
class TestArchive {
public:
    using Files = std::vector<std::pair<std::string, std::string>>;  // name -> content

    // Writes the files into folder + "/src-" + name and packs them into the
    // archive folder + "/" + name; returns the archive's path.
    static std::string Make(const std::string& folder, const std::string& name, const Files& files);
};

#endif
