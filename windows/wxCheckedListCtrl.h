#ifndef TIDEWAVE_WXCHECKEDLISTCTRL_H
#define TIDEWAVE_WXCHECKEDLISTCTRL_H

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

    void Check(long item, bool checked);
    void EnableItem(long item, bool enable);
    void CheckAllItems(bool checked);
    void EnableAllItems(bool enable);
    bool IsChecked(long item) const;
    bool IsItemEnabled(long item) const;
    int CountCheckedItems() const;

    bool DeleteItem(long item);
    bool DeleteAllItems();

    void SetLockedItem(long item) { m_lockedItem = item; }

    bool Enable(bool enable = true) override;
    bool IsEnabled() const;

    static int GetImageForExtraState(int extra) { return CheckedListStates::GetImageForExtraState(extra); }
    static int TakeExtraState(long* state, long stateMask) {
        return CheckedListStates::TakeExtraState(state, stateMask);
    }
    wxColour GetBackgroundForExtraState(int extra) const;

    void OnMouseEvent(wxMouseEvent& event);

private:
    wxImageList m_checkImages;
    CheckedListStates m_extraStates;
    long m_lockedItem = -1;

    wxDECLARE_CLASS(wxCheckedListCtrl);
    wxDECLARE_EVENT_TABLE();
};

#endif
