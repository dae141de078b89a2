#include "NetworkManagerDlg.h"

#include <wx/app.h>
#include <wx/bmpcbox.h>
#include <wx/button.h>
#include <wx/gauge.h>
#include <wx/intl.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/settings.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "ButtonWidth.h"
#include "DataCenter.h"
#include "GaugeDialog.h"
#include "HubWindowFactory.h"
#include "MiddleCutCells.h"
#include "NetworkManagerIcon.xpm"
#include "NetworkTypes.h"
#include "OverwriteQuestionBox.h"
#include "PictureLoader.h"
#include "ProfileEvent.h"
#include "SwitchAdapterEvent.h"
#include "SystemTrayProbe.h"
#include "ViewAPNeighborsDlg.h"
#include "WirelessSwitchEvent.h"
#include "WlanAcmEvent.h"

namespace {

const long ID_CMBSWITCHPRFL = wxNewId();
const long ID_STCNPTITLE = wxNewId();
const long ID_STBNWINFO = wxNewId();
const long ID_STCSQTITLE = wxNewId();
const long ID_STCIPADDRTITLE = wxNewId();
const long ID_STCIPADDR = wxNewId();
const long ID_STCSTATUS = wxNewId();
const long ID_STCTYPE = wxNewId();
const long ID_STCTYPETITLE = wxNewId();
const long ID_STCSQVAL = wxNewId();
const long ID_STCSTATUSTITLE = wxNewId();
const long ID_GAUGESIGNAL = wxNewId();
const long ID_BTNSCANNW = wxNewId();
const long ID_BTNVIEWNGHBR = wxNewId();
const long ID_BTNPRFLMGR = wxNewId();
const long ID_SCANNTBTNTEXT = wxNewId();
const long ID_NEIGHBORTEXT = wxNewId();
const long ID_PRFLMGRTEXT = wxNewId();
const long ID_SCANMWBMP = wxNewId();
const long ID_NGHBRBMP = wxNewId();
const long ID_PRFLMGRBMP = wxNewId();
const long ID_PANELRIGHT = wxNewId();
const long ID_STCCURRENTPROF = wxNewId();
const long ID_BTNCTRLCONNECT = wxNewId();
const long ID_BTNCTRLWRLS = wxNewId();
const long ID_NWINFOBMP = wxNewId();
const long ID_PANELLEFT = wxNewId();
const long ID_MENUIMPORT = wxNewId();
const long ID_MENUEXIT = wxNewId();
const long ID_MENUCONNECT = wxNewId();
const long ID_MENUSCANNW = wxNewId();
const long ID_MENUVIEWNGHBR = wxNewId();
const long ID_MENUPRFLMGR = wxNewId();
const long ID_MENUWIRELESS = wxNewId();
const long ID_MENUHELP = wxNewId();
const long ID_MENUABOUT = wxNewId();
const long ID_MENUMESHCONFIG = wxNewId();
const long ID_TIMERCONNECT = wxNewId();
const long ID_TIMERWIRELESS = wxNewId();

wxWindowID Id(long id) { return static_cast<wxWindowID>(id); }

wxFont StatusFont(bool bold) {
    return wxFont(10, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, bold ? wxFONTWEIGHT_BOLD : wxFONTWEIGHT_NORMAL,
                  false, "Arial");
}

wxStaticText* Text(wxWindow* parent, long id, const char* name, const wxString& label, const wxPoint& pos,
                   const wxSize& size, long style = 0) {
    return new wxStaticText(parent, Id(id), label, pos, size, style, name);
}

wxStaticText* StatusText(wxWindow* parent, long id, const char* name, const wxString& label, const wxPoint& pos,
                         const wxSize& size) {
    wxStaticText* text = Text(parent, id, name, label, pos, size);
    text->SetFont(StatusFont(false));
    return text;
}

}  // namespace

