#ifndef TIDEWAVE_FIREFOXPREFERENCES_H
#define TIDEWAVE_FIREFOXPREFERENCES_H

#include <string>
#include <vector>

// The homepage and proxy preferences that a profile sets in the user's
// Firefox.  Every profile listed in <home>/.mozilla/firefox/profiles.ini gets
// its prefs.js rewritten: earlier lines for the same keys are dropped, the new
// lines appended, and the file replaced in one rename.
class FirefoxPreferences {
public:
    explicit FirefoxPreferences(const std::string& home);

    // Whether some running process's name contains "firefox".
    static bool IsRunning();

    // The profile folders listed in profiles.ini; none when it is missing.
    std::vector<std::string> ProfileDirs() const;

    // user_pref("browser.startup.homepage", "<url>");
    // False, with nothing written, for a value that holds a control character
    // or is not UTF-8; otherwise true when every profile was written.
    bool SetHomepage(const std::string& url) const;

    // The six HTTP/SSL proxy lines.  The port must pass TWMUtil::ParsePort
    // and is written as its number; the host must be UTF-8 and pass
    // TWMUtil::IsProxyAddress (the proxy dialog's rules too).  Otherwise
    // nothing is written and the result is false.
    bool SetProxy(const std::string& host, const std::string& port) const;

    // The value as a JavaScript string literal with its quotes: backslash and
    // double quote escaped.  False for control characters or invalid UTF-8.
    static bool QuoteValue(const std::string& value, std::string& quoted);

    // Drops the lines that set one of the keys and appends newLines.
    static std::string RewriteText(const std::string& prefs, const std::vector<std::string>& keys,
                                   const std::string& newLines);

private:
    bool WriteToAllProfiles(const std::vector<std::string>& keys, const std::string& newLines) const;
    static bool WriteToProfile(const std::string& dir, const std::vector<std::string>& keys,
                               const std::string& newLines);

    std::string m_firefoxDir;  // <home>/.mozilla/firefox/
};

#endif
