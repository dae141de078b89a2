#include "TWExistBalloon.h"

#include <wx/display.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "NoticePlacement.h"
#include "PictureLoader.h"

wxBEGIN_EVENT_TABLE(TWExistBalloon, NoticeBalloon)
wxEND_EVENT_TABLE()

TWExistBalloon::TWExistBalloon(wxWindow* parent)
    : NoticeBalloon(PictureLoader::LoadOrPanel("pic/Shape_balloon.png", PictureSize()), parent,
                     wxEmptyString) {
    m_pTipIcon = new wxStaticBitmap(this, wxID_ANY, PictureLoader::Load("pic/tip.png"),
                                    wxPoint(10, 15), wxDefaultSize, 0);
    m_pMessageText = new wxStaticText(
        this, wxID_ANY, _("Tidewave is running. You can click Tidewave tray icon to use it!"),
        wxPoint(55, 10), wxDefaultSize, 0);
    m_pMessageText->SetForegroundColour(wxColour(20, 80, 190));

    const wxSize size = GetSize();
    m_pMessageText->Wrap(size.GetWidth() - 65);

    const wxRect area = wxGetClientDisplayRect();
    const NoticePlacement::Point at =
        NoticePlacement::ExistBalloon(area.GetX(), area.GetY(), area.GetWidth(), size.GetWidth());
    SetHome(wxPoint(at.x, at.y));
}

TWExistBalloon::~TWExistBalloon() = default;
