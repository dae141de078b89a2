#include "HubTestSupport.h"

#include <algorithm>

#include "TestEnvironment.h"

void HubTest::SetUp() {
    TestEnvironment::ResetFolders();
    SimControl::ResetToDefault();
    SimControl::SetDelays(0, 0, 50);
    UserNotices::Install(&notices);
    hub = std::make_unique<DataCenterLinux>();
    DataCenter::OverrideInstanceForTesting(hub.get());
    hub->SetWindowFactory(&windows);
    hub->SetTaskTray(&tray);
    hub->Init();
    PumpEventsFor(20);
}

void HubTest::TearDown() {
    hub.reset();
    DataCenter::OverrideInstanceForTesting(nullptr);
    UserNotices::Install(nullptr);
    PumpEventsFor(10);
}

void HubTest::WaitForSwitches() {
    // A reply-less marker request: once its effect is logged, everything
    // queued before it was served.
    EventRecorder marker;
    hub->QueueSwitchAdapter(ADAPTER_NONE, ADAPTER_NONE, &marker);
    ASSERT_TRUE(PumpEventsUntil([&] { return marker.Count(wxEVT_TW_SWITCH_ADAPTER) == 1; }));
}
