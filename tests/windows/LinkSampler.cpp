#include "LinkSampler.h"

#include <sstream>
#include <vector>

#include <wx/control.h>
#include <wx/gauge.h>
#include <wx/listctrl.h>
#include <wx/stattext.h>
#include <wx/window.h>

#include "ApStatusUtil.h"
#include "MacFunctions.h"
#include "NetworkManagerDlg.h"
#include "NetworkTypes.h"
#include "ScanNetworkDlg.h"

namespace {

bool AdapterUp(int adapter) {
    int up = 0;
    return RVL_IsExistUpAdapter(adapter, &up) == 0 && up != 0;
}

bool Status(int (*read)(int*)) {
    int value = 0;
    return read(&value) == 0 && value != 0;
}

wxString Text(int (*read)(char*)) {
    char text[RVL_TEXT_BUFFER] = {};
    return read(text) == 0 ? wxString::FromUTF8(text) : wxString();
}

wxString Address(int adapter) {
    char ip[RVL_TEXT_BUFFER] = {};
    return RVL_GetIPAddressHLAN(adapter, ip) == 0 ? wxString::FromUTF8(ip) : wxString();
}

std::string Quoted(const wxString& text) { return "\"" + std::string(text.utf8_str()) + "\""; }

std::string SsidOf(const APStatus& ap) { return ApStatusUtil::SsidBytes(ap); }

}  // namespace

wxString LaptopLinks::WirelessType() const {
    switch (ap.nPhyType) {
    case RVL_PHY_80211B: return "Wireless LAN - 802.11b - 11Mbps";
    case RVL_PHY_80211N: return "Wireless LAN - 802.11n - 108Mbps";
    default: return "Wireless LAN - 802.11g - 54Mbps";
    }
}

LaptopLinks LaptopLinks::Read() {
    LaptopLinks now;
    now.wiredUp = AdapterUp(ADAPTER_WIRED);
    now.cable = Status(&RVL_GetLANStatus);
    now.wirelessUp = AdapterUp(ADAPTER_WIRELESS);
    now.associated = RVL_GetCurrentAP(&now.ap) == 0;
    now.wiredType = Text(&RVL_GetConnectTypeHLAN);
    now.wiredIp = Address(ADAPTER_WIRED);
    now.wirelessIp = Address(ADAPTER_WIRELESS);
    return now;
}

std::string LaptopLinks::Describe() const {
    std::ostringstream out;
    out << "the laptop: wired " << (wiredUp ? "up" : "down") << (cable ? " with" : " without") << " its cable link ("
        << Quoted(wiredType) << ", " << Quoted(wiredIp) << "), wireless " << (wirelessUp ? "up" : "down");
    if (associated)
        out << " on " << SsidOf(ap) << " (phy " << ap.nPhyType << ", " << ap.nSignalQuality << "%, "
            << Quoted(wirelessIp) << ")";
    else
        out << " not associated";
    return out.str();
}

LinkSampler::LinkSampler(std::function<Judge()> read) : m_read(std::move(read)) {
    m_timer.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { Sample(); });
    m_timer.Start(100);
}

LinkSampler::~LinkSampler() { m_timer.Stop(); }

void LinkSampler::Sample(const std::string& moment) {
    const Judge judge = m_read();
    const LaptopLinks now = LaptopLinks::Read();
    ++m_nSamples;
    const std::string fault = judge(now);
    if (fault.empty() || ++m_nFaults > 20)
        return;
    m_faults += "sample " + std::to_string(m_nSamples) + " (" + moment + "): " + fault + "; " + now.Describe() + "\n";
}

