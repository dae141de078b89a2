#include "ScanMapRules.h"

#include <algorithm>

#include "MacFunctions.h"
#include "TextFit.h"

namespace ScanMapRules {

wxString LabelText(const wxString& ssidText, int width, const std::function<int(const wxString&)>& measure,
                   const wxString& ellipsis) {
    const wxString label = ssidText.empty() ? wxString("<Hidden>") : ssidText;
    const auto measureUtf8 = [&measure](const std::string& text) { return measure(wxString::FromUTF8(text)); };
    return wxString::FromUTF8(TextFit::MiddleCut(std::string(label.utf8_str()), width, measureUtf8,
                                                 std::string(ellipsis.utf8_str())));
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
