/* Closes a top-level window the way a window manager does: finds it by its title
 * (_NET_WM_NAME, UTF-8) and sends it WM_DELETE_WINDOW.
 *
 *   close_window TITLE          close it; exit 0 once sent, 1 when no such window
 *   close_window --find TITLE   only tell whether it is there (exit 0 / 1)
 *   close_window --enter TITLE  give it the keyboard focus and press Return in it
 *   close_window --ink TITLE X Y W H
 *                               print how many pixels of that rectangle of the window
 *                               are dark, as text is (exit 1 when no such window)
 */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <stdio.h>
#include <stdlib.h>
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

int main(int argc, char** argv) {
    const int only_find = argc == 3 && strcmp(argv[1], "--find") == 0;
    const int enter = argc == 3 && strcmp(argv[1], "--enter") == 0;
    const int ink = argc == 7 && strcmp(argv[1], "--ink") == 0;
    if (argc != 2 && !only_find && !enter && !ink) {
        fprintf(stderr, "usage: close_window [--find | --enter] TITLE | --ink TITLE X Y W H\n");
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
    Window w = find(d, DefaultRootWindow(d), title);
    if (!w) {
        XCloseDisplay(d);
        return 1;
    }
    if (ink) {
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
