#ifndef TIDEWAVE_AREATOOLTIP_H
#define TIDEWAVE_AREATOOLTIP_H

#include <functional>

#include <wx/gdicmn.h>
#include <wx/string.h>

class wxWindow;

// The tooltip of a window whose areas each name something of their own (the
// scan map's icons and labels over its picture).  Its text is asked for each
// time the toolkit looks for a tooltip, for the point under the pointer, and
// holds only for the area it came with: leaving that area hides it, and the
// next one shows beside the pointer, not where the last one stood.
class AreaTooltip {
public:
    // The text for a point of the screen, and the area of the screen it
    // holds for; empty text for no tooltip.
    using Lookup = std::function<wxString(const wxPoint& at, wxRect* area)>;

    AreaTooltip(wxWindow& window, Lookup lookup);
    ~AreaTooltip();
    AreaTooltip(const AreaTooltip&) = delete;
    AreaTooltip& operator=(const AreaTooltip&) = delete;

    // What lies under the pointer changed without the pointer moving: the
    // tooltip is asked for again, and hides or names what is there now.
    void Requery();
    // The pointer moved to a point of the screen.  Out of the shown text's
    // area the tooltip is asked for at once: the toolkit, on such a move,
    // hides the old text but shows the next one only on the move after.
    void Follow(const wxPoint& at);

    // The toolkit's question, for a point of the window's own widget.
    wxString TextAt(const wxPoint& widgetPoint, wxRect* widgetArea);

private:
    wxWindow& m_window;
    Lookup m_lookup;
    unsigned long m_handler = 0;
    // The screen area of the text last given; empty when none was.
    wxRect m_area;
};

#endif
