// The scan window's map: the icons and labels of the access points.
#include "ScanNetworkDlg.h"

#include <algorithm>

#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/image.h>
#include <wx/intl.h>
#include <wx/panel.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "AreaTooltip.h"
#include "DataCenter.h"
#include "PictureLoader.h"
#include "ScanMapRules.h"

int ScanNetworkDlg::GetIconIndex(const APStatus* ap, bool selected) {
    return ScanMapRules::IconIndex(ap->nSecurity != 0, IsCurrent(ap), selected);
}

void ScanNetworkDlg::LoadIcons() {
    for (int i = 0; i < 8; ++i)
        m_bmpIcons[i] = PictureLoader::Load(ScanMapRules::IconFile(i));
    m_bmpBackground = PictureLoader::Load("pic/network.png");
    // The balloons' empty picture, fitted to the list's image size.
    const wxBitmap empty = PictureLoader::Load("pic/empty.png");
    wxImage image = empty.IsOk() ? empty.ConvertToImage() : wxImage(ICON_SIZE, ICON_SIZE);
    if (!image.HasAlpha() && !image.HasMask())
        image.InitAlpha();
    image.Rescale(ICON_SIZE, ICON_SIZE);
    m_imageList.Add(wxBitmap(image));
}

void ScanNetworkDlg::CreateIconButton(const wxPoint& centre, int slot, const wxString& text) {
    DetectedIcon* icon = m_recorder.GetIcon(slot);
    if (icon == nullptr)
        return;
    const wxPoint buttonAt(centre.x - ICON_SIZE / 2, centre.y - ICON_SIZE / 2);
    const wxPoint labelAt(buttonAt.x + ICON_SIZE + 7, buttonAt.y + (ICON_SIZE - LABEL_HEIGHT) / 2 + 3);
    auto* button = new wxBitmapButton(m_pScrolledWindow, ICON_ID_BASE + slot, m_bmpIcons[0], buttonAt,
                                      wxDefaultSize, wxBORDER_NONE);
    button->SetToolTip(text);
    button->Bind(wxEVT_LEFT_DCLICK, &ScanNetworkDlg::OnIconDoubleClicked, this);
    // The label keeps its text clear of the map's edge and shows the whole
    // name where it fits, else its start and end; the icon's tooltip and
    // the detail list give it whole.  A click on it is a click on its icon
    // (the map finds it: a label takes no pointer input of its own).
    const int kEdgeGap = 6;
    const int width =
        std::min<int>(LABEL_WIDTH, m_pScrolledWindow->GetClientSize().GetWidth() - labelAt.x - kEdgeGap);
    const int height = std::max<int>(LABEL_HEIGHT, m_pScrolledWindow->GetCharHeight());
    auto* label = new wxStaticText(m_pScrolledWindow, wxID_ANY, wxEmptyString, labelAt, wxSize(width, height),
                                   wxST_NO_AUTORESIZE);
    const auto measure = [label](const wxString& s) { return label->GetTextExtent(s).GetWidth(); };
    label->SetLabelText(ScanMapRules::LabelText(text, width, measure, _("...")));
    label->SetToolTip(text);
    const int index = GetIconIndex(&icon->AP, false);
    button->SetBitmapLabel(m_bmpIcons[index]);
    label->SetForegroundColour(ScanMapRules::IsCurrentIndex(index) ? wxColour(255, 0, 0) : wxColour(0, 0, 0));
    icon->button = button;
    icon->label = label;
    icon->text = text;
    button->Show(!m_bShowDetail);
    label->Show(!m_bShowDetail);
}

int ScanNetworkDlg::SlotAt(const wxPoint& mapPoint, wxRect* place) const {
    for (int slot = 0; slot < ScanRecorder::SLOT_COUNT; ++slot) {
        const DetectedIcon* icon = m_recorder.GetIcon(slot);
        if (icon == nullptr)
            continue;
        for (const wxWindow* shown : {static_cast<wxWindow*>(icon->button), static_cast<wxWindow*>(icon->label)}) {
            if (shown == nullptr || !shown->GetRect().Contains(mapPoint))
                continue;
            if (place != nullptr)
                *place = shown->GetRect();
            return slot;
        }
    }
    return -1;
}

int ScanNetworkDlg::SlotUnder(const wxMouseEvent& event) const {
    const auto* from = static_cast<const wxWindow*>(event.GetEventObject());
    if (from == nullptr)
        return -1;
    return SlotAt(m_pScrolledWindow->ScreenToClient(from->ClientToScreen(event.GetPosition())));
}

wxString ScanNetworkDlg::TipAt(const wxPoint& screenPoint, wxRect* area) const {
    wxRect place;
    const DetectedIcon* icon = m_recorder.GetIcon(SlotAt(m_pScrolledWindow->ScreenToClient(screenPoint), &place));
    if (icon == nullptr)
        return wxString();
    *area = wxRect(m_pScrolledWindow->ClientToScreen(place.GetPosition()), place.GetSize());
    return icon->text;
}

void ScanNetworkDlg::OnMapMotion(wxMouseEvent& event) {
    event.Skip();
    // Off one name, perhaps straight onto the next: that one shows beside
    // the pointer.
    if (const auto* from = static_cast<const wxWindow*>(event.GetEventObject()))
        m_pMapTip->Follow(from->ClientToScreen(event.GetPosition()));
}

void ScanNetworkDlg::ClearDetectedAP() {
    m_recorder.Clear([](DetectedIcon& icon) {
        for (wxWindow* control : {static_cast<wxWindow*>(icon.button), static_cast<wxWindow*>(icon.label)}) {
            if (control == nullptr)
                continue;
            control->Hide();
            control->Destroy();
        }
        icon.button = nullptr;
        icon.label = nullptr;
    });
    m_calculator.Reset();
    // No name of the map just emptied stays under a still pointer.
    if (m_pMapTip != nullptr)
        m_pMapTip->Requery();
}

void ScanNetworkDlg::RefreshIcons(int selected) {
    for (int slot = 0; slot < ScanRecorder::SLOT_COUNT; ++slot) {
        DetectedIcon* icon = m_recorder.GetIcon(slot);
        if (icon == nullptr || icon->button == nullptr || icon->label == nullptr)
            continue;
        const int index = GetIconIndex(&icon->AP, slot == selected);
        icon->button->SetBitmapLabel(m_bmpIcons[index]);
        icon->button->Refresh();
        icon->label->SetForegroundColour(ScanMapRules::IsCurrentIndex(index) ? wxColour(255, 0, 0)
                                                                              : wxColour(0, 0, 0));
        icon->label->Refresh();
    }
    if (m_bUsedForConnect) {
        const DetectedIcon* chosen = m_recorder.GetIcon(selected);
        SetConnectLabel(chosen != nullptr && IsCurrent(&chosen->AP));
    }
}

void ScanNetworkDlg::SetConnectLabel(bool disconnect) {
    m_pButtonConnect->SetLabel(disconnect ? _("&Disconnect") : _("C&onnect"));
}
