#include "CheckedListStates.h"

#include <cstddef>

int CheckedListStates::GetImageForExtraState(int extra) {
    const bool checked = (extra & StateChecked) != 0;
    const bool enabled = (extra & StateEnabled) != 0;
    return (enabled ? 0 : 2) + (checked ? 1 : 0);
}

int CheckedListStates::TakeExtraState(long* state, long stateMask) {
    if (state == nullptr)
        return 0;
    const int extra = static_cast<int>(*state & stateMask & ExtraStates);
    *state &= ~static_cast<long>(ExtraStates);
    return extra;
}

int CheckedListStates::BitsForInsert(int extra, bool hasStateFlag, long stateMask) {
    if (!hasStateFlag || (stateMask & StateEnabled) == 0)
        return StateEnabled;
    return extra & ExtraStates;
}

int CheckedListStates::Get(long row) const {
    return IsRow(row) ? m_states[static_cast<std::size_t>(row)] : -1;
}

bool CheckedListStates::Insert(long row, int extra) {
    if (row < 0 || row > Count())
        return false;
    m_states.insert(m_states.begin() + row, extra & ExtraStates);
    return true;
}

bool CheckedListStates::Remove(long row) {
    if (!IsRow(row))
        return false;
    m_states.erase(m_states.begin() + row);
    return true;
}

int CheckedListStates::Merge(long row, int extra, long stateMask) const {
    if (!IsRow(row))
        return -1;
    const int current = m_states[static_cast<std::size_t>(row)];
    int merged = extra & ExtraStates;
    if ((stateMask & StateEnabled) == 0)
        merged |= current & StateEnabled;
    if ((stateMask & StateChecked) == 0)
        merged |= current & StateChecked;
    return merged;
}

bool CheckedListStates::Set(long row, int extra) {
    if (!IsRow(row))
        return false;
    m_states[static_cast<std::size_t>(row)] = extra & ExtraStates;
    return true;
}
