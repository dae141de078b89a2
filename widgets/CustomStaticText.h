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
    bool SetFont(const wxFont& font) override;
    void SetLabel(const wxString& label) override;
    // The text as set, also while it is shown broken into lines.
    wxString GetLabel() const override { return m_text; }
    // Shows `shown` (the label broken into lines) and takes its size; the
    // label stays as set.
    void ShowText(const wxString& shown);

    const wxColour& GetTextColour() const { return m_textColour; }

private:
    void OnPaint(wxPaintEvent& event);
    wxString ShownText() const;
    // Grows the label to its text measured in its own font: the native size
    // is computed before a new font takes effect and would clip the text.
    void FitText();

    wxColour m_textColour;
    wxString m_text;
};

#endif
