#ifndef TIDEWAVE_PROFILEBENCHDATA_H
#define TIDEWAVE_PROFILEBENCHDATA_H

#include <string>

#include "ProfileList.h"

// The profiles the benchmarks load: generated, written into the
// administrator folder of a temporary settings root.
namespace ProfileBenchData {

const int kProfileCount = 1000;

// Profile i of the generated set: every group filled, priorities shuffled.
ProfileList_t SampleProfile(int i);

// A temporary settings root and home, set as TIDEWAVE_ROOT and HOME; empty
// when it cannot be made.
std::string MakeRoot();
// Writes the generated set into the administrator folder; false when a file
// could not be written.
bool WriteProfiles();
void RemoveRoot(const std::string& root);

}  // namespace ProfileBenchData

#endif
