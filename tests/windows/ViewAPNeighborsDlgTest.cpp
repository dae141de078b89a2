#include <wx/button.h>
#include <wx/listctrl.h>

#include "GaugeDialog.h"
#include "ModalDialogAnswerer.h"
#include "StandInRunner.h"
#include "ViewAPNeighborsDlg.h"
#include "WindowTestSupport.h"

namespace {

const char* const kThreeHosts =
    "SCHOOL\n"
    "\t\\\\LAB-PC-01      \t\tLab 1\n"
    "\t\\\\TEACHER-%s     \t\tformat characters stay\n"
    "\t\\\\PRINTER\n";

class NeighborsTest : public GuiTest {
protected:
    void SetUp() override {
        runner = &StandInRunner::Install();
        runner->SetAddress("LAB-PC-01", "10.20.0.11");
        runner->SetAddress("TEACHER-%s", "10.20.0.2");
    }
    void TearDown() override {
        runner->SetGateOpen(true);
        GuiTest::TearDown();
        CommandRunner::Install(nullptr);
    }
    template <class Dlg = ViewAPNeighborsDlg>
    Dlg* Make() {
        auto* dlg = new Dlg(nullptr, wxID_ANY, wxDefaultPosition, wxDefaultSize);
        dlg->SetLookupTiming(0, NeighborLookup::Limits());
        return dlg;
    }
    static bool ButtonsEnabled(wxDialog* dlg) {
        bool all = true;
        for (const char* name : {"ID_BUTTON_OKVIEWAPNEIGHBORS", "ID_BUTTON_REFRESHVIEWAPNEIGHBORS",
                                 "ID_BUTTON_CANCELVIEWAPNEIGHBORS"})
            all = all && wxWindow::FindWindowByName(name, dlg)->IsEnabled();
        return all;
    }
    static bool ButtonsDisabled(wxDialog* dlg) {
        bool none = true;
        for (const char* name : {"ID_BUTTON_OKVIEWAPNEIGHBORS", "ID_BUTTON_REFRESHVIEWAPNEIGHBORS",
                                 "ID_BUTTON_CANCELVIEWAPNEIGHBORS"})
            none = none && !wxWindow::FindWindowByName(name, dlg)->IsEnabled();
        return none;
    }

    StandInRunner* runner = nullptr;
};

// The lookup thread cannot be made.
class NoThreadNeighbors : public ViewAPNeighborsDlg {
public:
    using ViewAPNeighborsDlg::ViewAPNeighborsDlg;

protected:
    bool StartLookupThread(int) override { return false; }
};

}  // namespace

TEST_F(NeighborsTest, ShowingLooksUpAndListsTheHostsInOrder) {
    runner->SetListing(kThreeHosts);
    runner->SetGateOpen(false);
    ViewAPNeighborsDlg* dlg = Make();
    dlg->Show();
    EXPECT_TRUE(ButtonsDisabled(dlg));
    EXPECT_EQ(dlg->GetList()->GetItemCount(), 0);
    EXPECT_TRUE(dlg->GetGauge()->IsShown());
    EXPECT_EQ(TextOf(dlg->GetGauge(), "ID_STATICTEXT_LABEL"), "Searching for network neighbors...");
    EXPECT_EQ(dlg->GetGauge()->GetPosition(), wxPoint(377, 270));

    runner->SetGateOpen(true);
    ASSERT_TRUE(RunEventLoopUntil([&] { return dlg->GetList()->GetItemCount() == 3; }));
    wxListCtrl* list = dlg->GetList();
    EXPECT_EQ(list->GetItemText(0, 0), "LAB-PC-01");
    EXPECT_EQ(list->GetItemText(0, 1), "10.20.0.11");
    EXPECT_EQ(list->GetItemText(1, 0), "TEACHER-%s");
    EXPECT_EQ(list->GetItemText(2, 0), "PRINTER");
    EXPECT_EQ(list->GetItemText(2, 1), "");  // no answer
    EXPECT_TRUE(ButtonsEnabled(dlg));
    EXPECT_FALSE(dlg->GetGauge()->IsShown());
    EXPECT_EQ(wxWindow::FindFocus(), list);
}

TEST_F(NeighborsTest, NothingFoundIsSaidAndTheButtonsComeBack) {
    runner->SetListing("SCHOOL\n");
    ModalDialogAnswerer::Get().Expect("Could not find any neighbors!", wxID_OK);
    ViewAPNeighborsDlg* dlg = Make();
    dlg->Show();
    ASSERT_TRUE(RunEventLoopUntil([&] { return ButtonsEnabled(dlg); }));
    EXPECT_EQ(dlg->GetList()->GetItemCount(), 0);
    EXPECT_EQ(ModalDialogAnswerer::Get().PendingExpectations(), 0u);
}

TEST_F(NeighborsTest, ACloseMidLookupDropsItsResult) {
    runner->SetListing(kThreeHosts);
    runner->SetGateOpen(false);
    ViewAPNeighborsDlg* dlg = Make();
    dlg->Show();
    ASSERT_TRUE(RunEventLoopUntil([&] { return runner->Captures() == 1; }));
    dlg->Close();
    EXPECT_FALSE(dlg->IsShown());
    EXPECT_FALSE(dlg->GetGauge()->IsShown());
    EXPECT_EQ(dlg->GetScanId(), 2);

    runner->SetGateOpen(true);  // the old lookup ends: stale, it asks nothing more
    RunEventLoopFor(300);
    EXPECT_EQ(runner->Captures(), 1);
    EXPECT_EQ(dlg->GetList()->GetItemCount(), 0);

    runner->SetListing("SCHOOL\n\t\\\\LIBRARY\n");
    dlg->Show();
    ASSERT_TRUE(RunEventLoopUntil([&] { return dlg->GetList()->GetItemCount() == 1; }));
    RunEventLoopFor(100);
    EXPECT_EQ(dlg->GetList()->GetItemCount(), 1);
    EXPECT_EQ(dlg->GetList()->GetItemText(0, 0), "LIBRARY");
}

TEST_F(NeighborsTest, WithoutALookupThreadTheButtonsStayUsable) {
    auto* dlg = Make<NoThreadNeighbors>();
    dlg->Show();
    EXPECT_TRUE(ButtonsEnabled(dlg));
    EXPECT_FALSE(dlg->GetGauge()->IsShown());
    ModalDialogAnswerer::Get().Expect("Could not find any neighbors!", wxID_OK);
    ClickButton(dlg, "ID_BUTTON_REFRESHVIEWAPNEIGHBORS");
    EXPECT_TRUE(ButtonsEnabled(dlg));
    ClickButton(dlg, "ID_BUTTON_OKVIEWAPNEIGHBORS");
    EXPECT_FALSE(dlg->IsShown());
}

TEST_F(NeighborsTest, ClosingTheWindowWhileALookupRunsLetsItEndQuietly) {
    runner->SetListing(kThreeHosts);
    runner->SetGateOpen(false);
    ViewAPNeighborsDlg* dlg = Make();
    dlg->Show();
    ASSERT_TRUE(RunEventLoopUntil([&] { return runner->Captures() == 1; }));
    dlg->Destroy();
    RunEventLoopFor(20);
    runner->SetGateOpen(true);
    RunEventLoopFor(200);
    EXPECT_EQ(runner->Captures(), 1);
}
