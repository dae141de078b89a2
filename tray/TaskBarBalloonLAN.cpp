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

wxBEGIN_EVENT_TABLE(TaskBarBalloonLAN, NoticeBalloon)
wxEND_EVENT_TABLE()

TaskBarBalloonLAN::TaskBarBalloonLAN(wxWindow* parent, const wxString& /*name*/)
    : NoticeBalloon(PictureLoader::LoadOrPanel("pic/balloon_LAN.png", PictureSize()), parent, -1,
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
    BalloonParts::Place(this);
}

TaskBarBalloonLAN::~TaskBarBalloonLAN() = default;

void TaskBarBalloonLAN::SetSuccessTip(const wxString& text) { m_pSuccTip->SetLabelText(text); }
void TaskBarBalloonLAN::SetType(const wxString& text) { m_pTypeText->SetLabelText(text); }
void TaskBarBalloonLAN::SetSpeed(const wxString& text) { m_pSpeedText->SetLabelText(text); }
void TaskBarBalloonLAN::SetStatus(const wxString& text) { m_pStatusText->SetLabelText(text); }
