#ifndef TIDEWAVE_SIM_DEFAULTWORLD_H
#define TIDEWAVE_SIM_DEFAULTWORLD_H

#include <string>

#include "sim/SimWorld.h"

// The laptop the simulation runs when no world file is named: a wired
// adapter with link, a wireless adapter, nine access points of every
// security and signal level, two mesh neighbours.  platform/README.md lists
// it with its keys.
class DefaultWorld {
public:
    static const std::string& Xml();
    static SimWorld Make();
};

#endif
