# SPDX-License-Identifier: MIT
"""The few calls of the login manager that the desktop shell makes, on the private system bus:
one active graphical session, sleep inhibitors that are plain pipes, and no sleep ever.
Prints "ready" once it owns its name; logs each call it answers on standard error."""
import os
import sys

from gi.repository import Gio, GLib

SESSION_ID = "hueloupe"
ROOT = "/org/freedesktop/login1"
SESSION = f"{ROOT}/session/{SESSION_ID}"
SESSION_PROPERTIES = {"Id": ("s", SESSION_ID), "Active": ("b", True), "Class": ("s", "user"),
                      "Type": ("s", "wayland"), "State": ("s", "active"), "Remote": ("b", False)}
USER_PROPERTIES = {"Display": ("(so)", (SESSION_ID, SESSION)),
                   "Sessions": ("a(so)", [(SESSION_ID, SESSION)])}


def readable(table):
    return "".join(f'<property name="{name}" type="{kind}" access="read"/>'
                   for name, (kind, _) in table.items())


OUT = 'direction="out"'
INTERFACES = Gio.DBusNodeInfo.new_for_xml(f"""<node>
<interface name="org.freedesktop.login1.Manager">
  <method name="GetSession"><arg type="s"/><arg type="o" {OUT}/></method>
  <method name="GetSessionByPID"><arg type="u"/><arg type="o" {OUT}/></method>
  <method name="ListSessions"><arg type="a(susso)" {OUT}/></method>
  <method name="Inhibit"><arg type="s"/><arg type="s"/><arg type="s"/><arg type="s"/>
    <arg type="h" {OUT}/></method>
  <method name="CanSuspend"><arg type="s" {OUT}/></method>
  <method name="CanRebootToBootLoaderMenu"><arg type="s" {OUT}/></method>
  <signal name="PrepareForSleep"><arg type="b"/></signal>
</interface>
<interface name="org.freedesktop.login1.Session">{readable(SESSION_PROPERTIES)}
  <method name="SetLockedHint"><arg type="b"/></method><signal name="Lock"/><signal name="Unlock"/>
</interface>
<interface name="org.freedesktop.login1.User">{readable(USER_PROPERTIES)}</interface>
</node>""").interfaces
inhibitors = []  # their pipes, the write ends kept open for the life of the stand-in


def call(connection, sender, path, interface, method, args, invocation):
    print(f"{method}{args.unpack()}", file=sys.stderr, flush=True)
    answers = {"GetSession": ("(o)", (SESSION,)), "GetSessionByPID": ("(o)", (SESSION,)),
               "ListSessions": ("(a(susso))", ([(SESSION_ID, os.getuid(), "", "seat0", SESSION)],)),
               "CanSuspend": ("(s)", ("na",)), "CanRebootToBootLoaderMenu": ("(s)", ("na",))}
    if method == "Inhibit":
        inhibitors.append(os.pipe())
        fds = Gio.UnixFDList.new_from_array([inhibitors[-1][0]])
        invocation.return_value_with_unix_fd_list(GLib.Variant("(h)", (0,)), fds)
    else:
        invocation.return_value(GLib.Variant(*answers[method]) if method in answers else None)


def properties(table):
    return lambda connection, sender, path, interface, name: GLib.Variant(*table[name])


def main():
    bus = Gio.bus_get_sync(Gio.BusType.SYSTEM)
    manager, session, user = INTERFACES
    bus.register_object(ROOT, manager, call, None, None)
    bus.register_object(SESSION, session, call, properties(SESSION_PROPERTIES), None)
    bus.register_object(f"{ROOT}/user/self", user, None, properties(USER_PROPERTIES), None)
    loop = GLib.MainLoop()
    Gio.bus_own_name_on_connection(bus, "org.freedesktop.login1", Gio.BusNameOwnerFlags.NONE,
                                   lambda *_: print("ready", flush=True), lambda *_: loop.quit())
    loop.run()


if __name__ == "__main__":
    main()
