// SPDX-License-Identifier: GPL-3.0-or-later
// marvane_xwatch: watches an X display from outside a program, so the program and the floor are
// timed the same way and neither needs any hook.
//
// It asks the X server (DAMAGE extension, raw rectangles on the root window) for every area that
// any client draws, and for every window that is mapped (SubstructureNotify on the root). Qt maps
// its windows with no background, so the server draws nothing of its own on map: the first damage
// inside a newly mapped window is the program's own first flush.
//
//   marvane_xwatch launch [--timeout S] [--settle-ms M] [--log FILE] [--trace]
//                         [--frames DIR [--frames-max N]] -- PROGRAM [ARGS...]
//     Starts PROGRAM and prints, in milliseconds from just before exec: when its window was mapped,
//     when its first pixels arrived, when every pixel of the window had been drawn at least once
//     (the first paint is done), the CPU time its threads had used by then, and the last drawing
//     before M ms of quiet (settled). PROGRAM is left running, its output going to FILE; its pid
//     and window id are printed too. --trace lists every damaged area on the standard error.
//     --frames grabs the window's pixels after every burst of drawing (at most N grabs, 8 by
//     default) and once more when it has settled, writes them to DIR as PNG files, and says how
//     many pixels of the first whole frame differ from the settled window. Grabbing slows the X
//     server down, so a run with --frames is for looking, not for timing.
//
//   marvane_xwatch game --pid P --window W [--quiet-ms M] [--timeout S] [--ping-ms N]
//     Prints "ready" once watching, then times the drawing inside window W: from its first
//     damage to its last one before M ms of quiet, and the CPU time that all threads of P used in
//     between (from /proc/P/task/*/schedstat, in nanoseconds). With --ping-ms it also sends the
//     window a _NET_WM_PING every N ms, which Qt answers from its GUI thread's event loop, and
//     reports the slowest answer (the longest the event loop kept an event waiting).
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <QImage>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

Clock::duration milliseconds(double ms) {
    return std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double, std::milli>(ms));
}

double msSince(Clock::time_point start, Clock::time_point t) {
    return std::chrono::duration<double, std::milli>(t - start).count();
}

[[noreturn]] void fail(const std::string& message) {
    std::fprintf(stderr, "marvane_xwatch: %s\n", message.c_str());
    std::exit(2);
}

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
};

// The connection, the root window and the damage event code.
struct Display {
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
    std::uint8_t damageEvent = 0;
    std::deque<xcb_generic_event_t*> pending;

