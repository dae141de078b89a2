#include "BalloonParts.h"

#include <wx/display.h>
#include <wx/window.h>

#include "CustomStaticText.h"
#include "NoticeParts.h"
#include "NoticePlacement.h"

CustomStaticText* BalloonParts::MakeText(wxWindow* parent, long id, const wxString& name,
                                         const wxString& label, const wxPoint& pos,
                                         const wxSize& size) {
    return new CustomStaticText(parent, static_cast<wxWindowID>(id), label, pos, size, 0, name);
}

CustomStaticText* BalloonParts::MakeHeadline(wxWindow* parent, long id, const wxString& name) {
    CustomStaticText* headline =
        MakeText(parent, id, name, wxEmptyString, wxPoint(35, 18), wxSize(200, 14));
    headline->SetForegroundColour(NoticeParts::HeadlineColour());
    headline->SetFont(NoticeParts::HeadlineFont());
    return headline;
}

void BalloonParts::Place(wxWindow* balloon) {
    balloon->Centre(wxBOTH);
    const wxRect area = wxGetClientDisplayRect();
    const NoticePlacement::Point at =
        NoticePlacement::ConnectionBalloon(area.GetX(), area.GetY(), area.GetWidth());
    balloon->Move(at.x, at.y);
}
