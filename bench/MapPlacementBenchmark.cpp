// Times placing a full scan on the empty scan map: the arcs reset, then 32
// access points of mixed signal each given a place and a label, as the scan
// window does before it makes any control.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include <wx/init.h>

#include "ApStatusUtil.h"
#include "IconPositionCalculator.h"
#include "ScanMapRules.h"

namespace {

const int kPlacementsPerRound = 20000;
const int kRounds = 7;

using Clock = std::chrono::steady_clock;

}  // namespace

int main() {
    wxInitializer wx;
    AccessPointList scan{};
    scan.nCount = RVL_AP_LIST_MAX;
    for (int i = 0; i < RVL_AP_LIST_MAX; ++i) {
        scan.list[i] = ApStatusUtil::MakeWithSsid(i % 5 == 0 ? std::string() : "Network-" + std::to_string(i * 37));
        scan.list[i].nSignalQuality = static_cast<uint32_t>((i * 53) % 101);
    }
    IconPositionCalculator calculator;
    const wxString ellipsis = "...";
    // A label of 80 pixels in a font of 7 pixels a character.
    const auto measure = [](const wxString& s) { return static_cast<int>(s.length()) * 7; };
    double best = 1e300;
    size_t checksum = 0;
    for (int round = 0; round < kRounds; ++round) {
        const Clock::time_point start = Clock::now();
        for (int n = 0; n < kPlacementsPerRound; ++n) {
            calculator.Reset();
            for (int i = 0; i < scan.nCount; ++i) {
                MapPlace place;
                if (calculator.CalculatePosition(&scan.list[i], &place))
                    checksum += ScanMapRules::LabelText(ApStatusUtil::SsidText(scan.list[i]), 80, measure, ellipsis)
                                    .length() + static_cast<size_t>(place.x);
            }
        }
        best = std::min(best, std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::printf("placements of %d access points: %d per round, best of %d rounds (checksum %zu)\n",
                RVL_AP_LIST_MAX, kPlacementsPerRound, kRounds, checksum);
    std::printf("one placement of %d: %8.3f us\n", RVL_AP_LIST_MAX, best / kPlacementsPerRound);
    return 0;
}
