#include "SystemTrayProbe.h"

#include <cstdio>

#include <gdk/gdk.h>
#ifdef GDK_WINDOWING_X11
#include <gdk/gdkx.h>
#endif
#include <X11/Xlib.h>

bool SystemTrayProbe::IsAvailable() {
#ifdef GDK_WINDOWING_X11
    GdkDisplay* display = gdk_display_get_default();
    if (display == nullptr || !GDK_IS_X11_DISPLAY(display))
        return false;
    Display* x = GDK_DISPLAY_XDISPLAY(display);
    if (x == nullptr)
        return false;
    char name[64];
    snprintf(name, sizeof name, "_NET_SYSTEM_TRAY_S%d", DefaultScreen(x));
    const Atom selection = XInternAtom(x, name, False);
    return XGetSelectionOwner(x, selection) != None;
#else
    return false;
#endif
}
