#include "ProfileOtherSettings.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/statline.h>
#include <wx/textctrl.h>

#include "AutoRunSettings.h"
#include "CustomStaticText.h"
#include "HelpKey.h"
#include "IPSettings.h"
#include "NetSecrityDlg.h"
#include "NewProfileRecord.h"
#include "ProxySettings.h"
#include "TWMUtil.h"
#include "WizardHeader.h"

namespace {

const long ID_PICSTATICBITMAP = wxNewId();
const long ID_NSCHECKBOX = wxNewId();
const long ID_SET1BUTTON = wxNewId();
const long ID_APPCHECKBOX = wxNewId();
const long ID_SET2BUTTON = wxNewId();
const long ID_IPCHECKBOX = wxNewId();
const long ID_SET3BUTTON = wxNewId();
const long ID_HPCHECKBOX = wxNewId();
const long ID_HPTEXTCTRL = wxNewId();
const long ID_PROXYCHECKBOX = wxNewId();
const long ID_SET4BUTTON = wxNewId();
const long ID_DES3STATICTEXT = wxNewId();
const long ID_OSSTATICTEXT = wxNewId();
const long ID_ST3STATICLINE = wxNewId();
const long ID_BROWSERSTATICBOX = wxNewId();
const long ID_HELP = wxNewId();

const int kWireless = 2;

}  // namespace

