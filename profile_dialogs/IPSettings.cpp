#include "IPSettings.h"

#include <wx/button.h>
#include <wx/intl.h>
#include <wx/panel.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "DialogMessages.h"
#include "EscapeKey.h"
#include "HelpKey.h"
#include "ProfileFieldRules.h"

const long IPSettings::ID_TCIP = wxNewId();
const long IPSettings::ID_TCSM = wxNewId();
const long IPSettings::ID_TCGA = wxNewId();
const long IPSettings::ID_BUTTONCANCEL = wxNewId();
const long IPSettings::ID_BUTTONOK = wxNewId();
const long IPSettings::ID_TCDNS = wxNewId();
const long IPSettings::ID_STIP = wxNewId();
const long IPSettings::ID_STSM = wxNewId();
const long IPSettings::ID_STGA = wxNewId();
const long IPSettings::ID_STDNS = wxNewId();
const long IPSettings::ID_PANEL1 = wxNewId();
const long IPSettings::ID_HELPCOMMAND = wxNewId();

wxBEGIN_EVENT_TABLE(IPSettings, wxDialog)
    EVT_BUTTON(IPSettings::ID_BUTTONCANCEL, IPSettings::OnCancel)
    EVT_BUTTON(IPSettings::ID_BUTTONOK, IPSettings::OnOK)
    EVT_INIT_DIALOG(IPSettings::OnInitDialog)
wxEND_EVENT_TABLE()

IPSettings::IPSettings(wxWindow* parent) {
    Create(parent, wxID_ANY, _("IP Settings"), wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE, "id");
    SetClientSize(368, 248);
    m_panel = new wxPanel(this, ID_PANEL1, wxPoint(0, 0), wxSize(369, 249), wxTAB_TRAVERSAL, "ID_PANEL1");
    const auto label = [this](long id, const wxString& text, int y, const char* name) {
        return new wxStaticText(m_panel, id, text, wxPoint(16, y), wxSize(145, 30), 0, name);
    };
    const auto field = [this](long id, int y, const char* name) {
        return new wxTextCtrl(m_panel, id, wxEmptyString, wxPoint(176, y), wxSize(176, 24), 0, wxDefaultValidator,
                              name);
    };
    m_ipLabel = label(ID_STIP, _("IP:"), 35, "ID_STIP");
    m_maskLabel = label(ID_STSM, _("Subnet Mask:"), 75, "ID_STSM");
    m_gatewayLabel = label(ID_STGA, _("Gateway Address:"), 115, "ID_STGA");
    m_dnsLabel = label(ID_STDNS, _("DNS:"), 155, "ID_STDNS");
    TCIP = field(ID_TCIP, 32, "ID_TCIP");
    TCSM = field(ID_TCSM, 72, "ID_TCSM");
    TCGA = field(ID_TCGA, 112, "ID_TCGA");
    TCDNS = field(ID_TCDNS, 152, "ID_TCDNS");
    m_okButton = new wxButton(m_panel, ID_BUTTONOK, _("OK"), wxPoint(165, 198), wxSize(88, 32), 0,
                              wxDefaultValidator, "ID_BUTTONOK");
    m_cancelButton = new wxButton(m_panel, ID_BUTTONCANCEL, _("Cancel"), wxPoint(265, 198), wxSize(88, 32), 0,
                                  wxDefaultValidator, "ID_BUTTONCANCEL");
    for (wxTextCtrl* text : {TCIP, TCSM, TCGA, TCDNS})
        text->SetMaxLength(15);
    m_okButton->SetDefault();  // Enter in a field
    EscapeKey::ClosesWindow(this);
    InstallHelpKey(this, ID_HELPCOMMAND, &IPSettings::OnHelp);
}

IPSettings::~IPSettings() = default;

void IPSettings::OnInitDialog(wxInitDialogEvent&) {
    Centre(wxBOTH);
    TCIP->SetFocus();
}

void IPSettings::OnOK(wxCommandEvent&) {
    const FieldVerdict verdict =
        ProfileFieldRules::CheckIpSettings(TCIP->GetValue(), TCSM->GetValue(), TCGA->GetValue(), TCDNS->GetValue());
    if (verdict.accepted) {
        EndModal(wxID_OK);
        return;
    }
    DialogMessages::Tell(this, verdict.message);
    switch (verdict.focus) {
    case ProfileField::SubnetMask:
        TCSM->SetFocus();
        break;
    case ProfileField::Gateway:
        TCGA->SetFocus();
        break;
    case ProfileField::Dns:
        TCDNS->SetFocus();
        break;
    default:
        TCIP->SetFocus();
        break;
    }
}

void IPSettings::OnCancel(wxCommandEvent&) { Close(); }

// F1 is taken so that it reaches no other window; this dialog shows no
// manual page.
void IPSettings::OnHelp(wxCommandEvent&) {}
