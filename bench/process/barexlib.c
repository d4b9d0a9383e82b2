/*
 * barexlib: the least an X client can do for a key, to read the latency bench's figures against:
 * a window that fills a small square on every key press and flushes, with no toolkit. It prints
 * the square's place ("typing-region=X,Y,W,H") for latency.sh once it has the focus.
 */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <stdio.h>
#include <unistd.h>

int main(void)
{
    Display *dpy = XOpenDisplay(NULL);
    if (!dpy) { fprintf(stderr, "barexlib: no display\n"); return 1; }
    Window win = XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), 0, 0, 400, 300, 0, 0, 0xffffff);
    long pid = getpid(); /* latency.sh finds the window by its process */
    XChangeProperty(dpy, win, XInternAtom(dpy, "_NET_WM_PID", False), XA_CARDINAL, 32, PropModeReplace, (unsigned char *)&pid, 1);
    XSelectInput(dpy, win, KeyPressMask | StructureNotifyMask);
    XMapWindow(dpy, win);
    GC gc = XCreateGC(dpy, win, 0, NULL);
    int blue = 0;
    for (XEvent e;;) {
        XNextEvent(dpy, &e);
        if (e.type == MapNotify) {
            XSetInputFocus(dpy, win, RevertToParent, CurrentTime);
            printf("typing-region=10,10,20,20\n");
            fflush(stdout);
        } else if (e.type == KeyPress) {
            blue = !blue;
            XSetForeground(dpy, gc, blue ? 0x0000ff : 0xff0000);
            XFillRectangle(dpy, win, gc, 10, 10, 20, 20);
            XFlush(dpy);
        }
    }
}
