#ifndef TIDEWAVE_SYSTEMTRAYPROBE_H
#define TIDEWAVE_SYSTEMTRAYPROBE_H

// Whether a notification area runs on the toolkit's X display: the selection
// "_NET_SYSTEM_TRAY_S<screen>" has an owner.  False without an X display.
class SystemTrayProbe {
public:
    static bool IsAvailable();
};

#endif
