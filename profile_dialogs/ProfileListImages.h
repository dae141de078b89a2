#ifndef TIDEWAVE_PROFILELISTIMAGES_H
#define TIDEWAVE_PROFILELISTIMAGES_H

#include <wx/bitmap.h>
#include <wx/imaglist.h>

// The pictures of the profile manager's list: 16 x 16, with mask, in fixed
// places.  0 to 3 are the check boxes the check-box list shows by a row's
// state (unchecked, checked, greyed unchecked, greyed checked), 4 a plain
// white square for a profile without an icon, 5 to 12 the eight profile
// icons read from "pic/".  The boxes and the square are drawn here.
namespace ProfileListImages {

enum { NO_ICON = 4, FIRST_ICON = 5, ICON_COUNT = 8 };

// The pictures of the profile icons, in icon order.
extern const char* const kIconFiles[ICON_COUNT];

wxImageList* Create();
// The manager's window icon, 32 x 32.
wxBitmap WindowIcon();

}  // namespace ProfileListImages

#endif
