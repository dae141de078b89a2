#ifndef TIDEWAVE_WXCHECKEDLISTCTRL_H
#define TIDEWAVE_WXCHECKEDLISTCTRL_H

#include <vector>

#include <wx/imaglist.h>
#include <wx/listctrl.h>

#include "CheckedListStates.h"

// A row was ticked or unticked by a click: posted to the control after the
// row's mark changed, with the control's id and the row's index.
wxDECLARE_EVENT(wxEVT_TW_CHECKEDLIST_TOGGLED, wxListEvent);

// A list control with a check box in front of every row.  Each row has two
// states of its own, checked and enabled, kept beside the list's item states
// and shown as the row's image in the first column (images 0 to 3 of the
// small-image list the owner installs: empty box, ticked box, greyed empty
// box, greyed ticked box).  A left click on the image of an enabled row
// toggles it; one row can be locked so that a click always leaves it
// checked.  The row operations here hide the list's own, so they work when
// the control is held by this type.  A row index outside the rows is refused
// (false or -1) and changes nothing.
//
// The rows' texts, column images and colours are kept here and the list
// draws them from here (a virtual list): filling a thousand rows measures no
// text.  The list keeps only the selection and focus, which stay at their
// indexes when a row is inserted before them; no item data is kept.
class wxCheckedListCtrl : public wxListCtrl {
public:
    enum : long {
        StateChecked = CheckedListStates::StateChecked,
        StateEnabled = CheckedListStates::StateEnabled,
        // Window style: a click anywhere on an enabled row toggles it.
        StyleToggleOnRow = 0x10000
    };

    wxCheckedListCtrl();
    wxCheckedListCtrl(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style,
                      const wxValidator& validator, const wxString& name);
    ~wxCheckedListCtrl() override;

    bool Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style,
                const wxValidator& validator, const wxString& name);

    long InsertItem(wxListItem& info);
    long InsertItem(long index, const wxString& label, int imageIndex);
    bool SetItem(wxListItem& info);
    bool SetItem(long index, int col, const wxString& label, int imageId);
    bool GetItem(wxListItem& info) const;
    long GetItemState(long item, long stateMask) const;
    bool SetItemState(long item, long state, long stateMask);
    bool UpdateItemState(long item, long state, long stateMask);

    void SetItemText(long item, const wxString& text);
    // Column 0 shows the row's check image: only other columns take one.
    bool SetItemColumnImage(long item, long column, int image);
    bool SetItemImage(long item, int image, int selImage = -1);
    void SetItemTextColour(long item, const wxColour& colour);
    wxColour GetItemTextColour(long item) const;
    void SetItemBackgroundColour(long item, const wxColour& colour);
    wxColour GetItemBackgroundColour(long item) const;
    void SetItemFont(long item, const wxFont& font);
    wxFont GetItemFont(long item) const;

    void Check(long item, bool checked);
    void EnableItem(long item, bool enable);
    void CheckAllItems(bool checked);
    void EnableAllItems(bool enable);
    bool IsChecked(long item) const;
    bool IsItemEnabled(long item) const;
    int CountCheckedItems() const;

    bool DeleteItem(long item);
    bool DeleteAllItems();
    bool DeleteColumn(int col) override;
    bool DeleteAllColumns() override;

    void SetLockedItem(long item) { m_lockedItem = item; }

    bool Enable(bool enable = true) override;
    bool IsEnabled() const;

    static int GetImageForExtraState(int extra) { return CheckedListStates::GetImageForExtraState(extra); }
    static int TakeExtraState(long* state, long stateMask) {
        return CheckedListStates::TakeExtraState(state, stateMask);
    }
    wxColour GetBackgroundForExtraState(int extra) const;

    void OnMouseEvent(wxMouseEvent& event);

protected:
    wxString OnGetItemText(long item, long column) const override;
    int OnGetItemImage(long item) const override;
    int OnGetItemColumnImage(long item, long column) const override;
    wxItemAttr* OnGetItemAttr(long item) const override;
    long DoInsertColumn(long col, const wxListItem& info) override;

private:
    // What a row shows besides its check image.
    struct Row {
        std::vector<wxString> texts;  // by column; missing ones are empty
        std::vector<int> images;      // by column; column 0's is never used
        wxItemAttr attr;
    };

    // Takes the text and the colours and font a record carries.
    void TakeCells(Row& row, const wxListItem& info) const;
    // Redraws a row when it is on screen.
    void Redraw(long item);
    // A row's colours and font; null outside the rows.
    const wxItemAttr* RowAttr(long item) const;
    wxItemAttr* RowAttr(long item);

    // The list's row count follows the rows kept here, and only here.
    using wxListCtrl::SetItemCount;

    wxImageList m_checkImages;
    CheckedListStates m_extraStates;
    std::vector<Row> m_rows;
    long m_lockedItem = -1;

    wxDECLARE_CLASS(wxCheckedListCtrl);
    wxDECLARE_EVENT_TABLE();
};

#endif
