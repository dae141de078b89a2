#ifndef TIDEWAVE_POINTER_H
#define TIDEWAVE_POINTER_H

#include <wx/gdicmn.h>

class wxWindow;

// The pointer as a user moves it, through the X server: an event reaches
// whatever window really lies under it, as it would on a desktop.
namespace Pointer {

// Moves the pointer to a point of `window` (client coordinates); true once
// it stands there.
bool MoveTo(wxWindow* window, const wxPoint& at);
// A click, or a double click, at a point of `window`, and the events it
// brought handled; false when the pointer never got there.
bool Click(wxWindow* window, const wxPoint& at, bool doubleClick = false);

}  // namespace Pointer

#endif
