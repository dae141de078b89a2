#include "ViewAPNeighborsDlg.h"

#include <map>
#include <mutex>

#include <wx/button.h>
#include <wx/intl.h>
#include <wx/listctrl.h>
#include <wx/msgdlg.h>
#include <wx/statbmp.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/thread.h>

#include "CommandRunner.h"
#include "EscapeKey.h"
#include "GaugeDialog.h"
#include "NetworkTypes.h"
#include "PictureLoader.h"
#include "ScanEvent.h"
#include "ViewNeighborsIcon.xpm"

namespace {

const long ID_STATICBITMAP_VIEWAPNEIGHBORS = wxNewId();
const long ID_BUTTON_OKVIEWAPNEIGHBORS = wxNewId();
const long ID_STATICTEXT_VIEWAPNEIGHBORSTIP = wxNewId();
const long ID_LISTCTRL_VIEWAPNEIGHBORS = wxNewId();
const long ID_BUTTON_REFRESHVIEWAPNEIGHBORS = wxNewId();
const long ID_BUTTON_CANCELVIEWAPNEIGHBORS = wxNewId();
const long ID_STATICLINE1 = wxNewId();
const long ID_HELP_VIEWAPNEIGHBORS = wxNewId();

wxWindowID Id(long id) { return static_cast<wxWindowID>(id); }

}  // namespace

// What the window and its lookups share.  A lookup reads the current
// generation and leaves its entries here; the window takes them on the GUI
// thread.  Once the window is gone, lookups find no window and end.
struct ViewAPNeighborsDlg::HandOver {
    std::mutex mutex;
    wxEvtHandler* window = nullptr;
    int generation = 1;
    std::map<int, std::vector<NeighborEntry>> results;

    bool IsCurrent(int scanId) {
        std::lock_guard<std::mutex> guard(mutex);
        return window != nullptr && generation == scanId;
    }
};

// One lookup.  It touches no window: its entries go into the hand-over and
// a ScanEvent carrying its generation tells the window.
class ViewAPNeighborsDlg::ScanThread : public wxThread {
public:
    ScanThread(std::shared_ptr<HandOver> handOver, int scanId, int startDelayMs,
               const NeighborLookup::Limits& limits)
        : wxThread(wxTHREAD_DETACHED), m_pHandOver(std::move(handOver)), m_nScanId(scanId),
          m_nStartDelayMs(startDelayMs), m_limits(limits), m_runner(CommandRunner::Get()) {}

protected:
    ExitCode Entry() override {
        wxMilliSleep(static_cast<unsigned long>(m_nStartDelayMs));
        CommandRunner& runner = m_runner;
        const NeighborLookup lookup(
            [&runner](const std::vector<std::string>& argv, size_t maxOutput, int timeoutMs) {
                return runner.Capture(argv, maxOutput, timeoutMs);
            },
            m_limits);
        std::vector<NeighborEntry> entries = lookup.Run([this] { return m_pHandOver->IsCurrent(m_nScanId); });

        std::lock_guard<std::mutex> guard(m_pHandOver->mutex);
        if (m_pHandOver->window == nullptr || m_pHandOver->generation != m_nScanId)
            return nullptr;  // stale: its entries go with it
        m_pHandOver->results[m_nScanId] = std::move(entries);
        ScanEvent done(ID_SCAN);
        done.SetValue(m_nScanId);
        m_pHandOver->window->AddPendingEvent(done);
        return nullptr;
    }

private:
    std::shared_ptr<HandOver> m_pHandOver;
    int m_nScanId;
    int m_nStartDelayMs;
    NeighborLookup::Limits m_limits;
    CommandRunner& m_runner;
};

