#include <wx/stattext.h>

#include "GaugeDialog.h"
#include "LongValues.h"
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

TEST_F(GaugeDialogTest, ALongNameIsCutInItsMiddleWithinTheBarAndShownWholeInTheTooltip) {
    auto* gauge = new GaugeDialog(nullptr, wxID_ANY);
    gauge->Move(377, 270);
    gauge->Show(true);
    auto* label = static_cast<wxStaticText*>(Child(gauge, "ID_STATICTEXT_LABEL"));
    const wxRect bar = Child(gauge, "ID_GAUGE")->GetRect();
    // As the scan window and the main window word them, the name between.
    const struct {
        const char* before;
        wxString name;
        const char* after;
    } cases[] = {
        {"Connecting to ", "Riverside-Primary-School-Staff01", " ..."},
        {"Connecting to ", wxString::FromUTF8(LongValues::kSsid), " ..."},
        {"Connecting to ", wxString::FromUTF8(LongValues::kSsidTwoByte), " ..."},
        {"Applying profile ", wxString::FromUTF8(LongValues::kProfileName), "..."},
        {"Applying profile ", wxString::FromUTF8(LongValues::kProfileNameTwoByte), "..."},
        {"Connecting to ", "Classroom-101", " ..."},  // fits: whole, and no tooltip left
    };
    for (const auto& c : cases) {
        const wxString whole = c.before + c.name + c.after;
        gauge->SetLabel(whole);
        RunEventLoopFor(50);
        const wxRect line = label->GetRect();
        EXPECT_GE(line.GetLeft(), bar.GetLeft()) << whole;
        EXPECT_LE(line.GetRight(), bar.GetRight()) << whole;
        const wxString shown = label->GetLabelText();
        if (c.name == "Classroom-101") {
            EXPECT_EQ(shown, whole);
            EXPECT_EQ(label->GetToolTipText(), "");
            continue;
        }
        EXPECT_EQ(label->GetToolTipText(), whole);
        // Cut inside the name: the words around it and both ends of the name
        // still show.
        ASSERT_TRUE(shown.Contains(L"\u2026")) << shown;
        const wxString head = shown.BeforeFirst(L'\u2026'), tail = shown.AfterFirst(L'\u2026');
        EXPECT_TRUE(whole.StartsWith(head)) << shown;
        EXPECT_TRUE(whole.EndsWith(tail)) << shown;
        EXPECT_GT(head.length(), wxString(c.before).length()) << shown;
        EXPECT_GT(tail.length(), wxString(c.after).length()) << shown;
    }
}
