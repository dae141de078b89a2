#ifndef TIDEWAVE_POPUPDIALOG_H
#define TIDEWAVE_POPUPDIALOG_H

#include "NoticeDialog.h"

// The Yes/No question at the top right of the screen: a shaped picture
// window with a bold title, three lines and the buttons "Yes" and "No".  It
// always runs modal and answers wxID_OK for Yes; No and a question left
// unanswered for 10 seconds answer wxID_CANCEL.
class PopupDialog : public NoticeDialog {
public:
    static const long ID_BTN_OK;
    static const long ID_BTN_CANCEL;
    static const long ID_STATICTEXTOK;
    static const long ID_STATICTEXTCANCEL;

    PopupDialog(wxWindow* parent, const wxBitmap& background, wxWindowID id);

    // The ten seconds run only while the question is asked.
    int ShowModal() override;

private:
    void OnButton(wxCommandEvent& event);

    wxDECLARE_EVENT_TABLE();
};

#endif
