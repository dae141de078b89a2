#ifndef TIDEWAVE_GAUGEDIALOG_H
#define TIDEWAVE_GAUGEDIALOG_H

#include <string>

#include <wx/timer.h>

#include "wxBitmapDialog.h"

class wxGauge;
class wxStaticText;

// The busy gauge: one line of text above a bar that fills in steps of 10
// every 500 ms and starts over, for as long as the window is shown.  Each
// owner keeps one, sets its text, places it and shows and hides it.
class GaugeDialog : public wxBitmapDialog {
public:
    static const long ID_GAUGE;
    static const long ID_STATICTEXT_LABEL;
    static const long ID_GAUGE_TIMER;

    // Size of "pic/gauge.png", used when the picture is missing.
    static wxSize PictureSize() { return wxSize(270, 60); }

    // `id` has no effect.
    GaugeDialog(wxWindow* parent, wxWindowID id);
    ~GaugeDialog() override;

    // The text line, shown exactly as given when it fits the bar's width
    // (it takes the text's natural size), else cut with "…" in the middle
    // of its widest word, the name it holds, and given whole as the line's
    // tooltip.  Visibility and bar are left alone.
    void SetLabel(const wxString& text) override;
    // The text line `before` + `name` + `after`; where it is wider than the
    // bar, the name is cut in its middle, the words around it kept whole,
    // and the whole text given in the line's tooltip.
    void SetLabelAround(const wxString& before, const wxString& name, const wxString& after);

    // Showing, also when already shown, empties the bar and (re)starts the
    // 500 ms steps; hiding releases a held mouse capture and stops them.
    bool Show(bool show = true) override;

    int GetGaugeValue() const;
    bool IsStepping() const { return m_timer.IsRunning(); }

protected:
    void OnInitDialog(wxInitDialogEvent& event);
    void OnTimer(wxTimerEvent& event);

private:
    // The width of the bar and of the text line above it.
    static constexpr int kLineWidth = 240;

    // How wide the line is with this text (UTF-8).
    int LineWidth(const std::string& text) const;
    // Shows `shown` on the line, with `whole` in the tooltip when they differ.
    void ShowLine(const wxString& whole, const std::string& shown);

    wxStaticText* m_pLabel;
    wxGauge* m_pGauge;
    wxTimer m_timer;

    wxDECLARE_EVENT_TABLE();
};

#endif
