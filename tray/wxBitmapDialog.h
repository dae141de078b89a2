#ifndef TIDEWAVE_WXBITMAPDIALOG_H
#define TIDEWAVE_WXBITMAPDIALOG_H

#include <wx/bitmap.h>
#include <wx/dialog.h>
#include <wx/frame.h>

// A borderless dialog made from a picture: it takes the picture's size,
// paints it as its background and takes its outline from it (black pixels,
// exactly (0, 0, 0), are cut away).  Always on top, no title bar, no taskbar
// entry; it reacts to no mouse or keyboard input of its own.
class wxBitmapDialog : public wxDialog {
public:
    static const long kStyle = wxBORDER_NONE | wxSTAY_ON_TOP | wxFRAME_SHAPED | wxFRAME_NO_TASKBAR;

    wxBitmapDialog(const wxBitmap& bitmap, wxWindow* parent, wxWindowID id, const wxString& title);
    wxBitmapDialog(const wxBitmap& bitmap, wxWindow* parent, const wxString& title);
    ~wxBitmapDialog() override;

    const wxBitmap& GetBitmap() const { return m_bitmap; }

    // The outline of a picture: every pixel that is not pure black.  Empty for
    // an invalid picture.
    static wxRegion ShapeOf(const wxBitmap& bitmap);

protected:
    void OnCreate(wxWindowCreateEvent& event);
    void OnPaint(wxPaintEvent& event);

private:
    void Init();

    wxBitmap m_bitmap;

    wxDECLARE_EVENT_TABLE();
};

#endif
