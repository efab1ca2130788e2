# SPDX-License-Identifier: MIT
"""The app's side of the Screenshot portal: one request, as an unsandboxed app makes it.
Usage: portal_request.py Screenshot|PickColor
Prints the Response as JSON: its code, its results and the seconds from the call to it."""
import json
import os
import sys
import time

from gi.repository import Gio, GLib


def portal_request(method):
    """Asks the Screenshot portal as an app would and prints its Response and how long it took."""
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    token = f"hueloupe{os.getpid()}"
    handle = ("/org/freedesktop/portal/desktop/request/"
              f"{bus.get_unique_name()[1:].replace('.', '_')}/{token}")
    loop, answer = GLib.MainLoop(), {}

    def response(_bus, _sender, _path, _interface, _signal, parameters):
        code, results = parameters.unpack()
        answer.update(code=code, results=results, seconds=time.monotonic() - started)
        loop.quit()

    bus.signal_subscribe(None, "org.freedesktop.portal.Request", "Response", handle, None,
                         Gio.DBusSignalFlags.NONE, response)
    options = {"handle_token": GLib.Variant("s", token)}
    if method == "Screenshot":
        options["interactive"] = GLib.Variant("b", False)
    started = time.monotonic()
    bus.call_sync("org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop",
                  "org.freedesktop.portal.Screenshot", method,
                  GLib.Variant("(sa{sv})", ("", options)), None, Gio.DBusCallFlags.NONE, 30000,
                  None)
    GLib.timeout_add_seconds(30, loop.quit)
    loop.run()
    print(json.dumps(answer), flush=True)


if __name__ == "__main__":
    portal_request(sys.argv[1])
