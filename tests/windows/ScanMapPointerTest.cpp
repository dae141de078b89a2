// The scan window under a real pointer and wheel, with names of a network
// name's full 32 bytes.
#include <algorithm>
#include <memory>
#include <string>

#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/control.h>
#include <wx/dialog.h>
#include <wx/listctrl.h>
#include <wx/panel.h>
#include <wx/stattext.h>

#include "GaugeDialog.h"
#include "HubWindowTest.h"
#include "LayoutWalker.h"
#include "LongValues.h"
#include "ModalDialogAnswerer.h"
#include "Pointer.h"
#include "ScanNetworkDlg.h"
#include "sim/SimControl.h"

namespace {

// Where the map stays empty with the demo's networks: by its foot, above
// the Connect button.
const wxPoint kEmptyMap(345, 380);

const char* const kLongNames[] = {LongValues::kSsid, LongValues::kSsidTwoByte, "Riverside-Primary-School-Staff01",
                                  "Gym-Far-Corner-Changing-Rooms-01"};

class ScanMapPointerTest : public HubWindowTest {
protected:
    // The long names on the two nearest arcs and on the farthest, whose
    // labels the map's right edge cuts shorter.
    void ShowLongNames() {
        const int signals[] = {92, 78, 66, 7};
        std::string xml = "<world scanDelayMs=\"0\"><wireless up=\"1\"/>";
        for (int i = 0; i < 4; ++i)
            xml += std::string("<accessPoint ssid=\"") + kLongNames[i] + "\" bssid=\"00:1a:2b:3c:4d:0" +
                   std::to_string(i + 1) + "\" channel=\"165\" phy=\"n\" security=\"wpa-psk\" signal=\"" +
                   std::to_string(signals[i]) + "\"/>";
        ASSERT_TRUE(SimControl::ResetToXml(xml + "</world>"));
        ShowScanWindow(4);
    }
    wxWindow* LabelOf(const wxString& name) {
        const DetectedIcon* icon = Scan()->GetRecorder().GetIcon(static_cast<int>(RowOf(name)));
        return icon != nullptr ? icon->label : nullptr;
    }
    // No tooltip shows within twice the toolkit's hover delay, `stale` the
    // one feared.
    static void ExpectNoTooltip(const wxString& stale, const char* where) {
        const wxString shown = Pointer::WaitForTooltip(stale, 1000);
        EXPECT_TRUE(shown.empty()) << where << ": \"" << shown << "\" shows";
    }
    // The pointer onto a label: its whole name shows, beside the pointer
    // (within a pointer's height of it), not where an earlier tooltip stood.
    static void ExpectNameBesideThePointer(wxWindow* label, const wxString& name, const char* when) {
        ASSERT_NE(label, nullptr);
        ASSERT_TRUE(Pointer::MoveTo(label, wxPoint(20, label->GetSize().GetHeight() / 2)));
        ASSERT_EQ(Pointer::WaitForTooltip(name), name) << when;
        const wxRect tip = Pointer::TooltipRect();
        const wxPoint at = wxGetMousePosition();
        const int away = std::max({tip.GetLeft() - at.x, at.x - tip.GetRight(), tip.GetTop() - at.y,
                                   at.y - tip.GetBottom(), 0});
        EXPECT_LE(away, 32) << when << ": tooltip at " << tip.x << "," << tip.y << ", pointer at " << at.x << ","
                            << at.y;
    }
};

}  // namespace

