#include "CustomStaticText.h"

#include <wx/dcclient.h>

CustomStaticText::CustomStaticText(wxWindow* parent, wxWindowID id, const wxString& label,
                                   const wxPoint& pos, const wxSize& size, long style,
                                   const wxString& name)
    : wxStaticText(parent, id, label, pos, size, style | wxTRANSPARENT_WINDOW, name),
      m_textColour(0, 0, 0) {
    SetBackgroundStyle(wxBG_STYLE_COLOUR);
    SetBackgroundColour(parent->GetBackgroundColour());
    wxStaticText::SetForegroundColour(parent->GetForegroundColour());
    Bind(wxEVT_PAINT, &CustomStaticText::OnPaint, this);
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
