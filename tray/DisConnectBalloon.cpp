#include "DisConnectBalloon.h"

#include <wx/app.h>
#include <wx/hyperlink.h>
#include <wx/intl.h>

#include "BalloonParts.h"
#include "CustomStaticText.h"
#include "PictureLoader.h"
#include "TWMPopupMenu.h"

namespace {
const long ID_STATICTEXT_DISCONNECTED = wxNewId();
const long ID_HYPERLINK_SCAN = wxNewId();
}  // namespace

DisConnectBalloon::DisConnectBalloon(wxWindow* parent)
    : NoticeBalloon(PictureLoader::LoadOrPanel("pic/balloon.png", wxSize(270, 160)), parent, wxID_ANY,
                     wxEmptyString) {
    m_pHeadline = BalloonParts::MakeHeadline(this, ID_STATICTEXT_DISCONNECTED, "ID_STATICTEXT_DISCONNECTED");
    m_pHeadline->SetSize(wxSize(200, 14));
    m_pHeadline->SetLabel(_("Disconnected"));
    m_pScanLink = new wxHyperlinkCtrl(this, ID_HYPERLINK_SCAN, _("Scan for Networks"), wxEmptyString,
                                      wxPoint(35, 48), wxDefaultSize, wxHL_DEFAULT_STYLE, "ID_HYPERLINK_SCAN");
    m_pScanLink->Bind(wxEVT_HYPERLINK, &DisConnectBalloon::OnHyperlink, this);
    m_pScanLink->Show(false);
    BalloonParts::Place(this);
}

void DisConnectBalloon::SetScanLinkVisible(bool visible) { m_pScanLink->Show(visible); }

bool DisConnectBalloon::IsScanLinkVisible() const { return m_pScanLink->IsShown(); }

wxString DisConnectBalloon::GetHeadline() const { return m_pHeadline->GetLabel(); }

void DisConnectBalloon::OnHyperlink(wxHyperlinkEvent&) {
    // Handled here and not passed on: no browser starts for the empty URL.
    // The work runs after the handler: the tray's balloon timer may destroy
    // this balloon while a message box is open.
    wxTheApp->CallAfter([] { TWMPopupMenu::ScanNetwork(); });
}
