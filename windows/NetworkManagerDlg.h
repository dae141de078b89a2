#ifndef TIDEWAVE_NETWORKMANAGERDLG_H
#define TIDEWAVE_NETWORKMANAGERDLG_H

#include <vector>

#include <wx/bitmap.h>
#include <wx/frame.h>
#include <wx/timer.h>

#include "MainWindowRules.h"
#include "NetworkStatusView.h"
#include "ProfileList.h"
#include "SchoolSettingImporter.h"

class GaugeDialog;
class ProfileEvent;
class SwitchAdapterEvent;
class ViewAPNeighborsDlg;
class WirelessSwitchEvent;
class WlanAcmEvent;
class wxBitmapComboBox;
class wxButton;
class wxGauge;
class wxMenuBar;
class wxMenuItem;
class wxPanel;
class wxStaticBitmap;
class wxStaticBox;
class wxStaticText;

// "Network Manager", the main window: the profile switcher with Connect and
// Disconnect, the live network status, wireless on and off, the import of
// school settings, and the way to the scan window, the neighbour lists, the
// profile manager, the manual and the About box.  The hub makes it once,
// hidden; closing hides it while a notification area runs, otherwise it ends
// the program.
class NetworkManagerDlg : public wxFrame, public NetworkStatusView {
public:
    // The id is not used.
    NetworkManagerDlg(wxWindow* parent, wxWindowID id);
    ~NetworkManagerDlg() override;

    // Showing refills the profile switcher first; hiding hides the busy
    // notice too.
    bool Show(bool show = true) override;
    // The close box and "Exit": hidden while a notification area runs,
    // otherwise the program ends.
    bool Destroy() override;

    // NetworkStatusView
    void UpdateNetworkStatus(int mode, const MeshStatus& status) override;
    void UpdateControls(int mode) override;
    bool IsApplyingProfile() override { return m_bApplyingProfile; }
    void ShowApplyingProfile(const wxString& profileName, bool show) override;
    void RefreshProfileCombo() override;

    void UpdateCurrentProfileLabel();
    void FillProfileCombo();
    void DoConnectOrDisconnect();
    void ToggleWireless();
    // Imports a settings archive and says how it went.
    void ImportArchive(const wxString& path);

    // What tests look at.
    GaugeDialog* GetGauge() const { return m_pGaugeDialog; }
    ViewAPNeighborsDlg* GetNeighborsDlg() const { return m_pNeighborsDlg; }
    SchoolSettingImporter& GetImporter() { return m_importer; }
    int GetSelectedProfile() const { return m_nSelectedProfile; }
    const std::vector<ProfileList_t>& GetProfileList() const { return m_profileList; }
    bool IsConnectTimerRunning() const { return m_connectTimer.IsRunning(); }
    bool IsWirelessTimerRunning() const { return m_wirelessTimer.IsRunning(); }
    wxMenuBar* GetMenus() const { return m_pMenuBar; }

    // Handlers (the button's and its menu item's share one).
    void OnProfileSelected(wxCommandEvent& event);
    void OnConnectButton(wxCommandEvent& event);
    void OnConnectMenu(wxCommandEvent& event);
    void OnScanNetworks(wxCommandEvent& event);
    void OnViewNeighbors(wxCommandEvent& event);
    void OnProfileManager(wxCommandEvent& event);
    void OnWirelessOnOff(wxCommandEvent& event);
    void OnImportSchoolSettings(wxCommandEvent& event);
    void OnMeshConfigure(wxCommandEvent& event);
    void OnExit(wxCommandEvent& event);
    void OnHelpContents(wxCommandEvent& event);
    void OnAbout(wxCommandEvent& event);
    void OnTimer(wxTimerEvent& event);

protected:
    // Ends the program (the close without a notification area).
    virtual void ExitProgram();

private:
    void CreateLeftPanel();
    void CreateMenus();
    void CreateRightPanel();
    void ConnectHandlers();
    void OnScanNetworksMenu(wxCommandEvent& event) { OnScanNetworks(event); }
    void OnViewNeighborsMenu(wxCommandEvent& event) { OnViewNeighbors(event); }
    void OnProfileManagerMenu(wxCommandEvent& event) { OnProfileManager(event); }
    void OnWirelessOnOffMenu(wxCommandEvent& event) { OnWirelessOnOff(event); }
    void OnWlanAcmEvent(WlanAcmEvent& event);
    void OnProfileChangedEvent(ProfileEvent& event);
    void OnWirelessSwitchEvent(WirelessSwitchEvent& event);
    void OnSwitchAdapterEvent(SwitchAdapterEvent& event);

