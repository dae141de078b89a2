#include "IPDlg.h"

#include <wx/button.h>
#include <wx/panel.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

const long IPDlg::ID_STATICTEXT1 = wxNewId();
const long IPDlg::ID_TEXTCTRL1 = wxNewId();
const long IPDlg::ID_BUTTON1 = wxNewId();
const long IPDlg::ID_PANEL1 = wxNewId();

wxBEGIN_EVENT_TABLE(IPDlg, wxDialog)
wxEND_EVENT_TABLE()

IPDlg::IPDlg(wxWindow* parent, wxWindowID id)
    : wxDialog(parent, id, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE) {
    SetClientSize(280, 160);
    m_pPanel = new wxPanel(this, ID_PANEL1, wxDefaultPosition, wxSize(280, 160), wxTAB_TRAVERSAL, "ID_PANEL1");
    m_pLabel = new wxStaticText(m_pPanel, ID_STATICTEXT1, _("Please input IP Address"), wxPoint(16, 24),
                                wxSize(200, 24), 0, "ID_STATICTEXT1");
    m_pText = new wxTextCtrl(m_pPanel, ID_TEXTCTRL1, wxEmptyString, wxPoint(16, 64), wxSize(232, 27), 0,
                             wxDefaultValidator, "ID_TEXTCTRL1");
    m_pOK = new wxButton(m_pPanel, ID_BUTTON1, _("OK"), wxPoint(160, 112), wxDefaultSize, 0, wxDefaultValidator,
                         "ID_BUTTON1");
    m_pOK->SetDefault();
    SetDefaultItem(m_pOK);
    Bind(wxEVT_BUTTON, &IPDlg::OnOK, this, ID_BUTTON1);
    m_pText->SetFocus();
}

IPDlg::~IPDlg() = default;

void IPDlg::OnOK(wxCommandEvent&) {
    m_strIP = m_pText->GetValue();
    SetReturnCode(wxID_OK);
    EndModal(wxID_OK);
}
