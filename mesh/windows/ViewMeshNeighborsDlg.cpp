#include "ViewMeshNeighborsDlg.h"

#include <cstdio>

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/msgdlg.h>
#include <wx/panel.h>
#include <wx/statbmp.h>
#include <wx/statline.h>
#include <wx/stattext.h>

#include "EscapeKey.h"
#include "GaugeDialog.h"
#include "ListColumnFit.h"
#include "MeshNeighborRows.h"
#include "MeshWindowParts.h"

const long ViewMeshNeighborsDlg::ID_STATICTEXT1 = wxNewId();
const long ViewMeshNeighborsDlg::ID_LISTCTRL = wxNewId();
const long ViewMeshNeighborsDlg::ID_BUTTON_REFRESH = wxNewId();
const long ViewMeshNeighborsDlg::ID_BUTTON_OK = wxNewId();
const long ViewMeshNeighborsDlg::ID_STATICLINE1 = wxNewId();
const long ViewMeshNeighborsDlg::ID_PANEL1 = wxNewId();
const long ViewMeshNeighborsDlg::ID_STATICBITMAP1 = wxNewId();
const long ViewMeshNeighborsDlg::ID_TIMER1 = wxNewId();

wxBEGIN_EVENT_TABLE(ViewMeshNeighborsDlg, wxDialog)
    EVT_TIMER(ViewMeshNeighborsDlg::ID_TIMER1, ViewMeshNeighborsDlg::OnTimer)
wxEND_EVENT_TABLE()

namespace {

const char* const kPicture = "pic/ViewNeighbors.png";

}  // namespace

ViewMeshNeighborsDlg::ViewMeshNeighborsDlg(wxWindow* parent, wxWindowID, const wxPoint&, const wxSize&)
    : wxDialog(parent, wxID_ANY, _("Mesh Neighbors"), wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE) {
    SetClientSize(450, 330);
    m_pPanel = new wxPanel(this, ID_PANEL1, wxPoint(0, 0), wxSize(450, 330), wxTAB_TRAVERSAL, "ID_PANEL1");
    m_pText = new wxStaticText(
        m_pPanel, ID_STATICTEXT1,
        _("View network neighbors here. Click \"Refresh\" to refresh network neighbors information..."),
        wxPoint(72, 8), wxSize(368, 48), 0, "ID_STATICTEXT1");
    m_pText->Wrap(368);  // a paragraph beside the picture
    m_pList = new wxListCtrl(m_pPanel, ID_LISTCTRL, wxPoint(15, 56), wxSize(420, 200), wxLC_REPORT,
                             wxDefaultValidator, "ID_LISTCTRL");
    m_pRefresh = new wxButton(m_pPanel, ID_BUTTON_REFRESH, _("Refresh"), wxPoint(256, 285), wxDefaultSize, 0,
                              wxDefaultValidator, "ID_BUTTON_REFRESH");
    m_pOK = new wxButton(m_pPanel, ID_BUTTON_OK, _("OK"), wxPoint(352, 285), wxDefaultSize, 0, wxDefaultValidator,
                         "ID_BUTTON_OK");
    m_pLine = new wxStaticLine(m_pPanel, ID_STATICLINE1, wxPoint(0, 275), wxSize(450, -1), wxLI_HORIZONTAL,
                               "ID_STATICLINE1");
    m_pPicture = new wxStaticBitmap(m_pPanel, ID_STATICBITMAP1, MeshWindowParts::ScaledPicture(kPicture, 48),
                                    wxPoint(15, 8), wxSize(48, 48), 0, "ID_STATICBITMAP1");

    Bind(wxEVT_INIT_DIALOG, &ViewMeshNeighborsDlg::OnInitDialog, this);
    Bind(wxEVT_BUTTON, &ViewMeshNeighborsDlg::OnRefresh, this, ID_BUTTON_REFRESH);
    Bind(wxEVT_BUTTON, &ViewMeshNeighborsDlg::OnOK, this, ID_BUTTON_OK);
    EscapeKey::ClosesWindow(this);

    m_pList->InsertColumn(0, _("Hostname "));
    m_pList->SetColumnWidth(0, 180);
    m_pList->InsertColumn(1, _("MAC Address"));
    m_pList->SetColumnWidth(1, 160);
    m_pList->InsertColumn(2, _("Strength"));
    m_pList->SetColumnWidth(2, 80);
    SetIcon(MeshWindowParts::Icon(kPicture, wxBITMAP_TYPE_PNG));
    m_pGauge = new GaugeDialog(this, wxID_ANY);
    m_timer.SetOwner(this, ID_TIMER1);
}

ViewMeshNeighborsDlg::~ViewMeshNeighborsDlg() {
    // A search still waiting ends without a read; the gauge, a child window,
    // goes with this one.
    m_timer.Stop();
}

void ViewMeshNeighborsDlg::OnInitDialog(wxInitDialogEvent&) { StartSearch(); }

void ViewMeshNeighborsDlg::OnRefresh(wxCommandEvent&) { StartSearch(); }

void ViewMeshNeighborsDlg::OnOK(wxCommandEvent&) {
    SetReturnCode(wxID_OK);
    EndModal(wxID_OK);
}

void ViewMeshNeighborsDlg::OnTimer(wxTimerEvent&) { Refresh(); }

void ViewMeshNeighborsDlg::StartSearch() {
    m_pGauge->SetLabel(_("Searching for network neighbors..."));
    m_pGauge->Move(377, 270);
    m_pGauge->Show(true);
    m_timer.StartOnce(kSearchMs);
}

void ViewMeshNeighborsDlg::Refresh() {
    std::puts("ViewMeshNeighborsDlg::Refresh start");
    m_pList->DeleteAllItems();
    std::puts("Define Mesh struct");
    const std::vector<MeshNeighborRows::Row> rows = MeshNeighborRows::Read();
    std::puts("Get list count");
    m_pGauge->Show(false);
    if (rows.empty()) {
        std::puts("Could not find any neighbor");
        wxMessageBox(_("Could not find any neighbor!"), _("Message"), wxOK | wxICON_EXCLAMATION, this);
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        const long row = m_pList->InsertItem(static_cast<long>(i), rows[i].hostName);
        m_pList->SetItem(row, 1, rows[i].mac);
        m_pList->SetItem(row, 2, wxString::Format("%d", rows[i].strength));
    }
    ListColumnFit::Widen(m_pList);
    std::puts("ViewMeshNeighborsDlg::Refresh end");
}