    void EnableSignalDisplay();
    void ClearSignalDisplay();
    void EnableScanAndNeighbors();
    void DisableScanAndNeighbors();
    void EnableNeighbors();
    void SetConnectLabels(bool disconnect);
    void EnableConnect(bool enable);
    // Rebuilds the switcher with the current profile chosen; true when the
    // store could be read.
    bool RebuildProfileCombo();
    bool SwitcherIsEmpty() const;
    // The current-profile label, fitted to the status box.
    void SetCurrentProfileText(const wxString& text);
    // The switcher's text and its tooltip.
    void SetSwitcherText(const wxString& text);
    // The rule of a network mode; Connect and its label are set by it here.
    MainWindowRules::Controls SetConnectByMode(int mode);
    // Connect, its label and the current-profile label after a refill, by
    // the rule of the current network mode.
    void FollowSwitcher();
    // Puts the "Applying profile" notice over the status picture of the
    // shown window.
    void PlaceApplyingNotice();
    // True while the tray runs no wireless apply of its own.
    static bool TrayApplyIdle();
    // An apply runs that the wireless command waits for: this window's own
    // (or the tray menu's pick), or the tray's wireless apply.
    bool ApplyRuns() { return !TrayApplyIdle() || IsApplyingProfile(); }
    // The wireless button is usable while no switch it asked for is waiting
    // and no apply runs; it is greyed otherwise.
    void OnWirelessButtonUpdate(wxUpdateUIEvent& event);
    // Its menu item is greyed while an apply runs.
    void OnWirelessMenuUpdate(wxUpdateUIEvent& event);
    // The policy's answer, with its refusal shown.
    bool PolicyAllows(bool allowed, const wxString& refusal);

    wxMenuItem* m_pMenuMeshConfigure;
    wxMenuBar* m_pMenuBar;
    wxStaticBox* m_pStatusBox;
    wxBitmapComboBox* m_pProfileCombo;
    wxStaticBitmap* m_pStatusImage;
    GaugeDialog* m_pGaugeDialog = nullptr;
    wxGauge* m_pSignalGauge;
    wxBitmap m_itemBitmap;
    wxPanel* m_pPanelRight;
    wxPanel* m_pPanelLeft;
    wxStaticText* m_pProfileTitle;
    wxStaticText* m_pCurrentProfileText;
    wxStaticText* m_pSignalTitle;
    wxStaticText* m_pSignalValue;
    wxStaticText* m_pStatusTitle;
    wxStaticText* m_pStatusText;
    wxStaticText* m_pTypeTitle;
    wxStaticText* m_pTypeText;
    wxStaticText* m_pIpTitle;
    wxStaticText* m_pIpText;
    wxMenuItem* m_pMenuWireless;
    wxMenuItem* m_pMenuConnect;
    wxMenuItem* m_pMenuImport;
    wxMenuItem* m_pMenuScan;
    wxMenuItem* m_pMenuProfileManager;
    wxMenuItem* m_pMenuAbout;
    wxMenuItem* m_pMenuNeighbors;
    wxMenuItem* m_pMenuHelp;
    wxMenuItem* m_pMenuExit;
    wxButton* m_pConnectButton;
    wxButton* m_pWirelessButton;
    std::vector<ProfileList_t> m_profileList;
    // Index into m_profileList of each switcher entry, in entry order.
    std::vector<size_t> m_comboIndex;
    // The switcher's text: the current profile's name after a refill, the
    // chosen entry's after a pick.  Kept here because a read-only combo box
    // of this toolkit shows only its entries.
    wxString m_strSwitcherText;
    wxTimer m_connectTimer;
    wxTimer m_wirelessTimer;
    wxStaticBitmap* m_pScanBitmap;
    wxStaticBitmap* m_pNeighborsBitmap;
    wxStaticBitmap* m_pProfileManagerBitmap;
    wxButton* m_pScanButton;
    wxButton* m_pProfileManagerButton;
    wxButton* m_pNeighborsButton;
    wxStaticText* m_pScanText;
    wxStaticText* m_pNeighborsText;
    wxStaticText* m_pProfileManagerText;
    ViewAPNeighborsDlg* m_pNeighborsDlg = nullptr;
    SchoolSettingImporter m_importer;
    bool m_bApplyingProfile = false;
    int m_nSelectedProfile = -1;

    wxDECLARE_EVENT_TABLE();
};

#endif
