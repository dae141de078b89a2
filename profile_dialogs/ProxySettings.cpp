#include "ProxySettings.h"

#include <wx/button.h>
#include <wx/intl.h>
#include <wx/panel.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "DialogMessages.h"
#include "EscapeKey.h"
#include "HelpKey.h"
#include "ProfileFieldRules.h"

const long ProxySettings::ID_TCPROXY = wxNewId();
const long ProxySettings::ID_TCPORT = wxNewId();
const long ProxySettings::ID_BUTTONCANCEL = wxNewId();
const long ProxySettings::ID_BUTTONOK = wxNewId();
const long ProxySettings::ID_STPROXY = wxNewId();
const long ProxySettings::ID_STPORT = wxNewId();
const long ProxySettings::ID_STATICBOX_PROXYSERVER = wxNewId();
const long ProxySettings::ID_PANEL1 = wxNewId();
const long ProxySettings::ID_HELPCOMMAND = wxNewId();

wxBEGIN_EVENT_TABLE(ProxySettings, wxDialog)
wxEND_EVENT_TABLE()

ProxySettings::ProxySettings(wxWindow* parent) {
    Create(parent, wxID_ANY, _("Proxy Settings"), wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE,
           "wxID_ANY");
    SetClientSize(344, 132);
    m_panel = new wxPanel(this, ID_PANEL1, wxPoint(0, 0), wxSize(360, 136), wxTAB_TRAVERSAL, "ID_PANEL1");
    // The frame first: made after the controls it frames, it would be drawn
    // over them.  It takes no focus, so the keyboard order is unchanged.
    m_frame = new wxStaticBox(m_panel, ID_STATICBOX_PROXYSERVER, _("Proxy Server"), wxPoint(8, 8),
                              wxSize(320, 72), 0, "ID_STATICBOX_PROXYSERVER");
    m_tcProxy = new wxTextCtrl(m_panel, ID_TCPROXY, wxEmptyString, wxPoint(78, 36), wxSize(120, 24), 0,
                               wxDefaultValidator, "ID_TCPROXY");
    m_tcPort = new wxTextCtrl(m_panel, ID_TCPORT, wxEmptyString, wxPoint(250, 36), wxSize(56, 24), 0,
                              wxDefaultValidator, "ID_TCPORT");
    m_okButton = new wxButton(m_panel, ID_BUTTONOK, _("OK"), wxPoint(138, 86), wxSize(88, 32), 0,
                              wxDefaultValidator, "ID_BUTTONOK");
    m_cancelButton = new wxButton(m_panel, ID_BUTTONCANCEL, _("Cancel"), wxPoint(236, 86), wxSize(88, 32), 0,
                                  wxDefaultValidator, "ID_BUTTONCANCEL");
    m_proxyLabel = new wxStaticText(m_panel, ID_STPROXY, _("Address:"), wxPoint(16, 38), wxSize(56, 28), 0,
                                    "ID_STPROXY");
    m_portLabel = new wxStaticText(m_panel, ID_STPORT, _("Port:"), wxPoint(208, 38), wxSize(35, 24), 0,
                                   "ID_STPORT");

    Connect(ID_BUTTONOK, wxEVT_BUTTON, wxCommandEventHandler(ProxySettings::OnOK));
    Connect(ID_BUTTONCANCEL, wxEVT_BUTTON, wxCommandEventHandler(ProxySettings::OnCancel));
    Connect(wxID_ANY, wxEVT_INIT_DIALOG, wxInitDialogEventHandler(ProxySettings::OnInitDialog));
    m_okButton->SetDefault();  // Enter in a field
    EscapeKey::ClosesWindow(this);
    InstallHelpKey(this, ID_HELPCOMMAND, &ProxySettings::OnHelp);
}

ProxySettings::~ProxySettings() = default;

void ProxySettings::OnInitDialog(wxInitDialogEvent&) {
    Centre(wxBOTH);
    m_tcProxy->SetFocus();
}

void ProxySettings::OnOK(wxCommandEvent&) {
    const FieldVerdict verdict = ProfileFieldRules::CheckProxy(m_tcProxy->GetValue(), m_tcPort->GetValue());
    if (verdict.accepted) {
        EndModal(wxID_OK);
        return;
    }
    DialogMessages::Tell(this, verdict.message);
    (verdict.focus == ProfileField::ProxyPort ? m_tcPort : m_tcProxy)->SetFocus();
}

void ProxySettings::OnCancel(wxCommandEvent&) { Close(); }

// F1 is taken so that it reaches no other window; this dialog shows no
// manual page.
void ProxySettings::OnHelp(wxCommandEvent&) {}
