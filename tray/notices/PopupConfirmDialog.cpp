#include "PopupConfirmDialog.h"

#include "NoticeParts.h"

const long PopupConfirmDialog::ID_BTN_OK = wxNewId();
const long PopupConfirmDialog::ID_STATICTEXTOK = wxNewId();

wxBEGIN_EVENT_TABLE(PopupConfirmDialog, NoticeDialog)
    EVT_BUTTON(PopupConfirmDialog::ID_BTN_OK, PopupConfirmDialog::OnButton)
wxEND_EVENT_TABLE()

PopupConfirmDialog::PopupConfirmDialog(wxWindow* parent, const wxBitmap& background, wxWindowID id)
    : NoticeDialog(parent, background, id) {
    NoticeParts::MakeButton(this, ID_BTN_OK, "ID_BTN_OK", wxPoint(150, 104));
    NoticeParts::MakeWord(this, ID_STATICTEXTOK, "ID_STATICTEXTOK", _("OK"), wxPoint(188, 115));
}

int PopupConfirmDialog::ShowModal() {
    const int result = NoticeDialog::ShowModal();
    // Answered without its loop ever running (the dialog was never shown):
    // nothing is left to close later.
    if (!IsShown())
        StopCloseTimer();
    return result;
}

void PopupConfirmDialog::Showing() { StartCloseTimer(); }

void PopupConfirmDialog::TimedOutModeless() { Close(false); }

void PopupConfirmDialog::OnButton(wxCommandEvent& event) {
    if (IsModal()) {
        EndModal(event.GetId() == ID_BTN_OK ? wxID_OK : wxID_CANCEL);
        return;
    }
    StopCloseTimer();
    Close(false);
}
