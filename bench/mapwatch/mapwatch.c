/* mapwatch: starts a program and measures, as an X client of the same display,
 *   - the time from its exec to the first MapNotify of a top-level window of its own;
 *   - its peak resident memory (ru_maxrss from wait4), after it has been ended a fixed
 *     settle time after that map, so that it has painted its window.
 *
 * usage: mapwatch [-s SETTLE_MS] [-t TIMEOUT_MS] PROGRAM [ARG...]
 * prints one line: "map_ms=<float> maxrss_kib=<int> window=0x<id>" and exits 0, or explains
 * on stderr and exits 1 (no window within the timeout, program ended first, no display).
 */
#define _GNU_SOURCE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (double)ts.tv_sec * 1e3 + (double)ts.tv_nsec / 1e6;
}

/* The _NET_WM_PID of a window, or 0 when it has none. */
static long window_pid(Display* dpy, Window w, Atom net_wm_pid) {
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = NULL;
    long pid = 0;
    if (XGetWindowProperty(dpy, w, net_wm_pid, 0, 1, False, XA_CARDINAL, &type, &format, &count,
                           &after, &data) == Success &&
        data && type == XA_CARDINAL && format == 32 && count == 1)
        pid = *(long*)data;
    if (data)
        XFree(data);
    return pid;
}

/* Ends the child and collects its resource usage. */
static int finish(pid_t child, struct rusage* usage) {
    int status;
    kill(child, SIGTERM);
    for (int i = 0; i < 200; i++) { /* 2 s, then it is killed */
        pid_t r = wait4(child, &status, WNOHANG, usage);
        if (r == child)
            return 0;
        usleep(10000);
    }
    kill(child, SIGKILL);
    return wait4(child, &status, 0, usage) == child ? 0 : -1;
}

int main(int argc, char** argv) {
    int settle_ms = 500, timeout_ms = 20000, opt;
    while ((opt = getopt(argc, argv, "+s:t:")) != -1) {
        if (opt == 's')
            settle_ms = atoi(optarg);
        else if (opt == 't')
            timeout_ms = atoi(optarg);
        else
            return 2;
    }
    if (optind >= argc) {
        fprintf(stderr, "usage: mapwatch [-s SETTLE_MS] [-t TIMEOUT_MS] PROGRAM [ARG...]\n");
        return 2;
    }

    Display* dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "mapwatch: cannot open display\n");
        return 1;
    }
    Window root = DefaultRootWindow(dpy);
    Atom net_wm_pid = XInternAtom(dpy, "_NET_WM_PID", False);
    /* Watching starts before the program exists, so that no map can be missed. */
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, True);

    /* The child writes the time of its exec here; shared, so the parent can read it. */
    double* exec_at =
        mmap(NULL, sizeof(double), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (exec_at == MAP_FAILED)
        return 1;
    *exec_at = 0;

    pid_t child = fork();
    if (child < 0) {
        perror("mapwatch: fork");
        return 1;
    }
    if (child == 0) {
        close(ConnectionNumber(dpy));
        *exec_at = now_ms();
        execvp(argv[optind], argv + optind);
        fprintf(stderr, "mapwatch: cannot run %s: %s\n", argv[optind], strerror(errno));
        _exit(127);
    }

    const double deadline = now_ms() + timeout_ms;
    double mapped_at = 0;
    Window mapped = 0;
    struct pollfd pfd = {.fd = ConnectionNumber(dpy), .events = POLLIN};
    while (!mapped) {
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type != MapNotify || ev.xmap.event != root || ev.xmap.override_redirect)
                continue;
            const double at = now_ms();
            /* Only this display's clients run here, but a window that names another process
             * is not the program's. */
            long pid = window_pid(dpy, ev.xmap.window, net_wm_pid);
            if (pid != 0 && pid != child)
                continue;
            mapped_at = at;
            mapped = ev.xmap.window;
            break;
        }
        if (mapped)
            break;
        int status;
        if (waitpid(child, &status, WNOHANG) == child) {
            fprintf(stderr, "mapwatch: %s ended (status %d) before mapping a window\n",
                    argv[optind], status);
            return 1;
        }
        const double left = deadline - now_ms();
        if (left <= 0) {
            fprintf(stderr, "mapwatch: %s mapped no window within %d ms\n", argv[optind],
                    timeout_ms);
            struct rusage ignored;
            finish(child, &ignored);
            return 1;
        }
        poll(&pfd, 1, left < 50 ? (int)left + 1 : 50);
    }

    /* The same moment for every program: it has settle_ms to draw its window. */
    usleep((useconds_t)settle_ms * 1000);
    struct rusage usage;
    if (finish(child, &usage) != 0) {
        perror("mapwatch: wait4");
        return 1;
    }
    printf("map_ms=%.3f maxrss_kib=%ld window=0x%lx\n", mapped_at - *exec_at, usage.ru_maxrss,
           (unsigned long)mapped);
    XCloseDisplay(dpy);
    return 0;
}
