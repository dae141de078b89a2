#include "ProfileManagerModel.h"

#include <algorithm>
#include <utility>

#include "ProfileFile.h"
#include "TWMUtil.h"

namespace {

const char kGuestName[] = "Guest";
const int kNoIconImage = 4;
const int kFirstIconImage = 5;
const int kLastIcon = 7;

}  // namespace

void ProfileManagerModel::Load(bool ok, std::vector<ProfileList_t> list, int adminCount, bool isAdmin) {
    if (ok) {
        m_profileList = std::move(list);
        m_nAdminCount = adminCount;
    }
    m_nAdminCount = std::clamp(m_nAdminCount, 0, Count());
    m_savedProfileList = m_profileList;
    m_bIsAdmin = isAdmin;
    m_bLoaded = true;
    m_bLoadFailed = !ok;
    ++m_nLoads;
}

void ProfileManagerModel::Clear() {
    m_profileList.clear();
    m_savedProfileList.clear();
    m_bLoaded = false;
}

void ProfileManagerModel::AddedByNew() {
    m_bModified = true;
    if (m_bIsAdmin)
        m_nAdminCount = std::min(m_nAdminCount + 1, Count());
}

int ProfileManagerModel::FindGuestIndex() const {
    for (int i = 0; i < Count(); ++i) {
        if (m_profileList[i].name == kGuestName)
            return i;
    }
    return -1;
}

bool ProfileManagerModel::IsInUse(int index, const std::string& inUseName) const {
    return IsRow(index) && m_profileList[index].name == inUseName;
}

int ProfileManagerModel::LockedRow(const std::string& inUseName) const {
    int locked = -1;
    for (int i = 0; i < Count(); ++i) {
        if (IsInUse(i, inUseName))
            locked = i;
    }
    return locked;
}

ProfileManagerModel::RowLook ProfileManagerModel::Look(int index) const { return LookAt(index, FindGuestIndex()); }

std::vector<ProfileManagerModel::RowLook> ProfileManagerModel::Looks() const {
    const int guest = FindGuestIndex();
    std::vector<RowLook> looks;
    looks.reserve(m_profileList.size());
    for (int i = 0; i < Count(); ++i)
        looks.push_back(LookAt(i, guest));
    return looks;
}

ProfileManagerModel::RowLook ProfileManagerModel::LookAt(int index, int guestIndex) const {
    RowLook look;
    if (!IsRow(index))
        return look;
    look.image = IconImage(m_profileList[index].icon);
    if (index < m_nAdminCount && !m_bIsAdmin) {
        look.enabled = false;
        look.whiteBackground = true;
        look.greyText = true;
    }
    if (index == guestIndex) {
        look.enabled = false;
        look.whiteBackground = true;
    }
    return look;
}

int ProfileManagerModel::IconImage(const std::string& icon) {
    const int value = TWMUtil::ParseLeadingInt(icon.c_str());
    if (value < 0 || value > kLastIcon)
        return kNoIconImage;
    return kFirstIconImage + value;
}

bool ProfileManagerModel::IsShown(const std::string& show) {
    return TWMUtil::ParseLeadingInt(show.c_str()) != 0;
}

ProfileManagerModel::Commands ProfileManagerModel::CommandsFor(int row, const std::string& inUseName) const {
    Commands c;
    if (!IsRow(row))
        return c;
    const int last = Count() - 1;
    if (row >= m_nAdminCount) {
        c.up = row > m_nAdminCount;
        c.down = row < last;
        c.edit = c.remove = c.exportItem = true;
    } else if (m_bIsAdmin) {
        c.up = c.down = c.edit = c.remove = c.exportItem = true;
    }
    if (row == last)
        c.down = false;
    if (row == 0)
        c.up = false;
    if (IsInUse(row, inUseName))
        c.remove = false;
    const int guest = FindGuestIndex();
    if (row == guest)
        c = Commands();
    else if (row == guest - 1)
        c.down = false;
    return c;
}

bool ProfileManagerModel::CanEdit(int row) const {
    return IsRow(row) && row != FindGuestIndex() && (m_bIsAdmin || row >= m_nAdminCount);
}

bool ProfileManagerModel::CanDelete(int row, const std::string& inUseName) const {
    return CanEdit(row) && !IsInUse(row, inUseName);
}

