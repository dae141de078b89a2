#include "ProfileFieldRules.h"

#include <sys/stat.h>
#include <unistd.h>

#include <wx/intl.h>

#include "IPv4AddressUtil.h"
#include "TWMUtil.h"

namespace ProfileFieldRules {

namespace {

bool IsHexDigit(wxUniChar c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool AllOf(const wxString& text, bool (*test)(wxUniChar)) {
    for (wxString::const_iterator it = text.begin(); it != text.end(); ++it) {
        if (!test(*it))
            return false;
    }
    return true;
}

bool IsPrintableAscii(wxUniChar c) { return c >= 0x20 && c <= 0x7E; }

// Address text as the user means it: ASCII, and no part with a leading
// zero, which the address parser would read as octal ("010" is 8).  The
// finer rules are IPv4AddressUtil's.
bool IsPlainAddressText(const wxString& text) {
    size_t partLength = 0;
    wxUniChar partFirst = 0;
    for (wxString::const_iterator it = text.begin(); it != text.end(); ++it) {
        const wxUniChar c = *it;
        if (!c.IsAscii())
            return false;
        if (c == '.') {
            if (partLength > 1 && partFirst == '0')
                return false;
            partLength = 0;
            continue;
        }
        if (partLength++ == 0)
            partFirst = c;
    }
    return !(partLength > 1 && partFirst == '0');
}

// An address text as the user means it and the address parser reads it.
bool IsAddressText(const wxString& text) {
    uint32_t address = 0;
    return IsPlainAddressText(text) && IPv4AddressUtil::ParseAddress(text.ToStdString().c_str(), address);
}

}  // namespace

wxString Trim(const wxString& text) {
    wxString trimmed = text;
    trimmed.Trim(true);
    trimmed.Trim(false);
    return trimmed;
}

FieldVerdict CheckName(const wxString& text, const wxString& oldName,
                       const std::function<bool(const wxString&)>& isTaken, NameOrder order) {
    const wxString name = Trim(text);
    const FieldVerdict takenVerdict = FieldVerdict::Refuse(
        _("A profile with the name you specified already exists.\nPlease specify a different name!"),
        ProfileField::Name);
    // The guest profile's name belongs to the guest folder; the store never
    // writes a profile of that name anywhere else.
    const auto taken = [&] { return name == "Guest" ? oldName != "Guest" : (isTaken && isTaken(name)); };

    // The name a profile is stored under was good enough for the store.
    const bool stored = !oldName.empty() && text == oldName;
    if (name.empty() && !stored)
        return FieldVerdict::Refuse(_("Profile name cannot be empty!"), ProfileField::Name);
    if (order == NameOrder::Wizard && taken())
        return takenVerdict;
    if (!stored && TWMUtil::CheckInvalidChars(name) != 0)
        return FieldVerdict::Refuse(
            _("Profile name cannot contain any of the following characters\n \\ / : * ? \" ' < > |"),
            ProfileField::Name);
    if (!stored && (name == "." || name == ".."))
        return FieldVerdict::Refuse(_("Invalid profile name!"), ProfileField::Name);
    if (order == NameOrder::EditDialog && taken())
        return takenVerdict;
    return FieldVerdict::Accept();
}

FieldVerdict CheckSsid(const wxString& text, bool typed, SsidMessage style) {
    if (typed ? Trim(text).empty() : text.empty())
        return FieldVerdict::Refuse(_("SSID cannot be empty!"), ProfileField::Ssid);
    if (!typed)
        return FieldVerdict::Accept();
    for (wxString::const_iterator it = text.begin(); it != text.end(); ++it) {
        if (!(*it).IsAscii())
            return FieldVerdict::Refuse(_("Invalid SSID!"), ProfileField::Ssid);
    }
    if (TWMUtil::CheckInvalidChars(text) != 0) {
        const wxString message =
            style == SsidMessage::EditDialog
                ? _("SSID cannot contain any of the following characters\n \\ / : * % ? \" ' < > |")
                : _("SSID cannot contain any of the following characters\n \\ / : * ? \" ' < > |");
        return FieldVerdict::Refuse(message, ProfileField::Ssid);
    }
    return FieldVerdict::Accept();
}

FieldVerdict CheckWepKey(const wxString& key) {
    if (key.empty())
        return FieldVerdict::Refuse(_("WEP key cannot be empty!"), ProfileField::Key);
    const size_t length = key.length();
    if (length == 10 || length == 26) {
        if (AllOf(key, IsHexDigit))
            return FieldVerdict::Accept();
        return FieldVerdict::Refuse(
            _("WEP key must be hexadecimal. \n(Must contain only numbers 0-9 and letters a-f)"),
            ProfileField::Key);
    }
    if ((length == 5 || length == 13) && AllOf(key, IsPrintableAscii))
        return FieldVerdict::Accept();
    return FieldVerdict::Refuse(_("WEP key must be 10 or 26 hexadecimal digits, or 5 or 13 ASCII characters!"),
                                ProfileField::Key);
}

FieldVerdict CheckWpaKey(const wxString& key) {
    if (key.empty())
        return FieldVerdict::Refuse(_("WPA key cannot be empty!"), ProfileField::Key);
    const size_t length = key.length();
    if ((length == 64 && AllOf(key, IsHexDigit)) ||
        (length >= 8 && length <= 63 && AllOf(key, IsPrintableAscii)))
        return FieldVerdict::Accept();
    return FieldVerdict::Refuse(_("WPA key must be 8 to 63 ASCII characters, or 64 hexadecimal digits!"),
                                ProfileField::Key);
}

FieldVerdict CheckIpSettings(const wxString& ip, const wxString& mask, const wxString& gateway,
                             const wxString& dns) {
    if (ip.empty())
        return FieldVerdict::Refuse(_("IP address cannot be empty!"), ProfileField::IpAddress);
    if (mask.empty())
        return FieldVerdict::Refuse(_("Subnet mask cannot be empty!"), ProfileField::SubnetMask);
    if (gateway.empty())
        return FieldVerdict::Refuse(_("Gateway address cannot be empty!"), ProfileField::Gateway);
    if (dns.empty())
        return FieldVerdict::Refuse(_("DNS cannot be empty!"), ProfileField::Dns);

    // Each text on its own first, in the order of the fields, as the check
    // of the three together begins.
    if (!IsAddressText(ip))
        return FieldVerdict::Refuse(_("Invalid IP!"), ProfileField::IpAddress);
    if (!IsAddressText(mask))
        return FieldVerdict::Refuse(_("Invalid subnet mask!"), ProfileField::SubnetMask);
    if (!IsAddressText(gateway))
        return FieldVerdict::Refuse(_("Invalid gateway address!"), ProfileField::Gateway);

    // Plain ASCII from here on.
    const std::string ipText = ip.ToStdString();
    const std::string maskText = mask.ToStdString();
    const std::string gatewayText = gateway.ToStdString();
    switch (IPv4AddressUtil::CheckIPSettings(ipText.c_str(), maskText.c_str(), gatewayText.c_str(), false)) {
    case 0:
        break;
    case 3:
        return FieldVerdict::Refuse(_("Invalid subnet mask!"), ProfileField::SubnetMask);
    case 4:
        return FieldVerdict::Refuse(_("Invalid gateway address!"), ProfileField::Gateway);
    case 7:
        return FieldVerdict::Refuse(_("IP address cannot be multicast address!"), ProfileField::IpAddress);
    case 8:
        return FieldVerdict::Refuse(_("IP address cannot be reserved address!"), ProfileField::IpAddress);
    case 10:
        return FieldVerdict::Refuse(_("IP address cannot be the same as the network address!"),
                                    ProfileField::IpAddress);
    case 11:
        return FieldVerdict::Refuse(_("Gateway address cannot be the same as the network address!"),
                                    ProfileField::Gateway);
    case 12:
        return FieldVerdict::Refuse(_("IP address cannot be broadcast address!"), ProfileField::IpAddress);
    case 13:
        return FieldVerdict::Refuse(_("Gateway cannot be broadcast address!"), ProfileField::Gateway);
    case 14:
        return FieldVerdict::Refuse(_("IP address does not match the gateway!"), ProfileField::IpAddress);
    default:
        return FieldVerdict::Refuse(_("Invalid IP!"), ProfileField::IpAddress);
    }

    const int dnsCode = IsPlainAddressText(dns) ? IPv4AddressUtil::CheckAddress(dns.ToStdString().c_str()) : 2;
    switch (dnsCode) {
    case 0:
        return FieldVerdict::Accept();
    case 7:
        return FieldVerdict::Refuse(_("DNS cannot be multicast address!"), ProfileField::Dns);
    case 8:
        return FieldVerdict::Refuse(_("DNS cannot be reserved address!"), ProfileField::Dns);
    default:
        return FieldVerdict::Refuse(_("Invalid DNS!"), ProfileField::Dns);
    }
}

FieldVerdict CheckProxy(const wxString& address, const wxString& port) {
    if (address.empty())
        return FieldVerdict::Refuse(_("Proxy cannot be empty!"), ProfileField::ProxyAddress);
    if (port.empty())
        return FieldVerdict::Refuse(_("Port field cannot be empty!"), ProfileField::ProxyPort);
    if (!TWMUtil::IsNumber(port))
        return FieldVerdict::Refuse(_("You can input only numbers in the Port field!"), ProfileField::ProxyPort);
    if (!TWMUtil::ParsePort(port))
        return FieldVerdict::Refuse(_("Port must be a number from 1 to 65535!"), ProfileField::ProxyPort);
    if (!TWMUtil::IsProxyAddress(address))
        return FieldVerdict::Refuse(_("Invalid proxy address!"), ProfileField::ProxyAddress);
    return FieldVerdict::Accept();
}

FieldVerdict CheckHomepage(const wxString& text) {
    const wxString homepage = Trim(text);
    if (homepage.empty())
        return FieldVerdict::Refuse(_("Homepage cannot be empty!"), ProfileField::Homepage);
    if (TWMUtil::HasWhiteSpaceOrControl(homepage))
        return FieldVerdict::Refuse(_("Invalid homepage!"), ProfileField::Homepage);
    return FieldVerdict::Accept();
}

FieldVerdict CheckTickedGroups(const TickedGroups& g) {
    if (g.ipDns) {
        const FieldVerdict v = CheckIpSettings(g.ip, g.mask, g.gateway, g.dns);
        if (!v.accepted)
            return FieldVerdict::Refuse(v.message, ProfileField::IpSettingsButton);
    }
    if (g.homepage) {
        const FieldVerdict v = CheckHomepage(g.homepageText);
        if (!v.accepted)
            return v;
    }
    if (g.proxy) {
        const FieldVerdict v = CheckProxy(g.proxyAddress, g.port);
        if (!v.accepted)
            return FieldVerdict::Refuse(v.message, ProfileField::ProxySettingsButton);
    }
    return FieldVerdict::Accept();
}

FieldVerdict CheckProgram(const wxString& path, const wxArrayString& listed) {
    if (listed.Index(path, true) != wxNOT_FOUND)
        return FieldVerdict::Refuse(_("This application is already in the list.\n\nPlease choose another one."),
                                    ProfileField::ProgramPath);
    const wxCharBuffer file = path.fn_str();
    struct stat st;
    const bool program = !path.empty() && file.data() != nullptr && stat(file.data(), &st) == 0 &&
                         S_ISREG(st.st_mode) && access(file.data(), X_OK) == 0;
    if (!program)
        return FieldVerdict::Refuse(_("This file cannot be started as a program.\n\nPlease choose another one."),
                                    ProfileField::ProgramPath);
    return FieldVerdict::Accept();
}

}  // namespace ProfileFieldRules
