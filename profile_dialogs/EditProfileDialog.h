#ifndef TIDEWAVE_EDITPROFILEDIALOG_H
#define TIDEWAVE_EDITPROFILEDIALOG_H

#include <memory>

#include <wx/dialog.h>

#include "EditProfileModel.h"
#include "ProfileList.h"

class wxBitmapComboBox;
class wxButton;
class wxCheckBox;
class wxComboBox;
class wxNotebook;
class wxPanel;
class wxStaticBox;
class wxStaticText;
class wxTextCtrl;
class WindowTextCutter;

// "Edit Network Profile": one profile on three pages, "General Settings",
// "Wireless Settings" (wireless profiles only) and "Other".  OK checks the
// fields and writes them into the dialog's copy of the record, which
// GetProfile hands out; the dialog itself stores nothing.  `fromScan` is set
// by the scan map, which has filled the wireless group from the network.
class EditProfileDialog : public wxDialog {
public:
    static const long ID_OKBUTTON;
    static const long ID_CANCLEBUTTON;
    static const long ID_NAMESTATICTEXT;
    static const long ID_CONTYPESTATICTEXT;
    static const long ID_NAMETEXTCTRL;
    static const long ID_NAMECOMBOBOX;
    static const long ID_CONTYPECOMBOBOX;
    static const long ID_GENERALPANEL;
    static const long ID_WIRELESSNAMESTATICTEXT;
    static const long ID_WIRELESSTYPESTATICTEXT;
    static const long ID_SECTYPESTATICTEXT;
    static const long ID_SSIDTEXTCTRL;
    static const long ID_SCANBUTTON;
    static const long ID_WIRELESSTYPECOMBOBOX;
    static const long ID_SECRITYTYPECOMBOBOX;
    static const long ID_WIRELESSPANEL;
    static const long ID_NETWORKSECRITYCHECKBOX;
    static const long ID_APPCHECKBOX;
    static const long ID_DEFAULTCHECKBOX;
    static const long ID_NSBUTTON;
    static const long ID_APPBUTTON;
    static const long ID_DEFAULTBUTTON;
    static const long ID_PROXYBUTTON;
    static const long ID_BROWSERSTATICBOX;
    static const long ID_HOMEPAGECHECKBOX;
    static const long ID_PROXYCHECKBOX;
    static const long ID_HOMEPAGETEXTCTRL;
    static const long ID_OTHERSPANEL;
    static const long ID_EDITNOTEBOOK;
    static const long ID_EDITPANEL;
    static const long ID_KEYSTATICTEXT;
    static const long ID_TIPSTATICTEXT;
    static const long ID_KEYTEXTCTRL;
    static const long ID_HELPCOMMAND;

    EditProfileDialog(wxWindow* parent, const ProfileList_t& profile, bool fromScan);
    ~EditProfileDialog() override;

    // The record as given, or as the accepted OK wrote it.
    ProfileList_t GetProfile() const { return m_model.GetProfile(); }

private:
    void CreateControls();
    void ShowFields(const EditProfileFields& fields);
    // The name field shows `name`: whole while the name can be changed;
    // while it cannot, cut in the middle to the field's room when it is
    // wider, and then whole in the field's tooltip.
    void ShowName(const wxString& name);
    void ShowKeyFields(const EditProfileFields& fields);
    EditProfileFields ReadFields() const;
    // Shows the notebook page that holds `control`, when it is on one.
    void BringPageForward(wxWindow* control);

    void OnInitDialog(wxInitDialogEvent& event);
    void OnOK(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);
    void OnHelp(wxCommandEvent& event);
    void OnSecurityTypeSelected(wxCommandEvent& event);
    void OnNetworkSecurityCheckBox(wxCommandEvent& event);
    void OnAppCheckBox(wxCommandEvent& event);
    void OnDefaultCheckBox(wxCommandEvent& event);
    void OnHomepageCheckBox(wxCommandEvent& event);
    void OnProxyCheckBox(wxCommandEvent& event);
    void OnNetworkSecurityButton(wxCommandEvent& event);
    void OnAppButton(wxCommandEvent& event);
    void OnDefaultButton(wxCommandEvent& event);
    void OnProxyButton(wxCommandEvent& event);
    void OnScan(wxCommandEvent& event);

    EditProfileModel m_model;

    wxPanel* m_editPanel;
    wxButton* m_okButton;
    wxButton* m_cancelButton;
    wxNotebook* m_notebook;

    wxPanel* m_generalPanel;
    wxStaticText* m_nameLabel;
    wxStaticText* m_conTypeLabel;
    wxTextCtrl* m_nameText;
    // The cut of the name field while the name cannot be changed (the
    // profile in use): the field then shows the name for the eye only, and
    // the name read from it is the model's.  Null while it can be changed.
    std::unique_ptr<WindowTextCutter> m_nameCut;
    wxBitmapComboBox* m_iconCombo;
    wxComboBox* m_conTypeCombo;

    wxPanel* m_wirelessPanel;
    wxStaticText* m_ssidLabel;
    wxStaticText* m_wirelessTypeLabel;
    wxStaticText* m_secTypeLabel;
    wxTextCtrl* m_ssidText;
    wxButton* m_scanButton;
    wxComboBox* m_wirelessTypeCombo;
    wxComboBox* m_secTypeCombo;
    wxStaticText* m_keyLabel;
    wxTextCtrl* m_keyText;
    wxStaticText* m_keyIndexLabel;
    wxComboBox* m_keyIndexCombo;
    wxStaticText* m_tipLabel;

    wxPanel* m_othersPanel;
    wxCheckBox* m_networkSecurityCheck;
    wxCheckBox* m_appCheck;
    wxCheckBox* m_defaultCheck;
    wxButton* m_nsButton;
    wxButton* m_appButton;
    wxButton* m_defaultButton;
    wxButton* m_proxyButton;
    wxStaticBox* m_browserBox;
    wxCheckBox* m_homepageCheck;
    wxCheckBox* m_proxyCheck;
    wxTextCtrl* m_homepageText;

    wxDECLARE_EVENT_TABLE();
};

#endif
