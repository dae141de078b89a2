// Opens the profile manager on the generated profiles and times its Show,
// which loads the list from the store and fills every row, against the
// store's load of the same folder, and the filling of the rows alone.
// Needs an X server (Xvfb will do).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/listctrl.h>

#include "DataCenter.h"
#include "ProfileBenchData.h"
#include "ProfileManagementControl.h"
#include "ProfileManagerDlg.h"
#include "TWMUtil.h"

namespace {

const int kRounds = 7;

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int Run() {
    DataCenter::GetInstance()->CreateAll();  // the store and the policy, no windows
    ProfileManagementControl* store = DataCenter::GetInstance()->GetProfileManagementControl();
    auto* manager = new ProfileManagerDlg(nullptr, -1);
    auto* list = dynamic_cast<wxListCtrl*>(wxWindow::FindWindowByName("ID_PROFILELISTCTRL", manager));
    wxWindow* cancel = wxWindow::FindWindowByName("ID_CANCLEBUTTON", manager);

    std::vector<double> shows, loads;
    double storeBest = 1e300;
    int rows = 0;
    for (int round = 0; round < kRounds; ++round) {
        Clock::time_point start = Clock::now();
        manager->Show(true);
        shows.push_back(MillisecondsSince(start));
        rows = list->GetItemCount();
        // Cancel with nothing changed empties the list, so the next Show
        // loads it again.
        wxCommandEvent click(wxEVT_BUTTON, cancel->GetId());
        click.SetEventObject(cancel);
        cancel->GetEventHandler()->ProcessEvent(click);

        start = Clock::now();
        std::vector<ProfileList_t> profiles;
        store->GetProfileList(profiles, TWMUtil::IsAdmin(), true);
        const double load = MillisecondsSince(start);
        loads.push_back(load);
        storeBest = std::min(storeBest, load);
    }
    // The rows alone: the list emptied and filled again from the loaded list.
    std::vector<double> fills;
    manager->Show(true);
    for (int round = 0; round < kRounds; ++round) {
        const Clock::time_point start = Clock::now();
        manager->ResetSelection();
        fills.push_back(MillisecondsSince(start));
    }
    manager->wxFrame::Destroy();

    if (rows < ProfileBenchData::kProfileCount) {
        std::fprintf(stderr, "the manager showed %d rows\n", rows);
        return 1;
    }
    const double show = Median(shows);
    std::printf("profiles: %d rows in the manager (median of %d rounds)\n", rows, kRounds);
    std::printf("manager Show:        %8.2f ms (median)\n", show);
    std::printf("manager row fill:    %8.2f ms (median)\n", Median(fills));
    std::printf("store load:          %8.2f ms (median), %8.2f ms (best, as tw_bench_profiles)\n",
                Median(loads), storeBest);
    std::printf("ratio manager/store: %.2f (against the best load: %.2f)\n", show / Median(loads),
                show / storeBest);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string root = ProfileBenchData::MakeRoot();
    if (root.empty())
        return 1;
    int status = 1;
    wxApp::SetInstance(new wxApp);
    if (wxEntryStart(argc, argv)) {
        wxInitAllImageHandlers();
        status = ProfileBenchData::WriteProfiles() ? Run() : 1;
        wxEntryCleanup();
    } else {
        std::fprintf(stderr, "cannot start the toolkit (is DISPLAY set?)\n");
    }
    ProfileBenchData::RemoveRoot(root);
    return status;
}
