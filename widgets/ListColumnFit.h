#ifndef TIDEWAVE_LISTCOLUMNFIT_H
#define TIDEWAVE_LISTCOLUMNFIT_H

#include <initializer_list>

#include <wx/string.h>

class wxListCtrl;

// The columns of a report list against their texts.
class ListColumnFit {
public:
    // The room a column keeps beside its widest text: the list's cell
    // margins (4 pixels each side) and a little to spare.
    static constexpr int kCellMargin = 12;
    // The room between a cell's picture and its text.
    static constexpr int kPictureMargin = 5;

    // Widens each column that is narrower than its heading or its widest
    // cell (a host name of 32 bytes, as a peer may announce one); the list
    // then scrolls sideways.  A column never becomes narrower than the width
    // its window gave it.
    static void Widen(wxListCtrl* list);

    // The width of a column whose widest texts are among `texts` (its
    // heading and the widest of its cells, as its owner knows them), in the
    // list's font, with kCellMargin, and `picture` pixels and kPictureMargin
    // more when its cells show a picture of that width before their text.
    static int Need(const wxListCtrl& list, std::initializer_list<wxString> texts, int picture = 0);
    // Gives `column` what the list's width leaves beside its other columns,
    // but no less than its heading needs: the room the narrow columns do
    // not need goes to the one whose texts may be cut.
    static void GiveRest(wxListCtrl* list, int column);
};

#endif