wxBEGIN_EVENT_TABLE(ViewAPNeighborsDlg, wxDialog)
    EVT_SCAN_EVENT(ID_SCAN, ViewAPNeighborsDlg::OnScanFinished)
    EVT_BUTTON(ID_BUTTON_CANCELVIEWAPNEIGHBORS, ViewAPNeighborsDlg::OnCancel)
    EVT_BUTTON(ID_BUTTON_REFRESHVIEWAPNEIGHBORS, ViewAPNeighborsDlg::OnRefresh)
    EVT_BUTTON(ID_BUTTON_OKVIEWAPNEIGHBORS, ViewAPNeighborsDlg::OnOK)
    EVT_BUTTON(ID_HELP_VIEWAPNEIGHBORS, ViewAPNeighborsDlg::OnHelp)
    EVT_MENU(ID_HELP_VIEWAPNEIGHBORS, ViewAPNeighborsDlg::OnHelp)
    EVT_INIT_DIALOG(ViewAPNeighborsDlg::OnInitDialog)
    EVT_CLOSE(ViewAPNeighborsDlg::OnClose)
wxEND_EVENT_TABLE()

ViewAPNeighborsDlg::ViewAPNeighborsDlg(wxWindow* parent, wxWindowID, const wxPoint&, const wxSize&)
    : wxDialog(parent, wxID_ANY, _("Network Neighbors"), wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX),
      m_pHandOver(std::make_shared<HandOver>()) {
    m_pHandOver->window = this;
    SetClientSize(510, 380);
    wxBitmap picture = PictureLoader::Load("pic/ViewNeighbors.png");
    if (picture.IsOk())
        picture = wxBitmap(picture.ConvertToImage().Scale(71, 74, wxIMAGE_QUALITY_NORMAL));
    m_pStaticBitmap = new wxStaticBitmap(this, Id(ID_STATICBITMAP_VIEWAPNEIGHBORS), picture, wxPoint(20, 10),
                                         wxSize(71, 74), 0, "ID_STATICBITMAP_VIEWAPNEIGHBORS");
    m_pBtnOK = new wxButton(this, Id(ID_BUTTON_OKVIEWAPNEIGHBORS), _("&OK"), wxPoint(315, 340), wxSize(88, 32), 0,
                            wxDefaultValidator, "ID_BUTTON_OKVIEWAPNEIGHBORS");
    m_pStaticTextTip = new wxStaticText(
        this, Id(ID_STATICTEXT_VIEWAPNEIGHBORSTIP),
        _("View network neighbors here. Click \"Refresh\" to update network neighbors information..."),
        wxPoint(115, 15), wxSize(390, 65), 0, "ID_STATICTEXT_VIEWAPNEIGHBORSTIP");
    m_pStaticTextTip->Wrap(380);  // a paragraph beside the picture
    m_pListCtrl = new wxListCtrl(this, Id(ID_LISTCTRL_VIEWAPNEIGHBORS), wxPoint(16, 90), wxSize(480, 232),
                                 wxLC_REPORT, wxDefaultValidator, "ID_LISTCTRL_VIEWAPNEIGHBORS");
    m_pBtnRefresh = new wxButton(this, Id(ID_BUTTON_REFRESHVIEWAPNEIGHBORS), _("&Refresh"), wxPoint(16, 340),
                                 wxSize(88, 32), 0, wxDefaultValidator, "ID_BUTTON_REFRESHVIEWAPNEIGHBORS");
    m_pBtnCancel = new wxButton(this, Id(ID_BUTTON_CANCELVIEWAPNEIGHBORS), _("&Cancel"), wxPoint(415, 340),
                                wxSize(88, 32), 0, wxDefaultValidator, "ID_BUTTON_CANCELVIEWAPNEIGHBORS");
    m_pStaticLine = new wxStaticLine(this, Id(ID_STATICLINE1), wxPoint(0, 330), wxSize(510, -1), wxLI_HORIZONTAL,
                                     "ID_STATICLINE1");
    SetIcon(wxIcon(ViewNeighborsIcon));
    m_pListCtrl->InsertColumn(0, _("Hostname"));
    m_pListCtrl->InsertColumn(1, _("IP Address"));
    m_pListCtrl->SetColumnWidth(0, 240);
    m_pListCtrl->SetColumnWidth(1, 220);
    m_pGaugeDialog = new GaugeDialog(this, -1);
    wxAcceleratorEntry help(wxACCEL_NORMAL, WXK_F1, Id(ID_HELP_VIEWAPNEIGHBORS));
    SetAcceleratorTable(wxAcceleratorTable(1, &help));
    EscapeKey::ClosesWindow(this);
}

