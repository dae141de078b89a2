#include "EditProfileDialog.h"

#include <gtk/gtk.h>

#include <wx/bmpcbox.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/intl.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "AutoRunSettings.h"
#include "DialogMessages.h"
#include "EditProfileHub.h"
#include "HelpKey.h"
#include "IPSettings.h"
#include "NetSecrityDlg.h"
#include "PictureLoader.h"
#include "ProxySettings.h"
#include "TWMUtil.h"
#include "WindowTextCut.h"
#include "WindowTextCutter.h"

const long EditProfileDialog::ID_OKBUTTON = wxNewId();
const long EditProfileDialog::ID_CANCLEBUTTON = wxNewId();
const long EditProfileDialog::ID_NAMESTATICTEXT = wxNewId();
const long EditProfileDialog::ID_CONTYPESTATICTEXT = wxNewId();
const long EditProfileDialog::ID_NAMETEXTCTRL = wxNewId();
const long EditProfileDialog::ID_NAMECOMBOBOX = wxNewId();
const long EditProfileDialog::ID_CONTYPECOMBOBOX = wxNewId();
const long EditProfileDialog::ID_GENERALPANEL = wxNewId();
const long EditProfileDialog::ID_WIRELESSNAMESTATICTEXT = wxNewId();
const long EditProfileDialog::ID_WIRELESSTYPESTATICTEXT = wxNewId();
const long EditProfileDialog::ID_SECTYPESTATICTEXT = wxNewId();
const long EditProfileDialog::ID_SSIDTEXTCTRL = wxNewId();
const long EditProfileDialog::ID_SCANBUTTON = wxNewId();
const long EditProfileDialog::ID_WIRELESSTYPECOMBOBOX = wxNewId();
const long EditProfileDialog::ID_SECRITYTYPECOMBOBOX = wxNewId();
const long EditProfileDialog::ID_WIRELESSPANEL = wxNewId();
const long EditProfileDialog::ID_NETWORKSECRITYCHECKBOX = wxNewId();
const long EditProfileDialog::ID_APPCHECKBOX = wxNewId();
const long EditProfileDialog::ID_DEFAULTCHECKBOX = wxNewId();
const long EditProfileDialog::ID_NSBUTTON = wxNewId();
const long EditProfileDialog::ID_APPBUTTON = wxNewId();
const long EditProfileDialog::ID_DEFAULTBUTTON = wxNewId();
const long EditProfileDialog::ID_PROXYBUTTON = wxNewId();
const long EditProfileDialog::ID_BROWSERSTATICBOX = wxNewId();
const long EditProfileDialog::ID_HOMEPAGECHECKBOX = wxNewId();
const long EditProfileDialog::ID_PROXYCHECKBOX = wxNewId();
const long EditProfileDialog::ID_HOMEPAGETEXTCTRL = wxNewId();
const long EditProfileDialog::ID_OTHERSPANEL = wxNewId();
const long EditProfileDialog::ID_EDITNOTEBOOK = wxNewId();
const long EditProfileDialog::ID_EDITPANEL = wxNewId();
const long EditProfileDialog::ID_KEYSTATICTEXT = wxNewId();
const long EditProfileDialog::ID_TIPSTATICTEXT = wxNewId();
const long EditProfileDialog::ID_KEYTEXTCTRL = wxNewId();
const long EditProfileDialog::ID_HELPCOMMAND = wxNewId();

wxBEGIN_EVENT_TABLE(EditProfileDialog, wxDialog)
    EVT_BUTTON(EditProfileDialog::ID_OKBUTTON, EditProfileDialog::OnOK)
    EVT_BUTTON(EditProfileDialog::ID_CANCLEBUTTON, EditProfileDialog::OnCancel)
wxEND_EVENT_TABLE()

