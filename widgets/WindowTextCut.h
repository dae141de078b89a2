#ifndef TIDEWAVE_WINDOWTEXTCUT_H
#define TIDEWAVE_WINDOWTEXTCUT_H

#include <wx/string.h>

class wxWindow;

// Texts that may be wider than the control showing them (a profile name, a
// program's path): cut in the middle in the control's own font, and given
// whole in the control's tooltip.
class WindowTextCut {
public:
    // `text` whole when it fits `width` pixels of `window`'s font, else cut
    // in the middle with "…" (TextFit::MiddleCut).
    static wxString Middle(const wxWindow& window, const wxString& text, int width);
    // Makes `tip` the window's tooltip, or takes the tooltip away when `tip`
    // is empty; a tooltip that is already `tip` is left as it is, so that
    // one on show does not flicker.
    static void ShowTip(wxWindow& window, const wxString& tip);
};

#endif
