#ifndef TIDEWAVE_POINTER_H
#define TIDEWAVE_POINTER_H

#include <wx/gdicmn.h>
#include <wx/string.h>

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

// The wheel's turns, as the X server numbers its buttons.
enum class Wheel { Up = 4, Down = 5, Left = 6, Right = 7 };
// One turn of the wheel at a point of `window`, with Shift held through it
// when asked, and the events it brought handled.
bool Turn(wxWindow* window, const wxPoint& at, Wheel turn, bool shift = false);

// The text of the tooltip the toolkit shows; empty while none shows.
wxString Tooltip();
// Where the tooltip shows, in screen coordinates; empty while none shows.
wxRect TooltipRect();
// Runs the event loop until the tooltip shown reads `text` (empty: until
// none shows), for up to `timeoutMs`; returns what it read last.
wxString WaitForTooltip(const wxString& text, int timeoutMs = 3000);

// A menu of the toolkit shows: a menu bar's, a text field's own or a
// drop-down list's.
bool MenuShown();

}  // namespace Pointer

#endif
