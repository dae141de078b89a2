#ifndef TIDEWAVE_TWMUTIL_H
#define TIDEWAVE_TWMUTIL_H

#include <string>
#include <sys/types.h>

#include <wx/string.h>

// Helpers shared by every part of the program.  None of them opens a window.
class TWMUtil {
public:
    // Text moves between wxString and std::string as UTF-8.  Invalid UTF-8
    // decodes with U+FFFD in place of each bad sequence, so a non-empty input
    // never turns into an empty name.
    static std::string WxStringToStdString(const wxString& text);
    static wxString StdStringToWxString(const std::string& text);

    // The program runs as administrator when its user is "root".
    static bool IsAdmin();

    // 2 when the trimmed text is empty, 1 when it holds one of < > " \ ' * : ? | /,
    // otherwise 0.
    static int CheckInvalidChars(wxString text);
    // Every character a hexadecimal digit (true for the empty text).
    static bool IsHexString(wxString text);
    // Empty, or an optional sign followed by decimal digits only.
    static bool IsNumber(const wxString& text);
    // A port: a number (IsNumber, not empty) from 1 to 65535, so "+80" and
    // "0080" are port 80.  The value goes to `port` when it is not null.
    static bool ParsePort(const wxString& text, int* port = nullptr);
    // Whether the text holds white space (Unicode's too) or a control
    // character anywhere.
    static bool HasWhiteSpaceOrControl(const wxString& text);
    // A proxy address: not empty, and no white space or control character.
    static bool IsProxyAddress(const wxString& text);

    // True when the bytes are valid UTF-8.
    static bool IsValidUtf8(const std::string& text);

    // A number read the way atoi reads it (leading blanks, optional sign,
    // digits up to the first other character, 0 when there are none), but
    // saturating at the int range instead of overflowing.
    static int ParseLeadingInt(const char* text);

    // The user's home folder, without a trailing "/".
    static wxString GetHomeDir();

    // Makes the folder when it is missing (missing parents with 0755, the
    // folder itself with mode).  True when the folder exists afterwards.
    static bool MakeFolder(const std::string& path, mode_t mode);

    // Writes content to a temporary file next to path and renames it onto
    // path, so that readers see either the old or the new file, never a
    // truncated one.  On failure the old file is left as it was.
    static bool ReplaceFile(const std::string& path, const std::string& content, mode_t mode);

    // Starts one program (the whole text is its path) in the background,
    // without a shell and without waiting for it.
    static bool RunInBackground(const std::string& program);

    // Validates the four addresses, stops the platform's DHCP client and sets
    // the static IPv4 settings of the adapter (1 wired, 2 wireless) in
    // canonical dotted-decimal form.
    static bool ChangeIPAddress(int adapterType, const std::string& ip, const std::string& mask,
                                const std::string& gateway, const std::string& dns);

    // Firefox: whether it runs, and its homepage and proxy preferences in
    // every profile listed in the user's profiles.ini.
    static bool IsFirefoxRunning();
    static bool SetFirefoxHomepage(const std::string& url);
    static bool SetFirefoxProxy(const std::string& host, const std::string& port);

    // Questions and notices shown through the tray's windows (UserNotices);
    // without them every question counts as No.  AskSwitchToWired also acts
    // on the answer: Yes switches to wired and says so, anything else keeps
    // wireless with the wired adapter down.  They are the hub's: defined in
    // core/hub (TWMUtilNotices.cpp), beside UserNotices, and called only there.
    static bool AskSwitchToWireless();
    static bool AskSwitchToWired();
    static void ShowAdapterSwitchedBalloon();
    static void ShowSwitchedToWiredBalloon();
    // Firefox runs while the profile's browser settings wait: OK (true) tests
    // again, Cancel skips them.
    static bool AskCloseFirefox();

    // Tests run as root; this makes IsAdmin answer for another user id.
    // An empty id restores the real one.
    static void OverrideUserIdForTesting(const wxString& userId);
};

#endif
