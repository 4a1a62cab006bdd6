/* Starts a program on the current X display and measures how long its first top-level window
 * takes to be mapped, then its resident memory and its CPU use while it sits idle.
 *   nuvra_map_wait [--settle SECONDS] [--idle SECONDS] [--timeout SECONDS]
 *                  [--key KEYS --window TITLE]... PROGRAM [ARG...]
 * --settle: seconds after the start at which the memory is read (default 3);
 * --idle: length of the idle window over which CPU time is measured (default 10);
 * --timeout: how long to wait for the window (default 30);
 * --key and --window: one second after the start the keys are pressed (XTest, a keysym with
 *   optional "Control+" or "Alt+" before it, into the program's first window, given the focus
 *   as a click would) and the time until a window with that title is mapped is measured too
 *   (key_map_ms on the line). Up to four pairs, each pressed after the window of the one
 *   before it is mapped (key2_map_ms, ...); the idle figures are then taken with all of them
 *   open.
 * Prints one line "map_ms=... rss_kb=... idle_s=... idle_cpu_ms=... idle_cpu_pct=..." and exits
 * 0; exits 1 when the program cannot start, ends early or shows no window in time. The
 * program's own standard output goes to standard error, so the line stands alone. */

#define _GNU_SOURCE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum { kMaxNewWindows = 256 };

static double secondsSince(const struct timespec* start)
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (double)(now.tv_sec - start->tv_sec) + (double)(now.tv_nsec - start->tv_nsec) / 1e9;
}

static void sleepUntil(const struct timespec* start, double seconds)
{
    struct timespec wake = *start;
    wake.tv_sec += (time_t)seconds;
    wake.tv_nsec += (long)((seconds - (double)(time_t)seconds) * 1e9);
    if (wake.tv_nsec >= 1000000000L) {
        wake.tv_sec += 1;
        wake.tv_nsec -= 1000000000L;
    }
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &wake, NULL) == EINTR) {
    }
}

/* The window's _NET_WM_PID, 0 when it has none. */
static long windowPid(Display* display, Window window, Atom pidAtom)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = NULL;
    long pid = 0;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data != NULL && format == 32 && count == 1)
        pid = (long)*(unsigned long*)data;
    if (data != NULL)
        XFree(data);
    return pid;
}

/* VmRSS in kB, -1 when it cannot be read. */
static long residentKb(pid_t pid)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* file = fopen(path, "r");
    if (file == NULL)
        return -1;
    char line[256];
    long kb = -1;
    while (fgets(line, sizeof line, file) != NULL) {
        if (sscanf(line, "VmRSS: %ld kB", &kb) == 1)
            break;
    }
    fclose(file);
    return kb;
}

/* utime + stime in clock ticks, -1 when they cannot be read. */
static long long cpuTicks(pid_t pid)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/stat", (int)pid);
    FILE* file = fopen(path, "r");
    if (file == NULL)
        return -1;
    char text[1024];
    const size_t length = fread(text, 1, sizeof text - 1, file);
    fclose(file);
    text[length] = '\0';
    /* The command name is in parentheses and may hold blanks; the fields follow the last ')'. */
    const char* rest = strrchr(text, ')');
    if (rest == NULL)
        return -1;
    unsigned long long utime = 0;
    unsigned long long stime = 0;
    if (sscanf(rest + 1, " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu", &utime,
               &stime) != 2)
        return -1;
    return (long long)(utime + stime);
}

static void stopChild(pid_t child)
{
    kill(child, SIGTERM);
    for (int i = 0; i < 50; ++i) {
        if (waitpid(child, NULL, WNOHANG) == child)
            return;
        usleep(100000);
    }
    kill(child, SIGKILL);
    waitpid(child, NULL, 0);
}

static int usage(void)
{
    fprintf(stderr, "usage: nuvra_map_wait [--settle SECONDS] [--idle SECONDS] "
                    "[--timeout SECONDS] [--key KEYS --window TITLE]... PROGRAM [ARG...]\n");
    return 2;
}

static int readSeconds(const char* text, double* seconds)
{
    char* end = NULL;
    const double value = strtod(text, &end);
    if (end == text || *end != '\0' || value < 0 || value > 3600)
        return 0;
    *seconds = value;
    return 1;
}

