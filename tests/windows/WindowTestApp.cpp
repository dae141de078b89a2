#include "TWMApp.h"

// The windows reach the application object through wxGetApp().
wxApp* CreateTestApplication() { return new TWMApp; }
