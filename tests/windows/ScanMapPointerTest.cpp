// The scan window under a real pointer and wheel, with names of a network
// name's full 32 bytes.
#include <memory>
#include <string>

#include <wx/bmpbuttn.h>
#include <wx/listctrl.h>
#include <wx/panel.h>
#include <wx/stattext.h>

#include "HubWindowTest.h"
#include "LayoutWalker.h"
#include "LongValues.h"
#include "Pointer.h"
#include "ScanNetworkDlg.h"
#include "sim/SimControl.h"

namespace {

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
