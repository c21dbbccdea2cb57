// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

/* mapwatch: starts a program and measures, as an X client of the same display,
 *   - the time from its exec to the first MapNotify of a top-level window of its own, and to
 *     the moment that window is drawn: its image, read back with XGetImage each time the
 *     program draws into it (XDamage), first equals the image it shows once it has settled
 *     (on 99.5 % of its pixels: a text cursor may blink);
 *   - with -k: the time from pressing Return (sent with XTest, the first window given the
 *     keyboard focus first) until the next window of the program is drawn, in the same sense;
 *   - its peak resident memory (ru_maxrss from wait4), after it has been ended.
 *
 * usage: mapwatch [-s SETTLE_MS] [-t TIMEOUT_MS] [-k] PROGRAM [ARG...]
 * prints one line: "map_ms=<f> drawn_ms=<f> [key_map_ms=<f> key_drawn_ms=<f>] maxrss_kib=<i>"
 * and exits 0, or explains on stderr and exits 1. MAPWATCH_DEBUG=1 lists the frames seen.
 */
#define _GNU_SOURCE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>
#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <stdint.h>
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

static int ignore_errors(Display* dpy, XErrorEvent* ev) {
    (void)dpy;
    (void)ev;
    return 0;
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

/* The window's pixels, 0xRRGGBB each, or NULL while it cannot be read (not mapped yet). */
static uint32_t* read_pixels(Display* dpy, Window w, int width, int height) {
    XImage* im = XGetImage(dpy, w, 0, 0, (unsigned)width, (unsigned)height, AllPlanes, ZPixmap);
    if (!im)
        return NULL;
    uint32_t* px = malloc(sizeof(uint32_t) * (size_t)width * (size_t)height);
    /* Read directly where the server's format allows (depth 24 in 32 bits): XGetPixel would
     * make the polling slower than the drawing it times. */
    const int direct = im->bits_per_pixel == 32 && im->byte_order == LSBFirst;
    for (int y = 0; y < height; y++) {
        if (direct) {
            const uint32_t* row = (const uint32_t*)(im->data + (size_t)y * im->bytes_per_line);
            for (int x = 0; x < width; x++)
                px[y * width + x] = row[x] & 0xffffff;
        } else {
            for (int x = 0; x < width; x++)
                px[y * width + x] = (uint32_t)XGetPixel(im, x, y) & 0xffffff;
        }
    }
    XDestroyImage(im);
    return px;
}

/* The images a window showed, one entry each time it changed. */
struct frames {
    int count, capacity;
    double* at;
    uint32_t** pixels;
};

static void keep(struct frames* f, double at, uint32_t* px, size_t n) {
    if (f->count && memcmp(f->pixels[f->count - 1], px, n * sizeof *px) == 0) {
        free(px);
        return;
    }
    if (f->count == f->capacity) {
        f->capacity = f->capacity ? 2 * f->capacity : 16;
        f->at = realloc(f->at, sizeof(double) * (size_t)f->capacity);
        f->pixels = realloc(f->pixels, sizeof(uint32_t*) * (size_t)f->capacity);
    }
    f->at[f->count] = at;
    f->pixels[f->count++] = px;
}

/* Waits for the next map of a top-level window of the child; 0 when none came in time. */
static Window wait_for_map(Display* dpy, Window root, Atom net_wm_pid, pid_t child, double deadline,
                           double* mapped_at) {
    struct pollfd pfd = {.fd = ConnectionNumber(dpy), .events = POLLIN};
    for (;;) {
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type != MapNotify || ev.xmap.event != root || ev.xmap.override_redirect)
                continue;
            const double at = now_ms();
            /* A window that names another process is not the program's. */
            long pid = window_pid(dpy, ev.xmap.window, net_wm_pid);
            if (pid != 0 && pid != child)
                continue;
            *mapped_at = at;
            return ev.xmap.window;
        }
        int status;
        if (waitpid(child, &status, WNOHANG) == child) {
            fprintf(stderr, "mapwatch: the program ended (status %d) before mapping a window\n",
                    status);
            return 0;
        }
        const double left = deadline - now_ms();
        if (left <= 0) {
            fprintf(stderr, "mapwatch: no window mapped in time\n");
            return 0;
        }
        poll(&pfd, 1, left < 50 ? (int)left + 1 : 50);
    }
}

static int damage_event;

/* Reads the window's image each time the program draws into it (XDamage) for settle_ms;
 * returns when it was first drawn as it is at the end, or -1. */
