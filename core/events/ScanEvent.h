#ifndef TIDEWAVE_SCANEVENT_H
#define TIDEWAVE_SCANEVENT_H

#include <wx/event.h>

// A scan or lookup finished; the value is its result (or a generation number).
class ScanEvent : public wxEvent {
public:
    explicit ScanEvent(int id = 0);
    void SetValue(int value) { m_nValue = value; }
    int GetValue() const { return m_nValue; }
    wxEvent* Clone() const override { return new ScanEvent(*this); }

private:
    int m_nValue = 0;
};

wxDECLARE_EVENT(wxEVT_TW_SCAN, ScanEvent);
typedef void (wxEvtHandler::*ScanEventFunction)(ScanEvent&);
#define ScanEventHandler(func) wxEVENT_HANDLER_CAST(ScanEventFunction, func)
#define EVT_SCAN_EVENT(id, func) wx__DECLARE_EVT1(wxEVT_TW_SCAN, id, ScanEventHandler(func))

#endif
