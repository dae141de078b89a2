#ifndef TIDEWAVE_SCANRESULTVIEW_H
#define TIDEWAVE_SCANRESULTVIEW_H

#include "RvlSdk.h"

// The scan window as the hub, the tray and the other windows see it: it
// receives every scan result, the tray opens it to connect, and the profile
// dialogs borrow it to pick an access point.
class ScanResultView {
public:
    virtual ~ScanResultView() = default;
    virtual void UI_UpdateAPSatus(int result, AccessPointList* list) = 0;
    // Shows the window in connect mode, restored and raised; a window that
    // is already shown (perhaps picking an access point for a profile
    // dialog) is only raised, its mode untouched.
    virtual void ShowForConnect() = 0;
    // Ends a shown window with wxID_CANCEL (modal) or hides it (modeless);
    // a hidden window is left alone.
    virtual void CloseIfShown() = 0;
    // Closes a shown window, then runs it modally in select mode; true with
    // the picked access point's whole record in out after wxID_OK.
    virtual bool PickAccessPoint(APStatus* out) = 0;
    // The hub closed, lost or read the association: the network marked as
    // the connected one follows GetReadAPStatus.
    virtual void ShowCurrentAccessPoint() {}
};

#endif
