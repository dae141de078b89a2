// The questions and notices of TWMUtil: they go through the installed
// UserNotices (the tray's windows); without one nothing is shown and every
// question counts as No.
#include "DataCenter.h"
#include "NetworkTypes.h"
#include "TWMUtil.h"
#include "UserNotices.h"

bool TWMUtil::AskSwitchToWireless() {
    UserNotices* notices = UserNotices::Get();
    return notices != nullptr && notices->AskSwitchToWireless();
}

bool TWMUtil::AskSwitchToWired() {
    UserNotices* notices = UserNotices::Get();
    const bool yes = notices != nullptr && notices->AskSwitchToWired();
    DataCenter* hub = DataCenter::GetInstance();
    if (yes) {
        hub->QueueSwitchAdapter(ADAPTER_WIRELESS, ADAPTER_WIRED, nullptr);
        ShowSwitchedToWiredBalloon();
    } else {
        // Stay on wireless, with the wired adapter down.
        hub->QueueSwitchAdapter(ADAPTER_WIRED, ADAPTER_WIRELESS, nullptr);
    }
    return yes;
}

void TWMUtil::ShowAdapterSwitchedBalloon() {
    if (UserNotices* notices = UserNotices::Get())
        notices->ShowAdapterSwitchedBalloon();
}

void TWMUtil::ShowSwitchedToWiredBalloon() {
    if (UserNotices* notices = UserNotices::Get())
        notices->ShowSwitchedToWiredBalloon();
}

bool TWMUtil::AskCloseFirefox() {
    UserNotices* notices = UserNotices::Get();
    return notices != nullptr && notices->AskCloseFirefox();
}
