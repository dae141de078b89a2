// Program entry.
#include "TWMApp.h"

int main(int argc, char** argv) {
    wxApp::SetInstance(new TWMApp);
    return wxEntry(argc, argv);
}
