#include "TestDisplay.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace TestDisplay {

bool Take() {
    // "id:<id>,slots:1"
    const char* given = std::getenv("CTEST_RESOURCE_GROUP_0_DISPLAYS");
    if (given == nullptr || *given == '\0')
        return true;
    std::string id = given;
    if (id.compare(0, 3, "id:") == 0)
        id.erase(0, 3);
    id = id.substr(0, id.find(','));
    if (id == "current")
        return true;
    const std::string prefix = "display_";
    const std::string number = id.compare(0, prefix.size(), prefix) == 0 ? id.substr(prefix.size()) : "";
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) {
        std::fprintf(stderr, "no X display has the id \"%s\" (from CTEST_RESOURCE_GROUP_0_DISPLAYS=%s)\n",
                     id.c_str(), given);
        return false;
    }
    ::setenv("DISPLAY", (":" + number).c_str(), 1);
    return true;
}

}  // namespace TestDisplay
