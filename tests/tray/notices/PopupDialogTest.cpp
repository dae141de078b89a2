#include <chrono>

#include <wx/dcmemory.h>

#include "ModalDialogAnswerer.h"
#include "NoticeParts.h"
#include "NoticeTestSupport.h"
#include "PopupDialog.h"

namespace {

using Clock = std::chrono::steady_clock;

// Runs the question; `whileOpen` runs inside its modal loop, once it shows.
int Ask(PopupDialog& dialog, std::function<void()> whileOpen) {
    ModalDialogAnswerer::Get().ExpectAny([&dialog, whileOpen](wxDialog*) {
        dialog.CallAfter([whileOpen] {
            RunEventLoopFor(200);
            whileOpen();
        });
        return wxID_NONE;  // let the question run for real
    });
    return dialog.ShowModal();
}

}  // namespace

class PopupDialogTest : public NoticeTest {};

TEST_F(PopupDialogTest, YesAnswersOkAndNoAnswersCancelAtTheTopRight) {
    for (const char* button : {"ID_BTN_OK", "ID_BTN_CANCEL"}) {
        PopupDialog dialog(nullptr, NoticeParts::LoadBackground(), wxID_ANY);
        dialog.SetTitleText("Confirm");
        dialog.SetContentLine1("The wired link was lost.");
        dialog.SetContentLine3("Switch to R&D wireless?");
        wxPoint shownAt;
        wxString title, line1, line2, line3, yes, no;
        bool timerWhileOpen = false;
        const int result = Ask(dialog, [&] {
            shownAt = dialog.GetScreenPosition();
            title = TextOf(&dialog, "ID_STATICTEXT_TITLE");
            line1 = TextOf(&dialog, "ID_STATICTEXT_CONTENT_LINE1");
            line2 = TextOf(&dialog, "ID_STATICTEXT_CONTENT_LINE2");
            line3 = TextOf(&dialog, "ID_STATICTEXT_CONTENT_LINE3");
            yes = TextOf(&dialog, "ID_STATICTEXTOK");
            no = TextOf(&dialog, "ID_STATICTEXTCANCEL");
            timerWhileOpen = dialog.IsCloseTimerRunning();
            Click(&dialog, button);
        });
        EXPECT_EQ(result, wxString(button) == "ID_BTN_OK" ? wxID_OK : wxID_CANCEL) << button;
        EXPECT_EQ(shownAt, wxPoint(wxGetDisplaySize().GetWidth() - 247, 0));
        EXPECT_EQ(dialog.GetSize(), NoticeParts::BackgroundSize());
        EXPECT_EQ(title, "Confirm");
        EXPECT_EQ(line1, "The wired link was lost.");
        EXPECT_EQ(line2, "");  // never set
        EXPECT_EQ(line3, "Switch to R&D wireless?");
        EXPECT_EQ(yes, "Yes");
        EXPECT_EQ(no, "No");
        EXPECT_TRUE(timerWhileOpen);
        EXPECT_FALSE(dialog.IsCloseTimerRunning());
        EXPECT_FALSE(dialog.IsShown());
    }
}

TEST_F(PopupDialogTest, UnansweredQuestionCountsAsNoAfterTenSeconds) {
    PopupDialog dialog(nullptr, NoticeParts::LoadBackground(), wxID_ANY);
    const Clock::time_point start = Clock::now();
    const int result = Ask(dialog, [] {});
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    EXPECT_EQ(result, wxID_CANCEL);
    EXPECT_GE(elapsed, 9900);
    EXPECT_LT(elapsed, 13000);
    EXPECT_FALSE(dialog.IsCloseTimerRunning());
}

TEST_F(PopupDialogTest, OnlyPureBlackIsCutOutWhateverThePictureWidth) {
    // A narrow picture: grey, a pure black square top left, a (0, 0, 1)
    // square beside it.
    wxBitmap picture(120, 90, 24);
    {
        wxMemoryDC dc(picture);
        dc.SetBackground(wxBrush(wxColour(200, 200, 220)));
        dc.Clear();
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(wxColour(0, 0, 0)));
        dc.DrawRectangle(0, 0, 20, 20);
        dc.SetBrush(wxBrush(wxColour(0, 0, 1)));
        dc.DrawRectangle(40, 0, 20, 20);
    }
    PopupDialog dialog(nullptr, picture, wxID_ANY);
    wxColour cut, kept, inside;
    wxPoint shownAt;
    Ask(dialog, [&] {
        shownAt = dialog.GetScreenPosition();
        cut = ScreenPixel(shownAt.x + 10, shownAt.y + 10);
        kept = ScreenPixel(shownAt.x + 50, shownAt.y + 10);
        inside = ScreenPixel(shownAt.x + 100, shownAt.y + 30);
        dialog.EndModal(wxID_CANCEL);
    });
    EXPECT_EQ(shownAt, wxPoint(wxGetDisplaySize().GetWidth() - 247, 0));
    EXPECT_EQ(cut, kBackdrop);
    EXPECT_EQ(kept, wxColour(0, 0, 1));
    EXPECT_EQ(inside, wxColour(200, 200, 220));
}
