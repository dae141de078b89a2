#ifndef TIDEWAVE_NOTICEBALLOON_H
#define TIDEWAVE_NOTICEBALLOON_H

#include "wxBitmapDialog.h"

// A balloon of the tray near the top right of the screen.  It stands at its
// home, where it is placed when it is made, unless another notice on show
// stands there when it shows: then below that one (NoticeStack).
class NoticeBalloon : public wxBitmapDialog {
public:
    using wxBitmapDialog::wxBitmapDialog;

    // Moves the balloon to `home` and keeps it as the place it shows at.
    void SetHome(const wxPoint& home);

protected:
    // At its home, or below the notice on show that stands there.
    void TakePlace() override;

private:
    wxPoint m_home;
};

#endif