static double watch_drawing(Display* dpy, Window w, int settle_ms) {
    XWindowAttributes wa;
    if (!XGetWindowAttributes(dpy, w, &wa))
        return -1;
    const int width = wa.width, height = wa.height;
    const size_t n = (size_t)width * (size_t)height;
    struct frames f = {0};
    Damage damage = XDamageCreate(dpy, w, XDamageReportNonEmpty);
    XSync(dpy, False);
    /* It may have drawn before the damage was watched: what it shows now is the first frame. */
    double at = now_ms();
    uint32_t* px = read_pixels(dpy, w, width, height);
    if (px)
        keep(&f, at, px, n);
    const double end = now_ms() + settle_ms;
    struct pollfd pfd = {.fd = ConnectionNumber(dpy), .events = POLLIN};
    for (double left; (left = end - now_ms()) > 0;) {
        int damaged = 0;
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type == damage_event + XDamageNotify && !damaged) {
                damaged = 1;
                at = now_ms();
            }
        }
        if (damaged) {
            XDamageSubtract(dpy, damage, None, None);
            px = read_pixels(dpy, w, width, height);
            if (px)
                keep(&f, at, px, n);
        }
        poll(&pfd, 1, (int)left + 1);
    }
    XDamageDestroy(dpy, damage);
    double drawn = -1;
    if (f.count) {
        const uint32_t* settled = f.pixels[f.count - 1];
        for (int i = 0; i < f.count; i++) {
            size_t same = 0;
            for (size_t p = 0; p < n; p++)
                same += f.pixels[i][p] == settled[p];
            if (getenv("MAPWATCH_DEBUG"))
                fprintf(stderr, "frame %d at +%.1f ms: %.4f of the settled image\n", i,
                        f.at[i] - f.at[0], (double)same / (double)n);
            if (same >= n - n / 200 && drawn < 0)
                drawn = f.at[i];
        }
    }
    for (int i = 0; i < f.count; i++)
        free(f.pixels[i]);
    free(f.pixels);
    free(f.at);
    return drawn;
}

int main(int argc, char** argv) {
    int settle_ms = 500, timeout_ms = 20000, key = 0, opt;
    while ((opt = getopt(argc, argv, "+s:t:k")) != -1) {
        if (opt == 's')
            settle_ms = atoi(optarg);
        else if (opt == 't')
            timeout_ms = atoi(optarg);
        else if (opt == 'k')
            key = 1;
        else
            return 2;
    }
    if (optind >= argc) {
        fprintf(stderr, "usage: mapwatch [-s SETTLE_MS] [-t TIMEOUT_MS] [-k] PROGRAM [ARG...]\n");
        return 2;
    }

    Display* dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "mapwatch: cannot open display\n");
        return 1;
    }
    XSetErrorHandler(ignore_errors);
    int xtest_event, xtest_error, xtest_major, xtest_minor;
    if (key && !XTestQueryExtension(dpy, &xtest_event, &xtest_error, &xtest_major, &xtest_minor)) {
        fprintf(stderr, "mapwatch: the display has no XTest extension\n");
        return 1;
    }
    int damage_error;
    if (!XDamageQueryExtension(dpy, &damage_event, &damage_error)) {
        fprintf(stderr, "mapwatch: the display has no DAMAGE extension\n");
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

    struct rusage usage;
    double mapped_at;
    Window first = wait_for_map(dpy, root, net_wm_pid, child, now_ms() + timeout_ms, &mapped_at);
    if (!first) {
        finish(child, &usage);
        return 1;
    }
    /* The same for every program: it has settle_ms to draw its window. */
    const double drawn_at = watch_drawing(dpy, first, settle_ms);
    if (drawn_at < 0) {
        fprintf(stderr, "mapwatch: the first window could not be read\n");
        finish(child, &usage);
        return 1;
    }
    printf("map_ms=%.3f drawn_ms=%.3f", mapped_at - *exec_at, drawn_at - *exec_at);

    if (key) {
        /* As a window manager would: the box gets the keyboard, then the user presses Return. */
        XSetInputFocus(dpy, first, RevertToPointerRoot, CurrentTime);
        XSync(dpy, False);
        usleep(100000);
        const KeyCode ret = XKeysymToKeycode(dpy, XK_Return);
        const double pressed_at = now_ms();
        XTestFakeKeyEvent(dpy, ret, True, CurrentTime);
        XTestFakeKeyEvent(dpy, ret, False, CurrentTime);
        XFlush(dpy);
        double next_mapped_at;
        Window next =
            wait_for_map(dpy, root, net_wm_pid, child, now_ms() + timeout_ms, &next_mapped_at);
        const double next_drawn_at = next ? watch_drawing(dpy, next, settle_ms) : -1;
        if (next_drawn_at < 0) {
            fprintf(stderr, "\nmapwatch: no window drawn after Return\n");
            finish(child, &usage);
            return 1;
        }
        printf(" key_map_ms=%.3f key_drawn_ms=%.3f", next_mapped_at - pressed_at,
               next_drawn_at - pressed_at);
    }

    if (finish(child, &usage) != 0) {
        perror("mapwatch: wait4");
        return 1;
    }
    printf(" maxrss_kib=%ld\n", usage.ru_maxrss);
    XCloseDisplay(dpy);
    return 0;
}
