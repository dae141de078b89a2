#ifndef TIDEWAVE_WINDOWTEXTCUTTER_H
#define TIDEWAVE_WINDOWTEXTCUTTER_H

#include <wx/font.h>
#include <wx/string.h>

#include "AsciiWidthBound.h"

class wxWindow;

// Many texts cut to one window's font, as the rows of a list: the cut of
// WindowTextCut::Middle, but a text that surely fits (AsciiWidthBound) is
// given back whole without laying it out.
class WindowTextCutter {
public:
    explicit WindowTextCutter(const wxWindow& window);

    // What WindowTextCut::Middle(window, text, width) gives.  The widths of
    // characters measured for earlier texts serve until the window's font
    // changes.
    wxString Middle(const wxString& text, int width);

private:
    const wxWindow& m_window;
    wxFont m_font;  // the font the bound's widths were measured in
    AsciiWidthBound m_bound;
};

#endif
