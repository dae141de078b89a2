#include "ProfileGeneralSettings.h"

#include <wx/bmpcbox.h>
#include <wx/combobox.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "CustomStaticText.h"
#include "EditProfileHub.h"
#include "HelpKey.h"
#include "NewProfileChecks.h"
#include "NewProfileRecord.h"
#include "PictureLoader.h"
#include "ProfileListImages.h"
#include "ProfileOtherSettings.h"
#include "ProfileWirelessSettings.h"
#include "TWMUtil.h"
#include "WizardHeader.h"

namespace {

const long ID_STSTATICLINE = wxNewId();
const long ID_PICSTATICBITMAP = wxNewId();
const long ID_GSSTATICTEXT = wxNewId();
const long ID_DES1STATICTEXT = wxNewId();
const long ID_PNSTATICTEXT = wxNewId();
const long ID_CONTYPESTATICTEXT = wxNewId();
const long ID_NAMETEXTCTRL = wxNewId();
const long ID_CONTYPECOMBOBOX = wxNewId();
const long ID_NAMECOMBOBOX = wxNewId();
const long ID_HELP = wxNewId();

const int kWired = 1;
const int kWireless = 2;

}  // namespace

wxBEGIN_EVENT_TABLE(ProfileGeneralSettings, wxWizard)
    EVT_COMBOBOX(ID_CONTYPECOMBOBOX, ProfileGeneralSettings::OnConnectTypeSelected)
    EVT_WIZARD_PAGE_CHANGING(wxID_ANY, ProfileGeneralSettings::OnPageChanging)
    EVT_WIZARD_FINISHED(wxID_ANY, ProfileGeneralSettings::OnWizardFinished)
    EVT_WIZARD_CANCEL(wxID_ANY, ProfileGeneralSettings::OnWizardCancel)
wxEND_EVENT_TABLE()

ProfileGeneralSettings::ProfileGeneralSettings(wxWindow* parent) {
    Create(parent, wxID_ANY, _("New Network Profile"), wxNullBitmap, wxDefaultPosition, wxDEFAULT_DIALOG_STYLE);
    m_pGeneralPage = new wxWizardPageSimple(this);
    SetPageSize(wxSize(430, 280));
    SetBorder(0);
    GetPageAreaSizer()->Add(m_pGeneralPage, 0, 0, 0);

    wxWizardPageSimple* page = m_pGeneralPage;
    m_pSTStaticLine = new wxStaticLine(page, ID_STSTATICLINE, wxPoint(0, 60), wxSize(510, 1), wxLI_HORIZONTAL,
                                       "ID_STSTATICLINE");
    m_pPicStaticBitmap = new wxStaticBitmap(page, ID_PICSTATICBITMAP, WizardHeader::Picture(wxSize(510, 60)),
                                            wxPoint(0, 0), wxSize(510, 60), 0, "ID_PICSTATICBITMAP");
    m_pGSStaticText = new CustomStaticText(page, ID_GSSTATICTEXT, _("General Settings"), wxPoint(10, 10),
                                           wxDefaultSize, 0, "ID_GSSTATICTEXT");
    m_pGSStaticText->SetFont(WizardHeader::TitleFont());
    m_pDes1StaticText = new CustomStaticText(
        page, ID_DES1STATICTEXT, _("Input the network profile name and select network connection type"),
        wxPoint(10, 32), wxSize(420, 20), 0, "ID_DES1STATICTEXT");
    m_pPNStaticText = new wxStaticText(page, ID_PNSTATICTEXT, _("Profile Name:"), wxPoint(15, 80), wxDefaultSize, 0,
                                       "ID_PNSTATICTEXT");
    m_pConTypeStaticText = new wxStaticText(page, ID_CONTYPESTATICTEXT, _("Network Connection Type:"),
                                            wxPoint(15, 133), wxSize(170, 30), 0, "ID_CONTYPESTATICTEXT");
    m_pNameTextCtrl = new wxTextCtrl(page, ID_NAMETEXTCTRL, wxEmptyString, wxPoint(240, 75), wxSize(185, 24), 0,
                                     wxDefaultValidator, "ID_NAMETEXTCTRL");
    m_pNameTextCtrl->SetMaxLength(32);
    m_pIconComboBox = new wxBitmapComboBox(page, ID_NAMECOMBOBOX, wxEmptyString, wxPoint(435, 75), wxSize(50, 24),
                                           0, nullptr, wxCB_READONLY, wxDefaultValidator, "ID_NAMECOMBOBOX");
    for (int i = 0; i < ProfileListImages::ICON_COUNT; ++i)
        m_pIconComboBox->Insert(wxEmptyString, PictureLoader::Load(ProfileListImages::kIconFiles[i]), i);
    m_pIconComboBox->SetSelection(0);
    const wxString types[] = {_("Wireless LAN"), _("Wired LAN")};
    m_pConTypeComboBox = new wxComboBox(page, ID_CONTYPECOMBOBOX, wxEmptyString, wxPoint(240, 127), wxSize(245, 30),
                                        2, types, wxCB_READONLY, wxDefaultValidator, "ID_CONTYPECOMBOBOX");
    m_pConTypeComboBox->SetValue(_("Wireless LAN"));

    m_pWirelessPage = new ProfileWirelessSettings(this);
    m_pOtherPage = new ProfileOtherSettings(this);
    // The page area counts only pages it holds that are shown: with the
    // first page alone in it, it would collapse under the buttons as soon
    // as another page is shown.
    GetPageAreaSizer()->Add(m_pWirelessPage, 0, 0, 0);
    GetPageAreaSizer()->Add(m_pOtherPage, 0, 0, 0);
    ChainPages(true);

    InstallHelpKey(this, ID_HELP, &ProfileGeneralSettings::OnHelp);
}