ViewAPNeighborsDlg::~ViewAPNeighborsDlg() {
    {
        // Running lookups end at their next step and hand over nothing.
        std::lock_guard<std::mutex> guard(m_pHandOver->mutex);
        m_pHandOver->window = nullptr;
        m_pHandOver->results.clear();
    }
    m_pGaugeDialog->Destroy();
    m_pGaugeDialog = nullptr;
}

void ViewAPNeighborsDlg::SetLookupTiming(int startDelayMs, const NeighborLookup::Limits& limits) {
    m_nStartDelayMs = startDelayMs;
    m_lookupLimits = limits;
}

bool ViewAPNeighborsDlg::Show(bool show) {
    if (!show && m_pGaugeDialog != nullptr)
        m_pGaugeDialog->Show(false);
    return wxDialog::Show(show);
}

void ViewAPNeighborsDlg::EnableButtons(bool enable) {
    m_pBtnOK->Enable(enable);
    m_pBtnRefresh->Enable(enable);
    m_pBtnCancel->Enable(enable);
}

bool ViewAPNeighborsDlg::StartLookupThread(int generation) {
    auto* thread = new ScanThread(m_pHandOver, generation, m_nStartDelayMs, m_lookupLimits);
    if (thread->Create() != wxTHREAD_NO_ERROR) {
        delete thread;
        return false;
    }
    if (thread->Run() != wxTHREAD_NO_ERROR) {
        delete thread;
        return false;
    }
    return true;
}

bool ViewAPNeighborsDlg::StartScan() {
    EnableButtons(false);
    m_pListCtrl->DeleteAllItems();
    m_pGaugeDialog->SetLabel(_("Searching for network neighbors..."));
    m_pGaugeDialog->Move(377, 270);
    if (!StartLookupThread(m_nScanId)) {
        // Nothing will come: the window stays usable.
        EnableButtons(true);
        return false;
    }
    m_pGaugeDialog->Show(true);
    return true;
}

void ViewAPNeighborsDlg::OnInitDialog(wxInitDialogEvent&) { StartScan(); }

void ViewAPNeighborsDlg::OnRefresh(wxCommandEvent&) {
    if (!StartScan())
        wxMessageBox(_("Could not find any neighbors!"), _("Message"), wxOK | wxICON_EXCLAMATION, this);
}

void ViewAPNeighborsDlg::OnOK(wxCommandEvent&) { Close(); }

void ViewAPNeighborsDlg::OnCancel(wxCommandEvent&) { Close(); }

void ViewAPNeighborsDlg::OnClose(wxCloseEvent& event) {
    ++m_nScanId;
    {
        std::lock_guard<std::mutex> guard(m_pHandOver->mutex);
        m_pHandOver->generation = m_nScanId;
        m_pHandOver->results.clear();
    }
    event.Skip();  // the dialog's own handling ends it with wxID_CANCEL and hides it
}

void ViewAPNeighborsDlg::OnHelp(wxCommandEvent&) { CommandRunner::OpenManual(CommandRunner::kDialogManual, 23); }

void ViewAPNeighborsDlg::OnScanFinished(ScanEvent& event) {
    std::vector<NeighborEntry> entries;
    {
        std::lock_guard<std::mutex> guard(m_pHandOver->mutex);
        auto found = m_pHandOver->results.find(event.GetValue());
        if (found != m_pHandOver->results.end()) {
            entries = std::move(found->second);
            m_pHandOver->results.erase(found);
        }
    }
    if (event.GetValue() != m_nScanId)
        return;
    m_pGaugeDialog->Show(false);
    if (!IsShown())
        return;
    if (entries.empty()) {
        wxMessageBox(_("Could not find any neighbors!"), _("Message"), wxOK | wxICON_EXCLAMATION, this);
    } else {
        for (size_t i = 0; i < entries.size(); ++i) {
            const long row = m_pListCtrl->InsertItem(static_cast<long>(i), entries[i].hostName);
            m_pListCtrl->SetItem(row, 1, entries[i].ipAddress);
        }
    }
    EnableButtons(true);
    m_pListCtrl->SetFocus();
}
