// Starts a program under X and measures it as a player would feel it: the time
// from process start to the first painted frame, peak memory, idle CPU and
// wake-ups over a few seconds at rest, and the time from a window manager's
// close request to exit.
//
//   kolumo_first_frame_probe X Y IDLE_SECONDS program [args...]
//
// (X, Y) is a screen point inside the program's window; the screen there must
// be black before the window appears (a bare Xvfb root is). Prints one line:
//   first_frame_ms=... vmhwm_kb=... idle_cpu_percent=... wakeups_per_s=...
//   close_to_exit_ms=...
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <dirent.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

unsigned long PixelAt(Display* display, int x, int y)
{
    XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr)
        return 0;
    const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return pixel;
}

// CPU time of every thread of the process, in nanoseconds (the scheduler's
// own count: finer than the clock ticks of /proc/PID/stat).
double CpuNanoseconds(pid_t pid)
{
    double total = 0;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* directory = opendir(tasks.c_str());
    if (directory == nullptr)
        return 0;
    while (const dirent* entry = readdir(directory)) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
        double running = 0;
        if (schedstat >> running)
            total += running;
    }
    closedir(directory);
    return total;
}

// Times any thread of the process was switched in, woken or preempted: the
// voluntary and involuntary context switches of every thread.
long ContextSwitches(pid_t pid)
{
    long total = 0;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* directory = opendir(tasks.c_str());
    if (directory == nullptr)
        return 0;
    while (const dirent* entry = readdir(directory)) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream status(tasks + "/" + entry->d_name + "/status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0)
                total += std::stol(line.substr(line.find(':') + 1));
            else if (line.rfind("nonvoluntary_ctxt_switches:", 0) == 0)
                total += std::stol(line.substr(line.find(':') + 1));
        }
    }
    closedir(directory);
    return total;
}

long PeakResidentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

Window FindWindowOf(Display* display, Window under, pid_t pid, Atom pidAtom)
{
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, under, &root, &parent, &children, &count) == 0)
        return 0;
    Window found = 0;
    for (unsigned int k = 0; k < count && found == 0; ++k) {
        Atom type = 0;
        int format = 0;
        unsigned long items = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, children[k], pidAtom, 0, 1, False, XA_CARDINAL, &type,
                               &format, &items, &after, &data)
                == Success
            && data != nullptr) {
            if (items == 1 && static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) == pid)
                found = children[k];
            XFree(data);
        }
        if (found == 0)
            found = FindWindowOf(display, children[k], pid, pidAtom);
    }
    if (children != nullptr)
        XFree(children);
    return found;
}

void SendClose(Display* display, Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s X Y IDLE_SECONDS program [args...]\n", argv[0]);
        return 2;
    }
    const int x = std::atoi(argv[1]);
    const int y = std::atoi(argv[2]);
    const int idleSeconds = std::atoi(argv[3]);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[4], argv + 4);
        _exit(127);
    }

    double firstFrame = -1;
    while (MillisecondsSince(start) < 20000) {
        if (PixelAt(display, x, y) != 0) {
            firstFrame = MillisecondsSince(start);
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(250));
    }

    // Let start-up's deferred work finish and the audio device, opened by
    // it, come to rest (three seconds after opening), then watch the idle
    // program.
    std::this_thread::sleep_for(std::chrono::seconds(5));
    const double cpuBefore = CpuNanoseconds(pid);
    const long switchesBefore = ContextSwitches(pid);
    std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
    const double cpuAfter = CpuNanoseconds(pid);
    const long switchesAfter = ContextSwitches(pid);
    const double idleCpu = 100.0 * (cpuAfter - cpuBefore) / (1e9 * idleSeconds);
    const double wakeups = static_cast<double>(switchesAfter - switchesBefore) / idleSeconds;
    const long peak = PeakResidentKb(pid);

    const Window window = FindWindowOf(display, DefaultRootWindow(display), pid,
                                       XInternAtom(display, "_NET_WM_PID", False));
    const Clock::time_point closeStart = Clock::now();
    if (window != 0)
        SendClose(display, window);
    double closeToExit = -1;
    int status = 0;
    while (MillisecondsSince(closeStart) < 10000) {
        if (waitpid(pid, &status, WNOHANG) == pid) {
            closeToExit = MillisecondsSince(closeStart);
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(250));
    }
    if (closeToExit < 0) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    XCloseDisplay(display);
    std::printf("first_frame_ms=%.1f vmhwm_kb=%ld idle_cpu_percent=%.2f wakeups_per_s=%.1f "
                "close_to_exit_ms=%.1f\n",
                firstFrame, peak, idleCpu, wakeups, closeToExit);
    return firstFrame < 0 ? 1 : 0;
}