ProfileGeneralSettings::~ProfileGeneralSettings() = default;

bool ProfileGeneralSettings::RunWizard() { return wxWizard::RunWizard(m_pGeneralPage); }

void ProfileGeneralSettings::ChainPages(bool wireless) {
    if (wireless) {
        wxWizardPageSimple::Chain(m_pGeneralPage, m_pWirelessPage);
        wxWizardPageSimple::Chain(m_pWirelessPage, m_pOtherPage);
    } else {
        wxWizardPageSimple::Chain(m_pGeneralPage, m_pOtherPage);
    }
    m_pOtherPage->SetConnectionType(wireless ? kWireless : kWired);
}

void ProfileGeneralSettings::OnConnectTypeSelected(wxCommandEvent&) {
    wxString text = m_pConTypeComboBox->GetValue();
    text.Trim(true).Trim(false);
    ChainPages(text == _("Wireless LAN"));
}

// F1 is taken so that it reaches no other window; the wizard shows no
// manual page.
void ProfileGeneralSettings::OnHelp(wxCommandEvent&) {}

NewProfileEntries ProfileGeneralSettings::ReadEntries() const {
    NewProfileEntries entries;
    entries.name = m_pNameTextCtrl->GetValue();
    entries.iconIndex = m_pIconComboBox->GetSelection();
    entries.wireless = m_pConTypeComboBox->GetValue() == _("Wireless LAN");
    m_pWirelessPage->ReadInto(entries);
    entries.other = m_pOtherPage->TransferToProfile();
    return entries;
}

void ProfileGeneralSettings::OnPageChanging(wxWizardEvent& event) {
    using NewProfileChecks::PageChange;
    PageChange change = PageChange::Other;
    if (event.GetDirection() && event.GetPage() == m_pWirelessPage)
        change = PageChange::LeavingWirelessForward;
    else if (event.GetDirection() && event.GetPage() == m_pOtherPage)
        change = PageChange::Finish;
    NewProfileEntries entries = ReadEntries();
    const NewProfileChecks::Outcome outcome =
        NewProfileChecks::CheckPageChange(entries, change, [](const wxString& name) {
            return EditProfileHub::Current().IsNameTaken(name, wxString());
        });
    m_pNameTextCtrl->ChangeValue(outcome.name);
    if (outcome.ssidChecked) {
        m_pWirelessPage->SetSsidText(outcome.ssid);
        entries.ssid = outcome.ssid;
    }
    if (!outcome.verdict.accepted) {
        wxMessageDialog(this, outcome.verdict.message, _("Message"), wxOK | wxICON_INFORMATION).ShowModal();
        event.Veto();
        if (outcome.verdict.focus == ProfileField::Name)
            m_pNameTextCtrl->SetFocus();
        else if (outcome.verdict.focus == ProfileField::Ssid)
            m_pWirelessPage->GetSsidCtrl()->SetFocus();
        else if (outcome.verdict.focus == ProfileField::Key)
            m_pWirelessPage->GetKeyCtrl()->SetFocus();
        else
            m_pOtherPage->FocusOn(outcome.verdict.focus);
        return;
    }
    NewProfileRecord::Fill(m_profile, entries, outcome.name, TWMUtil::IsAdmin());
    m_pWirelessPage->SetSsidChanged(true);
}

void ProfileGeneralSettings::OnWizardFinished(wxWizardEvent&) {}

void ProfileGeneralSettings::OnWizardCancel(wxWizardEvent& event) {
    wxMessageDialog question(this, _("Are you sure you want to cancel the operation?"), _("Confirm"),
                             wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION);
    if (question.ShowModal() != wxID_YES)
        event.Veto();
}