namespace {

const char* const kIconPictures[] = {"pic/general.png",  "pic/home.png",     "pic/personal.png", "pic/house.png",
                                     "pic/hospital.png", "pic/building.png", "pic/bucket.png",   "pic/airport.png"};

// The modes in which the wireless adapter is up.
bool WirelessMode(int mode) { return mode == 2 || mode == 3; }

wxArrayString Items(std::initializer_list<wxString> items) {
    wxArrayString array;
    for (const wxString& item : items)
        array.Add(item);
    return array;
}

// The width a single-line text field draws its text in: its own less the
// margin, border and padding its theme gives it (known before the field is
// laid out).
int TextRoom(const wxTextCtrl& field) {
    GtkWidget* entry = field.GetHandle();
    if (entry == nullptr)
        return field.GetClientSize().x;
    GtkStyleContext* style = gtk_widget_get_style_context(entry);
    const GtkStateFlags state = gtk_style_context_get_state(style);
    GtkBorder margin{}, border{}, padding{};
    gtk_style_context_get_margin(style, state, &margin);
    gtk_style_context_get_border(style, state, &border);
    gtk_style_context_get_padding(style, state, &padding);
    return field.GetSize().x - margin.left - margin.right - border.left - border.right - padding.left -
           padding.right;
}

}  // namespace

EditProfileDialog::EditProfileDialog(wxWindow* parent, const ProfileList_t& profile, bool fromScan)
    : m_model(profile, fromScan) {
    Create(parent, wxID_ANY, _("Edit Network Profile"), wxDefaultPosition, wxDefaultSize, wxCAPTION | wxSYSTEM_MENU,
           "wxID_ANY");
    SetClientSize(510, 332);
    CreateControls();

    const EditProfileFields& loaded = m_model.Loaded();
    ShowFields(loaded);
    m_nameText->SetFocus();
    if (!loaded.wireless) {
        // The page stays alive for its values, out of the notebook and hidden.
        m_notebook->RemovePage(1);
        m_wirelessPanel->Hide();
        m_networkSecurityCheck->Disable();
    }
    m_conTypeCombo->Disable();
    if (fromScan) {
        // The scan map has filled these from the network itself.
        for (wxWindow* control : std::initializer_list<wxWindow*>{m_ssidText, m_secTypeCombo, m_wirelessTypeCombo,
                                                                   m_keyText, m_keyIndexCombo, m_scanButton})
            control->Disable();
    }
    Centre(wxBOTH);

    Connect(ID_SECRITYTYPECOMBOBOX, wxEVT_COMBOBOX, wxCommandEventHandler(EditProfileDialog::OnSecurityTypeSelected));
    Connect(ID_NETWORKSECRITYCHECKBOX, wxEVT_CHECKBOX,
            wxCommandEventHandler(EditProfileDialog::OnNetworkSecurityCheckBox));
    Connect(ID_APPCHECKBOX, wxEVT_CHECKBOX, wxCommandEventHandler(EditProfileDialog::OnAppCheckBox));
    Connect(ID_DEFAULTCHECKBOX, wxEVT_CHECKBOX, wxCommandEventHandler(EditProfileDialog::OnDefaultCheckBox));
    Connect(ID_HOMEPAGECHECKBOX, wxEVT_CHECKBOX, wxCommandEventHandler(EditProfileDialog::OnHomepageCheckBox));
    Connect(ID_PROXYCHECKBOX, wxEVT_CHECKBOX, wxCommandEventHandler(EditProfileDialog::OnProxyCheckBox));
    Connect(ID_NSBUTTON, wxEVT_BUTTON, wxCommandEventHandler(EditProfileDialog::OnNetworkSecurityButton));
    Connect(ID_APPBUTTON, wxEVT_BUTTON, wxCommandEventHandler(EditProfileDialog::OnAppButton));
    Connect(ID_DEFAULTBUTTON, wxEVT_BUTTON, wxCommandEventHandler(EditProfileDialog::OnDefaultButton));
    Connect(ID_PROXYBUTTON, wxEVT_BUTTON, wxCommandEventHandler(EditProfileDialog::OnProxyButton));
    Connect(ID_SCANBUTTON, wxEVT_BUTTON, wxCommandEventHandler(EditProfileDialog::OnScan));
    Connect(wxID_ANY, wxEVT_INIT_DIALOG, wxInitDialogEventHandler(EditProfileDialog::OnInitDialog));
    InstallHelpKey(this, ID_HELPCOMMAND, &EditProfileDialog::OnHelp);
    // Escape asks like Cancel does; Enter in a text field presses OK.
    SetEscapeId(ID_CANCLEBUTTON);
    m_okButton->SetDefault();
}

