#include "wxCheckedListCtrl.h"

#include <wx/settings.h>

wxDEFINE_EVENT(wxEVT_TW_CHECKEDLIST_TOGGLED, wxListEvent);

wxIMPLEMENT_CLASS(wxCheckedListCtrl, wxListCtrl);

wxBEGIN_EVENT_TABLE(wxCheckedListCtrl, wxListCtrl)
    EVT_LEFT_DOWN(wxCheckedListCtrl::OnMouseEvent)
wxEND_EVENT_TABLE()

wxCheckedListCtrl::wxCheckedListCtrl() : m_checkImages(16, 16, true, 1) {}

wxCheckedListCtrl::wxCheckedListCtrl(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                                     long style, const wxValidator& validator, const wxString& name)
    : m_checkImages(16, 16, true, 1) {
    Create(parent, id, pos, size, style, validator, name);
}

wxCheckedListCtrl::~wxCheckedListCtrl() {
    // The list must not draw from the image list once it is gone.
    if (GetImageList(wxIMAGE_LIST_SMALL) == &m_checkImages)
        SetImageList(nullptr, wxIMAGE_LIST_SMALL);
}

bool wxCheckedListCtrl::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                               long style, const wxValidator& validator, const wxString& name) {
    if (!wxListCtrl::Create(parent, id, pos, size, style, validator, name))
        return false;
    SetImageList(&m_checkImages, wxIMAGE_LIST_SMALL);
    m_lockedItem = -1;
    return true;
}

wxColour wxCheckedListCtrl::GetBackgroundForExtraState(int extra) const {
    if ((extra & StateEnabled) != 0 && IsEnabled())
        return *wxWHITE;
    return wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT);
}

long wxCheckedListCtrl::InsertItem(wxListItem& info) {
    long state = info.GetState();
    const bool hasState = (info.GetMask() & wxLIST_MASK_STATE) != 0;
    int extra = TakeExtraState(&state, info.m_stateMask);
    info.SetState(state);
    extra = CheckedListStates::BitsForInsert(extra, hasState, info.m_stateMask);

    // The toolkit refuses a negative index; a higher one lands at the end.
    if (info.GetId() < 0)
        return -1;
    info.SetMask(info.GetMask() | wxLIST_MASK_IMAGE);
    info.SetImage(GetImageForExtraState(extra));
    info.SetBackgroundColour(GetBackgroundForExtraState(extra));

    const long row = wxListCtrl::InsertItem(info);
    // The state goes where the list put the row (nowhere when it put none).
    m_extraStates.Insert(row, extra);
    return row;
}

long wxCheckedListCtrl::InsertItem(long index, const wxString& label, int) {
    wxListItem info;
    info.SetMask(wxLIST_MASK_TEXT);
    info.SetId(index);
    info.SetColumn(0);
    info.SetText(label);
    return InsertItem(info);
}

bool wxCheckedListCtrl::SetItem(wxListItem& info) {
    const long row = info.GetId();
    if (!m_extraStates.IsRow(row))
        return false;
    if ((info.GetMask() & wxLIST_MASK_STATE) == 0) {
        // No caller can set a check image this way, for any column.
        info.SetMask(info.GetMask() & ~wxLIST_MASK_IMAGE);
        return wxListCtrl::SetItem(info);
    }
    // Setting the state marks the record as carrying one, so it is done
    // only for records that already do.
    long state = info.GetState();
    int extra = TakeExtraState(&state, info.m_stateMask);
    info.SetState(state);
    extra = m_extraStates.Merge(row, extra, info.m_stateMask);
    info.SetMask(info.GetMask() | wxLIST_MASK_IMAGE);
    info.SetImage(GetImageForExtraState(extra));
    info.SetTextColour(GetItemTextColour(row));
    info.SetFont(GetItemFont(row));
    info.SetBackgroundColour(GetBackgroundForExtraState(extra));
    m_extraStates.Set(row, extra);
    return wxListCtrl::SetItem(info);
}

bool wxCheckedListCtrl::SetItem(long index, int col, const wxString& label, int) {
    wxListItem info;
    info.SetMask(wxLIST_MASK_TEXT);
    info.SetId(index);
    info.SetColumn(col);
    info.SetText(label);
    return SetItem(info);
}

