#include "NotificationArea.h"

#include <cstdio>

#include <gdk/gdkx.h>
#include <X11/Xlib.h>

NotificationArea::NotificationArea() {
    Display* display = GDK_DISPLAY_XDISPLAY(gdk_display_get_default());
    char name[64];
    std::snprintf(name, sizeof name, "_NET_SYSTEM_TRAY_S%d", DefaultScreen(display));
    m_display = display;
    m_selection = XInternAtom(display, name, False);
    m_window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(display, m_selection, m_window, CurrentTime);
    XSync(display, False);
}

NotificationArea::~NotificationArea() {
    auto* display = static_cast<Display*>(m_display);
    XSetSelectionOwner(display, m_selection, None, CurrentTime);
    XDestroyWindow(display, m_window);
    XSync(display, False);
}
