#include "NetSecrityDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/intl.h>

#include "EscapeKey.h"
#include "HelpKey.h"

const long NetSecrityDlg::ID_CBINTERNET = wxNewId();
const long NetSecrityDlg::ID_BTNOK = wxNewId();
const long NetSecrityDlg::ID_BTNCANCEL = wxNewId();
const long NetSecrityDlg::ID_HELPCOMMAND = wxNewId();

wxBEGIN_EVENT_TABLE(NetSecrityDlg, wxDialog)
wxEND_EVENT_TABLE()

NetSecrityDlg::NetSecrityDlg(wxWindow* parent, wxWindowID id, const wxPoint& /*pos*/, const wxSize& /*size*/) {
    Create(parent, id, _("Network Security"), wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE, "id");
    SetClientSize(343, 103);
    m_pInternetCheckBox = new wxCheckBox(this, ID_CBINTERNET, _("Forbid sharing internet connection"),
                                         wxPoint(16, 16), wxSize(312, 22), 0, wxDefaultValidator, "ID_CBINTERNET");
    m_pInternetCheckBox->SetValue(false);
    m_pOKButton = new wxButton(this, ID_BTNOK, _("OK"), wxPoint(145, 66), wxSize(88, 32), 0, wxDefaultValidator,
                               "ID_BTNOK");
    m_pCancelButton = new wxButton(this, ID_BTNCANCEL, _("Cancel"), wxPoint(245, 66), wxSize(88, 32), 0,
                                   wxDefaultValidator, "ID_BTNCANCEL");

    Connect(ID_BTNOK, wxEVT_BUTTON, wxCommandEventHandler(NetSecrityDlg::OnOK));
    Connect(ID_BTNCANCEL, wxEVT_BUTTON, wxCommandEventHandler(NetSecrityDlg::OnCancel));
    Connect(wxID_ANY, wxEVT_INIT_DIALOG, wxInitDialogEventHandler(NetSecrityDlg::OnInitDialog));
    m_pOKButton->SetDefault();  // Enter on the check box
    EscapeKey::ClosesWindow(this);
    InstallHelpKey(this, ID_HELPCOMMAND, &NetSecrityDlg::OnHelp);
}

NetSecrityDlg::~NetSecrityDlg() = default;

void NetSecrityDlg::OnInitDialog(wxInitDialogEvent&) {
    CentreOnParent(wxBOTH);
    m_pInternetCheckBox->SetFocus();
}

void NetSecrityDlg::OnOK(wxCommandEvent&) { EndModal(wxID_OK); }

void NetSecrityDlg::OnCancel(wxCommandEvent&) { EndModal(wxID_CANCEL); }

// F1 is taken so that it reaches no other window; this dialog shows no
// manual page.
void NetSecrityDlg::OnHelp(wxCommandEvent&) {}
