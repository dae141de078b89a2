// Test entry for window tests: a wx application on an X display of the test
// run (Xvfb under the test command) that no other test holds, with the
// modal-dialog hook installed.
#include <chrono>
#include <thread>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/toplevel.h>

#include "GuiTestSupport.h"
#include "ModalDialogAnswerer.h"
#include "TestDisplay.h"
#include "TestEnvironment.h"

namespace {

class TestApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

// Every test starts with no expectation left over and no stray dialog.
class DialogListener : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { ModalDialogAnswerer::Get().Clear(); }
};

}  // namespace

// A test program may make the application object its code expects (the tray
// tests make the program's own); by default a plain one.
__attribute__((weak)) wxApp* CreateTestApplication() { return new TestApp; }

bool RunEventLoopUntil(const std::function<bool()>& done, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    wxEventLoopBase* loop = wxEventLoopBase::GetActive();
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return done();
        if (loop != nullptr) {
            while (loop->Pending())
                loop->Dispatch();
        }
        if (wxTheApp != nullptr) {
            wxTheApp->ProcessPendingEvents();
            wxTheApp->ProcessIdle();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

void GuiTest::TearDown() {
    ModalDialogAnswerer::Get().Reset();
    const wxWindowList open = wxTopLevelWindows;
    for (wxWindow* w : open) {
        if (!w->IsBeingDeleted() && !wxPendingDelete.Member(w))
            w->Destroy();
    }
    RunEventLoopFor(20);
}

void RunEventLoopFor(int ms) {
    RunEventLoopUntil([] { return false; }, ms);
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    TestEnvironment::Install();
    if (!TestDisplay::Take())
        return 2;
    wxApp::SetInstance(CreateTestApplication());
    if (!wxEntryStart(argc, argv)) {
        fprintf(stderr, "cannot start wx (is DISPLAY set?)\n");
        return 2;
    }
    // The application's own start-up is not run: tests drive its parts.
    wxInitAllImageHandlers();
    ModalDialogAnswerer::Get();
    ::testing::UnitTest::GetInstance()->listeners().Append(new DialogListener);
    int result;
    {
        // Tests run inside an active event loop, as the program's code does.
        wxEventLoop loop;
        wxEventLoopActivator activate(&loop);
        result = RUN_ALL_TESTS();
    }
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
