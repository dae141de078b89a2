#ifndef TIDEWAVE_PROFILEMANAGERMODEL_H
#define TIDEWAVE_PROFILEMANAGERMODEL_H

#include <string>
#include <vector>

#include <wx/arrstr.h>
#include <wx/string.h>

#include "ProfileList.h"

// The profile manager's list without its window: the working list the rows
// show, the list as loaded, the administrator entries at its head, and the
// rules by which rows are greyed and the commands enabled.  The window moves
// data between this and its controls and asks the questions.
//
// Kinds of entries: the first AdminCount() entries are the administrator
// entries; the Guest entry is the first entry named exactly "Guest"; the
// entry in use is one named like the profile being applied or last applied.
class ProfileManagerModel {
public:
    // The commands a selected row enables.  `edit` stands for the Edit button
    // and menu item, `remove` for the Delete button and menu item, `exportItem`
    // for the export menu item.
    struct Commands {
        bool up = false;
        bool down = false;
        bool edit = false;
        bool remove = false;
        bool exportItem = false;

        bool operator==(const Commands& o) const {
            return up == o.up && down == o.down && edit == o.edit && remove == o.remove &&
                   exportItem == o.exportItem;
        }
    };

    // How a row is drawn.  A disabled row shows a greyed box that a click
    // does not change.
    struct RowLook {
        bool enabled = true;
        bool whiteBackground = false;
        bool greyText = false;
        int image = 5;  // the profile icon: image 4 for none, else 5 + icon
    };

    // What an import does with a record read from a file.
    struct ImportPlan {
        enum Kind {
            Unnamable,  // the store could not write a file of that name
            InUse,      // named like the profile in use: refused
            Overwrite,  // an entry of that name is listed: ask first
            Add,        // a new entry
        };
        Kind kind = Add;
        int existing = -1;  // the entry an overwrite replaces
    };

    // A load from the store.  `ok` false (a folder could not be read) keeps
    // the working list as it was and remembers the failure until the next
    // good load, so that the list is never saved over the store's files.  The
    // administrator count comes with the list and is clamped to it.
    void Load(bool ok, std::vector<ProfileList_t> list, int adminCount, bool isAdmin);
    // Number of loads so far; a command that waited for a question or dialog
    // compares it to see whether the list was replaced meanwhile.
    unsigned LoadCount() const { return m_nLoads; }
    bool IsLoaded() const { return m_bLoaded; }
    bool LoadFailed() const { return m_bLoadFailed; }
    // Empties both lists: the window was left.
    void Clear();

    const std::vector<ProfileList_t>& Profiles() const { return m_profileList; }
    const std::vector<ProfileList_t>& SavedProfiles() const { return m_savedProfileList; }
    int Count() const { return static_cast<int>(m_profileList.size()); }
    int AdminCount() const { return m_nAdminCount; }
    bool IsAdmin() const { return m_bIsAdmin; }

    bool IsModified() const { return m_bModified; }
    void SetModified(bool modified) { m_bModified = modified; }
    // A new entry joined the list: modified, and for the administrator one
    // more administrator entry.
    void AddedByNew();

    int FindGuestIndex() const;
    bool IsInUse(int index, const std::string& inUseName) const;
    // The row that a click can never uncheck: the last entry in use, or -1.
    int LockedRow(const std::string& inUseName) const;
    RowLook Look(int index) const;
    // The looks of all rows, in row order.
    std::vector<RowLook> Looks() const;

    // A profile's icon field as an image index of the manager's list.
    static int IconImage(const std::string& icon);
    // A show field: any number but 0 shows the profile.
    static bool IsShown(const std::string& show);

    // The commands of the selected row; none for a row outside the list.
    Commands CommandsFor(int row, const std::string& inUseName) const;
    bool CanEdit(int row) const;
    bool CanDelete(int row, const std::string& inUseName) const;
    bool CanExport(int row) const;

    void SetShowFlag(int index, bool show);
    // Positions count from 1; false, with nothing changed, outside the list.
    bool SwapEntries(int first, int second);
    bool RemoveEntry(int index);
    // Puts an edited record in place of the entry; false outside the list.
    bool Replace(int index, const ProfileList_t& profile);
    // Moves the entry of `row` one place; the row it now stands on, or -1
    // when the selection rules do not offer the move.
    int MoveUp(int row, const std::string& inUseName);
    int MoveDown(int row, const std::string& inUseName);

    // Where a new or imported entry goes: before the last entry when a Guest
    // entry is listed, else at the end.
    int InsertPosition() const;
    void Insert(const ProfileList_t& profile);
    // Another window stored a profile: it joins both lists, so it is no
    // unsaved change.  Only a loaded list takes it.
    void AddStored(const ProfileList_t& profile);

    bool IsNameTaken(const wxString& name, const wxString& oldName) const;

    // The rows "Show All" sets: none of the Guest entry, the entry in use or,
    // for other users than root, the administrator entries.
    std::vector<int> ShowAllRows(bool isAdminNow, const std::string& inUseName) const;

    // Whether the working list differs from the list as loaded, or was
    // marked modified.
    bool HasChanges() const;

    // The entries a save of this user writes (all for root, else those after
    // the administrator entries), by name.
    wxArrayString OwnEntryNames() const;

    ImportPlan PlanImport(const std::string& name, const std::string& inUseName, bool isAdminNow) const;
    void ApplyImport(const ImportPlan& plan, const ProfileList_t& record, bool isAdminNow);

private:
    bool IsRow(int index) const { return index >= 0 && index < Count(); }
    RowLook LookAt(int index, int guestIndex) const;

    std::vector<ProfileList_t> m_profileList;
    std::vector<ProfileList_t> m_savedProfileList;
    int m_nAdminCount = 0;
    bool m_bIsAdmin = false;
    bool m_bModified = false;
    bool m_bLoaded = false;
    bool m_bLoadFailed = false;
    unsigned m_nLoads = 0;
};

#endif
