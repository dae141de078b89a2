#ifndef TIDEWAVE_NOTICESTACK_H
#define TIDEWAVE_NOTICESTACK_H

#include <wx/gdicmn.h>

class wxWindow;

// The tray's notices (connection balloons, the start tip, the Yes/No and OK
// notices) take their places on the screen through here, each just before
// it shows, so that none stands over another one's text: a notice whose own
// place is taken stands below the notices there (NoticePlacement::Clear).
class NoticeStack {
public:
    // Moves `notice` to `home`, or where it covers no other notice on show.
    // From now until it is destroyed, `notice` counts among the notices.
    static void Place(wxWindow* notice, const wxPoint& home);
};

#endif