bool ProfileManagerModel::CanExport(int row) const { return CanEdit(row); }

void ProfileManagerModel::SetShowFlag(int index, bool show) {
    if (IsRow(index))
        m_profileList[index].show = show ? "1" : "0";
}

bool ProfileManagerModel::SwapEntries(int first, int second) {
    if (first < 1 || second < 1 || first > Count() || second > Count())
        return false;
    std::swap(m_profileList[first - 1], m_profileList[second - 1]);
    return true;
}

bool ProfileManagerModel::RemoveEntry(int index) {
    if (!IsRow(index))
        return false;
    m_profileList.erase(m_profileList.begin() + index);
    return true;
}

bool ProfileManagerModel::Replace(int index, const ProfileList_t& profile) {
    if (!IsRow(index))
        return false;
    m_profileList[index] = profile;
    return true;
}

int ProfileManagerModel::MoveUp(int row, const std::string& inUseName) {
    if (!CommandsFor(row, inUseName).up || !SwapEntries(row, row + 1))
        return -1;
    return row - 1;
}

int ProfileManagerModel::MoveDown(int row, const std::string& inUseName) {
    if (!CommandsFor(row, inUseName).down || !SwapEntries(row + 1, row + 2))
        return -1;
    return row + 1;
}

int ProfileManagerModel::InsertPosition() const {
    if (FindGuestIndex() >= 0 && !m_profileList.empty())
        return Count() - 1;
    return Count();
}

void ProfileManagerModel::Insert(const ProfileList_t& profile) {
    m_profileList.insert(m_profileList.begin() + InsertPosition(), profile);
}

void ProfileManagerModel::AddStored(const ProfileList_t& profile) {
    if (!m_bLoaded)
        return;
    m_savedProfileList.push_back(profile);
    m_profileList.push_back(profile);
}

bool ProfileManagerModel::IsNameTaken(const wxString& name, const wxString& oldName) const {
    if (!oldName.empty() && name == oldName)
        return false;
    for (const ProfileList_t& p : m_profileList) {
        if (TWMUtil::StdStringToWxString(p.name) == name)
            return true;
    }
    return false;
}

std::vector<int> ProfileManagerModel::ShowAllRows(bool isAdminNow, const std::string& inUseName) const {
    std::vector<int> rows;
    const int guest = FindGuestIndex();
    for (int i = isAdminNow ? 0 : m_nAdminCount; i < Count(); ++i) {
        if (i != guest && !IsInUse(i, inUseName))
            rows.push_back(i);
    }
    return rows;
}

bool ProfileManagerModel::HasChanges() const {
    return m_bModified || m_profileList != m_savedProfileList;
}

wxArrayString ProfileManagerModel::OwnEntryNames() const {
    wxArrayString names;
    for (int i = m_bIsAdmin ? 0 : m_nAdminCount; i < Count(); ++i)
        names.Add(TWMUtil::StdStringToWxString(m_profileList[i].name));
    return names;
}

ProfileManagerModel::ImportPlan ProfileManagerModel::PlanImport(const std::string& name,
                                                                const std::string& inUseName,
                                                                bool isAdminNow) const {
    ImportPlan plan;
    if (!ProfileFile::IsWritableName(name)) {
        plan.kind = ImportPlan::Unnamable;
    } else if (name == inUseName) {
        plan.kind = ImportPlan::InUse;
    } else {
        for (int i = isAdminNow ? 0 : m_nAdminCount; i < Count(); ++i) {
            if (m_profileList[i].name == name) {
                plan.kind = ImportPlan::Overwrite;
                plan.existing = i;
                break;
            }
        }
    }
    return plan;
}

void ProfileManagerModel::ApplyImport(const ImportPlan& plan, const ProfileList_t& record, bool isAdminNow) {
    if (plan.kind != ImportPlan::Overwrite && plan.kind != ImportPlan::Add)
        return;
    if (plan.kind == ImportPlan::Overwrite)
        RemoveEntry(plan.existing);
    else if (isAdminNow)
        ++m_nAdminCount;  // root's new entry joins the administrator block
    Insert(record);
    m_nAdminCount = std::min(m_nAdminCount, Count());
    m_bModified = true;
}
