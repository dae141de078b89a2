#include "BalloonParts.h"

#include <wx/display.h>
#include <wx/window.h>

#include "CustomStaticText.h"
#include "NoticeBalloon.h"
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

void BalloonParts::Place(NoticeBalloon* balloon) {
    balloon->Centre(wxBOTH);
    const wxRect area = wxGetClientDisplayRect();
    const NoticePlacement::Point at =
        NoticePlacement::ConnectionBalloon(area.GetX(), area.GetY(), area.GetWidth());
    balloon->SetHome(wxPoint(at.x, at.y));
}

BalloonParts::ConnectionLines BalloonParts::MakeConnectionLines(wxWindow* parent, const ConnectionIds& ids) {
    ConnectionLines lines;
    lines.succTip = MakeHeadline(parent, ids.succTip, "ID_STATICTEXT_SUCCTIP");
    lines.typeTip =
        MakeText(parent, ids.typeTip, "ID_STATICTEXT_TYPETIP", _("Type:"), wxPoint(35, 72), wxSize(90, 14));
    lines.type = MakeText(parent, ids.type, "ID_STATICTEXT_TYPE", wxEmptyString, wxPoint(150, 72), wxSize(96, 14));
    lines.speedTip =
        MakeText(parent, ids.speedTip, "ID_STATICTEXT_SPEEDTIP", _("Speed:"), wxPoint(35, 96), wxSize(90, 14));
    lines.speed = MakeText(parent, ids.speed, "ID_STATICTEXT_SPEED", wxEmptyString, wxPoint(150, 96), wxSize(88, 14));
    lines.statusTip =
        MakeText(parent, ids.statusTip, "ID_STATICTEXT_STATUSTIP", _("Name:"), wxPoint(35, 48), wxSize(90, 14));
    lines.status =
        MakeText(parent, ids.status, "ID_STATICTEXT_STATUS", wxEmptyString, wxPoint(150, 48), wxSize(88, 14));
    return lines;
}
