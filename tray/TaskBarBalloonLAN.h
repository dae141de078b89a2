#ifndef TIDEWAVE_TASKBARBALLOONLAN_H
#define TIDEWAVE_TASKBARBALLOONLAN_H

#include "NoticeBalloon.h"

class CustomStaticText;

// The balloon that reports a wired connection: the wireless balloon's
// headline and name, type and speed lines, on a picture of its own and
// without a signal line.  It stands where the wireless balloon stands.
class TaskBarBalloonLAN : public NoticeBalloon {
public:
    static const long ID_STATICTEXT_SUCCTIP;
    static const long ID_STATICTEXT_TYPETIP;
    static const long ID_STATICTEXT_TYPE;
    static const long ID_STATICTEXT_SPEEDTIP;
    static const long ID_STATICTEXT_SPEED;
    static const long ID_STATICTEXT_STATUSTIP;
    static const long ID_STATICTEXT_STATUS;
    static const long ID_STATICTEXT_SIGNALQUALITYTIP;
    static const long ID_STATICBITMAP_SIGNALQUALITY;
    static const long ID_STATICTEXT_SIGNALQUALITY;

    // Size of "pic/balloon_LAN.png", used when the picture is missing.
    static wxSize PictureSize() { return wxSize(270, 130); }

    // `name` is not used; the window title stays empty.
    TaskBarBalloonLAN(wxWindow* parent, const wxString& name);
    ~TaskBarBalloonLAN() override;

    void SetSuccessTip(const wxString& text);
    void SetType(const wxString& text);
    void SetSpeed(const wxString& text);
    void SetStatus(const wxString& text);

private:
    CustomStaticText* m_pTypeTip;
    CustomStaticText* m_pStatusTip;
    CustomStaticText* m_pSuccTip;
    CustomStaticText* m_pTypeText;
    CustomStaticText* m_pSpeedText;
    CustomStaticText* m_pStatusText;
    CustomStaticText* m_pSpeedTip;

    wxDECLARE_EVENT_TABLE();
};

#endif
