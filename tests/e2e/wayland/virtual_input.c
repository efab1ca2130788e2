// SPDX-License-Identifier: MIT
// A pointer and a keyboard for end-to-end tests on a wlroots compositor. Both devices live as long
// as the process, so the seat keeps its pointer and keyboard between commands: a client that
// appears later sees them from its start.
//
// Usage: virtual_input WIDTH HEIGHT     (the layout's size, for absolute positions)
// Commands, one a line on standard input:
//   move X Y | press | release | click | key [ctrl+]NAME   (NAME: a to z, escape, return)
// Each is answered on standard output once the compositor has handled it: "ok", or "error: ..."
// for a line it does not understand. It exits at the end of its input, or with status 1 when the
// compositor lacks the virtual-input interfaces or goes away.
#define _GNU_SOURCE  // memfd_create

#include <linux/input-event-codes.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <time.h>
#include <unistd.h>

#include <wayland-client.h>

#include "virtual-input-client-protocol.h"

// Resolved by the compositor and by every client from the system's XKB data.
static const char kKeymap[] =
    "xkb_keymap {\n"
    "  xkb_keycodes { include \"evdev+aliases(qwerty)\" };\n"
    "  xkb_types { include \"complete\" };\n"
    "  xkb_compat { include \"complete\" };\n"
    "  xkb_symbols { include \"pc+us+inet(evdev)\" };\n"
    "};\n";
enum { kKeymapFormatXkbV1 = 1, kControlMask = 1u << 2 };  // real modifiers come first: Control is 2

static const unsigned kLetterKeys[26] = {
    KEY_A, KEY_B, KEY_C, KEY_D, KEY_E, KEY_F, KEY_G, KEY_H, KEY_I, KEY_J, KEY_K, KEY_L, KEY_M,
    KEY_N, KEY_O, KEY_P, KEY_Q, KEY_R, KEY_S, KEY_T, KEY_U, KEY_V, KEY_W, KEY_X, KEY_Y, KEY_Z,
};

struct devices {
    struct wl_seat* seat;
    struct zwlr_virtual_pointer_manager_v1* pointers;
    struct zwp_virtual_keyboard_manager_v1* keyboards;
    struct zwlr_virtual_pointer_v1* pointer;
    struct zwp_virtual_keyboard_v1* keyboard;
    unsigned width;
    unsigned height;
};

static void global_added(void* data, struct wl_registry* registry, uint32_t name,
                         const char* interface, uint32_t version) {
    struct devices* devices = data;
    (void)version;
    if (strcmp(interface, wl_seat_interface.name) == 0 && devices->seat == NULL) {
        devices->seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
    } else if (strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0) {
        devices->pointers =
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1);
    } else if (strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0) {
        devices->keyboards =
            wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1);
    }
}

static void global_removed(void* data, struct wl_registry* registry, uint32_t name) {
    (void)data;
    (void)registry;
    (void)name;
}

static const struct wl_registry_listener registry_listener = {global_added, global_removed};

static uint32_t now_ms(void) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (uint32_t)(now.tv_sec * 1000 + now.tv_nsec / 1000000);
}

