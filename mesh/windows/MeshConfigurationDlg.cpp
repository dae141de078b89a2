#include "MeshConfigurationDlg.h"

#include <cstdio>

#include <wx/button.h>
#include <wx/msgdlg.h>
#include <wx/panel.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "EscapeKey.h"
#include "MeshConfigurationStore.h"
#include "MeshConfigurationValidator.h"
#include "MeshWindowParts.h"

const long MeshConfigurationDlg::ID_STATICTEXT1 = wxNewId();
const long MeshConfigurationDlg::ID_STATICTEXT2 = wxNewId();
const long MeshConfigurationDlg::ID_STATICTEXT3 = wxNewId();
const long MeshConfigurationDlg::ID_STATICTEXT4 = wxNewId();
const long MeshConfigurationDlg::ID_STATICTEXT5 = wxNewId();
const long MeshConfigurationDlg::ID_STATICTEXT6 = wxNewId();
const long MeshConfigurationDlg::ID_STATICTEXT7 = wxNewId();
const long MeshConfigurationDlg::ID_TEXTCTRL_LOCAL_HOST_NAME = wxNewId();
const long MeshConfigurationDlg::ID_TEXTCTRL_MESH_CHANNEL = wxNewId();
const long MeshConfigurationDlg::ID_TEXTCTRL_ADVERTISEMENT_TIME = wxNewId();
const long MeshConfigurationDlg::ID_BUTTON_OK = wxNewId();
const long MeshConfigurationDlg::ID_BUTTON_CANCEL = wxNewId();
const long MeshConfigurationDlg::ID_STATICBITMAP1 = wxNewId();
const long MeshConfigurationDlg::ID_PANEL1 = wxNewId();

wxBEGIN_EVENT_TABLE(MeshConfigurationDlg, wxDialog)
wxEND_EVENT_TABLE()

namespace {

const char* const kPicture = "pic/MeshConfiguration.png";
// The room a caption keeps before the field beside it.
const int kCaptionGap = 12;

}  // namespace

