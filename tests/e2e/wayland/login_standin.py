# SPDX-License-Identifier: MIT
"""The login manager calls the desktop shell makes, on the private system bus: no sleep, no menu."""
import sys

from gi.repository import Gio, GLib

INTERFACE = Gio.DBusNodeInfo.new_for_xml("""<node><interface name="org.freedesktop.login1.Manager">
  <method name="CanSuspend"><arg type="s" direction="out"/></method>
  <method name="CanRebootToBootLoaderMenu"><arg type="s" direction="out"/></method>
</interface></node>""").interfaces[0]


def call(connection, sender, path, interface, method, args, invocation):
    print(method, file=sys.stderr, flush=True)
    invocation.return_value(GLib.Variant("(s)", ("na",)))


bus = Gio.bus_get_sync(Gio.BusType.SYSTEM)
bus.register_object("/org/freedesktop/login1", INTERFACE, call, None, None)
loop = GLib.MainLoop()
Gio.bus_own_name_on_connection(bus, "org.freedesktop.login1", Gio.BusNameOwnerFlags.NONE,
                               lambda *_: print("ready", flush=True), lambda *_: loop.quit())
loop.run()
