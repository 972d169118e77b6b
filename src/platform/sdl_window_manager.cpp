// Kept apart from the other platform files: X11's headers name a type Window,
// as the platform does its own.
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

// Full screen is the window manager's to carry out, and SDL waits a tenth of
// a second for it to answer. A desktop without one (a bare X server, as on
// build and test machines) never answers; there a window of the desktop's
// size covers the screen as it is. Window managers that follow the desktop
// conventions name themselves on the root window.
bool DesktopHasWindowManager(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return true;
    Display* display = info.info.x11.display;
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None) return false;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const bool named = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW,
                                          &type, &format, &count, &after, &data) == Success &&
                       count == 1;
    if (data) XFree(data);
    return named;
}
