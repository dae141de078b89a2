#ifndef TIDEWAVE_COMMANDRUNNER_H
#define TIDEWAVE_COMMANDRUNNER_H

#include <string>
#include <vector>

#include <wx/arrstr.h>
#include <wx/string.h>

#include "ChildProcess.h"

// The program's few fixed commands ("killall nm-applet", the restart script,
// the manual viewer) and the programs whose output it reads (the Samba
// client tools) run through here, so that tests can record or stand in for
// them instead of ending the developer's processes, opening a viewer or
// asking the network.  Every program starts from an argument vector, never
// through a shell: a path with blanks or quotes, or text from a peer, is
// one argument.
class CommandRunner {
public:
    virtual ~CommandRunner() = default;
    // A program (argument vector), waited for; its wait status, -1 when it
    // could not start.  See ChildProcess::Run.
    virtual int Run(const std::vector<std::string>& argv) = 0;
    // A program started in the background (argument vector), not waited for.
    virtual bool Launch(const wxArrayString& argv) = 0;
    // A program (argument vector, no shell) whose standard output is read
    // within a bound and a time-out; see ChildProcess::Capture.  Any thread.
    virtual CapturedOutput Capture(const std::vector<std::string>& argv, size_t maxOutput, int timeoutMs) {
        return ChildProcess::Capture(argv, maxOutput, timeoutMs);
    }

    // The user manual of the help commands, and the copy the dialogs' help
    // keys look for.
    static const char* const kUserManual;
    static const char* const kDialogManual;

    // Opens a manual (a fixed path, under the root prefix) in the viewer at
    // a page label when the file exists; false when it does not or the
    // viewer cannot start.
    static bool OpenManual(const std::string& fixedPath, int pageLabel);

    // The runner in use: the real one unless a test installed another.
    static CommandRunner& Get();
    static void Install(CommandRunner* runner);  // null restores the real one
};

#endif
