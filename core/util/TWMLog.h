#ifndef TIDEWAVE_TWMLOG_H
#define TIDEWAVE_TWMLOG_H

// Trace lines of an operation: each source file names its own log, and passes
// "Enter Class::Operation" / "Leave Class::Operation" and state lines.
// Nothing is written to a file: a fixed name under /tmp would be open to any
// local user.  Debug builds route the lines to wxLogDebug.
void TWMLog(const char* logPath, const char* message);

#endif
