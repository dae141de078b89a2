#include "wxBitmapDialog.h"

#include <wx/dcclient.h>
#include <wx/region.h>

wxBEGIN_EVENT_TABLE(wxBitmapDialog, wxDialog)
    EVT_WINDOW_CREATE(wxBitmapDialog::OnCreate)
    EVT_PAINT(wxBitmapDialog::OnPaint)
wxEND_EVENT_TABLE()

wxBitmapDialog::wxBitmapDialog(const wxBitmap& bitmap, wxWindow* parent, wxWindowID id,
                               const wxString& title)
    : wxDialog(parent, id, title, wxDefaultPosition, wxDefaultSize, kStyle, wxDialogNameStr),
      m_picture(bitmap),
      m_bitmap(bitmap) {
    Init();
}

wxBitmapDialog::wxBitmapDialog(const wxBitmap& bitmap, wxWindow* parent, const wxString& title)
    : wxBitmapDialog(bitmap, parent, wxID_ANY, title) {}

wxBitmapDialog::~wxBitmapDialog() = default;

void wxBitmapDialog::Init() {
    if (m_bitmap.IsOk())
        SetSize(m_bitmap.GetWidth(), m_bitmap.GetHeight());
}

bool wxBitmapDialog::Show(bool show) {
    if (show) {
        FitTexts();
        TakePlace();
    }
    return wxDialog::Show(show);
}

void wxBitmapDialog::FitTexts() {
    const wxBitmap fitted = m_fit.Fit(this, m_picture);
    // The picture only ever grows in height from the same source: the same
    // size is the same picture, and the outline already fits it.
    if (fitted.GetSize() == m_bitmap.GetSize())
        return;
    m_bitmap = fitted;
    SetShape(ShapeOf(m_bitmap));
    Refresh();
}

wxRegion wxBitmapDialog::ShapeOf(const wxBitmap& bitmap) {
    if (!bitmap.IsOk())
        return wxRegion();
    return wxRegion(bitmap, *wxBLACK, 0);
}

void wxBitmapDialog::OnCreate(wxWindowCreateEvent& event) {
    if (event.GetWindow() == this && m_bitmap.IsOk())
        SetShape(ShapeOf(m_bitmap));
    event.Skip();
}

void wxBitmapDialog::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    if (m_bitmap.IsOk())
        dc.DrawBitmap(m_bitmap, 0, 0, true);
}