EditProfileDialog::~EditProfileDialog() = default;

void EditProfileDialog::CreateControls() {
    const auto label = [](wxWindow* parent, long id, const wxString& text, const wxPoint& pos, const wxSize& size,
                          const wxString& name) { return new wxStaticText(parent, id, text, pos, size, 0, name); };
    const auto button = [](wxWindow* parent, long id, const wxString& text, const wxPoint& pos, const wxSize& size,
                           const wxString& name) {
        return new wxButton(parent, id, text, pos, size, 0, wxDefaultValidator, name);
    };
    const auto check = [](wxWindow* parent, long id, const wxString& text, const wxPoint& pos, const wxSize& size,
                          const wxString& name) {
        auto* box = new wxCheckBox(parent, id, text, pos, size, 0, wxDefaultValidator, name);
        box->SetValue(false);
        return box;
    };
    const auto choice = [](wxWindow* parent, long id, const wxString& value, const wxArrayString& items,
                           const wxPoint& pos, const wxSize& size, const wxString& name) {
        return new wxComboBox(parent, id, value, pos, size, items, wxCB_READONLY, wxDefaultValidator, name);
    };

    m_editPanel = new wxPanel(this, ID_EDITPANEL, wxPoint(0, 0), wxSize(500, 336), wxTAB_TRAVERSAL, "ID_EDITPANEL");
    m_okButton = button(m_editPanel, ID_OKBUTTON, _("&OK"), wxPoint(305, 296), wxSize(88, 32), "ID_OKBUTTON");
    m_cancelButton =
        button(m_editPanel, ID_CANCLEBUTTON, _("&Cancel"), wxPoint(405, 296), wxSize(88, 32), "ID_CANCLEBUTTON");
    m_notebook = new wxNotebook(m_editPanel, ID_EDITNOTEBOOK, wxPoint(16, 16), wxSize(480, 272), 0, "ID_EDITNOTEBOOK");

    // General Settings.
    m_generalPanel =
        new wxPanel(m_notebook, ID_GENERALPANEL, wxPoint(103, 115), wxSize(500, 221), wxTAB_TRAVERSAL, "ID_GENERALPANEL");
    m_nameLabel = label(m_generalPanel, ID_NAMESTATICTEXT, _("Profile Name:"), wxPoint(10, 24), wxSize(190, 32),
                        "ID_NAMESTATICTEXT");
    m_conTypeLabel = label(m_generalPanel, ID_CONTYPESTATICTEXT, _("Network Connection Type:"), wxPoint(10, 63),
                           wxSize(190, 32), "ID_CONTYPESTATICTEXT");
    m_nameText = new wxTextCtrl(m_generalPanel, ID_NAMETEXTCTRL, wxEmptyString, wxPoint(250, 19), wxSize(150, 24), 0,
                                wxDefaultValidator, "ID_NAMETEXTCTRL");
    m_nameText->SetMaxLength(32);
    m_iconCombo = new wxBitmapComboBox(m_generalPanel, ID_NAMECOMBOBOX, wxEmptyString, wxPoint(405, 19),
                                       wxSize(54, 24), 0, nullptr, wxCB_READONLY, wxDefaultValidator,
                                       "ID_NAMECOMBOBOX");
    m_conTypeCombo = choice(m_generalPanel, ID_CONTYPECOMBOBOX, wxEmptyString,
                            Items({_("Wireless LAN"), _("Wired LAN")}), wxPoint(250, 60), wxSize(210, 29),
                            "ID_CONTYPECOMBOBOX");

    // Wireless Settings.
    m_wirelessPanel = new wxPanel(m_notebook, ID_WIRELESSPANEL, wxPoint(102, 15), wxSize(500, 221), wxTAB_TRAVERSAL,
                                  "ID_WIRELESSPANEL");
    m_ssidLabel = label(m_wirelessPanel, ID_WIRELESSNAMESTATICTEXT, _("Wireless Network Name(SSID):"),
                        wxPoint(10, 23), wxSize(170, 50), "ID_WIRELESSNAMESTATICTEXT");
    m_ssidLabel->Wrap(170);  // two lines beside the name field
    m_wirelessTypeLabel = label(m_wirelessPanel, ID_WIRELESSTYPESTATICTEXT, _("Wireless Type:"), wxPoint(10, 89),
                                wxSize(176, 32), "ID_WIRELESSTYPESTATICTEXT");
    m_secTypeLabel = label(m_wirelessPanel, ID_SECTYPESTATICTEXT, _("Security Type:"), wxPoint(10, 125),
                           wxSize(176, 28), "ID_SECTYPESTATICTEXT");
    m_ssidText = new wxTextCtrl(m_wirelessPanel, ID_SSIDTEXTCTRL, wxEmptyString, wxPoint(190, 19), wxSize(280, 24), 0,
                                wxDefaultValidator, "ID_SSIDTEXTCTRL");
    m_ssidText->SetMaxLength(32);
    m_scanButton = button(m_wirelessPanel, ID_SCANBUTTON, _("Scan for Networks"), wxPoint(275, 47), wxSize(195, 32),
                          "ID_SCANBUTTON");
    m_wirelessTypeCombo =
        choice(m_wirelessPanel, ID_WIRELESSTYPECOMBOBOX, wxEmptyString,
               Items({_("Automatic"), "802.11b", "802.11g", "802.11n"}), wxPoint(190, 84), wxSize(130, 32),
               "ID_WIRELESSTYPECOMBOBOX");
    m_secTypeCombo = choice(m_wirelessPanel, ID_SECRITYTYPECOMBOBOX, wxEmptyString,
                            Items({_("NONE"), "WEP", "WPA-PSK", _("UNKNOWN")}), wxPoint(190, 120), wxSize(130, 32),
                            "ID_SECRITYTYPECOMBOBOX");
    m_keyLabel = label(m_wirelessPanel, ID_KEYSTATICTEXT, _("Key:"), wxPoint(10, 155), wxDefaultSize,
                       "ID_KEYSTATICTEXT");
    m_keyText = new wxTextCtrl(m_wirelessPanel, ID_KEYTEXTCTRL, wxEmptyString, wxPoint(190, 155), wxSize(270, 24),
                               wxTE_PASSWORD, wxDefaultValidator, "ID_KEYTEXTCTRL");
    m_keyText->Disable();
    m_keyIndexLabel = new wxStaticText(m_wirelessPanel, wxID_ANY, _("Key Index:"), wxPoint(10, 182), wxSize(70, 40));
    m_keyIndexCombo = new wxComboBox(m_wirelessPanel, wxID_ANY, "1", wxPoint(190, 182), wxSize(60, 28),
                                     Items({"1", "2", "3", "4"}), wxCB_READONLY);
    m_keyIndexCombo->Disable();
    m_tipLabel = label(m_wirelessPanel, ID_TIPSTATICTEXT, wxEmptyString, wxPoint(190, 215), wxDefaultSize,
                       "ID_TIPSTATICTEXT");

    // Other.
    m_othersPanel =
        new wxPanel(m_notebook, ID_OTHERSPANEL, wxPoint(97, 7), wxSize(500, 221), wxTAB_TRAVERSAL, "ID_OTHERSPANEL");
    m_networkSecurityCheck = check(m_othersPanel, ID_NETWORKSECRITYCHECKBOX, _("Network Security"), wxPoint(10, 10),
                                   wxSize(270, 32), "ID_NETWORKSECRITYCHECKBOX");
    m_appCheck = check(m_othersPanel, ID_APPCHECKBOX, _("Automatically enable applications"), wxPoint(10, 50),
                       wxSize(270, 32), "ID_APPCHECKBOX");
    m_defaultCheck = check(m_othersPanel, ID_DEFAULTCHECKBOX, _("Overwrite default TCP/IP and DNS"), wxPoint(10, 90),
                           wxSize(270, 30), "ID_DEFAULTCHECKBOX");
    m_nsButton = button(m_othersPanel, ID_NSBUTTON, _("Settings"), wxPoint(280, 15), wxSize(145, 27), "ID_NSBUTTON");
    m_appButton = button(m_othersPanel, ID_APPBUTTON, _("Settings"), wxPoint(280, 55), wxSize(145, 27), "ID_APPBUTTON");
    m_defaultButton =
        button(m_othersPanel, ID_DEFAULTBUTTON, _("Settings"), wxPoint(280, 95), wxSize(145, 27), "ID_DEFAULTBUTTON");
    m_proxyButton =
        button(m_othersPanel, ID_PROXYBUTTON, _("Settings"), wxPoint(280, 189), wxSize(145, 27), "ID_PROXYBUTTON");
    for (wxButton* settings : {m_nsButton, m_appButton, m_defaultButton, m_proxyButton})
        settings->Disable();
    m_browserBox = new wxStaticBox(m_othersPanel, ID_BROWSERSTATICBOX,
                                   _("Customize Internet Explorer or Firefox Browser"), wxPoint(5, 133),
                                   wxSize(457, 96), 0, "ID_BROWSERSTATICBOX");
    m_homepageCheck = check(m_othersPanel, ID_HOMEPAGECHECKBOX, _("Overwrite homepage"), wxPoint(10, 152),
                            wxSize(270, 32), "ID_HOMEPAGECHECKBOX");
    m_proxyCheck = check(m_othersPanel, ID_PROXYCHECKBOX, _("Overwrite proxy configuration"), wxPoint(10, 188),
                         wxSize(270, 32), "ID_PROXYCHECKBOX");
    m_homepageText = new wxTextCtrl(m_othersPanel, ID_HOMEPAGETEXTCTRL, wxEmptyString, wxPoint(280, 158),
                                    wxSize(169, 24), 0, wxDefaultValidator, "ID_HOMEPAGETEXTCTRL");
    m_homepageText->Disable();
    m_homepageText->SetEditable(false);

    for (const char* picture : kIconPictures)
        m_iconCombo->Append(wxEmptyString, PictureLoader::Load(picture));
    m_notebook->AddPage(m_generalPanel, _("General Settings"), false);
    m_notebook->AddPage(m_wirelessPanel, _("Wireless Settings"), false);
    m_notebook->AddPage(m_othersPanel, _("Other"), false);
}

