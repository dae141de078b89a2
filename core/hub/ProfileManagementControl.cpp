#include "ProfileManagementControl.h"

#include <algorithm>
#include <cerrno>
#include <set>

#include <sys/stat.h>
#include <unistd.h>

#include "ApStatusUtil.h"
#include "NetworkTypes.h"
#include "ProfileEvent.h"
#include "ProfileFile.h"
#include "SystemPaths.h"
#include "TWMLog.h"
#include "TWMUtil.h"

namespace {

const std::string& LogPath() {
    static const std::string path = SystemPaths::Fixed("/tmp/ProfileManagementControl.log");
    return path;
}

void Log(const std::string& message) { TWMLog(LogPath().c_str(), message.c_str()); }

const char* const kGuestName = "Guest";
const int kFirstSavedPriority = 10001;

const mode_t kPublicFileMode = 0644;
const mode_t kPrivateFileMode = 0600;
const mode_t kAdminFolderMode = 0755;
const mode_t kUserFolderMode = 0700;

bool IsFolder(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool SameFolder(const std::string& a, const std::string& b) {
    struct stat sa, sb;
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && S_ISDIR(sa.st_mode) &&
           sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool Contains(const std::set<std::string>& names, const std::string& name) {
    return names.find(name) != names.end();
}

std::set<std::string> NamesOf(const std::vector<ProfileList_t>& list) {
    std::set<std::string> names;
    for (const ProfileList_t& p : list)
        names.insert(p.name);
    return names;
}

}  // namespace

ProfileManagementControl::ProfileManagementControl()
    : m_strAdminDir(SystemPaths::AdminDir()),
      m_strUserDir(SystemPaths::UserProfileDir()),
      m_strGuestDir(SystemPaths::GuestDir()),
      m_prepareTimer(this, ID_PREPARE_TIMER),
      m_wiredTimer(this, ID_WIRED_TIMER) {}

ProfileManagementControl::~ProfileManagementControl() {
    m_prepareTimer.Stop();
    m_wiredTimer.Stop();
}

void ProfileManagementControl::SetEventTargets(wxEvtHandler* mainWindow,
                                               wxEvtHandler* profileManager,
                                               wxEvtHandler* taskTray) {
    m_pMainWindow = mainWindow;
    m_pProfileManager = profileManager;
    m_pTaskTray = taskTray;
}

bool ProfileManagementControl::LoadProfiles(bool isAdmin) {
    Log("Enter ProfileManagementControl::LoadProfiles");
    std::vector<ProfileList_t> admin, user, guest;
    bool ok = ProfileFile::ReadFolder(m_strAdminDir, admin);
    if (ok && !isAdmin)
        ok = ProfileFile::ReadFolder(m_strUserDir, user);
    if (ok)
        ok = ProfileFile::ReadFolder(m_strGuestDir, guest);
    if (ok) {
        wxMutexLocker lock(m_storeMutex);
        m_adminList.swap(admin);
        m_userList.swap(user);
        m_guestList.swap(guest);
    }
    Log(ok ? "Leave ProfileManagementControl::LoadProfiles" : "Leave ProfileManagementControl::LoadProfiles: a folder cannot be read");
    return ok;
}

bool ProfileManagementControl::GetProfileList(std::vector<ProfileList_t>& list, bool isAdmin,
                                              bool reload, int* adminCount) {
    if (reload && !LoadProfiles(isAdmin))
        return false;
    wxMutexLocker lock(m_storeMutex);
    list.clear();
    list.reserve(m_adminList.size() + m_userList.size() + m_guestList.size());
    list.insert(list.end(), m_adminList.begin(), m_adminList.end());
    list.insert(list.end(), m_userList.begin(), m_userList.end());
    list.insert(list.end(), m_guestList.begin(), m_guestList.end());
    if (adminCount != nullptr)
        *adminCount = static_cast<int>(std::min(m_adminList.size(), list.size()));
    return true;
}

int ProfileManagementControl::GetAdminProfileCount() {
    wxMutexLocker lock(m_storeMutex);
    return static_cast<int>(m_adminList.size());
}

wxString ProfileManagementControl::GetCurrentProfileName() {
    wxMutexLocker lock(m_storeMutex);
    return m_strCurrentProfileName;
}

ProfileList_t& ProfileManagementControl::GetCurrentUsedProfile() { return m_currentUsedProfile; }

bool ProfileManagementControl::ReadProfileFile(ProfileList_t& profile, const wxString& path, wxString* reason) {
    ProfileFile::Refusal refusal;
    if (ProfileFile::Read(TWMUtil::WxStringToStdString(path), profile, &refusal))
        return true;
    if (reason != nullptr)
        *reason = ProfileFile::RefusalText(refusal);
    return false;
}

mode_t ProfileManagementControl::FileModeFor(const std::string& folder) const {
    std::string f = folder;
    while (f.size() > 1 && f.back() == '/')
        f.pop_back();
    return (f == m_strAdminDir || f == m_strGuestDir) ? kPublicFileMode : kPrivateFileMode;
}

bool ProfileManagementControl::WriteProfileTo(const ProfileList_t& profile, const wxString& folder,
                                              bool replace) {
    const std::string dir = TWMUtil::WxStringToStdString(folder);
    if (!IsFolder(dir))
        return false;
    return ProfileFile::Write(profile, dir, FileModeFor(dir), replace);
}

bool ProfileManagementControl::IsProfileFolder(const wxString& folder) const {
    const std::string dir = TWMUtil::WxStringToStdString(folder);
    for (const std::string* store : {&m_strAdminDir, &m_strUserDir, &m_strGuestDir}) {
        if (SameFolder(dir, *store))
            return true;
    }
    return false;
}

bool ProfileManagementControl::EnsureFolder(const std::string& folder, mode_t mode) {
    if (IsFolder(folder))
        return true;
    if (::mkdir(folder.c_str(), mode) != 0 && errno != EEXIST) {
        Log("cannot create " + folder);
        return false;
    }
    // mkdir's mode passes through the umask; set it exactly.
    ::chmod(folder.c_str(), mode);
    return IsFolder(folder);
}

bool ProfileManagementControl::SaveProfile(const ProfileList_t& profile) {
    Log("Enter ProfileManagementControl::SaveProfile");
    const bool admin = TWMUtil::IsAdmin();
    const std::string& folder = admin ? m_strAdminDir : m_strUserDir;
    const bool saved = EnsureFolder(folder, admin ? kAdminFolderMode : kUserFolderMode) &&
                       ProfileFile::Write(profile, folder,
                                          admin ? kPublicFileMode : kPrivateFileMode, false);
    if (saved)
        PostProfileListChanged(true);
    Log("Leave ProfileManagementControl::SaveProfile");
    return saved;
}

size_t ProfileManagementControl::LeadingAdminEntries(const std::vector<ProfileList_t>& list, size_t limit) {
    std::multiset<std::string> adminNames;
    {
        wxMutexLocker lock(m_storeMutex);
        for (const ProfileList_t& p : m_adminList)
            adminNames.insert(p.name);
    }
    size_t count = 0;
    while (count < std::min(limit, list.size())) {
        const auto found = adminNames.find(list[count].name);
        if (found == adminNames.end())
            break;
        adminNames.erase(found);
        ++count;
    }
    return count;
}

std::vector<bool> ProfileManagementControl::GuestEntries(const std::vector<ProfileList_t>& list) {
    std::vector<bool> guest(list.size(), false);
    std::set<std::string> guestNames;
    {
        wxMutexLocker lock(m_storeMutex);
        guestNames = NamesOf(m_guestList);
    }
    // The guest entries follow all others in the list as loaded, so of the
    // entries that bear a guest profile's name the last one stands for it;
    // an earlier one is an administrator's or the user's own profile.
    std::set<std::string> seen;
    for (size_t i = list.size(); i-- > 0;) {
        const std::string& name = list[i].name;
        if (name == kGuestName || (Contains(guestNames, name) && seen.insert(name).second))
            guest[i] = true;
    }
    return guest;
}

bool ProfileManagementControl::SaveAllProfiles(const std::vector<ProfileList_t>& list,
                                               wxArrayString* failedNames, int adminCount,
                                               const std::vector<ProfileList_t>* loadedWith) {
    Log("Enter ProfileManagementControl::SaveAllProfiles");
    const bool admin = TWMUtil::IsAdmin();
    const std::string& folder = admin ? m_strAdminDir : m_strUserDir;
    const mode_t fileMode = admin ? kPublicFileMode : kPrivateFileMode;

    // The leading entries that stand for the administrator's profiles are
    // not the user's to write; a count that reaches past them (a list older
    // than the store's) must not make the user's own entries look like
    // theirs.
    size_t first = 0;
    if (!admin)
        first = LeadingAdminEntries(list, adminCount >= 0 ? static_cast<size_t>(adminCount) : list.size());
    const std::vector<bool> guest = GuestEntries(list);
    std::set<std::string> loaded;
    {
        wxMutexLocker lock(m_storeMutex);
        loaded = NamesOf(admin ? m_adminList : m_userList);
    }
    if (loadedWith != nullptr) {
        // Of the holder's list the guest entries name no file of this folder.
        std::set<std::string> held;
        const std::vector<bool> heldGuest = GuestEntries(*loadedWith);
        for (size_t i = 0; i < loadedWith->size(); ++i) {
            if (!heldGuest[i] && Contains(loaded, (*loadedWith)[i].name))
                held.insert((*loadedWith)[i].name);
        }
        loaded.swap(held);
    }

    const bool folderReady = EnsureFolder(folder, admin ? kAdminFolderMode : kUserFolderMode);
    bool allWritten = true;
    int written = 0;
    std::set<std::string> kept;
    for (size_t i = first; i < list.size(); ++i) {
        const ProfileList_t& entry = list[i];
        kept.insert(entry.name);
        bool ok;
        if (guest[i]) {
            ok = IsKeptAsStored(entry, admin);
        } else {
            ProfileList_t numbered = entry;
            numbered.priority = std::to_string(kFirstSavedPriority + written);
            ok = folderReady && ProfileFile::Write(numbered, folder, fileMode, true);
            if (ok)
                ++written;
        }
        if (!ok) {
            allWritten = false;
            if (failedNames != nullptr)
                failedNames->Add(TWMUtil::StdStringToWxString(entry.name));
        }
    }
    // After a failed write a leftover file may be the only copy of a profile
    // (the old name of a renamed one): then nothing is removed.  A file the
    // last load skipped was never listed, so it was not dropped either.
    if (folderReady && allWritten) {
        std::vector<std::string> dropped;
        for (const std::string& name : loaded) {
            if (!Contains(kept, name))
                dropped.push_back(name);
        }
        RemoveProfileFiles(folder, dropped);
    }

    PostProfileListChanged(false);
    Log("Leave ProfileManagementControl::SaveAllProfiles");
    return allWritten;
}

bool ProfileManagementControl::IsKeptAsStored(const ProfileList_t& entry, bool admin) {
    const auto shownOrHidden = [](ProfileList_t p) {
        p.show = TWMUtil::ParseLeadingInt(p.show.c_str()) != 0 ? "1" : "0";
        return p;
    };
    const ProfileList_t wanted = shownOrHidden(entry);
    wxMutexLocker lock(m_storeMutex);
    for (const ProfileList_t& stored : m_guestList) {
        if (stored.name == entry.name && shownOrHidden(stored) == wanted)
            return true;
    }
    // The folder's own "Guest.profile" is never removed or rewritten either.
    if (entry.name == kGuestName) {
        for (const ProfileList_t& stored : admin ? m_adminList : m_userList) {
            if (stored.name == entry.name && shownOrHidden(stored) == wanted)
                return true;
        }
    }
    return false;
}

void ProfileManagementControl::RemoveProfileFiles(const std::string& folder,
                                                  const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        if (name == kGuestName || !ProfileFile::IsWritableName(name))
            continue;
        const std::string path = ProfileFile::PathFor(folder, name);
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        ::chmod(path.c_str(), st.st_mode | S_IWUSR);
        if (::unlink(path.c_str()) != 0)
            Log("cannot remove " + path);
    }
}

int ProfileManagementControl::CheckProfilesForAP(const APStatus* ap) {
    if (ap == nullptr)
        return 0;
    const bool admin = TWMUtil::IsAdmin();
    if (!LoadProfiles(admin))
        return 0;

    const std::string ssidToNul = ApStatusUtil::SsidBytesToNul(*ap);
    const std::string ssidText = ApStatusUtil::SsidBytes(*ap);
    int result = PROFILES_READ;
    int highest = 0;
    bool any = false;
    wxMutexLocker lock(m_storeMutex);
    for (const ProfileList_t& p : admin ? m_adminList : m_userList) {
        if (p.WirelessSet.SSID == ssidToNul)
            result |= PROFILES_SSID_KNOWN;
        if (p.name == ssidText)
            result |= PROFILES_NAME_TAKEN;
        const int priority = ProfileFile::PriorityValue(p.priority);
        highest = any ? std::max(highest, priority) : priority;
        any = true;
    }
    return result | std::clamp(highest, 0, static_cast<int>(PROFILES_PRIORITY_MASK));
}

void ProfileManagementControl::PostProfileListChanged(bool toProfileManager) {
    ProfileEvent event(ID_PROFILE_LIST_CHANGED, PROFILE_SAVED);
    if (m_pMainWindow != nullptr)
        m_pMainWindow->AddPendingEvent(event);
    if (toProfileManager && m_pProfileManager != nullptr)
        m_pProfileManager->AddPendingEvent(event);
}
