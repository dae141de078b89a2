#include "CutRows.h"

#include <algorithm>
#include <string>

#include <wx/window.h>

#include "TextFit.h"

CutRows::CutRows(wxWindow* list, RowAt rowAt) : m_list(list), m_rowAt(std::move(rowAt)) {
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
    const auto measure = [this](const std::string& part) {
        return m_list->GetTextExtent(wxString::FromUTF8(part)).x;
    };
    const wxString shown = wxString::FromUTF8(TextFit::MiddleCut(std::string(text.utf8_str()), width, measure));
    m_whole[static_cast<size_t>(row)] = shown == text ? wxString() : text;
    return shown;
}

void CutRows::Resize(int rows) { m_whole.resize(static_cast<size_t>(std::max(rows, 0))); }

void CutRows::OnMotion(wxMouseEvent& event) {
    event.Skip();
    const int row = m_rowAt(event.GetPosition());
    ShowTip(row >= 0 && static_cast<size_t>(row) < m_whole.size() ? m_whole[static_cast<size_t>(row)] : wxString());
}

void CutRows::OnLeave(wxMouseEvent& event) {
    event.Skip();
    ShowTip(wxString());
}

void CutRows::ShowTip(const wxString& tip) {
    if (tip == m_list->GetToolTipText())
        return;
    if (tip.empty())
        m_list->UnsetToolTip();
    else
        m_list->SetToolTip(tip);
}
