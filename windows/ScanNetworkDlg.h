#ifndef TIDEWAVE_SCANNETWORKDLG_H
#define TIDEWAVE_SCANNETWORKDLG_H

#include <memory>

#include <wx/bitmap.h>
#include <wx/dialog.h>
#include <wx/imaglist.h>

#include "AccessPointSorter.h"
#include "IconPositionCalculator.h"
#include "ScanProfileRules.h"
#include "ScanRecorder.h"
#include "ScanResultView.h"

class AreaTooltip;
class GaugeDialog;
class WlanAcmEvent;
class wxButton;
class wxListCtrl;
class wxListEvent;
class wxMouseEvent;
class wxPanel;
class wxScrollWinEvent;
class wxStaticBitmap;
class wxStaticText;

// "Scan for Networks": scans each time it is shown and shows the access
// points found on a map of five signal arcs and in a detail list.  In
// connect mode it connects to the chosen one (asking a hidden network's name
// and a protected one's key) and offers to make a profile for a new
// network; in select mode it only hands the chosen access point back.  The
// hub makes it once; closing only hides it.
class ScanNetworkDlg : public wxDialog, public ScanResultView {
public:
    // Icon buttons carry the ids ICON_ID_BASE + slot.
    enum { ICON_ID_BASE = 8047, ICON_SIZE = 24, LABEL_WIDTH = 80, LABEL_HEIGHT = 16 };

    // The id, position and size are not used.
    ScanNetworkDlg(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size);
    ~ScanNetworkDlg() override;

    void SetUsedForConnect(bool connect) { m_bUsedForConnect = connect; }
    bool IsUsedForConnect() const { return m_bUsedForConnect; }
    // In select mode, the chosen access point's whole record.
    bool GetSelectedAP(APStatus* ap);
    // Hides the busy gauge, then ends a shown window with `code` (modal) or
    // hides it (modeless).
    bool CloseDialog(int code);

    // ScanResultView
    void UI_UpdateAPSatus(int result, AccessPointList* list) override;
    void ShowForConnect() override;
    void CloseIfShown() override;
    bool PickAccessPoint(APStatus* out) override;
    void ShowCurrentAccessPoint() override;

    // Rebuilds map and list from a list; both must be empty.
    void UpdateUI(AccessPointList* list);
    void ShowAPInfo(APStatus* ap, long row);
    void DeselectAllItems();
    void RefreshIcons(int selected);
    void ShowDetail(bool show);
    int StartScan();
    void ClearSelection();

    int GetIconIndex(const APStatus* ap, bool selected);
    void LoadIcons();
    void CreateIconButton(const wxPoint& centre, int slot, const wxString& text);
    void ClearDetectedAP();

    bool AskHiddenSSID(APStatus* ap);
    void ConnectAP();
    void OnConnectButton();
    void CreateProfileForAP(const APStatus* ap, const ScanProfileRules::Proposal& proposal);

    // What tests look at.
    int GetAPCount() const { return m_nAPCount; }
    int GetSelectedIcon() const { return m_nSelectedIcon; }
    bool IsShowingDetail() const { return m_bShowDetail; }
    GaugeDialog* GetGauge() const { return m_pGauge; }
    wxListCtrl* GetList() const { return m_pListDetail; }
    wxPanel* GetMap() const { return m_pScrolledWindow; }
    wxStaticBitmap* GetMapBackground() const { return m_pBackgroundImage; }
    const ScanRecorder& GetRecorder() const { return m_recorder; }

private:
    void OnInitDialog(wxInitDialogEvent& event);
    void OnClose(wxCloseEvent& event);
    void OnCancel(wxCommandEvent& event);
    void OnRefresh(wxCommandEvent& event);
    void OnDetail(wxCommandEvent& event);
    void OnConnect(wxCommandEvent& event);
    void OnMapClicked(wxMouseEvent& event);
    void OnMapDoubleClicked(wxMouseEvent& event);
    void OnMapMotion(wxMouseEvent& event);
    // The slot whose icon or label lies at a point of the map (with that
    // icon's or label's place), or under a mouse event of the map; -1 for
    // none.
    int SlotAt(const wxPoint& mapPoint, wxRect* place = nullptr) const;
    int SlotUnder(const wxMouseEvent& event) const;
    // The whole name of the network whose icon or label lies at a point of
    // the screen, with the screen area of that icon or label.
    wxString TipAt(const wxPoint& screenPoint, wxRect* area) const;
    void OnListColBeginDrag(wxListEvent& event);
    void OnListScrolled(wxScrollWinEvent& event);
    void OnListWheel(wxMouseEvent& event);
    void OnListItemSelected(wxListEvent& event);
    void OnListItemDeselected(wxListEvent& event);
    void OnListItemActivated(wxListEvent& event);
    void OnListColumnClick(wxListEvent& event);
    void SelectListItem(wxCommandEvent& event);
    void OnIconDoubleClicked(wxMouseEvent& event);
    void OnWlanConnect(WlanAcmEvent& event);

    // Map and list again from the stored scan, no new scan.
    void Rebuild();
    // The attempt stopped before connecting: buttons back.
    void StopAttempt(bool enableConnect);
    // Shows what waited for a prompt or this window's attempt to end: the
    // scan result that came meanwhile, else the rebuild.
    void ShowWhatWaited();
    // The slot holds an access point of the stored scan.
    bool HasAccessPoint(int slot) const;
    void AskToCreateProfile(const wxString& message);
    // The laptop is associated with it, as the hub read the association.
    bool IsCurrent(const APStatus* ap);
    // The list row's "Connected" column and colour.
    void MarkRow(long row, bool current);
    void SetConnectLabel(bool disconnect);
    void FitColumns();

    wxButton* m_pButtonDetail;
    wxButton* m_pButtonRefresh;
    wxStaticText* m_pStaticText1;
    wxButton* m_pButtonConnect;
    wxButton* m_pButtonCancel;
    wxPanel* m_pScrolledWindow;
    wxStaticBitmap* m_pBackgroundImage;
    // The map's tooltip: the name under the pointer.
    std::unique_ptr<AreaTooltip> m_pMapTip;
    GaugeDialog* m_pGauge = nullptr;
    wxImageList m_imageList;
    wxListCtrl* m_pListDetail;
    wxBitmap m_bmpBackground;
    wxBitmap m_bmpIcons[8];
    // m_nAPCount and m_apArray together have the layout of an
    // AccessPointList.
    int m_nAPCount = 0;
    APStatus m_apArray[RVL_AP_LIST_MAX];
    AccessPointSorter m_sorter;
    bool m_bUsedForConnect = true;
    bool m_bShowDetail = false;
    int m_nSelectedIcon = -1;
    ScanRecorder m_recorder;
    IconPositionCalculator m_calculator;
    // The attempt this window started: its access point, key and key
    // index, kept from its start to its result for the profile offered.
    APStatus m_connectingAP{};
    wxString m_strKey;
    int m_nKeyIndex = 0;
    // Set while that attempt waits for its result; closing the window or a
    // new scan forgets it.
    bool m_bAttemptPending = false;
    APStatus m_selectedAP{};
    // A prompt of the connect flow is open; a rebuild, or a scan result,
    // waits until it closes (a scan result also until the attempt ends).
    bool m_bPrompting = false;
    bool m_bRebuildWaiting = false;
    bool m_bScanWaiting = false;
    int m_nWaitingResult = 0;
    AccessPointList m_waitingScan{};
    // What turns of the wheel under Shift left short of a whole notch.
    int m_nSidewaysWheel = 0;

    wxDECLARE_EVENT_TABLE();
};

#endif
