#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# A screen reader's side of AT-SPI, for the benchmark: listens to the events a screen reader
# listens to, on the same connection as its calls (so that a reply queues behind them, as
# libatspi's does), finds the window's status line, Download button and log, says "found", then
# reads the status and the button and the log's caret every 20 ms until a line comes on its
# standard input, and prints how long each read took, in ms.
# Usage: atspiprobe.py APPLICATION-NAME
import select
import sys
import time

import dbus

ACCESSIBLE = 'org.a11y.atspi.Accessible'
PROPERTIES = 'org.freedesktop.DBus.Properties'

session = dbus.SessionBus()
address = session.get_object('org.a11y.Bus', '/org/a11y/bus').GetAddress(dbus_interface='org.a11y.Bus')
# The accessibility bus starts on the first request, slowly on a busy machine.
for attempt in range(10):
    try:
        bus = dbus.bus.BusConnection(address)
        break
    except dbus.DBusException:
        time.sleep(1)


def node(reference):
    return bus.get_object(reference[0], reference[1], introspect=False)


def name(reference):
    return str(node(reference).Get(ACCESSIBLE, 'Name', dbus_interface=PROPERTIES))


def children(reference):
    return [(str(owner), str(path)) for owner, path in node(reference).GetChildren(dbus_interface=ACCESSIBLE)]


registry = bus.get_object('org.a11y.atspi.Registry', '/org/a11y/atspi/registry')
for event in ['object:text-changed', 'object:text-caret-moved', 'object:state-changed',
              'object:children-changed', 'object:property-change', 'focus:']:
    registry.RegisterEvent(event, dbus.Array([], signature='s'), '', dbus_interface='org.a11y.atspi.Registry')
bus.add_match_string("type='signal',interface='org.a11y.atspi.Event.Object'")

application = None
for attempt in range(200):
    for child in children(('org.a11y.atspi.Registry', '/org/a11y/atspi/accessible/root')):
        try:
            if name(child) == sys.argv[1]:
                application = child
        except dbus.DBusException:
            pass
    if application:
        break
    time.sleep(0.05)
found = {}


def walk(reference):
    role = str(node(reference).GetRoleName(dbus_interface=ACCESSIBLE))
    if role == 'notification':
        found['status'] = reference
    elif role == 'push button' and name(reference) == 'Download':
        found['button'] = reference
    elif role == 'text' and name(reference) == 'Output Log':
        found['log'] = reference
    for child in children(reference):
        walk(child)


walk(application)
if len(found) != 3:
    sys.exit('not found: ' + ', '.join({'status', 'button', 'log'} - found.keys()))
print('found', flush=True)
took = []
while not select.select([sys.stdin], [], [], 0.02)[0]:
    start = time.monotonic()
    try:
        name(found['status'])
        name(found['button'])
        node(found['log']).Get('org.a11y.atspi.Text', 'CaretOffset', dbus_interface=PROPERTIES)
    except dbus.DBusException:
        pass  # No reply in 25 s, which is what the time says.
    took.append((time.monotonic() - start) * 1000)
print(' '.join('%.2f' % ms for ms in took), flush=True)