LinkSampler::Judge JudgeMainWindow(NetworkManagerDlg* main, const std::map<wxString, std::string>& profiles) {
    auto text = [main](const char* name) {
        return wxControl::RemoveMnemonics(wxWindow::FindWindowByName(name, main)->GetLabel());
    };
    wxWindow* signalValue = wxWindow::FindWindowByName("ID_STCSQVAL", main);
    const wxString status = text("ID_STCSTATUS"), type = text("ID_STCTYPE"), ip = text("ID_STCIPADDR");
    const wxString signal = signalValue->IsShown() ? signalValue->GetLabel() : wxString();
    const int gauge = static_cast<wxGauge*>(wxWindow::FindWindowByName("gauge", main))->GetValue();
    wxWindow* labelWindow = wxWindow::FindWindowByName("ID_STCCURRENTPROF", main);
    // A cut name is whole in its tooltip.
    const wxString label =
        labelWindow->GetToolTipText().empty() ? labelWindow->GetLabel() : labelWindow->GetToolTipText();
    return [=](const LaptopLinks& now) {
        std::vector<std::string> wrong;
        const bool anyLink = now.WiredLink() || now.WirelessLink();
        if (status == "Connected" && !anyLink)
            wrong.push_back("status \"Connected\"");
        const bool typeHeld = type.StartsWith("Wired LAN - ")
                                  ? now.WiredLink() && type == "Wired LAN - " + now.wiredType
                                  : type.empty() || (now.WirelessLink() && type == now.WirelessType());
        if (!typeHeld)
            wrong.push_back("type " + Quoted(type));
        const wxString quality = now.WirelessLink() ? wxString::Format("%u%%", now.ap.nSignalQuality) : wxString();
        if (!signal.empty() && signal != quality)
            wrong.push_back("signal " + Quoted(signal));
        if (gauge != 0 && (!now.WirelessLink() || gauge != static_cast<int>(now.ap.nSignalQuality)))
            wrong.push_back("signal gauge at " + std::to_string(gauge));
        const bool addressHeld = (now.WiredLink() && ip == now.wiredIp) || (now.WirelessLink() && ip == now.wirelessIp);
        if (!ip.empty() && !(ip == "Acquiring Network Address" ? anyLink : addressHeld))
            wrong.push_back("address " + Quoted(ip));
        // The label names the wired adapter, a profile or a network.
        bool labelHeld = label.empty() || (label == "Wired LAN" && now.wiredUp);
        const auto profile = profiles.find(label);
        if (profile != profiles.end())
            labelHeld = profile->second.empty() ? now.WiredLink()
                                                : now.WirelessLink() && SsidOf(now.ap) == profile->second;
        else if (!labelHeld)
            labelHeld = now.WirelessLink() && SsidOf(now.ap) == std::string(label.utf8_str());
        if (!labelHeld)
            wrong.push_back("label " + Quoted(label));
        std::string shown;
        for (const std::string& w : wrong)
            shown += (shown.empty() ? "the main window shows " : ", ") + w;
        return shown;
    };
}

LinkSampler::Judge JudgeScanMap(ScanNetworkDlg* scan) {
    // The networks marked as connected: a red label on the map, "Yes" in the
    // list; each by its MAC address.
    std::vector<std::pair<wxString, wxString>> marked;  // name, MAC
    for (int slot = 0; slot < ScanRecorder::SLOT_COUNT; ++slot) {
        const DetectedIcon* icon = scan->GetRecorder().GetIcon(slot);
        if (icon != nullptr && icon->label != nullptr && icon->label->GetForegroundColour() == wxColour(255, 0, 0))
            marked.emplace_back("map " + icon->text, FormatMacAddress(icon->AP.ucBSSID));
    }
    wxListCtrl* list = scan->GetList();
    for (long row = 0; row < list->GetItemCount(); ++row) {
        if (list->GetItemText(row, 4) == "Yes")
            marked.emplace_back("list " + list->GetItemText(row, 1), list->GetItemText(row, 7));
    }
    return [marked](const LaptopLinks& now) {
        const wxString joined = now.WirelessLink() ? FormatMacAddress(now.ap.ucBSSID) : wxString();
        std::string shown;
        for (const auto& [name, mac] : marked) {
            if (mac != joined)
                shown += (shown.empty() ? "the scan window marks as connected " : ", ") + Quoted(name);
        }
        return shown;
    };
}