void EditProfileDialog::ShowFields(const EditProfileFields& f) {
    ShowName(f.name);
    m_iconCombo->SetSelection(f.icon);
    m_conTypeCombo->SetSelection(f.wireless ? 0 : 1);
    m_ssidText->ChangeValue(f.ssid);
    m_wirelessTypeCombo->SetSelection(f.wirelessType);
    m_secTypeCombo->SetSelection(f.security);
    m_keyIndexCombo->SetSelection(f.keyIndex);
    ShowKeyFields(f);

    m_networkSecurityCheck->SetValue(f.networkSecurity);
    m_nsButton->Enable(f.networkSecurity);
    m_appCheck->SetValue(f.autoRun);
    m_appButton->Enable(f.autoRun);
    m_defaultCheck->SetValue(f.ipDns);
    m_defaultButton->Enable(f.ipDns);
    m_homepageCheck->SetValue(f.homepage);
    m_homepageText->Enable(f.homepage);
    m_homepageText->SetEditable(f.homepage);
    m_homepageText->ChangeValue(f.homepageText);
    m_proxyCheck->SetValue(f.proxy);
    m_proxyButton->Enable(f.proxy);
}

void EditProfileDialog::ShowName(const wxString& name) {
    const wxString shown = m_nameCut ? m_nameCut->Middle(name, TextRoom(*m_nameText)) : name;
    m_nameText->ChangeValue(shown);
    WindowTextCut::ShowTip(*m_nameText, shown == name ? wxString() : name);
    // Shown from its start: the focus given to the field selected the name
    // and put the cursor at its end.
    if (m_nameCut)
        m_nameText->SetInsertionPoint(0);
}