ProfileOtherSettings::ProfileOtherSettings(wxWizard* parent) : wxWizardPageSimple(parent) {
    m_pNetSecrityDlg = new NetSecrityDlg(this, wxID_ANY, wxDefaultPosition, wxDefaultSize);
    m_pIPSettings = new IPSettings(this);
    m_pProxySettings = new ProxySettings(this);

    m_pPicStaticBitmap = new wxStaticBitmap(this, ID_PICSTATICBITMAP, WizardHeader::Picture(wxSize(510, 48)),
                                            wxPoint(0, 0), wxSize(510, 48), 0, "ID_PICSTATICBITMAP");
    m_pNetworkSecurityCheckBox = new wxCheckBox(this, ID_NSCHECKBOX, _("Network Security"), wxPoint(15, 58),
                                                wxSize(134, 32), 0, wxDefaultValidator, "ID_NSCHECKBOX");
    m_pSet1Button = new wxButton(this, ID_SET1BUTTON, _("Settings"), wxPoint(280, 63), wxSize(145, 27), 0,
                                 wxDefaultValidator, "ID_SET1BUTTON");
    m_pAppCheckBox = new wxCheckBox(this, ID_APPCHECKBOX, _("Automatically enable applications"), wxPoint(15, 96),
                                    wxSize(246, 32), 0, wxDefaultValidator, "ID_APPCHECKBOX");
    m_pSet2Button = new wxButton(this, ID_SET2BUTTON, _("Settings"), wxPoint(280, 101), wxSize(145, 27), 0,
                                 wxDefaultValidator, "ID_SET2BUTTON");
    m_pIPCheckBox = new wxCheckBox(this, ID_IPCHECKBOX, _("Overwrite default TCP/IP and DNS"), wxPoint(15, 134),
                                   wxSize(246, 32), 0, wxDefaultValidator, "ID_IPCHECKBOX");
    m_pSet3Button = new wxButton(this, ID_SET3BUTTON, _("Settings"), wxPoint(280, 139), wxSize(145, 27), 0,
                                 wxDefaultValidator, "ID_SET3BUTTON");
    m_pHomepageCheckBox = new wxCheckBox(this, ID_HPCHECKBOX, _("Overwrite homepage"), wxPoint(15, 190),
                                         wxSize(240, 32), 0, wxDefaultValidator, "ID_HPCHECKBOX");
    m_pHomepageTextCtrl = new wxTextCtrl(this, ID_HPTEXTCTRL, wxEmptyString, wxPoint(280, 195), wxSize(192, 24), 0,
                                         wxDefaultValidator, "ID_HPTEXTCTRL");
    m_pHomepageTextCtrl->Enable(false);
    m_pHomepageTextCtrl->SetEditable(false);
    m_pProxyCheckBox = new wxCheckBox(this, ID_PROXYCHECKBOX, _("Overwrite proxy configuration"),
                                      wxPoint(15, 230), wxSize(246, 32), 0, wxDefaultValidator, "ID_PROXYCHECKBOX");
    m_pSet4Button = new wxButton(this, ID_SET4BUTTON, _("Settings"), wxPoint(280, 235), wxSize(145, 27), 0,
                                 wxDefaultValidator, "ID_SET4BUTTON");
    m_pDescriptionStaticText =
        new CustomStaticText(this, ID_DES3STATICTEXT, _("Configure other settings of the network"), wxPoint(10, 30),
                             wxDefaultSize, 0, "ID_DES3STATICTEXT");
    m_pTitleStaticText = new CustomStaticText(this, ID_OSSTATICTEXT, _("Other Settings"), wxPoint(10, 5),
                                              wxDefaultSize, 0, "ID_OSSTATICTEXT");
    m_pTitleStaticText->SetFont(WizardHeader::TitleFont());
    m_pStaticLine = new wxStaticLine(this, ID_ST3STATICLINE, wxPoint(0, 48), wxSize(510, 1), wxLI_HORIZONTAL,
                                     "ID_ST3STATICLINE");
    for (wxButton* settings : {m_pSet1Button, m_pSet2Button, m_pSet3Button, m_pSet4Button})
        settings->Enable(false);
    // A check box narrower than its box and caption squeezes the caption
    // (and the toolkit complains each time the page is laid out).
    for (wxCheckBox* box : {m_pNetworkSecurityCheckBox, m_pAppCheckBox, m_pIPCheckBox, m_pHomepageCheckBox,
                            m_pProxyCheckBox})
        box->SetSize(std::max(box->GetSize().GetWidth(), box->GetBestSize().GetWidth()), -1);
    m_pBrowserStaticBox = new wxStaticBox(this, ID_BROWSERSTATICBOX,
                                          _("Customize Internet Explorer or Firefox Browser"), wxPoint(5, 176),
                                          wxSize(480, 100), 0, "ID_BROWSERSTATICBOX");
    // The box was made after the rows it encloses: keep it behind them.
    m_pBrowserStaticBox->Lower();

    Connect(ID_NSCHECKBOX, wxEVT_COMMAND_CHECKBOX_CLICKED,
            wxCommandEventHandler(ProfileOtherSettings::OnNetworkSecurityCheckBox));
    Connect(ID_APPCHECKBOX, wxEVT_COMMAND_CHECKBOX_CLICKED, wxCommandEventHandler(ProfileOtherSettings::OnAppCheckBox));
    Connect(ID_IPCHECKBOX, wxEVT_COMMAND_CHECKBOX_CLICKED, wxCommandEventHandler(ProfileOtherSettings::OnIPCheckBox));
    Connect(ID_HPCHECKBOX, wxEVT_COMMAND_CHECKBOX_CLICKED,
            wxCommandEventHandler(ProfileOtherSettings::OnHomepageCheckBox));
    Connect(ID_PROXYCHECKBOX, wxEVT_COMMAND_CHECKBOX_CLICKED,
            wxCommandEventHandler(ProfileOtherSettings::OnProxyCheckBox));
    Connect(ID_SET1BUTTON, wxEVT_COMMAND_BUTTON_CLICKED,
            wxCommandEventHandler(ProfileOtherSettings::OnSetNetworkSecurity));
    Connect(ID_SET2BUTTON, wxEVT_COMMAND_BUTTON_CLICKED, wxCommandEventHandler(ProfileOtherSettings::OnSetAutoRun));
    Connect(ID_SET3BUTTON, wxEVT_COMMAND_BUTTON_CLICKED, wxCommandEventHandler(ProfileOtherSettings::OnSetIP));
    Connect(ID_SET4BUTTON, wxEVT_COMMAND_BUTTON_CLICKED, wxCommandEventHandler(ProfileOtherSettings::OnSetProxy));
    InstallHelpKey(this, ID_HELP, &ProfileOtherSettings::OnHelp);
}

// The three dialogs are the page's children and go with it.
ProfileOtherSettings::~ProfileOtherSettings() = default;

void ProfileOtherSettings::SetConnectionType(int type) {
    const bool wireless = type == kWireless;
    m_pNetworkSecurityCheckBox->Enable(wireless);
    if (!wireless)
        m_pNetworkSecurityCheckBox->SetValue(false);
    m_pSet1Button->Enable(wireless && m_pNetworkSecurityCheckBox->GetValue());
}

void ProfileOtherSettings::OnNetworkSecurityCheckBox(wxCommandEvent&) {
    m_pSet1Button->Enable(m_pNetworkSecurityCheckBox->GetValue());
}

