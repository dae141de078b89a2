#include "ModalDialogAnswerer.h"
#include "NoticeParts.h"
#include "NoticeTestSupport.h"
#include "PopupConfirmDialog.h"

class PopupConfirmDialogTest : public NoticeTest {};

TEST_F(PopupConfirmDialogTest, ModelessNoticeStandsTopRightAndOkHidesItAtOnce) {
    auto* notice = new PopupConfirmDialog(nullptr, NoticeParts::LoadBackground(), wxID_ANY);
    notice->SetTitleText("Confirm");
    notice->SetContentLine1("Switched to the wired LAN.");
    notice->Centre(wxBOTH);  // as its callers do; the notice overrides it
    notice->Show(true);
    RunEventLoopFor(200);
    EXPECT_EQ(notice->GetScreenPosition(), wxPoint(wxGetDisplaySize().GetWidth() - 247, 0));
    EXPECT_EQ(TextOf(notice, "ID_STATICTEXTOK"), "OK");
    EXPECT_TRUE(notice->IsCloseTimerRunning());

    Click(notice, "ID_BTN_OK");
    RunEventLoopFor(100);
    EXPECT_FALSE(notice->IsShown());
    EXPECT_FALSE(notice->IsCloseTimerRunning());

    // Kept for the next notice: one line changes, the others stay.
    notice->SetContentLine2("Second line");
    notice->Show(true);
    RunEventLoopFor(100);
    EXPECT_TRUE(notice->IsShown());
    EXPECT_EQ(TextOf(notice, "ID_STATICTEXT_TITLE"), "Confirm");
    EXPECT_EQ(TextOf(notice, "ID_STATICTEXT_CONTENT_LINE1"), "Switched to the wired LAN.");
    EXPECT_EQ(TextOf(notice, "ID_STATICTEXT_CONTENT_LINE2"), "Second line");
}

TEST_F(PopupConfirmDialogTest, ModelessNoticeHidesTenSecondsAfterItWasLastShown) {
    auto* notice = new PopupConfirmDialog(nullptr, NoticeParts::LoadBackground(), wxID_ANY);
    notice->Show(true);
    RunEventLoopFor(6000);
    notice->Show(true);  // shown again: the ten seconds start over
    RunEventLoopFor(5000);
    EXPECT_TRUE(notice->IsShown());
    EXPECT_TRUE(RunEventLoopUntil([&] { return !notice->IsShown(); }, 6000));
    EXPECT_FALSE(notice->IsBeingDeleted());  // hidden, not destroyed
}

TEST_F(PopupConfirmDialogTest, ModalOkAnswersOk) {
    PopupConfirmDialog notice(nullptr, NoticeParts::LoadBackground(), wxID_ANY);
    ModalDialogAnswerer::Get().ExpectAny([&notice](wxDialog*) {
        notice.CallAfter([&notice] {
            RunEventLoopFor(100);
            Click(&notice, "ID_BTN_OK");
        });
        return wxID_NONE;
    });
    EXPECT_EQ(notice.ShowModal(), wxID_OK);
    EXPECT_FALSE(notice.IsCloseTimerRunning());
}
