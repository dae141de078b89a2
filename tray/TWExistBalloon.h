#ifndef TIDEWAVE_TWEXISTBALLOON_H
#define TIDEWAVE_TWEXISTBALLOON_H

#include "NoticeBalloon.h"

class wxStaticBitmap;
class wxStaticText;

// The speech balloon at the top right of the work area that says the program
// runs in the tray.  Made hidden and already placed; its owner shows it and
// hides and deletes it on a timer of its own.
class TWExistBalloon : public NoticeBalloon {
public:
    // Size of "pic/Shape_balloon.png", used when the picture is missing.
    static wxSize PictureSize() { return wxSize(300, 84); }

    explicit TWExistBalloon(wxWindow* parent);
    ~TWExistBalloon() override;

private:
    wxStaticBitmap* m_pTipIcon;
    wxStaticText* m_pMessageText;

    wxDECLARE_EVENT_TABLE();
};

#endif
