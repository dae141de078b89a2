#include <wx/frame.h>
#include <wx/imaglist.h>
#include <wx/scrolwin.h>
#include <wx/settings.h>

#include "WindowTestSupport.h"
#include "wxCheckedListCtrl.h"

namespace {

const long C = wxCheckedListCtrl::StateChecked;
const long E = wxCheckedListCtrl::StateEnabled;

class CheckedListTest : public GuiTest {
protected:
    void SetUp() override {
        frame = new wxFrame(nullptr, wxID_ANY, "list", wxDefaultPosition, wxSize(420, 340));
        list = new wxCheckedListCtrl(frame, wxID_ANY, wxPoint(10, 10), wxSize(384, 294),
                                     wxLC_REPORT | wxLC_SINGLE_SEL, wxDefaultValidator, "ID_PROFILELISTCTRL");
        // The owner's boxes: empty, ticked, greyed empty, greyed ticked.
        images = new wxImageList(16, 16, true, 4);
        for (const wxColour& c : {*wxWHITE, *wxBLACK, *wxLIGHT_GREY, wxColour(128, 128, 128)}) {
            wxImage box(16, 16);
            box.SetRGB(wxRect(0, 0, 16, 16), c.Red(), c.Green(), c.Blue());
            images->Add(wxBitmap(box));
        }
        list->SetImageList(images, wxIMAGE_LIST_SMALL);
        list->InsertColumn(0, "", wxLIST_FORMAT_LEFT, 24);
        list->InsertColumn(1, "Name", wxLIST_FORMAT_LEFT, 200);
        list->Bind(wxEVT_TW_CHECKEDLIST_TOGGLED, [this](wxListEvent& e) { toggled.push_back(e.GetIndex()); });
        frame->Show();
        RunEventLoopFor(50);
    }
    void TearDown() override {
        frame->Destroy();
        RunEventLoopFor(20);
        delete images;
        GuiTest::TearDown();
    }

    long AddRow(const wxString& name) {
        const long row = list->InsertItem(list->GetItemCount(), "", 7);
        list->SetItem(row, 1, name, -1);
        return row;
    }
    // The list's rows are drawn and clicked on a child window of its own.
    wxWindow* RowsWindow() {
        for (wxWindow* child : list->GetChildren()) {
            if (child->GetClassInfo()->IsKindOf(wxCLASSINFO(wxScrolledCanvas)))
                return child;
        }
        ADD_FAILURE() << "no rows window";
        return list;
    }
    int ImageOf(long row) {
        wxListItem info;
        info.SetId(row);
        info.SetMask(wxLIST_MASK_IMAGE);
        EXPECT_TRUE(list->GetItem(info));
        return info.GetImage();
    }
    // Clicks the row's check image (onImage) or its text, found with the
    // list's own hit test on the rows window.
    void Click(long row, bool onImage) {
        RunEventLoopFor(20);  // rows are laid out when the list is idle
        wxRect r;
        ASSERT_TRUE(list->GetItemRect(row, r));
        wxWindow* rows = RowsWindow();
        const int y = r.y + r.height / 2 - (rows->GetScreenPosition().y - list->GetScreenPosition().y);
        const int wanted = onImage ? wxLIST_HITTEST_ONITEMICON : wxLIST_HITTEST_ONITEMLABEL;
        for (int x = 0; x < 200; ++x) {
            int flags = 0;
            if (list->HitTest(wxPoint(x, y), flags) == row && (flags & wanted) != 0) {
                ClickAt(rows, wxPoint(x + 2, y));
                RunEventLoopFor(20);
                return;
            }
        }
        FAIL() << "no place on row " << row;
    }

    wxFrame* frame = nullptr;
    wxCheckedListCtrl* list = nullptr;
    wxImageList* images = nullptr;
    std::vector<long> toggled;
};

}  // namespace

