// Prints the simulated laptop's built-in world as a world file, to start an
// editable copy from:  tidewave_sim_world > world.xml
#include <cstdio>

#include "sim/DefaultWorld.h"

int main() {
    std::fputs(DefaultWorld::Xml().c_str(), stdout);
    return 0;
}
