#include "ProfileFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <tinyxml.h>

#include "PosixIo.h"
#include "ProfileScrambler.h"
#include "ProfileTags.h"
#include "SystemPaths.h"
#include "TWMLog.h"
#include "Utf8Text.h"

namespace {

const std::string& LogPath() {
    static const std::string path = SystemPaths::Fixed("/tmp/ProfileFile.log");
    return path;
}

void Log(const std::string& message) { TWMLog(LogPath().c_str(), message.c_str()); }

const size_t kMaxFileNameBytes = 255;

// A profile file is a few kilobytes with three levels of elements (profile,
// group, value) and about forty of them; anything far beyond that is not a
// profile.
const size_t kMaxProfileBytes = 1024 * 1024;
const int kMaxProfileDepth = 8;

// TinyXML parses an element and everything inside it in one recursive call,
// and every element it opens starts at a "<" byte.  A text with at most this
// many of them takes the parser no deeper than that, whatever entities,
// comments or quotes make of the rest: about a quarter of a mebibyte of
// stack, where some 50,000 levels overflow the usual 8 MiB.
const size_t kMaxTagStarts = 1024;

std::string Trimmed(const char* text) {
    std::string s(text);
    const char* blanks = " \t\r\n";
    const size_t first = s.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    const size_t last = s.find_last_not_of(blanks);
    return s.substr(first, last - first + 1);
}

// The raw (still scrambled) text of one field.  The element text is taken
// first; then an attribute of the field's name on the group element or the
// root; then a "value" attribute on the field's element.
std::string RawField(const TiXmlElement* root, const TiXmlElement* group, const char* tag) {
    const TiXmlElement* element = (group != nullptr ? group : root)->FirstChildElement(tag);
    if (element != nullptr && element->GetText() != nullptr)
        return element->GetText();
    if (group != nullptr && group->Attribute(tag) != nullptr)
        return group->Attribute(tag);
    if (root->Attribute(tag) != nullptr)
        return root->Attribute(tag);
    if (element != nullptr && element->Attribute(ProfileTags::VALUE_ATTRIBUTE) != nullptr)
        return element->Attribute(ProfileTags::VALUE_ATTRIBUTE);
    return std::string();
}

// Whether no element lies deeper than `levels` below `node`; it looks no
// further down than that.
bool WithinDepth(const TiXmlNode* node, int levels) {
    for (const TiXmlNode* child = node->FirstChild(); child != nullptr; child = child->NextSibling()) {
        if (child->ToElement() != nullptr && (levels == 0 || !WithinDepth(child, levels - 1)))
            return false;
    }
    return true;
}

bool DecodeInto(const std::string& raw, std::string& field) {
    return ProfileScrambler::Unscramble(Trimmed(raw.c_str()), field);
}

// Reads the fields of one group: a missing group leaves its fields empty
// unless the root carries them as attributes.
class FieldReader {
public:
    FieldReader(const TiXmlElement* root, const char* groupTag)
        : m_root(root),
          m_group(groupTag != nullptr ? root->FirstChildElement(groupTag) : nullptr),
          m_grouped(groupTag != nullptr) {}

    const TiXmlElement* Group() const { return m_group; }

