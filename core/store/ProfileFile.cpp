#include "ProfileFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <deque>
#include <initializer_list>
#include <map>
#include <mutex>
#include <tuple>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <tinyxml.h>
#include <wx/intl.h>
#include <wx/string.h>

#include "BoundedXmlFile.h"
#include "PosixIo.h"
#include "ProfileScrambler.h"
#include "ProfileTags.h"
#include "SystemPaths.h"
#include "TWMLog.h"

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
const BoundedXmlFile::Limits kProfileLimits = {1024 * 1024, 1024, 8};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Decodes a raw text without its leading and trailing blanks; null reads as
// empty.
bool DecodeInto(const char* raw, std::string& field) {
    if (raw == nullptr)
        raw = "";
    while (IsBlank(*raw))
        ++raw;
    size_t size = std::strlen(raw);
    while (size > 0 && IsBlank(raw[size - 1]))
        --size;
    return ProfileScrambler::Unscramble(raw, size, field);
}

// Reads the fields of one group: a missing group leaves its fields empty
// unless the root carries them as attributes.  The group's children are
// walked once, keeping the first element of each field's name.
class FieldReader {
public:
    FieldReader(const TiXmlElement* root, const char* groupTag, std::initializer_list<const char*> tags)
        : m_root(root),
          m_group(groupTag != nullptr ? root->FirstChildElement(groupTag) : nullptr),
          m_grouped(groupTag != nullptr),
          m_count(std::min(tags.size(), kMaxTags)) {
        std::copy_n(tags.begin(), m_count, m_tags.begin());
        const TiXmlElement* parent = m_grouped ? m_group : m_root;
        if (parent == nullptr)
            return;
        size_t next = 0;
        for (const TiXmlElement* e = parent->FirstChildElement(); e != nullptr; e = e->NextSiblingElement()) {
            const size_t k = IndexOf(e->Value(), next);
            if (k == m_count)
                continue;
            if (m_first[k] == nullptr)
                m_first[k] = e;
            next = k + 1;
        }
    }

    const TiXmlElement* Group() const { return m_group; }

    // False when the value does not decode.  `tag` is one of the tags the
    // reader was made with (the same pointer).
    bool Read(const char* tag, std::string& field) const {
        if (m_grouped && m_group == nullptr)
            return DecodeInto(m_root->Attribute(tag), field);
        size_t k = 0;
        while (k < m_count && m_tags[k] != tag)
            ++k;
        return DecodeInto(RawField(k < m_count ? m_first[k] : nullptr, tag), field);
    }

private:
    static constexpr size_t kMaxTags = 16;

    // Position of `name` among the tags, or the count when it is none of
    // them.  `hint` is tried first: the writer keeps the fields in order.
    size_t IndexOf(const char* name, size_t hint) const {
        if (hint < m_count && std::strcmp(m_tags[hint], name) == 0)
            return hint;
        for (size_t k = 0; k < m_count; ++k) {
            if (std::strcmp(m_tags[k], name) == 0)
                return k;
        }
        return m_count;
    }

    // The raw (still scrambled) text of one field, null when there is none.
    // The element text is taken first; then an attribute of the field's
    // name on the group element or the root; then a "value" attribute on the
    // field's element.
    const char* RawField(const TiXmlElement* element, const char* tag) const {
        if (element != nullptr && element->GetText() != nullptr)
            return element->GetText();
        if (m_group != nullptr && m_group->Attribute(tag) != nullptr)
            return m_group->Attribute(tag);
        if (m_root->Attribute(tag) != nullptr)
            return m_root->Attribute(tag);
        if (element != nullptr)
            return element->Attribute(ProfileTags::VALUE_ATTRIBUTE);
        return nullptr;
    }

    const TiXmlElement* m_root;
    const TiXmlElement* m_group;
    bool m_grouped;
    size_t m_count;
    std::array<const char*, kMaxTags> m_tags{};
    std::array<const TiXmlElement*, kMaxTags> m_first{};
};

