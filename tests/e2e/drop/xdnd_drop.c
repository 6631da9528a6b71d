/* Drops files on the X window at a screen point by the XDND protocol, as a
 * file manager does: the one way a drop reaches a Wine program from outside.
 *
 * Usage: xdnd_drop X Y UNIX_PATH...
 * Exit codes: 0 the target finished the drop, 1 usage or display error,
 * 2 no XDND-aware window at the point, 3 the target stopped answering.
 * The program's own state, not this exit code, tells whether a drop worked. */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>

enum { kXdndVersion = 5, kTimeoutSeconds = 10 };

static Display *display;
static Window source;
static Atom xdndAware, xdndSelection, xdndEnter, xdndPosition, xdndStatus, xdndDrop, xdndFinished,
    xdndActionCopy, uriList, targets;
static char *uris;

/* file:// URIs of the paths, percent-encoded, one per line. */
static char *uriListOf(int count, char **paths) {
  size_t size = 1;
  for (int i = 0; i < count; ++i) size += strlen("file://") + 3 * strlen(paths[i]) + 2;
  char *list = malloc(size), *out = list;
  for (int i = 0; i < count; ++i) {
    out += sprintf(out, "file://");
    for (const unsigned char *c = (const unsigned char *)paths[i]; *c; ++c) {
      if ((*c >= 'a' && *c <= 'z') || (*c >= 'A' && *c <= 'Z') || (*c >= '0' && *c <= '9') ||
          strchr("/-._~", *c))
        *out++ = (char)*c;
      else
        out += sprintf(out, "%%%02X", *c);
    }
    out += sprintf(out, "\r\n");
  }
  *out = '\0';
  return list;
}

static int isAware(Window window) {
  Atom type;
  int format;
  unsigned long items, remaining;
  unsigned char *data = NULL;
  if (XGetWindowProperty(display, window, xdndAware, 0, 1, False, AnyPropertyType, &type, &format,
                         &items, &remaining, &data) != Success)
    return 0;
  if (data) XFree(data);
  return type != None;
}

/* The deepest XDND-aware window at the root point: under Wine's virtual
 * desktop the desktop window is aware too, but only the program window's own
 * X window gets the drop to the right process. */
static Window targetAt(int x, int y) {
  Window root = DefaultRootWindow(display), window = root, child, found = None;
  int childX, childY;
  while (XTranslateCoordinates(display, root, window, x, y, &childX, &childY, &child) &&
         child != None) {
    window = child;
    if (isAware(window)) found = window;
  }
  return found;
}

static void sendToTarget(Window target, Atom type, long l1, long l2, long l3, long l4) {
  XEvent event;
  memset(&event, 0, sizeof event);
  event.xclient.type = ClientMessage;
  event.xclient.window = target;
  event.xclient.message_type = type;
  event.xclient.format = 32;
  event.xclient.data.l[0] = (long)source;
  event.xclient.data.l[1] = l1;
  event.xclient.data.l[2] = l2;
  event.xclient.data.l[3] = l3;
  event.xclient.data.l[4] = l4;
  XSendEvent(display, target, False, NoEventMask, &event);
  XFlush(display);
}

/* The target fetches the data as soon as it hears of the drag, before it
 * answers: requests are served while waiting for anything. */
static void serve(const XSelectionRequestEvent *request) {
  XEvent reply;
  memset(&reply, 0, sizeof reply);
  reply.xselection.type = SelectionNotify;
  reply.xselection.requestor = request->requestor;
  reply.xselection.selection = request->selection;
  reply.xselection.target = request->target;
  reply.xselection.time = request->time;
  reply.xselection.property = request->property != None ? request->property : request->target;
  if (request->target == uriList) {
    XChangeProperty(display, request->requestor, reply.xselection.property, uriList, 8,
                    PropModeReplace, (unsigned char *)uris, (int)strlen(uris));
  } else if (request->target == targets) {
    Atom offered[] = {targets, uriList};
    XChangeProperty(display, request->requestor, reply.xselection.property, XA_ATOM, 32,
                    PropModeReplace, (unsigned char *)offered, 2);
  } else {
    reply.xselection.property = None;
  }
  XSendEvent(display, request->requestor, False, NoEventMask, &reply);
  XFlush(display);
}

/* Waits for a client message of the given type; 0 when time ran out. */
static int waitFor(Atom type, XClientMessageEvent *message) {
  for (;;) {
    while (XPending(display)) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == SelectionRequest) serve(&event.xselectionrequest);
      if (event.type == ClientMessage && event.xclient.message_type == type) {
        *message = event.xclient;
        return 1;
      }
    }
    fd_set ready;
    FD_ZERO(&ready);
    FD_SET(ConnectionNumber(display), &ready);
    struct timeval timeout = {kTimeoutSeconds, 0};
    if (select(ConnectionNumber(display) + 1, &ready, NULL, NULL, &timeout) <= 0) return 0;
  }
}

int main(int argc, char **argv) {
  if (argc < 4) {
    fprintf(stderr, "usage: %s X Y UNIX_PATH...\n", argv[0]);
    return 1;
  }
  const int x = atoi(argv[1]), y = atoi(argv[2]);
  display = XOpenDisplay(NULL);
  if (!display) {
    fprintf(stderr, "cannot open the display\n");
    return 1;
  }
  uris = uriListOf(argc - 3, argv + 3);
  xdndAware = XInternAtom(display, "XdndAware", False);
  xdndSelection = XInternAtom(display, "XdndSelection", False);
  xdndEnter = XInternAtom(display, "XdndEnter", False);
  xdndPosition = XInternAtom(display, "XdndPosition", False);
  xdndStatus = XInternAtom(display, "XdndStatus", False);
  xdndDrop = XInternAtom(display, "XdndDrop", False);
  xdndFinished = XInternAtom(display, "XdndFinished", False);
  xdndActionCopy = XInternAtom(display, "XdndActionCopy", False);
  uriList = XInternAtom(display, "text/uri-list", False);
  targets = XInternAtom(display, "TARGETS", False);

  const Window target = targetAt(x, y);
  if (target == None) {
    fprintf(stderr, "no XDND-aware window at %d,%d\n", x, y);
    return 2;
  }
  source = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
  XSetSelectionOwner(display, xdndSelection, source, CurrentTime);

  XClientMessageEvent answer;
  sendToTarget(target, xdndEnter, (long)kXdndVersion << 24, (long)uriList, None, None);
  sendToTarget(target, xdndPosition, 0, ((long)x << 16) | y, CurrentTime, (long)xdndActionCopy);
  if (!waitFor(xdndStatus, &answer)) return 3;
  sendToTarget(target, xdndDrop, 0, CurrentTime, 0, 0);
  if (!waitFor(xdndFinished, &answer)) return 3;
  XCloseDisplay(display);
  free(uris);
  return 0;
}