void ProfileOtherSettings::OnAppCheckBox(wxCommandEvent&) { m_pSet2Button->Enable(m_pAppCheckBox->GetValue()); }

void ProfileOtherSettings::OnIPCheckBox(wxCommandEvent&) { m_pSet3Button->Enable(m_pIPCheckBox->GetValue()); }

void ProfileOtherSettings::OnHomepageCheckBox(wxCommandEvent&) {
    const bool on = m_pHomepageCheckBox->GetValue();
    m_pHomepageTextCtrl->Enable(on);
    m_pHomepageTextCtrl->SetEditable(on);
}

void ProfileOtherSettings::OnProxyCheckBox(wxCommandEvent&) { m_pSet4Button->Enable(m_pProxyCheckBox->GetValue()); }

void ProfileOtherSettings::OnSetNetworkSecurity(wxCommandEvent&) {
    if (m_pNetSecrityDlg->ShowModal() == wxID_OK) {
        m_values.forbidShareInternet = m_pNetSecrityDlg->m_pInternetCheckBox->GetValue() ? "1" : "0";
    } else {
        const std::string& stored = m_values.forbidShareInternet;
        m_pNetSecrityDlg->m_pInternetCheckBox->SetValue(!stored.empty() && stored != "0");
    }
}

void ProfileOtherSettings::OnSetAutoRun(wxCommandEvent&) {
    wxArrayString programs;
    for (const std::string& program : m_values.programs)
        programs.Add(TWMUtil::StdStringToWxString(program));
    AutoRunSettings* dialog = new AutoRunSettings(this, wxID_ANY);
    dialog->SetAppList(programs);
    if (dialog->ShowModal() == wxID_OK) {
        m_values.programs.clear();
        for (const wxString& program : dialog->GetAppList())
            m_values.programs.push_back(TWMUtil::WxStringToStdString(program));
    }
    dialog->Destroy();
}

void ProfileOtherSettings::PutBackIP() {
    m_pIPSettings->TCIP->ChangeValue(m_values.ip);
    m_pIPSettings->TCSM->ChangeValue(m_values.mask);
    m_pIPSettings->TCGA->ChangeValue(m_values.gateway);
    m_pIPSettings->TCDNS->ChangeValue(m_values.dns);
}

void ProfileOtherSettings::OnSetIP(wxCommandEvent&) {
    PutBackIP();
    if (m_pIPSettings->ShowModal() == wxID_OK) {
        m_values.ip = m_pIPSettings->TCIP->GetValue();
        m_values.mask = m_pIPSettings->TCSM->GetValue();
        m_values.gateway = m_pIPSettings->TCGA->GetValue();
        m_values.dns = m_pIPSettings->TCDNS->GetValue();
    } else {
        PutBackIP();
    }
}

void ProfileOtherSettings::PutBackProxy() {
    m_pProxySettings->m_tcProxy->ChangeValue(m_values.proxyAddress);
    m_pProxySettings->m_tcPort->ChangeValue(m_values.port);
}

void ProfileOtherSettings::OnSetProxy(wxCommandEvent&) {
    if (m_pProxySettings->ShowModal() == wxID_OK) {
        m_values.proxyAddress = m_pProxySettings->m_tcProxy->GetValue();
        m_values.port = m_pProxySettings->m_tcPort->GetValue();
    } else {
        PutBackProxy();
    }
}

// F1 is taken so that it reaches no other window; the wizard shows no
// manual page.
void ProfileOtherSettings::OnHelp(wxCommandEvent&) {}

void ProfileOtherSettings::FocusOn(ProfileField field) {
    if (field == ProfileField::IpSettingsButton)
        m_pSet3Button->SetFocus();
    else if (field == ProfileField::Homepage)
        m_pHomepageTextCtrl->SetFocus();
    else if (field == ProfileField::ProxySettingsButton)
        m_pSet4Button->SetFocus();
}

ProfileOtherSet ProfileOtherSettings::TransferToProfile() const {
    OtherSettingsEntries entries = m_values;
    entries.networkSecurity = m_pNetworkSecurityCheckBox->GetValue();
    entries.autoRun = m_pAppCheckBox->GetValue();
    entries.ipDns = m_pIPCheckBox->GetValue();
    entries.homepage = m_pHomepageCheckBox->GetValue();
    entries.proxy = m_pProxyCheckBox->GetValue();
    entries.homepageText = m_pHomepageTextCtrl->GetValue();
    return NewProfileRecord::OtherSet(entries);
}