TEST_F(ScanMapPointerTest, TheWholeNameShowsUnderThePointerOnACutLabelAndOnItsIcon) {
    ShowLongNames();
    // From one network's icon straight onto the next one's label, then off
    // the names onto the empty map.
    for (const char* name : kLongNames) {
        const wxString whole = wxString::FromUTF8(name);
        const DetectedIcon* icon = Scan()->GetRecorder().GetIcon(static_cast<int>(RowOf(whole)));
        ASSERT_NE(icon, nullptr);
        EXPECT_NE(icon->label->GetLabel(), whole) << "cut on the map";
        for (wxWindow* under : {static_cast<wxWindow*>(icon->label), static_cast<wxWindow*>(icon->button)}) {
            const wxSize size = under->GetSize();
            ASSERT_TRUE(Pointer::MoveTo(under, wxPoint(size.GetWidth() / 2, size.GetHeight() / 2)));
            EXPECT_EQ(Pointer::WaitForTooltip(whole), whole) << "on " << under->GetClassInfo()->GetClassName();
        }
    }
    ASSERT_TRUE(Pointer::MoveTo(Scan()->GetMap(), wxPoint(480, 390)));
    EXPECT_EQ(Pointer::WaitForTooltip(""), "");
}

TEST_F(ScanMapPointerTest, TheWheelSidewaysOrWithShiftScrollsTheDetailListItsHeadingsAlong) {
    ShowLongNames();
    ClickButton(Scan(), "ID_BUTTON_DETAIL");
    wxListCtrl* list = Scan()->GetList();
    // Where the rows stood when the heading row was last painted.
    auto paintedAt = std::make_shared<int>(0);
    for (wxWindow* child : list->GetChildren()) {
        if (child->GetName() == "wxlistctrlcolumntitles")
            child->Bind(wxEVT_PAINT, [list, paintedAt](wxPaintEvent& paint) {
                paint.Skip();
                list->GetViewStart(paintedAt.get(), nullptr);
            });
    }
    RunEventLoopFor(100);
    const auto viewStart = [list] {
        int x = 0;
        list->GetViewStart(&x, nullptr);
        return x;
    };
    // Under Shift, a turn down scrolls to the right and one up to the left,
    // as a sideways turn does; the rows fit the list's height.
    const struct { Pointer::Wheel turn; bool shift; bool right; } turns[] = {
        {Pointer::Wheel::Right, false, true}, {Pointer::Wheel::Down, true, true},
        {Pointer::Wheel::Down, true, true},   {Pointer::Wheel::Up, true, false},
        {Pointer::Wheel::Left, false, false},
    };
    const wxPoint middle(list->GetClientSize().GetWidth() / 2, list->GetClientSize().GetHeight() / 2);
    for (const auto& t : turns) {
        const int before = viewStart();
        ASSERT_TRUE(Pointer::Turn(list, middle, t.turn, t.shift));
        ASSERT_TRUE(RunEventLoopUntil([&] { return t.right ? viewStart() > before : viewStart() < before; }))
            << "turn " << static_cast<int>(t.turn) << (t.shift ? " with Shift" : "") << " from " << before;
        RunEventLoopUntil([&] { return *paintedAt == viewStart(); }, 2000);  // painted for where the rows stand
        // The columns fit their texts and headings, and the headings stand
        // over them.
        for (const std::string& finding : LayoutWalker::Check(Scan()))
            ADD_FAILURE() << "scrolled to " << viewStart() << ": " << finding;
    }
}

TEST_F(ScanMapPointerTest, AfterARebuildUnderAStillPointerTheTooltipNamesWhatIsThereNow) {
    ShowScanWindow();
    // Refresh from the keyboard over a network that left the air: the map
    // is empty where the pointer rests.
    wxWindow* library = LabelOf("Library-WEP");
    ASSERT_TRUE(Pointer::MoveTo(library, wxPoint(20, library->GetSize().GetHeight() / 2)));
    ASSERT_EQ(Pointer::WaitForTooltip("Library-WEP"), "Library-WEP");
    ASSERT_TRUE(SimControl::RemoveAccessPoint("Library-WEP"));
    ClickButton(Scan(), "ID_BUTTON_REFRESH");
    ASSERT_TRUE(RunEventLoopUntil(
        [&] { return Scan()->GetList()->GetItemCount() == 8 && !Scan()->GetGauge()->IsShown(); }));
    ExpectNoTooltip("Library-WEP", "over the empty map after the rescan");
    ExpectNameBesideThePointer(LabelOf("Cafeteria"), "Cafeteria", "after the rescan");

    // A click on a label and Connect from the keyboard: the map is rebuilt
    // with the network joined, its name still under the pointer.
    ASSERT_TRUE(Pointer::Click(LabelOf("Guest-Open"), wxPoint(20, 8)));
    ClickButton(Scan(), "ID_BUTTON_CONNECT");
    FinishConnection(true);
    ASSERT_EQ(Scan()->GetList()->GetItemText(RowOf("Guest-Open"), 4), "Yes");
    EXPECT_EQ(Pointer::WaitForTooltip("Guest-Open"), "Guest-Open") << "after the rebuild";
    ExpectNameBesideThePointer(LabelOf("Staff-Room"), "Staff-Room", "after the rebuild");
}

