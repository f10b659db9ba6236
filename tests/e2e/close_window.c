/* Closes a top-level window the way a window manager does: finds it by its title
 * (_NET_WM_NAME, UTF-8) and sends it WM_DELETE_WINDOW.
 *
 *   close_window TITLE          close it; exit 0 once sent, 1 when no such window
 *   close_window --find TITLE   only tell whether it is there (exit 0 / 1)
 */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <stdio.h>
#include <string.h>

static Atom utf8_string, net_wm_name;

static int has_title(Display* d, Window w, const char* title) {
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = NULL;
    int match = 0;
    if (XGetWindowProperty(d, w, net_wm_name, 0, 1024, False, utf8_string, &type, &format, &count, &after,
                           &data) == Success &&
        data) {
        match = strcmp((const char*)data, title) == 0;
        XFree(data);
    }
    return match;
}

static Window find(Display* d, Window w, const char* title) {
    if (has_title(d, w, title))
        return w;
    Window root, parent, *children = NULL;
    unsigned int n = 0;
    Window found = 0;
    if (XQueryTree(d, w, &root, &parent, &children, &n)) {
        for (unsigned int i = 0; i < n && !found; ++i)
            found = find(d, children[i], title);
        if (children)
            XFree(children);
    }
    return found;
}

int main(int argc, char** argv) {
    const int only_find = argc == 3 && strcmp(argv[1], "--find") == 0;
    if (argc != 2 && !only_find) {
        fprintf(stderr, "usage: close_window [--find] TITLE\n");
        return 2;
    }
    const char* title = argv[argc - 1];
    Display* d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "close_window: cannot open the display\n");
        return 2;
    }
    utf8_string = XInternAtom(d, "UTF8_STRING", False);
    net_wm_name = XInternAtom(d, "_NET_WM_NAME", False);
    Window w = find(d, DefaultRootWindow(d), title);
    if (!w) {
        XCloseDisplay(d);
        return 1;
    }
    if (!only_find) {
        XEvent e;
        memset(&e, 0, sizeof e);
        e.xclient.type = ClientMessage;
        e.xclient.window = w;
        e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
        e.xclient.format = 32;
        e.xclient.data.l[0] = (long)XInternAtom(d, "WM_DELETE_WINDOW", False);
        e.xclient.data.l[1] = CurrentTime;
        XSendEvent(d, w, False, NoEventMask, &e);
        XFlush(d);
    }
    XCloseDisplay(d);
    return 0;
}
