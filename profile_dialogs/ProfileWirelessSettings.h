#ifndef TIDEWAVE_PROFILEWIRELESSSETTINGS_H
#define TIDEWAVE_PROFILEWIRELESSSETTINGS_H

#include <wx/wizard.h>

#include "NewProfileEntries.h"
#include "RvlSdk.h"

class wxButton;
class wxComboBox;
class wxStaticBitmap;
class wxStaticLine;
class wxStaticText;
class wxTextCtrl;
class CustomStaticText;

// The "Wireless Settings" page of the new-profile wizard: SSID, wireless
// type, security, key and key index, and "Scan for Networks", which borrows
// the scan window to pick an access point.  The page checks nothing; the
// wizard reads it on every page change.
class ProfileWirelessSettings : public wxWizardPageSimple {
public:
    explicit ProfileWirelessSettings(wxWizard* parent);
    ~ProfileWirelessSettings() override;

    // The scan button is offered while a wireless adapter is there (network
    // mode 2 or 3) and the hub has a scan window.
    void UpdateScanButton();
    // SSID, security and wireless type from the access point picked last.
    void UpdateFromAP();

    // The page's entries, as the wizard takes them.
    void ReadInto(NewProfileEntries& entries) const;
    void SetSsidText(const wxString& ssid);
    bool IsSsidChanged() const { return m_bSSIDChanged; }
    void SetSsidChanged(bool changed) { m_bSSIDChanged = changed; }
    wxTextCtrl* GetSsidCtrl() const { return m_pSsidTextCtrl; }
    wxTextCtrl* GetKeyCtrl() const { return m_pKeyTextCtrl; }

private:
    // Key field, key index and hint as the chosen security asks; the key is
    // cleared.
    void ApplySecurityRules();

    void OnSecurityTypeChanged(wxCommandEvent& event);
    void OnScan(wxCommandEvent& event);
    void OnSSIDTextChanged(wxCommandEvent& event);
    void OnHelp(wxCommandEvent& event);

    wxButton* m_pScanButton = nullptr;
    wxStaticLine* m_pStaticLine = nullptr;
    wxTextCtrl* m_pSsidTextCtrl = nullptr;
    wxStaticText* m_pSecurityStaticText = nullptr;
    wxComboBox* m_pWirelessTypeComboBox = nullptr;
    wxStaticBitmap* m_pPicStaticBitmap = nullptr;
    wxComboBox* m_pSecurityComboBox = nullptr;
    wxStaticText* m_pSsidStaticText = nullptr;
    wxStaticText* m_pWirelessTypeStaticText = nullptr;
    CustomStaticText* m_pTitleStaticText = nullptr;
    CustomStaticText* m_pDescriptionStaticText = nullptr;
    APStatus m_selectedAP;
    bool m_bSSIDChanged = false;
    wxStaticText* m_pKeyStaticText = nullptr;
    wxStaticText* m_pTipStaticText = nullptr;
    wxStaticText* m_pKeyIndexStaticText = nullptr;
    wxComboBox* m_pKeyIndexComboBox = nullptr;
    wxTextCtrl* m_pKeyTextCtrl = nullptr;
};

#endif
