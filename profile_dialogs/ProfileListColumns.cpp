#include "ProfileListColumns.h"

#include <algorithm>
#include <string>

#include <wx/imaglist.h>
#include <wx/intl.h>

#include "ListColumnFit.h"
#include "ProfileListImages.h"
#include "wxCheckedListCtrl.h"

namespace {

enum Column { kShow, kPriority, kName };

int PictureWidth(wxCheckedListCtrl* list, int picture) {
    int width = 0, height = 0;
    if (wxImageList* images = list->GetImageList(wxIMAGE_LIST_SMALL))
        images->GetSize(picture, width, height);
    return width;
}

}  // namespace

ProfileListColumns::ProfileListColumns(wxCheckedListCtrl* list, std::function<void()> refit)
    : m_list(list), m_refit(std::move(refit)), m_cut(list, [list](const wxPoint& point) {
          int flags = 0;
          return static_cast<int>(list->HitTest(point, flags));
      }) {
    list->InsertColumn(kShow, _("Show"), wxLIST_FORMAT_LEFT, 80);
    list->InsertColumn(kPriority, _("Priority"), wxLIST_FORMAT_LEFT, 80);
    list->InsertColumn(kName, _("Profile Name"), wxLIST_FORMAT_LEFT, 220);
    Fit(0);
    // A column dragged to another width shows as much of each name as fits.
    list->Bind(wxEVT_LIST_COL_END_DRAG, [this](wxListEvent& event) {
        event.Skip();
        m_list->CallAfter(m_refit);
    });
    m_cut.OnMeasureChange([this] { MeasureChanged(); });
}

// A row's number has the most digits in the last row; the desktop's fonts
// give every digit one width.
void ProfileListColumns::Fit(int rows) {
    m_cut.Resize(rows);
    m_rows = rows;
    const int show = std::max(ListColumnFit::Need(*m_list, {_("Show")}),
                              ListColumnFit::Need(*m_list, {wxString()}, PictureWidth(m_list, 0)));
    const wxString last = wxString::FromAscii(std::to_string(rows).c_str());
    const int priority = ListColumnFit::Need(*m_list, {_("Priority"), last});
    if (show == m_show && priority == m_priority)
        return;
    m_show = show;
    m_priority = priority;
    m_list->SetColumnWidth(kShow, show);
    m_list->SetColumnWidth(kPriority, priority);
    ListColumnFit::GiveRest(m_list, kName);
}

// The list draws a name 4 pixels in from each side of its cell, after the
// profile's icon and 5 pixels.
wxString ProfileListColumns::NameCell(int row, const wxString& name) {
    const int icon = PictureWidth(m_list, ProfileListImages::FIRST_ICON);
    return m_cut.Fit(row, name, m_list->GetColumnWidth(kName) - 8 - icon - ListColumnFit::kPictureMargin);
}

void ProfileListColumns::MeasureChanged() {
    m_show = m_priority = -1;
    Fit(m_rows);
    m_refit();
}
