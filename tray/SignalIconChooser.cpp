#include "SignalIconChooser.h"

std::string SignalIconChooser::FileFor(int quality) {
    long long q = quality;  // -INT_MIN does not fit an int
    if (q < 0)
        q = (-q) % 100;
    if (q == 0)
        return "pic/signal-0.png";
    if (q <= 20)
        return "pic/signal-20.png";
    if (q <= 40)
        return "pic/signal-40.png";
    if (q <= 60)
        return "pic/signal-60.png";
    if (q <= 80)
        return "pic/signal-80.png";
    if (q <= 100)
        return "pic/signal-100.png";
    return std::string();
}