void EditProfileDialog::ShowKeyFields(const EditProfileFields& f) {
    m_keyText->ChangeValue(f.key);
    m_keyText->Enable(f.keyEnabled);
    m_keyIndexCombo->Enable(f.keyIndexEnabled);
    m_tipLabel->SetLabel(f.hexHint ? _("Use hexadecimal digits (0-9, a-f)") : wxString());
}

EditProfileFields EditProfileDialog::ReadFields() const {
    EditProfileFields f;
    f.name = m_nameCut ? m_model.Loaded().name : m_nameText->GetValue();
    f.icon = m_iconCombo->GetSelection();
    f.wireless = m_conTypeCombo->GetSelection() == 0;
    f.ssid = m_ssidText->GetValue();
    f.wirelessType = m_wirelessTypeCombo->GetSelection();
    f.security = m_secTypeCombo->GetSelection();
    f.key = m_keyText->GetValue();
    f.keyEnabled = m_keyText->IsEnabled();
    f.keyIndex = std::max(0, m_keyIndexCombo->GetSelection());
    f.keyIndexEnabled = m_keyIndexCombo->IsEnabled();
    f.hexHint = !m_tipLabel->GetLabel().empty();
    f.networkSecurity = m_networkSecurityCheck->GetValue();
    f.autoRun = m_appCheck->GetValue();
    f.ipDns = m_defaultCheck->GetValue();
    f.homepage = m_homepageCheck->GetValue();
    f.proxy = m_proxyCheck->GetValue();
    f.homepageText = m_homepageText->GetValue();
    return f;
}

