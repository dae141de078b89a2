// Writes a PNG picture as a Windows icon file (ICO), as the windows that
// load ".ico" pictures expect:  tidewave_png_to_ico <in.png> <out.ico>
#include <cstdio>

#include <wx/image.h>
#include <wx/init.h>
#include <wx/log.h>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <in.png> <out.ico>\n", argv[0]);
        return 2;
    }
    wxInitializer wx;
    if (!wx.IsOk())
        return 1;
    wxLog::EnableLogging(false);
    wxImage::AddHandler(new wxPNGHandler);
    wxImage::AddHandler(new wxICOHandler);
    wxImage image;
    if (!image.LoadFile(wxString::FromUTF8(argv[1]), wxBITMAP_TYPE_PNG)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    if (!image.SaveFile(wxString::FromUTF8(argv[2]), wxBITMAP_TYPE_ICO)) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
