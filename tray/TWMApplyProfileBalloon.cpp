#include "TWMApplyProfileBalloon.h"

#include <wx/bmpbuttn.h>
#include <wx/dcmemory.h>
#include <wx/gauge.h>
#include <wx/intl.h>

#include "BalloonParts.h"
#include "CustomStaticText.h"
#include "GaugeCycle.h"
#include "NoticeParts.h"
#include "PictureLoader.h"

const long TWMApplyProfileBalloon::ID_STATICTEXT_PROFILENAME = wxNewId();
const long TWMApplyProfileBalloon::ID_GAUGE_APPLYBALLOON = wxNewId();
const long TWMApplyProfileBalloon::ID_BTN_CLOSE = wxNewId();
const long TWMApplyProfileBalloon::ID_TIMER_APPLYBALLOON = wxNewId();

namespace {

const int kGaugeRange = 100;

// The close button: the notice button picture with the word over it.
wxBitmap CloseButtonBitmap() {
    wxBitmap bitmap = PictureLoader::LoadOrPanel("pic/button_normal.png", wxSize(70, 24));
    wxMemoryDC dc(bitmap);
    dc.SetFont(wxFont(9, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD));
    dc.SetTextForeground(NoticeParts::WordColour());
    const wxString caption = _("Close");
    const wxSize extent = dc.GetTextExtent(caption);
    dc.DrawText(caption, (bitmap.GetWidth() - extent.x) / 2, (bitmap.GetHeight() - extent.y) / 2);
    dc.SelectObject(wxNullBitmap);
    return bitmap;
}

}  // namespace

wxBEGIN_EVENT_TABLE(TWMApplyProfileBalloon, NoticeBalloon)
    EVT_TIMER(TWMApplyProfileBalloon::ID_TIMER_APPLYBALLOON, TWMApplyProfileBalloon::OnGaugeTimer)
wxEND_EVENT_TABLE()

TWMApplyProfileBalloon::TWMApplyProfileBalloon(wxWindow* parent)
    : NoticeBalloon(PictureLoader::LoadOrPanel("pic/balloon.png", wxSize(270, 160)), parent, wxID_ANY,
                     wxEmptyString),
      m_gaugeTimer(this, ID_TIMER_APPLYBALLOON) {
    m_pProfileText = BalloonParts::MakeHeadline(this, ID_STATICTEXT_PROFILENAME, "ID_STATICTEXT_PROFILENAME");
    m_pProfileText->SetSize(wxSize(200, 14));
    m_pGauge = new wxGauge(this, ID_GAUGE_APPLYBALLOON, kGaugeRange, wxPoint(35, 48), wxSize(200, 16),
                           wxGA_HORIZONTAL, wxDefaultValidator, "ID_GAUGE_APPLYBALLOON");
    const wxBitmap button = CloseButtonBitmap();
    const wxSize size = GetClientSize();
    auto* close = new wxBitmapButton(this, ID_BTN_CLOSE, button,
                                     wxPoint(size.x - button.GetWidth() - 30, size.y - button.GetHeight() - 22),
                                     wxDefaultSize, wxBORDER_NONE, wxDefaultValidator, "ID_BTN_CLOSE");
    close->Bind(wxEVT_BUTTON, &TWMApplyProfileBalloon::OnClose, this);
    BalloonParts::Place(this);
}

TWMApplyProfileBalloon::~TWMApplyProfileBalloon() { m_gaugeTimer.Stop(); }

void TWMApplyProfileBalloon::SetProfileName(const wxString& name) {
    m_pProfileText->SetLabel(_("Applying profile ") + name + "...");
    m_pProfileText->Refresh();
}

wxString TWMApplyProfileBalloon::GetText() const { return m_pProfileText->GetLabel(); }

int TWMApplyProfileBalloon::GetGaugeValue() const { return m_pGauge->GetValue(); }

bool TWMApplyProfileBalloon::Show(bool show) {
    if (show) {
        m_pGauge->SetValue(0);
        m_gaugeTimer.Start(GaugeCycle::kPeriodMs, wxTIMER_CONTINUOUS);
    } else {
        m_gaugeTimer.Stop();
    }
    return NoticeBalloon::Show(show);
}

void TWMApplyProfileBalloon::OnGaugeTimer(wxTimerEvent&) {
    m_pGauge->SetValue(GaugeCycle::Next(m_pGauge->GetValue(), kGaugeRange));
}

void TWMApplyProfileBalloon::OnClose(wxCommandEvent&) { Show(false); }
