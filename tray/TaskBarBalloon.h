#ifndef TIDEWAVE_TASKBARBALLOON_H
#define TIDEWAVE_TASKBARBALLOON_H

#include "NoticeBalloon.h"

class CustomStaticText;
class wxStaticBitmap;

// The balloon that reports a wireless connection near the top right of the
// screen: a headline and the name, type, speed and signal-quality lines.
// Made hidden and already placed; the tray fills, shows and closes it.
class TaskBarBalloon : public NoticeBalloon {
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

    // Size of "pic/balloon.png", used when the picture is missing.
    static wxSize PictureSize() { return wxSize(270, 160); }

    // `name` is not used; the window title stays empty.
    TaskBarBalloon(wxWindow* parent, const wxString& name);
    ~TaskBarBalloon() override;

    void SetSuccessTip(const wxString& text);
    void SetType(const wxString& text);
    void SetSpeed(const wxString& text);
    void SetStatus(const wxString& text);
    // "75%": the quality as a signed decimal number with a percent sign.
    void SetSignalQuality(int quality);
    // The strength picture of the quality's band; above 100 the icon keeps
    // its picture.
    void SetSignalIcon(int quality);

private:
    CustomStaticText* m_pSignalQualityText;
    CustomStaticText* m_pTypeTip;
    CustomStaticText* m_pStatusTip;
    wxStaticBitmap* m_pSignalQualityBitmap;
    CustomStaticText* m_pSignalQualityTip;
    CustomStaticText* m_pSuccTip;
    CustomStaticText* m_pTypeText;
    CustomStaticText* m_pSpeedText;
    CustomStaticText* m_pStatusText;
    CustomStaticText* m_pSpeedTip;

    wxDECLARE_EVENT_TABLE();
};

#endif