    // False when the value does not decode.
    bool Read(const char* tag, std::string& field) const {
        if (m_grouped && m_group == nullptr) {
            const char* onRoot = m_root->Attribute(tag);
            return DecodeInto(onRoot != nullptr ? onRoot : "", field);
        }
        return DecodeInto(RawField(m_root, m_group, tag), field);
    }

private:
    const TiXmlElement* m_root;
    const TiXmlElement* m_group;
    bool m_grouped;
};

bool ReadDocument(const TiXmlElement* root, ProfileList_t& p) {
    using namespace ProfileTags;
    const FieldReader top(root, nullptr);
    const FieldReader general(root, GENERNAL_SETTINGS);
    const FieldReader wireless(root, WIRELESS_SETTINGS);
    const FieldReader other(root, OTHER_SETTINGS);

    bool ok = top.Read(PERMISSION, p.permission) && top.Read(PRIORITY, p.priority) &&
              top.Read(ICON, p.icon) && top.Read(SHOW, p.show) &&
              general.Read(CONNECT_TYPE, p.GenernalSet.ConnecType) &&
              wireless.Read(SSID, p.WirelessSet.SSID) &&
              wireless.Read(WIRLESS_TYPE, p.WirelessSet.WirlessType) &&
              wireless.Read(WLAN_SECURITY, p.WirelessSet.WlanSecurity) &&
              wireless.Read(WEP_SETTINGS, p.WirelessSet.WEPKey) &&
              wireless.Read(KEY_INDEX, p.WirelessSet.KeyIndex) &&
              wireless.Read(WPA_SETTINGS, p.WirelessSet.WPAKey);
    ProfileOtherSet& o = p.OtherSet;
    ok = ok && other.Read(NETWORK_SECURITY, o.NetworkSecurity) &&
         other.Read(FORBID_SHARE_FILE_AND_PRINT, o.ForbidShareFileAndPrint) &&
         other.Read(FORBID_SHARE_INTERNET, o.ForbidShareInternet) &&
         other.Read(START_WINDOW_FIREWALL, o.StartWindowFirewall) &&
         other.Read(AUTO_RUN_APP_FLAG, o.AutoRunAppFlag) && other.Read(IPDNS, o.IPDNS) &&
         other.Read(IP_VALUE, o.IPvalue) && other.Read(SUBNET_ADDRESS, o.SubnetAddress) &&
         other.Read(NET_GATEWAY, o.NetGateway) && other.Read(DNS_VALUE, o.DNSvalue) &&
         other.Read(HOMEPAGE_FLAG, o.HomepageFlag) && other.Read(HOMEPAGE, o.Homepage) &&
         other.Read(PROXY_FLAG, o.ProxyFlag) && other.Read(PROXY, o.Proxy) &&
         other.Read(PORT, o.Port);
    if (!ok)
        return false;

    o.AutoRun.clear();
    if (const TiXmlElement* group = other.Group()) {
        for (const TiXmlElement* e = group->FirstChildElement(AUTO_RUN); e != nullptr;
             e = e->NextSiblingElement(AUTO_RUN)) {
            const char* raw = e->GetText();
            if (raw == nullptr)
                raw = e->Attribute(VALUE_ATTRIBUTE);
            std::string program;
            if (!DecodeInto(raw != nullptr ? raw : "", program))
                return false;
            o.AutoRun.push_back(program);
        }
    }
    return true;
}

void AddField(TiXmlElement* parent, const char* tag, const std::string& value) {
    TiXmlElement* element = new TiXmlElement(tag);
    if (!value.empty())
        element->LinkEndChild(new TiXmlText(ProfileScrambler::Scramble(value)));
    parent->LinkEndChild(element);
}

// Reads at most `limit` + 1 bytes, so that a file that grew past the limit
// after it was measured is still seen as too long.
bool ReadWholeFile(const std::string& path, size_t limit, std::string& content) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::string buffer(limit + 1, '\0');
    in.read(&buffer[0], static_cast<std::streamsize>(buffer.size()));
    if (in.bad())
        return false;
    buffer.resize(static_cast<size_t>(in.gcount()));
    content.swap(buffer);
    return true;
}

// Moves the finished temporary file onto the target.  Without replacing, an
// existing target makes this fail atomically.
bool MoveIntoPlace(const std::string& temp, const std::string& target, bool replaceExisting) {
    if (replaceExisting)
        return ::rename(temp.c_str(), target.c_str()) == 0;
    if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // File systems without the no-replace rename: a hard link fails the same
    // way when the target exists.
    if (::link(temp.c_str(), target.c_str()) != 0)
        return false;
    ::unlink(temp.c_str());
    return true;
}

}  // namespace

