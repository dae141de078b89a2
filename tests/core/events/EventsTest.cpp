#include <cstring>
#include <memory>

#include <gtest/gtest.h>
#include <wx/app.h>

#include "NetworkTypes.h"
#include "ProfileEvent.h"
#include "ScanEvent.h"
#include "SwitchAdapterEvent.h"
#include "WirelessSwitchEvent.h"
#include "WlanAcmEvent.h"

namespace {

// Receives the events through static tables, as the windows do, so that the
// type-and-id matching of the table macros is exercised.
class Receiver : public wxEvtHandler {
public:
    int profileCode = 0, profileId = 0, wlanCode = 0, wlanReason = 0, scanValue = -1;
    int shutDown = -1, started = -1;
    bool success = false, switched = false;
    unsigned char newKey[36] = {};

    void OnProfile(ProfileEvent& e) { profileCode = e.GetCode(); profileId = e.GetId(); }
    void OnWlan(WlanAcmEvent& e) { wlanCode = e.GetCode(); wlanReason = e.GetReason(); }
    void OnSwitch(SwitchAdapterEvent& e) {
        shutDown = e.GetShutDown();
        started = e.GetStarted();
        success = e.GetSuccess();
    }
    void OnWireless(WirelessSwitchEvent& e) {
        switched = true;
        std::memcpy(newKey, e.GetNewSsid(), 36);
    }
    void OnScan(ScanEvent& e) { scanValue = e.GetValue(); }

    wxDECLARE_EVENT_TABLE();
};

wxBEGIN_EVENT_TABLE(Receiver, wxEvtHandler)
    EVT_PROFILE_EVENT(ID_PROFILE_APPLY_STATUS, Receiver::OnProfile)
    EVT_WLAN_ACM_EVENT(ID_WLAN_ACM, Receiver::OnWlan)
    EVT_SWITCH_ADAPTER_EVENT(ID_SWITCH_ADAPTER, Receiver::OnSwitch)
    EVT_WIRELESS_SWITCH_EVENT(ID_WIRELESS_SWITCH, Receiver::OnWireless)
    EVT_SCAN_EVENT(ID_SCAN, Receiver::OnScan)
wxEND_EVENT_TABLE()

// The application object serves every handler's queue until all are
// empty.  (A handler's own call on an empty queue would leave that queue's
// lock taken.)
void Drain() { wxAppConsole::GetInstance()->ProcessPendingEvents(); }

}  // namespace

TEST(CustomEvents, PostedEventsArriveOnlyWhenProcessedWithTheirPayload) {
    Receiver r;
    r.AddPendingEvent(ProfileEvent(ID_PROFILE_APPLY_STATUS, PROFILE_APPLIED));
    r.AddPendingEvent(WlanAcmEvent(WLAN_FAILED, REASON_WIRED_TIMEOUT));
    r.AddPendingEvent(SwitchAdapterEvent(ADAPTER_WIRED, ADAPTER_WIRELESS, true));
    ScanEvent scan(ID_SCAN);
    scan.SetValue(2);
    r.AddPendingEvent(scan);
    EXPECT_EQ(r.profileCode, 0) << "posted events are handled later, not at once";

    Drain();
    EXPECT_EQ(r.profileCode, PROFILE_APPLIED);
    EXPECT_EQ(r.wlanCode, WLAN_FAILED);
    EXPECT_EQ(r.wlanReason, REASON_WIRED_TIMEOUT);
    EXPECT_EQ(r.shutDown, ADAPTER_WIRED);
    EXPECT_EQ(r.started, ADAPTER_WIRELESS);
    EXPECT_TRUE(r.success);
    EXPECT_EQ(r.scanValue, 2);
}

TEST(CustomEvents, TablesMatchTheIdAsWellAsTheType) {
    Receiver r;
    r.AddPendingEvent(ProfileEvent(ID_PROFILE_LIST_CHANGED, PROFILE_SAVED));
    Drain();
    EXPECT_EQ(r.profileCode, 0) << "the table binds 6161 only";
}

TEST(CustomEvents, WirelessSwitchCopiesBothKeys) {
    unsigned char oldKey[36] = {}, newKey[36] = {};
    newKey[0] = 4;
    std::memcpy(newKey + 4, "Lab1", 4);
    std::unique_ptr<WirelessSwitchEvent> original(new WirelessSwitchEvent(oldKey, newKey));
    std::memset(newKey, 0xAA, sizeof newKey);  // the event keeps its own copy
    std::unique_ptr<wxEvent> clone(original->Clone());
    Receiver r;
    r.ProcessEvent(*clone);
    ASSERT_TRUE(r.switched);
    EXPECT_EQ(r.newKey[0], 4);
    EXPECT_EQ(std::memcmp(r.newKey + 4, "Lab1", 4), 0);
}

TEST(CustomEvents, ScanPayloadStartsAtZero) {
    ScanEvent e(ID_SCAN);
    EXPECT_EQ(e.GetValue(), 0);
    std::unique_ptr<wxEvent> clone(e.Clone());
    EXPECT_EQ(static_cast<ScanEvent*>(clone.get())->GetValue(), 0);
}
