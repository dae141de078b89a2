#ifndef TIDEWAVE_TWMTASKTRAY_H
#define TIDEWAVE_TWMTASKTRAY_H

#include <vector>

#include <wx/gdicmn.h>
#include <wx/taskbar.h>
#include <wx/timer.h>

#include "IpChangeWatcher.h"
#include "ProfileList.h"
#include "TaskTrayLink.h"

class DisConnectBalloon;
class ProfileEvent;
class TaskBarBalloon;
class TaskBarBalloonLAN;
class TWExistBalloon;
class TWMApplyProfileBalloon;
class WirelessSwitchEvent;
class WlanAcmEvent;

// The tray icon: brings up the hub, runs the first automatic profile apply,
// turns connection results into balloons and keeps its icon current.
// GUI thread only.
class TWMTaskTray : public wxTaskBarIcon, public TaskTrayLink {
public:
    static TWMTaskTray* GetInstance();
    // The tray icon when it exists, without making one.
    static TWMTaskTray* Current() { return s_pInstance; }
    ~TWMTaskTray() override;

    // Once, at the deferred start.  `waitForTray`: look for the notification
    // area up to 60 times, 500 ms apart, instead of once.
    void init(bool waitForTray = false);

    // TaskTrayLink
    wxEvtHandler* GetTrayEventHandler() override { return this; }
    void UpdateTrayIcon(int mode, const MeshStatus& status) override;
    void RefreshTrayIcon(int mode, const MeshStatus& status) override;
    bool GetApplyWirelessFlag() override { return m_bApplyWireless; }
    void SetApplyWirelessFlag(bool flag) override { m_bApplyWireless = flag; }
    void ApplyWirelessProfile() override;

    void SetApplyWiredFlag(bool flag) { m_bApplyWired = flag; }
    void ApplyWiredProfile();
    void StopApplyWirelessDlg();

    bool IsInitFinished() const { return m_bInitFinished; }
    // A tray-run apply (start-up loop, or one the hub asked for) is pending.
    bool IsTrayApplyPending() const;
    // No tray icon, or no tray-run apply pending: the gate of the commands
    // that would start one of their own.
    static bool NoTrayApplyPending();

    // What tests look at.
    TaskBarBalloon* GetWirelessBalloon() const { return m_pWirelessBalloon; }
    TaskBarBalloonLAN* GetWiredBalloon() const { return m_pWiredBalloon; }
    DisConnectBalloon* GetDisconnectBalloon() const { return m_pDisconnectBalloon; }
    TWMApplyProfileBalloon* GetApplyBalloon() const { return m_pApplyBalloon; }
    TWExistBalloon* GetTipBalloon() const { return m_pTipBalloon; }
    wxTimer* GetBalloonTimer() const { return m_pBalloonTimer; }
    const wxString& GetIconFile() const { return m_strIconFile; }
    const wxString& GetTooltip() const { return m_strTooltip; }

    // The balloon close tick and the pointer-move handler.
    void OnTimerTick(wxTimerEvent& e);
    void OnMouseMove(wxTaskBarIconEvent& e);

protected:
    wxMenu* CreatePopupMenu() override;

private:
    TWMTaskTray();

    void OnWlanAcmEvent(WlanAcmEvent& e);
    void OnProfileChangedEvent(ProfileEvent& e);
    void OnWirelessSwitchEvent(WirelessSwitchEvent& e);
    void OnTipTimer(wxTimerEvent& e);
    void OnLeftDown(wxTaskBarIconEvent& e);

    // The controller is applying a profile, whoever started it.
    static bool ProfileApplyRuns();

    // Start-up loop.
    void StartupApply();
    int NextShownIndex(int after) const;
    void FinishStartup(bool showNotConnected);
    void EndTrayApply();
    bool ResultBelongsToStartup();

    // Balloons.
    void ShowApplyBalloon(const wxString& profileName);
    void CloseApplyBalloon();
    // Shows the wireless success balloon now, or once the association has
    // been read.
    void ShowWirelessBalloon();
    void ShowDueWirelessBalloon(int mode, const MeshStatus& status);
    void ShowWiredBalloon();
    void ShowDisconnectBalloon(bool wirelessUp);
    void CloseResultBalloons(bool successToo, bool disconnectToo);
    void StartBalloonTimer();
    void SetTrayIcon(const wxString& file, const wxString& tooltip);

    static TWMTaskTray* s_pInstance;

    std::vector<ProfileList_t> m_profileList;
    bool m_bInitDone = false;
    bool m_bApplyWireless = true;
    bool m_bApplyWired = true;
    bool m_bStartupApplying = false;
    bool m_bInitFinished = false;
    int m_nApplyIndex = -1;

    TWMApplyProfileBalloon* m_pApplyBalloon = nullptr;
    TaskBarBalloon* m_pWirelessBalloon = nullptr;
    TaskBarBalloonLAN* m_pWiredBalloon = nullptr;
    DisConnectBalloon* m_pDisconnectBalloon = nullptr;
    wxTimer* m_pBalloonTimer = nullptr;
    // A wireless success balloon waits for the association to be read.
    bool m_bWirelessBalloonDue = false;
    TWExistBalloon* m_pTipBalloon = nullptr;
    wxTimer m_tipTimer;
    bool m_bIconUpdated = false;
    wxPoint m_lastMousePos{-1, -1};
    wxString m_strIconFile;
    wxString m_strTooltip;
    IpChangeWatcher m_ipWatcher;

    wxDECLARE_EVENT_TABLE();
};

#endif