    Display() {
        connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection)) fail("cannot open the display");
        // The watched program must not inherit the watcher's connection.
        fcntl(xcb_get_file_descriptor(connection), F_SETFD, FD_CLOEXEC);
        root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;

        const xcb_query_extension_reply_t* damage =
            xcb_get_extension_data(connection, &xcb_damage_id);
        if (!damage || !damage->present) fail("the X server has no DAMAGE extension");
        damageEvent = damage->first_event + XCB_DAMAGE_NOTIFY;
        free(xcb_damage_query_version_reply(connection, xcb_damage_query_version(connection, 1, 1),
                                            nullptr));

        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
        xcb_damage_create(connection, xcb_generate_id(connection), root,
                          XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        // A round trip, so that everything drawn from now on is reported.
        free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    }
    ~Display() {
        for (auto* event : pending) free(event);
        xcb_disconnect(connection);
    }

    // The next event, or nullptr when none arrived before `deadline`.
    xcb_generic_event_t* next(Clock::time_point deadline) {
        if (!pending.empty()) {
            auto* event = pending.front();
            pending.pop_front();
            return event;
        }
        for (;;) {
            if (auto* event = xcb_poll_for_event(connection)) return event;
            if (xcb_connection_has_error(connection)) fail("the X connection broke");
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now())
                    .count();
            if (left <= 0) return nullptr;
            pollfd fd{xcb_get_file_descriptor(connection), POLLIN, 0};
            poll(&fd, 1, static_cast<int>(std::min<long long>(left, 50)));
        }
    }

    // True when an event has arrived and waits to be handled.
    bool eventWaiting() {
        if (pending.empty()) {
            if (auto* event = xcb_poll_for_event(connection)) pending.push_back(event);
        }
        return !pending.empty();
    }

    std::optional<Rect> rootGeometry(xcb_window_t window) {
        auto* geometry =
            xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
        if (!geometry) return std::nullopt;
        auto* translated = xcb_translate_coordinates_reply(
            connection, xcb_translate_coordinates(connection, window, root, 0, 0), nullptr);
        Rect rect{geometry->x, geometry->y, geometry->width, geometry->height};
        if (translated) {
            rect.x = translated->dst_x;
            rect.y = translated->dst_y;
        }
        free(geometry);
        free(translated);
        return rect;
    }

    // Asks for the pixels of `window`; the reply comes with grabReply. Everything the server had
    // drawn before this request is in the picture, and nothing after it.
    xcb_get_image_cookie_t requestGrab(xcb_window_t window, const Rect& rect) {
        return xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                             static_cast<std::uint16_t>(rect.width),
                             static_cast<std::uint16_t>(rect.height), ~0u);
    }

    // The grabbed pixels as an image, or a null image when the server refused. Events that
    // arrive with the reply stay queued for next().
    QImage grabReply(xcb_get_image_cookie_t cookie, const Rect& rect) {
        auto* reply = xcb_get_image_reply(connection, cookie, nullptr);
        if (!reply) return {};
        QImage image;
        const int length = xcb_get_image_data_length(reply);
        const int stride = rect.width * 4;
        // Depth 24 comes as 32 bits per pixel, blue first: what QImage calls RGB32.
        if (reply->depth == 24 && length >= stride * rect.height) {
            image = QImage(xcb_get_image_data(reply), rect.width, rect.height, stride,
                           QImage::Format_RGB32)
                        .copy();
        }
        free(reply);
        return image;
    }

    // The window's _NET_WM_PID, or -1.
    long windowPid(xcb_window_t window) {
        static const char kName[] = "_NET_WM_PID";
        auto* atom = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 1, sizeof kName - 1, kName), nullptr);
        if (!atom || atom->atom == XCB_ATOM_NONE) {
            free(atom);
            return -1;
        }
        auto* property = xcb_get_property_reply(
            connection,
            xcb_get_property(connection, 0, window, atom->atom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
        free(atom);
        long pid = -1;
        if (property && xcb_get_property_value_length(property) == 4)
            pid = *static_cast<std::uint32_t*>(xcb_get_property_value(property));
        free(property);
        return pid;
    }
};

// Which pixels of a window have been drawn at least once.
class Coverage {
public:
    explicit Coverage(Rect window)
        : window_(window), drawn_(static_cast<std::size_t>(window.width) * window.height) {}

    // Adds a damaged area in root coordinates; true when it touched the window.
    bool add(const xcb_rectangle_t& area) {
        const int left = std::max<int>(area.x, window_.x);
        const int top = std::max<int>(area.y, window_.y);
        const int right = std::min<int>(area.x + area.width, window_.x + window_.width);
        const int bottom = std::min<int>(area.y + area.height, window_.y + window_.height);
        if (left >= right || top >= bottom) return false;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                auto& pixel = drawn_[static_cast<std::size_t>(y - window_.y) * window_.width +
                                     (x - window_.x)];
                if (!pixel) {
                    pixel = 1;
                    ++count_;
                }
            }
        }
        return true;
    }
    bool complete() const { return count_ == drawn_.size(); }

private:
    Rect window_;
    std::vector<std::uint8_t> drawn_;
    std::size_t count_ = 0;
};

// CPU time of every live thread of `pid`, in nanoseconds.
std::uint64_t threadCpuNs(long pid) {
    std::uint64_t total = 0;
    std::error_code error;
    const auto tasks = std::filesystem::path("/proc") / std::to_string(pid) / "task";
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        std::uint64_t ns = 0;
        if (schedstat >> ns) total += ns;
    }
    return total;
}

// Pixels that differ between two grabs of the same window, and the box around them.
struct Difference {
    long pixels = 0;
    int left = 0, top = 0, right = -1, bottom = -1;
};

Difference compare(const QImage& a, const QImage& b) {
    Difference d;
    if (a.size() != b.size()) {
        d.pixels = -1;
        return d;
    }
    d.left = a.width();
    d.top = a.height();
    for (int y = 0; y < a.height(); ++y) {
        const auto* ra = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if ((ra[x] & 0xFFFFFF) == (rb[x] & 0xFFFFFF)) continue;
            ++d.pixels;
            d.left = std::min(d.left, x);
            d.top = std::min(d.top, y);
            d.right = std::max(d.right, x);
            d.bottom = std::max(d.bottom, y);
        }
    }
    return d;
}

