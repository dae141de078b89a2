#include "WizardHeader.h"

#include <wx/filefn.h>
#include <wx/image.h>

#include "PictureLoader.h"
#include "SystemPaths.h"
#include "TWMUtil.h"

namespace WizardHeader {

wxBitmap Picture(const wxSize& size) {
    const wxBitmap picture = PictureLoader::LoadOrPanel("pic/step1.png", size);
    return wxBitmap(picture.ConvertToImage().Scale(size.x, size.y, wxIMAGE_QUALITY_NORMAL));
}

wxFont TitleFont() {
    return wxFont(13, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD, false, "Arial");
}

wxString HelpCommand(int pageLabel) {
    const wxString manual = TWMUtil::StdStringToWxString(
        SystemPaths::Fixed("/usr/share/TidewaveManager/Korvane_VRDA2.0_Tidewave_User_Manual_Ubuntu.pdf"));
    if (!wxFileExists(manual))
        return wxString();
    return wxString::Format("evince %s --page-label=%d", manual, pageLabel);
}

}  // namespace WizardHeader
