#ifndef TIDEWAVE_AUTORUNSETTINGS_H
#define TIDEWAVE_AUTORUNSETTINGS_H

#include <functional>
#include <memory>

#include <wx/arrstr.h>
#include <wx/dialog.h>

class wxButton;
class wxListBox;
class CutRows;

// "Enable Applications": the programs a profile starts once it connected.
// The owner fills the list with SetAppList; Add and Delete change only the
// list shown; OK keeps it for GetAppList, Cancel drops it.  A path wider
// than the list is shown cut in the middle, whole in its row's tooltip.
class AutoRunSettings : public wxDialog {
public:
    static const long ID_LIST_APP;
    static const long ID_BTN_ADD;
    static const long ID_BTN_DELETE;
    static const long ID_BTN_OK;
    static const long ID_BTN_CANCEL;

    // Asks the user for a program file; empty when nothing was chosen.  The
    // file chooser by default; tests put in their own.
    using FileChooser = std::function<wxString(wxWindow* parent)>;
    static FileChooser chooseFile;
    static wxString ChooseWithFileDialog(wxWindow* parent);

    AutoRunSettings(wxWindow* parent, wxWindowID id);
    ~AutoRunSettings() override;

    virtual void SetAppList(const wxArrayString& list);
    // The list as OK left it; empty before the first OK.
    virtual wxArrayString GetAppList();

private:
    void OnAdd(wxCommandEvent& event);
    void OnDelete(wxCommandEvent& event);
    void OnOK(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);
    void OnListSelected(wxCommandEvent& event);
    void EndDialog(int code);
    // Shows m_programs in the list.
    void ShowPrograms();
    void AppendRow(const wxString& program);

    wxButton* m_deleteButton;
    wxButton* m_addButton;
    wxButton* m_okButton;
    wxButton* m_cancelButton;
    wxListBox* m_list;
    wxArrayString m_appList;
    // The paths the list shows, whole.
    wxArrayString m_programs;
    std::unique_ptr<CutRows> m_cutRows;

    wxDECLARE_EVENT_TABLE();
};

#endif
