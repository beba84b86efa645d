"""On a Wayland compositor without any X server the program runs natively on Wayland. It says
once, in a box a user sees, what it can't do there; the box doesn't block the window, and
常に手前に表示 still shows and takes the user's choice.

    native_wayland.py quit     the box, Start and Stop, OK, 常に手前に表示 on, 終了
    native_wayland.py normal   the box, 通常表示; the box stays open
"""
import sys

from a11y import checked, descendants, fail, find_application, one, press, pump, showing


def showing_boxes(application):
    return [n for n in descendants(application)
            if n.getRoleName() in ("alert", "dialog") and showing(n)]


def choose_always_in_front(application, in_front):
    """Chooses 常に手前に表示 or 通常表示, the other item of its pair."""
    nodes = list(descendants(application))
    item = one(nodes, "menu item", "常に手前に表示")
    if checked(item) == in_front:
        fail("常に手前に表示 is already %s" % ("checked" if in_front else "unchecked"))
    press(one(nodes, "menu item", "常に手前に表示" if in_front else "通常表示"))
    pump(0.5)
    if checked(item) != in_front:
        fail("the check mark did not move")


application = find_application("TamoruWatch")
pump(1.0)
boxes = showing_boxes(application)
if len(boxes) != 1:
    fail("expected one box about Wayland, found %d" % len(boxes))
box_text = " ".join(n.name for n in descendants(boxes[0]) if n.getRoleName() == "label")
for words in ("Wayland", "マウスポインタ", "常に手前に表示"):
    if words not in box_text:
        fail("the box does not mention %s: %r" % (words, box_text))

if sys.argv[1] == "normal":
    choose_always_in_front(application, False)
    sys.exit(0)

# The window works with the box still open: Start and Stop, which keep the pointer in the window
# on X11, run without it here.
nodes = list(descendants(application))
start = one(nodes, "push button", "スタート")
press(start)
pump(0.5)
press(start)
pump(0.3)
readout = [n for n in descendants(application) if n.getRoleName() == "label" and n.name[:1].isdigit()]
if len(readout) != 1 or readout[0].name == "0.000":
    fail("the readout did not move between Start and Stop: %r" % [n.name for n in readout])

press(one(list(descendants(boxes[0])), "push button"))
pump(0.5)
if showing_boxes(application):
    fail("the box is still showing after OK")
choose_always_in_front(application, True)
press(one(list(descendants(application)), "menu item", "終了"))
print("native wayland: ok")
