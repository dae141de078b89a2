#include <wx/filename.h>
#include <wx/statbmp.h>

#include "AboutDialog.h"
#include "GaugeDialog.h"
#include "NoticeParts.h"
#include "NoticeTestSupport.h"
#include "PopupConfirmDialog.h"
#include "ProgramFolder.h"
#include "TWExistBalloon.h"
#include "TaskBarBalloon.h"
#include "TaskBarBalloonLAN.h"
#include "TestEnvironment.h"

class MissingPictureTest : public NoticeTest {
protected:
    void SetUp() override {
        NoticeTest::SetUp();
        // A program folder without a "pic" folder.
        ProgramFolder::Set(TestEnvironment::Root());
    }
};

TEST_F(MissingPictureTest, WindowsKeepTheirLayoutSizeOnAPlainPanel) {
    auto* wireless = new TaskBarBalloon(nullptr, "balloon");
    auto* wired = new TaskBarBalloonLAN(nullptr, "balloon");
    auto* exist = new TWExistBalloon(nullptr);
    auto* gauge = new GaugeDialog(nullptr, wxID_ANY);
    auto* notice = new PopupConfirmDialog(nullptr, NoticeParts::LoadBackground(), wxID_ANY);
    EXPECT_EQ(wireless->GetSize(), TaskBarBalloon::PictureSize());
    EXPECT_EQ(wired->GetSize(), TaskBarBalloonLAN::PictureSize());
    EXPECT_EQ(exist->GetSize(), TWExistBalloon::PictureSize());
    EXPECT_EQ(gauge->GetSize(), GaugeDialog::PictureSize());
    EXPECT_EQ(notice->GetSize(), NoticeParts::BackgroundSize());

    wireless->SetSignalQuality(40);
    wireless->SetSignalIcon(40);  // no picture: the icon shows nothing
    auto* icon = dynamic_cast<wxStaticBitmap*>(
        wxWindow::FindWindowByName("ID_STATICBITMAP_SIGNALQUALITY", wireless));
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(icon->GetBitmap().IsOk());

    for (wxWindow* w : std::initializer_list<wxWindow*>{wireless, wired, exist, gauge, notice})
        w->Show(true);
    RunEventLoopFor(300);
    // The panel is not black, so nothing of it is cut away.
    const wxPoint at = wireless->GetScreenPosition();
    EXPECT_NE(ScreenPixel(at.x + 2, at.y + 2), kBackdrop);
}
