#ifndef TIDEWAVE_AVAHIOUTAGE_H
#define TIDEWAVE_AVAHIOUTAGE_H

#include <mutex>

// Reports a missing or failing avahi daemon once per outage, for the
// publisher and the browser together, and once more when it answers again.
class AvahiOutage {
public:
    // A client could not be made or failed: writes the line (format with one
    // %s for avahi's error text) unless an outage is already reported.
    static void Failed(const char* format, int avahiError);
    // A client was made: ends a reported outage with one line.
    static void Answered();
    static bool IsReported();

private:
    static std::mutex s_mutex;
    static bool s_bReported;
};

#endif
