#include "wxCheckedListCtrl.h"

#include <algorithm>

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
    if (!wxListCtrl::Create(parent, id, pos, size, style | wxLC_VIRTUAL, validator, name))
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

void wxCheckedListCtrl::TakeCells(Row& row, const wxListItem& info) const {
    const long col = info.GetColumn();
    if ((info.GetMask() & wxLIST_MASK_TEXT) != 0 && col >= 0) {
        if (row.texts.size() <= static_cast<size_t>(col))
            row.texts.resize(static_cast<size_t>(col) + 1);
        row.texts[static_cast<size_t>(col)] = info.GetText();
    }
    if (const wxItemAttr* attr = info.GetAttributes()) {
        if (attr->HasTextColour())
            row.attr.SetTextColour(attr->GetTextColour());
        if (attr->HasBackgroundColour())
            row.attr.SetBackgroundColour(attr->GetBackgroundColour());
        if (attr->HasFont())
            row.attr.SetFont(attr->GetFont());
    }
}

void wxCheckedListCtrl::Redraw(long item) { RefreshItem(item); }

long wxCheckedListCtrl::InsertItem(wxListItem& info) {
    long state = info.GetState();
    const bool hasState = (info.GetMask() & wxLIST_MASK_STATE) != 0;
    int extra = TakeExtraState(&state, info.m_stateMask);
    info.SetState(state);
    extra = CheckedListStates::BitsForInsert(extra, hasState, info.m_stateMask);

    // A negative index is refused; a higher one lands at the end.
    if (info.GetId() < 0 || info.GetColumn() < 0 || info.GetColumn() >= std::max(GetColumnCount(), 1))
        return -1;
    const long row = std::min<long>(info.GetId(), GetItemCount());
    Row cells;
    TakeCells(cells, info);
    cells.attr.SetBackgroundColour(GetBackgroundForExtraState(extra));
    m_rows.insert(m_rows.begin() + row, std::move(cells));
    m_extraStates.Insert(row, extra);
    wxListCtrl::SetItemCount(static_cast<long>(m_rows.size()));
    const long others = hasState ? info.m_stateMask & ~static_cast<long>(CheckedListStates::ExtraStates) : 0;
    if (others != 0)
        wxListCtrl::SetItemState(row, state, others);
    RefreshItems(row, GetItemCount() - 1);
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
    if (!m_extraStates.IsRow(row) || info.GetColumn() < 0 || info.GetColumn() >= GetColumnCount())
        return false;
    // No caller can set a check image this way, for any column.
    Row& cells = m_rows[static_cast<size_t>(row)];
    TakeCells(cells, info);
    if ((info.GetMask() & wxLIST_MASK_STATE) != 0) {
        long state = info.GetState();
        const int extra = m_extraStates.Merge(row, TakeExtraState(&state, info.m_stateMask), info.m_stateMask);
        m_extraStates.Set(row, extra);
        cells.attr.SetBackgroundColour(GetBackgroundForExtraState(extra));
        const long others = info.m_stateMask & ~static_cast<long>(CheckedListStates::ExtraStates);
        if (others != 0)
            wxListCtrl::SetItemState(row, state, others);
    }
    Redraw(row);
    return true;
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

void wxCheckedListCtrl::SetItemText(long item, const wxString& text) { SetItem(item, 0, text, -1); }

bool wxCheckedListCtrl::SetItemColumnImage(long item, long column, int image) {
    if (!m_extraStates.IsRow(item) || column <= 0 || column >= GetColumnCount())
        return false;
    std::vector<int>& images = m_rows[static_cast<size_t>(item)].images;
    if (images.size() <= static_cast<size_t>(column))
        images.resize(static_cast<size_t>(column) + 1, -1);
    images[static_cast<size_t>(column)] = image;
    Redraw(item);
    return true;
}

bool wxCheckedListCtrl::SetItemImage(long item, int image, int) { return SetItemColumnImage(item, 0, image); }

const wxItemAttr* wxCheckedListCtrl::RowAttr(long item) const {
    return m_extraStates.IsRow(item) ? &m_rows[static_cast<size_t>(item)].attr : nullptr;
}

wxItemAttr* wxCheckedListCtrl::RowAttr(long item) {
    return m_extraStates.IsRow(item) ? &m_rows[static_cast<size_t>(item)].attr : nullptr;
}

void wxCheckedListCtrl::SetItemTextColour(long item, const wxColour& colour) {
    if (wxItemAttr* attr = RowAttr(item)) {
        attr->SetTextColour(colour);
        Redraw(item);
    }
}

wxColour wxCheckedListCtrl::GetItemTextColour(long item) const {
    const wxItemAttr* attr = RowAttr(item);
    return attr != nullptr && attr->HasTextColour() ? attr->GetTextColour() : wxNullColour;
}

void wxCheckedListCtrl::SetItemBackgroundColour(long item, const wxColour& colour) {
    if (wxItemAttr* attr = RowAttr(item)) {
        attr->SetBackgroundColour(colour);
        Redraw(item);
    }
}

wxColour wxCheckedListCtrl::GetItemBackgroundColour(long item) const {
    const wxItemAttr* attr = RowAttr(item);
    return attr != nullptr && attr->HasBackgroundColour() ? attr->GetBackgroundColour() : wxNullColour;
}

void wxCheckedListCtrl::SetItemFont(long item, const wxFont& font) {
    if (wxItemAttr* attr = RowAttr(item)) {
        attr->SetFont(font);
        Redraw(item);
    }
}

wxFont wxCheckedListCtrl::GetItemFont(long item) const {
    const wxItemAttr* attr = RowAttr(item);
    return attr != nullptr && attr->HasFont() ? attr->GetFont() : wxNullFont;
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
    // The list reads the row while it deletes it.
    if (!m_extraStates.IsRow(item) || !wxListCtrl::DeleteItem(item))
        return false;
    m_rows.erase(m_rows.begin() + item);
    m_extraStates.Remove(item);
    return true;
}

bool wxCheckedListCtrl::DeleteAllItems() {
    if (!wxListCtrl::DeleteAllItems())
        return false;
    m_rows.clear();
    m_extraStates.Clear();
    return true;
}

long wxCheckedListCtrl::DoInsertColumn(long col, const wxListItem& info) {
    const long inserted = wxListCtrl::DoInsertColumn(col, info);
    if (inserted < 0)
        return inserted;
    const size_t at = static_cast<size_t>(inserted);
    for (Row& row : m_rows) {
        if (row.texts.size() > at)
            row.texts.insert(row.texts.begin() + inserted, wxString());
        if (row.images.size() > at)
            row.images.insert(row.images.begin() + inserted, -1);
    }
    return inserted;
}

bool wxCheckedListCtrl::DeleteColumn(int col) {
    if (!wxListCtrl::DeleteColumn(col))
        return false;
    const size_t at = static_cast<size_t>(col);
    for (Row& row : m_rows) {
        if (row.texts.size() > at)
            row.texts.erase(row.texts.begin() + col);
        if (row.images.size() > at)
            row.images.erase(row.images.begin() + col);
    }
    return true;
}

bool wxCheckedListCtrl::DeleteAllColumns() {
    if (!wxListCtrl::DeleteAllColumns())
        return false;
    for (Row& row : m_rows) {
        row.texts.clear();
        row.images.clear();
    }
    return true;
}

wxString wxCheckedListCtrl::OnGetItemText(long item, long column) const {
    if (!m_extraStates.IsRow(item) || column < 0)
        return wxString();
    const std::vector<wxString>& texts = m_rows[static_cast<size_t>(item)].texts;
    return static_cast<size_t>(column) < texts.size() ? texts[static_cast<size_t>(column)] : wxString();
}

int wxCheckedListCtrl::OnGetItemImage(long item) const {
    const int extra = m_extraStates.Get(item);
    return extra < 0 ? -1 : GetImageForExtraState(extra);
}

int wxCheckedListCtrl::OnGetItemColumnImage(long item, long column) const {
    if (column == 0)
        return OnGetItemImage(item);
    if (!m_extraStates.IsRow(item) || column < 0)
        return -1;
    const std::vector<int>& images = m_rows[static_cast<size_t>(item)].images;
    return static_cast<size_t>(column) < images.size() ? images[static_cast<size_t>(column)] : -1;
}

wxItemAttr* wxCheckedListCtrl::OnGetItemAttr(long item) const {
    // The list only reads through the pointer it is handed.
    wxItemAttr* attr = const_cast<wxItemAttr*>(RowAttr(item));
    return attr != nullptr && !attr->IsDefault() ? attr : nullptr;
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
