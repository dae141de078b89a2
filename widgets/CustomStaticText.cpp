#include "CustomStaticText.h"

#include <algorithm>

#include <wx/dcclient.h>

#include "wxBitmapDialog.h"

CustomStaticText::CustomStaticText(wxWindow* parent, wxWindowID id, const wxString& label,
                                   const wxPoint& pos, const wxSize& size, long style,
                                   const wxString& name)
    : wxStaticText(parent, id, label, pos, size, style | wxTRANSPARENT_WINDOW, name),
      m_textColour(0, 0, 0),
      m_text(label) {
    // The native label has no surface of its own and shows the picture
    // beneath it; a background colour given to it would paint a box.
    SetBackgroundStyle(wxBG_STYLE_COLOUR);
    wxStaticText::SetForegroundColour(parent->GetForegroundColour());
    Bind(wxEVT_PAINT, &CustomStaticText::OnPaint, this);
    FitText();
}

bool CustomStaticText::SetFont(const wxFont& font) {
    const bool changed = wxStaticText::SetFont(font);
    FitText();
    return changed;
}

void CustomStaticText::SetLabel(const wxString& label) {
    // The same text again (a balloon sets every line each time the pointer
    // passes the tray icon) changes nothing, and its window needs no new fit.
    if (label == m_text)
        return;
    m_text = label;
    wxStaticText::SetLabel(label);
    FitText();
    // A picture window that shows already fits its texts again.
    if (auto* owner = dynamic_cast<wxBitmapDialog*>(GetParent()); owner != nullptr && owner->IsShown())
        owner->FitTexts();
}

wxString CustomStaticText::ShownText() const { return wxControl::RemoveMnemonics(wxStaticText::GetLabel()); }

void CustomStaticText::ShowText(const wxString& shown) {
    if (shown == ShownText())
        return;
    // A text shown on fewer lines than before takes a smaller size again.
    SetSize(wxSize(1, 1));
    wxStaticText::SetLabel(wxControl::EscapeMnemonics(shown));
    FitText();
}

void CustomStaticText::FitText() {
    const wxString shown = ShownText();
    if (HasFlag(wxST_NO_AUTORESIZE) || shown.empty())
        return;
    wxClientDC dc(this);
    dc.SetFont(GetFont());
    const wxSize text = dc.GetMultiLineTextExtent(shown);
    const wxSize now = GetSize();
    const wxSize fitted(std::max(now.GetWidth(), text.GetWidth() + 2),
                        std::max(now.GetHeight(), text.GetHeight()));
    if (fitted != now)
        SetSize(fitted);
}

bool CustomStaticText::SetForegroundColour(const wxColour& colour) {
    m_textColour = colour;
    return wxStaticText::SetForegroundColour(colour);
}

void CustomStaticText::OnPaint(wxPaintEvent&) {
    // Only reached where the label has a drawing surface of its own; the
    // native label otherwise draws itself in the colour set above.
    wxPaintDC dc(this);
    dc.SetFont(GetFont());
    dc.SetTextForeground(m_textColour);
    dc.SetTextBackground(m_textColour);
    dc.DrawText(wxStaticText::GetLabel(), 0, 0);
}
