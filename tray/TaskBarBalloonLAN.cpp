#include "TaskBarBalloonLAN.h"

#include "BalloonParts.h"
#include "CustomStaticText.h"
#include "PictureLoader.h"

const long TaskBarBalloonLAN::ID_STATICTEXT_SUCCTIP = wxNewId();
const long TaskBarBalloonLAN::ID_STATICTEXT_TYPETIP = wxNewId();
const long TaskBarBalloonLAN::ID_STATICTEXT_TYPE = wxNewId();
const long TaskBarBalloonLAN::ID_STATICTEXT_SPEEDTIP = wxNewId();
const long TaskBarBalloonLAN::ID_STATICTEXT_SPEED = wxNewId();
const long TaskBarBalloonLAN::ID_STATICTEXT_STATUSTIP = wxNewId();
const long TaskBarBalloonLAN::ID_STATICTEXT_STATUS = wxNewId();
const long TaskBarBalloonLAN::ID_STATICTEXT_SIGNALQUALITYTIP = wxNewId();
const long TaskBarBalloonLAN::ID_STATICBITMAP_SIGNALQUALITY = wxNewId();
const long TaskBarBalloonLAN::ID_STATICTEXT_SIGNALQUALITY = wxNewId();

wxBEGIN_EVENT_TABLE(TaskBarBalloonLAN, wxBitmapDialog)
wxEND_EVENT_TABLE()

TaskBarBalloonLAN::TaskBarBalloonLAN(wxWindow* parent, const wxString& /*name*/)
    : wxBitmapDialog(PictureLoader::LoadOrPanel("pic/balloon_LAN.png", PictureSize()), parent, -1,
                     wxEmptyString) {
    m_pSuccTip = BalloonParts::MakeHeadline(this, ID_STATICTEXT_SUCCTIP, "ID_STATICTEXT_SUCCTIP");
    m_pTypeTip = BalloonParts::MakeText(this, ID_STATICTEXT_TYPETIP, "ID_STATICTEXT_TYPETIP",
                                        _("Type:"), wxPoint(35, 72), wxSize(90, 14));
    m_pTypeText = BalloonParts::MakeText(this, ID_STATICTEXT_TYPE, "ID_STATICTEXT_TYPE",
                                         wxEmptyString, wxPoint(150, 72), wxSize(96, 14));
    m_pSpeedTip = BalloonParts::MakeText(this, ID_STATICTEXT_SPEEDTIP, "ID_STATICTEXT_SPEEDTIP",
                                         _("Speed:"), wxPoint(35, 96), wxSize(90, 14));
    m_pSpeedText = BalloonParts::MakeText(this, ID_STATICTEXT_SPEED, "ID_STATICTEXT_SPEED",
                                          wxEmptyString, wxPoint(150, 96), wxSize(88, 14));
    m_pStatusTip = BalloonParts::MakeText(this, ID_STATICTEXT_STATUSTIP, "ID_STATICTEXT_STATUSTIP",
                                          _("Name:"), wxPoint(35, 48), wxSize(90, 14));
    m_pStatusText = BalloonParts::MakeText(this, ID_STATICTEXT_STATUS, "ID_STATICTEXT_STATUS",
                                           wxEmptyString, wxPoint(150, 48), wxSize(88, 14));
    BalloonParts::Place(this);
}

TaskBarBalloonLAN::~TaskBarBalloonLAN() = default;

void TaskBarBalloonLAN::SetSuccessTip(const wxString& text) { m_pSuccTip->SetLabelText(text); }
void TaskBarBalloonLAN::SetType(const wxString& text) { m_pTypeText->SetLabelText(text); }
void TaskBarBalloonLAN::SetSpeed(const wxString& text) { m_pSpeedText->SetLabelText(text); }
void TaskBarBalloonLAN::SetStatus(const wxString& text) { m_pStatusText->SetLabelText(text); }
