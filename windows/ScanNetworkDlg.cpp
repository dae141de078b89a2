#include "ScanNetworkDlg.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/intl.h>
#include <wx/listctrl.h>
#include <wx/msgdlg.h>
#include <wx/panel.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "ApStatusUtil.h"
#include "AreaTooltip.h"
#include "ButtonWidth.h"
#include "DataCenter.h"
#include "EscapeKey.h"
#include "GaugeDialog.h"
#include "MacFunctions.h"
#include "NetworkTypes.h"
#include "PictureLoader.h"
#include "ScanMapRules.h"
#include "ScanNetworkIcon.xpm"
#include "WlanAcmEvent.h"

namespace {

const long ID_STATICBITMAP_BACKGROUND_IMAGE = wxNewId();
const long ID_BUTTON_REFRESH = wxNewId();
const long ID_BUTTON_CONNECT = wxNewId();
const long ID_BUTTON_CANCEL = wxNewId();
const long ID_STATICTEXT1 = wxNewId();
const long ID_BUTTON_DETAIL = wxNewId();
const long ID_LISTCTRL_DETAIL = wxNewId();
const long ID_SCROLLEDWINDOW = wxNewId();

wxWindowID Id(long id) { return static_cast<wxWindowID>(id); }

}  // namespace

wxBEGIN_EVENT_TABLE(ScanNetworkDlg, wxDialog)
    EVT_INIT_DIALOG(ScanNetworkDlg::OnInitDialog)
    EVT_CLOSE(ScanNetworkDlg::OnClose)
    EVT_WLAN_ACM_EVENT(ID_WLAN_ACM, ScanNetworkDlg::OnWlanConnect)
    EVT_LIST_COL_BEGIN_DRAG(ID_LISTCTRL_DETAIL, ScanNetworkDlg::OnListColBeginDrag)
    EVT_LIST_ITEM_SELECTED(ID_LISTCTRL_DETAIL, ScanNetworkDlg::OnListItemSelected)
    EVT_LIST_ITEM_DESELECTED(ID_LISTCTRL_DETAIL, ScanNetworkDlg::OnListItemDeselected)
    EVT_LIST_ITEM_ACTIVATED(ID_LISTCTRL_DETAIL, ScanNetworkDlg::OnListItemActivated)
    EVT_LIST_COL_CLICK(ID_LISTCTRL_DETAIL, ScanNetworkDlg::OnListColumnClick)
wxEND_EVENT_TABLE()

