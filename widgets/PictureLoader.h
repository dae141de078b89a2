#ifndef TIDEWAVE_PICTURELOADER_H
#define TIDEWAVE_PICTURELOADER_H

#include <string>

#include <wx/bitmap.h>
#include <wx/gdicmn.h>

// Reads the program's pictures ("pic/...") from the program folder.
class PictureLoader {
public:
    // The picture as a bitmap of screen depth, or an invalid bitmap when the
    // file is missing or unreadable.
    static wxBitmap Load(const std::string& relative);

    // As Load, but a missing picture is replaced by a plain light panel of
    // `fallbackSize` with a thin border, so that a window built on it keeps
    // its size, outline and legible texts.  The missing file is named on
    // standard error.
    static wxBitmap LoadOrPanel(const std::string& relative, const wxSize& fallbackSize);
};

#endif
