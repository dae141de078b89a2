#ifndef TIDEWAVE_DISCONNECTBALLOON_H
#define TIDEWAVE_DISCONNECTBALLOON_H

#include "NoticeBalloon.h"

class CustomStaticText;
class wxHyperlinkCtrl;
class wxHyperlinkEvent;

// The not-connected balloon: "Disconnected", and, when the wireless adapter
// is up, a link that opens the scan window.  The tray's balloon timer closes
// it.
class DisConnectBalloon : public NoticeBalloon {
public:
    explicit DisConnectBalloon(wxWindow* parent);

    void SetScanLinkVisible(bool visible);
    bool IsScanLinkVisible() const;
    wxString GetHeadline() const;

    // The scan link's click: the tray menu's scan command.
    void OnHyperlink(wxHyperlinkEvent& e);

private:
    CustomStaticText* m_pHeadline = nullptr;
    wxHyperlinkCtrl* m_pScanLink = nullptr;
};

#endif