ScanNetworkDlg::ScanNetworkDlg(wxWindow* parent, wxWindowID, const wxPoint&, const wxSize&)
    : m_imageList(ICON_SIZE, ICON_SIZE, true, 1), m_sorter(7) {
    std::memset(m_apArray, 0, sizeof m_apArray);
    LoadIcons();
    Create(parent, wxID_ANY, _("Scan for Networks"), wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE,
           "wxID_ANY");
    SetClientSize(500, 480);

    m_pScrolledWindow = new wxPanel(this, Id(ID_SCROLLEDWINDOW), wxPoint(0, 40), wxSize(500, 400), wxSTATIC_BORDER,
                                    "ID_SCROLLEDWINDOW");
    m_pBackgroundImage = new wxStaticBitmap(m_pScrolledWindow, Id(ID_STATICBITMAP_BACKGROUND_IMAGE), m_bmpBackground,
                                            wxPoint(0, 0), wxSize(500, 400), wxSTATIC_BORDER,
                                            "ID_STATICBITMAP_BACKGROUND_IMAGE");
    // The toolkit looks for a tooltip on the first of the map's children
    // under the pointer, which is always the picture beneath the icons and
    // labels, so their own tooltips never show: the picture gives the whole
    // name of the network whose icon or label is under the pointer then.
    m_pMapTip = std::make_unique<AreaTooltip>(
        *m_pBackgroundImage, [this](const wxPoint& at, wxRect* area) { return TipAt(at, area); });
    m_pButtonRefresh = new wxButton(this, Id(ID_BUTTON_REFRESH), _("&Refresh"), wxPoint(16, 444), wxSize(90, 30), 0,
                                    wxDefaultValidator, "ID_BUTTON_REFRESH");
    m_pButtonConnect = new wxButton(this, Id(ID_BUTTON_CONNECT), _("C&onnect"), wxPoint(300, 444), wxSize(90, 30),
                                    0, wxDefaultValidator, "ID_BUTTON_CONNECT");
    m_pButtonCancel = new wxButton(this, Id(ID_BUTTON_CANCEL), _("&Cancel"), wxPoint(394, 444), wxSize(90, 30), 0,
                                   wxDefaultValidator, "ID_BUTTON_CANCEL");
    m_pStaticText1 = new wxStaticText(this, Id(ID_STATICTEXT1), _("Select a network to connect to..."),
                                      wxPoint(8, 10), wxSize(325, 30), 0, "ID_STATICTEXT1");
    m_pButtonDetail = new wxButton(this, Id(ID_BUTTON_DETAIL), _("&Show Detail"), wxPoint(392, 5), wxSize(90, 30), 0,
                                   wxDefaultValidator, "ID_BUTTON_DETAIL");
    // The detail button reads "<< Back" while the list shows: wide enough
    // for either caption, its right edge kept.
    const int detailWidth = ButtonWidthFor(m_pButtonDetail, {_("&Show Detail"), _("<< &Back")});
    m_pButtonDetail->SetSize(482 - detailWidth, 5, detailWidth, 30);
    m_pListDetail = new wxListCtrl(this, Id(ID_LISTCTRL_DETAIL), wxPoint(0, 40), wxSize(500, 400),
                                   wxLC_REPORT | wxLC_SINGLE_SEL, wxDefaultValidator, "ID_LISTCTRL_DETAIL");
    m_pListDetail->SetImageList(&m_imageList, wxIMAGE_LIST_SMALL);
    const struct { const char* heading; int width; } columns[] = {
        {"", 0},
        {wxTRANSLATE("Name"), 120},
        {wxTRANSLATE("Signal"), 57},
        {wxTRANSLATE("Encrypt"), 85},
        {wxTRANSLATE("Connected"), 80},
        {wxTRANSLATE("Type"), 65},
        {wxTRANSLATE("Channel"), 70},
        {wxTRANSLATE("MAC Address"), 125},
    };
    for (int c = 0; c < 8; ++c) {
        const wxString heading = c == 0 ? wxString() : wxGetTranslation(columns[c].heading);
        m_pListDetail->InsertColumn(c, heading, wxLIST_FORMAT_LEFT, columns[c].width);
    }
    m_pListDetail->Show(false);
    // The list paints its heading row before a horizontal scroll takes
    // effect, which leaves the headings a step behind their columns: the
    // row is painted again once the scroll is done.
    for (const auto& scroll : {wxEVT_SCROLLWIN_TOP, wxEVT_SCROLLWIN_BOTTOM, wxEVT_SCROLLWIN_LINEUP,
                                wxEVT_SCROLLWIN_LINEDOWN, wxEVT_SCROLLWIN_PAGEUP, wxEVT_SCROLLWIN_PAGEDOWN,
                                wxEVT_SCROLLWIN_THUMBTRACK, wxEVT_SCROLLWIN_THUMBRELEASE})
        m_pListDetail->Bind(scroll, &ScanNetworkDlg::OnListScrolled, this);
    m_pListDetail->Bind(wxEVT_MOUSEWHEEL, &ScanNetworkDlg::OnListWheel, this);

    m_pButtonRefresh->Bind(wxEVT_BUTTON, &ScanNetworkDlg::OnRefresh, this);
    m_pButtonConnect->Bind(wxEVT_BUTTON, &ScanNetworkDlg::OnConnect, this);
    m_pButtonCancel->Bind(wxEVT_BUTTON, &ScanNetworkDlg::OnCancel, this);
    m_pButtonDetail->Bind(wxEVT_BUTTON, &ScanNetworkDlg::OnDetail, this);
    // A click on the map away from the icons: on the picture, or on the
    // panel where the toolkit gives the picture no mouse input of its own.
    // The labels take none either, so a click on a label arrives here too;
    // so does the pointer's motion over the icons and labels.
    for (wxWindow* map : {static_cast<wxWindow*>(m_pBackgroundImage), static_cast<wxWindow*>(m_pScrolledWindow)}) {
        map->Bind(wxEVT_LEFT_UP, &ScanNetworkDlg::OnMapClicked, this);
        map->Bind(wxEVT_LEFT_DCLICK, &ScanNetworkDlg::OnMapDoubleClicked, this);
        map->Bind(wxEVT_MOTION, &ScanNetworkDlg::OnMapMotion, this);
    }
    // A click on any icon button reaches the window.
    Bind(wxEVT_BUTTON, &ScanNetworkDlg::SelectListItem, this, ICON_ID_BASE,
         ICON_ID_BASE + ScanRecorder::SLOT_COUNT - 1);
    EscapeKey::ClosesWindow(this);
    CentreOnScreen(wxBOTH);

    m_bUsedForConnect = true;
    m_bShowDetail = false;
    m_pButtonConnect->Enable(false);
    m_nSelectedIcon = -1;
    m_nAPCount = 0;
    m_pGauge = new GaugeDialog(this, wxID_ANY);
    SetIcon(wxIcon(ScanNetworkIcon));
}

