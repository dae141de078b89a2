#include "KeyDialog.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/intl.h>
#include <wx/msgdlg.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "TWMUtil.h"

wxBEGIN_EVENT_TABLE(KeyDialog, wxDialog)
    EVT_BUTTON(wxID_OK, KeyDialog::OnButton)
    EVT_BUTTON(wxID_CANCEL, KeyDialog::OnButton)
wxEND_EVENT_TABLE()

KeyDialog::KeyDialog(wxWindow* parent, bool isWEP)
    : wxDialog(parent, wxID_ANY, _("Connect to Wireless Network"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE) {
    SetClientSize(400, 144);
    new wxStaticText(this, wxID_ANY, _("Please enter network key."), wxPoint(16, 8));
    // The captions take their text's size, on one line each; the fields
    // start a gap after the longer one.
    auto* key = new wxStaticText(this, wxID_ANY, _("Key:"), wxPoint(16, 43));
    auto* index = new wxStaticText(this, wxID_ANY, _("Key Index:"), wxPoint(16, 75));
    const int fieldX = std::max({85, key->GetRect().GetRight() + 9, index->GetRect().GetRight() + 9});
    m_pKeyText = new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxPoint(fieldX, 40), wxSize(393 - fieldX, 24),
                                wxTE_PASSWORD);
    m_pKeyIndexCombo = new wxComboBox(this, wxID_ANY, wxEmptyString, wxPoint(fieldX, 70), wxSize(60, 28), 0,
                                      nullptr, wxCB_READONLY);
    for (const char* index : {"1", "2", "3", "4"})
        m_pKeyIndexCombo->Append(index);
    m_pKeyIndexCombo->SetValue("1");
    m_pKeyText->SetMaxLength(MAX_KEY_LENGTH);
    m_pKeyIndexCombo->Enable(isWEP);
    auto* ok = new wxButton(this, wxID_OK, _("OK"), wxPoint(312, 104), wxSize(80, 32));
    new wxButton(this, wxID_CANCEL, _("Cancel"), wxPoint(208, 104), wxSize(80, 32));
    ok->SetDefault();
    CentreOnParent(wxBOTH);
}

KeyDialog::~KeyDialog() = default;

long KeyDialog::GetKeyIndex() const {
    return TWMUtil::ParseLeadingInt(m_pKeyIndexCombo->GetValue().utf8_str());
}

void KeyDialog::OnButton(wxCommandEvent& event) {
    if (event.GetId() != wxID_OK) {
        m_key.clear();
        EndModal(event.GetId());
        return;
    }
    const wxString key = m_pKeyText->GetValue();
    if (key.empty()) {
        wxMessageBox(_("Please input a key!"), _("Message"), wxOK | wxICON_INFORMATION, this);
        m_pKeyText->SetFocus();
        return;
    }
    m_key = key;
    EndModal(wxID_OK);
}
