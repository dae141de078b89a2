#include <wx/dcclient.h>
#include <wx/display.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "LongValues.h"
#include "NoticeParts.h"
#include "NoticeTestSupport.h"
#include "PictureLoader.h"
#include "Pointer.h"
#include "PictureTextFit.h"
#include "PopupConfirmDialog.h"
#include "TWExistBalloon.h"
#include "TWMApplyProfileBalloon.h"
#include "TaskBarBalloon.h"
#include "TaskBarBalloonLAN.h"

namespace {

bool SamePicture(const wxBitmap& shown, const std::string& file) {
    const wxBitmap expected = PictureLoader::Load(file);
    if (!shown.IsOk() || !expected.IsOk() || shown.GetSize() != expected.GetSize())
        return false;
    const wxImage a = shown.ConvertToImage();
    const wxImage b = expected.ConvertToImage();
    return memcmp(a.GetData(), b.GetData(), size_t(a.GetWidth()) * a.GetHeight() * 3) == 0;
}

wxBitmap SignalIcon(TaskBarBalloon* balloon) {
    auto* icon = dynamic_cast<wxStaticBitmap*>(
        wxWindow::FindWindowByName("ID_STATICBITMAP_SIGNALQUALITY", balloon));
    return icon != nullptr ? icon->GetBitmap() : wxBitmap();
}

// What a balloon's label shows (it keeps the text it was given apart), and
// how wide that is in its font.
wxString Shown(wxStaticText* label) { return wxControl::RemoveMnemonics(label->wxControl::GetLabel()); }
int ShownWidth(wxStaticText* label) {
    wxClientDC dc(label);
    dc.SetFont(label->GetFont());
    return dc.GetMultiLineTextExtent(Shown(label)).GetWidth();
}
wxString WithoutBreaks(wxString text) {
    text.Replace("\n", "");
    text.Replace(" ", "");
    return text;
}

wxPoint ConnectionBalloonPlace() {
    const wxRect area = wxGetClientDisplayRect();
    return wxPoint(area.GetRight() + 1 - 285, area.GetTop() + 15);
}

}  // namespace

class BalloonTest : public NoticeTest {};

TEST_F(BalloonTest, WirelessBalloonStandsNearTheTopRightWithItsLines) {
    auto* balloon = new TaskBarBalloon(nullptr, "balloon");
    EXPECT_FALSE(balloon->IsShown());
    EXPECT_EQ(balloon->GetPosition(), ConnectionBalloonPlace());
    EXPECT_EQ(balloon->GetSize(), PictureLoader::Load("pic/balloon.png").GetSize());
    EXPECT_EQ(balloon->GetTitle(), "");

    balloon->SetSuccessTip("Successfully Connected!");
    balloon->SetType("Wireless LAN");
    balloon->SetSpeed("54.0Mbps");
    balloon->SetStatus("R&D Lab");  // shown exactly, not read as a mnemonic
    balloon->SetSignalQuality(-5);
    EXPECT_EQ(TextOf(balloon, "ID_STATICTEXT_SUCCTIP"), "Successfully Connected!");
    EXPECT_EQ(TextOf(balloon, "ID_STATICTEXT_STATUSTIP"), "Name:");
    EXPECT_EQ(TextOf(balloon, "ID_STATICTEXT_TYPETIP"), "Type:");
    EXPECT_EQ(TextOf(balloon, "ID_STATICTEXT_SPEEDTIP"), "Speed:");
    EXPECT_EQ(TextOf(balloon, "ID_STATICTEXT_SIGNALQUALITYTIP"), "Signal Quality:");
    EXPECT_EQ(TextOf(balloon, "ID_STATICTEXT_TYPE"), "Wireless LAN");
    EXPECT_EQ(TextOf(balloon, "ID_STATICTEXT_SPEED"), "54.0Mbps");
    EXPECT_EQ(TextOf(balloon, "ID_STATICTEXT_STATUS"), "R&D Lab");
    EXPECT_EQ(TextOf(balloon, "ID_STATICTEXT_SIGNALQUALITY"), "-5%");
    balloon->SetSignalQuality(150);
    EXPECT_EQ(TextOf(balloon, "ID_STATICTEXT_SIGNALQUALITY"), "150%");
}

TEST_F(BalloonTest, SignalIconFollowsTheQualityAndKeepsItsPictureAboveHundred) {
    auto* fresh = new TaskBarBalloon(nullptr, "balloon");
    fresh->SetSignalIcon(101);
    EXPECT_TRUE(SamePicture(SignalIcon(fresh), "pic/empty.png"));

    auto* balloon = new TaskBarBalloon(nullptr, "balloon");
    balloon->SetSignalIcon(50);
    EXPECT_TRUE(SamePicture(SignalIcon(balloon), "pic/signal-60.png"));
    balloon->SetSignalIcon(101);
    EXPECT_TRUE(SamePicture(SignalIcon(balloon), "pic/signal-60.png"));
    balloon->SetSignalIcon(-30);
    EXPECT_TRUE(SamePicture(SignalIcon(balloon), "pic/signal-40.png"));
    balloon->SetSignalIcon(100);
    EXPECT_TRUE(SamePicture(SignalIcon(balloon), "pic/signal-100.png"));
    balloon->SetSignalIcon(0);
    EXPECT_TRUE(SamePicture(SignalIcon(balloon), "pic/signal-0.png"));
}

