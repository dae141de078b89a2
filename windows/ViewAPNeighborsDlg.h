#ifndef TIDEWAVE_VIEWAPNEIGHBORSDLG_H
#define TIDEWAVE_VIEWAPNEIGHBORSDLG_H

#include <memory>

#include <wx/dialog.h>

#include "NeighborLookup.h"

class GaugeDialog;
class ScanEvent;
class wxButton;
class wxListCtrl;
class wxStaticBitmap;
class wxStaticLine;
class wxStaticText;

// "Network Neighbors": the machines of the local network with their
// addresses.  Each showing, and the Refresh button, start a lookup on a
// worker thread behind the busy gauge; its result is listed when it comes,
// unless the window was closed in between.  Closing only hides the window.
class ViewAPNeighborsDlg : public wxDialog {
public:
    ViewAPNeighborsDlg(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size);
    ~ViewAPNeighborsDlg() override;

    // Hiding, by whatever means, hides the busy gauge too.
    bool Show(bool show = true) override;

    // Starts a lookup; false, with the buttons usable again, when its
    // thread cannot be made.
    bool StartScan();

    // How long a lookup waits before it starts, and its bounds.
    void SetLookupTiming(int startDelayMs, const NeighborLookup::Limits& limits);

    // What tests look at.
    int GetScanId() const { return m_nScanId; }
    GaugeDialog* GetGauge() const { return m_pGaugeDialog; }
    wxListCtrl* GetList() const { return m_pListCtrl; }

protected:
    // Runs a lookup of the given generation on a worker thread; false when
    // the thread cannot be made or started.
    virtual bool StartLookupThread(int generation);

private:
    class ScanThread;
    struct HandOver;

    void OnInitDialog(wxInitDialogEvent& event);
    void OnRefresh(wxCommandEvent& event);
    void OnOK(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);
    void OnHelp(wxCommandEvent& event);
    void OnScanFinished(ScanEvent& event);
    void EnableButtons(bool enable);

    wxStaticBitmap* m_pStaticBitmap;
    wxButton* m_pBtnOK;
    wxStaticText* m_pStaticTextTip;
    wxButton* m_pBtnCancel;
    wxButton* m_pBtnRefresh;
    wxStaticLine* m_pStaticLine;
    wxListCtrl* m_pListCtrl;
    int m_nScanId = 1;
    GaugeDialog* m_pGaugeDialog;
    // Shared with the running lookups, which outlive the window if need be.
    std::shared_ptr<HandOver> m_pHandOver;
    int m_nStartDelayMs = 1000;
    NeighborLookup::Limits m_lookupLimits;

    wxDECLARE_EVENT_TABLE();
};

#endif