TEST_F(ScanMapPointerTest, AReopenedWindowShowsNoTooltipOfItsLastShowing) {
    ShowScanWindow();
    wxWindow* library = LabelOf("Library-WEP");
    ASSERT_TRUE(Pointer::MoveTo(library, wxPoint(20, library->GetSize().GetHeight() / 2)));
    ASSERT_EQ(Pointer::WaitForTooltip("Library-WEP"), "Library-WEP");
    // Cancel from the keyboard: the name goes with the window.
    ClickButton(Scan(), "ID_BUTTON_CANCEL");
    ASSERT_TRUE(RunEventLoopUntil([&] { return !Scan()->IsShown(); }));
    EXPECT_EQ(Pointer::Tooltip(), "") << "once the window is hidden";
    // The pointer to where the empty map will show again, and the window
    // reopened from the tray.
    ASSERT_TRUE(Pointer::MoveTo(Scan()->GetMap(), kEmptyMap));
    ShowScanWindow();
    ExpectNoTooltip("Library-WEP", "over the empty map of the reopened window");
    ExpectNameBesideThePointer(LabelOf("Cafeteria"), "Cafeteria", "in the reopened window");
}

TEST_F(ScanMapPointerTest, AfterANewProfileFromTheMapNoTooltipStaysOverTheEmptyMap) {
    factory.withEditor = true;
    factory.editor = [](wxWindow* parent, ProfileList_t&) {
        wxDialog editor(parent, wxID_ANY, "Edit Network Profile");
        new wxButton(&editor, wxID_OK, "OK", wxPoint(10, 10), wxSize(80, 30));
        editor.SetClientSize(100, 50);
        return editor.ShowModal() == wxID_OK;
    };
    ShowScanWindow();
    // A double click on the name joins the open network; the new profile
    // is made, and the editor's OK, clicked, stood over the empty map.
    wxWindow* guest = LabelOf("Guest-Open");
    ASSERT_TRUE(Pointer::Click(guest, wxPoint(20, guest->GetSize().GetHeight() / 2), true));
    const wxPoint okAt = Scan()->GetMap()->ClientToScreen(kEmptyMap);
    ModalDialogAnswerer::Get().Expect("Would you like to create a new profile", wxID_YES);
    RunWhenShown([okAt](wxDialog* editor) {
        wxWindow* ok = editor->FindWindow(wxID_OK);
        const wxPoint middle(40, 15);
        editor->Move(editor->GetPosition() + okAt - ok->ClientToScreen(middle));
        RunEventLoopUntil([&] { return ok->ClientToScreen(middle) == okAt; });
        Pointer::Click(ok, middle);
    });
    ModalDialogAnswerer::Get().Expect("Profile created successfully.", wxID_OK);
    FinishConnection(true);
    ASSERT_EQ(factory.editorRuns, 1);
    ASSERT_EQ(wxGetMousePosition(), okAt);
    ASSERT_EQ(wxControl::RemoveMnemonics(wxWindow::FindWindowByName("ID_BUTTON_CONNECT", Scan())->GetLabel()),
              "Disconnect");
    ExpectNoTooltip("Guest-Open", "over the empty map after the new profile");
    ExpectNameBesideThePointer(LabelOf("Cafeteria"), "Cafeteria", "after the new profile");
}
