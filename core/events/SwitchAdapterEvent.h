#ifndef TIDEWAVE_SWITCHADAPTEREVENT_H
#define TIDEWAVE_SWITCHADAPTEREVENT_H

#include <wx/event.h>

// The reply to one adapter switch request: which adapter was shut down, which
// was started (0 none, 1 wired, 2 wireless) and whether it worked.
class SwitchAdapterEvent : public wxEvent {
public:
    SwitchAdapterEvent(int shutDown = 0, int started = 0, bool success = false);
    int GetShutDown() const { return m_nShutDown; }
    int GetStarted() const { return m_nStarted; }
    bool GetSuccess() const { return m_bSuccess; }
    wxEvent* Clone() const override { return new SwitchAdapterEvent(*this); }

private:
    int m_nShutDown;
    int m_nStarted;
    bool m_bSuccess;
};

wxDECLARE_EVENT(wxEVT_TW_SWITCH_ADAPTER, SwitchAdapterEvent);
typedef void (wxEvtHandler::*SwitchAdapterEventFunction)(SwitchAdapterEvent&);
#define SwitchAdapterEventHandler(func) wxEVENT_HANDLER_CAST(SwitchAdapterEventFunction, func)
#define EVT_SWITCH_ADAPTER_EVENT(id, func) \
    wx__DECLARE_EVT1(wxEVT_TW_SWITCH_ADAPTER, id, SwitchAdapterEventHandler(func))

#endif
