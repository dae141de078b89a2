#ifndef TIDEWAVE_KEYBOARD_H
#define TIDEWAVE_KEYBOARD_H

#include <wx/string.h>

class wxWindow;

// The keyboard as a user presses it, through the X server: a key reaches
// the window that holds the keyboard focus, as it would on a desktop.
namespace Keyboard {

// One key pressed and released (a key code: WXK_ESCAPE, WXK_RETURN, 'a')
// where the focus is, with the `modifiers` (wxMOD_SHIFT, ...) held down
// through it, and the events it brought handled.
void Press(int key, int modifiers = wxMOD_NONE);
// The same into `window`: the focus is put there first, its top-level
// window made the active one (as a click on it would).
void Press(wxWindow* window, int key, int modifiers = wxMOD_NONE);
// Printable ASCII text, key by key, to wherever the focus is.
void Type(const wxString& text);

}  // namespace Keyboard

#endif
