#include "ProfileEvent.h"

wxDEFINE_EVENT(wxEVT_TW_PROFILE, ProfileEvent);

ProfileEvent::ProfileEvent(int id, int code) : wxEvent(id, wxEVT_TW_PROFILE), m_nCode(code) {}