// True when `event` was generated before the request numbered `request` was processed: the
// server stamps every event with the last request of ours that it had processed.
bool before(const xcb_generic_event_t* event, unsigned request) {
    return static_cast<std::int16_t>(event->sequence - static_cast<std::uint16_t>(request)) < 0;
}

xcb_rectangle_t damageArea(const xcb_generic_event_t* event) {
    return reinterpret_cast<const xcb_damage_notify_event_t*>(event)->area;
}

int launch(int argc, char** argv) {
    double timeoutS = 20;
    double settleMs = 500;
    const char* log = "/dev/null";
    bool trace = false;
    const char* framesDir = nullptr;
    int framesMax = 8;
    int i = 0;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (!std::strcmp(argv[i], "--timeout") && i + 1 < argc) timeoutS = std::atof(argv[++i]);
        if (!std::strcmp(argv[i], "--settle-ms") && i + 1 < argc) settleMs = std::atof(argv[++i]);
        if (!std::strcmp(argv[i], "--log") && i + 1 < argc) log = argv[++i];
        if (!std::strcmp(argv[i], "--trace")) trace = true;
        if (!std::strcmp(argv[i], "--frames") && i + 1 < argc) framesDir = argv[++i];
        if (!std::strcmp(argv[i], "--frames-max") && i + 1 < argc) framesMax = std::atoi(argv[++i]);
    }
    if (i + 1 >= argc) fail("launch: no program after --");
    char** program = argv + i + 1;

    Display display;
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) fail("fork failed");
    if (pid == 0) {
        // The program outlives the watcher, so it must not hold the watcher's output open.
        const int input = open("/dev/null", O_RDONLY);
        const int output = open(log, O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (input < 0 || output < 0) std::_Exit(126);
        dup2(input, 0);
        dup2(output, 1);
        dup2(output, 2);
        execvp(program[0], program);
        std::_Exit(127);
    }

    const auto deadline = start + milliseconds(timeoutS * 1000);
    xcb_window_t window = 0;
    std::optional<Coverage> coverage;
    std::optional<Clock::time_point> mapped, firstPixels, painted, lastDrawn;
    std::uint64_t paintCpuNs = 0;
    std::optional<Rect> windowRect;

    // Frames: a grab is asked for once the drawing that has arrived is all handled; drawing
    // stamped before the grab's request is in it, drawing stamped after it asks for the next.
    struct Frame {
        QImage image;
        double ms = 0;
        bool whole = false;  // every pixel of the window had been drawn by then
        int areas = 0;       // damaged areas in the window up to this frame
    };
    std::vector<Frame> frames;
    std::optional<unsigned> grabRequest;
    bool grabWanted = false;
    int areas = 0;
    auto grab = [&] {
        const auto cookie = display.requestGrab(window, *windowRect);
        grabRequest = cookie.sequence;
        Frame frame;
        frame.image = display.grabReply(cookie, *windowRect);
        frame.ms = msSince(start, Clock::now());
        frames.push_back(std::move(frame));
        grabWanted = false;
    };
    for (;;) {
        auto until = deadline;
        if (painted) until = std::min(deadline, *lastDrawn + milliseconds(settleMs));
        xcb_generic_event_t* event = display.next(until);
        if (!event) break;
        const auto now = Clock::now();
        const std::uint8_t type = event->response_type & 0x7f;
        if (type == XCB_MAP_NOTIFY && !window) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            const long owner = display.windowPid(map->window);
            const auto rect = display.rootGeometry(map->window);
            if (!map->override_redirect && owner == pid && rect && rect->width >= 100 &&
                rect->height >= 100) {
                window = map->window;
                mapped = now;
                windowRect = rect;
                coverage.emplace(*rect);
            }
        } else if (type == display.damageEvent && coverage) {
            const xcb_rectangle_t area = damageArea(event);
            if (trace) {
                std::fprintf(stderr, "%8.1f ms damage %d,%d %ux%u\n", msSince(start, now), area.x,
                             area.y, area.width, area.height);
            }
            if (coverage->add(area)) {
                ++areas;
                if (framesDir && (!grabRequest || !before(event, *grabRequest))) grabWanted = true;
                if (framesDir && grabRequest && before(event, *grabRequest) && !frames.empty()) {
                    frames.back().areas = areas;
                    frames.back().whole = coverage->complete();
                }
                if (!firstPixels) firstPixels = now;
                lastDrawn = now;
                if (!painted && coverage->complete()) {
                    painted = now;
                    paintCpuNs = threadCpuNs(pid);
                }
            }
        }
        free(event);
        if (grabWanted && static_cast<int>(frames.size()) < framesMax && !display.eventWaiting()) {
            grab();
            frames.back().whole = coverage->complete();
            frames.back().areas = areas;
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) fail("the program ended during start-up");
    }
    if (!painted) {
        fail(mapped ? "the window was never painted whole" : "no window was mapped");
    }
    std::string frameReport;
    if (framesDir) {
        std::filesystem::create_directories(framesDir);
        const QImage settled =
            display.grabReply(display.requestGrab(window, *windowRect), *windowRect);
        settled.save(QString::fromLocal8Bit(framesDir) + "/settled.png");
        int firstWhole = -1;
        for (std::size_t f = 0; f < frames.size(); ++f) {
            char name[64];
            std::snprintf(name, sizeof name, "/frame-%02zu-%.0fms%s.png", f + 1, frames[f].ms,
                          frames[f].whole ? "" : "-partial");
            frames[f].image.save(QString::fromLocal8Bit(framesDir) + name);
            if (firstWhole < 0 && frames[f].whole) firstWhole = static_cast<int>(f);
            const Difference d = compare(frames[f].image, settled);
            std::fprintf(stderr,
                         "frame %zu at %.1f ms: %d areas so far, %s, %ld pixels differ from the "
                         "settled window (box %d,%d-%d,%d)\n",
                         f + 1, frames[f].ms, frames[f].areas,
                         frames[f].whole ? "whole" : "partial", d.pixels, d.left, d.top, d.right,
                         d.bottom);
        }
        char report[160];
        if (firstWhole < 0) {
            std::snprintf(report, sizeof report, " frames=%zu first_whole_frame=none",
                          frames.size());
        } else {
            const Difference d = compare(frames[firstWhole].image, settled);
            std::snprintf(report, sizeof report,
                          " frames=%zu first_whole_frame=%d first_whole_diff_px=%ld", frames.size(),
                          firstWhole + 1, d.pixels);
        }
        frameReport = report;
    }
    std::printf(
        "pid=%d window=%u map_ms=%.1f first_ms=%.1f paint_ms=%.1f settled_ms=%.1f "
        "paint_cpu_ms=%.1f%s\n",
        static_cast<int>(pid), window, msSince(start, *mapped), msSince(start, *firstPixels),
        msSince(start, *painted), msSince(start, *lastDrawn), static_cast<double>(paintCpuNs) / 1e6,
        frameReport.c_str());
    return 0;
}

