#include "CustomStaticText.h"

#include <algorithm>

#include <wx/dcclient.h>

CustomStaticText::CustomStaticText(wxWindow* parent, wxWindowID id, const wxString& label,
                                   const wxPoint& pos, const wxSize& size, long style,
                                   const wxString& name)
    : wxStaticText(parent, id, label, pos, size, style | wxTRANSPARENT_WINDOW, name),
      m_textColour(0, 0, 0) {
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
    wxStaticText::SetLabel(label);
    FitText();
}

void CustomStaticText::FitText() {
    if (HasFlag(wxST_NO_AUTORESIZE) || GetLabelText().empty())
        return;
    const wxSize text = GetTextExtent(GetLabelText());
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
    dc.DrawText(GetLabel(), 0, 0);
}