wxBEGIN_EVENT_TABLE(NetworkManagerDlg, wxFrame)
    EVT_WLAN_ACM_EVENT(ID_WLAN_ACM, NetworkManagerDlg::OnWlanAcmEvent)
    EVT_PROFILE_EVENT(ID_PROFILE_LIST_CHANGED, NetworkManagerDlg::OnProfileChangedEvent)
    EVT_PROFILE_EVENT(ID_PROFILE_APPLY_STATUS, NetworkManagerDlg::OnProfileChangedEvent)
    EVT_WIRELESS_SWITCH_EVENT(ID_WIRELESS_SWITCH, NetworkManagerDlg::OnWirelessSwitchEvent)
    EVT_SWITCH_ADAPTER_EVENT(ID_SWITCH_ADAPTER, NetworkManagerDlg::OnSwitchAdapterEvent)
    EVT_TIMER(ID_TIMERCONNECT, NetworkManagerDlg::OnTimer)
    EVT_TIMER(ID_TIMERWIRELESS, NetworkManagerDlg::OnTimer)
wxEND_EVENT_TABLE()

NetworkManagerDlg::NetworkManagerDlg(wxWindow* parent, wxWindowID)
    : m_connectTimer(this, Id(ID_TIMERCONNECT)), m_wirelessTimer(this, Id(ID_TIMERWIRELESS)) {
    Create(parent, wxID_ANY, _("Network Manager"), wxDefaultPosition, wxDefaultSize,
           wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxMINIMIZE_BOX | wxCLIP_CHILDREN, "TWM_Network_Manager");
    // The neighbour window comes once this frame has its native window.
    m_pNeighborsDlg = new ViewAPNeighborsDlg(this, -1, wxDefaultPosition, wxDefaultSize);
    SetClientSize(580, 375);
    Move(wxDefaultPosition);
    m_pGaugeDialog = new GaugeDialog(nullptr, -1);
    CreateLeftPanel();
    CreateMenus();
    CreateRightPanel();
    CentreOnScreen(wxBOTH);
    ConnectHandlers();
    m_pStatusImage = new wxStaticBitmap(m_pPanelLeft, Id(ID_NWINFOBMP), PictureLoader::Load("pic/cnctimage_wired.png"),
                                        wxPoint(24, 98), wxSize(370, 70), 0, "ID_NWINFOBMP");
    m_bApplyingProfile = false;
    m_nSelectedProfile = -1;
    SetIcon(wxIcon(NetworkManagerIcon));
    m_importer.SetOverwriteQuestion(&OverwriteQuestionBox::Ask);
}

NetworkManagerDlg::~NetworkManagerDlg() {
    if (m_pGaugeDialog != nullptr) {
        m_pGaugeDialog->Destroy();
        m_pGaugeDialog = nullptr;
    }
}

