#include "GaugeDialog.h"
#include "NoticeTestSupport.h"
#include "PictureLoader.h"

class GaugeDialogTest : public NoticeTest {};

TEST_F(GaugeDialogTest, ShowingStartsAnEmptyBarThatStepsEveryHalfSecond) {
    auto* gauge = new GaugeDialog(nullptr, 4242);  // the id has no effect
    EXPECT_NE(gauge->GetId(), 4242);
    EXPECT_EQ(gauge->GetSize(), PictureLoader::Load("pic/gauge.png").GetSize());
    EXPECT_FALSE(gauge->IsStepping());

    gauge->SetLabel("Connecting to A&B ...");
    EXPECT_FALSE(gauge->IsShown());  // the text alone shows nothing
    EXPECT_EQ(TextOf(gauge, "ID_STATICTEXT_LABEL"), "Connecting to A&B ...");

    gauge->Show(true);
    EXPECT_EQ(gauge->GetGaugeValue(), 0);
    EXPECT_TRUE(gauge->IsStepping());
    RunEventLoopFor(1250);
    EXPECT_EQ(gauge->GetGaugeValue(), 20);

    gauge->Show(true);  // shown again: empty again
    EXPECT_EQ(gauge->GetGaugeValue(), 0);
    RunEventLoopFor(750);
    EXPECT_EQ(gauge->GetGaugeValue(), 10);

    gauge->Show(false);
    EXPECT_FALSE(gauge->IsStepping());
    RunEventLoopFor(700);
    EXPECT_EQ(gauge->GetGaugeValue(), 10);  // keeps its last value
}

TEST_F(GaugeDialogTest, FullBarEmptiesOnTheNextStep) {
    auto* gauge = new GaugeDialog(nullptr, wxID_ANY);
    gauge->Show(true);
    EXPECT_TRUE(RunEventLoopUntil([&] { return gauge->GetGaugeValue() == 100; }, 6000));
    EXPECT_TRUE(RunEventLoopUntil([&] { return gauge->GetGaugeValue() != 100; }, 1000));
    EXPECT_EQ(gauge->GetGaugeValue(), 0);
}

TEST_F(GaugeDialogTest, HidingReleasesTheMouseCapture) {
    auto* gauge = new GaugeDialog(nullptr, wxID_ANY);
    gauge->Show(true);
    RunEventLoopFor(200);
    gauge->CaptureMouse();
    ASSERT_TRUE(gauge->HasCapture());
    gauge->Show(false);
    EXPECT_FALSE(gauge->HasCapture());
    EXPECT_EQ(wxWindow::GetCapture(), nullptr);
}
