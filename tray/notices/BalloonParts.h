#ifndef TIDEWAVE_BALLOONPARTS_H
#define TIDEWAVE_BALLOONPARTS_H

#include <wx/gdicmn.h>
#include <wx/string.h>

class CustomStaticText;
class NoticeBalloon;
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
    // The headline and the name, type and speed lines that the wireless and
    // the wired balloon share, each with its id and the id's name.
    struct ConnectionIds {
        long succTip, typeTip, type, speedTip, speed, statusTip, status;
    };
    struct ConnectionLines {
        CustomStaticText *succTip, *typeTip, *type, *speedTip, *speed, *statusTip, *status;
    };
    static ConnectionLines MakeConnectionLines(wxWindow* parent, const ConnectionIds& ids);

    // Centred, then moved to its home near the work area's top right.
    static void Place(NoticeBalloon* balloon);
};

#endif