bool ReadDocument(const TiXmlElement* root, ProfileList_t& p) {
    using namespace ProfileTags;
    const FieldReader top(root, nullptr, {PERMISSION, PRIORITY, ICON, SHOW});
    const FieldReader general(root, GENERNAL_SETTINGS, {CONNECT_TYPE});
    const FieldReader wireless(root, WIRELESS_SETTINGS,
                               {SSID, WIRLESS_TYPE, WLAN_SECURITY, WEP_SETTINGS, KEY_INDEX, WPA_SETTINGS});
    const FieldReader other(root, OTHER_SETTINGS,
                            {NETWORK_SECURITY, FORBID_SHARE_FILE_AND_PRINT, FORBID_SHARE_INTERNET,
                             START_WINDOW_FIREWALL, AUTO_RUN_APP_FLAG, IPDNS, IP_VALUE, SUBNET_ADDRESS,
                             NET_GATEWAY, DNS_VALUE, HOMEPAGE_FLAG, HOMEPAGE, PROXY_FLAG, PROXY, PORT});

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
            if (!DecodeInto(raw, program))
                return false;
            o.AutoRun.push_back(std::move(program));
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

namespace {

ProfileFile::Refusal RefusalOf(BoundedXmlFile::Result result) {
    switch (result) {
    case BoundedXmlFile::TOO_LARGE:
        return ProfileFile::Refusal::TOO_LARGE;
    case BoundedXmlFile::NOT_TEXT:
        return ProfileFile::Refusal::NOT_TEXT;
    case BoundedXmlFile::TOO_MANY_ELEMENTS:
        return ProfileFile::Refusal::TOO_MANY_ELEMENTS;
    case BoundedXmlFile::NESTED_TOO_DEEP:
        return ProfileFile::Refusal::NESTED_TOO_DEEP;
    case BoundedXmlFile::NOT_WELL_FORMED:
        return ProfileFile::Refusal::NOT_A_PROFILE;
    default:
        return ProfileFile::Refusal::CANNOT_OPEN;
    }
}

struct ReadOutcome {
    bool read;
    ProfileFile::Refusal refusal;
    // Why, in a few English words; null when there is no file to read
    // (nothing at the path, or a folder, device or pipe).
    const char* reason;
};

// ProfileFile::Read without its trace line.
ReadOutcome ReadProfile(const std::string& path, ProfileList_t& profile) {
    using Refusal = ProfileFile::Refusal;
    const std::string name = ProfileFile::NameFromPath(path);
    if (name.empty())
        return {false, Refusal::NO_NAME, "empty name"};

    TiXmlDocument document;
    const BoundedXmlFile::Result loaded = BoundedXmlFile::Load(path, kProfileLimits, document);
    if (loaded != BoundedXmlFile::READ) {
        const bool quiet = loaded == BoundedXmlFile::MISSING || loaded == BoundedXmlFile::NOT_A_FILE;
        return {false, RefusalOf(loaded), quiet ? nullptr : BoundedXmlFile::Describe(loaded)};
    }
    const TiXmlElement* root = document.RootElement();
    if (root->ValueStr() != ProfileTags::PROFILE)
        return {false, Refusal::NOT_A_PROFILE, "not a profile document"};
    ProfileList_t read;
    if (!ReadDocument(root, read))
        return {false, Refusal::NOT_A_PROFILE, "value does not decode"};
    read.name = name;
    profile = std::move(read);
    return {true, Refusal::NOT_A_PROFILE, nullptr};
}

// Tells on standard error that a profile file of a folder was skipped, and
// why.  The lists are loaded whenever a window or the tray menu shows them,
// so a file is told of once in each state: again only after it was changed
// or made anew and is still refused.
void TellSkipped(const std::string& path, const char* reason) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        st = {};  // it went in the meantime
    auto state = std::make_tuple(std::string(reason), st.st_dev, st.st_ino, st.st_size, st.st_mtim.tv_sec,
                                 st.st_mtim.tv_nsec, st.st_ctim.tv_sec, st.st_ctim.tv_nsec);
    static std::mutex mutex;
    static std::map<std::string, decltype(state)> told;
    std::lock_guard<std::mutex> lock(mutex);
    const auto known = told.find(path);
    if (known != told.end() && known->second == state)
        return;
    told[path] = std::move(state);
    std::fprintf(stderr, "Tidewave: %s ignored (%s)\n", path.c_str(), reason);
}

}  // namespace

bool ProfileFile::Read(const std::string& path, ProfileList_t& profile, Refusal* refusal) {
    const ReadOutcome outcome = ReadProfile(path, profile);
    if (outcome.read)
        return true;
    if (outcome.reason != nullptr)
        Log(std::string("unreadable profile (") + outcome.reason + "): " + path);
    if (refusal != nullptr)
        *refusal = outcome.refusal;
    return false;
}

wxString ProfileFile::RefusalText(Refusal refusal) {
    switch (refusal) {
    case Refusal::CANNOT_OPEN:
        return _("The file cannot be opened.");
    case Refusal::TOO_LARGE:
        return _("The file is too large to be a profile.");
    case Refusal::NOT_TEXT:
        return _("The file is not UTF-8 text.");
    case Refusal::TOO_MANY_ELEMENTS:
        return _("The file holds too many elements to be a profile.");
    case Refusal::NESTED_TOO_DEEP:
        return _("The file's elements are nested too deep for a profile.");
    case Refusal::NOT_A_PROFILE:
        return _("The file is not a profile.");
    case Refusal::NO_NAME:
        return _("The file's name cannot be the name of a profile.");
    }
    return wxString();
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
    std::vector<std::string> fileNames;
    while (const dirent* entry = ::readdir(dir)) {
        std::string fileName = entry->d_name;
        if (HasProfileExtension(fileName))
            fileNames.push_back(std::move(fileName));
    }
    ::closedir(dir);

    // Each profile is read in its place (a deque never moves what it holds,
    // and holds only what was read) and moved once, into the sorted list.
    struct Entry {
        int priority;
        size_t file;  // in fileNames
        size_t slot;  // in found
    };
    std::deque<ProfileList_t> found;
    std::vector<Entry> order;
    for (size_t i = 0; i < fileNames.size(); ++i) {
        const std::string path = folder + "/" + fileNames[i];
        found.emplace_back();
        // A name the store cannot write back ("...profile" gives "..")
        // would fail every save of the list.
        const ReadOutcome outcome = IsWritableName(NameFromPath(fileNames[i]))
                                        ? ReadProfile(path, found.back())
                                        : ReadOutcome{false, Refusal::NO_NAME, "a name no profile can have"};
        if (outcome.read) {
            order.push_back({PriorityValue(found.back().priority), i, found.size() - 1});
        } else {
            found.pop_back();
            if (outcome.reason != nullptr)
                TellSkipped(path, outcome.reason);
            Log("skipped " + path);
        }
    }
    std::sort(order.begin(), order.end(), [&](const Entry& a, const Entry& b) {
        if (a.priority != b.priority)
            return a.priority < b.priority;
        return fileNames[a.file] < fileNames[b.file];
    });
    std::vector<ProfileList_t> sorted;
    sorted.reserve(order.size());
    for (const Entry& entry : order)
        sorted.push_back(std::move(found[entry.slot]));
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