TEST_F(BalloonTest, BlackOfThePictureIsCutOutOfTheShownBalloon) {
    auto* balloon = new TaskBarBalloon(nullptr, "balloon");
    balloon->Show(true);
    RunEventLoopFor(300);
    const wxPoint at = balloon->GetScreenPosition();
    const wxImage picture = PictureLoader::Load("pic/balloon.png").ConvertToImage();
    ASSERT_EQ(picture.GetRed(0, 0) + picture.GetGreen(0, 0) + picture.GetBlue(0, 0), 0);
    EXPECT_EQ(ScreenPixel(at.x, at.y), kBackdrop);  // the corner is outside
    const wxColour middle = ScreenPixel(at.x + 20, at.y + 140);
    EXPECT_EQ(middle, wxColour(picture.GetRed(20, 140), picture.GetGreen(20, 140),
                               picture.GetBlue(20, 140)));
}

TEST_F(BalloonTest, WiredBalloonStandsWhereTheWirelessOneDoesWithoutASignalLine) {
    auto* wired = new TaskBarBalloonLAN(nullptr, "balloon");
    auto* wireless = new TaskBarBalloon(nullptr, "balloon");
    EXPECT_EQ(wired->GetPosition(), wireless->GetPosition());
    EXPECT_EQ(wired->GetSize(), PictureLoader::Load("pic/balloon_LAN.png").GetSize());
    wired->SetSuccessTip("Successfully Connected!");
    wired->SetType("Wired LAN");
    wired->SetSpeed("");
    wired->SetStatus("School");
    EXPECT_EQ(TextOf(wired, "ID_STATICTEXT_TYPE"), "Wired LAN");
    EXPECT_EQ(TextOf(wired, "ID_STATICTEXT_SPEED"), "");
    EXPECT_EQ(TextOf(wired, "ID_STATICTEXT_STATUS"), "School");
    EXPECT_EQ(TextOf(wired, "ID_STATICTEXT_SPEEDTIP"), "Speed:");
    EXPECT_EQ(wxWindow::FindWindowByName("ID_STATICTEXT_SIGNALQUALITYTIP", wired), nullptr);
    EXPECT_EQ(wxWindow::FindWindowByName("ID_STATICBITMAP_SIGNALQUALITY", wired), nullptr);
    EXPECT_EQ(wxWindow::FindWindowByName("ID_STATICTEXT_SIGNALQUALITY", wired), nullptr);
}

TEST_F(BalloonTest, AlreadyRunningBalloonSitsFifteenPixelsInAndWrapsItsMessage) {
    auto* balloon = new TWExistBalloon(nullptr);
    const wxRect area = wxGetClientDisplayRect();
    const wxRect at = balloon->GetRect();
    EXPECT_EQ(at.GetRight() + 1, area.GetRight() + 1 - 15);
    EXPECT_EQ(at.GetTop(), area.GetTop() + 15);
    EXPECT_EQ(at.GetSize(), PictureLoader::Load("pic/Shape_balloon.png").GetSize());

    wxStaticText* message = nullptr;
    for (wxWindow* child : balloon->GetChildren()) {
        if (auto* text = dynamic_cast<wxStaticText*>(child))
            message = text;
    }
    ASSERT_NE(message, nullptr);
    EXPECT_GT(message->GetLabelText().Freq('\n'), 0);  // wrapped into several lines
    wxString joined = message->GetLabelText();
    joined.Replace("\n", " ");
    EXPECT_EQ(joined, "Tidewave is running. You can click Tidewave tray icon to use it!");
    EXPECT_LE(message->GetRect().GetRight() + 1, at.GetWidth() - 10);
    EXPECT_EQ(message->GetForegroundColour(), wxColour(20, 80, 190));
}

