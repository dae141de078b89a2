#ifndef TIDEWAVE_COMMANDRUNNER_H
#define TIDEWAVE_COMMANDRUNNER_H

#include <wx/arrstr.h>
#include <wx/string.h>

// The program's few fixed commands ("killall nm-applet", the restart script,
// the manual viewer) run through here, so that tests can record them instead
// of ending the developer's processes or opening a viewer.  No text from a
// file, a peer or the air is ever passed here.
class CommandRunner {
public:
    virtual ~CommandRunner() = default;
    // A fixed shell command, waited for; returns its status.
    virtual int System(const wxString& command) = 0;
    // A program started in the background (argument vector), not waited for.
    virtual bool Launch(const wxArrayString& argv) = 0;

    // The runner in use: the real one unless a test installed another.
    static CommandRunner& Get();
    static void Install(CommandRunner* runner);  // null restores the real one
};

#endif