bool ProfileFile::IsWritableName(const std::string& name) {
    if (name.empty() || name == "." || name == "..")
        return false;
    if (name.find('/') != std::string::npos || name.find('\0') != std::string::npos)
        return false;
    return name.size() + std::strlen(ProfileTags::EXTENSION) <= kMaxFileNameBytes;
}

std::string ProfileFile::NameFromPath(const std::string& path) {
    const size_t slash = path.rfind('/');
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = base.rfind('.');
    return dot == std::string::npos ? base : base.substr(0, dot);
}

std::string ProfileFile::PathFor(const std::string& folder, const std::string& name) {
    return folder + "/" + name + ProfileTags::EXTENSION;
}

bool ProfileFile::HasProfileExtension(const std::string& fileName) {
    const std::string extension = ProfileTags::EXTENSION;
    return fileName.size() >= extension.size() &&
           fileName.compare(fileName.size() - extension.size(), extension.size(), extension) == 0;
}

bool ProfileFile::Read(const std::string& path, ProfileList_t& profile) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    const std::string name = NameFromPath(path);
    if (name.empty()) {
        Log("unreadable profile (empty name): " + path);
        return false;
    }
    if (static_cast<unsigned long long>(st.st_size) > kMaxProfileBytes) {
        Log("unreadable profile (too long): " + path);
        return false;
    }
    std::string content;
    if (!ReadWholeFile(path, kMaxProfileBytes, content))
        return false;
    if (content.size() > kMaxProfileBytes) {
        Log("unreadable profile (too long): " + path);
        return false;
    }
    // The parser stops at a NUL byte, which a profile file never holds.
    if (content.find('\0') != std::string::npos || !Utf8Text::IsValid(content)) {
        Log("unreadable profile (not UTF-8 text): " + path);
        return false;
    }
    if (static_cast<size_t>(std::count(content.begin(), content.end(), '<')) > kMaxTagStarts) {
        Log("unreadable profile (too many elements): " + path);
        return false;
    }

    TiXmlDocument document;
    document.Parse(content.c_str(), nullptr, TIXML_ENCODING_UTF8);
    const TiXmlElement* root = document.RootElement();
    if (document.Error() || root == nullptr || root->ValueStr() != ProfileTags::PROFILE) {
        Log("unreadable profile (not a profile document): " + path);
        return false;
    }
    if (!WithinDepth(&document, kMaxProfileDepth)) {
        Log("unreadable profile (nested too deep): " + path);
        return false;
    }
    ProfileList_t read;
    if (!ReadDocument(root, read)) {
        Log("unreadable profile (value does not decode): " + path);
        return false;
    }
    read.name = name;
    profile = std::move(read);
    return true;
}

