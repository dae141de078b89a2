#include "GaugeDialog.h"

#include <string>

#include <wx/gauge.h>
#include <wx/stattext.h>

#include "GaugeCycle.h"
#include "PictureLoader.h"
#include "TextFit.h"
#include "WindowTextCut.h"

const long GaugeDialog::ID_GAUGE = wxNewId();
const long GaugeDialog::ID_STATICTEXT_LABEL = wxNewId();
const long GaugeDialog::ID_GAUGE_TIMER = wxNewId();

wxBEGIN_EVENT_TABLE(GaugeDialog, wxBitmapDialog)
    EVT_INIT_DIALOG(GaugeDialog::OnInitDialog)
    EVT_TIMER(GaugeDialog::ID_GAUGE_TIMER, GaugeDialog::OnTimer)
wxEND_EVENT_TABLE()

GaugeDialog::GaugeDialog(wxWindow* parent, wxWindowID /*id*/)
    : wxBitmapDialog(PictureLoader::LoadOrPanel("pic/gauge.png", PictureSize()), parent,
                     wxEmptyString),
      m_timer(this, static_cast<int>(ID_GAUGE_TIMER)) {
    Move(wxDefaultPosition);
    m_pGauge = new wxGauge(this, static_cast<wxWindowID>(ID_GAUGE), 100, wxPoint(15, 32),
                           wxSize(kLineWidth, 16), 0, wxDefaultValidator, "ID_GAUGE");
    m_pLabel = new wxStaticText(this, static_cast<wxWindowID>(ID_STATICTEXT_LABEL), wxEmptyString,
                                wxPoint(15, 8), wxSize(kLineWidth, 14), 0, "ID_STATICTEXT_LABEL");
}

GaugeDialog::~GaugeDialog() {
    m_timer.Stop();
}

void GaugeDialog::SetLabel(const wxString& text) {
    // One line above the bar, as wide as the bar: a longer text is cut in
    // the middle of the network or profile name it holds, whole in the
    // tooltip.
    const auto measure = [this](const std::string& s) { return LineWidth(s); };
    ShowLine(text, TextFit::CutInWidestWord(std::string(text.utf8_str()), kLineWidth, measure));
}

void GaugeDialog::SetLabelAround(const wxString& before, const wxString& name, const wxString& after) {
    const std::string head(before.utf8_str()), tail(after.utf8_str());
    const auto measure = [&](const std::string& s) { return LineWidth(head + s + tail); };
    const std::string cut = TextFit::MiddleCut(std::string(name.utf8_str()), kLineWidth, measure);
    ShowLine(before + name + after, head + cut + tail);
}

int GaugeDialog::LineWidth(const std::string& text) const {
    // The label takes a pixel or two more than its text.
    return m_pLabel->GetTextExtent(wxString::FromUTF8(text)).GetWidth() + 2;
}

void GaugeDialog::ShowLine(const wxString& whole, const std::string& shown) {
    m_pLabel->SetLabelText(wxString::FromUTF8(shown));
    WindowTextCut::ShowTip(*m_pLabel, shown == std::string(whole.utf8_str()) ? wxString() : whole);
}

bool GaugeDialog::Show(bool show) {
    if (!show) {
        if (HasCapture())
            ReleaseMouse();
        m_timer.Stop();
    }
    return wxBitmapDialog::Show(show);
}

int GaugeDialog::GetGaugeValue() const {
    return m_pGauge->GetValue();
}

void GaugeDialog::OnInitDialog(wxInitDialogEvent& event) {
    m_pGauge->SetValue(0);
    m_timer.Start(GaugeCycle::kPeriodMs, wxTIMER_CONTINUOUS);
    event.Skip();
}

void GaugeDialog::OnTimer(wxTimerEvent&) {
    m_pGauge->SetValue(GaugeCycle::Next(m_pGauge->GetValue(), m_pGauge->GetRange()));
}
