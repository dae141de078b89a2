#ifndef TIDEWAVE_OVERWRITEQUESTIONBOX_H
#define TIDEWAVE_OVERWRITEQUESTIONBOX_H

#include <wx/string.h>

// The import's overwrite question as a message box (parent-less); the
// window that runs an interactive import installs it in its importer with
// SetOverwriteQuestion.  Returns wxID_YES or wxID_NO.
class OverwriteQuestionBox {
public:
    static int Ask(const wxString& message, const wxString& caption, long style);
};

#endif
