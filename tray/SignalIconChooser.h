#ifndef TIDEWAVE_SIGNALICONCHOOSER_H
#define TIDEWAVE_SIGNALICONCHOOSER_H

#include <string>

// The signal-strength picture for a quality value of the connection balloon.
class SignalIconChooser {
public:
    // "pic/signal-0.png" ... "pic/signal-100.png" by band (upper edges
    // inclusive: 20, 40, 60, 80, 100).  A negative quality counts as the
    // remainder of its magnitude divided by 100.  Above 100 there is no
    // picture: the result is empty and the icon keeps what it shows.
    static std::string FileFor(int quality);
};

#endif
