#include "ButtonWidth.h"

#include <algorithm>

#include <wx/button.h>

int ButtonWidthFor(wxButton* button, std::initializer_list<wxString> captions) {
    const wxString kept = button->GetLabel();
    int width = button->GetSize().GetWidth();
    for (const wxString& caption : captions) {
        button->SetLabel(caption);
        button->InvalidateBestSize();
        width = std::max(width, button->GetBestSize().GetWidth());
    }
    button->SetLabel(kept);
    return width;
}
