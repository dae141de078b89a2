#ifndef TIDEWAVE_PROFILEEVENT_H
#define TIDEWAVE_PROFILEEVENT_H

#include <wx/event.h>

// The profile list changed (id 6160) or an apply ended (id 6161); the code
// says how (NetworkTypes.h).
class ProfileEvent : public wxEvent {
public:
    ProfileEvent(int id = 0, int code = 0);
    int GetCode() const { return m_nCode; }
    wxEvent* Clone() const override { return new ProfileEvent(*this); }

private:
    int m_nCode;
};

wxDECLARE_EVENT(wxEVT_TW_PROFILE, ProfileEvent);
typedef void (wxEvtHandler::*ProfileEventFunction)(ProfileEvent&);
#define ProfileEventHandler(func) wxEVENT_HANDLER_CAST(ProfileEventFunction, func)
#define EVT_PROFILE_EVENT(id, func) wx__DECLARE_EVT1(wxEVT_TW_PROFILE, id, ProfileEventHandler(func))

#endif