// Pings a window every few ms with _NET_WM_PING; Qt sends each one back to the root window once
// its GUI thread handles it.
class Pinger {
public:
    Pinger(Display& display, xcb_window_t window, double everyMs)
        : display_(display), window_(window), every_(milliseconds(everyMs)) {
        if (everyMs <= 0) return;
        protocols_ = atom("WM_PROTOCOLS");
        ping_ = atom("_NET_WM_PING");
        // Qt sends the answer to the root window for its structure (and its substructure
        // redirection, which only a window manager may select).
        const std::uint32_t mask =
            XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(display_.connection, display_.root, XCB_CW_EVENT_MASK, &mask);
        next_ = Clock::now();
    }
    bool on() const { return every_.count() > 0; }
    Clock::time_point due() const { return next_; }
    void send() {
        if (!on() || Clock::now() < next_) return;
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window_;
        message.type = protocols_;
        message.data.data32[0] = ping_;
        message.data.data32[1] = ++sent_;
        message.data.data32[2] = window_;
        xcb_send_event(display_.connection, 0, window_, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(display_.connection);
        sentAt_[sent_] = Clock::now();
        next_ = Clock::now() + every_;
    }
    bool answered(xcb_generic_event_t* event) {
        if (!on() || (event->response_type & 0x7f) != XCB_CLIENT_MESSAGE) return false;
        const auto* message = reinterpret_cast<xcb_client_message_event_t*>(event);
        if (message->type != protocols_ || message->data.data32[0] != ping_) return false;
        const auto found = sentAt_.find(message->data.data32[1]);
        if (found != sentAt_.end()) {
            worst_ = std::max(worst_, msSince(found->second, Clock::now()));
            ++answers_;
            over50_ += msSince(found->second, Clock::now()) > 50;
            sentAt_.erase(found);
        }
        return true;
    }
    // Pings still unanswered count as waiting until now.
    std::string report() {
        if (!on()) return {};
        for (const auto& [id, at] : sentAt_) worst_ = std::max(worst_, msSince(at, Clock::now()));
        char text[128];
        std::snprintf(text, sizeof text, " pings=%u answered=%ld stall_max_ms=%.1f over_50ms=%ld",
                      sent_, answers_, worst_, over50_);
        return text;
    }

private:
    xcb_atom_t atom(const char* name) {
        auto* reply = xcb_intern_atom_reply(
            display_.connection,
            xcb_intern_atom(display_.connection, 0, static_cast<std::uint16_t>(std::strlen(name)),
                            name),
            nullptr);
        xcb_atom_t result = XCB_ATOM_NONE;
        if (reply) result = reply->atom;
        free(reply);
        return result;
    }

    Display& display_;
    xcb_window_t window_;
    Clock::duration every_;
    xcb_atom_t protocols_ = XCB_ATOM_NONE, ping_ = XCB_ATOM_NONE;
    Clock::time_point next_{};
    std::uint32_t sent_ = 0;
    long answers_ = 0, over50_ = 0;
    double worst_ = 0;
    std::map<std::uint32_t, Clock::time_point> sentAt_;
};

int game(int argc, char** argv) {
    long pid = -1;
    xcb_window_t window = 0;
    double quietMs = 1500;
    double timeoutS = 60;
    double pingMs = 0;
    for (int i = 0; i + 1 < argc; ++i) {
        if (!std::strcmp(argv[i], "--ping-ms"))
            pingMs = std::atof(argv[++i]);
        else if (!std::strcmp(argv[i], "--pid"))
            pid = std::atol(argv[++i]);
        else if (!std::strcmp(argv[i], "--window"))
            window = static_cast<xcb_window_t>(std::strtoul(argv[++i], nullptr, 0));
        else if (!std::strcmp(argv[i], "--quiet-ms"))
            quietMs = std::atof(argv[++i]);
        else if (!std::strcmp(argv[i], "--timeout"))
            timeoutS = std::atof(argv[++i]);
    }
    if (pid <= 0 || !window) fail("game: --pid and --window are needed");

    Display display;
    const auto rect = display.rootGeometry(window);
    if (!rect) fail("game: no such window");
    Coverage area(*rect);
    std::printf("ready\n");
    std::fflush(stdout);

    const auto deadline = Clock::now() + milliseconds(timeoutS * 1000);
    const auto quiet = milliseconds(quietMs);
    std::optional<Clock::time_point> first, last;
    std::uint64_t cpuFirst = 0, cpuLast = 0;
    long events = 0;
    Pinger pinger(display, window, pingMs);
    for (;;) {
        const auto until = last ? std::min(deadline, *last + quiet) : deadline;
        xcb_generic_event_t* event = display.next(pinger.on() ? std::min(until, pinger.due()) : until);
        if (!event) {
            if (Clock::now() >= until) break;
            pinger.send();
            continue;
        }
        if (pinger.answered(event)) {
            free(event);
            continue;
        }
        if ((event->response_type & 0x7f) == display.damageEvent && area.add(damageArea(event))) {
            const std::uint64_t cpu = threadCpuNs(pid);
            last = Clock::now();
            cpuLast = cpu;
            if (!first) {
                first = last;
                cpuFirst = cpu;
            }
            ++events;
        }
        free(event);
    }
    if (!first) fail("game: nothing was drawn");
    if (Clock::now() >= deadline) fail("game: still drawing at the time limit");
    const double gameMs = msSince(*first, *last);
    const double cpuMs = static_cast<double>(cpuLast - cpuFirst) / 1e6;
    std::printf("game_ms=%.1f cpu_ms=%.1f share_pct=%.2f damage_events=%ld%s\n", gameMs, cpuMs,
                gameMs > 0 ? 100.0 * cpuMs / gameMs : 0.0, events, pinger.report().c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && !std::strcmp(argv[1], "launch")) return launch(argc - 2, argv + 2);
    if (argc >= 2 && !std::strcmp(argv[1], "game")) return game(argc - 2, argv + 2);
    std::fprintf(
        stderr,
        "usage: marvane_xwatch launch [--timeout S] [--settle-ms M] [--log FILE] [--trace] "
        "[--frames DIR [--frames-max N]] -- PROGRAM [ARGS...]\n"
        "       marvane_xwatch game --pid P --window W [--quiet-ms M] [--timeout S]\n");
    return 2;
}
