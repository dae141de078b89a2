#include "ProfileManagerDlg.h"

#include <algorithm>
#include <string>

#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/icon.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/panel.h>

#include "CommandRunner.h"
#include "EditProfileDialog.h"
#include "EscapeKey.h"
#include "NetworkTypes.h"
#include "PictureLoader.h"
#include "ProfileEvent.h"
#include "ProfileFile.h"
#include "ProfileGeneralSettings.h"
#include "ProfileListColumns.h"
#include "ProfileListImages.h"
#include "ProfileManagementControl.h"
#include "ProfileManagerHub.h"
#include "TWMUtil.h"
#include "wxCheckedListCtrl.h"

namespace {

const wxColour kGreyText(220, 220, 220);

const long ID_PROFILELISTCTRL = wxNewId();
const long ID_NEWBUTTON = wxNewId();
const long ID_EDITBUTTON = wxNewId();
const long ID_DELETEBUTTON = wxNewId();
const long ID_OKBUTTON = wxNewId();
const long ID_CANCLEBUTTON = wxNewId();
const long ID_SELECTCHECKBOX = wxNewId();
const long ID_PROFILEPANEL = wxNewId();
const long ID_UPBUTTON = wxNewId();
const long ID_DOWNBUTTON = wxNewId();
const long ID_MENU_IMPORT = wxNewId();
const long ID_MENU_EXPORT = wxNewId();
const long ID_MENU_NEW = wxNewId();
const long ID_MENU_EDIT = wxNewId();
const long ID_MENU_DELETE = wxNewId();
const long ID_MENU_EXIT = wxNewId();
const long ID_MENU_HELP = wxNewId();

wxString ChooseProfileFile(wxWindow* parent) {
    wxFileDialog dialog(parent, _("Select a profile"), wxEmptyString, wxEmptyString,
                        "TWM Profile (*.profile)|*.profile", wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    return dialog.ShowModal() == wxID_OK ? dialog.GetPath() : wxString();
}

wxString ChooseExportFolder(wxWindow* parent) {
    wxDirDialog dialog(parent, _("Select a path"), wxEmptyString, wxDD_DIR_MUST_EXIST);
    return dialog.ShowModal() == wxID_OK ? dialog.GetPath() : wxString();
}

ProfileManagerDlg::PathChooser g_chooseImport = ChooseProfileFile;
ProfileManagerDlg::PathChooser g_chooseExport = ChooseExportFolder;

wxString FromUtf8(const std::string& text) { return TWMUtil::StdStringToWxString(text); }

}  // namespace

wxBEGIN_EVENT_TABLE(ProfileManagerDlg, wxFrame)
    EVT_CLOSE(ProfileManagerDlg::OnClose)
    EVT_PROFILE_EVENT(ID_PROFILE_LIST_CHANGED, ProfileManagerDlg::OnProfileEvent)
wxEND_EVENT_TABLE()

void ProfileManagerDlg::SetChoosers(PathChooser importFile, PathChooser exportFolder) {
    g_chooseImport = importFile ? std::move(importFile) : PathChooser(ChooseProfileFile);
    g_chooseExport = exportFolder ? std::move(exportFolder) : PathChooser(ChooseExportFolder);
}

ProfileManagerDlg::ProfileManagerDlg(wxWindow* parent, wxWindowID) {
    Create(parent, wxID_ANY, _("Network Profile Manager"), wxDefaultPosition, wxDefaultSize,
           wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxMINIMIZE_BOX | wxCLIP_CHILDREN);
    SetClientSize(500, 380);
    CreateControls();
    EscapeKey::ClosesWindow(this);
    SetIcon([] {
        wxIcon icon;
        icon.CopyFromBitmap(ProfileListImages::WindowIcon());
        return icon;
    }());
    m_bInitialized = true;
}

ProfileManagerDlg::~ProfileManagerDlg() {
    m_columns.reset();
    if (m_pProfileListCtrl != nullptr)
        m_pProfileListCtrl->SetImageList(nullptr, wxIMAGE_LIST_SMALL);
    delete m_pImages;
}

void ProfileManagerDlg::CreateControls() {
    m_pPanel = new wxPanel(this, ID_PROFILEPANEL, wxPoint(0, 0), GetClientSize(), wxTAB_TRAVERSAL, "ID_PROFILEPANEL");
    m_pProfileListCtrl = new wxCheckedListCtrl(m_pPanel, ID_PROFILELISTCTRL, wxPoint(10, 10), wxSize(384, 294),
                                               wxLC_REPORT | wxLC_SINGLE_SEL, wxDefaultValidator,
                                               "ID_PROFILELISTCTRL");
    m_pNewButton = new wxButton(m_pPanel, ID_NEWBUTTON, _("New..."), wxPoint(405, 140), wxSize(88, 32), 0,
                                wxDefaultValidator, "ID_NEWBUTTON");
    m_pEditButton = new wxButton(m_pPanel, ID_EDITBUTTON, _("Edit..."), wxPoint(405, 180), wxSize(88, 32), 0,
                                 wxDefaultValidator, "ID_EDITBUTTON");
    m_pDeleteButton = new wxButton(m_pPanel, ID_DELETEBUTTON, _("Delete"), wxPoint(405, 220), wxSize(88, 32), 0,
                                   wxDefaultValidator, "ID_DELETEBUTTON");
    m_pOKButton = new wxButton(m_pPanel, ID_OKBUTTON, _("&OK"), wxPoint(305, 310), wxSize(88, 32), 0,
                               wxDefaultValidator, "ID_OKBUTTON");
    m_pCancelButton = new wxButton(m_pPanel, ID_CANCLEBUTTON, _("&Cancel"), wxPoint(405, 310), wxSize(88, 32), 0,
                                   wxDefaultValidator, "ID_CANCLEBUTTON");
    m_pShowAllCheckBox = new wxCheckBox(m_pPanel, ID_SELECTCHECKBOX, _("&Show All"), wxPoint(10, 310),
                                        wxSize(88, 32), 0, wxDefaultValidator, "ID_SELECTCHECKBOX");
    m_pShowAllCheckBox->SetValue(false);

    m_pFileMenu = new wxMenu;
    m_pImportItem = m_pFileMenu->Append(ID_MENU_IMPORT, _("&Import Profile..."));
    m_pExportItem = m_pFileMenu->Append(ID_MENU_EXPORT, _("E&xport Profile..."));
    m_pExportItem->Enable(false);
    m_pFileMenu->AppendSeparator();
    m_pNewItem = m_pFileMenu->Append(ID_MENU_NEW, _("&New..."));
    m_pEditItem = m_pFileMenu->Append(ID_MENU_EDIT, _("&Edit..."));
    m_pEditItem->Enable(false);
    m_pDeleteItem = m_pFileMenu->Append(ID_MENU_DELETE, _("&Delete"));
    m_pDeleteItem->Enable(false);
    m_pFileMenu->AppendSeparator();
    m_pExitItem = m_pFileMenu->Append(ID_MENU_EXIT, _("&Exit"));
    m_pMenuBar = new wxMenuBar;
    m_pMenuBar->Append(m_pFileMenu, _("&File"));
    m_pHelpMenu = new wxMenu;
    m_pHelpItem = m_pHelpMenu->Append(ID_MENU_HELP, _("Help &Contents  \tF1"));
    m_pMenuBar->Append(m_pHelpMenu, _("&Help"));
    SetMenuBar(m_pMenuBar);
    SetClientSize(500, 380);  // the menu bar took its height from the client area
    Centre(wxBOTH);

    Connect(ID_NEWBUTTON, wxEVT_COMMAND_BUTTON_CLICKED, wxCommandEventHandler(ProfileManagerDlg::OnNew));
    Connect(ID_EDITBUTTON, wxEVT_COMMAND_BUTTON_CLICKED, wxCommandEventHandler(ProfileManagerDlg::OnEdit));
    Connect(ID_DELETEBUTTON, wxEVT_COMMAND_BUTTON_CLICKED, wxCommandEventHandler(ProfileManagerDlg::OnDelete));
    Connect(ID_OKBUTTON, wxEVT_COMMAND_BUTTON_CLICKED, wxCommandEventHandler(ProfileManagerDlg::OnOK));
    Connect(ID_CANCLEBUTTON, wxEVT_COMMAND_BUTTON_CLICKED, wxCommandEventHandler(ProfileManagerDlg::OnCancel));
    Connect(ID_UPBUTTON, wxEVT_COMMAND_BUTTON_CLICKED, wxCommandEventHandler(ProfileManagerDlg::OnMoveUp));
    Connect(ID_DOWNBUTTON, wxEVT_COMMAND_BUTTON_CLICKED, wxCommandEventHandler(ProfileManagerDlg::OnMoveDown));
    Connect(ID_SELECTCHECKBOX, wxEVT_COMMAND_CHECKBOX_CLICKED, wxCommandEventHandler(ProfileManagerDlg::OnShowAll));

    m_pUpButton = new wxBitmapButton(m_pPanel, ID_UPBUTTON, PictureLoader::Load("pic/up.png"), wxPoint(405, 10),
                                     wxSize(83, 30), wxBU_AUTODRAW);
    m_pDownButton = new wxBitmapButton(m_pPanel, ID_DOWNBUTTON, PictureLoader::Load("pic/down.png"),
                                       wxPoint(405, 50), wxSize(83, 30), wxBU_AUTODRAW);

    Connect(ID_PROFILELISTCTRL, wxEVT_COMMAND_LIST_ITEM_SELECTED,
            wxListEventHandler(ProfileManagerDlg::OnListItemSelected));
    Connect(ID_PROFILELISTCTRL, wxEVT_COMMAND_LIST_ITEM_DESELECTED,
            wxListEventHandler(ProfileManagerDlg::OnListItemDeselected));
    Connect(ID_MENU_NEW, wxEVT_COMMAND_MENU_SELECTED, wxCommandEventHandler(ProfileManagerDlg::OnMenuNew));
    Connect(ID_MENU_EDIT, wxEVT_COMMAND_MENU_SELECTED, wxCommandEventHandler(ProfileManagerDlg::OnMenuEdit));
    Connect(ID_MENU_DELETE, wxEVT_COMMAND_MENU_SELECTED, wxCommandEventHandler(ProfileManagerDlg::OnMenuDelete));
    Connect(ID_MENU_IMPORT, wxEVT_COMMAND_MENU_SELECTED, wxCommandEventHandler(ProfileManagerDlg::OnImport));
    Connect(ID_MENU_EXPORT, wxEVT_COMMAND_MENU_SELECTED, wxCommandEventHandler(ProfileManagerDlg::OnExport));
    Connect(ID_MENU_EXIT, wxEVT_COMMAND_MENU_SELECTED, wxCommandEventHandler(ProfileManagerDlg::OnExit));
    Connect(ID_PROFILELISTCTRL, wxEVT_COMMAND_LIST_ITEM_ACTIVATED,
            wxListEventHandler(ProfileManagerDlg::OnListItemActivated));
    Connect(ID_MENU_HELP, wxEVT_COMMAND_MENU_SELECTED, wxCommandEventHandler(ProfileManagerDlg::OnHelp));

    m_pImages = ProfileListImages::Create();
    m_pProfileListCtrl->SetImageList(m_pImages, wxIMAGE_LIST_SMALL);
    m_columns = std::make_unique<ProfileListColumns>(m_pProfileListCtrl, [this] { FitNames(); });

    m_pUpButton->Enable(false);
    m_pDownButton->Enable(false);
    m_pEditButton->Enable(false);
    m_pDeleteButton->Enable(false);
}

ProfileManagementControl* ProfileManagerDlg::Store() const { return ProfileManagerHub::Get().Store(); }

std::string ProfileManagerDlg::InUseName() const {
    ProfileManagementControl* store = Store();
    return store != nullptr ? TWMUtil::WxStringToStdString(store->GetCurrentProfileName()) : std::string();
}

bool ProfileManagerDlg::Destroy() {
    Show(false);
    return false;
}

bool ProfileManagerDlg::Show(bool show) {
    m_model.SetModified(false);
    // Coming up, the window shows the folders as they are: a list loaded
    // while it was hidden (a classroom refresh) may miss what was stored
    // since.  Shown again while up, it keeps its rows and unsaved changes.
    if (show && (!IsShown() || !m_model.IsLoaded() || m_pProfileListCtrl->GetItemCount() == 0)) {
        RefreshProfile();
        DisableSelectionCommands();
    }
    return wxFrame::Show(show);
}

void ProfileManagerDlg::ShowManager() {
    Iconize(false);
    Show(true);
    Raise();
}

void ProfileManagerDlg::Load() {
    const bool admin = TWMUtil::IsAdmin();
    std::vector<ProfileList_t> list;
    int adminCount = 0;
    ProfileManagementControl* store = Store();
    const bool ok = store != nullptr && store->GetProfileList(list, admin, true, &adminCount);
    m_model.Load(ok, std::move(list), adminCount, admin);
}

void ProfileManagerDlg::RefreshProfile() {
    m_pProfileListCtrl->DeleteAllItems();
    Load();
    FillList(-1);
}

void ProfileManagerDlg::AddProfile(const ProfileList_t& profile) {
    if (!m_model.IsLoaded())
        return;  // the next load finds it in the store
    m_model.AddStored(profile);
    FillList(-1);
}

bool ProfileManagerDlg::IsNameTaken(const wxString& name, const wxString& oldName) {
    return m_model.IsNameTaken(name, oldName);
}

void ProfileManagerDlg::FillList(int select) {
    wxMutexLocker lock(m_listMutex);
    wxCheckedListCtrl* list = m_pProfileListCtrl;
    const std::vector<ProfileList_t>& profiles = m_model.Profiles();
    const int n = m_model.Count();
    while (list->GetItemCount() < n)
        list->InsertItem(list->GetItemCount(), wxEmptyString, 0);
    while (list->GetItemCount() > n)
        list->DeleteItem(list->GetItemCount() - 1);

    m_columns->Fit(n);
    const std::vector<ProfileManagerModel::RowLook> looks = m_model.Looks();
    const wxColour textColour = list->GetForegroundColour();
    for (int row = 0; row < n; ++row) {
        const ProfileManagerModel::RowLook& look = looks[static_cast<size_t>(row)];
        // Every row takes its enabled state from its entry's kind, so an
        // entry moved onto a greyed row can be ticked.
        const long enabled = wxCheckedListCtrl::StateEnabled;
        const long checked = wxCheckedListCtrl::StateChecked;
        const long marks = (look.enabled ? enabled : 0) |
                           (ProfileManagerModel::IsShown(profiles[row].show) ? checked : 0);
        list->UpdateItemState(row, marks, enabled | checked);
        // Its place in the order; a formatted string costs more than the rest
        // of the row.
        list->SetItem(row, 1, wxString::FromAscii(std::to_string(row + 1).c_str()), -1);
        list->SetItem(row, 2, NameCell(row), -1);
        list->SetItemColumnImage(row, 2, look.image);
        if (look.whiteBackground)
            list->SetItemBackgroundColour(row, *wxWHITE);
        list->SetItemTextColour(row, look.greyText ? kGreyText : textColour);
    }

    if (select >= 0 && select < list->GetItemCount())
        list->SetItemState(select, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    list->SetLockedItem(m_model.LockedRow(InUseName()));
    bool all = list->GetItemCount() > 0;
    for (int row = 0; row < list->GetItemCount() && all; ++row)
        all = list->IsChecked(row);
    m_pShowAllCheckBox->SetValue(all);
}

wxString ProfileManagerDlg::NameCell(int row) {
    return m_columns->NameCell(row, FromUtf8(m_model.Profiles()[static_cast<size_t>(row)].name));
}

void ProfileManagerDlg::FitNames() {
    wxMutexLocker lock(m_listMutex);
    const int n = std::min(m_model.Count(), m_pProfileListCtrl->GetItemCount());
    for (int row = 0; row < n; ++row)
        m_pProfileListCtrl->SetItem(row, 2, NameCell(row), -1);
}

void ProfileManagerDlg::ResetSelection() {
    m_pProfileListCtrl->DeleteAllItems();
    FillList(-1);
    DisableSelectionCommands();
}

void ProfileManagerDlg::DisableSelectionCommands() {
    UpdateButtons(-1);
}

int ProfileManagerDlg::SelectedRow() const {
    return static_cast<int>(m_pProfileListCtrl->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED));
}

// The seven controls of the selection, as the model's rules enable them for
// `row` (all off for -1).
void ProfileManagerDlg::UpdateButtons(int row) {
    const ProfileManagerModel::Commands c = m_model.CommandsFor(row, InUseName());
    m_pUpButton->Enable(c.up);
    m_pDownButton->Enable(c.down);
    m_pEditButton->Enable(c.edit);
    m_pEditItem->Enable(c.edit);
    m_pDeleteButton->Enable(c.remove);
    m_pDeleteItem->Enable(c.remove);
    m_pExportItem->Enable(c.exportItem);
}

void ProfileManagerDlg::CopyBoxesIntoEntries() {
    for (int row = 0; row < m_pProfileListCtrl->GetItemCount(); ++row)
        m_model.SetShowFlag(row, m_pProfileListCtrl->IsChecked(row));
}

void ProfileManagerDlg::OnListItemSelected(wxListEvent&) {
    const int sel = SelectedRow();
    UpdateButtons(sel);
    m_model.SetShowFlag(sel, m_pProfileListCtrl->IsChecked(sel));
}

void ProfileManagerDlg::OnListItemDeselected(wxListEvent&) {
    if (m_bInitialized)
        DisableSelectionCommands();
}

void ProfileManagerDlg::OnProfileEvent(ProfileEvent&) {}

void ProfileManagerDlg::OnShowAll(wxCommandEvent&) {
    const bool value = m_pShowAllCheckBox->GetValue();
    for (int row : m_model.ShowAllRows(TWMUtil::IsAdmin(), InUseName())) {
        if (row >= m_pProfileListCtrl->GetItemCount())
            break;
        m_pProfileListCtrl->Check(row, value);
        m_model.SetShowFlag(row, value);
    }
}

void ProfileManagerDlg::OnMoveUp(wxCommandEvent&) {
    m_bInitialized = false;
    const int sel = SelectedRow();
    CopyBoxesIntoEntries();
    const int moved = m_model.MoveUp(sel, InUseName());
    if (moved >= 0) {
        m_pProfileListCtrl->SetItemState(sel, 0, wxLIST_STATE_SELECTED);
        FillList(moved);
    }
    m_bInitialized = true;
}

void ProfileManagerDlg::OnMoveDown(wxCommandEvent&) {
    m_bInitialized = false;
    const int sel = SelectedRow();
    CopyBoxesIntoEntries();
    const int moved = m_model.MoveDown(sel, InUseName());
    if (moved >= 0) {
        m_pProfileListCtrl->SetItemState(sel, 0, wxLIST_STATE_SELECTED);
        FillList(moved);
    }
    m_bInitialized = true;
}

void ProfileManagerDlg::ShowMessage(const wxString& text, long icon) {
    wxMessageDialog(this, text, _("Message"), wxOK | icon).ShowModal();
}

void ProfileManagerDlg::OnNew(wxCommandEvent&) {
    if (!ProfileManagerHub::Get().CanMaintainProfiles()) {
        ShowMessage(_("The current policy forbids the creation of new profiles. "), wxICON_INFORMATION);
        return;
    }
    ProfileManagerHub::Get().CloseScanWindow();
    ProfileGeneralSettings* wizard = new ProfileGeneralSettings(this);
    if (wizard->RunWizard()) {
        ProfileList_t profile = wizard->GetProfile();
        profile.show = "1";
        m_model.Insert(profile);
        ResetSelection();
        m_bInitialized = true;
        SetModified();
    }
    wizard->Destroy();
}

void ProfileManagerDlg::OnEdit(wxCommandEvent&) {
    const int sel = SelectedRow();
    if (!m_model.CanEdit(sel))
        return;
    ProfileManagerHub::Get().CloseScanWindow();
    const unsigned loads = m_model.LoadCount();
    EditProfileDialog* dialog = new EditProfileDialog(this, m_model.Profiles()[sel], false);
    // A reload while the dialog was open put other entries in the rows: the
    // edited record no longer has a place.
    if (dialog->ShowModal() == wxID_OK && loads == m_model.LoadCount() && sel < m_model.Count()) {
        m_model.Replace(sel, dialog->GetProfile());
        FillList(sel);
    }
    dialog->Destroy();
}

void ProfileManagerDlg::OnListItemActivated(wxListEvent&) {
    wxCommandEvent none;
    OnEdit(none);
}

void ProfileManagerDlg::OnDelete(wxCommandEvent&) {
    const int sel = SelectedRow();
    if (!m_model.CanDelete(sel, InUseName()))
        return;
    const unsigned loads = m_model.LoadCount();
    wxMessageDialog question(this, _("Are you sure you want to delete this profile?"), _("Confirm"),
                             wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION);
    if (question.ShowModal() != wxID_YES || loads != m_model.LoadCount())
        return;
    m_model.SetModified(true);
    m_model.RemoveEntry(sel);
    ResetSelection();
}

bool ProfileManagerDlg::SaveProfiles() {
    CopyBoxesIntoEntries();
    wxArrayString failed;
    bool saved;
    if (m_model.LoadFailed()) {
        // The list was never read whole: saving it would remove the files
        // it lacks.
        failed = m_model.OwnEntryNames();
        saved = failed.empty();
    } else {
        ProfileManagementControl* store = Store();
        saved = store != nullptr && store->SaveAllProfiles(m_model.Profiles(), &failed, m_model.AdminCount(),
                                                           &m_model.SavedProfiles());
    }
    if (!saved) {
        wxString text = _("Failed to save the following profiles:\n");
        for (const wxString& name : failed)
            text += name + "\n";
        ShowMessage(text, wxICON_EXCLAMATION);
    }
    m_model.Clear();
    m_pProfileListCtrl->DeleteAllItems();
    return true;
}

int ProfileManagerDlg::ConfirmSave() {
    wxMessageDialog question(this, _("One or more profiles may be changed. \n\nAre you sure you want to save them?"),
                             _("Confirm"), wxYES_NO | wxICON_QUESTION);
    return question.ShowModal();
}

void ProfileManagerDlg::CheckChanges() {
    const bool changed = m_model.HasChanges();
    m_model.SetModified(changed);
    if (changed && ConfirmSave() == wxID_YES)
        SaveProfiles();
    m_model.Clear();
    m_pProfileListCtrl->DeleteAllItems();
}

void ProfileManagerDlg::OnOK(wxCommandEvent&) {
    SaveProfiles();
    Show(false);
}

void ProfileManagerDlg::OnCancel(wxCommandEvent&) {
    CheckChanges();
    DisableSelectionCommands();
    Show(false);
}

void ProfileManagerDlg::OnClose(wxCloseEvent&) {
    CheckChanges();
    Show(false);
}

int ProfileManagerDlg::ConfirmOverwrite() {
    wxMessageDialog question(this, _("This profile already exists.\n\nAre you sure you want to overwrite it?"),
                             _("Confirm"), wxYES_NO | wxNO_DEFAULT | wxICON_EXCLAMATION);
    return question.ShowModal();
}

void ProfileManagerDlg::OnImport(wxCommandEvent&) {
    const wxString path = g_chooseImport(this);
    ProfileManagementControl* store = Store();
    if (path.empty() || store == nullptr)
        return;
    ProfileList_t record;
    wxString reason;
    if (!store->ReadProfileFile(record, path, &reason)) {
        ShowMessage(_("Failed to read profile.") + "\n" + reason, wxICON_EXCLAMATION);
        return;
    }
    const bool admin = TWMUtil::IsAdmin();
    const ProfileManagerModel::ImportPlan plan =
        m_model.PlanImport(record.name, store->GetCurrentUsedProfile().name, admin);
    switch (plan.kind) {
    case ProfileManagerModel::ImportPlan::Unnamable:
        ShowMessage(_("Failed to read profile.") + "\n" + ProfileFile::RefusalText(ProfileFile::Refusal::NO_NAME),
                    wxICON_EXCLAMATION);
        return;
    case ProfileManagerModel::ImportPlan::InUse:
        ShowMessage(_("Failed to import profile.\n") + FromUtf8(record.name) + _(" is currently in use."),
                    wxICON_EXCLAMATION);
        return;
    case ProfileManagerModel::ImportPlan::Overwrite: {
        const unsigned loads = m_model.LoadCount();
        if (ConfirmOverwrite() != wxID_YES || loads != m_model.LoadCount())
            return;
        break;
    }
    case ProfileManagerModel::ImportPlan::Add:
        break;
    }
    m_model.ApplyImport(plan, record, admin);
    ResetSelection();
}

void ProfileManagerDlg::OnExport(wxCommandEvent&) {
    const int sel = SelectedRow();
    ProfileManagementControl* store = Store();
    if (!m_model.CanExport(sel) || store == nullptr)
        return;
    // The entry goes out as the list shows it, unsaved changes included; an
    // entry made or renamed since the last save has no stored file, and
    // needs none.
    const ProfileList_t entry = m_model.Profiles()[sel];
    if (!ProfileFile::IsWritableName(entry.name)) {
        ShowMessage(_("Failed to export profile."), wxICON_EXCLAMATION);
        return;
    }

    const wxString target = g_chooseExport(this);
    if (target.empty())
        return;
    // Only OK writes the profile folders: an export there would store the
    // unsaved entry behind the user's back.
    if (store->IsProfileFolder(target)) {
        ShowMessage(_("The stored profiles are kept in this folder.\nPlease select another folder."),
                    wxICON_EXCLAMATION);
        return;
    }
    bool replace = false;
    if (wxFileExists(target + "/" + FromUtf8(entry.name) + ".profile")) {
        if (ConfirmOverwrite() != wxID_YES)
            return;
        replace = true;
    }
    const wxFileOffset size = static_cast<wxFileOffset>(ProfileFile::ToXml(entry).size());
    wxDiskspaceSize_t free = 0;
    if (wxGetDiskSpace(target, nullptr, &free) && free <= size) {
        ShowMessage(_("Not enough disk space available."), wxICON_EXCLAMATION);
        return;
    }
    // Without a Yes a file that appeared meanwhile is not replaced.
    if (!store->WriteProfileTo(entry, target, replace)) {
        ShowMessage(_("Failed to export profile."), wxICON_EXCLAMATION);
        return;
    }
    ResetSelection();
}

void ProfileManagerDlg::OnHelp(wxCommandEvent&) { CommandRunner::OpenManual(CommandRunner::kUserManual, 33); }
