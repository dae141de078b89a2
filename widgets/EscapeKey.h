#ifndef TIDEWAVE_ESCAPEKEY_H
#define TIDEWAVE_ESCAPEKEY_H

class wxTopLevelWindow;

// Escape in a window with a close box asks the window to close, as the
// close box does, wherever the keyboard focus is inside it.  A frame has no
// Escape of its own; a dialog's own Escape presses its Cancel button, which
// is of no use here: where Cancel asks the window to close, the toolkit's
// close handling would press Cancel again and the window would stay, and a
// greyed Cancel would leave Escape dead while the close box still works.
// Escape with Shift, Ctrl or Alt held is left to the window, and Escape
// while a menu or a drop-down list of the window is open closes only that.
namespace EscapeKey {

void ClosesWindow(wxTopLevelWindow* window);

}  // namespace EscapeKey

#endif
