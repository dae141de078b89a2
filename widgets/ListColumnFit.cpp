#include "ListColumnFit.h"

#include <algorithm>

#include <wx/listctrl.h>

namespace {

wxString Heading(const wxListCtrl& list, int col) {
    wxListItem heading;
    heading.SetMask(wxLIST_MASK_TEXT);
    list.GetColumn(col, heading);
    return heading.GetText();
}

}  // namespace

void ListColumnFit::Widen(wxListCtrl* list) {
    for (int col = 0; col < list->GetColumnCount(); ++col) {
        int widest = list->GetTextExtent(Heading(*list, col)).GetWidth();
        for (long row = 0; row < list->GetItemCount(); ++row)
            widest = std::max(widest, list->GetTextExtent(list->GetItemText(row, col)).GetWidth());
        if (list->GetColumnWidth(col) < widest + kCellMargin)
            list->SetColumnWidth(col, widest + kCellMargin);
    }
}

int ListColumnFit::Need(const wxListCtrl& list, std::initializer_list<wxString> texts, int picture) {
    int widest = 0;
    for (const wxString& text : texts)
        widest = std::max(widest, list.GetTextExtent(text).GetWidth());
    return widest + kCellMargin + (picture > 0 ? picture + kPictureMargin : 0);
}

void ListColumnFit::GiveRest(wxListCtrl* list, int column) {
    int rest = list->GetClientSize().GetWidth();
    for (int col = 0; col < list->GetColumnCount(); ++col) {
        if (col != column)
            rest -= list->GetColumnWidth(col);
    }
    list->SetColumnWidth(column, std::max(rest, Need(*list, {Heading(*list, column)})));
}
