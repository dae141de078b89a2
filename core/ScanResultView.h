#ifndef TIDEWAVE_SCANRESULTVIEW_H
#define TIDEWAVE_SCANRESULTVIEW_H

#include "RvlSdk.h"

// The scan window as the hub and the tray see it: it receives every scan
// result, and the tray opens it to connect.
class ScanResultView {
public:
    virtual ~ScanResultView() = default;
    virtual void UI_UpdateAPSatus(int result, AccessPointList* list) = 0;
    // Shows the window in connect mode, restored and raised; a window that
    // is already shown (perhaps picking an access point for a profile
    // dialog) is only raised, its mode untouched.
    virtual void ShowForConnect() = 0;
};

#endif
