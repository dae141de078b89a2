#ifndef TIDEWAVE_LISTCOLUMNFIT_H
#define TIDEWAVE_LISTCOLUMNFIT_H

class wxListCtrl;

// The columns of a report list against their texts.
class ListColumnFit {
public:
    // The room a column keeps beside its widest text: the list's cell
    // margins (4 pixels each side) and a little to spare.
    static constexpr int kCellMargin = 12;

    // Widens each column that is narrower than its heading or its widest
    // cell (a host name of 32 bytes, as a peer may announce one); the list
    // then scrolls sideways.  A column never becomes narrower than the width
    // its window gave it.
    static void Widen(wxListCtrl* list);
};

#endif