ScanNetworkDlg::~ScanNetworkDlg() {
    m_pMapTip.reset();
    ClearDetectedAP();
    m_nAPCount = 0;
    if (m_pGauge != nullptr) {
        m_pGauge->Destroy();
        m_pGauge = nullptr;
    }
    m_pListDetail->SetImageList(nullptr, wxIMAGE_LIST_SMALL);
}

bool ScanNetworkDlg::GetSelectedAP(APStatus* ap) {
    if (m_bUsedForConnect || ap == nullptr)
        return false;
    *ap = m_selectedAP;
    return true;
}

bool ScanNetworkDlg::CloseDialog(int code) {
    m_pGauge->Show(false);
    // Whatever comes of an attempt or a scan of this showing is not shown.
    m_bAttemptPending = false;
    m_bScanWaiting = false;
    if (!IsShown())
        return true;
    if (IsModal()) {
        EndModal(code);
        return true;
    }
    return Hide();
}

void ScanNetworkDlg::ShowForConnect() {
    if (IsShown()) {
        // Perhaps picking an access point for a profile dialog: leave it be.
        Raise();
        return;
    }
    SetUsedForConnect(true);
    Iconize(false);
    Show(true);
    Raise();
}

void ScanNetworkDlg::CloseIfShown() {
    if (IsShown())
        CloseDialog(wxID_CANCEL);
}

bool ScanNetworkDlg::PickAccessPoint(APStatus* out) {
    CloseIfShown();
    SetUsedForConnect(false);
    return ShowModal() == wxID_OK && GetSelectedAP(out);
}

void ScanNetworkDlg::OnInitDialog(wxInitDialogEvent&) {
    m_pButtonConnect->SetLabel(m_bUsedForConnect ? _("C&onnect") : _("&OK"));
    m_nSelectedIcon = -1;
    std::memset(&m_selectedAP, 0, sizeof m_selectedAP);
    m_bShowDetail = false;
    ShowDetail(false);
    StartScan();
}

int ScanNetworkDlg::StartScan() {
    m_pButtonRefresh->Enable(false);
    m_pButtonCancel->Enable(false);
    m_pButtonConnect->Enable(false);
    // The map empties: no selection, and no earlier attempt's result or
    // earlier scan is shown over this scan.
    m_nSelectedIcon = -1;
    m_bAttemptPending = false;
    m_bScanWaiting = false;
    ClearDetectedAP();
    m_pListDetail->DeleteAllItems();
    m_sorter.ResetColumns();
    // The result comes as an event, after the gauge is up.  Without a scan
    // the gauge is not shown at all: hidden at once after a show, the
    // toolkit would still map it a moment later.
    const int result = DataCenter::GetInstance()->StartScan();
    if (result == HUB_SCAN_THREAD_FAILED) {
        // No result will come.
        m_pGauge->Show(false);
        m_nAPCount = 0;
        m_pButtonRefresh->Enable(true);
        m_pButtonCancel->Enable(true);
        wxMessageBox(_("Failed to scan for networks!"), _("Message"), wxOK | wxICON_INFORMATION, this);
        return result;
    }
    m_pGauge->SetLabel(_("Scanning for networks..."));
    m_pGauge->CentreOnParent();
    m_pGauge->Show(true);
    return result;
}

void ScanNetworkDlg::OnRefresh(wxCommandEvent&) { StartScan(); }

void ScanNetworkDlg::UI_UpdateAPSatus(int result, AccessPointList* list) {
    if (m_bPrompting || m_bAttemptPending) {
        // Neither the icon whose handler opened a prompt nor the attempt's
        // gauge goes away under them: the result is shown once they end.
        m_bScanWaiting = true;
        m_nWaitingResult = result;
        m_waitingScan = list != nullptr ? *list : AccessPointList{};
        return;
    }
    m_pGauge->Show(false);
    if (!IsShown())
        return;
    const int count = list != nullptr ? ScanMapRules::ClampCount(list->nCount) : 0;
    const bool scanned = result == 0 || result == 8;
    // What a later sort or rebuild shows is this scan, whatever it found.
    m_nAPCount = scanned ? count : 0;
    std::memset(m_apArray, 0, sizeof m_apArray);
    if (m_nAPCount > 0)
        std::memcpy(m_apArray, list->list, sizeof(APStatus) * static_cast<size_t>(m_nAPCount));
    m_nSelectedIcon = -1;
    m_pButtonRefresh->Enable(true);
    m_pButtonConnect->Enable(false);
    m_pButtonCancel->Enable(true);
    // Whatever an earlier result left is replaced.
    ClearDetectedAP();
    m_pListDetail->DeleteAllItems();
    if (scanned) {
        AccessPointList shown{};
        shown.nCount = m_nAPCount;
        std::memcpy(shown.list, m_apArray, sizeof m_apArray);
        UpdateUI(&shown);
    } else if (result == 2) {
        wxMessageBox(_("Cannot find WLAN adapter!"), _("Message"), wxOK | wxICON_INFORMATION, this);
    } else {
        wxMessageBox(_("Failed to scan for networks!"), _("Message"), wxOK | wxICON_INFORMATION, this);
    }
    m_pButtonCancel->SetFocus();
}

