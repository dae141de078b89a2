#ifndef TIDEWAVE_TWMAPPLYPROFILEBALLOON_H
#define TIDEWAVE_TWMAPPLYPROFILEBALLOON_H

#include <wx/timer.h>

#include "NoticeBalloon.h"

class CustomStaticText;
class wxGauge;

// The apply-progress balloon: "Applying profile <name>..." over an endlessly
// filling gauge, where the connection balloons stand.  Its Close hides it;
// the apply goes on and the tray destroys the balloon when the apply ends.
class TWMApplyProfileBalloon : public NoticeBalloon {
public:
    static const long ID_STATICTEXT_PROFILENAME;
    static const long ID_GAUGE_APPLYBALLOON;
    static const long ID_BTN_CLOSE;
    static const long ID_TIMER_APPLYBALLOON;

    explicit TWMApplyProfileBalloon(wxWindow* parent);
    ~TWMApplyProfileBalloon() override;

    void SetProfileName(const wxString& name);
    bool Show(bool show = true) override;

    wxString GetText() const;
    int GetGaugeValue() const;
    void OnGaugeTimer(wxTimerEvent& e);

private:
    void OnClose(wxCommandEvent& e);

    CustomStaticText* m_pProfileText = nullptr;
    wxGauge* m_pGauge = nullptr;
    wxTimer m_gaugeTimer;

    wxDECLARE_EVENT_TABLE();
};

#endif