void NetworkManagerDlg::CreateLeftPanel() {
    m_pPanelLeft = new wxPanel(this, Id(ID_PANELLEFT), wxPoint(8, 20), wxSize(520, 388), wxTAB_TRAVERSAL,
                               "ID_PANELLEFT");
    m_pPanelLeft->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
    m_pPanelRight = new wxPanel(m_pPanelLeft, Id(ID_PANELRIGHT), wxPoint(425, 0), wxSize(152, 352),
                                wxTAB_TRAVERSAL, "ID_PANELRIGHT");
    m_pPanelRight->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_MENUBAR));
    m_pProfileCombo = new wxBitmapComboBox(m_pPanelLeft, Id(ID_CMBSWITCHPRFL), wxEmptyString, wxPoint(110, 24),
                                           wxSize(202, 27), 0, nullptr, wxCB_READONLY | wxCB_DROPDOWN,
                                           wxDefaultValidator, "ID_CMBSWITCHPRFL");
    m_pConnectButton = new wxButton(m_pPanelLeft, Id(ID_BTNCTRLCONNECT), _("Connect"), wxPoint(320, 23),
                                    wxSize(96, 29), 0, wxDefaultValidator, "ID_BTNCTRLCONNECT");
    // In the status texts' font; it takes the width of its text.
    m_pProfileTitle = StatusText(m_pPanelLeft, ID_STCNPTITLE, "ID_STCNPTITLE", _("Network Profile:"),
                                 wxPoint(8, 28), wxSize(100, 20));
    // The title, the switcher and the button share the row up to the status
    // box's right edge (416): the title as wide as its text and a gap, the
    // button wide enough to read "Disconnect" too, the switcher between.
    const int kGap = 8;
    const int connectWidth = ButtonWidthFor(m_pConnectButton, {_("Connect"), _("Disconnect")});
    const int connectX = 416 - connectWidth;
    const int comboX = m_pProfileTitle->GetRect().GetRight() + 1 + kGap;
    m_pConnectButton->SetSize(connectX, 23, connectWidth, 29);
    m_pProfileCombo->SetSize(comboX, 24, connectX - kGap - comboX, 27);
    // A drop-down of this toolkit keeps its cell as wide as the widest text
    // it has shown and lets the cell stick out of the box, so after a long
    // name a short one would show from its middle: the names are cut in the
    // middle where the box is narrower, each shown from its start.
    MiddleCutCells::Install(m_pProfileCombo);
    m_pStatusBox = new wxStaticBox(m_pPanelLeft, Id(ID_STBNWINFO), _("Network Status"), wxPoint(8, 68),
                                   wxSize(408, 278), 0, "ID_STBNWINFO");
    m_pStatusBox->SetForegroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT));
    m_pStatusBox->SetFont(StatusFont(true));
    m_pCurrentProfileText = Text(m_pPanelLeft, ID_STCCURRENTPROF, "ID_STCCURRENTPROF", wxEmptyString,
                                 wxPoint(24, 178), wxSize(96, 17));
    m_pCurrentProfileText->SetFont(StatusFont(true));
    m_pSignalTitle = StatusText(m_pPanelLeft, ID_STCSQTITLE, "ID_STCSQTITLE", _("Signal Quality:"),
                                wxPoint(24, 210), wxSize(80, 24));
    m_pSignalGauge = new wxGauge(m_pPanelLeft, Id(ID_GAUGESIGNAL), 100, wxPoint(160, 210), wxSize(158, 16),
                                 wxGA_SMOOTH);
    m_pSignalValue = StatusText(m_pPanelLeft, ID_STCSQVAL, "ID_STCSQVAL", wxEmptyString, wxPoint(328, 210),
                                wxSize(40, 24));
    m_pStatusTitle = StatusText(m_pPanelLeft, ID_STCSTATUSTITLE, "ID_STCSTATUSTITLE", _("Status:"),
                                wxPoint(24, 240), wxSize(96, 24));
    m_pStatusText = StatusText(m_pPanelLeft, ID_STCSTATUS, "ID_STCSTATUS", wxEmptyString, wxPoint(160, 240),
                               wxSize(216, 24));
    m_pTypeTitle = StatusText(m_pPanelLeft, ID_STCTYPETITLE, "ID_STCTYPETITLE", _("Type:"), wxPoint(24, 270),
                              wxSize(96, 24));
    m_pTypeText = StatusText(m_pPanelLeft, ID_STCTYPE, "ID_STCTYPE", wxEmptyString, wxPoint(160, 270),
                             wxSize(216, 24));
    m_pIpTitle = StatusText(m_pPanelLeft, ID_STCIPADDRTITLE, "ID_STCIPADDRTITLE", _("IP Address:"),
                            wxPoint(24, 300), wxSize(96, 24));
    m_pIpText = StatusText(m_pPanelLeft, ID_STCIPADDR, "ID_STCIPADDR", wxEmptyString, wxPoint(160, 300),
                           wxSize(216, 24));
}