static int upload_keymap(struct zwp_virtual_keyboard_v1* keyboard) {
    const int fd = memfd_create("keymap", MFD_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    if (write(fd, kKeymap, sizeof kKeymap) != (ssize_t)sizeof kKeymap) {
        close(fd);
        return -1;
    }
    zwp_virtual_keyboard_v1_keymap(keyboard, kKeymapFormatXkbV1, fd, sizeof kKeymap);
    close(fd);  // the request carries its own copy of the descriptor
    return 0;
}

static void button(const struct devices* devices, uint32_t state) {
    zwlr_virtual_pointer_v1_button(devices->pointer, now_ms(), BTN_LEFT, state);
    zwlr_virtual_pointer_v1_frame(devices->pointer);
}

// The key a name stands for, or 0.
static unsigned key_named(const char* name) {
    if (name[0] >= 'a' && name[0] <= 'z' && name[1] == '\0') {
        return kLetterKeys[name[0] - 'a'];
    }
    if (strcmp(name, "escape") == 0) {
        return KEY_ESC;
    }
    if (strcmp(name, "return") == 0) {
        return KEY_ENTER;
    }
    return 0;
}

static const char* type_key(const struct devices* devices, const char* spec) {
    const int control = strncmp(spec, "ctrl+", 5) == 0;
    const unsigned key = key_named(control ? spec + 5 : spec);
    if (key == 0) {
        return "unknown key";
    }
    struct zwp_virtual_keyboard_v1* keyboard = devices->keyboard;
    if (control) {
        zwp_virtual_keyboard_v1_key(keyboard, now_ms(), KEY_LEFTCTRL,
                                    WL_KEYBOARD_KEY_STATE_PRESSED);
        zwp_virtual_keyboard_v1_modifiers(keyboard, kControlMask, 0, 0, 0);
    }
    zwp_virtual_keyboard_v1_key(keyboard, now_ms(), key, WL_KEYBOARD_KEY_STATE_PRESSED);
    zwp_virtual_keyboard_v1_key(keyboard, now_ms(), key, WL_KEYBOARD_KEY_STATE_RELEASED);
    if (control) {
        zwp_virtual_keyboard_v1_key(keyboard, now_ms(), KEY_LEFTCTRL,
                                    WL_KEYBOARD_KEY_STATE_RELEASED);
        zwp_virtual_keyboard_v1_modifiers(keyboard, 0, 0, 0, 0);
    }
    return NULL;
}

// Sends what the line asks for; returns an error text, or NULL when the line was understood.
static const char* perform(const struct devices* devices, const char* line) {
    unsigned x = 0;
    unsigned y = 0;
    char word[16] = "";
    char spec[16] = "";
    if (sscanf(line, "move %u %u", &x, &y) == 2) {
        if (x > devices->width || y > devices->height) {
            return "position outside the layout";
        }
        zwlr_virtual_pointer_v1_motion_absolute(devices->pointer, now_ms(), x, y, devices->width,
                                                devices->height);
        zwlr_virtual_pointer_v1_frame(devices->pointer);
        return NULL;
    }
    if (sscanf(line, "key %15s", spec) == 1) {
        return type_key(devices, spec);
    }
    if (sscanf(line, "%15s", word) != 1) {
        return "empty line";
    }
    if (strcmp(word, "press") == 0) {
        button(devices, WL_POINTER_BUTTON_STATE_PRESSED);
    } else if (strcmp(word, "release") == 0) {
        button(devices, WL_POINTER_BUTTON_STATE_RELEASED);
    } else if (strcmp(word, "click") == 0) {
        button(devices, WL_POINTER_BUTTON_STATE_PRESSED);
        button(devices, WL_POINTER_BUTTON_STATE_RELEASED);
    } else {
        return "unknown command";
    }
    return NULL;
}

static int connect_devices(struct wl_display* display, struct devices* devices) {
    struct wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registry_listener, devices);
    if (wl_display_roundtrip(display) < 0 || devices->seat == NULL || devices->pointers == NULL ||
        devices->keyboards == NULL) {
        fprintf(stderr, "virtual_input: the compositor offers no virtual pointer and keyboard\n");
        return -1;
    }
    devices->pointer =
        zwlr_virtual_pointer_manager_v1_create_virtual_pointer(devices->pointers, devices->seat);
    devices->keyboard =
        zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(devices->keyboards, devices->seat);
    if (upload_keymap(devices->keyboard) < 0 || wl_display_roundtrip(display) < 0) {
        fprintf(stderr, "virtual_input: cannot hand the keymap over\n");
        return -1;
    }
    return 0;
}

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: %s WIDTH HEIGHT\n", argv[0]);
        return 2;
    }
    struct devices devices = {0};
    devices.width = (unsigned)strtoul(argv[1], NULL, 10);
    devices.height = (unsigned)strtoul(argv[2], NULL, 10);
    if (devices.width == 0 || devices.height == 0 || devices.width > 65535 ||
        devices.height > 65535) {
        fprintf(stderr, "virtual_input: bad layout size\n");
        return 2;
    }
    struct wl_display* display = wl_display_connect(NULL);
    if (display == NULL) {
        fprintf(stderr, "virtual_input: cannot connect to the Wayland display\n");
        return 1;
    }
    int status = connect_devices(display, &devices) < 0 ? 1 : 0;
    char line[128];
    while (status == 0 && fgets(line, sizeof line, stdin) != NULL) {
        const char* error = NULL;
        if (strchr(line, '\n') == NULL && !feof(stdin)) {
            int skipped = 0;
            while ((skipped = getchar()) != EOF && skipped != '\n') {
            }
            error = "line too long";
        } else {
            line[strcspn(line, "\n")] = '\0';
            error = perform(&devices, line);
        }
        // A round trip: the compositor has handled everything sent before the answer.
        if (wl_display_roundtrip(display) < 0) {
            fprintf(stderr, "virtual_input: the compositor went away\n");
            status = 1;
        } else if (error != NULL) {
            printf("error: %s\n", error);
        } else {
            printf("ok\n");
        }
        fflush(stdout);
    }
    wl_display_disconnect(display);
    return status;
}