/* Presses and releases the key, then waits for a top-level window of that title to be mapped;
 * the seconds from the press to the map, or -1 after the timeout. */
static double keyToWindow(Display* display, Window focus, const char* keys, const char* title,
                          double timeout)
{
    const Window root = DefaultRootWindow(display);
    KeyCode modifier = 0;
    const char* keysymName = keys;
    if (strncmp(keys, "Control+", 8) == 0 || strncmp(keys, "Alt+", 4) == 0) {
        const int control = keys[0] == 'C';
        modifier = XKeysymToKeycode(display, XStringToKeysym(control ? "Control_L" : "Alt_L"));
        keysymName = keys + (control ? 8 : 4);
    }
    const KeyCode code = XKeysymToKeycode(display, XStringToKeysym(keysymName));
    if (code == 0)
        return -1;
    XSetInputFocus(display, focus, RevertToParent, CurrentTime);
    XSync(display, False);
    struct timespec pressed;
    clock_gettime(CLOCK_MONOTONIC, &pressed);
    if (modifier != 0)
        XTestFakeKeyEvent(display, modifier, True, CurrentTime);
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    if (modifier != 0)
        XTestFakeKeyEvent(display, modifier, False, CurrentTime);
    XFlush(display);
    while (secondsSince(&pressed) < timeout) {
        if (XPending(display) == 0) {
            struct pollfd ready = {ConnectionNumber(display), POLLIN, 0};
            poll(&ready, 1, 100);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify || event.xmap.event != root)
            continue;
        char* name = NULL;
        const int matches = XFetchName(display, event.xmap.window, &name) && name != NULL &&
                            strcmp(name, title) == 0;
        if (name != NULL)
            XFree(name);
        if (matches)
            return secondsSince(&pressed);
    }
    return -1;
}