void EditProfileDialog::BringPageForward(wxWindow* control) {
    const int page = m_notebook->FindPage(control->GetParent());
    if (page != wxNOT_FOUND)
        m_notebook->SetSelection(page);
}

void EditProfileDialog::OnInitDialog(wxInitDialogEvent&) {
    if (m_model.FromScan())
        return;
    EditProfileHub& hub = EditProfileHub::Current();
    m_scanButton->Enable(WirelessMode(hub.GetNetworkMode()) && hub.HasScanWindow());
    // The profile in use keeps its name, which its field then only shows,
    // cut to fit it anew whenever its text comes to measure otherwise.
    const wxString inUse = hub.GetCurrentProfileName();
    const bool renamable = inUse.empty() || m_model.OldName() != inUse;
    m_nameText->Enable(renamable);
    if (renamable == !m_nameCut)
        return;
    m_nameCut.reset(renamable ? nullptr : new WindowTextCutter(*m_nameText));
    if (m_nameCut)
        m_nameCut->OnMeasureChange([this] { ShowName(m_model.Loaded().name); });
    ShowName(m_model.Loaded().name);
}

void EditProfileDialog::OnOK(wxCommandEvent&) {
    const FieldVerdict verdict = m_model.Save(ReadFields(), EditProfileHub::Current());
    if (verdict.accepted) {
        ShowName(TWMUtil::StdStringToWxString(m_model.GetProfile().name));
        EndModal(wxID_OK);
        return;
    }
    wxWindow* focus = nullptr;
    switch (verdict.focus) {
    case ProfileField::Name:
        focus = m_nameText;
        break;
    case ProfileField::Ssid:
        focus = m_ssidText;
        break;
    case ProfileField::Key:
        focus = m_keyText;
        break;
    case ProfileField::IpSettingsButton:
        focus = m_defaultButton;
        break;
    case ProfileField::ProxySettingsButton:
        focus = m_proxyButton;
        break;
    case ProfileField::Homepage:
        focus = m_homepageText;
        break;
    default:
        break;
    }
    if (focus != nullptr)
        BringPageForward(focus);
    DialogMessages::Tell(this, verdict.message);
    if (focus != nullptr)
        focus->SetFocus();
}

void EditProfileDialog::OnCancel(wxCommandEvent&) {
    if (DialogMessages::Ask(this, _("Are you sure you want to cancel the operation?")))
        EndModal(wxID_CANCEL);
}

// F1 is taken so that it reaches no other window; this dialog shows no
// manual page.
void EditProfileDialog::OnHelp(wxCommandEvent&) {}