MeshConfigurationDlg::MeshConfigurationDlg(wxWindow* parent, wxWindowID, const wxPoint&, const wxSize&)
    : wxDialog(parent, wxID_ANY, _("Mesh Network Configuration"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE, "wxID_ANY") {
    SetClientSize(420, 330);
    m_pPanel = new wxPanel(this, ID_PANEL1, wxPoint(0, 0), wxSize(420, 328), wxTAB_TRAVERSAL, "ID_PANEL1");
    struct Label {
        long id;
        wxString text;
        wxPoint pos;
        wxSize size;
        const char* name;
    };
    const Label labels[] = {
        {ID_STATICTEXT1, _("You can set Mesh network configuration as follows:"), wxPoint(60, 20), wxDefaultSize,
         "ID_STATICTEXT1"},
        {ID_STATICTEXT2, _("Advertise Time Interval:"), wxPoint(16, 208), wxSize(160, 40), "ID_STATICTEXT2"},
        {ID_STATICTEXT3, _("Example: Orvik, Tulen_Teacher..."), wxPoint(176, 96), wxDefaultSize, "ID_STATICTEXT3"},
        {ID_STATICTEXT4, _("Default Mesh Channel:"), wxPoint(16, 136), wxDefaultSize, "ID_STATICTEXT4"},
        {ID_STATICTEXT5, _("Local Hostname:"), wxPoint(16, 64), wxDefaultSize, "ID_STATICTEXT5"},
        {ID_STATICTEXT6, _("Mesh channel ranges from 1 to 14"), wxPoint(176, 168), wxDefaultSize, "ID_STATICTEXT6"},
        {ID_STATICTEXT7, _("Time interval to advertise Internet Sharing Server"), wxPoint(176, 240),
         wxSize(224, 40), "ID_STATICTEXT7"},
    };
    for (size_t i = 0; i < 7; ++i)
        m_pStaticText[i] = new wxStaticText(m_pPanel, labels[i].id, labels[i].text, labels[i].pos, labels[i].size,
                                            0, labels[i].name);
    m_pStaticText[6]->Wrap(labels[6].size.GetWidth());  // two lines under its field
    // The interval's caption takes two lines, as its box has room for, and
    // keeps clear of its field.
    m_pStaticText[1]->Wrap(labels[1].size.GetWidth() - kCaptionGap);
    m_pHostName = new wxTextCtrl(m_pPanel, ID_TEXTCTRL_LOCAL_HOST_NAME, wxEmptyString, wxPoint(176, 64),
                                 wxSize(224, 27), 0, wxDefaultValidator, "ID_TEXTCTRL_LOCAL_HOST_NAME");
    m_pHostName->SetMaxLength(kHostNameMaxLength);
    m_pChannel = new wxTextCtrl(m_pPanel, ID_TEXTCTRL_MESH_CHANNEL, wxEmptyString, wxPoint(176, 136),
                                wxSize(224, 27), 0, wxDefaultValidator, "ID_TEXTCTRL_MESH_CHANNEL");
    m_pAdvertiseTime = new wxTextCtrl(m_pPanel, ID_TEXTCTRL_ADVERTISEMENT_TIME, wxEmptyString, wxPoint(176, 208),
                                      wxSize(224, 27), 0, wxDefaultValidator, "ID_TEXTCTRL_ADVERTISEMENT_TIME");
    m_pOK = new wxButton(m_pPanel, ID_BUTTON_OK, _("OK"), wxPoint(216, 288), wxDefaultSize, 0, wxDefaultValidator,
                         "ID_BUTTON_OK");
    m_pCancel = new wxButton(m_pPanel, ID_BUTTON_CANCEL, _("Cancel"), wxPoint(312, 288), wxDefaultSize, 0,
                             wxDefaultValidator, "ID_BUTTON_CANCEL");
    m_pPicture = new wxStaticBitmap(m_pPanel, ID_STATICBITMAP1, MeshWindowParts::ScaledPicture(kPicture, 48),
                                    wxPoint(8, 8), wxSize(48, 48), 0, "ID_STATICBITMAP1");

    Bind(wxEVT_BUTTON, &MeshConfigurationDlg::OnOK, this, ID_BUTTON_OK);
    Bind(wxEVT_BUTTON, &MeshConfigurationDlg::OnCancel, this, ID_BUTTON_CANCEL);
    Bind(wxEVT_INIT_DIALOG, &MeshConfigurationDlg::OnInit, this);
    m_pOK->SetDefault();  // Enter in a field
    EscapeKey::ClosesWindow(this);
    SetIcon(MeshWindowParts::Icon(kPicture, wxBITMAP_TYPE_PNG));
}

MeshConfigurationDlg::~MeshConfigurationDlg() = default;

void MeshConfigurationDlg::OnInit(wxInitDialogEvent&) {
    std::fputs("OnInit", stdout);
    m_entity = MeshConfigurationStore::Load(m_xmlOperator);
    m_pHostName->SetValue(m_entity.GetHostName());
    m_pChannel->SetValue(wxString::Format("%d", m_entity.GetChannel()));
    m_pAdvertiseTime->SetValue(wxString::Format("%d", m_entity.GetAdvertiseTime()));
    m_pHostName->SetFocus();
}

bool MeshConfigurationDlg::ValidateInput() {
    MeshConfigurationValidator::Failure failure;
    if (MeshConfigurationValidator::Validate(m_pHostName->GetValue(), m_pChannel->GetValue(),
                                             m_pAdvertiseTime->GetValue(), failure))
        return true;
    wxMessageBox(failure.message, _("Message"), wxOK | (failure.exclamation ? wxICON_EXCLAMATION : wxICON_INFORMATION),
                 this);
    wxTextCtrl* field = failure.field == MeshConfigurationValidator::HOST_NAME ? m_pHostName
                        : failure.field == MeshConfigurationValidator::CHANNEL ? m_pChannel
                                                                                : m_pAdvertiseTime;
    if (failure.clear)
        field->Clear();
    field->SetFocus();
    return false;
}

void MeshConfigurationDlg::OnOK(wxCommandEvent&) {
    if (!ValidateInput())
        return;
    int channel = 0;
    int advertiseTime = 0;
    MeshConfigurationValidator::ReadNumber(m_pChannel->GetValue(), channel);
    MeshConfigurationValidator::ReadNumber(m_pAdvertiseTime->GetValue(), advertiseTime);
    m_entity.SetHostName(m_pHostName->GetValue());
    m_entity.SetChannel(channel);
    m_entity.SetAdvertiseTime(advertiseTime);
    MeshConfigurationStore::Save(m_xmlOperator, m_entity);
    SetReturnCode(wxID_OK);
    EndModal(wxID_OK);
}

void MeshConfigurationDlg::OnCancel(wxCommandEvent&) {
    SetReturnCode(wxID_CANCEL);
    EndModal(wxID_CANCEL);
}
