#include "PictureLoader.h"

#include <cstdio>

#include <wx/dcmemory.h>
#include <wx/filefn.h>
#include <wx/image.h>
#include <wx/log.h>

#include "ProgramFolder.h"

wxBitmap PictureLoader::Load(const std::string& relative) {
    const wxString path = wxString::FromUTF8(ProgramFolder::File(relative));
    if (!wxFileExists(path))
        return wxBitmap();
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr)
        wxInitAllImageHandlers();
    wxImage image;
    {
        wxLogNull quiet;  // an unreadable file is answered by the result
        if (!image.LoadFile(path, wxBITMAP_TYPE_ANY))
            return wxBitmap();
    }
    return wxBitmap(image);
}

wxBitmap PictureLoader::LoadOrPanel(const std::string& relative, const wxSize& fallbackSize) {
    wxBitmap bitmap = Load(relative);
    if (bitmap.IsOk())
        return bitmap;
    std::fprintf(stderr, "Tidewave: picture %s is missing or unreadable\n",
                 ProgramFolder::File(relative).c_str());
    wxBitmap panel(fallbackSize.GetWidth(), fallbackSize.GetHeight());
    wxMemoryDC dc(panel);
    dc.SetBackground(wxBrush(wxColour(240, 244, 250)));
    dc.Clear();
    dc.SetPen(wxPen(wxColour(70, 110, 170)));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(0, 0, fallbackSize.GetWidth(), fallbackSize.GetHeight());
    dc.SelectObject(wxNullBitmap);
    return panel;
}
