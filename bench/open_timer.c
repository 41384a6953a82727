/* Times one launch of a program for bench/wine_open.sh, from outside and without disturbing
 * it: starts the command, watches the X display for a window titled TITLE, then watches the
 * process's CPU time until it has used none for 300 ms. Prints the milliseconds from the launch
 * to the start of that quiet spell and the process's peak resident memory in kB, then ends it.
 *
 * usage: open_timer TITLE COMMAND [ARGUMENTS...]
 * The command must become the measured process itself (wine does: it executes the program in
 * the process it was started as). */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

/* Windows come and go while the tree is walked; one that vanished is simply not the one. */
static int IgnoreXError(Display* display, XErrorEvent* error) {
    (void)display;
    (void)error;
    return 0;
}

static double NowMs(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

static void SleepMs(double ms) {
    struct timespec t = {0, (long)(ms * 1e6)};
    nanosleep(&t, NULL);
}

static int IsTitled(Display* display, Window window, const char* title) {
    char* name = NULL;
    int same = 0;
    if (XFetchName(display, window, &name) && name != NULL) {
        same = strcmp(name, title) == 0;
        XFree(name);
    }
    return same;
}

/* Asks to hear of WINDOW's new children and name changes, for it and every window below it,
 * and tells whether one of them is already named TITLE. Watching by events instead of walking
 * the tree again and again keeps the X server free for the program being timed. */
static int Watch(Display* display, Window window, const char* title) {
    XSelectInput(display, window, SubstructureNotifyMask | PropertyChangeMask);
    int found = IsTitled(display, window, title);
    Window root, parent, *children = NULL;
    unsigned int count = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count; ++i) {
            found |= Watch(display, children[i], title);
        }
        if (children != NULL) {
            XFree(children);
        }
    }
    return found;
}

/* User plus system CPU time of the process, in clock ticks; -1 once it is gone. */
static long CpuTicks(pid_t pid) {
    char path[64], line[1024];
    snprintf(path, sizeof path, "/proc/%d/stat", (int)pid);
    FILE* stat = fopen(path, "r");
    if (stat == NULL) {
        return -1;
    }
    size_t n = fread(line, 1, sizeof line - 1, stat);
    fclose(stat);
    line[n] = '\0';
    const char* p = strrchr(line, ')');
    long utime = 0, stime = 0;
    if (p == NULL || sscanf(p + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %ld %ld",
                            &utime, &stime) != 2) {
        return -1;
    }
    return utime + stime;
}

static long PeakKb(pid_t pid) {
    char path[64], line[256];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* status = fopen(path, "r");
    long kb = 0;
    if (status != NULL) {
        while (fgets(line, sizeof line, status) != NULL) {
            if (sscanf(line, "VmHWM: %ld", &kb) == 1) {
                break;
            }
        }
        fclose(status);
    }
    return kb;
}

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: open_timer TITLE COMMAND [ARGUMENTS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (display == NULL) {
        fprintf(stderr, "open_timer: no X display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreXError);
    const char* title = argv[1];
    double start = NowMs();
    pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    int status = 0;
    int found = Watch(display, DefaultRootWindow(display), title);
    while (!found) {
        if (NowMs() - start > 120000 || waitpid(pid, &status, WNOHANG) == pid) {
            fprintf(stderr, "open_timer: no window \"%s\"\n", title);
            kill(pid, SIGKILL);
            return 1;
        }
        if (XPending(display) == 0) {
            SleepMs(1);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify) {
            found = Watch(display, event.xcreatewindow.window, title);
        } else if (event.type == PropertyNotify) {
            found = IsTitled(display, event.xproperty.window, title);
        }
    }
    double quietSince = NowMs();
    long ticks = CpuTicks(pid);
    for (;;) {
        SleepMs(5);
        long now = CpuTicks(pid);
        if (now < 0) {
            fprintf(stderr, "open_timer: the program ended\n");
            return 1;
        }
        if (now != ticks) {
            ticks = now;
            quietSince = NowMs();
        } else if (NowMs() - quietSince >= 300) {
            break;
        }
    }
    printf("%.0f %ld\n", quietSince - start, PeakKb(pid));
    kill(pid, SIGTERM);
    waitpid(pid, &status, 0);
    XCloseDisplay(display);
    return 0;
}
