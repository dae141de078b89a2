// The network windows under real keys: what is typed after a refused OK
// lands in the refused field.
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