bool wxCheckedListCtrl::GetItem(wxListItem& info) const {
    const wxListItem request = info;
    const int extra = m_extraStates.Get(request.GetId());
    if (extra < 0)
        return false;
    if (!wxListCtrl::GetItem(info))
        return false;
    if ((request.GetMask() & wxLIST_MASK_STATE) != 0) {
        for (long bit : {static_cast<long>(StateChecked), static_cast<long>(StateEnabled)}) {
            if ((request.m_stateMask & bit) == 0)
                continue;
            info.SetStateMask(info.m_stateMask | bit);
            info.SetState(info.GetState() | (extra & bit));
            info.SetMask(info.GetMask() | wxLIST_MASK_STATE);
        }
    }
    return true;
}

long wxCheckedListCtrl::GetItemState(long item, long stateMask) const {
    wxListItem info;
    info.SetMask(wxLIST_MASK_STATE);
    info.SetId(item);
    info.SetStateMask(stateMask);
    if (!GetItem(info))
        return -1;
    return info.GetState() & info.m_stateMask;
}

bool wxCheckedListCtrl::SetItemState(long item, long state, long stateMask) {
    if (!m_extraStates.IsRow(item))
        return false;
    return wxListCtrl::SetItemState(item, state, stateMask);
}

bool wxCheckedListCtrl::UpdateItemState(long item, long state, long stateMask) {
    wxListItem info;
    info.SetMask(wxLIST_MASK_STATE);
    info.SetId(item);
    info.SetColumn(0);
    info.SetState(state);
    info.SetStateMask(stateMask);
    return SetItem(info);
}

void wxCheckedListCtrl::Check(long item, bool checked) {
    UpdateItemState(item, checked ? long{StateChecked} : 0L, StateChecked);
}

void wxCheckedListCtrl::EnableItem(long item, bool enable) {
    UpdateItemState(item, enable ? long{StateEnabled} : 0L, StateEnabled);
}

void wxCheckedListCtrl::CheckAllItems(bool checked) {
    for (long i = 0; i < GetItemCount(); ++i)
        Check(i, checked);
}

void wxCheckedListCtrl::EnableAllItems(bool enable) {
    for (long i = 0; i < GetItemCount(); ++i)
        EnableItem(i, enable);
}

// An unreadable row answers -1; it counts as neither checked nor enabled.
bool wxCheckedListCtrl::IsChecked(long item) const { return GetItemState(item, StateChecked) > 0; }

bool wxCheckedListCtrl::IsItemEnabled(long item) const { return GetItemState(item, StateEnabled) > 0; }

int wxCheckedListCtrl::CountCheckedItems() const {
    int count = 0;
    for (long i = 0; i < GetItemCount(); ++i) {
        if (IsChecked(i))
            ++count;
    }
    return count;
}

bool wxCheckedListCtrl::DeleteItem(long item) {
    if (!m_extraStates.IsRow(item) || !wxListCtrl::DeleteItem(item))
        return false;
    m_extraStates.Remove(item);
    return true;
}

bool wxCheckedListCtrl::DeleteAllItems() {
    if (!wxListCtrl::DeleteAllItems())
        return false;
    m_extraStates.Clear();
    return true;
}

bool wxCheckedListCtrl::Enable(bool enable) { return wxListCtrl::Enable(enable); }

bool wxCheckedListCtrl::IsEnabled() const { return wxListCtrl::IsEnabled(); }

void wxCheckedListCtrl::OnMouseEvent(wxMouseEvent& event) {
    event.Skip();  // the list goes on to select and focus the row
    if (!event.LeftDown())
        return;
    int flags = 0;
    const long row = HitTest(event.GetPosition(), flags);
    if (row == -1 || !IsItemEnabled(row))
        return;
    const bool onImage = (flags & wxLIST_HITTEST_ONITEMICON) != 0;
    const bool onRow = (GetWindowStyleFlag() & StyleToggleOnRow) != 0 && (flags & wxLIST_HITTEST_ONITEM) != 0;
    if (!onImage && !onRow)
        return;

    Check(row, row == m_lockedItem || !IsChecked(row));
    wxListEvent toggled(wxEVT_TW_CHECKEDLIST_TOGGLED, GetId());
    toggled.SetEventObject(this);
    toggled.m_itemIndex = row;
    AddPendingEvent(toggled);
}
