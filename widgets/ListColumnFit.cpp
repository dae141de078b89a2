#include "ListColumnFit.h"

#include <algorithm>

#include <wx/listctrl.h>

void ListColumnFit::Widen(wxListCtrl* list) {
    wxListItem heading;
    heading.SetMask(wxLIST_MASK_TEXT);
    for (int col = 0; col < list->GetColumnCount(); ++col) {
        list->GetColumn(col, heading);
        int widest = list->GetTextExtent(heading.GetText()).GetWidth();
        for (long row = 0; row < list->GetItemCount(); ++row)
            widest = std::max(widest, list->GetTextExtent(list->GetItemText(row, col)).GetWidth());
        if (list->GetColumnWidth(col) < widest + kCellMargin)
            list->SetColumnWidth(col, widest + kCellMargin);
    }
}
