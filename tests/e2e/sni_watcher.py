#!/usr/bin/python3
"""A StatusNotifierWatcher test double (serve), and what a D-Bus tray does with the first item
registered with it: items, tooltip (its title), menu (labels without access keys), click LABEL (an
entry of its menu), activate (a left click on it)."""
import sys

import dbus
import dbus.service

WATCHER, ITEM, MENU = "org.kde.StatusNotifierWatcher", "org.kde.StatusNotifierItem", "com.canonical.dbusmenu"
PROPS = "org.freedesktop.DBus.Properties"
# Qt reads the properties through a dynamic interface, which knows only what introspection tells.
INTROSPECTION = """<node><interface name="org.kde.StatusNotifierWatcher">
 <method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>
 <method name="RegisterStatusNotifierHost"><arg type="s" direction="in"/></method>
 <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
 <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
 <property name="ProtocolVersion" type="i" access="read"/>
 <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
</interface><interface name="org.freedesktop.DBus.Properties">
 <method name="Get"><arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="v" direction="out"/></method>
</interface></node>"""


class Watcher(dbus.service.Object):
    items = []

    @dbus.service.method(WATCHER, in_signature="s", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender):
        self.items.append(sender + service if service.startswith("/") else service)
        self.StatusNotifierItemRegistered(self.items[-1])

    @dbus.service.method(WATCHER, in_signature="s")
    def RegisterStatusNotifierHost(self, service):
        pass

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemRegistered(self, item):
        pass

    @dbus.service.method(PROPS, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        return {"RegisteredStatusNotifierItems": dbus.Array(self.items, signature="s"),
                "IsStatusNotifierHostRegistered": dbus.Boolean(True), "ProtocolVersion": dbus.Int32(0)}[name]

    @dbus.service.method("org.freedesktop.DBus.Introspectable", out_signature="s")
    def Introspect(self):
        return INTROSPECTION


def serve():
    from dbus.mainloop.glib import DBusGMainLoop
    from gi.repository import GLib
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    watcher = Watcher(bus, "/StatusNotifierWatcher")
    name = dbus.service.BusName(WATCHER, bus, do_not_queue=True)  # owned while it is referenced
    GLib.MainLoop().run()
    del watcher, name


def main(command, *args):
    bus = dbus.SessionBus()
    items = bus.get_object(WATCHER, "/StatusNotifierWatcher").Get(WATCHER, "RegisteredStatusNotifierItems")
    if command == "items":
        return print("\n".join(items))
    service, _, path = items[0].partition("/")
    item = bus.get_object(service, "/" + (path or "StatusNotifierItem"))
    if command == "tooltip":
        return print(item.Get(ITEM, "ToolTip", dbus_interface=PROPS)[2])
    if command == "activate":
        return item.Activate(0, 0, dbus_interface=ITEM)
    menu = bus.get_object(service, item.Get(ITEM, "Menu", dbus_interface=PROPS))  # /NO_DBUSMENU: none
    layout = menu.GetLayout(0, -1, dbus.Array([], signature="s"), dbus_interface=MENU)[1]
    entries = {str(e[1].get("label", "")).replace("_", ""): int(e[0]) for e in layout[2] if "label" in e[1]}
    if command == "menu":
        print("\n".join(entries))
    elif command == "click":
        menu.Event(entries[args[0]], "clicked", dbus.Int32(0, variant_level=1), dbus.UInt32(0), dbus_interface=MENU)


if __name__ == "__main__":
    serve() if sys.argv[1:] == ["serve"] else main(*sys.argv[1:])
