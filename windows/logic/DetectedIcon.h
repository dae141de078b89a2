#ifndef TIDEWAVE_DETECTEDICON_H
#define TIDEWAVE_DETECTEDICON_H

#include <wx/string.h>

#include "RvlSdk.h"

class wxBitmapButton;
class wxStaticText;

// One access point on the scan map: its record and the controls that show
// it (null while it has none).
struct DetectedIcon {
    APStatus AP{};
    wxBitmapButton* button = nullptr;
    wxStaticText* label = nullptr;
    wxString text;  // the SSID as text, uncut; empty for a hidden network
};

#endif
