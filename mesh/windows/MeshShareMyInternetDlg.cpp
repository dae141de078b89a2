#include "MeshShareMyInternetDlg.h"

#include <cstdio>

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/msgdlg.h>
#include <wx/panel.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "DataCenter.h"
#include "EscapeKey.h"
#include "MeshInfoManager.h"
#include "MeshStateMachine.h"
#include "MeshWindowParts.h"
#include "ScanResultView.h"

const long MeshShareMyInternetDlg::ID_LISTCTRL = wxNewId();
const long MeshShareMyInternetDlg::ID_STATICTEXT1 = wxNewId();
const long MeshShareMyInternetDlg::ID_BUTTON_REFRESH = wxNewId();
const long MeshShareMyInternetDlg::ID_BUTTON_OK = wxNewId();
const long MeshShareMyInternetDlg::ID_BUTTON_CANCEL = wxNewId();
const long MeshShareMyInternetDlg::ID_STATICBITMAP1 = wxNewId();
const long MeshShareMyInternetDlg::ID_PANEL1 = wxNewId();

wxBEGIN_EVENT_TABLE(MeshShareMyInternetDlg, wxDialog)
wxEND_EVENT_TABLE()

namespace {

const char* const kPicture = "pic/ShareMyInternet.ico";

}  // namespace

MeshShareMyInternetDlg::MeshShareMyInternetDlg(wxWindow* parent, wxWindowID, const wxPoint&, const wxSize&)
    : wxDialog(parent, wxID_ANY, _("Mesh Server Mode"), wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE,
               "wxID_ANY") {
    SetClientSize(450, 330);
    m_pPanel = new wxPanel(this, ID_PANEL1, wxPoint(0, 0), wxSize(450, 330), wxTAB_TRAVERSAL, "ID_PANEL1");
    // One interface is shared: the list takes one row.
    m_pList = new wxListCtrl(m_pPanel, ID_LISTCTRL, wxPoint(15, 64), wxSize(420, 208), wxLC_REPORT | wxLC_SINGLE_SEL,
                             wxDefaultValidator, "ID_LISTCTRL");
    m_pText = new wxStaticText(
        m_pPanel, ID_STATICTEXT1,
        // Wide, so that the quotation marks survive any locale.
        _(L"Select one Internet Sharing interface to share or click \u201CRefresh\u201D to re-scan Internet Sharing interface."),
        wxPoint(70, 10), wxSize(376, 40), 0, "ID_STATICTEXT1");
    m_pText->Wrap(376);  // a paragraph beside the picture
    m_pRefresh = new wxButton(m_pPanel, ID_BUTTON_REFRESH, _("Refresh"), wxPoint(15, 285), wxDefaultSize, 0,
                              wxDefaultValidator, "ID_BUTTON_REFRESH");
    m_pOK = new wxButton(m_pPanel, ID_BUTTON_OK, _("OK"), wxPoint(256, 285), wxDefaultSize, 0, wxDefaultValidator,
                         "ID_BUTTON_OK");
    m_pCancel = new wxButton(m_pPanel, ID_BUTTON_CANCEL, _("Cancel"), wxPoint(352, 285), wxDefaultSize, 0,
                             wxDefaultValidator, "ID_BUTTON_CANCEL");
    m_pPicture = new wxStaticBitmap(m_pPanel, ID_STATICBITMAP1, MeshWindowParts::Picture(kPicture), wxPoint(15, 10),
                                    wxDefaultSize, 0, "ID_STATICBITMAP1");

    Bind(wxEVT_BUTTON, &MeshShareMyInternetDlg::OnRefresh, this, ID_BUTTON_REFRESH);
    Bind(wxEVT_BUTTON, &MeshShareMyInternetDlg::OnOK, this, ID_BUTTON_OK);
    Bind(wxEVT_BUTTON, &MeshShareMyInternetDlg::OnCancel, this, ID_BUTTON_CANCEL);
    EscapeKey::ClosesWindow(this);

    m_pList->InsertColumn(0, _("Interface"));
    m_pList->SetColumnWidth(0, 200);
    m_pList->InsertColumn(1, _("IP Address"));
    m_pList->SetColumnWidth(1, 150);
    m_pList->InsertColumn(2, _("Status"));
    m_pList->SetColumnWidth(2, 80);
    SetIcon(MeshWindowParts::Icon(kPicture, wxBITMAP_TYPE_ICO));
    DrawList();
}

MeshShareMyInternetDlg::~MeshShareMyInternetDlg() = default;

void MeshShareMyInternetDlg::DrawList() {
    std::puts("enter DrawList");
    m_pList->DeleteAllItems();
    std::puts("DeleteAllItems");
    m_interfaces.clear();
    MeshInfoManager::GetInstance()->GetInternetStateList(m_interfaces);
    for (size_t i = 0; i < m_interfaces.size(); ++i) {
        const long row = m_pList->InsertItem(static_cast<long>(i), m_interfaces[i].GetName());
        m_pList->SetItem(row, 1, m_interfaces[i].GetIPAddress());
        m_pList->SetItem(row, 2, m_interfaces[i].GetState());
    }
    if (m_pList->GetItemCount() > 0)
        m_pList->SetItemState(0, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
}

void MeshShareMyInternetDlg::OnRefresh(wxCommandEvent&) { DrawList(); }

void MeshShareMyInternetDlg::OnOK(wxCommandEvent&) {
    const wxString title = _("Mesh Share My Internet");
    if (m_pList->GetItemCount() == 0) {
        wxMessageBox(_("There is no interface to be shared."), title, wxOK, this);
        EndModal(wxID_CANCEL);
        return;
    }
    const long row = m_pList->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    if (row < 0) {
        wxMessageBox(_("Please choose an interface to share the internet."), title, wxOK, this);
        m_pList->SetFocus();
        return;
    }
    const wxString name = m_pList->GetItemText(row, 0);
    // A share that could not be announced is refused before the question;
    // the dialog stays for another choice.
    MeshStateMachine* mesh = MeshStateMachine::Current();
    if (mesh != nullptr && !mesh->CanShare(name)) {
        m_pList->SetFocus();
        return;
    }
    if (wxMessageBox(_("Are you sure to make the local machine as Mesh Server?"), title,
                     wxYES_NO | wxNO_DEFAULT | wxICON_WARNING, this) != wxYES) {
        EndModal(wxID_CANCEL);
        return;
    }
    std::puts("item.GetText---------------------------------");
    if (MeshStateMachine::ConnectsWhenShared(name)) {
        std::puts("ifname== ra");
        // The wireless interface shared here needs a connection: the scan
        // window comes up to make one, and the share goes ahead at once.
        // Without a scan window nothing is shared and the dialog stays.
        DataCenter* hub = DataCenter::GetIfExists();
        ScanResultView* scan = hub != nullptr ? hub->GetScanWindowView() : nullptr;
        if (scan == nullptr)
            return;
        scan->ShowForConnect();
    }
    const bool shared = mesh != nullptr && mesh->EnableServer(name);
    EndModal(shared ? wxID_OK : wxID_CANCEL);
}

void MeshShareMyInternetDlg::OnCancel(wxCommandEvent&) { EndModal(wxID_CANCEL); }
