#include "PopupDialog.h"

#include "NoticeParts.h"

const long PopupDialog::ID_BTN_OK = wxNewId();
const long PopupDialog::ID_BTN_CANCEL = wxNewId();
const long PopupDialog::ID_STATICTEXTOK = wxNewId();
const long PopupDialog::ID_STATICTEXTCANCEL = wxNewId();

wxBEGIN_EVENT_TABLE(PopupDialog, NoticeDialog)
    EVT_BUTTON(PopupDialog::ID_BTN_CANCEL, PopupDialog::OnButton)
    EVT_BUTTON(PopupDialog::ID_BTN_OK, PopupDialog::OnButton)
wxEND_EVENT_TABLE()

PopupDialog::PopupDialog(wxWindow* parent, const wxBitmap& background, wxWindowID id)
    : NoticeDialog(parent, background, id) {
    NoticeParts::MakeButton(this, ID_BTN_OK, "ID_BTN_OK", wxPoint(40, 104));
    NoticeParts::MakeButton(this, ID_BTN_CANCEL, "ID_BTN_CANCEL", wxPoint(132, 104));
    NoticeParts::MakeWord(this, ID_STATICTEXTOK, "ID_STATICTEXTOK", _("Yes"), wxPoint(78, 115));
    NoticeParts::MakeWord(this, ID_STATICTEXTCANCEL, "ID_STATICTEXTCANCEL", _("No"), wxPoint(170, 115));
}

int PopupDialog::ShowModal() {
    StartCloseTimer();
    const int result = NoticeDialog::ShowModal();
    // A question answered without its loop ever running leaves no timer.
    StopCloseTimer();
    return result;
}

void PopupDialog::OnButton(wxCommandEvent& event) {
    if (event.GetId() == ID_BTN_CANCEL)
        EndModal(wxID_CANCEL);
    else if (event.GetId() == ID_BTN_OK)
        EndModal(wxID_OK);
}
