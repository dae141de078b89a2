#ifndef TIDEWAVE_PROGRAMFOLDER_H
#define TIDEWAVE_PROGRAMFOLDER_H

#include <string>

// The folder of the running executable: images lie under its "pic/", and the
// classroom CA certificate "cacert.pem" is kept there.  It is known from the
// very start of the program: taken from /proc/self/exe on first use, or set
// once by the application before anything else runs.
namespace ProgramFolder {

std::string Get();                       // without a trailing "/"
void Set(const std::string& folder);     // for the application object and tests
std::string File(const std::string& relative);  // Get() + "/" + relative

}  // namespace ProgramFolder

#endif
