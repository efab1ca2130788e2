// SPDX-License-Identifier: MIT
// A minimal X11 clipboard manager for tests. It owns CLIPBOARD_MANAGER; asked to SAVE_TARGETS by
// an application that ends, it fetches the clipboard as UTF8_STRING, takes the clipboard and
// serves that text (the server sends it requests only while it owns the clipboard). Prints
// "ready" once it owns CLIPBOARD_MANAGER.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

using Event = std::unique_ptr<xcb_generic_event_t, decltype(&std::free)>;

xcb_connection_t* c;

xcb_atom_t atom(const char* name) {
    auto* reply = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t a = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return a;
}

Event nextEvent() {
    return Event(xcb_wait_for_event(c), &std::free);
}

void notify(const xcb_selection_request_event_t& r, xcb_atom_t property) {
    const xcb_selection_notify_event_t note{XCB_SELECTION_NOTIFY, 0,           0,        r.time,
                                            r.requestor,          r.selection, r.target, property};
    xcb_send_event(c, 0, r.requestor, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&note));
    xcb_flush(c);
}

}  // namespace

int main() {
    c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        return 1;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t window = xcb_generate_id(c);
    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(c, 0, window, screen->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      screen->root_visual, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t manager = atom("CLIPBOARD_MANAGER"), save = atom("SAVE_TARGETS"),
                     clipboard = atom("CLIPBOARD"), utf8 = atom("UTF8_STRING"),
                     stash = atom("HUELOUPE_TEST_SAVED");
    xcb_set_selection_owner(c, window, manager, XCB_CURRENT_TIME);
    xcb_flush(c);
    std::puts("ready");
    std::fflush(stdout);
    std::string saved;
    while (Event event = nextEvent()) {
        if ((event->response_type & ~0x80) != XCB_SELECTION_REQUEST) {
            continue;
        }
        const auto request = *reinterpret_cast<xcb_selection_request_event_t*>(event.get());
        if (request.selection == manager && request.target == save) {
            xcb_convert_selection(c, window, clipboard, utf8, stash, request.time);
            xcb_flush(c);
            Event answer = nextEvent();
            while (answer && (answer->response_type & ~0x80) != XCB_SELECTION_NOTIFY) {
                answer = nextEvent();
            }
            auto* value = xcb_get_property_reply(
                c, xcb_get_property(c, 1, window, stash, XCB_GET_PROPERTY_TYPE_ANY, 0, 1 << 16),
                nullptr);
            if (value) {
                saved.assign(static_cast<const char*>(xcb_get_property_value(value)),
                             xcb_get_property_value_length(value));
                std::free(value);
            }
            xcb_set_selection_owner(c, window, clipboard, XCB_CURRENT_TIME);
            notify(request, request.property);
        } else if (request.selection == clipboard && request.target == utf8) {
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, request.requestor, request.property, utf8,
                                8, saved.size(), saved.data());
            notify(request, request.property);
        } else {
            notify(request, XCB_ATOM_NONE);
        }
    }
    return 0;
}
