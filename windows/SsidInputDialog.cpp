#include "SsidInputDialog.h"

#include <wx/button.h>
#include <wx/intl.h>
#include <wx/msgdlg.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "TWMUtil.h"

namespace {
const long ID_STX_SSID = wxNewId();
const long ID_STATICTEXT1 = wxNewId();
const long ID_TXT_SSID = wxNewId();
}  // namespace

wxBEGIN_EVENT_TABLE(SsidInputDialog, wxDialog)
    EVT_BUTTON(wxID_OK, SsidInputDialog::OnButton)
    EVT_BUTTON(wxID_CANCEL, SsidInputDialog::OnButton)
wxEND_EVENT_TABLE()

SsidInputDialog::SsidInputDialog(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, _("Connect to Wireless Network"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE) {
    SetClientSize(400, 114);
    new wxStaticText(this, static_cast<wxWindowID>(ID_STX_SSID), _("Please input network name (SSID)."),
                     wxPoint(16, 10), wxSize(336, -1), 0, "ID_STX_SSID");
    new wxStaticText(this, static_cast<wxWindowID>(ID_STATICTEXT1), _("SSID:"), wxPoint(16, 40), wxDefaultSize,
                     0, "ID_STATICTEXT1");
    m_pSsidText = new wxTextCtrl(this, static_cast<wxWindowID>(ID_TXT_SSID), wxEmptyString, wxPoint(80, 36),
                                 wxSize(304, 22), 0, wxDefaultValidator, "ID_TXT_SSID");
    m_pSsidText->SetMaxLength(MAX_SSID_LENGTH);
    auto* ok = new wxButton(this, wxID_OK, _("OK"), wxPoint(304, 80), wxSize(80, 32), 0, wxDefaultValidator,
                            "wxID_OK");
    new wxButton(this, wxID_CANCEL, _("Cancel"), wxPoint(208, 80), wxSize(80, 32), 0, wxDefaultValidator,
                 "wxID_CANCEL");
    ok->SetDefault();
    CentreOnParent(wxBOTH);
}

SsidInputDialog::~SsidInputDialog() = default;

void SsidInputDialog::Refuse(const wxString& message) {
    wxMessageBox(message, _("Message"), wxOK | wxICON_INFORMATION, this);
    m_pSsidText->SetFocus();
}

void SsidInputDialog::OnButton(wxCommandEvent& event) {
    if (event.GetId() != wxID_OK) {
        m_strSSID.clear();
        EndModal(event.GetId());
        return;
    }
    m_strSSID = m_pSsidText->GetValue();
    if (m_strSSID.empty()) {
        Refuse(_("SSID cannot be empty!"));
        return;
    }
    if (TWMUtil::CheckInvalidChars(m_strSSID) == 1) {
        Refuse(_("SSID cannot contain any of the following characters\n \\ / : * % ? \" ' < > |"));
        return;
    }
    // The field counts characters; an SSID holds 32 bytes.
    if (TWMUtil::WxStringToStdString(m_strSSID).size() > MAX_SSID_LENGTH) {
        Refuse(_("Invalid SSID!"));
        return;
    }
    EndModal(wxID_OK);
}
