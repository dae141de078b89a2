#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "AvahiMulticast.h"
#include "AvahiOutage.h"
#include "AvahiPublisher.h"
#include "DnsSdThreads.h"
#include "DnsSdTick.h"
#include "ListenThread.h"
#include "MeshInfoManager.h"
#include "PublishThread.h"

using namespace std::chrono_literals;

namespace {

// One DNS-SD loop as the tick sees it, driven step by step.
struct FakeLoop {
    bool running = false;
    bool daemonFailed = false;
    int starts = 0, stops = 0;
    std::function<void()> duringStart;

    DnsSdTick::Loop Hooks() {
        return {[this] { return running; }, [this] { ++stops; },
                [this] {
                    ++starts;
                    running = true;
                    if (duringStart)
                        duringStart();
                },
                [this] {
                    const bool failed = daemonFailed;
                    daemonFailed = false;
                    return failed;
                }};
    }
};

const DnsSdTick::Clock::time_point t0 = DnsSdTick::Clock::now();

// The suite never reaches a daemon, whatever runs on this machine.
const int kNoBus = setenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/tidewave-test-bus", 1);

}  // namespace

TEST(DnsSdTick, ARunningThreadIsStoppedAndReplacedOnALaterTick) {
    FakeLoop publish, browse;
    DnsSdTick tick(publish.Hooks(), browse.Hooks());
    tick.OnTick(t0);
    EXPECT_EQ(publish.starts + browse.starts, 0) << "no request, nothing happens";

    tick.RequestPublish();
    tick.OnTick(t0);
    EXPECT_EQ(publish.starts, 1);
    EXPECT_FALSE(tick.IsPublishRequested());

    tick.RequestPublish();
    tick.OnTick(t0 + 3s);
    tick.OnTick(t0 + 6s);
    EXPECT_EQ(publish.stops, 2) << "each tick asks again while the old loop runs";
    EXPECT_EQ(publish.starts, 1);
    EXPECT_TRUE(tick.IsPublishRequested());
    publish.running = false;
    tick.OnTick(t0 + 9s);
    EXPECT_EQ(publish.starts, 2);
    EXPECT_FALSE(tick.IsPublishRequested());
    EXPECT_EQ(browse.starts + browse.stops, 0) << "the requests are served apart";
}

TEST(DnsSdTick, ARequestRaisedWhileAThreadStartsIsKept) {
    FakeLoop publish, browse;
    DnsSdTick tick(publish.Hooks(), browse.Hooks());
    // The deploy thread asks for a new publication while the tick is
    // starting a publisher that read the old settings.
    publish.duringStart = [&] { tick.RequestPublish(); };
    tick.RequestPublish();
    tick.OnTick(t0);
    EXPECT_TRUE(tick.IsPublishRequested());
    publish.duringStart = nullptr;
    tick.OnTick(t0 + 3s);
    EXPECT_EQ(publish.stops, 1) << "the stale publisher is replaced";
}

TEST(DnsSdTick, AMissingDaemonIsRetriedAtMostEveryInterval) {
    FakeLoop publish, browse;
    DnsSdTick tick(publish.Hooks(), browse.Hooks(), 30s);
    tick.RequestBrowse();
    tick.OnTick(t0);
    ASSERT_EQ(browse.starts, 1);
    browse.running = false;
    browse.daemonFailed = true;
    for (auto t = 3s; t < 30s; t += 3s) {
        tick.OnTick(t0 + t);
        EXPECT_EQ(browse.starts, 1) << "no new attempt " << t.count() << " s after the last";
        EXPECT_TRUE(tick.IsBrowseRequested()) << "the request is kept";
    }
    tick.OnTick(t0 + 30s);
    EXPECT_EQ(browse.starts, 2);
    EXPECT_FALSE(tick.IsBrowseRequested());
}

// Without a daemon (this suite's bus address leads nowhere) every loop ends
// at once; mesh toggled 200 times leaves at most one browse thread object,
// and the outage is reported once.
TEST(DnsSdThreads, TogglesLeaveAtMostOneListenerAndOneOutageLine) {
    // The process's first loop waits before it browses, until it is let go
    // here: it still runs when the first checks look, however slow the
    // machine.
    AvahiMulticast::SetFirstBrowseWaitMs(600000);
    MeshInfoManager model;
    int maxLive = 0;
    testing::internal::CaptureStderr();
    {
        DnsSdThreads threads(model);
        DnsSdTick tick(threads.PublishLoop(), threads.BrowseLoop(), 0s);
        threads.StartListen();
        EXPECT_TRUE(DnsSdThreads::IsListening()) << "running from before Run";
        threads.StartListen();
        EXPECT_EQ(ListenThread::LiveCount(), 1) << "no second loop while one runs";
        AvahiMulticast::AbandonFirstWait();
        for (int i = 0; i < 200; ++i) {
            model.SetMeshEnabled(i % 2 == 0);
            tick.RequestBrowse();
            if (i % 20 == 0)
                tick.RequestPublish();
            for (int ticks = 0; tick.IsBrowseRequested() && ticks < 1000; ++ticks) {
                tick.OnTick(DnsSdTick::Clock::now());
                maxLive = std::max(maxLive, ListenThread::LiveCount());
                std::this_thread::sleep_for(1ms);
            }
            ASSERT_FALSE(tick.IsBrowseRequested()) << "toggle " << i;
        }
        threads.StopAndWait();
    }
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(maxLive, 1);
    EXPECT_EQ(ListenThread::LiveCount(), 0);
    EXPECT_TRUE(AvahiOutage::IsReported());
    size_t lines = 0;
    for (size_t at = errors.find("Failed to create client: "); at != std::string::npos;
         at = errors.find("Failed to create client: ", at + 1))
        ++lines;
    EXPECT_EQ(lines, 1u) << errors;

    // A daemon that answers again is told once.
    testing::internal::CaptureStderr();
    AvahiOutage::Answered();
    AvahiOutage::Answered();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "The avahi daemon answers again.\n");
}
