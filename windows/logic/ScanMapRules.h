#ifndef TIDEWAVE_SCANMAPRULES_H
#define TIDEWAVE_SCANMAPRULES_H

#include <functional>
#include <string>

#include <wx/string.h>

#include "RvlSdk.h"

// What the scan map and its detail list show of an access point.
namespace ScanMapRules {

// The label beside an icon: the SSID text ("<Hidden>" when empty) whole
// when it fits `width` pixels as `measure` gives them, else cut in the
// middle with `ellipsis`, keeping as much of its start and of its end as
// fits, so that names that differ only at the end ("Classroom-101",
// "Classroom-102") stay apart.
wxString LabelText(const wxString& ssidText, int width, const std::function<int(const wxString&)>& measure,
                   const wxString& ellipsis);

// Which of the eight icon pictures: 4 when secured, + 2 for the current
// access point, + 1 when selected.
int IconIndex(bool secured, bool current, bool selected);
inline bool IsCurrentIndex(int index) { return (index & 2) != 0; }
// The picture of an icon index ("pic/ap_4.png" ...).
std::string IconFile(int index);

// A scan count as far as the 32 records of a list hold.
int ClampCount(int count);

// The BSSIDs of two records are equal; false when either is missing.
bool SameAccessPoint(const APStatus* a, const APStatus* b);

}  // namespace ScanMapRules

#endif
