/* SPDX-License-Identifier: MIT */
/* A pointer device for the Wayland test, driven through the compositor's
 * virtual-pointer protocol, so each move reaches the clients as a real one.
 *
 *   vpointer WIDTH HEIGHT        (the layout's size in pixels)
 *
 * reads one command a line from standard input and answers "ok" once the
 * compositor has handled it (or "error: ..."):
 *   move X Y     the pointer to layout position X, Y
 *   press        the left button down
 *   release      the left button up
 *   click        press and release
 * The device lives as long as the process: a client loses its pointer when
 * the last pointer device of the seat goes. */

#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <wayland-client.h>

enum { LeftButton = 0x110 }; /* the kernel's BTN_LEFT */

static struct wl_seat* seat;
static struct zwlr_virtual_pointer_manager_v1* manager;

static void global(void* data, struct wl_registry* registry, uint32_t name, const char* interface, uint32_t version) {
  (void)data;
  if (strcmp(interface, wl_seat_interface.name) == 0 && !seat)
    seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
  else if (strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
    manager = wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, version < 2 ? version : 2);
}

static void globalRemove(void* data, struct wl_registry* registry, uint32_t name) {
  (void)data, (void)registry, (void)name;
}

static const struct wl_registry_listener registryListener = {global, globalRemove};

static uint32_t now(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return (uint32_t)(t.tv_sec * 1000 + t.tv_nsec / 1000000);
}

static void button(struct zwlr_virtual_pointer_v1* pointer, enum wl_pointer_button_state state) {
  zwlr_virtual_pointer_v1_button(pointer, now(), LeftButton, state);
  zwlr_virtual_pointer_v1_frame(pointer);
}

int main(int argc, char** argv) {
  if (argc != 3 || atoi(argv[1]) <= 0 || atoi(argv[2]) <= 0) {
    fprintf(stderr, "usage: vpointer WIDTH HEIGHT  (commands on standard input)\n");
    return 2;
  }
  const uint32_t width = (uint32_t)atoi(argv[1]), height = (uint32_t)atoi(argv[2]);
  struct wl_display* display = wl_display_connect(NULL);
  if (!display) {
    fprintf(stderr, "vpointer: no Wayland display\n");
    return 1;
  }
  struct wl_registry* registry = wl_display_get_registry(display);
  wl_registry_add_listener(registry, &registryListener, NULL);
  wl_display_roundtrip(display);
  if (!manager) {
    fprintf(stderr, "vpointer: the compositor offers no virtual pointers\n");
    return 1;
  }
  struct zwlr_virtual_pointer_v1* pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, seat);
  wl_display_roundtrip(display);

  char line[256];
  while (fgets(line, sizeof line, stdin)) {
    int x, y;
    char extra;
    if (sscanf(line, "move %d %d %c", &x, &y, &extra) == 2 && x >= 0 && y >= 0 && (uint32_t)x < width &&
        (uint32_t)y < height) {
      zwlr_virtual_pointer_v1_motion_absolute(pointer, now(), (uint32_t)x, (uint32_t)y, width, height);
      zwlr_virtual_pointer_v1_frame(pointer);
    } else if (strcmp(line, "press\n") == 0) {
      button(pointer, WL_POINTER_BUTTON_STATE_PRESSED);
    } else if (strcmp(line, "release\n") == 0) {
      button(pointer, WL_POINTER_BUTTON_STATE_RELEASED);
    } else if (strcmp(line, "click\n") == 0) {
      button(pointer, WL_POINTER_BUTTON_STATE_PRESSED);
      wl_display_roundtrip(display);
      button(pointer, WL_POINTER_BUTTON_STATE_RELEASED);
    } else {
      printf("error: not a command: %s", line);
      fflush(stdout);
      continue;
    }
    if (wl_display_roundtrip(display) < 0) {
      fprintf(stderr, "vpointer: lost the display\n");
      return 1;
    }
    printf("ok\n");
    fflush(stdout);
  }
  zwlr_virtual_pointer_v1_destroy(pointer);
  wl_display_roundtrip(display);
  wl_display_disconnect(display);
  return 0;
}
