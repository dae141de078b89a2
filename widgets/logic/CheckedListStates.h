#ifndef TIDEWAVE_CHECKEDLISTSTATES_H
#define TIDEWAVE_CHECKEDLISTSTATES_H

#include <vector>

// The two per-row states of the check-box list, kept beside the list's own
// item states: one entry per row, in row order.  Every operation on a row
// index outside the rows refuses and changes nothing.
class CheckedListStates {
public:
    // Bits of a list item's state word, above the toolkit's own.
    enum : long {
        StateChecked = 0x10000,
        StateEnabled = 0x100000,
        ExtraStates = StateChecked | StateEnabled
    };

    // Image of a row in the first column: 0 empty box, 1 ticked box, 2 greyed
    // empty box, 3 greyed ticked box.
    static int GetImageForExtraState(int extra);
    // The extra bits set in both the state word and the mask; both extra bits
    // are cleared from the state word whatever the mask says.
    static int TakeExtraState(long* state, long stateMask);
    // The bits a row is inserted with: what the record asked for when its
    // mask names the enabled bit, else enabled and unchecked.
    static int BitsForInsert(int extra, bool hasStateFlag, long stateMask);

    int Count() const { return static_cast<int>(m_states.size()); }
    bool IsRow(long row) const { return row >= 0 && row < Count(); }
    // The bits of a row, -1 for no such row.
    int Get(long row) const;

    // A new row at `row` (0 to Count()), the rows from there moving down.
    bool Insert(long row, int extra);
    bool Remove(long row);
    void Clear() { m_states.clear(); }

    // The bits a state change leaves on a row: a bit the mask names takes
    // the given value, any other keeps the row's.  -1 for no such row.
    int Merge(long row, int extra, long stateMask) const;
    bool Set(long row, int extra);

private:
    std::vector<int> m_states;
};

#endif
