#ifndef TIDEWAVE_CUSTOMSTATICTEXT_H
#define TIDEWAVE_CUSTOMSTATICTEXT_H

#include <wx/stattext.h>

// A label without a background of its own, drawn over a picture window in a
// text colour it keeps (opaque black until set).
class CustomStaticText : public wxStaticText {
public:
    CustomStaticText(wxWindow* parent, wxWindowID id, const wxString& label,
                     const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                     long style = 0, const wxString& name = wxStaticTextNameStr);

    bool SetForegroundColour(const wxColour& colour) override;

    const wxColour& GetTextColour() const { return m_textColour; }

private:
    void OnPaint(wxPaintEvent& event);

    wxColour m_textColour;
};

#endif
