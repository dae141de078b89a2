#ifndef TIDEWAVE_TESTENVIRONMENT_H
#define TIDEWAVE_TESTENVIRONMENT_H

#include <string>

// Every test process runs with a temporary TIDEWAVE_ROOT and HOME, so no test
// ever reads or writes the machine's /etc or the real home folder.  The
// folders are made before the first test and removed after the last.
namespace TestEnvironment {

void Install();                 // call from main before RUN_ALL_TESTS
const std::string& Root();      // the temporary TIDEWAVE_ROOT
const std::string& Home();      // the temporary HOME

// Empties the root and home folders between tests that need a clean slate.
void ResetFolders();

}  // namespace TestEnvironment

#endif
