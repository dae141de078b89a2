#ifndef TIDEWAVE_SYSTEMPATHS_H
#define TIDEWAVE_SYSTEMPATHS_H

#include <string>

// Every fixed system path ("/etc/Lanternfield", "/usr/share/...", "/tmp/...")
// is formed here.  TIDEWAVE_ROOT, when set and not "/", is put in front of it,
// so that a demo or a test runs against a folder of its own instead of the
// machine's /etc.
namespace SystemPaths {

// The root prefix: "" for the real file system, else the folder without a
// trailing "/".
std::string Root();

// fixedPath must be absolute ("/etc/Lanternfield"); the result is the same
// path under the root.
std::string Fixed(const std::string& fixedPath);

// The user's home folder from HOME (falling back to the password database),
// without a trailing "/".
std::string Home();

// Well-known folders and files.
std::string AdminDir();      // /etc/Lanternfield
std::string GuestDir();      // /etc/GuestProfile
std::string ResourceDir();   // /usr/share/Tidewave/resource
std::string UserProfileDir();// <home>/Lanternfield

}  // namespace SystemPaths

#endif
