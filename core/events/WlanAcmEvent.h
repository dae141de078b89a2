#ifndef TIDEWAVE_WLANACMEVENT_H
#define TIDEWAVE_WLANACMEVENT_H

#include <wx/event.h>

#include "NetworkTypes.h"

// The result of a connection attempt (6256 connected, 6257 failed,
// 6258 disconnected) with its reason.
class WlanAcmEvent : public wxEvent {
public:
    WlanAcmEvent(int code = 0, int reason = REASON_NORMAL);
    WlanAcmEvent(int id, int code, int reason);
    int GetCode() const { return m_nCode; }
    int GetReason() const { return m_nReason; }
    wxEvent* Clone() const override { return new WlanAcmEvent(*this); }

private:
    int m_nCode;
    int m_nReason;
};

wxDECLARE_EVENT(wxEVT_TW_WLAN_ACM, WlanAcmEvent);
typedef void (wxEvtHandler::*WlanAcmEventFunction)(WlanAcmEvent&);
#define WlanAcmEventHandler(func) wxEVENT_HANDLER_CAST(WlanAcmEventFunction, func)
#define EVT_WLAN_ACM_EVENT(id, func) wx__DECLARE_EVT1(wxEVT_TW_WLAN_ACM, id, WlanAcmEventHandler(func))

#endif
