#ifndef TIDEWAVE_HUBTESTSUPPORT_H
#define TIDEWAVE_HUBTESTSUPPORT_H

// A hub of the test's own over the simulated laptop, with recording stand-ins
// for the windows and the tray it calls.

#include <memory>
#include <vector>

#include <gtest/gtest.h>
#include <wx/event.h>

#include "DataCenterLinux.h"
#include "EventPump.h"
#include "HubWindowFactory.h"
#include "MeshStatus.h"
#include "NetworkStatusView.h"
#include "ProfileEvent.h"
#include "ScanResultView.h"
#include "SwitchAdapterEvent.h"
#include "TaskTrayLink.h"
#include "UserNotices.h"
#include "WirelessSwitchEvent.h"
#include "WlanAcmEvent.h"
#include "sim/SimControl.h"

// Records every custom event it receives, in order.
class EventRecorder : public wxEvtHandler {
public:
    struct Entry {
        wxEventType type;
        int id;
        int code;
        int reason;
    };
    std::vector<Entry> events;

    EventRecorder() {
        Bind(wxEVT_TW_WLAN_ACM, [this](WlanAcmEvent& e) { events.push_back({e.GetEventType(), e.GetId(), e.GetCode(), e.GetReason()}); });
        Bind(wxEVT_TW_PROFILE, [this](ProfileEvent& e) { events.push_back({e.GetEventType(), e.GetId(), e.GetCode(), 0}); });
        Bind(wxEVT_TW_SWITCH_ADAPTER, [this](SwitchAdapterEvent& e) {
            events.push_back({e.GetEventType(), e.GetId(), e.GetStarted(), e.GetSuccess() ? 1 : 0});
        });
        Bind(wxEVT_TW_WIRELESS_SWITCH, [this](WirelessSwitchEvent& e) { events.push_back({e.GetEventType(), e.GetId(), 0, 0}); });
    }
    bool Has(wxEventType type, int code) const {
        for (const Entry& e : events)
            if (e.type == type && e.code == code)
                return true;
        return false;
    }
    int Count(wxEventType type) const {
        int n = 0;
        for (const Entry& e : events)
            n += e.type == type ? 1 : 0;
        return n;
    }
};

class FakeNotices : public UserNotices {
public:
    bool answerWireless = false;
    bool answerWired = false;
    bool answerFirefox = false;
    int askedWireless = 0, askedWired = 0, adapterSwitched = 0, switchedToWired = 0, askedFirefox = 0;
    std::function<void()> duringWirelessQuestion;

    bool AskSwitchToWireless() override {
        ++askedWireless;
        if (duringWirelessQuestion)
            duringWirelessQuestion();
        return answerWireless;
    }
    bool AskSwitchToWired() override { ++askedWired; return answerWired; }
    void ShowAdapterSwitchedBalloon() override { ++adapterSwitched; }
    void ShowSwitchedToWiredBalloon() override { ++switchedToWired; }
    bool AskCloseFirefox() override { ++askedFirefox; return answerFirefox; }
};

class FakeMainWindow : public EventRecorder, public NetworkStatusView {
public:
    bool applying = false;
    std::vector<int> statusModes, controlModes;
    MeshStatus lastStatus;
    void UpdateNetworkStatus(int mode, const MeshStatus& status) override {
        statusModes.push_back(mode);
        lastStatus = status;
    }
    void UpdateControls(int mode) override { controlModes.push_back(mode); }
    bool IsApplyingProfile() override { return applying; }
    void ShowApplyingProfile(const wxString&, bool) override {}
    void RefreshProfileCombo() override {}
};

class FakeScanWindow : public EventRecorder, public ScanResultView {
public:
    std::vector<int> results;
    std::vector<int> counts;
    void UI_UpdateAPSatus(int result, AccessPointList* list) override {
        results.push_back(result);
        counts.push_back(list != nullptr ? list->nCount : -1);
    }
    void ShowForConnect() override {}
    void CloseIfShown() override {}
    bool PickAccessPoint(APStatus*) override { return false; }
};

class FakeTray : public EventRecorder, public TaskTrayLink {
public:
    bool applyWireless = true;
    int wirelessApplies = 0;
    std::vector<int> iconModes, refreshedModes;
    wxEvtHandler* GetTrayEventHandler() override { return this; }
    void UpdateTrayIcon(int mode, const MeshStatus&) override { iconModes.push_back(mode); }
    void RefreshTrayIcon(int mode, const MeshStatus&) override { refreshedModes.push_back(mode); }
    bool GetApplyWirelessFlag() override { return applyWireless; }
    void SetApplyWirelessFlag(bool flag) override { applyWireless = flag; }
    void ApplyWirelessProfile() override { ++wirelessApplies; }
};

class FakeWindowFactory : public HubWindowFactory {
public:
    FakeMainWindow mainWindow;
    FakeScanWindow scanWindow;
    EventRecorder profileManager;
    MainWindow CreateNetworkManagerDlg() override {
        MainWindow w;
        w.events = &mainWindow;
        w.view = &mainWindow;
        return w;
    }
    ScanWindow CreateScanNetworkDlg() override {
        ScanWindow w;
        w.events = &scanWindow;
        w.view = &scanWindow;
        return w;
    }
    ProfileManager CreateProfileManagerDlg() override {
        ProfileManager w;
        w.events = &profileManager;
        return w;
    }
    MeshUseOthersInternetDlg* CreateMeshUseOthersInternetDlg() override { return nullptr; }
};

// A hub initialised over a fresh default world with short delays, the fake
// windows, tray and notices installed.
class HubTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the status check once, as the status timer would.
    void Tick() { hub->OnStatusTimer(); }
    // Waits until the switch thread has served everything queued so far and
    // its replies have been handled: replies are posted, and handled, in
    // queue order, so a marker's reply comes last.
    void WaitForSwitches();

    FakeNotices notices;
    FakeWindowFactory windows;
    FakeTray tray;
    std::unique_ptr<DataCenterLinux> hub;
};

#endif
