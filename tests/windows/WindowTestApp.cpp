#include "TWMApp.h"

// The windows reach the application object through the link it installs.
wxApp* CreateTestApplication() { return new TWMApp; }
