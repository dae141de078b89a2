#include "FirefoxPreferences.h"

#include <cerrno>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

#include "TWMLog.h"
#include "TWMUtil.h"

namespace {

const char kLogPath[] = "/tmp/FirefoxPreferences.log";

std::string Trim(const std::string& text) {
    const size_t begin = text.find_first_not_of(" \t\r\n");
    if (begin == std::string::npos)
        return std::string();
    const size_t end = text.find_last_not_of(" \t\r\n");
    return text.substr(begin, end - begin + 1);
}

bool ReadWholeFile(const std::string& path, std::string& content) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad())
        return false;
    content = buffer.str();
    return true;
}

bool AllDigits(const char* text) {
    if (*text == '\0')
        return false;
    for (; *text != '\0'; ++text) {
        if (*text < '0' || *text > '9')
            return false;
    }
    return true;
}

std::string PrefLine(const std::string& key, const std::string& value) {
    return "user_pref(\"" + key + "\", " + value + ");\n";
}

}  // namespace

FirefoxPreferences::FirefoxPreferences(const std::string& home) : m_firefoxDir(home + "/.mozilla/firefox/") {}

bool FirefoxPreferences::IsRunning() {
    DIR* proc = opendir("/proc");
    if (proc == nullptr)
        return false;
    bool running = false;
    while (!running) {
        const dirent* entry = readdir(proc);
        if (entry == nullptr)
            break;
        if (!AllDigits(entry->d_name))
            continue;
        std::string name;
        if (ReadWholeFile(std::string("/proc/") + entry->d_name + "/comm", name))
            running = name.find("firefox") != std::string::npos;
    }
    closedir(proc);
    return running;
}

std::vector<std::string> FirefoxPreferences::ProfileDirs() const {
    std::vector<std::string> dirs;
    std::string ini;
    if (!ReadWholeFile(m_firefoxDir + "profiles.ini", ini))
        return dirs;

    bool inProfile = false;
    std::string path;
    bool relative = true;
    const auto finishSection = [&] {
        if (inProfile && !path.empty())
            dirs.push_back(relative ? m_firefoxDir + path : path);
        path.clear();
        relative = true;
    };
    std::istringstream lines(ini);
    std::string line;
    while (std::getline(lines, line)) {
        line = Trim(line);
        if (!line.empty() && line.front() == '[' && line.back() == ']') {
            finishSection();
            inProfile = line.compare(1, 7, "Profile") == 0;
            continue;
        }
        const size_t eq = line.find('=');
        if (!inProfile || eq == std::string::npos)
            continue;
        const std::string key = Trim(line.substr(0, eq));
        const std::string value = Trim(line.substr(eq + 1));
        if (key == "Path")
            path = value;
        else if (key == "IsRelative")
            relative = value != "0";
    }
    finishSection();
    return dirs;
}

bool FirefoxPreferences::QuoteValue(const std::string& value, std::string& quoted) {
    if (!TWMUtil::IsValidUtf8(value))
        return false;
    std::string result = "\"";
    for (const char c : value) {
        if (static_cast<unsigned char>(c) < 0x20)
            return false;
        if (c == '\\' || c == '"')
            result += '\\';
        result += c;
    }
    result += '"';
    quoted = result;
    return true;
}

std::string FirefoxPreferences::RewriteText(const std::string& prefs, const std::vector<std::string>& keys,
                                            const std::string& newLines) {
    std::string result;
    std::istringstream lines(prefs);
    std::string line;
    while (std::getline(lines, line)) {
        const size_t start = line.find_first_not_of(" \t");
        bool replaced = false;
        for (const std::string& key : keys) {
            const std::string prefix = "user_pref(\"" + key + "\",";
            if (start != std::string::npos && line.compare(start, prefix.size(), prefix) == 0)
                replaced = true;
        }
        if (!replaced)
            result += line + "\n";
    }
    return result + newLines;
}

bool FirefoxPreferences::WriteToProfile(const std::string& dir, const std::vector<std::string>& keys,
                                        const std::string& newLines) {
    const std::string prefsPath = dir + "/prefs.js";
    std::string prefs;
    mode_t mode = 0600;
    struct stat st;
    if (stat(prefsPath.c_str(), &st) == 0) {
        if (!ReadWholeFile(prefsPath, prefs))
            return false;
        mode = st.st_mode & 07777;
    } else if (errno != ENOENT) {
        return false;
    }
    return TWMUtil::ReplaceFile(prefsPath, RewriteText(prefs, keys, newLines), mode);
}

bool FirefoxPreferences::WriteToAllProfiles(const std::vector<std::string>& keys,
                                            const std::string& newLines) const {
    bool all = true;
    for (const std::string& dir : ProfileDirs()) {
        if (!WriteToProfile(dir, keys, newLines)) {
            TWMLog(kLogPath, "a Firefox profile could not be written");
            all = false;
        }
    }
    return all;
}

bool FirefoxPreferences::SetHomepage(const std::string& url) const {
    std::string quoted;
    if (!QuoteValue(url, quoted))
        return false;
    const std::string key = "browser.startup.homepage";
    return WriteToAllProfiles({key}, PrefLine(key, quoted));
}

bool FirefoxPreferences::SetProxy(const std::string& host, const std::string& port) const {
    std::string quoted;
    if (!QuoteValue(host, quoted) || !TWMUtil::IsProxyAddress(TWMUtil::StdStringToWxString(host)))
        return false;
    int portNumber = 0;
    if (!TWMUtil::ParsePort(TWMUtil::StdStringToWxString(port), &portNumber))
        return false;
    const std::string portText = std::to_string(portNumber);
    const std::vector<std::string> keys = {"network.proxy.type",     "network.proxy.http",
                                           "network.proxy.http_port", "network.proxy.ssl",
                                           "network.proxy.ssl_port", "network.proxy.share_proxy_settings"};
    const std::string lines = PrefLine(keys[0], "1") + PrefLine(keys[1], quoted) + PrefLine(keys[2], portText) +
                              PrefLine(keys[3], quoted) + PrefLine(keys[4], portText) +
                              PrefLine(keys[5], "true");
    return WriteToAllProfiles(keys, lines);
}
