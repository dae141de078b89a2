#ifndef TIDEWAVE_PROFILEOTHERSETTINGS_H
#define TIDEWAVE_PROFILEOTHERSETTINGS_H

#include <wx/wizard.h>

#include "FieldVerdict.h"
#include "NewProfileEntries.h"
#include "ProfileList.h"

class wxButton;
class wxCheckBox;
class wxStaticBitmap;
class wxStaticBox;
class wxStaticLine;
class wxTextCtrl;
class CustomStaticText;
class IPSettings;
class NetSecrityDlg;
class ProxySettings;

// The "Other Settings" page of the new-profile wizard: network security,
// applications to start, TCP/IP and DNS, homepage and proxy, each a box with
// its values edited in a sub-dialog.  The page keeps what the sub-dialogs
// confirmed for the wizard's life and checks nothing itself.
class ProfileOtherSettings : public wxWizardPageSimple {
public:
    explicit ProfileOtherSettings(wxWizard* parent);
    ~ProfileOtherSettings() override;

    // 2 for a wireless profile, anything else wired: the network-security
    // row is offered for wireless profiles only.
    void SetConnectionType(int type);
    // The page's state as a profile's other settings.
    ProfileOtherSet TransferToProfile() const;
    // Puts the keyboard focus on the page's control for a refused group.
    void FocusOn(ProfileField field);

private:
    void OnNetworkSecurityCheckBox(wxCommandEvent& event);
    void OnAppCheckBox(wxCommandEvent& event);
    void OnIPCheckBox(wxCommandEvent& event);
    void OnHomepageCheckBox(wxCommandEvent& event);
    void OnProxyCheckBox(wxCommandEvent& event);
    void OnSetNetworkSecurity(wxCommandEvent& event);
    void OnSetAutoRun(wxCommandEvent& event);
    void OnSetIP(wxCommandEvent& event);
    void OnSetProxy(wxCommandEvent& event);
    void OnHelp(wxCommandEvent& event);

    // The sub-dialogs' fields show the confirmed values again.
    void PutBackIP();
    void PutBackProxy();

    NetSecrityDlg* m_pNetSecrityDlg = nullptr;
    IPSettings* m_pIPSettings = nullptr;
    ProxySettings* m_pProxySettings = nullptr;

    wxStaticBitmap* m_pPicStaticBitmap = nullptr;
    wxCheckBox* m_pNetworkSecurityCheckBox = nullptr;
    wxButton* m_pSet1Button = nullptr;
    wxCheckBox* m_pAppCheckBox = nullptr;
    wxButton* m_pSet2Button = nullptr;
    wxCheckBox* m_pIPCheckBox = nullptr;
    wxButton* m_pSet3Button = nullptr;
    wxCheckBox* m_pHomepageCheckBox = nullptr;
    wxTextCtrl* m_pHomepageTextCtrl = nullptr;
    wxCheckBox* m_pProxyCheckBox = nullptr;
    wxButton* m_pSet4Button = nullptr;
    CustomStaticText* m_pDescriptionStaticText = nullptr;
    CustomStaticText* m_pTitleStaticText = nullptr;
    wxStaticLine* m_pStaticLine = nullptr;
    wxStaticBox* m_pBrowserStaticBox = nullptr;

    // Values confirmed in the sub-dialogs.
    OtherSettingsEntries m_values;
};

#endif
