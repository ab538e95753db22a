// Watches an X display for bells, for the desktop check: prints "bell" and
// the bell's window on a line of its own for every XkbBellNotify event, as
// the window manager's own bell handler sees it. Runs until killed.
//   x_bell_watch     (the display from DISPLAY)

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <stdio.h>

int main(void) {
    Display* display = XOpenDisplay(NULL);
    if (display == NULL) {
        fprintf(stderr, "x_bell_watch: cannot open the display\n");
        return 1;
    }
    int event_base = 0;
    int error_base = 0;
    int major = XkbMajorVersion;
    int minor = XkbMinorVersion;
    if (!XkbQueryExtension(display, NULL, &event_base, &error_base, &major, &minor)) {
        fprintf(stderr, "x_bell_watch: the display has no XKB\n");
        return 1;
    }
    XkbSelectEvents(display, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask);
    printf("watching\n");
    fflush(stdout);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == event_base) {
            const XkbEvent* xkb = (const XkbEvent*)&event;
            if (xkb->any.xkb_type == XkbBellNotify) {
                printf("bell 0x%lx\n", (unsigned long)xkb->bell.window);
                fflush(stdout);
            }
        }
    }
}
