#include "ProfileWirelessSettings.h"

#include <cstring>

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/msgdlg.h>
#include <wx/statbmp.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "AccessPointFields.h"
#include "CustomStaticText.h"
#include "EditProfileHub.h"
#include "HelpKey.h"
#include "NewProfileChecks.h"
#include "WizardHeader.h"

namespace {

const long ID_SNBUTTON = wxNewId();
const long ID_ST2STATICLINE = wxNewId();
const long ID_WNNAMETEXTCTRL = wxNewId();
const long ID_STSTATICTEXT = wxNewId();
const long ID_WTCOMBOBOX = wxNewId();
const long ID_PIC2STATICBITMAP = wxNewId();
const long ID_STCOMBOBOX = wxNewId();
const long ID_PNSTATICTEXT = wxNewId();
const long ID_WIRELESSTYPESTATICTEXT = wxNewId();
const long ID_WSSTATICTEXT = wxNewId();
const long ID_DES2STATICTEXT = wxNewId();
const long ID_KEYSTATICTEXT = wxNewId();
const long ID_TIPSTATICTEXT = wxNewId();
const long ID_KEYTEXTCTRL = wxNewId();
const long ID_HELP = wxNewId();

const int kNetworkModeWirelessConnected = 2;
const int kNetworkModeWirelessUp = 3;

}  // namespace

ProfileWirelessSettings::ProfileWirelessSettings(wxWizard* parent) : wxWizardPageSimple(parent) {
    m_pPicStaticBitmap = new wxStaticBitmap(this, ID_PIC2STATICBITMAP, WizardHeader::Picture(wxSize(510, 48)),
                                            wxPoint(0, 0), wxSize(510, 48), 0, "ID_PIC2STATICBITMAP");
    m_pSsidTextCtrl = new wxTextCtrl(this, ID_WNNAMETEXTCTRL, wxEmptyString, wxPoint(230, 65), wxSize(270, 24), 0,
                                     wxDefaultValidator, "ID_WNNAMETEXTCTRL");
    m_pSsidTextCtrl->SetMaxLength(32);
    m_pSecurityStaticText = new wxStaticText(this, ID_STSTATICTEXT, _("Security Type:"), wxPoint(15, 170),
                                             wxDefaultSize, 0, "ID_STSTATICTEXT");
    m_pWirelessTypeStaticText = new wxStaticText(this, ID_WIRELESSTYPESTATICTEXT, _("Wireless Type:"),
                                                 wxPoint(15, 135), wxDefaultSize, 0, "ID_WIRELESSTYPESTATICTEXT");
    m_pSsidStaticText = new wxStaticText(this, ID_PNSTATICTEXT, _("Wireless Network Name(SSID):"), wxPoint(15, 70),
                                         wxSize(180, 36), 0, "ID_PNSTATICTEXT");
    m_pSsidStaticText->Wrap(180);  // two lines beside the name field
    m_pDescriptionStaticText = new CustomStaticText(this, ID_DES2STATICTEXT, _("Input wireless network settings"),
                                                    wxPoint(10, 30), wxDefaultSize, 0, "ID_DES2STATICTEXT");
    m_pTitleStaticText = new CustomStaticText(this, ID_WSSTATICTEXT, _("Wireless Settings"), wxPoint(10, 5),
                                              wxDefaultSize, 0, "ID_WSSTATICTEXT");
    m_pTitleStaticText->SetFont(WizardHeader::TitleFont());
    m_pStaticLine = new wxStaticLine(this, ID_ST2STATICLINE, wxPoint(0, 48), wxSize(510, 1), wxLI_HORIZONTAL,
                                     "ID_ST2STATICLINE");
    m_pScanButton = new wxButton(this, ID_SNBUTTON, _("Scan for Networks"), wxPoint(290, 95), wxSize(210, 28), 0,
                                 wxDefaultValidator, "ID_SNBUTTON");

    const wxString wirelessTypes[] = {_("Automatic"), "802.11b", "802.11g", "802.11n"};
    m_pWirelessTypeComboBox = new wxComboBox(this, ID_WTCOMBOBOX, wxEmptyString, wxPoint(230, 130), wxSize(138, 29),
                                             4, wirelessTypes, wxCB_READONLY, wxDefaultValidator, "ID_WTCOMBOBOX");
    m_pWirelessTypeComboBox->SetSelection(0);
    const wxString securities[] = {_("NONE"), "WEP", "WPA-PSK", _("UNKNOWN")};
    m_pSecurityComboBox = new wxComboBox(this, ID_STCOMBOBOX, wxEmptyString, wxPoint(230, 165), wxSize(138, 29), 4,
                                         securities, wxCB_READONLY, wxDefaultValidator, "ID_STCOMBOBOX");
    m_pSecurityComboBox->SetSelection(0);
    m_pKeyStaticText = new wxStaticText(this, ID_KEYSTATICTEXT, _("Key:"), wxPoint(15, 205), wxDefaultSize, 0,
                                        "ID_KEYSTATICTEXT");
    m_pKeyTextCtrl = new wxTextCtrl(this, ID_KEYTEXTCTRL, wxEmptyString, wxPoint(230, 200), wxSize(270, 24),
                                    wxTE_PASSWORD, wxDefaultValidator, "ID_KEYTEXTCTRL");
    m_pKeyTextCtrl->Enable(false);
    m_pKeyIndexStaticText = new wxStaticText(this, wxID_ANY, _("Key Index:"), wxPoint(15, 235), wxSize(70, 40));
    const wxString keyIndexes[] = {"1", "2", "3", "4"};
    m_pKeyIndexComboBox = new wxComboBox(this, wxID_ANY, "1", wxPoint(230, 230), wxSize(60, 28), 4, keyIndexes,
                                         wxCB_READONLY);
    m_pKeyIndexComboBox->SetSelection(0);
    m_pKeyIndexComboBox->Enable(false);
    m_pTipStaticText = new wxStaticText(this, ID_TIPSTATICTEXT, wxEmptyString, wxPoint(230, 260), wxDefaultSize, 0,
                                        "ID_TIPSTATICTEXT");

    m_bSSIDChanged = false;
    std::memset(&m_selectedAP, 0, sizeof m_selectedAP);

    Connect(ID_STCOMBOBOX, wxEVT_COMMAND_COMBOBOX_SELECTED,
            wxCommandEventHandler(ProfileWirelessSettings::OnSecurityTypeChanged));
    Connect(ID_SNBUTTON, wxEVT_COMMAND_BUTTON_CLICKED, wxCommandEventHandler(ProfileWirelessSettings::OnScan));
    Connect(ID_WNNAMETEXTCTRL, wxEVT_COMMAND_TEXT_UPDATED,
            wxCommandEventHandler(ProfileWirelessSettings::OnSSIDTextChanged));
    InstallHelpKey(this, ID_HELP, &ProfileWirelessSettings::OnHelp);

    UpdateScanButton();
}

