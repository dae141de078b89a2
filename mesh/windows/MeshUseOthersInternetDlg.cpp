#include "MeshUseOthersInternetDlg.h"

#include <algorithm>
#include <cstdio>

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/msgdlg.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "EscapeKey.h"
#include "ListColumnFit.h"
#include "MeshInfoManager.h"
#include "MeshStateMachine.h"
#include "MeshWindowParts.h"

const long MeshUseOthersInternetDlg::ID_STATICTEXT1 = wxNewId();
const long MeshUseOthersInternetDlg::ID_LISTCTRL1 = wxNewId();
const long MeshUseOthersInternetDlg::ID_BUTTON_REFRESH = wxNewId();
const long MeshUseOthersInternetDlg::ID_BUTTON_OK = wxNewId();
const long MeshUseOthersInternetDlg::ID_BUTTON_CANCEL = wxNewId();
const long MeshUseOthersInternetDlg::ID_STATICBITMAP1 = wxNewId();

wxBEGIN_EVENT_TABLE(MeshUseOthersInternetDlg, wxDialog)
wxEND_EVENT_TABLE()

namespace {

const char* const kPicture = "pic/UseOtherInternet.ico";

}  // namespace

MeshUseOthersInternetDlg::MeshUseOthersInternetDlg(wxWindow* parent, wxWindowID, const wxPoint&, const wxSize&)
    : wxDialog(parent, wxID_ANY, _("Mesh Client Mode"), wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE) {
    m_pText = new wxStaticText(
        this, ID_STATICTEXT1,
        // Wide, so that the quotation marks survive any locale.
        _(L"Select one Internet Sharing Server to connect or click \u201CRefresh\u201D to re-scan Internet Sharing Server."),
        wxPoint(70, 10), wxSize(368, 40), 0, "ID_STATICTEXT1");
    m_pText->Wrap(368);  // a paragraph beside the picture
    // Below the picture (10 to 58), not across its bottom.
    m_pList = new wxListCtrl(this, ID_LISTCTRL1, wxPoint(15, 62), wxSize(420, 210), wxLC_REPORT, wxDefaultValidator,
                             "ID_LISTCTRL1");
    m_pRefresh = new wxButton(this, ID_BUTTON_REFRESH, _("Refresh"), wxPoint(15, 285), wxDefaultSize, 0,
                              wxDefaultValidator, "ID_BUTTON_REFRESH");
    m_pOK = new wxButton(this, ID_BUTTON_OK, _("OK"), wxPoint(260, 285), wxDefaultSize, 0, wxDefaultValidator,
                         "ID_BUTTON_OK");
    m_pCancel = new wxButton(this, ID_BUTTON_CANCEL, _("Cancel"), wxPoint(352, 285), wxDefaultSize, 0,
                             wxDefaultValidator, "ID_BUTTON_CANCEL");
    m_pPicture = new wxStaticBitmap(this, ID_STATICBITMAP1, MeshWindowParts::Picture(kPicture), wxPoint(15, 10),
                                    wxDefaultSize, 0, "ID_STATICBITMAP1");
    SetClientSize(450, 330);
    SetIcon(MeshWindowParts::Icon(kPicture, wxBITMAP_TYPE_ICO));

    Bind(wxEVT_BUTTON, &MeshUseOthersInternetDlg::OnRefresh, this, ID_BUTTON_REFRESH);
    Bind(wxEVT_BUTTON, &MeshUseOthersInternetDlg::OnOK, this, ID_BUTTON_OK);
    Bind(wxEVT_BUTTON, &MeshUseOthersInternetDlg::OnCancel, this, ID_BUTTON_CANCEL);
    EscapeKey::ClosesWindow(this);

    m_pList->InsertColumn(0, _("Hostname"));
    m_pList->SetColumnWidth(0, 130);
    m_pList->InsertColumn(1, _("Channel"));
    m_pList->SetColumnWidth(1, 80);
    m_pList->InsertColumn(2, _("Signal Strength"));
    m_pList->SetColumnWidth(2, 130);
    m_pList->InsertColumn(3, _("Status"));
    m_pList->SetColumnWidth(3, 80);
}

MeshUseOthersInternetDlg::~MeshUseOthersInternetDlg() {
    MeshInfoManager* model = MeshInfoManager::GetInstance();
    if (model->GetObserver() == this)
        model->ClearMeshUseOthersInternetDlg();
}

bool MeshUseOthersInternetDlg::Show(bool show) {
    if (show)
        RefreshList();
    return wxDialog::Show(show);
}

void MeshUseOthersInternetDlg::OnMeshServersChanged() { CallAfter(&MeshUseOthersInternetDlg::RefreshList); }

void MeshUseOthersInternetDlg::RefreshList() {
    std::puts("enter RefreshList");
    wxMutexLocker lock(m_refreshMutex);
    // The servers the user selected stay selected, wherever their rows move.
    std::vector<wxString> selected;
    for (long row = -1; (row = m_pList->GetNextItem(row, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED)) >= 0;) {
        if (static_cast<size_t>(row) < m_servers.size())
            selected.push_back(m_servers[row].GetName());
    }
    m_pList->DeleteAllItems();
    std::puts("DeleteAllItems");
    m_servers = MeshInfoManager::GetInstance()->GetMeshServerInfoList();
    std::puts("GetMeshServerInfoList();");
    for (size_t i = 0; i < m_servers.size(); ++i) {
        const long row = m_pList->InsertItem(static_cast<long>(i), m_servers[i].GetHostName());
        m_pList->SetItem(row, 1, wxString::Format("%d", m_servers[i].GetChannel()));
        m_pList->SetItem(row, 2, wxString::Format("%d%%", 100));
        m_pList->SetItem(row, 3, "Ready");
        if (std::find(selected.begin(), selected.end(), m_servers[i].GetName()) != selected.end())
            m_pList->SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    }
    ListColumnFit::Widen(m_pList);
    std::puts("leave RefreshList");
}

void MeshUseOthersInternetDlg::OnRefresh(wxCommandEvent&) { RefreshList(); }

void MeshUseOthersInternetDlg::OnOK(wxCommandEvent&) {
    std::fputs("OK button click start", stdout);
    if (m_pList->GetItemCount() == 0 || m_servers.empty()) {
        wxMessageBox(_("No Server detected!"), _("Message"), wxOK | wxCENTRE);
        return;
    }
    std::fputs("OK button click", stdout);
    // The row the user chose, of the copy the rows were made from.
    const long selected = m_pList->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    const size_t index = selected >= 0 && static_cast<size_t>(selected) < m_servers.size() ? selected : 0;
    const MeshServerEntity server = m_servers[index];
    std::printf("strMeshIP: %s", static_cast<const char*>(server.GetIPAddress().utf8_str()));
    MeshStateMachine* mesh = MeshStateMachine::Current();
    if (mesh == nullptr || !mesh->JoinServer(server))
        return;
    std::fputs("OK button click end", stdout);
    Show(false);
}

void MeshUseOthersInternetDlg::OnCancel(wxCommandEvent&) {
    std::fputs("OK Cancel click start", stdout);
    Cancel();
}

void MeshUseOthersInternetDlg::Cancel() {
    SetReturnCode(wxID_CANCEL);
    Show(false);
}
