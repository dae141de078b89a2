#ifndef TIDEWAVE_SIM_WORLDREADER_H
#define TIDEWAVE_SIM_WORLDREADER_H

#include <string>

#include "sim/SimWorld.h"

// Reads a world description (XML, described in platform/README.md).  A
// description with any fault is refused as a whole with a message that names
// the element and the attribute; `out` is then left as it was.
class WorldReader {
public:
    static bool Parse(const std::string& xml, SimWorld& out, std::string& error);
    static bool ReadFile(const std::string& path, SimWorld& out, std::string& error);
};

#endif
