#include "WizardHeader.h"

#include <wx/image.h>

#include "PictureLoader.h"

namespace WizardHeader {

wxBitmap Picture(const wxSize& size) {
    const wxBitmap picture = PictureLoader::LoadOrPanel("pic/step1.png", size);
    return wxBitmap(picture.ConvertToImage().Scale(size.x, size.y, wxIMAGE_QUALITY_NORMAL));
}

wxFont TitleFont() {
    return wxFont(13, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD, false, "Arial");
}

}  // namespace WizardHeader
