#ifndef TIDEWAVE_WIRELESSSWITCHEVENT_H
#define TIDEWAVE_WIRELESSSWITCHEVENT_H

#include <wx/event.h>

// A wireless connection got its address on another network.  The payload is
// the old and the new SSID key: the 36 bytes of SSID length and SSID bytes.
class WirelessSwitchEvent : public wxEvent {
public:
    enum { KEY_SIZE = 36 };

    WirelessSwitchEvent();
    WirelessSwitchEvent(const unsigned char oldKey[KEY_SIZE], const unsigned char newKey[KEY_SIZE]);
    const unsigned char* GetOldSsid() const { return m_oldKey; }
    const unsigned char* GetNewSsid() const { return m_newKey; }
    wxEvent* Clone() const override { return new WirelessSwitchEvent(*this); }

private:
    unsigned char m_oldKey[KEY_SIZE];
    unsigned char m_newKey[KEY_SIZE];
};

wxDECLARE_EVENT(wxEVT_TW_WIRELESS_SWITCH, WirelessSwitchEvent);
typedef void (wxEvtHandler::*WirelessSwitchEventFunction)(WirelessSwitchEvent&);
#define WirelessSwitchEventHandler(func) wxEVENT_HANDLER_CAST(WirelessSwitchEventFunction, func)
#define EVT_WIRELESS_SWITCH_EVENT(id, func) \
    wx__DECLARE_EVT1(wxEVT_TW_WIRELESS_SWITCH, id, WirelessSwitchEventHandler(func))

#endif
