#include "ScanMapRules.h"

#include <algorithm>

#include "MacFunctions.h"

namespace ScanMapRules {

wxString LabelText(const wxString& ssidText, int width, const std::function<int(const wxString&)>& measure,
                   const wxString& ellipsis) {
    const wxString label = ssidText.empty() ? wxString("<Hidden>") : ssidText;
    if (measure(label) <= width)
        return label;
    for (size_t kept = label.length() - 1; kept > 0; --kept) {
        const size_t tail = kept / 2;
        const wxString cut = label.Left(kept - tail) + ellipsis + label.Right(tail);
        if (measure(cut) <= width)
            return cut;
    }
    return ellipsis;
}

int IconIndex(bool secured, bool current, bool selected) {
    return (secured ? 4 : 0) + (current ? 2 : 0) + (selected ? 1 : 0);
}

std::string IconFile(int index) {
    static const char* const kFiles[8] = {"pic/ap_4.png", "pic/ap_2.png", "pic/ap_5.png", "pic/ap_2.png",
                                          "pic/ap_3.png", "pic/ap_1.png", "pic/ap_6.png", "pic/ap_1.png"};
    return index >= 0 && index < 8 ? kFiles[index] : std::string();
}

int ClampCount(int count) { return std::clamp(count, 0, static_cast<int>(RVL_AP_LIST_MAX)); }

bool SameAccessPoint(const APStatus* a, const APStatus* b) {
    return a != nullptr && b != nullptr && CompareMacAddress(a->ucBSSID, b->ucBSSID) == 0;
}

}  // namespace ScanMapRules