void EditProfileDialog::OnSecurityTypeSelected(wxCommandEvent&) {
    EditProfileFields fields = ReadFields();
    m_model.ApplySecurityChoice(fields);
    ShowKeyFields(fields);
}

void EditProfileDialog::OnNetworkSecurityCheckBox(wxCommandEvent&) {
    m_nsButton->Enable(m_networkSecurityCheck->GetValue());
}

void EditProfileDialog::OnAppCheckBox(wxCommandEvent&) { m_appButton->Enable(m_appCheck->GetValue()); }

void EditProfileDialog::OnDefaultCheckBox(wxCommandEvent&) { m_defaultButton->Enable(m_defaultCheck->GetValue()); }

void EditProfileDialog::OnProxyCheckBox(wxCommandEvent&) { m_proxyButton->Enable(m_proxyCheck->GetValue()); }

void EditProfileDialog::OnHomepageCheckBox(wxCommandEvent&) {
    const bool on = m_homepageCheck->GetValue();
    m_homepageText->Enable(on);
    m_homepageText->SetEditable(on);
}

void EditProfileDialog::OnNetworkSecurityButton(wxCommandEvent&) {
    NetSecrityDlg dialog(this, wxID_ANY, wxDefaultPosition, wxDefaultSize);
    if (m_model.ForbidShareInternetTicked())
        dialog.m_pInternetCheckBox->SetValue(true);
    if (dialog.ShowModal() == wxID_OK)
        m_model.SetForbidShareInternet(dialog.m_pInternetCheckBox->GetValue());
}

void EditProfileDialog::OnAppButton(wxCommandEvent&) {
    AutoRunSettings dialog(this, wxID_ANY);
    dialog.SetAppList(m_model.GetAppList());
    if (dialog.ShowModal() == wxID_OK)
        m_model.SetAppList(dialog.GetAppList());
}

void EditProfileDialog::OnDefaultButton(wxCommandEvent&) {
    IPSettings dialog(this);
    if (m_defaultCheck->GetValue()) {
        const EditProfileModel::IpTexts preset = m_model.GetIpPreset();
        dialog.TCIP->SetValue(preset.ip);
        dialog.TCSM->SetValue(preset.mask);
        dialog.TCGA->SetValue(preset.gateway);
        dialog.TCDNS->SetValue(preset.dns);
    }
    if (dialog.ShowModal() == wxID_OK)
        m_model.SetIp({dialog.TCIP->GetValue(), dialog.TCSM->GetValue(), dialog.TCGA->GetValue(),
                       dialog.TCDNS->GetValue()});
}

void EditProfileDialog::OnProxyButton(wxCommandEvent&) {
    ProxySettings dialog(this);
    if (m_proxyCheck->GetValue()) {
        const EditProfileModel::ProxyTexts preset = m_model.GetProxyPreset();
        dialog.m_tcProxy->SetValue(preset.address);
        dialog.m_tcPort->SetValue(preset.port);
    }
    if (dialog.ShowModal() == wxID_OK)
        m_model.SetProxy({dialog.m_tcProxy->GetValue(), dialog.m_tcPort->GetValue()});
}

void EditProfileDialog::OnScan(wxCommandEvent&) {
    EditProfileHub& hub = EditProfileHub::Current();
    if (!hub.CanScanWireless()) {
        DialogMessages::Tell(this, _("The current policy forbids scanning for wireless networks."));
        return;
    }
    if (!WirelessMode(hub.GetNetworkMode())) {
        DialogMessages::Tell(this, _("Cannot find WLAN adapter!"));
        return;
    }
    APStatus picked{};
    if (!hub.HasScanWindow() || !hub.PickAccessPoint(&picked))
        return;
    EditProfileFields fields = ReadFields();
    m_model.ApplyPickedAccessPoint(picked, fields);
    m_ssidText->ChangeValue(fields.ssid);
    m_secTypeCombo->SetSelection(fields.security);
    m_wirelessTypeCombo->SetSelection(fields.wirelessType);
    ShowKeyFields(fields);
}
