#ifndef TIDEWAVE_PROFILELISTCOLUMNS_H
#define TIDEWAVE_PROFILELISTCOLUMNS_H

#include <functional>

#include <wx/string.h>

#include "CutRows.h"

class wxCheckedListCtrl;

// The columns of the profile manager's list: Show (the check box), Priority
// (the row's place in the order) and Profile Name (the profile's icon and
// name).  Show and Priority are as wide as their headings and cells need;
// the name column takes the rest of the list, and a name too wide for it is
// cut in the middle and shown whole under the pointer (CutRows).  The names
// are cut again when a column's border is dragged and, with the columns
// fitted anew, when the desktop's text scaling changes.
class ProfileListColumns {
public:
    // Puts the columns on `list`, whose pictures are installed;
    // `refit` shows every row's name again through NameCell.
    ProfileListColumns(wxCheckedListCtrl* list, std::function<void()> refit);

    // The list holds `rows` rows from now on: Show and Priority take what
    // their headings, the check box and the rows' numbers need, the name
    // column the rest.  While that need stays, the widths stay as they are
    // (a border the user dragged too).
    void Fit(int rows);
    // What `row` shows of `name` in the name column.
    wxString NameCell(int row, const wxString& name);

private:
    void MeasureChanged();

    wxCheckedListCtrl* m_list;
    std::function<void()> m_refit;
    CutRows m_cut;
    int m_rows = 0;
    // The widths Show and Priority were last given; -1 for none.
    int m_show = -1, m_priority = -1;
};

#endif
