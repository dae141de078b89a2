#ifndef TIDEWAVE_SCANRESULTVIEW_H
#define TIDEWAVE_SCANRESULTVIEW_H

#include "RvlSdk.h"

// The scan window as the hub sees it: it receives every scan result.
class ScanResultView {
public:
    virtual ~ScanResultView() = default;
    virtual void UI_UpdateAPSatus(int result, AccessPointList* list) = 0;
};

#endif
