#ifndef TIDEWAVE_PROFILEMANAGERDLG_H
#define TIDEWAVE_PROFILEMANAGERDLG_H

#include <functional>
#include <memory>

#include <wx/frame.h>
#include <wx/thread.h>

#include "ProfileManagerModel.h"
#include "ProfileManagerView.h"

class wxBitmapButton;
class wxButton;
class wxCheckBox;
class wxCheckedListCtrl;
class wxImageList;
class wxListEvent;
class wxMenu;
class wxMenuBar;
class wxMenuItem;
class wxPanel;
class ProfileEvent;
class ProfileListColumns;
class ProfileManagementControl;

// The "Network Profile Manager" window: every profile in priority order with
// its Show box, moved, edited, deleted, imported and exported on a working
// list that reaches the profile store only with OK (or Yes to the save
// question).  The hub makes the one instance, hidden; it is shown, hidden
// and raised, never destroyed.  The list and its rules live in the model;
// this window copies between the model and its controls and asks the
// questions.
class ProfileManagerDlg : public wxFrame, public ProfileManagerView {
public:
    // Chooses the profile file to import, or the folder to export into;
    // empty when the user cancelled.
    using PathChooser = std::function<wxString(wxWindow* parent)>;

    ProfileManagerDlg(wxWindow* parent, wxWindowID id);
    ~ProfileManagerDlg() override;

    // Only hides the window.
    bool Destroy() override;
    // Loads the list afresh when the window comes up (or has no list yet).
    bool Show(bool show = true) override;

    // ProfileManagerView.
    void RefreshProfile() override;
    bool IsOpen() override { return IsShown(); }
    void ShowManager() override;
    void AddProfile(const ProfileList_t& profile) override;
    bool IsNameTaken(const wxString& name, const wxString& oldName) override;

    void FillList(int select);
    void ResetSelection();
    void SetModified() { m_model.AddedByNew(); }
    int FindGuestIndex() const { return m_model.FindGuestIndex(); }
    const ProfileManagerModel& GetModel() const { return m_model; }

    // The file and folder choosers; tests replace them (null restores the
    // toolkit's own).
    static void SetChoosers(PathChooser importFile, PathChooser exportFolder);

private:
    void CreateControls();
    void Load();
    void UpdateButtons(int row);
    // The name column's text for `row`, cut in the middle when the column
    // is too narrow for the whole name.
    wxString NameCell(int row);
    void FitNames();
    void DisableSelectionCommands();
    int SelectedRow() const;
    std::string InUseName() const;
    void CopyBoxesIntoEntries();
    bool SaveProfiles();
    void CheckChanges();
    int ConfirmSave();
    int ConfirmOverwrite();
    void ShowMessage(const wxString& text, long icon);
    ProfileManagementControl* Store() const;

    void OnClose(wxCloseEvent& event);
    void OnProfileEvent(ProfileEvent& event);
    void OnNew(wxCommandEvent& event);
    void OnEdit(wxCommandEvent& event);
    void OnDelete(wxCommandEvent& event);
    void OnOK(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);
    void OnMoveUp(wxCommandEvent& event);
    void OnMoveDown(wxCommandEvent& event);
    void OnShowAll(wxCommandEvent& event);
    void OnListItemSelected(wxListEvent& event);
    void OnListItemDeselected(wxListEvent& event);
    void OnMenuNew(wxCommandEvent& event) { OnNew(event); }
    void OnMenuEdit(wxCommandEvent& event) { OnEdit(event); }
    void OnMenuDelete(wxCommandEvent& event) { OnDelete(event); }
    void OnImport(wxCommandEvent& event);
    void OnExport(wxCommandEvent& event);
    void OnExit(wxCommandEvent& event) { OnCancel(event); }
    void OnListItemActivated(wxListEvent& event);
    void OnHelp(wxCommandEvent& event);

    wxCheckedListCtrl* m_pProfileListCtrl = nullptr;
    wxMenuBar* m_pMenuBar = nullptr;
    wxMenu* m_pFileMenu = nullptr;
    wxMenuItem* m_pExportItem = nullptr;
    wxMenuItem* m_pImportItem = nullptr;
    wxMenuItem* m_pNewItem = nullptr;
    wxMenuItem* m_pEditItem = nullptr;
    wxMenuItem* m_pDeleteItem = nullptr;
    wxMenuItem* m_pExitItem = nullptr;
    wxMenu* m_pHelpMenu = nullptr;
    wxMenuItem* m_pHelpItem = nullptr;
    wxButton* m_pEditButton = nullptr;
    wxPanel* m_pPanel = nullptr;
    wxBitmapButton* m_pDownButton = nullptr;
    wxButton* m_pDeleteButton = nullptr;
    wxButton* m_pOKButton = nullptr;
    wxButton* m_pCancelButton = nullptr;
    wxCheckBox* m_pShowAllCheckBox = nullptr;
    wxButton* m_pNewButton = nullptr;
    wxBitmapButton* m_pUpButton = nullptr;

    ProfileManagerModel m_model;
    bool m_bInitialized = false;
    wxMutex m_listMutex;
    wxImageList* m_pImages = nullptr;
    std::unique_ptr<ProfileListColumns> m_columns;

    wxDECLARE_EVENT_TABLE();
};

#endif
