#!/usr/bin/python3
"""A StatusNotifierWatcher test double, and the calls a D-Bus tray makes on the items it shows.

  sni_watcher.py serve         own org.kde.StatusNotifierWatcher on the session bus, with one host
  sni_watcher.py items         the registered items, one a line
  sni_watcher.py tooltip       the title of the first item's tooltip
  sni_watcher.py menu          the labels of the first item's menu (access keys removed), one a line
  sni_watcher.py click LABEL   clicks that entry of the first item's menu
  sni_watcher.py activate      activates the first item, as a left click in the panel does
"""
import sys

import dbus
import dbus.service

WATCHER = "org.kde.StatusNotifierWatcher"
ITEM = "org.kde.StatusNotifierItem"
MENU = "com.canonical.dbusmenu"
PROPS = "org.freedesktop.DBus.Properties"

# Qt reads the properties through a dynamic interface, which knows only what introspection tells.
INTROSPECTION = """<node><interface name="org.kde.StatusNotifierWatcher">
 <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
 <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
 <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
 <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
 <property name="ProtocolVersion" type="i" access="read"/>
 <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
 <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
 <signal name="StatusNotifierHostRegistered"/>
</interface><interface name="org.freedesktop.DBus.Properties">
 <method name="Get"><arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="v" direction="out"/></method>
 <method name="GetAll"><arg type="s" direction="in"/><arg type="a{sv}" direction="out"/></method>
</interface><interface name="org.freedesktop.DBus.Introspectable">
 <method name="Introspect"><arg type="s" direction="out"/></method>
</interface></node>"""


class Watcher(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, "/StatusNotifierWatcher")
        self.items = []
        bus.add_signal_receiver(self.owner_changed, "NameOwnerChanged", "org.freedesktop.DBus")

    def owner_changed(self, name, old, new):
        gone = [i for i in self.items if not new and i.split("/")[0] == name]
        for item in gone:
            self.items.remove(item)
            self.StatusNotifierItemUnregistered(item)

    @dbus.service.method(WATCHER, in_signature="s", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender):
        item = sender + service if service.startswith("/") else service
        if item not in self.items:
            self.items.append(item)
        self.StatusNotifierItemRegistered(item)

    @dbus.service.method(WATCHER, in_signature="s")
    def RegisterStatusNotifierHost(self, service):
        pass

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemRegistered(self, item):
        pass

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemUnregistered(self, item):
        pass

    @dbus.service.method(PROPS, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        return self.GetAll(interface)[name]

    @dbus.service.method(PROPS, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return {"RegisteredStatusNotifierItems": dbus.Array(self.items, signature="s"),
                "IsStatusNotifierHostRegistered": dbus.Boolean(True),
                "ProtocolVersion": dbus.Int32(0)}

    @dbus.service.method("org.freedesktop.DBus.Introspectable", out_signature="s")
    def Introspect(self):
        return INTROSPECTION


def serve():
    from dbus.mainloop.glib import DBusGMainLoop
    from gi.repository import GLib
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    watcher = Watcher(bus)
    name = dbus.service.BusName(WATCHER, bus, do_not_queue=True)  # owned while it is referenced
    GLib.MainLoop().run()
    del watcher, name


def first_item(bus):
    watcher = bus.get_object(WATCHER, "/StatusNotifierWatcher")
    items = watcher.Get(WATCHER, "RegisteredStatusNotifierItems", dbus_interface=PROPS)
    if not items:
        sys.exit("no item registered")
    service, _, path = items[0].partition("/")
    return bus.get_object(service, "/" + (path or "StatusNotifierItem"))


def menu_entries(bus, item):
    menu_path = item.Get(ITEM, "Menu", dbus_interface=PROPS)
    if menu_path == "/NO_DBUSMENU":
        return None, []
    menu = bus.get_object(item.bus_name, menu_path)
    _, layout = menu.GetLayout(0, -1, dbus.Array([], signature="s"), dbus_interface=MENU)
    entries = [(int(child[0]), str(child[1].get("label", "")).replace("_", ""))
               for child in layout[2] if child[1].get("type") != "separator"]
    return menu, entries


def main(args):
    bus = dbus.SessionBus()
    if args[0] == "items":
        watcher = bus.get_object(WATCHER, "/StatusNotifierWatcher")
        print("\n".join(watcher.Get(WATCHER, "RegisteredStatusNotifierItems", dbus_interface=PROPS)))
        return
    item = first_item(bus)
    if args[0] == "tooltip":
        print(item.Get(ITEM, "ToolTip", dbus_interface=PROPS)[2])
    elif args[0] == "menu":
        print("\n".join(label for _, label in menu_entries(bus, item)[1]))
    elif args[0] == "click":
        menu, entries = menu_entries(bus, item)
        ident = next(i for i, label in entries if label == args[1])
        menu.Event(ident, "clicked", dbus.Int32(0, variant_level=1), dbus.UInt32(0), dbus_interface=MENU)
    elif args[0] == "activate":
        item.Activate(0, 0, dbus_interface=ITEM)


if __name__ == "__main__":
    if sys.argv[1:] == ["serve"]:
        serve()
    else:
        main(sys.argv[1:])
