// Watches the X server for the first frame a program draws into its window, without polling.
//
// Usage: first_frame TITLE_PREFIX [TIMEOUT_SECONDS]
// Prints "ready" once it listens; the caller then starts the program. For the first top-level
// window whose name starts with TITLE_PREFIX it prints "map SECONDS" when the window is mapped
// and "frame SECONDS" at the first drawing into it (a damage report), both on CLOCK_MONOTONIC,
// which is also Python's time.monotonic(). Exit status 0 after the frame, 1 on a time-out or an
// X error. The same watcher serves Quadrel and its baseline, so both are measured alike.
#include <poll.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <set>
#include <string>

namespace {

double Now() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

std::string WindowName(xcb_connection_t* x, xcb_window_t window) {
  Reply<xcb_get_property_reply_t> reply(
      xcb_get_property_reply(
          x, xcb_get_property(x, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
          nullptr),
      &std::free);
  if (!reply) return {};
  return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                     static_cast<size_t>(xcb_get_property_value_length(reply.get())));
}

bool IsViewable(xcb_connection_t* x, xcb_window_t window) {
  Reply<xcb_get_window_attributes_reply_t> reply(
      xcb_get_window_attributes_reply(x, xcb_get_window_attributes(x, window), nullptr),
      &std::free);
  return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: first_frame TITLE_PREFIX [TIMEOUT_SECONDS]\n");
    return 2;
  }
  const std::string prefix = argv[1];
  const double deadline = Now() + (argc > 2 ? std::atof(argv[2]) : 60.0);

  xcb_connection_t* x = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(x)) {
    std::fprintf(stderr, "first_frame: cannot connect to the X server\n");
    return 1;
  }
  const xcb_query_extension_reply_t* damage = xcb_get_extension_data(x, &xcb_damage_id);
  if (!damage || !damage->present) {
    std::fprintf(stderr, "first_frame: the X server has no DAMAGE extension\n");
    return 1;
  }
  free(xcb_damage_query_version_reply(x, xcb_damage_query_version(x, 1, 1), nullptr));

  xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(x);
  std::printf("ready\n");
  std::fflush(stdout);

  // Every new top-level window is watched from its creation, so no drawing is missed; its name
  // is only known later, when it is mapped or drawn.
  std::set<xcb_window_t> watched;
  xcb_window_t target = XCB_NONE;
  for (;;) {
    xcb_generic_event_t* event = xcb_poll_for_event(x);
    if (!event) {
      if (xcb_connection_has_error(x) || Now() > deadline) {
        std::fprintf(stderr, "first_frame: no frame of \"%s\" in time\n", prefix.c_str());
        return 1;
      }
      pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
      poll(&fd, 1, 100);
      continue;
    }
    const double at = Now();
    const uint8_t type = event->response_type & 0x7f;
    if (type == XCB_CREATE_NOTIFY) {
      auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
      if (created->parent == root && watched.insert(created->window).second) {
        xcb_damage_create(x, xcb_generate_id(x), created->window,
                          XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
        xcb_flush(x);
      }
    } else if (type == XCB_MAP_NOTIFY) {
      auto* mapped = reinterpret_cast<xcb_map_notify_event_t*>(event);
      if (target == XCB_NONE && watched.count(mapped->window) &&
          WindowName(x, mapped->window).rfind(prefix, 0) == 0) {
        target = mapped->window;
        std::printf("map %.6f\n", at);
        std::fflush(stdout);
      }
    } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
      auto* damaged = reinterpret_cast<xcb_damage_notify_event_t*>(event);
      // Drawing counts once the window is on screen: what the server paints while mapping
      // does not come from the program.
      if (damaged->drawable == target && IsViewable(x, target)) {
        std::printf("frame %.6f\n", at);
        std::fflush(stdout);
        free(event);
        xcb_disconnect(x);
        return 0;
      }
    }
    free(event);
  }
}
