#ifndef TIDEWAVE_MESHWINDOWPARTS_H
#define TIDEWAVE_MESHWINDOWPARTS_H

#include <string>

#include <wx/bitmap.h>
#include <wx/icon.h>

// Pictures of the mesh windows, from "pic/" in the program folder.
class MeshWindowParts {
public:
    // The picture scaled to size x size (normal quality); invalid when the
    // file is missing.
    static wxBitmap ScaledPicture(const std::string& relative, int size);
    // The picture at its own size, its format told by its content.
    static wxBitmap Picture(const std::string& relative);
    // The window icon from a PNG or ICO file; invalid when it is missing.
    static wxIcon Icon(const std::string& relative, wxBitmapType type);
};

#endif
