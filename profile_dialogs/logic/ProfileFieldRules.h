#ifndef TIDEWAVE_PROFILEFIELDRULES_H
#define TIDEWAVE_PROFILEFIELDRULES_H

#include <functional>

#include <wx/arrstr.h>
#include <wx/string.h>

#include "FieldVerdict.h"

// The rule of each field of the profile dialogs (the edit dialog, the
// wizard and their sub-dialogs).  Each takes the texts as the controls hold
// them and answers accepted, or the message and the field to focus.  None
// opens a window; the messages go through the catalogue.
namespace ProfileFieldRules {

// White space removed at both ends, the end first.
wxString Trim(const wxString& text);

// The edit dialog tests a name's characters before it asks whether the
// name is taken; the wizard asks first.
enum class NameOrder { EditDialog, Wizard };

// A profile name.  The trimmed text must not be empty, hold none of
// < > " \ ' * : ? | /, nor be "." or "..", which name no file.  It must not
// be taken: "Guest" always is, unless it is `oldName`; otherwise `isTaken`
// (given the trimmed name) decides.  A text that is still exactly
// `oldName`, the name the profile is stored under, is only tested for
// being taken.
FieldVerdict CheckName(const wxString& text, const wxString& oldName,
                       const std::function<bool(const wxString&)>& isTaken,
                       NameOrder order = NameOrder::EditDialog);

// The SSID message lists "%" in the edit dialog, not in the wizard; neither
// refuses it.
enum class SsidMessage { EditDialog, Wizard };

// An SSID.  Empty is refused.  Only a `typed` SSID must be 7-bit ASCII
// and free of the name's refused characters; one that still shows a stored
// or scanned network's name is taken as it is.
FieldVerdict CheckSsid(const wxString& text, bool typed, SsidMessage style = SsidMessage::EditDialog);

// A WEP key: 10 or 26 hexadecimal digits, or 5 or 13 printable ASCII
// characters.  A WPA-PSK key: 8 to 63 printable ASCII characters, or 64
// hexadecimal digits.  Keys are taken as typed (no trimming); a refused key
// sends the user back to the key field.
FieldVerdict CheckWepKey(const wxString& key);
FieldVerdict CheckWpaKey(const wxString& key);

// The IP settings dialog's four texts: none empty; each an address text of
// its own (ASCII, no part with a leading zero); address, mask and gateway
// one subnet; the DNS server an ordinary unicast address.
FieldVerdict CheckIpSettings(const wxString& ip, const wxString& mask, const wxString& gateway,
                             const wxString& dns);

// The proxy dialog's two texts, as typed: the address not empty, the port
// not empty, a number, and from 1 to 65535; then an address without white
// space or control characters.
FieldVerdict CheckProxy(const wxString& address, const wxString& port);

// A homepage: not empty once trimmed, and no white space or control
// character inside.
FieldVerdict CheckHomepage(const wxString& text);

// The groups of a profile's other settings that carry values, as the
// dialogs hold them.
struct TickedGroups {
    bool ipDns = false;
    wxString ip, mask, gateway, dns;
    bool homepage = false;
    wxString homepageText;
    bool proxy = false;
    wxString proxyAddress, port;
};

// A ticked group needs values its own rule accepts: TCP/IP and DNS first,
// then the homepage, then the proxy.  A refused TCP/IP or proxy group sends
// the user to that group's Settings button.  Unticked groups are not looked
// at.
FieldVerdict CheckTickedGroups(const TickedGroups& groups);

// A program to add to the applications list: not listed yet (exact
// comparison) and a regular file, links followed, that this user may run.
FieldVerdict CheckProgram(const wxString& path, const wxArrayString& listed);

}  // namespace ProfileFieldRules

#endif
