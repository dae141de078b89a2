#ifndef TIDEWAVE_NEWPROFILERECORD_H
#define TIDEWAVE_NEWPROFILERECORD_H

#include "NewProfileEntries.h"
#include "ProfileList.h"

// The new-profile wizard's record, rebuilt from its pages on every accepted
// page change.  Fields the entries do not settle keep what an earlier pass
// wrote: a key of another security type, and the key index under "UNKNOWN".
// Priority and show are never written here.
namespace NewProfileRecord {

// `name` is the trimmed name.
void Fill(ProfileList_t& record, const NewProfileEntries& entries, const wxString& name, bool isAdmin);

// The other-settings group from the last page: each flag from its box,
// every value whatever its flag, the homepage trimmed.
ProfileOtherSet OtherSet(const OtherSettingsEntries& entries);

}  // namespace NewProfileRecord

#endif
