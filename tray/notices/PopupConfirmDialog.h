#ifndef TIDEWAVE_POPUPCONFIRMDIALOG_H
#define TIDEWAVE_POPUPCONFIRMDIALOG_H

#include "NoticeDialog.h"

// The OK notice at the top right of the screen: the look of the Yes/No
// question with a single "OK" button.  Shown modeless it hides itself 10
// seconds after it was last shown, or at once on OK, and is kept for reuse.
// Run modal it answers wxID_OK for OK and wxID_CANCEL for the time-out.
class PopupConfirmDialog : public NoticeDialog {
public:
    static const long ID_BTN_OK;
    static const long ID_STATICTEXTOK;

    PopupConfirmDialog(wxWindow* parent, const wxBitmap& background, wxWindowID id);

    int ShowModal() override;

protected:
    // The ten seconds start over each time the notice is shown.
    void Showing() override;
    void TimedOutModeless() override;

private:
    void OnButton(wxCommandEvent& event);

    wxDECLARE_EVENT_TABLE();
};

#endif