TEST_F(CheckedListTest, RowsStartEnabledAndUncheckedOnWhiteWhateverImageIsAsked) {
    const long row = AddRow("School LAN");
    EXPECT_EQ(ImageOf(row), 0);
    EXPECT_TRUE(list->IsItemEnabled(row));
    EXPECT_FALSE(list->IsChecked(row));
    EXPECT_EQ(list->GetItemBackgroundColour(row), *wxWHITE);

    list->Enable(false);
    const long grey = AddRow("Library");
    list->Enable(true);  // no row is recoloured later
    EXPECT_EQ(list->GetItemBackgroundColour(grey), wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT));
}

TEST_F(CheckedListTest, InsertedRecordsTakeTheirBitsOnlyWhenTheMaskNamesEnabled) {
    const struct { long mask, state; int image; bool checked, enabled; } cases[] = {
        {C, C, 0, false, true},
        {C | E, C, 3, true, false},
        {C | E, C | E, 1, true, true},
    };
    for (const auto& c : cases) {
        wxListItem info;
        info.SetId(list->GetItemCount());
        info.SetMask(wxLIST_MASK_STATE | wxLIST_MASK_TEXT);
        info.SetStateMask(c.mask);
        info.SetState(c.state);
        const long row = list->InsertItem(info);
        EXPECT_EQ(ImageOf(row), c.image) << c.mask;
        EXPECT_EQ(list->IsChecked(row), c.checked);
        EXPECT_EQ(list->IsItemEnabled(row), c.enabled);
    }
}

TEST_F(CheckedListTest, EachRowKeepsItsBitsThroughInsertsDeletesAndCellTexts) {
    AddRow("X");
    AddRow("Y");
    list->Check(0, true);
    list->InsertItem(1, "Z", 0);
    EXPECT_TRUE(list->IsChecked(0));
    EXPECT_FALSE(list->IsChecked(1));
    EXPECT_FALSE(list->IsChecked(2));

    list->Check(2, true);
    ASSERT_TRUE(list->DeleteItem(1));
    EXPECT_EQ(list->GetItemCount(), 2);
    EXPECT_TRUE(list->IsChecked(1));

    list->EnableItem(1, false);
    EXPECT_EQ(ImageOf(1), 3);
    list->SetItem(1, 1, "renamed", 5);
    EXPECT_EQ(list->GetItemText(1, 1), "renamed");
    EXPECT_EQ(ImageOf(1), 3);
    wxListItem cell;  // a cell text never brings a check image into its column
    cell.SetId(1);
    cell.SetColumn(1);
    cell.SetMask(wxLIST_MASK_IMAGE);
    ASSERT_TRUE(list->wxListCtrl::GetItem(cell));
    EXPECT_EQ(cell.GetImage(), -1);
    EXPECT_TRUE(list->UpdateItemState(1, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED));
    EXPECT_EQ(ImageOf(1), 3);
    list->EnableItem(1, true);
    EXPECT_EQ(ImageOf(1), 1);
    EXPECT_EQ(list->GetItemBackgroundColour(1), *wxWHITE);
    EXPECT_EQ(list->CountCheckedItems(), 2);
}

TEST_F(CheckedListTest, CellsFollowTheirColumnsAndColoursOutlastMarkChanges) {
    AddRow("X");
    EXPECT_TRUE(list->SetItemColumnImage(0, 1, 5));
    EXPECT_FALSE(list->SetItemColumnImage(0, 0, 9));  // the check image stays
    EXPECT_EQ(ImageOf(0), 0);
    list->InsertColumn(1, "Before", wxLIST_FORMAT_LEFT, 40);
    EXPECT_EQ(list->GetItemText(0, 1), "");
    EXPECT_EQ(list->GetItemText(0, 2), "X");
    ASSERT_TRUE(list->DeleteColumn(1));
    EXPECT_EQ(list->GetItemText(0, 1), "X");
    wxListItem cell;
    cell.SetId(0);
    cell.SetColumn(1);
    cell.SetMask(wxLIST_MASK_IMAGE);
    ASSERT_TRUE(list->wxListCtrl::GetItem(cell));
    EXPECT_EQ(cell.GetImage(), 5);

    list->SetItemTextColour(0, *wxRED);
    list->Check(0, true);
    list->EnableItem(0, false);
    EXPECT_EQ(list->GetItemTextColour(0), *wxRED);
    EXPECT_EQ(list->GetItemBackgroundColour(0), wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT));
}