void NetworkManagerDlg::CreateMenus() {
    m_pMenuBar = new wxMenuBar;
    auto* file = new wxMenu;
    m_pMenuImport = file->Append(Id(ID_MENUIMPORT), _("&Import School Settings ..."));
    file->AppendSeparator();
    m_pMenuExit = file->Append(Id(ID_MENUEXIT), _("&Exit"));
    auto* tools = new wxMenu;
    m_pMenuConnect = tools->Append(Id(ID_MENUCONNECT), _("&Connect"));
    tools->AppendSeparator();
    m_pMenuScan = tools->Append(Id(ID_MENUSCANNW), _("&Scan for Networks"));
    m_pMenuNeighbors = tools->Append(Id(ID_MENUVIEWNGHBR), _("&View Neighbors"));
    auto* settings = new wxMenu;
    m_pMenuProfileManager = settings->Append(Id(ID_MENUPRFLMGR), _("&Profile Manager"));
    m_pMenuMeshConfigure = settings->Append(Id(ID_MENUMESHCONFIG), _("&Mesh Configure"));
    // Usable only in a build that has the mesh windows.
    HubWindowFactory* windows = DataCenter::GetInstance()->GetWindowFactory();
    m_pMenuMeshConfigure->Enable(windows != nullptr && windows->HasMeshWindows());
    settings->AppendSeparator();
    m_pMenuWireless = settings->Append(Id(ID_MENUWIRELESS), _("T&urn on wireless"));
    auto* help = new wxMenu;
    m_pMenuHelp = help->Append(Id(ID_MENUHELP), _("Help &Contents  \tF1"));
    m_pMenuAbout = help->Append(Id(ID_MENUABOUT), _("&About"));
    m_pMenuBar->Append(file, _("&File"));
    m_pMenuBar->Append(tools, _("&Tools"));
    m_pMenuBar->Append(settings, _("&Settings"));
    m_pMenuBar->Append(help, _("&Help"));
    SetMenuBar(m_pMenuBar);
}

void NetworkManagerDlg::CreateRightPanel() {
    const wxFont status = StatusFont(false);
    m_pScanButton = new wxButton(m_pPanelRight, Id(ID_BTNSCANNW), wxEmptyString, wxPoint(16, 24), wxSize(128, 80),
                                 0, wxDefaultValidator, "ID_BTNSCANNW");
    m_pScanButton->SetFont(status);
    m_pNeighborsButton = new wxButton(m_pPanelRight, Id(ID_BTNVIEWNGHBR), wxEmptyString, wxPoint(16, 120),
                                      wxSize(128, 80), 0, wxDefaultValidator, "ID_BTNVIEWNGHBR");
    m_pNeighborsButton->SetFont(status);
    m_pProfileManagerButton = new wxButton(m_pPanelRight, Id(ID_BTNPRFLMGR), wxEmptyString, wxPoint(16, 216),
                                           wxSize(128, 80), 0, wxDefaultValidator, "ID_BTNPRFLMGR");
    m_pScanText = Text(m_pPanelRight, ID_SCANNTBTNTEXT, "ID_SCANNTBTNTEXT", _("Scan for Networks"), wxPoint(20, 80),
                       wxSize(120, 17), wxALIGN_CENTRE | wxALIGN_RIGHT);
    m_pNeighborsText = Text(m_pPanelRight, ID_NEIGHBORTEXT, "ID_NEIGHBORTEXT", _("Neighbors"), wxPoint(32, 176),
                            wxSize(96, 17), wxALIGN_CENTRE);
    m_pProfileManagerText = Text(m_pPanelRight, ID_PRFLMGRTEXT, "ID_PRFLMGRTEXT", _("Profile Manager"),
                                 wxPoint(28, 272), wxSize(104, 17), wxALIGN_RIGHT);
    m_pScanBitmap = new wxStaticBitmap(m_pPanelRight, Id(ID_SCANMWBMP), PictureLoader::Load("pic/Scannw.png"),
                                       wxPoint(58, 35), wxDefaultSize, 0, "ID_SCANMWBMP");
    m_pNeighborsBitmap = new wxStaticBitmap(m_pPanelRight, Id(ID_NGHBRBMP), PictureLoader::Load("pic/Neighbors.png"),
                                            wxPoint(58, 131), wxDefaultSize, 0, "ID_NGHBRBMP");
    m_pProfileManagerBitmap = new wxStaticBitmap(m_pPanelRight, Id(ID_PRFLMGRBMP),
                                                 PictureLoader::Load("pic/NetManager.png"), wxPoint(58, 227),
                                                 wxDefaultSize, 0, "ID_PRFLMGRBMP");
    m_pWirelessButton = new wxButton(m_pPanelRight, Id(ID_BTNCTRLWRLS), _("Turn off wireless"), wxPoint(15, 314),
                                     wxSize(129, 32), 0, wxDefaultValidator, "ID_BTNCTRLWRLS");
    // Wide enough for both captions, in the middle of the panel.
    const int wirelessWidth = ButtonWidthFor(m_pWirelessButton, {_("Turn off wireless"), _("Turn on wireless")});
    m_pWirelessButton->SetSize((m_pPanelRight->GetSize().GetWidth() - wirelessWidth) / 2, 314, wirelessWidth, 32);
}

