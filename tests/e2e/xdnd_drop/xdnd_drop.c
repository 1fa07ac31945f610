/* xdnd_drop X Y URI...: drops the URIs on the top-level window at root point X,Y as a
   Linux file manager does (XDND 5). Exits 0 once the drop is done, 4 when refused. */
#include <X11/Xlib.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static Display* d;
static Atom A(const char* name) { return XInternAtom(d, name, False); }

static void Send(Window to, const char* type, long l0, long l2, long l3, long l4) {
    XEvent e = {.xclient = {.type = ClientMessage, .window = to, .message_type = A(type), .format = 32,
                            .data.l = {l0, 5L << 24, l2, l3, l4}}};
    XSendEvent(d, to, False, NoEventMask, &e);
    XFlush(d);
}

int main(int argc, char** argv) {
    if (argc < 4 || !(d = XOpenDisplay(NULL))) return 2;
    alarm(30); /* a drop never answered ends here */
    const int x = atoi(argv[1]), y = atoi(argv[2]);
    char* uris = calloc(65536, 1);
    for (int i = 3; i < argc && strlen(uris) + strlen(argv[i]) + 3 < 65536; ++i) strcat(strcat(uris, argv[i]), "\r\n");
    Window root = DefaultRootWindow(d), target, source = XCreateSimpleWindow(d, root, 0, 0, 1, 1, 0, 0, 0);
    int cx, cy;
    XTranslateCoordinates(d, root, root, x, y, &cx, &cy, &target);
    const Atom uriList = A("text/uri-list");
    XSetSelectionOwner(d, A("XdndSelection"), source, CurrentTime);
    Send(target, "XdndEnter", source, uriList, 0, 0);
    Send(target, "XdndPosition", source, (x << 16) | y, CurrentTime, A("XdndActionCopy"));
    for (XEvent e;;) {
        XNextEvent(d, &e);
        if (e.type == ClientMessage && e.xclient.message_type == A("XdndStatus")) {
            if (!(e.xclient.data.l[1] & 1)) {
                Send(target, "XdndLeave", source, 0, 0, 0);
                return 4;
            }
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
}
