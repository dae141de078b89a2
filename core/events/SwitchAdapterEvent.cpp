#include "SwitchAdapterEvent.h"

#include "NetworkTypes.h"

wxDEFINE_EVENT(wxEVT_TW_SWITCH_ADAPTER, SwitchAdapterEvent);

SwitchAdapterEvent::SwitchAdapterEvent(int shutDown, int started, bool success)
    : wxEvent(ID_SWITCH_ADAPTER, wxEVT_TW_SWITCH_ADAPTER),
      m_nShutDown(shutDown),
      m_nStarted(started),
      m_bSuccess(success) {}
