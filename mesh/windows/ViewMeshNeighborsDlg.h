#ifndef TIDEWAVE_VIEWMESHNEIGHBORSDLG_H
#define TIDEWAVE_VIEWMESHNEIGHBORSDLG_H

#include <wx/dialog.h>
#include <wx/timer.h>

class GaugeDialog;
class wxButton;
class wxListCtrl;
class wxPanel;
class wxStaticBitmap;
class wxStaticLine;
class wxStaticText;

// "Mesh Neighbors": the mesh points this laptop hears, with MAC address and
// signal strength.  Showing it, and Refresh, start a search: the busy gauge
// for 2000 ms, then one read of the platform's neighbour list.
class ViewMeshNeighborsDlg : public wxDialog {
public:
    static const long ID_STATICTEXT1;
    static const long ID_LISTCTRL;
    static const long ID_BUTTON_REFRESH;
    static const long ID_BUTTON_OK;
    static const long ID_STATICLINE1;
    static const long ID_PANEL1;
    static const long ID_STATICBITMAP1;
    static const long ID_TIMER1;

    static const int kSearchMs = 2000;

    // Id, position and size are not used: the window has a fixed layout.
    ViewMeshNeighborsDlg(wxWindow* parent, wxWindowID id = wxID_ANY, const wxPoint& pos = wxDefaultPosition,
                         const wxSize& size = wxDefaultSize);
    ~ViewMeshNeighborsDlg() override;

    // Shows the gauge and (re)starts the 2000 ms wait.
    void StartSearch();
    // Reads the neighbours and fills the rows, or says there is none.  (Not
    // the toolkit's repaint request.)
    void Refresh();

    GaugeDialog* GetGauge() const { return m_pGauge; }
    const wxTimer& GetSearchTimer() const { return m_timer; }

private:
    void OnInitDialog(wxInitDialogEvent& event);
    void OnRefresh(wxCommandEvent& event);
    void OnOK(wxCommandEvent& event);
    void OnTimer(wxTimerEvent& event);

    wxButton* m_pRefresh;
    wxStaticBitmap* m_pPicture;
    wxButton* m_pOK;
    wxListCtrl* m_pList;
    wxPanel* m_pPanel;
    wxStaticText* m_pText;
    wxStaticLine* m_pLine;
    GaugeDialog* m_pGauge;
    wxTimer m_timer;

    wxDECLARE_EVENT_TABLE();
};

#endif
