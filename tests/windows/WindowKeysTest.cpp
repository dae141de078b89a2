// The network windows under real keys: Escape does what the close box does,
// and what is typed after a refused OK lands in the refused field.
#include <functional>

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

#include "HubWindowTest.h"
#include "KeyDialog.h"
#include "Keyboard.h"
#include "ModalDialogAnswerer.h"
#include "NetworkTypes.h"
#include "Pointer.h"
#include "ScanNetworkDlg.h"
#include "StandInRunner.h"
#include "ViewAPNeighborsDlg.h"
#include "sim/SimControl.h"

namespace {

class WindowKeysTest : public HubWindowTest {
protected:
    void SetUp() override {
        HubWindowTest::SetUp();
        runner = &StandInRunner::Install();
        runner->SetListing("SCHOOL\n\t\\\\LAB-PC-01\n");
        runner->SetAddress("LAB-PC-01", "10.20.0.11");
    }
    void TearDown() override {
        runner->SetGateOpen(true);
        HubWindowTest::TearDown();
        CommandRunner::Install(nullptr);
    }
    StandInRunner* runner = nullptr;
};

}  // namespace

TEST_F(WindowKeysTest, EscapeEndsAWindowAsItsCloseBoxDoes) {
    ViewAPNeighborsDlg neighbors(nullptr, wxID_ANY, wxDefaultPosition, wxDefaultSize);
    neighbors.SetLookupTiming(0, NeighborLookup::Limits());
    wxListCtrl* hosts = neighbors.GetList();
    const struct {
        const char* what;
        wxDialog* dialog;
        bool lookupEnds;  // while it waits, the neighbours' buttons are greyed
        std::function<bool()> ready;
        wxWindow* focus;
    } cases[] = {
        {"scan map, modal", Scan(), true, [] { return true; },
         wxWindow::FindWindowByName("ID_BUTTON_REFRESH", Scan())},
        {"neighbours looking up", &neighbors, false,
         [&] { return !wxWindow::FindWindowByName("ID_BUTTON_CANCELVIEWAPNEIGHBORS", &neighbors)->IsEnabled(); },
         hosts},
        {"neighbours listed", &neighbors, true, [&] { return hosts->GetItemCount() == 1; }, hosts},
    };
    SimControl::SetAdapterUp(ADAPTER_WIRELESS, true);
    for (const auto& c : cases) {
        runner->SetGateOpen(c.lookupEnds);
        RunWhenShown([&](wxDialog* shown) {
            EXPECT_TRUE(RunEventLoopUntil(c.ready)) << c.what;
            Keyboard::Press(c.focus, WXK_ESCAPE);
            EXPECT_TRUE(RunEventLoopUntil([&] { return !shown->IsModal(); }, 1000)) << c.what;
        });
        EXPECT_EQ(c.dialog->ShowModal(), wxID_CANCEL) << c.what;
    }

    // Shown to connect, outside a modal run.
    ShowScanWindow();
    Keyboard::Press(wxWindow::FindWindowByName("ID_BUTTON_REFRESH", Scan()), WXK_ESCAPE);
    EXPECT_FALSE(Scan()->IsShown());
}

// OK clicked with the pointer puts the keyboard focus on OK; after the
// refusal the user types on into the key.
TEST_F(WindowKeysTest, TypingAfterARefusedKeyLandsInTheKey) {
    KeyDialog prompt(nullptr, false);
    wxString typed;
    RunWhenShown([&](wxDialog* d) {
        wxWindow* ok = d->FindWindow(wxID_OK);
        ModalDialogAnswerer::Get().Expect("Please input a key!", wxID_OK);
        EXPECT_TRUE(Pointer::Click(ok, wxPoint(ok->GetClientSize().x / 2, ok->GetClientSize().y / 2)));
        Keyboard::Type("secret");
        for (wxWindow* child : d->GetChildren()) {
            if (auto* field = dynamic_cast<wxTextCtrl*>(child))
                typed = field->GetValue();
        }
        ClickButton(d, wxID_CANCEL);
    });
    EXPECT_EQ(prompt.ShowModal(), wxID_CANCEL);
    EXPECT_EQ(typed, "secret");
}