ProfileWirelessSettings::~ProfileWirelessSettings() = default;

void ProfileWirelessSettings::UpdateScanButton() {
    EditProfileHub& hub = EditProfileHub::Current();
    const int mode = hub.GetNetworkMode();
    const bool adapter = mode == kNetworkModeWirelessConnected || mode == kNetworkModeWirelessUp;
    m_pScanButton->Enable(adapter && hub.HasScanWindow());
}

void ProfileWirelessSettings::ApplySecurityRules() {
    const int security = m_pSecurityComboBox->GetSelection();
    const bool wep = security == NewProfileChecks::SECURITY_WEP;
    const bool wpa = security == NewProfileChecks::SECURITY_WPA_PSK;
    m_pTipStaticText->SetLabel(wep ? _("Use hexadecimal digits (0-9, a-f)") : wxString());
    m_pKeyTextCtrl->Enable(wep || wpa);
    m_pKeyTextCtrl->Clear();
    m_pKeyIndexComboBox->Enable(wep);
}

void ProfileWirelessSettings::OnSecurityTypeChanged(wxCommandEvent&) { ApplySecurityRules(); }

void ProfileWirelessSettings::OnScan(wxCommandEvent&) {
    EditProfileHub& hub = EditProfileHub::Current();
    if (!hub.CanScanWireless()) {
        wxMessageDialog(this, _("The current policy forbids scanning for wireless networks."), _("Message"),
                        wxOK | wxICON_INFORMATION)
            .ShowModal();
        return;
    }
    const int mode = hub.GetNetworkMode();
    if (mode != kNetworkModeWirelessConnected && mode != kNetworkModeWirelessUp) {
        wxMessageDialog(this, _("Cannot find WLAN adapter!"), _("Message"), wxOK | wxICON_INFORMATION).ShowModal();
        return;
    }
    APStatus picked;
    if (!hub.HasScanWindow() || !hub.PickAccessPoint(&picked))
        return;
    m_selectedAP = picked;
    UpdateFromAP();
    ApplySecurityRules();
}

void ProfileWirelessSettings::UpdateFromAP() {
    const AccessPointFields fields = AccessPointFields::From(m_selectedAP);
    m_pSsidTextCtrl->SetValue(fields.ssid);
    m_pSecurityComboBox->SetSelection(fields.securityIndex);
    m_pWirelessTypeComboBox->SetSelection(fields.wirelessTypeIndex);
}

void ProfileWirelessSettings::OnSSIDTextChanged(wxCommandEvent&) { m_bSSIDChanged = true; }

// F1 is taken so that it reaches no other window; the wizard shows no
// manual page.
void ProfileWirelessSettings::OnHelp(wxCommandEvent&) {}

void ProfileWirelessSettings::ReadInto(NewProfileEntries& entries) const {
    entries.ssid = m_pSsidTextCtrl->GetValue();
    entries.wirelessTypeIndex = m_pWirelessTypeComboBox->GetSelection();
    entries.securityIndex = m_pSecurityComboBox->GetSelection();
    entries.key = m_pKeyTextCtrl->GetValue();
    entries.keyIndexText = m_pKeyIndexComboBox->GetValue();
    entries.ssidChanged = m_bSSIDChanged;
}

void ProfileWirelessSettings::SetSsidText(const wxString& ssid) { m_pSsidTextCtrl->SetValue(ssid); }