void NetworkManagerDlg::ConnectHandlers() {
    Bind(wxEVT_COMBOBOX, &NetworkManagerDlg::OnProfileSelected, this, Id(ID_CMBSWITCHPRFL));
    Bind(wxEVT_BUTTON, &NetworkManagerDlg::OnConnectButton, this, Id(ID_BTNCTRLCONNECT));
    Bind(wxEVT_BUTTON, &NetworkManagerDlg::OnScanNetworks, this, Id(ID_BTNSCANNW));
    Bind(wxEVT_BUTTON, &NetworkManagerDlg::OnViewNeighbors, this, Id(ID_BTNVIEWNGHBR));
    Bind(wxEVT_BUTTON, &NetworkManagerDlg::OnProfileManager, this, Id(ID_BTNPRFLMGR));
    Bind(wxEVT_BUTTON, &NetworkManagerDlg::OnWirelessOnOff, this, Id(ID_BTNCTRLWRLS));
    Bind(wxEVT_UPDATE_UI, &NetworkManagerDlg::OnWirelessButtonUpdate, this, Id(ID_BTNCTRLWRLS));
    Bind(wxEVT_UPDATE_UI, &NetworkManagerDlg::OnWirelessMenuUpdate, this, Id(ID_MENUWIRELESS));
    Bind(wxEVT_MENU, &NetworkManagerDlg::OnImportSchoolSettings, this, Id(ID_MENUIMPORT));
    Bind(wxEVT_MENU, &NetworkManagerDlg::OnExit, this, Id(ID_MENUEXIT));
    Bind(wxEVT_MENU, &NetworkManagerDlg::OnConnectMenu, this, Id(ID_MENUCONNECT));
    Bind(wxEVT_MENU, &NetworkManagerDlg::OnScanNetworksMenu, this, Id(ID_MENUSCANNW));
    Bind(wxEVT_MENU, &NetworkManagerDlg::OnViewNeighborsMenu, this, Id(ID_MENUVIEWNGHBR));
    Bind(wxEVT_MENU, &NetworkManagerDlg::OnProfileManagerMenu, this, Id(ID_MENUPRFLMGR));
    Bind(wxEVT_MENU, &NetworkManagerDlg::OnWirelessOnOffMenu, this, Id(ID_MENUWIRELESS));
    Bind(wxEVT_MENU, &NetworkManagerDlg::OnHelpContents, this, Id(ID_MENUHELP));
    Bind(wxEVT_MENU, &NetworkManagerDlg::OnAbout, this, Id(ID_MENUABOUT));
    Bind(wxEVT_MENU, &NetworkManagerDlg::OnMeshConfigure, this, Id(ID_MENUMESHCONFIG));
}

bool NetworkManagerDlg::Show(bool show) {
    if (show) {
        FillProfileCombo();
        m_pWirelessButton->UpdateWindowUI();  // not followed while hidden
    } else {
        m_pGaugeDialog->Show(false);
    }
    const bool changed = wxFrame::Show(show);
    if (show && m_pGaugeDialog->IsShown())
        PlaceApplyingNotice();
    return changed;
}

bool NetworkManagerDlg::Destroy() {
    if (SystemTrayProbe::IsAvailable())
        Show(false);
    else
        ExitProgram();
    return true;
}

void NetworkManagerDlg::ExitProgram() { wxExit(); }

void NetworkManagerDlg::OnExit(wxCommandEvent&) { Close(false); }
