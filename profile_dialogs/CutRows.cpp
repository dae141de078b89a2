#include "CutRows.h"

#include <algorithm>

#include <wx/window.h>

#include "WindowTextCut.h"
#include "WindowTextCutter.h"

CutRows::CutRows(wxWindow* list, RowAt rowAt) : m_list(list), m_rowAt(std::move(rowAt)), m_cutter(*list) {
    m_list->Bind(wxEVT_MOTION, &CutRows::OnMotion, this);
    m_list->Bind(wxEVT_LEAVE_WINDOW, &CutRows::OnLeave, this);
}

CutRows::~CutRows() {
    m_list->Unbind(wxEVT_MOTION, &CutRows::OnMotion, this);
    m_list->Unbind(wxEVT_LEAVE_WINDOW, &CutRows::OnLeave, this);
}

wxString CutRows::Fit(int row, const wxString& text, int width) {
    if (row < 0)
        return text;
    if (static_cast<size_t>(row) >= m_whole.size())
        Resize(row + 1);
    const wxString shown = m_cutter.Middle(text, width);
    m_whole[static_cast<size_t>(row)] = shown == text ? wxString() : text;
    return shown;
}

void CutRows::Resize(int rows) { m_whole.resize(static_cast<size_t>(std::max(rows, 0))); }

void CutRows::OnMotion(wxMouseEvent& event) {
    event.Skip();
    const int row = m_rowAt(event.GetPosition());
    WindowTextCut::ShowTip(*m_list, row >= 0 && static_cast<size_t>(row) < m_whole.size()
                                        ? m_whole[static_cast<size_t>(row)]
                                        : wxString());
}

void CutRows::OnLeave(wxMouseEvent& event) {
    event.Skip();
    WindowTextCut::ShowTip(*m_list, wxString());
}
