#ifndef TIDEWAVE_MIDDLECUTCELLS_H
#define TIDEWAVE_MIDDLECUTCELLS_H

class wxWindow;

// The entries of a drop-down drawn cut in their middle ("…", as
// TextFit::MiddleCut cuts) to the width each is drawn in: the box shows the
// chosen name with its start and its end, filling the box up to less than a
// character, and the open list, as wide as its longest entry, shows every
// name whole.  A cell of this toolkit that cuts by itself puts the room left
// over into the middle of the text, a wide gap.
class MiddleCutCells {
public:
    // Draws the texts of `combo` so; nothing when it is no drop-down of the
    // toolkit's cells.
    static void Install(wxWindow* combo);
};

#endif
