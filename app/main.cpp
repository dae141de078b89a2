// Program entry.
#include <wx/log.h>

#include "TWMApp.h"

int main(int argc, char** argv) {
    // Until the toolkit is up (it cannot be without a display) messages go
    // to standard error; TWMApp::OnInit then shows them in windows.
    wxLog::SetActiveTarget(new wxLogStderr);
    wxApp::SetInstance(new TWMApp);
    return wxEntry(argc, argv);
}
