#include "TaskBarBalloon.h"

#include <wx/statbmp.h>

#include "BalloonParts.h"
#include "CustomStaticText.h"
#include "PictureLoader.h"
#include "SignalIconChooser.h"

const long TaskBarBalloon::ID_STATICTEXT_SUCCTIP = wxNewId();
const long TaskBarBalloon::ID_STATICTEXT_TYPETIP = wxNewId();
const long TaskBarBalloon::ID_STATICTEXT_TYPE = wxNewId();
const long TaskBarBalloon::ID_STATICTEXT_SPEEDTIP = wxNewId();
const long TaskBarBalloon::ID_STATICTEXT_SPEED = wxNewId();
const long TaskBarBalloon::ID_STATICTEXT_STATUSTIP = wxNewId();
const long TaskBarBalloon::ID_STATICTEXT_STATUS = wxNewId();
const long TaskBarBalloon::ID_STATICTEXT_SIGNALQUALITYTIP = wxNewId();
const long TaskBarBalloon::ID_STATICBITMAP_SIGNALQUALITY = wxNewId();
const long TaskBarBalloon::ID_STATICTEXT_SIGNALQUALITY = wxNewId();

wxBEGIN_EVENT_TABLE(TaskBarBalloon, NoticeBalloon)
wxEND_EVENT_TABLE()

TaskBarBalloon::TaskBarBalloon(wxWindow* parent, const wxString& /*name*/)
    : NoticeBalloon(PictureLoader::LoadOrPanel("pic/balloon.png", PictureSize()), parent, -1,
                     wxEmptyString) {
    const BalloonParts::ConnectionLines lines = BalloonParts::MakeConnectionLines(
        this, {ID_STATICTEXT_SUCCTIP, ID_STATICTEXT_TYPETIP, ID_STATICTEXT_TYPE, ID_STATICTEXT_SPEEDTIP,
               ID_STATICTEXT_SPEED, ID_STATICTEXT_STATUSTIP, ID_STATICTEXT_STATUS});
    m_pSuccTip = lines.succTip;
    m_pTypeTip = lines.typeTip;
    m_pTypeText = lines.type;
    m_pSpeedTip = lines.speedTip;
    m_pSpeedText = lines.speed;
    m_pStatusTip = lines.statusTip;
    m_pStatusText = lines.status;
    m_pSignalQualityTip =
        BalloonParts::MakeText(this, ID_STATICTEXT_SIGNALQUALITYTIP,
                               "ID_STATICTEXT_SIGNALQUALITYTIP", _("Signal Quality:"),
                               wxPoint(35, 125), wxSize(90, 14));
    m_pSignalQualityBitmap = new wxStaticBitmap(
        this, static_cast<wxWindowID>(ID_STATICBITMAP_SIGNALQUALITY),
        PictureLoader::Load("pic/empty.png"), wxPoint(150, 120), wxDefaultSize, 0,
        "ID_STATICBITMAP_SIGNALQUALITY");
    m_pSignalQualityText =
        BalloonParts::MakeText(this, ID_STATICTEXT_SIGNALQUALITY, "ID_STATICTEXT_SIGNALQUALITY",
                               wxEmptyString, wxPoint(220, 128), wxDefaultSize);
    BalloonParts::Place(this);
}

TaskBarBalloon::~TaskBarBalloon() = default;

void TaskBarBalloon::SetSuccessTip(const wxString& text) { m_pSuccTip->SetLabelText(text); }
void TaskBarBalloon::SetType(const wxString& text) { m_pTypeText->SetLabelText(text); }
void TaskBarBalloon::SetSpeed(const wxString& text) { m_pSpeedText->SetLabelText(text); }
void TaskBarBalloon::SetStatus(const wxString& text) { m_pStatusText->SetLabelText(text); }

void TaskBarBalloon::SetSignalQuality(int quality) {
    m_pSignalQualityText->SetLabelText(wxString::Format("%d", quality) + "%");
}

void TaskBarBalloon::SetSignalIcon(int quality) {
    const std::string file = SignalIconChooser::FileFor(quality);
    if (file.empty())
        return;
    m_pSignalQualityBitmap->SetBitmap(PictureLoader::Load(file));
}
