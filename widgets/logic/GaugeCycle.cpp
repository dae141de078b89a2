#include "GaugeCycle.h"

int GaugeCycle::Next(int value, int range) {
    if (value >= range)
        return 0;
    // The toolkit refuses a value above the range.
    return value + kStep < range ? value + kStep : range;
}
