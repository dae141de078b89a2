#include "AutoRunSettings.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/intl.h>
#include <wx/listbox.h>
#include <wx/settings.h>
#include <wx/utils.h>

#include "CutRows.h"
#include "DialogMessages.h"
#include "EscapeKey.h"
#include "ProfileFieldRules.h"

const long AutoRunSettings::ID_LIST_APP = wxNewId();
const long AutoRunSettings::ID_BTN_ADD = wxNewId();
const long AutoRunSettings::ID_BTN_DELETE = wxNewId();
const long AutoRunSettings::ID_BTN_OK = wxNewId();
const long AutoRunSettings::ID_BTN_CANCEL = wxNewId();

AutoRunSettings::FileChooser AutoRunSettings::chooseFile = &AutoRunSettings::ChooseWithFileDialog;

wxBEGIN_EVENT_TABLE(AutoRunSettings, wxDialog)
    EVT_BUTTON(AutoRunSettings::ID_BTN_ADD, AutoRunSettings::OnAdd)
    EVT_BUTTON(AutoRunSettings::ID_BTN_DELETE, AutoRunSettings::OnDelete)
    EVT_BUTTON(AutoRunSettings::ID_BTN_OK, AutoRunSettings::OnOK)
    EVT_BUTTON(AutoRunSettings::ID_BTN_CANCEL, AutoRunSettings::OnCancel)
    EVT_LISTBOX(AutoRunSettings::ID_LIST_APP, AutoRunSettings::OnListSelected)
wxEND_EVENT_TABLE()

wxString AutoRunSettings::ChooseWithFileDialog(wxWindow* parent) {
    wxFileDialog chooser(parent, _("Choose an application"), wxGetHomeDir(), wxEmptyString, "*", wxFD_OPEN);
    return chooser.ShowModal() == wxID_OK ? chooser.GetPath() : wxString();
}

AutoRunSettings::AutoRunSettings(wxWindow* parent, wxWindowID id) {
    Create(parent, id, _("Enable Applications"), wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE);
    SetClientSize(400, 300);
    m_list = new wxListBox(this, ID_LIST_APP, wxPoint(15, 16), wxSize(370, 224), 0, nullptr,
                           wxLB_EXTENDED | wxHSCROLL | wxBORDER_STATIC, wxDefaultValidator, "ID_LIST_APP");
    m_addButton = new wxButton(this, ID_BTN_ADD, _("Add"), wxPoint(15, 256), wxSize(80, 27), 0, wxDefaultValidator,
                               "ID_BTN_ADD");
    m_deleteButton = new wxButton(this, ID_BTN_DELETE, _("Delete"), wxPoint(110, 256), wxSize(80, 27), 0,
                                  wxDefaultValidator, "ID_BTN_DELETE");
    m_deleteButton->Disable();
    m_okButton = new wxButton(this, ID_BTN_OK, _("OK"), wxPoint(215, 256), wxSize(80, 27), 0, wxDefaultValidator,
                              "ID_BTN_OK");
    m_okButton->SetDefault();
    m_cancelButton = new wxButton(this, ID_BTN_CANCEL, _("Cancel"), wxPoint(305, 256), wxSize(80, 27), 0,
                                  wxDefaultValidator, "ID_BTN_CANCEL");
    EscapeKey::ClosesWindow(this);
    m_cutRows = std::make_unique<CutRows>(m_list, [this](const wxPoint& point) { return m_list->HitTest(point); });
}

AutoRunSettings::~AutoRunSettings() = default;

void AutoRunSettings::SetAppList(const wxArrayString& list) {
    m_programs = list;
    ShowPrograms();
}

void AutoRunSettings::ShowPrograms() {
    m_list->Clear();
    m_cutRows->Resize(0);
    for (const wxString& program : m_programs)
        AppendRow(program);
}

// The list's rows draw their text a few pixels in from each side, and a
// vertical scroll bar may take its width from them.
void AutoRunSettings::AppendRow(const wxString& program) {
    const int width = m_list->GetClientSize().x - 8 - wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, m_list);
    m_list->Append(m_cutRows->Fit(static_cast<int>(m_list->GetCount()), program, width));
}

wxArrayString AutoRunSettings::GetAppList() { return m_appList; }

void AutoRunSettings::OnAdd(wxCommandEvent&) {
    const wxString path = chooseFile ? chooseFile(this) : wxString();
    if (path.empty())
        return;
    const FieldVerdict verdict = ProfileFieldRules::CheckProgram(path, m_programs);
    if (!verdict.accepted) {
        DialogMessages::Tell(this, verdict.message);
        return;
    }
    AppendRow(path);
    m_programs.Add(path);
}

void AutoRunSettings::OnDelete(wxCommandEvent&) {
    wxArrayInt selected;
    if (m_list->GetSelections(selected) == 0)
        return;
    const wxString question = selected.size() == 1 ? _("Are you sure you want to delete this item?")
                                                   : _("Are you sure you want to delete these items?");
    if (!DialogMessages::Ask(this, question))
        return;
    // From the bottom up, so that every index still to go stays valid.
    std::sort(selected.begin(), selected.end());
    for (auto it = selected.rbegin(); it != selected.rend(); ++it)
        m_programs.RemoveAt(static_cast<size_t>(*it));
    // Nothing left is selected: showing the rest afresh keeps each row's
    // tooltip with its path.
    ShowPrograms();
}

void AutoRunSettings::OnListSelected(wxCommandEvent&) {
    wxArrayInt selected;
    m_deleteButton->Enable(m_list->GetSelections(selected) > 0);
}

void AutoRunSettings::OnOK(wxCommandEvent&) {
    m_appList = m_programs;
    EndDialog(wxID_OK);
}

void AutoRunSettings::OnCancel(wxCommandEvent&) { EndDialog(wxID_CANCEL); }

void AutoRunSettings::EndDialog(int code) {
    if (IsModal())
        EndModal(code);
    else
        Close(false);
}
