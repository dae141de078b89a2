#include "WindowTextCut.h"

#include <string>

#include <wx/window.h>

#include "TextFit.h"

wxString WindowTextCut::Middle(const wxWindow& window, const wxString& text, int width) {
    const auto measure = [&window](const std::string& part) {
        return window.GetTextExtent(wxString::FromUTF8(part)).GetWidth();
    };
    return wxString::FromUTF8(TextFit::MiddleCut(std::string(text.utf8_str()), width, measure));
}

void WindowTextCut::ShowTip(wxWindow& window, const wxString& tip) {
    if (tip == window.GetToolTipText())
        return;
    if (tip.empty())
        window.UnsetToolTip();
    else
        window.SetToolTip(tip);
}