TEST_F(BalloonTest, LongNamesBreakIntoLinesInsideThePictureAndShowWhole) {
    const wxString names[] = {"Riverside-Primary-School-Staff01", wxString::FromUTF8(LongValues::kSsid),
                              wxString::FromUTF8(LongValues::kProfileNameTwoByte)};
    for (const wxString& name : names) {
        // Filled as the tray fills them.
        auto* wireless = new TaskBarBalloon(nullptr, "balloon");
        wireless->SetSuccessTip("Successfully Connected!");
        wireless->SetType("Wireless LAN");
        wireless->SetSpeed("108.0Mbps");
        wireless->SetStatus(name);
        wireless->SetSignalQuality(100);
        auto* wired = new TaskBarBalloonLAN(nullptr, "balloon");
        wired->SetSuccessTip("Successfully Connected!");
        wired->SetType("Wired LAN");
        wired->SetSpeed("1000Mbps - Full Duplex");
        wired->SetStatus(name);
        auto* apply = new TWMApplyProfileBalloon(nullptr);
        apply->SetProfileName(name);
        const struct {
            wxBitmapDialog* balloon;
            const char* label;
            wxString text;
            const char* below;  // what stands under the text
        } balloons[] = {
            {wireless, "ID_STATICTEXT_STATUS", name, "ID_STATICTEXT_TYPETIP"},
            {wired, "ID_STATICTEXT_STATUS", name, "ID_STATICTEXT_TYPETIP"},
            {apply, "ID_STATICTEXT_PROFILENAME", "Applying profile " + name + "...", "ID_GAUGE_APPLYBALLOON"},
        };
        for (const auto& b : balloons) {
            b.balloon->Show(true);
            RunEventLoopFor(50);
            const wxString what = b.text + " in " + b.label;
            auto* label = dynamic_cast<wxStaticText*>(Child(b.balloon, b.label));
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(WithoutBreaks(Shown(label)), WithoutBreaks(b.text)) << what;
            EXPECT_LE(label->GetPosition().x + ShownWidth(label),
                      b.balloon->GetSize().GetWidth() - PictureTextFit::kFrameMargin)
                << what;
            EXPECT_GE(Child(b.balloon, b.below)->GetPosition().y, label->GetRect().GetBottom()) << what;
            EXPECT_EQ(b.balloon->GetSize(), b.balloon->GetBitmap().GetSize()) << what;
            const wxRect inside(wxPoint(0, 0), b.balloon->GetClientSize());
            for (wxWindow* child : b.balloon->GetChildren())
                EXPECT_TRUE(inside.Contains(child->GetRect())) << what << ": " << child->GetName();
            b.balloon->Destroy();
        }
    }
}

// At a start with the cable pulled the success balloon of the wireless
// profile shows, then the status check's first tick brings the start tip;
// an OK notice of the tray comes on top, and a pointer over the tray icon
// shows the balloon again.
TEST_F(BalloonTest, NoNoticeStandsOverAnotherOnesText) {
    auto* success = new TaskBarBalloon(nullptr, "balloon");
    success->SetSuccessTip("Successfully Connected!");
    success->SetStatus(wxString::FromUTF8(LongValues::kProfileName));  // a taller balloon
    success->Show(true);
    auto* tip = new TWExistBalloon(nullptr);
    tip->Show(true);
    auto* notice = new PopupConfirmDialog(nullptr, NoticeParts::LoadBackground(), wxID_ANY);
    notice->SetContentLine1("The network connection has been");
    notice->Show(true);
    RunEventLoopFor(200);
    success->Show(true);
    RunEventLoopFor(100);

    const wxRect area = wxGetClientDisplayRect();
    const std::pair<const char*, wxWindow*> shown[] = {{"success", success}, {"tip", tip}, {"notice", notice}};
    for (const auto& [name, window] : shown) {
        EXPECT_TRUE(window->IsShown()) << name;
        EXPECT_TRUE(area.Contains(window->GetScreenRect())) << name;
        for (const auto& [otherName, other] : shown) {
            if (other != window) {
                EXPECT_FALSE(window->GetScreenRect().Intersects(other->GetScreenRect())) << name << " on " << otherName;
            }
        }
    }
    EXPECT_EQ(success->GetScreenPosition(), ConnectionBalloonPlace()) << "the first keeps its place";
    EXPECT_EQ(tip->GetScreenRect().GetRight(), area.GetRight() - 15) << "the tip keeps its right edge";
    EXPECT_EQ(notice->GetScreenPosition().x, wxGetDisplaySize().GetWidth() - 247);
}

// The tray keeps its OK notice, hidden once answered, for the next switch
// report: the success balloon that comes after stands at its own place.
TEST_F(BalloonTest, AnAnsweredNoticePushesNoOtherAside) {
    auto* notice = new PopupConfirmDialog(nullptr, NoticeParts::LoadBackground(), wxID_ANY);
    notice->SetContentLine1("The network connection has been");
    notice->Show(true);
    ASSERT_TRUE(RunEventLoopUntil([&] { return notice->IsShownOnScreen(); }, 3000)) << "the notice never showed";
    wxWindow* ok = Child(notice, "ID_BTN_OK");
    ASSERT_TRUE(Pointer::Click(ok, wxPoint(10, ok->GetSize().GetHeight() / 2)));  // beside its word
    ASSERT_TRUE(RunEventLoopUntil([&] { return !notice->IsShown(); }, 3000)) << "OK left the notice on show";

    auto* success = new TaskBarBalloon(nullptr, "balloon");
    success->SetSuccessTip("Successfully Connected!");
    success->Show(true);
    ASSERT_TRUE(RunEventLoopUntil([&] { return success->IsShownOnScreen(); }, 3000)) << "the balloon never showed";
    EXPECT_FALSE(notice->IsBeingDeleted());
    const wxPoint at = success->GetScreenPosition();
    EXPECT_EQ(at, ConnectionBalloonPlace()) << "the balloon stands at " << at.x << ", " << at.y;
}