void ScanNetworkDlg::UpdateUI(AccessPointList* list) {
    m_pButtonRefresh->Enable(true);
    m_pButtonConnect->Enable(false);
    m_pButtonCancel->Enable(true);
    const int count = list != nullptr ? ScanMapRules::ClampCount(list->nCount) : 0;
    for (int i = 0; i < count; ++i) {
        APStatus ap = list->list[i];
        const int slot = m_recorder.AppendAPStatus(&ap);
        MapPlace place;
        if (m_calculator.CalculatePosition(&ap, &place) && slot != -1)
            CreateIconButton(wxPoint(place.x, place.y), slot, ApStatusUtil::SsidText(ap));
        ShowAPInfo(&ap, i);
        if (i == m_nSelectedIcon)
            m_pListDetail->SetItemState(i, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    }
    FitColumns();
    RefreshIcons(m_nSelectedIcon);
    // A still pointer is now over what this list placed there.
    m_pMapTip->Requery();
}

void ScanNetworkDlg::FitColumns() {
    // A column is never narrower than its widest text with the list's cell
    // margins (4 pixels each side, and a little to spare): a long name or
    // the MAC address's last byte would be cut off, scrolled or not.
    const int kCellMargin = 12;
    wxListItem heading;
    heading.SetMask(wxLIST_MASK_TEXT);
    for (int c = 1; c < m_pListDetail->GetColumnCount(); ++c) {
        m_pListDetail->GetColumn(c, heading);
        int need = m_pListDetail->GetTextExtent(heading.GetText()).GetWidth();
        for (long row = 0; row < m_pListDetail->GetItemCount(); ++row)
            need = std::max(need, m_pListDetail->GetTextExtent(m_pListDetail->GetItemText(row, c)).GetWidth());
        if (need + kCellMargin > m_pListDetail->GetColumnWidth(c))
            m_pListDetail->SetColumnWidth(c, need + kCellMargin);
    }
}

void ScanNetworkDlg::ShowAPInfo(APStatus* ap, long row) {
    wxString name = ApStatusUtil::SsidText(*ap);
    if (name.empty())
        name = _("<Hidden>");
    const long item = m_pListDetail->InsertItem(row, wxEmptyString, 0);
    m_pListDetail->SetItem(item, 1, name);
    m_pListDetail->SetItem(item, 2, wxString::Format("%d%%", static_cast<int>(ap->nSignalQuality)));
    m_pListDetail->SetItem(item, 3, ap->nSecurity != 0 ? _("Encrypted") : _("Unencrypted"));
    MarkRow(item, IsCurrent(ap));
    wxString type;
    switch (ap->nPhyType) {
    case RVL_PHY_80211B: type = "802.11b"; break;
    case RVL_PHY_80211G: type = "802.11g"; break;
    case RVL_PHY_80211N: type = "802.11n"; break;
    default: type = _("Unknown"); break;
    }
    m_pListDetail->SetItem(item, 5, type);
    m_pListDetail->SetItem(item, 6, wxString::Format("%d", static_cast<int>(ap->nChannel)));
    m_pListDetail->SetItem(item, 7, FormatMacAddress(ap->ucBSSID));
}

void ScanNetworkDlg::MarkRow(long row, bool current) {
    m_pListDetail->SetItem(row, 4, current ? _("Yes") : _("No"));
    m_pListDetail->SetItemTextColour(row, current ? wxColour(255, 0, 0) : m_pListDetail->GetTextColour());
}

void ScanNetworkDlg::DeselectAllItems() {
    for (long i = 0; i < m_pListDetail->GetItemCount(); ++i)
        m_pListDetail->SetItemState(i, 0, wxLIST_STATE_SELECTED);
}

void ScanNetworkDlg::ShowDetail(bool show) {
    m_pListDetail->Show(show);
    m_pListDetail->Enable(show);
    m_pScrolledWindow->Show(!show);
    m_pScrolledWindow->Enable(!show);
    for (int slot = 0; slot < ScanRecorder::SLOT_COUNT; ++slot) {
        DetectedIcon* icon = m_recorder.GetIcon(slot);
        if (icon == nullptr || icon->button == nullptr || icon->label == nullptr)
            continue;
        icon->button->Show(!show);
        icon->label->Show(!show);
    }
    if (show) {
        m_pButtonDetail->SetLabel(_("<< &Back"));
    } else {
        m_pButtonDetail->SetLabel(_("&Show Detail"));
        RefreshIcons(m_nSelectedIcon);
    }
}

void ScanNetworkDlg::OnDetail(wxCommandEvent&) {
    ShowDetail(!m_bShowDetail);
    m_bShowDetail = !m_bShowDetail;
}

void ScanNetworkDlg::OnClose(wxCloseEvent& event) {
    m_pGauge->Show(false);
    if (event.CanVeto())
        event.Veto();
    ClearDetectedAP();
    CloseDialog(wxID_CANCEL);
}

void ScanNetworkDlg::OnCancel(wxCommandEvent&) {
    ClearDetectedAP();
    CloseDialog(wxID_CANCEL);
}

void ScanNetworkDlg::OnListScrolled(wxScrollWinEvent& event) {
    event.Skip();
    if (event.GetOrientation() == wxHORIZONTAL)
        CallAfter([this] { m_pListDetail->Refresh(); });
}

void ScanNetworkDlg::OnListWheel(wxMouseEvent& event) {
    if (!event.ShiftDown() || event.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL) {
        event.Skip();
        return;
    }
    // Shift turns the wheel sideways, as everywhere else on the desktop:
    // down to the right, up to the left.  The list's own wheel handling
    // knows only up and down, and its rows fit its height.
    m_nSidewaysWheel += event.GetWheelRotation();
    const int notches = m_nSidewaysWheel / event.GetWheelDelta();
    m_nSidewaysWheel -= notches * event.GetWheelDelta();
    // Line by line, as its scroll bar would: the headings follow the rows.
    for (int line = 0; line < std::abs(notches) * event.GetColumnsPerAction(); ++line) {
        wxScrollWinEvent scroll(notches < 0 ? wxEVT_SCROLLWIN_LINEDOWN : wxEVT_SCROLLWIN_LINEUP, 0, wxHORIZONTAL);
        scroll.SetEventObject(m_pListDetail);
        m_pListDetail->GetEventHandler()->ProcessEvent(scroll);
    }
}

void ScanNetworkDlg::OnListColBeginDrag(wxListEvent& event) {
    if (event.GetColumn() == 0)
        event.Veto();
    else
        event.Allow();
}

void ScanNetworkDlg::OnMapClicked(wxMouseEvent& event) {
    event.Skip();
    const int slot = SlotUnder(event);
    if (slot < 0) {
        ClearSelection();
        return;
    }
    // On a network's label: as a click on its icon.
    wxCommandEvent click(wxEVT_BUTTON, ICON_ID_BASE + slot);
    GetEventHandler()->ProcessEvent(click);
}

void ScanNetworkDlg::OnMapDoubleClicked(wxMouseEvent& event) {
    event.Skip();
    if (SlotUnder(event) >= 0)
        OnIconDoubleClicked(event);
}

void ScanNetworkDlg::ClearSelection() {
    m_pButtonConnect->Enable(false);
    m_nSelectedIcon = -1;
    RefreshIcons(-1);
    DeselectAllItems();
    wxListEvent deselected(wxEVT_LIST_ITEM_DESELECTED, m_pListDetail->GetId());
    deselected.SetEventObject(m_pListDetail);
    GetEventHandler()->ProcessEvent(deselected);
}

bool ScanNetworkDlg::IsCurrent(const APStatus* ap) {
    return ScanMapRules::SameAccessPoint(DataCenter::GetInstance()->GetReadAPStatus(), ap);
}

void ScanNetworkDlg::ShowCurrentAccessPoint() {
    // Marked again where they stand, also while a prompt or an attempt
    // holds the map: nothing is rebuilt.
    const long rows = std::min<long>(m_pListDetail->GetItemCount(), ScanMapRules::ClampCount(m_nAPCount));
    for (long row = 0; row < rows; ++row)
        MarkRow(row, IsCurrent(&m_apArray[row]));
    RefreshIcons(m_nSelectedIcon);
}
