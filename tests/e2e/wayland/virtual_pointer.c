// SPDX-License-Identifier: MIT
// Gives a headless wlroots compositor's seat a pointer, which it moves and clicks itself: a client
// asks for pointer events only from a seat with one. Prints "ready" once the seat has it and keeps
// it until standard input ends; exits 1 when the compositor offers no virtual pointer.
#include <stdio.h>
#include <string.h>
#include <unistd.h>

#include <wayland-client.h>

// The one request of the wlroots virtual-pointer manager that this sends, described by hand
// rather than generated: the pointer itself is never sent a request.
static const struct wl_interface pointer_interface = {"zwlr_virtual_pointer_v1", 1, 0, NULL, 0,
                                                      NULL};
static const struct wl_interface* create_types[] = {&wl_seat_interface, &pointer_interface};
static const struct wl_message create_request = {"create_virtual_pointer", "?on", create_types};
static const struct wl_interface manager_interface = {"zwlr_virtual_pointer_manager_v1", 1, 1,
                                                      &create_request, 0, NULL};

static void added(void* data, struct wl_registry* registry, uint32_t name, const char* interface,
                  uint32_t version) {
    (void)version;
    if (strcmp(interface, manager_interface.name) == 0) {
        *(struct wl_proxy**)data = wl_registry_bind(registry, name, &manager_interface, 1);
    }
}

static void removed(void* data, struct wl_registry* registry, uint32_t name) {
    (void)data, (void)registry, (void)name;
}

static const struct wl_registry_listener listener = {added, removed};

int main(void) {
    struct wl_display* display = wl_display_connect(NULL);
    struct wl_proxy* manager = NULL;
    if (display == NULL) {
        fprintf(stderr, "virtual_pointer: cannot connect to the Wayland display\n");
        return 1;
    }
    wl_registry_add_listener(wl_display_get_registry(display), &listener, &manager);
    if (wl_display_roundtrip(display) < 0 || manager == NULL) {
        fprintf(stderr, "virtual_pointer: the compositor offers no virtual pointer\n");
        return 1;
    }
    // No seat: the compositor's default one.
    wl_proxy_marshal_constructor(manager, 0, &pointer_interface, NULL, NULL);
    if (wl_display_roundtrip(display) < 0) {
        return 1;
    }
    puts("ready");
    fflush(stdout);
    char byte = 0;
    while (read(STDIN_FILENO, &byte, 1) > 0) {
    }
    wl_display_disconnect(display);
    return 0;
}
