#include "CommandRunner.h"

#include <vector>

#include <wx/filefn.h>
#include <wx/utils.h>

#include "SystemPaths.h"

namespace {

class SystemCommandRunner : public CommandRunner {
public:
    int Run(const std::vector<std::string>& argv) override { return ChildProcess::Run(argv); }

    bool Launch(const wxArrayString& argv) override {
        if (argv.empty())
            return false;
        std::vector<const wchar_t*> args;
        for (const wxString& a : argv)
            args.push_back(a.wc_str());
        args.push_back(nullptr);
        return wxExecute(args.data(), wxEXEC_ASYNC) > 0;
    }
};

SystemCommandRunner g_systemRunner;
CommandRunner* g_runner = nullptr;

}  // namespace

const char* const CommandRunner::kUserManual =
    "/usr/share/doc/tidewave/Korvane_VRDA2.0_Tidewave_User_Manual_Ubuntu.pdf.gz";
const char* const CommandRunner::kDialogManual =
    "/usr/share/TidewaveManager/Korvane_VRDA2.0_Tidewave_User_Manual_Ubuntu.pdf";

CommandRunner& CommandRunner::Get() { return g_runner != nullptr ? *g_runner : g_systemRunner; }

void CommandRunner::Install(CommandRunner* runner) { g_runner = runner; }

bool CommandRunner::OpenManual(const std::string& fixedPath, int pageLabel) {
    const wxString manual = wxString::FromUTF8(SystemPaths::Fixed(fixedPath));
    if (!wxFileExists(manual))
        return false;
    wxArrayString argv;
    argv.push_back("evince");
    argv.push_back(manual);
    argv.push_back(wxString::Format("--page-label=%d", pageLabel));
    return Get().Launch(argv);
}
