#ifndef TIDEWAVE_MESHCONFIGURATIONVALIDATOR_H
#define TIDEWAVE_MESHCONFIGURATIONVALIDATOR_H

#include <wx/string.h>

// The checks of the mesh configuration dialog's three fields, in the order
// the user meets their messages.
class MeshConfigurationValidator {
public:
    enum Field { HOST_NAME, CHANNEL, ADVERTISE_TIME };

    struct Failure {
        wxString message;      // translated
        bool exclamation;      // else the information icon
        Field field;           // receives the focus
        bool clear;            // the field is emptied first
    };

    // False with the first failure: host name, then channel (1 to 14), then
    // advertise time (1 to 60).
    static bool Validate(const wxString& hostName, const wxString& channel, const wxString& advertiseTime,
                         Failure& failure);

    // Decimal digits with at most one leading sign, nothing else; the value
    // saturates at the int range.  False for anything else, a sign alone
    // included.
    static bool ReadNumber(const wxString& text, int& value);
};

#endif
