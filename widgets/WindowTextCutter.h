#ifndef TIDEWAVE_WINDOWTEXTCUTTER_H
#define TIDEWAVE_WINDOWTEXTCUTTER_H

#include <functional>

#include <wx/font.h>
#include <wx/string.h>

#include "AsciiWidthBound.h"

class wxWindow;

// Many texts cut to one window's font, as the rows of a list: the cut of
// WindowTextCut::Middle, but a text that surely fits (AsciiWidthBound) is
// given back whole without laying it out.
class WindowTextCutter {
public:
    explicit WindowTextCutter(wxWindow& window);
    ~WindowTextCutter();
    WindowTextCutter(const WindowTextCutter&) = delete;
    WindowTextCutter& operator=(const WindowTextCutter&) = delete;

    // What WindowTextCut::Middle(window, text, width) gives.  The widths of
    // characters measured for earlier texts serve while the window's text
    // measures as it did: until its font or the resolution its text is laid
    // out for (the desktop's text scaling) changes.
    wxString Middle(const wxString& text, int width);

    // Calls `changed` from the event loop after a change of the desktop's
    // text scaling made the window's text measure otherwise than it did at
    // the last cut, so that its texts can be cut again.  A font set on the
    // window calls nothing: its setter knows.
    void OnMeasureChange(std::function<void()> changed);

private:
    // What a text's width depends on besides the text.
    struct Measure {
        wxFont font;
        double resolution = 0;  // dots per inch
        bool operator!=(const Measure& other) const {
            return font != other.font || resolution != other.resolution;
        }
    };
    Measure Current() const;
    static void StyleUpdated(void* widget, WindowTextCutter* self);

    wxWindow& m_window;
    Measure m_measure;  // what the bound's widths were measured in
    AsciiWidthBound m_bound;
    std::function<void()> m_changed;
    unsigned long m_handler = 0;  // the toolkit's signal handler, 0 for none
};

#endif
