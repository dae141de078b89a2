#ifndef TIDEWAVE_SWITCHADAPTERREQUEST_H
#define TIDEWAVE_SWITCHADAPTERREQUEST_H

class wxEvtHandler;

// One queued adapter switch: shut one adapter down, start another
// (0 none, 1 wired, 2 wireless), and whom to tell (may be null).
struct SwitchAdapterRequest {
    int nShutDown = 0;
    int nStart = 0;
    wxEvtHandler* pReplyTo = nullptr;
};

#endif
