#include "WlanAcmEvent.h"

wxDEFINE_EVENT(wxEVT_TW_WLAN_ACM, WlanAcmEvent);

WlanAcmEvent::WlanAcmEvent(int code, int reason) : WlanAcmEvent(ID_WLAN_ACM, code, reason) {}

WlanAcmEvent::WlanAcmEvent(int id, int code, int reason)
    : wxEvent(id, wxEVT_TW_WLAN_ACM), m_nCode(code), m_nReason(reason) {}
