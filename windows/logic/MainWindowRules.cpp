#include "MainWindowRules.h"

#include "NetworkTypes.h"
#include "TWMUtil.h"

namespace MainWindowRules {

bool IsBlank(const wxString& text) {
    return text.find_first_not_of(' ') == wxString::npos;
}

Controls ForMode(int mode, int meshStatus, const wxString& switcherText, const wxString& currentName) {
    Controls c;
    const bool empty = IsBlank(switcherText);
    c.connectEnabled = !empty;
    if (empty)
        c.connectLabel = Label::On;
    const Label ruleD = !empty && !currentName.empty() ? Label::Off : Label::On;

    switch (mode) {
    case NETMODE_WIRED_CONNECTED:
        c.statusImage = "pic/cnctimage_wired.png";
        c.signal = c.scan = c.neighbours = Change::Disable;
        c.wireless = Label::On;
        c.connectLabel = ruleD;
        break;
    case NETMODE_WIRED_NOLINK:
    case NETMODE_NO_ADAPTER:
        c.statusImage = "pic/cnctimage_disconnect.png";
        c.signal = c.scan = c.neighbours = Change::Disable;
        c.wireless = Label::On;
        c.connectLabel = Label::On;
        break;
    case NETMODE_WIRELESS_CONNECTED:
        c.statusImage = "pic/cnctimage.png";
        c.signal = c.scan = c.neighbours = Change::Enable;
        c.wireless = Label::Off;
        c.connectLabel = ruleD;
        break;
    case NETMODE_WIRELESS_NOLINK:
        c.statusImage = "pic/cnctimage_disconnect.png";
        c.signal = c.scan = c.neighbours = Change::Enable;
        c.wireless = Label::Off;
        c.connectLabel = Label::On;
        break;
    case NETMODE_MESH:
        c.statusImage = "pic/cnctimage_mesh.png";
        c.signal = Change::Enable;
        c.scan = ScanOffered(meshStatus) ? Change::Enable : Change::Disable;
        c.neighbours = Change::Enable;
        c.wireless = Label::On;
        c.connectLabel = ruleD;
        break;
    default:
        break;
    }
    return c;
}

bool ScanOffered(int meshStatus) { return meshStatus == MESH_OFF || meshStatus == MESH_SHARING_MY_INTERNET; }

std::string ProfileIconFile(const std::string& icon) {
    static const char* const kFiles[] = {"pic/general.png",  "pic/home.png",     "pic/personal.png",
                                         "pic/house.png",    "pic/hospital.png", "pic/building.png",
                                         "pic/bucket.png",   "pic/airport.png"};
    const int value = TWMUtil::ParseLeadingInt(icon.c_str());
    return value >= 0 && value < 8 ? kFiles[value] : "pic/empty_profile.png";
}

ProfileChoices BuildProfileChoices(const std::vector<ProfileList_t>& list, const wxString& currentName,
                                   const std::string& currentPermission) {
    ProfileChoices choices;
    for (size_t i = 0; i < list.size(); ++i) {
        const ProfileList_t& p = list[i];
        if (p.show != "1")
            continue;
        ProfileChoice item;
        item.index = i;
        item.name = TWMUtil::StdStringToWxString(p.name);
        item.iconFile = ProfileIconFile(p.icon);
        if (item.name == currentName && p.permission == currentPermission)
            choices.selection = static_cast<int>(choices.items.size());
        choices.items.push_back(item);
    }
    return choices;
}

WirelessSwitch WirelessSwitchFor(int mode) {
    WirelessSwitch s;
    switch (mode) {
    case NETMODE_WIRED_CONNECTED:
    case NETMODE_WIRED_NOLINK:
        s = {true, ADAPTER_WIRED, ADAPTER_WIRELESS, true};
        break;
    case NETMODE_WIRELESS_CONNECTED:
    case NETMODE_WIRELESS_NOLINK:
        s = {true, ADAPTER_WIRELESS, ADAPTER_WIRED, false};
        break;
    case NETMODE_NO_ADAPTER:
        s = {true, ADAPTER_NONE, ADAPTER_WIRELESS, false};
        break;
    default:
        break;
    }
    return s;
}

}  // namespace MainWindowRules
