#include "WirelessSwitchEvent.h"

#include <cstring>

#include "NetworkTypes.h"

wxDEFINE_EVENT(wxEVT_TW_WIRELESS_SWITCH, WirelessSwitchEvent);

WirelessSwitchEvent::WirelessSwitchEvent() : wxEvent(ID_WIRELESS_SWITCH, wxEVT_TW_WIRELESS_SWITCH) {
    std::memset(m_oldKey, 0, sizeof m_oldKey);
    std::memset(m_newKey, 0, sizeof m_newKey);
}

WirelessSwitchEvent::WirelessSwitchEvent(const unsigned char oldKey[KEY_SIZE],
                                         const unsigned char newKey[KEY_SIZE])
    : WirelessSwitchEvent() {
    if (oldKey != nullptr)
        std::memcpy(m_oldKey, oldKey, KEY_SIZE);
    if (newKey != nullptr)
        std::memcpy(m_newKey, newKey, KEY_SIZE);
}