TEST_F(CheckedListTest, SetItemStateLeavesTheExtraBitsToCheck) {
    AddRow("X");
    EXPECT_TRUE(list->SetItemState(0, C, C));
    EXPECT_FALSE(list->IsChecked(0));
    EXPECT_TRUE(list->SetItemState(0, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED));
    EXPECT_EQ(list->GetItemState(0, wxLIST_STATE_SELECTED), wxLIST_STATE_SELECTED);
}

TEST_F(CheckedListTest, RowsOutOfRangeAreRefusedAndChangeNothing) {
    AddRow("X");
    list->Check(0, true);
    for (long row : {-1L, 1L, 50L}) {
        EXPECT_EQ(list->GetItemState(row, C), -1) << row;
        EXPECT_FALSE(list->IsChecked(row)) << row;
        EXPECT_FALSE(list->IsItemEnabled(row)) << row;
        EXPECT_FALSE(list->DeleteItem(row)) << row;
        EXPECT_FALSE(list->SetItemState(row, 0, wxLIST_STATE_SELECTED)) << row;
        EXPECT_FALSE(list->UpdateItemState(row, C, C)) << row;
        list->Check(row, false);
        list->EnableItem(row, false);
    }
    EXPECT_EQ(list->InsertItem(-1, "negative", 0), -1);
    // Far past the end the list puts the row last; its state goes there too.
    const long row = list->InsertItem(40, "far", 0);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(list->GetItemCount(), 2);
    EXPECT_TRUE(list->IsItemEnabled(1));
    EXPECT_TRUE(list->IsChecked(0));
}

TEST_F(CheckedListTest, AClickOnTheImageTogglesAfterwardsPostsAndSelects) {
    AddRow("X");
    AddRow("Y");
    Click(1, true);
    EXPECT_TRUE(list->IsChecked(1));
    EXPECT_EQ(toggled, std::vector<long>{1});
    EXPECT_EQ(list->GetItemState(1, wxLIST_STATE_SELECTED), wxLIST_STATE_SELECTED);
    Click(1, true);
    EXPECT_FALSE(list->IsChecked(1));
    EXPECT_EQ(toggled.size(), 2u);

    Click(0, false);  // the label only selects
    EXPECT_FALSE(list->IsChecked(0));
    EXPECT_EQ(list->GetItemState(0, wxLIST_STATE_SELECTED), wxLIST_STATE_SELECTED);
    list->SetWindowStyleFlag(list->GetWindowStyleFlag() | wxCheckedListCtrl::StyleToggleOnRow);
    Click(0, false);
    EXPECT_TRUE(list->IsChecked(0));

    ClickAt(RowsWindow(), wxPoint(100, 250));  // below the rows
    RunEventLoopFor(20);
    EXPECT_EQ(toggled.size(), 3u);
}

TEST_F(CheckedListTest, DisabledAndLockedRowsKeepTheirMarkOnAClick) {
    AddRow("X");
    AddRow("Y");
    list->Check(0, true);
    list->EnableItem(0, false);
    Click(0, true);
    EXPECT_TRUE(list->IsChecked(0));
    EXPECT_TRUE(toggled.empty());

    list->SetLockedItem(1);
    Click(1, true);
    EXPECT_TRUE(list->IsChecked(1));
    Click(1, true);
    EXPECT_TRUE(list->IsChecked(1));
    EXPECT_EQ(toggled.size(), 2u);

    // The lock stays with the index through a refill.
    ASSERT_TRUE(list->DeleteAllItems());
    AddRow("P");
    AddRow("Q");
    Click(1, true);
    Click(1, true);
    EXPECT_TRUE(list->IsChecked(1));
}
