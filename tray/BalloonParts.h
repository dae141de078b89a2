#ifndef TIDEWAVE_BALLOONPARTS_H
#define TIDEWAVE_BALLOONPARTS_H

#include <wx/gdicmn.h>
#include <wx/string.h>

class CustomStaticText;
class wxWindow;

// Pieces shared by the wireless and wired connection balloons.
class BalloonParts {
public:
    // A balloon text with its id and the id's name as window name.
    static CustomStaticText* MakeText(wxWindow* parent, long id, const wxString& name,
                                      const wxString& label, const wxPoint& pos,
                                      const wxSize& size);
    // The bold blue headline.
    static CustomStaticText* MakeHeadline(wxWindow* parent, long id, const wxString& name);
    // Centred, then moved to its place near the work area's top right.
    static void Place(wxWindow* balloon);
};

#endif
