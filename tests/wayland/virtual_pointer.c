// A pointer for the Wayland check: moves to absolute positions of the
// compositor's output, fractions of a pixel included, and presses and releases
// buttons, through the compositor's virtual pointer.
//   virtual_pointer WIDTH HEIGHT COMMAND...
// with WIDTH x HEIGHT the output's size in pixels and each COMMAND one of
//   move X Y       (X and Y in pixels, to a hundredth)
//   press left|right, release left|right
//   wait MS

#include "virtual-pointer-v1-client.h"

#include <linux/input-event-codes.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <wayland-client.h>

static struct zwlr_virtual_pointer_manager_v1* manager;
static struct wl_seat* seat;

static void Global(void* data, struct wl_registry* registry, uint32_t name, const char* interface,
                   uint32_t version) {
    (void)data;
    (void)version;
    if (strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0) {
        manager = wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1);
    } else if (strcmp(interface, wl_seat_interface.name) == 0 && seat == NULL) {
        seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
    }
}

static void GlobalRemove(void* data, struct wl_registry* registry, uint32_t name) {
    (void)data;
    (void)registry;
    (void)name;
}

static const struct wl_registry_listener RegistryListener = {Global, GlobalRemove};

static uint32_t Now(void) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (uint32_t)(now.tv_sec * 1000 + now.tv_nsec / 1000000);
}

static uint32_t Button(const char* name) {
    if (strcmp(name, "left") == 0) {
        return BTN_LEFT;
    }
    if (strcmp(name, "right") == 0) {
        return BTN_RIGHT;
    }
    fprintf(stderr, "virtual_pointer: no button %s\n", name);
    exit(2);
}

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: virtual_pointer WIDTH HEIGHT COMMAND...\n");
        return 2;
    }
    const uint32_t width = (uint32_t)atoi(argv[1]);
    const uint32_t height = (uint32_t)atoi(argv[2]);
    struct wl_display* display = wl_display_connect(NULL);
    if (display == NULL) {
        fprintf(stderr, "virtual_pointer: no Wayland display\n");
        return 1;
    }
    struct wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &RegistryListener, NULL);
    wl_display_roundtrip(display);
    if (manager == NULL) {
        fprintf(stderr, "virtual_pointer: the compositor offers no virtual pointer\n");
        return 1;
    }
    struct zwlr_virtual_pointer_v1* pointer =
        zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, seat);
    // Hundredths of a pixel: the extent is a hundred times the output's.
    for (int i = 3; i < argc; ++i) {
        if (strcmp(argv[i], "move") == 0 && i + 2 < argc) {
            const double x = atof(argv[i + 1]);
            const double y = atof(argv[i + 2]);
            zwlr_virtual_pointer_v1_motion_absolute(pointer, Now(), (uint32_t)(x * 100 + 0.5),
                                                    (uint32_t)(y * 100 + 0.5), width * 100,
                                                    height * 100);
            i += 2;
        } else if ((strcmp(argv[i], "press") == 0 || strcmp(argv[i], "release") == 0) &&
                   i + 1 < argc) {
            zwlr_virtual_pointer_v1_button(pointer, Now(), Button(argv[i + 1]),
                                           argv[i][0] == 'p' ? WL_POINTER_BUTTON_STATE_PRESSED
                                                             : WL_POINTER_BUTTON_STATE_RELEASED);
            i += 1;
        } else if (strcmp(argv[i], "wait") == 0 && i + 1 < argc) {
            wl_display_roundtrip(display);
            const long ms = atol(argv[i + 1]);
            const struct timespec pause = {ms / 1000, (ms % 1000) * 1000000};
            nanosleep(&pause, NULL);
            i += 1;
            continue;
        } else {
            fprintf(stderr, "virtual_pointer: cannot read %s\n", argv[i]);
            return 2;
        }
        zwlr_virtual_pointer_v1_frame(pointer);
        wl_display_roundtrip(display);
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
