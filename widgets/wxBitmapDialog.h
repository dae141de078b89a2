#ifndef TIDEWAVE_WXBITMAPDIALOG_H
#define TIDEWAVE_WXBITMAPDIALOG_H

#include <wx/bitmap.h>
#include <wx/dialog.h>
#include <wx/frame.h>

#include "PictureTextFit.h"

// A borderless dialog made from a picture: it takes the picture's size,
// paints it as its background and takes its outline from it (black pixels,
// exactly (0, 0, 0), are cut away).  Always on top, no title bar, no taskbar
// entry; it reacts to no mouse or keyboard input of its own.  Whenever it is
// shown its texts are fitted to the picture (PictureTextFit): a long text
// breaks into lines and the window grows taller with its picture.
class wxBitmapDialog : public wxDialog {
public:
    static const long kStyle = wxBORDER_NONE | wxSTAY_ON_TOP | wxFRAME_SHAPED | wxFRAME_NO_TASKBAR;

    wxBitmapDialog(const wxBitmap& bitmap, wxWindow* parent, wxWindowID id, const wxString& title);
    wxBitmapDialog(const wxBitmap& bitmap, wxWindow* parent, const wxString& title);
    ~wxBitmapDialog() override;

    // The picture as shown, stretched to the texts.
    const wxBitmap& GetBitmap() const { return m_bitmap; }

    bool Show(bool show = true) override;
    // Fits the texts to the picture again (done by Show).
    void FitTexts();

    // The outline of a picture: every pixel that is not pure black.  Empty for
    // an invalid picture.
    static wxRegion ShapeOf(const wxBitmap& bitmap);

protected:
    // Called by Show once the texts are fitted, so the window has the size
    // it shows at: where it stands is up to it.  Nothing here.
    virtual void TakePlace() {}

    void OnCreate(wxWindowCreateEvent& event);
    void OnPaint(wxPaintEvent& event);

private:
    void Init();

    wxBitmap m_picture;
    wxBitmap m_bitmap;
    PictureTextFit m_fit;

    wxDECLARE_EVENT_TABLE();
};

#endif
