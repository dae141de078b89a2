#ifndef TIDEWAVE_NOTIFICATIONAREA_H
#define TIDEWAVE_NOTIFICATIONAREA_H

// Stands in for a notification area on the test's X server: owns its
// selection ("_NET_SYSTEM_TRAY_S<screen>") for its lifetime.
class NotificationArea {
public:
    NotificationArea();
    ~NotificationArea();
    NotificationArea(const NotificationArea&) = delete;
    NotificationArea& operator=(const NotificationArea&) = delete;

private:
    void* m_display;
    unsigned long m_selection;
    unsigned long m_window;
};

#endif
