/* Closes a top-level window the way a window manager does: finds it by its title
 * (_NET_WM_NAME, UTF-8) and sends it WM_DELETE_WINDOW.
 *
 *   close_window TITLE          close it; exit 0 once sent, 1 when no such window
 *   close_window --find TITLE   only tell whether it is shown (exit 0 / 1)
 *   close_window --enter TITLE  give it the keyboard focus and press Return in it
 *   close_window --ink TITLE X Y W H
 *                               print how many pixels of that rectangle of the window
 *                               are dark, as text is (exit 1 when no such window)
 *   close_window --maximize TITLE | --restore TITLE | --minimize TITLE
 *                               ask the window manager to maximise the window, to
 *                               bring it back to normal, or to minimise it
 *   close_window --activate TITLE
 *                               ask the window manager to activate it, as a taskbar does
 *   close_window --active       print the title of the active window
 *   close_window --frame TITLE  print the window's frame left, top, width and height
 *   close_window --client TITLE print the left and top of its client area on the screen
 */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static Atom utf8_string, net_wm_name;

/* A message to the window manager about window w, as pagers and taskbars send it. */
static void ask_wm(Display* d, Window w, const char* type, long l0, long l1, long l2) {
    XEvent e;
    memset(&e, 0, sizeof e);
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(d, type, False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = l0;
    e.xclient.data.l[1] = l1;
    e.xclient.data.l[2] = l2;
    XSendEvent(d, DefaultRootWindow(d), False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
    XFlush(d);
}

/* The title of window w, printed; 1 when it has none. */
static int print_title(Display* d, Window w) {
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = NULL;
    if (XGetWindowProperty(d, w, net_wm_name, 0, 1024, False, utf8_string, &type, &format, &count, &after,
                           &data) != Success ||
        !data)
        return 1;
    printf("%s\n", (const char*)data);
    XFree(data);
    return 0;
}

/* The window manager's frame around client window w: the root's child holding it. */
static Window frame_of(Display* d, Window w) {
    for (;;) {
        Window root, parent, *children = NULL;
        unsigned int n = 0;
        if (!XQueryTree(d, w, &root, &parent, &children, &n))
            return w;
        if (children)
            XFree(children);
        if (parent == root || parent == 0)
            return w;
        w = parent;
    }
}

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

static int is_viewable(Display* d, Window w) {
    XWindowAttributes a;
    return XGetWindowAttributes(d, w, &a) && a.map_state == IsViewable;
}

/* The window with that title; with `shown`, only one that is on the screen. */
static Window find(Display* d, Window w, const char* title, int shown) {
    if (has_title(d, w, title) && (!shown || is_viewable(d, w)))
        return w;
    Window root, parent, *children = NULL;
    unsigned int n = 0;
    Window found = 0;
    if (XQueryTree(d, w, &root, &parent, &children, &n)) {
        for (unsigned int i = 0; i < n && !found; ++i)
            found = find(d, children[i], title, shown);
        if (children)
            XFree(children);
    }
    return found;
}

/* Return pressed and released in window w, which has the focus. */
static void press_return(Display* d, Window w) {
    XSetInputFocus(d, w, RevertToParent, CurrentTime);
    XSync(d, False);
    XEvent e;
    memset(&e, 0, sizeof e);
    e.xkey.display = d;
    e.xkey.window = w;
    e.xkey.root = DefaultRootWindow(d);
    e.xkey.same_screen = True;
    e.xkey.time = CurrentTime;
    e.xkey.keycode = XKeysymToKeycode(d, XK_Return);
    e.xkey.type = KeyPress;
    XSendEvent(d, w, True, KeyPressMask, &e);
    e.xkey.type = KeyRelease;
    XSendEvent(d, w, True, KeyReleaseMask, &e);
    XFlush(d);
}

/* Pixels darker than mid grey in a rectangle of window w. */
static long dark_pixels(Display* d, Window w, int x, int y, unsigned int width, unsigned int height) {
    XImage* image = XGetImage(d, w, x, y, width, height, AllPlanes, ZPixmap);
    if (!image)
        return -1;
    long dark = 0;
    for (unsigned int j = 0; j < height; ++j) {
        for (unsigned int i = 0; i < width; ++i) {
            const unsigned long p = XGetPixel(image, (int)i, (int)j);
            const unsigned long r = (p >> 16) & 0xff, g = (p >> 8) & 0xff, b = p & 0xff;
            if (r + g + b < 3 * 100)
                ++dark;
        }
    }
    XDestroyImage(image);
    return dark;
}

static int is(int argc, char** argv, const char* option) {
    return argc == 3 && strcmp(argv[1], option) == 0;
}

int main(int argc, char** argv) {
    if (argc == 2 && strcmp(argv[1], "--active") == 0) {
        Display* d = XOpenDisplay(NULL);
        if (!d)
            return 2;
        utf8_string = XInternAtom(d, "UTF8_STRING", False);
        net_wm_name = XInternAtom(d, "_NET_WM_NAME", False);
        Atom type;
        int format;
        unsigned long count, after;
        unsigned char* data = NULL;
        int rc = 1;
        if (XGetWindowProperty(d, DefaultRootWindow(d), XInternAtom(d, "_NET_ACTIVE_WINDOW", False), 0, 1,
                               False, XA_WINDOW, &type, &format, &count, &after, &data) == Success &&
            data && count == 1)
            rc = print_title(d, (Window) * (unsigned long*)data);
        if (data)
            XFree(data);
        XCloseDisplay(d);
        return rc;
    }
    const int maximize = is(argc, argv, "--maximize"), restore = is(argc, argv, "--restore");
    const int minimize = is(argc, argv, "--minimize"), activate = is(argc, argv, "--activate");
    const int frame = is(argc, argv, "--frame"), client = is(argc, argv, "--client");
    const int wm = maximize || restore || minimize || activate || frame || client;
    const int only_find = argc == 3 && strcmp(argv[1], "--find") == 0;
    const int enter = argc == 3 && strcmp(argv[1], "--enter") == 0;
    const int ink = argc == 7 && strcmp(argv[1], "--ink") == 0;
    if (argc != 2 && !only_find && !enter && !ink && !wm) {
        fprintf(stderr, "usage: close_window [--find | --enter | --maximize | --restore | --minimize | "
                        "--activate | --frame | --client] TITLE | --ink TITLE X Y W H | --active\n");
        return 2;
    }
    const char* title = ink ? argv[2] : argv[argc - 1];
    Display* d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "close_window: cannot open the display\n");
        return 2;
    }
    utf8_string = XInternAtom(d, "UTF8_STRING", False);
    net_wm_name = XInternAtom(d, "_NET_WM_NAME", False);
    Window w = find(d, DefaultRootWindow(d), title, only_find);
    if (!w) {
        XCloseDisplay(d);
        return 1;
    }
    if (maximize || restore) {
        const long horz = (long)XInternAtom(d, "_NET_WM_STATE_MAXIMIZED_HORZ", False);
        const long vert = (long)XInternAtom(d, "_NET_WM_STATE_MAXIMIZED_VERT", False);
        ask_wm(d, w, "_NET_WM_STATE", maximize ? 1 : 0, horz, vert);
    } else if (minimize) {
        ask_wm(d, w, "WM_CHANGE_STATE", IconicState, 0, 0);
    } else if (activate) {
        ask_wm(d, w, "_NET_ACTIVE_WINDOW", 2, CurrentTime, 0); /* 2: a pager or taskbar asks */
    } else if (frame) {
        XWindowAttributes a;
        XGetWindowAttributes(d, frame_of(d, w), &a);
        printf("%d %d %d %d\n", a.x, a.y, a.width, a.height);
    } else if (client) {
        int x = 0, y = 0;
        Window child;
        XTranslateCoordinates(d, w, DefaultRootWindow(d), 0, 0, &x, &y, &child);
        printf("%d %d\n", x, y);
    } else if (ink) {
        printf("%ld\n", dark_pixels(d, w, atoi(argv[3]), atoi(argv[4]), (unsigned int)atoi(argv[5]),
                                    (unsigned int)atoi(argv[6])));
    } else if (enter) {
        press_return(d, w);
    } else if (!only_find) {
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
