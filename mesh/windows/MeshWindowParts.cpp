#include "MeshWindowParts.h"

#include <wx/filefn.h>
#include <wx/image.h>
#include <wx/log.h>

#include "PictureLoader.h"
#include "ProgramFolder.h"

wxBitmap MeshWindowParts::ScaledPicture(const std::string& relative, int size) {
    const wxBitmap picture = PictureLoader::Load(relative);
    if (!picture.IsOk())
        return picture;
    return wxBitmap(picture.ConvertToImage().Scale(size, size, wxIMAGE_QUALITY_NORMAL));
}

wxBitmap MeshWindowParts::Picture(const std::string& relative) { return PictureLoader::Load(relative); }

wxIcon MeshWindowParts::Icon(const std::string& relative, wxBitmapType type) {
    const wxString path = wxString::FromUTF8(ProgramFolder::File(relative));
    wxIcon icon;
    if (!wxFileExists(path))
        return icon;
    if (wxImage::FindHandler(type) == nullptr)
        wxInitAllImageHandlers();
    wxLogNull quiet;  // a missing window icon is not reported
    icon.LoadFile(path, type);
    return icon;
}
