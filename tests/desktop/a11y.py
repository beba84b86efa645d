"""What the desktop tests that drive the program through the accessibility bus (AT-SPI) share."""
import sys
import time

import pyatspi
from gi.repository import GLib

def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def find_application(name):
    deadline = time.time() + 15
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            application = desktop.getChildAtIndex(i)
            if application is not None and application.name == name:
                return application
        time.sleep(0.2)
    fail("no application %r on the accessibility bus" % name)


def descendants(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        yield child
        yield from descendants(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def checked(node):
    return node.getState().contains(pyatspi.STATE_CHECKED)


def one(nodes, role, name=None):
    found = [n for n in nodes if n.getRoleName() == role and (name is None or n.name == name)]
    if len(found) != 1:
        fail("expected one %s %r, found %d" % (role, name, len(found)))
    return found[0]


def press(node):
    node.queryAction().doAction(0)


def pump(seconds):
    """Lets events arrive for a while."""
    loop = GLib.MainLoop()
    GLib.timeout_add(int(seconds * 1000), loop.quit)
    loop.run()