int main(int argc, char** argv)
{
    double settle = 3;
    double idle = 10;
    double timeout = 30;
    enum { kMaxKeys = 4 };
    const char* keys[kMaxKeys] = {NULL};
    const char* keyWindows[kMaxKeys] = {NULL};
    int keyCount = 0;
    int windowCount = 0;
    int first = 1;
    while (first < argc && strncmp(argv[first], "--", 2) == 0) {
        if (strcmp(argv[first], "--") == 0) {
            ++first;
            break;
        }
        const int isKey = strcmp(argv[first], "--key") == 0;
        if ((isKey || strcmp(argv[first], "--window") == 0) && first + 1 < argc) {
            int* count = isKey ? &keyCount : &windowCount;
            if (*count == kMaxKeys)
                return usage();
            (isKey ? keys : keyWindows)[(*count)++] = argv[first + 1];
            first += 2;
            continue;
        }
        double* option = strcmp(argv[first], "--settle") == 0    ? &settle
                         : strcmp(argv[first], "--idle") == 0    ? &idle
                         : strcmp(argv[first], "--timeout") == 0 ? &timeout
                                                                 : NULL;
        if (option == NULL || first + 1 >= argc || !readSeconds(argv[first + 1], option))
            return usage();
        first += 2;
    }
    if (first >= argc || keyCount != windowCount)
        return usage();

    Display* display = XOpenDisplay(NULL);
    if (display == NULL) {
        fprintf(stderr, "nuvra_map_wait: cannot open the X display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    /* Listening starts before the program does, so no map of its windows can be missed. */
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    /* A close-on-exec pipe tells whether exec succeeded: it closes empty, or carries errno. */
    int execPipe[2];
    if (pipe2(execPipe, O_CLOEXEC) != 0) {
        perror("nuvra_map_wait: pipe");
        return 1;
    }
    struct timespec start;
    clock_gettime(CLOCK_MONOTONIC, &start);
    const pid_t child = fork();
    if (child < 0) {
        perror("nuvra_map_wait: fork");
        return 1;
    }
    if (child == 0) {
        close(execPipe[0]);
        close(ConnectionNumber(display));
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execvp(argv[first], argv + first);
        const int failure = errno;
        if (write(execPipe[1], &failure, sizeof failure) < 0) {
        }
        _exit(127);
    }
    close(execPipe[1]);
    int execError = 0;
    if (read(execPipe[0], &execError, sizeof execError) == (ssize_t)sizeof execError) {
        fprintf(stderr, "nuvra_map_wait: cannot start %s: %s\n", argv[first], strerror(execError));
        waitpid(child, NULL, 0);
        XCloseDisplay(display);
        return 1;
    }
    close(execPipe[0]);

    /* Top-level windows created since the start; the fallback when a window carries no pid. */
    Window created[kMaxNewWindows];
    int createdCount = 0;
    double mapSeconds = -1;
    Window firstWindow = None;
    while (mapSeconds < 0) {
        if (waitpid(child, NULL, WNOHANG) == child) {
            fprintf(stderr, "nuvra_map_wait: %s ended before showing a window\n", argv[first]);
            XCloseDisplay(display);
            return 1;
        }
        const double left = timeout - secondsSince(&start);
        if (left <= 0) {
            fprintf(stderr, "nuvra_map_wait: no window of %s within %g s\n", argv[first], timeout);
            stopChild(child);
            XCloseDisplay(display);
            return 1;
        }
        if (XPending(display) == 0) {
            struct pollfd ready = {ConnectionNumber(display), POLLIN, 0};
            const int pollMs = left < 0.1 ? (int)(left * 1000) + 1 : 100;
            poll(&ready, 1, pollMs);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify && event.xcreatewindow.parent == root &&
            createdCount < kMaxNewWindows) {
            created[createdCount++] = event.xcreatewindow.window;
        } else if (event.type == MapNotify && event.xmap.event == root) {
            const double at = secondsSince(&start);
            const long pid = windowPid(display, event.xmap.window, pidAtom);
            int isNew = 0;
            for (int i = 0; i < createdCount; ++i)
                isNew |= created[i] == event.xmap.window;
            if (pid == (long)child || (pid == 0 && isNew)) {
                mapSeconds = at;
                firstWindow = event.xmap.window;
            }
        }
    }
    double keyMapSeconds[kMaxKeys];
    for (int i = 0; i < keyCount; ++i) {
        if (i == 0) {
            sleepUntil(&start, 1.0);
        } else {
            struct timespec pause = {0, 300000000L};
            nanosleep(&pause, NULL);
        }
        keyMapSeconds[i] = keyToWindow(display, firstWindow, keys[i], keyWindows[i], timeout);
        if (keyMapSeconds[i] < 0) {
            fprintf(stderr, "nuvra_map_wait: no window \"%s\" after %s\n", keyWindows[i],
                    keys[i]);
            stopChild(child);
            XCloseDisplay(display);
            return 1;
        }
    }
    XCloseDisplay(display);

    sleepUntil(&start, settle);
    const long rss = residentKb(child);
    const long long before = cpuTicks(child);
    struct timespec idleStart;
    clock_gettime(CLOCK_MONOTONIC, &idleStart);
    sleepUntil(&idleStart, idle);
    const double idleSeconds = secondsSince(&idleStart);
    const long long after = cpuTicks(child);
    const int stillRunning = waitpid(child, NULL, WNOHANG) == 0;
    if (stillRunning)
        stopChild(child);
    if (!stillRunning || rss < 0 || before < 0 || after < 0) {
        fprintf(stderr, "nuvra_map_wait: %s ended before the measurement was done\n", argv[first]);
        return 1;
    }

    const double ticksPerSecond = (double)sysconf(_SC_CLK_TCK);
    const double cpuMs = (double)(after - before) * 1000.0 / ticksPerSecond;
    const double cpuPercent = idleSeconds > 0 ? cpuMs / 10.0 / idleSeconds : 0.0;
    printf("map_ms=%.1f rss_kb=%ld idle_s=%.1f idle_cpu_ms=%.0f idle_cpu_pct=%.2f",
           mapSeconds * 1000.0, rss, idleSeconds, cpuMs, cpuPercent);
    for (int i = 0; i < keyCount; ++i) {
        if (i == 0)
            printf(" key_map_ms=%.1f", keyMapSeconds[i] * 1000.0);
        else
            printf(" key%d_map_ms=%.1f", i + 1, keyMapSeconds[i] * 1000.0);
    }
    printf("\n");
    return 0;
}
