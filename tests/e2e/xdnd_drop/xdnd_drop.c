/* xdnd_drop X Y URI...: drops the URIs, as a Linux file manager does (XDND 5), on the
   window at root point X,Y. Exit 0 once accepted and finished, 4 when refused. */
#include <X11/Xlib.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static Display* d;
static Atom A(const char* name) { return XInternAtom(d, name, False); }

static void Send(Window to, const char* type, long l0, long l2, long l3, long l4) {
    XEvent e = {.xclient = {.type = ClientMessage, .window = to, .message_type = A(type), .format = 32}};
    e.xclient.data.l[0] = l0, e.xclient.data.l[1] = 5L << 24, e.xclient.data.l[2] = l2;
    e.xclient.data.l[3] = l3, e.xclient.data.l[4] = l4;
    XSendEvent(d, to, False, NoEventMask, &e);
    XFlush(d);
}

static int Aware(Window w) {
    Atom type = None;
    int format;
    unsigned long n, after;
    unsigned char* data = NULL;
    XGetWindowProperty(d, w, A("XdndAware"), 0, 1, False, AnyPropertyType, &type, &format, &n, &after, &data);
    if (data) XFree(data);
    return type != None;
}

int main(int argc, char** argv) {
    if (argc < 4 || !(d = XOpenDisplay(NULL))) return 2;
    const int x = atoi(argv[1]), y = atoi(argv[2]);
    size_t size = 1;
    for (int i = 3; i < argc; ++i) size += strlen(argv[i]) + 2;
    char* uris = calloc(size, 1);
    for (int i = 3; i < argc; ++i) strcat(strcat(uris, argv[i]), "\r\n");
    Window root = DefaultRootWindow(d), target = root, child, source = XCreateSimpleWindow(d, root, 0, 0, 1, 1, 0, 0, 0);
    int cx, cy;
    while (!Aware(target) && XTranslateCoordinates(d, root, target, x, y, &cx, &cy, &child) && child != None)
        target = child;
    const Atom uriList = A("text/uri-list");
    XSetSelectionOwner(d, A("XdndSelection"), source, CurrentTime);
    Send(target, "XdndEnter", source, uriList, 0, 0);
    Send(target, "XdndPosition", source, (x << 16) | y, CurrentTime, A("XdndActionCopy"));
    for (time_t end = time(NULL) + 30; time(NULL) < end;) {
        XEvent e;
        XNextEvent(d, &e);
        if (e.type == ClientMessage && e.xclient.message_type == A("XdndStatus")) {
            if (!(e.xclient.data.l[1] & 1)) return Send(target, "XdndLeave", source, 0, 0, 0), 4;
            Send(target, "XdndDrop", source, CurrentTime, 0, 0);
        } else if (e.type == ClientMessage && e.xclient.message_type == A("XdndFinished")) {
            return 0;
        } else if (e.type == SelectionRequest) {
            XSelectionRequestEvent* r = &e.xselectionrequest;
            XEvent reply = {.xselection = {.type = SelectionNotify, .requestor = r->requestor, .selection = r->selection,
                                           .target = r->target, .property = r->property, .time = r->time}};
            XChangeProperty(d, r->requestor, r->property, uriList, 8, PropModeReplace, (unsigned char*)uris, strlen(uris));
            XSendEvent(d, r->requestor, False, NoEventMask, &reply);
            XFlush(d);
        }
    }
    return 5;
}
