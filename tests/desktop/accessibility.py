"""Drives the running program through the accessibility bus (AT-SPI), as a screen reader would:
every control shown has a name and a role, the menus expose their check marks, and the readout
tells of a new time at Stop, at a lap and at Reset, but not on every change while running."""
import re

import pyatspi

from a11y import checked, descendants, fail, find_application, one, press, pump, showing

TIME = re.compile(r"^\d{1,3}(,\d{3})*\.\d{3}$")


class NameEvents:
    """Name changes the program announces, by the role of their source."""

    def __init__(self):
        self.seen = []
        pyatspi.Registry.registerEventListener(self.on_event, "object:property-change:accessible-name")

    def on_event(self, event):
        self.seen.append((event.source.getRoleName(), event.source.name))

    def from_role(self, role):
        return [name for source_role, name in self.seen if source_role == role]

    def clear(self):
        self.seen = []


application = find_application("TamoruWatch")
nodes = list(descendants(application))
frame = one(nodes, "frame")
if not frame.name.startswith("Tamoru"):
    fail("window named %r" % frame.name)
start = one(nodes, "push button", "スタート")
lap = one(nodes, "push button", "リセット")
readout = one(nodes, "label", "0.000")
one(nodes, "image", "アナログ計")
lap_list = one(nodes, "list", "ラップ一覧")
menu_bar = one(nodes, "menu bar")

controls = [n for n in nodes if showing(n) and n.getRoleName() not in ("filler", "menu bar")]
anonymous = [n.getRoleName() for n in controls if not n.name]
if anonymous:
    fail("controls without a name: %s" % anonymous)

menu_items = {n.name: n for n in descendants(menu_bar) if n.getRoleName() == "menu item"}
for name in ("通常", "する", "ﾎﾞﾀﾝ", "ﾃﾞｼﾞﾀﾙ計", "ｱﾅﾛｸﾞ計", "秒", "6秒", "通常表示"):
    if not checked(menu_items[name]):
        fail("menu item %s is not reported as checked" % name)
for name in ("ﾗｯﾌﾟ計測", "しない", "時分秒", "ｺﾏ数", "常に手前に表示"):
    if checked(menu_items[name]):
        fail("menu item %s is reported as checked" % name)

events = NameEvents()
pump(0.3)
press(start)
pump(0.4)
first = readout.name
pump(0.4)
second = readout.name
if not (TIME.match(first) and TIME.match(second) and first != second):
    fail("asked while running, the readout said %r and then %r" % (first, second))
pump(1.0)
if events.from_role("label"):
    fail("the running readout announced %d changes" % len(events.from_role("label")))

press(lap)  # a lap: announced once, with the time shown
pump(0.5)
announced = events.from_role("label")
if len(announced) != 1 or not TIME.match(announced[0]):
    fail("a lap announced %r" % announced)

events.clear()
press(start)  # Stop
pump(0.5)
stopped = readout.name
announced = events.from_role("label")
if announced != [stopped]:
    fail("Stop announced %r, the readout shows %r" % (announced, stopped))
lines = [lap_list.getChildAtIndex(i).name for i in range(lap_list.childCount)]
if len(lines) != 2 or not all(lines):
    fail("the lap list reads %r" % lines)

menu_items["ｺﾏ数"].queryAction().doAction(0)
pump(0.5)
if not checked(menu_items["ｺﾏ数"]) or checked(menu_items["秒"]):
    fail("the check mark did not move to ｺﾏ数")

events.clear()
press(lap)  # Reset
pump(0.5)
if events.from_role("label") != ["0.000"]:
    fail("Reset announced %r" % events.from_role("label"))
print("accessibility: ok")
