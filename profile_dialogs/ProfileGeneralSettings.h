#ifndef TIDEWAVE_PROFILEGENERALSETTINGS_H
#define TIDEWAVE_PROFILEGENERALSETTINGS_H

#include <wx/wizard.h>

#include "NewProfileEntries.h"
#include "ProfileList.h"

class wxBitmapComboBox;
class wxComboBox;
class wxStaticBitmap;
class wxStaticLine;
class wxStaticText;
class wxTextCtrl;
class CustomStaticText;
class ProfileOtherSettings;
class ProfileWirelessSettings;

// The "New Network Profile" wizard: its own first page (name, icon,
// connection type), the wireless page and the other-settings page, chained
// by the connection type.  Every page change checks the entries and rebuilds
// the record; a finished wizard hands it over with GetProfile.
class ProfileGeneralSettings : public wxWizard {
public:
    explicit ProfileGeneralSettings(wxWindow* parent);
    ~ProfileGeneralSettings() override;

    // Runs the wizard modally; true when it was finished, false when
    // cancelled.
    bool RunWizard();
    ProfileList_t GetProfile() const { return m_profile; }

    wxWizardPageSimple* GetGeneralPage() const { return m_pGeneralPage; }
    ProfileWirelessSettings* GetWirelessPage() const { return m_pWirelessPage; }
    ProfileOtherSettings* GetOtherPage() const { return m_pOtherPage; }

private:
    void ChainPages(bool wireless);
    NewProfileEntries ReadEntries() const;

    void OnConnectTypeSelected(wxCommandEvent& event);
    void OnHelp(wxCommandEvent& event);
    void OnPageChanging(wxWizardEvent& event);
    void OnWizardFinished(wxWizardEvent& event);
    void OnWizardCancel(wxWizardEvent& event);

    wxWizardPageSimple* m_pGeneralPage = nullptr;
    ProfileWirelessSettings* m_pWirelessPage = nullptr;
    ProfileOtherSettings* m_pOtherPage = nullptr;
    ProfileList_t m_profile;
    wxTextCtrl* m_pNameTextCtrl = nullptr;
    wxBitmapComboBox* m_pIconComboBox = nullptr;
    wxComboBox* m_pConTypeComboBox = nullptr;
    CustomStaticText* m_pGSStaticText = nullptr;
    CustomStaticText* m_pDes1StaticText = nullptr;
    wxStaticText* m_pPNStaticText = nullptr;
    wxStaticText* m_pConTypeStaticText = nullptr;
    wxStaticBitmap* m_pPicStaticBitmap = nullptr;
    wxStaticLine* m_pSTStaticLine = nullptr;

    wxDECLARE_EVENT_TABLE();
};

#endif