std::string ProfileFile::ToXml(const ProfileList_t& p) {
    using namespace ProfileTags;
    TiXmlDocument document;
    document.LinkEndChild(new TiXmlDeclaration("1.0", "UTF-8", ""));
    TiXmlElement* root = new TiXmlElement(PROFILE);
    document.LinkEndChild(root);
    AddField(root, PERMISSION, p.permission);
    AddField(root, PRIORITY, p.priority);
    AddField(root, ICON, p.icon);
    AddField(root, SHOW, p.show);

    TiXmlElement* general = new TiXmlElement(GENERNAL_SETTINGS);
    root->LinkEndChild(general);
    AddField(general, CONNECT_TYPE, p.GenernalSet.ConnecType);

    TiXmlElement* wireless = new TiXmlElement(WIRELESS_SETTINGS);
    root->LinkEndChild(wireless);
    const stWirelessSet& w = p.WirelessSet;
    AddField(wireless, SSID, w.SSID);
    AddField(wireless, WIRLESS_TYPE, w.WirlessType);
    AddField(wireless, WLAN_SECURITY, w.WlanSecurity);
    AddField(wireless, WEP_SETTINGS, w.WEPKey);
    AddField(wireless, KEY_INDEX, w.KeyIndex);
    AddField(wireless, WPA_SETTINGS, w.WPAKey);

    TiXmlElement* other = new TiXmlElement(OTHER_SETTINGS);
    root->LinkEndChild(other);
    const ProfileOtherSet& o = p.OtherSet;
    AddField(other, NETWORK_SECURITY, o.NetworkSecurity);
    AddField(other, FORBID_SHARE_FILE_AND_PRINT, o.ForbidShareFileAndPrint);
    AddField(other, FORBID_SHARE_INTERNET, o.ForbidShareInternet);
    AddField(other, START_WINDOW_FIREWALL, o.StartWindowFirewall);
    AddField(other, AUTO_RUN_APP_FLAG, o.AutoRunAppFlag);
    for (const std::string& program : o.AutoRun)
        AddField(other, AUTO_RUN, program);
    AddField(other, IPDNS, o.IPDNS);
    AddField(other, IP_VALUE, o.IPvalue);
    AddField(other, SUBNET_ADDRESS, o.SubnetAddress);
    AddField(other, NET_GATEWAY, o.NetGateway);
    AddField(other, DNS_VALUE, o.DNSvalue);
    AddField(other, HOMEPAGE_FLAG, o.HomepageFlag);
    AddField(other, HOMEPAGE, o.Homepage);
    AddField(other, PROXY_FLAG, o.ProxyFlag);
    AddField(other, PROXY, o.Proxy);
    AddField(other, PORT, o.Port);

    TiXmlPrinter printer;
    printer.SetIndent("  ");
    document.Accept(&printer);
    return printer.Str();
}

bool ProfileFile::Write(const ProfileList_t& profile, const std::string& folder, mode_t fileMode,
                        bool replaceExisting) {
    if (!IsWritableName(profile.name)) {
        Log("refused profile name");
        return false;
    }
    const std::string target = PathFor(folder, profile.name);
    const std::string document = ToXml(profile);

    std::string temp = folder + "/.tw-profile-XXXXXX";
    const int fd = ::mkstemp(&temp[0]);
    if (fd < 0) {
        Log("cannot create a temporary file in " + folder);
        return false;
    }
    bool ok = ::fchmod(fd, fileMode) == 0 && PosixIo::WriteAll(fd, document.data(), document.size()) &&
              ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && MoveIntoPlace(temp, target, replaceExisting);
    if (!ok) {
        const int saved = errno;
        ::unlink(temp.c_str());
        Log("cannot write " + target + ": " + std::strerror(saved));
        return false;
    }
    return true;
}

bool ProfileFile::ReadFolder(const std::string& folder, std::vector<ProfileList_t>& profiles) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        if (errno == ENOENT) {
            profiles.clear();
            return true;
        }
        Log("cannot open profile folder " + folder);
        return false;
    }
    std::vector<std::pair<std::string, ProfileList_t>> found;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string fileName = entry->d_name;
        if (!HasProfileExtension(fileName))
            continue;
        ProfileList_t profile;
        // A name the store cannot write back ("...profile" gives "..")
        // would fail every save of the list.
        if (IsWritableName(NameFromPath(fileName)) && Read(folder + "/" + fileName, profile))
            found.emplace_back(fileName, std::move(profile));
        else
            Log("skipped " + folder + "/" + fileName);
    }
    ::closedir(dir);

    std::vector<std::pair<int, size_t>> order;
    order.reserve(found.size());
    for (size_t i = 0; i < found.size(); ++i)
        order.emplace_back(PriorityValue(found[i].second.priority), i);
    std::sort(order.begin(), order.end(), [&](const auto& a, const auto& b) {
        if (a.first != b.first)
            return a.first < b.first;
        return found[a.second].first < found[b.second].first;
    });
    std::vector<ProfileList_t> sorted;
    sorted.reserve(found.size());
    for (const auto& item : order)
        sorted.push_back(std::move(found[item.second].second));
    profiles.swap(sorted);
    return true;
}

int ProfileFile::PriorityValue(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}
