#include "OverwriteQuestionBox.h"

#include <wx/msgdlg.h>

int OverwriteQuestionBox::Ask(const wxString& message, const wxString& caption, long style) {
    wxMessageDialog box(nullptr, message, caption, style);
    return box.ShowModal() == wxID_YES ? wxID_YES : wxID_NO;
}
