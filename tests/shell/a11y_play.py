"""Plays the running game through the accessibility tree alone, as a
screen reader would: checks what the machine face shows a reader (names,
roles, states, actions, texts, the pay table), counts a bill, spins, saves
through the Game menu and cashes out. Run with Debian's python3 (pyatspi).

    a11y_play.py DUMP_FILE

The game must be running on a Two Dollars game of 0 credits opened from a
file (so the $5 slot is shut and Save needs no dialog), with the Cash Out
button set to exit without the statistics.
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TITLE = "Star Haven Virtual Slots"
SYMBOLS = {"Blank", "Emblem", "Red Seven", "White Seven", "Triple Bar", "Double Bar", "Single Bar"}


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def pump():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, condition, timeout=30, must=True):
    end = time.time() + timeout
    while time.time() < end:
        pump()
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    if must:
        fail("waited in vain for " + what)
    return None


def application():
    def find():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == TITLE:
                return app
        return None
    return wait_for("the game on the accessibility bus", find)


def walk(node, depth=0):
    yield node, depth
    for child in node:
        if child is not None:
            yield from walk(child, depth + 1)


def states(node):
    return {pyatspi.stateToString(s) for s in node.getState().getStates()}


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def text_of(node):
    try:
        text = node.queryText()
    except NotImplementedError:
        return None
    return text.getText(0, text.characterCount)


def describe(node, depth):
    shown = text_of(node)
    return "%s%s %r%s%s%s" % (
        "  " * depth, node.getRoleName(), node.name,
        " text=%r" % shown if shown is not None else "",
        " description=%r" % node.description if node.description else "",
        " actions=%s" % actions(node) if actions(node) else "")


def named(app, role, name):
    found = [n for n, _ in walk(app) if n.getRoleName() == role and n.name == name]
    if not found:
        fail("no %s named %r" % (role, name))
    return found[0]


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        fail("%r cannot be pressed: %s" % (node.name, names))
    action.doAction(names.index("Press"))


def main():
    dump_file = sys.argv[1]
    app = application()
    frame = wait_for("the machine's window", lambda: next(
        (n for n, _ in walk(app) if n.getRoleName() == "frame" and n.name.startswith(TITLE + " - ")), None))
    with open(dump_file, "w") as dump:
        for node, depth in walk(frame):
            dump.write(describe(node, depth) + "\n")

    # Every control a sighted player clicks, as a reader finds it.
    for name in ["Insert a $%d bill" % d for d in (5, 10, 20, 50, 100)] + ["Play 1", "Play 2", "Play Max", "Cash Out"]:
        button = named(frame, "push button", name)
        expected = name != "Insert a $5 bill"  # shut on the Two Dollars machine
        if ("Press" in actions(button)) != expected:
            fail("%r %s a press action" % (name, "has no" if expected else "has"))
        if "focusable" not in states(button):
            fail("%r cannot take the focus" % name)
        if ("sensitive" in states(button)) != expected:
            fail("%r is %s" % (name, "disabled" if expected else "enabled"))
    displays = {name: named(frame, "label", name) for name in ("Credits", "Won", "Bet")}
    for name, display in displays.items():
        if text_of(display) != "0":
            fail("%s reads %r, not 0" % (name, text_of(display)))
    pay_line = named(frame, "label", "Pay line")
    table = named(frame, "table", "Pay table").queryTable()
    if (table.nRows, table.nColumns) != (11, 4):
        fail("the pay table has %d rows and %d columns" % (table.nRows, table.nColumns))
    first = [table.getAccessibleAt(0, c).name for c in range(4)]
    if first != ["3 emblems", "1500", "3000", "5000"]:
        fail("the pay table's first row reads %s" % first)

    # Shown to a reader: the notifications, so that a count is told once, not
    # per credit (what a reader then speaks is e2e_orca.sh's to prove); and
    # every move of the focus, which a spin must not make.
    heard = []
    pyatspi.Registry.registerEventListener(
        lambda e: heard.append(e.source.name) if e.detail1 and e.source.getRoleName() == "notification" else None,
        "object:state-changed:showing")
    focus_moves = []
    pyatspi.Registry.registerEventListener(
        lambda e: focus_moves.append(e.source.name) if e.detail1 else None, "object:state-changed:focused")
    game_menu = named(app, "menu item", "Game")

    press(named(frame, "push button", "Insert a $100 bill"))
    wait_for("the credits of a $100 bill", lambda: text_of(displays["Credits"]) == "50")
    wait_for("the count told", lambda: "Credits 50" in heard, timeout=10)
    time.sleep(0.3)
    pump()
    if heard != ["Credits 50"]:
        fail("the count of 50 credits was told as %s" % heard)

    heard.clear()
    # With the keyboard focus on Play 1 (where the display lets the window
    # be made active from here), pressed as a reader does.
    play1 = named(frame, "push button", "Play 1")
    if os.environ.get("DISPLAY") and not os.environ.get("WAYLAND_DISPLAY"):
        subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^" + TITLE + " - ", "windowfocus"], check=False)
    play1.queryComponent().grabFocus()
    focused = wait_for("the window active", lambda: "active" in states(frame), timeout=5, must=False) and \
        wait_for("Play 1 focused", lambda: "focused" in states(play1))
    time.sleep(0.2)
    pump()
    focus_moves.clear()
    press(play1)
    # The menus sleep while the machine is busy, the buttons never.
    wait_for("the spin's end", lambda: text_of(displays["Bet"]) == "1" and "sensitive" in states(game_menu))
    time.sleep(0.3)
    pump()
    if len(focus_moves) > 2 or (focused and "focused" not in states(play1)):
        fail("a spin moved the focus %d times (%s), away from Play 1" % (len(focus_moves), focus_moves))
    symbols = [s.strip() for s in text_of(pay_line).split(",")]
    if len(symbols) != 3 or not set(symbols) <= SYMBOLS:
        fail("the pay line reads %r" % text_of(pay_line))
    won = int(text_of(displays["Won"]))
    told = "%s: %s. Credits %d." % (text_of(pay_line), "won nothing" if won == 0 else "won %d" % won, 49 + won)
    wait_for("the spin told when it was paid", lambda: any(h.startswith(text_of(pay_line)) for h in heard), timeout=10)
    if len(heard) != 1 or not (heard[0] == told or (won and heard[0].endswith(", won %d. Credits %d." % (won, 49 + won)))):
        fail("the spin was told as %s" % heard)
    if int(text_of(displays["Credits"])) != 49 + won:
        fail("credits %s after winning %d" % (text_of(displays["Credits"]), won))

    # Saved through the Game menu: the game has its own file.
    save = next((n for n, _ in walk(game_menu) if n.getRoleName() == "menu item" and n.name == "Save Game"), None)
    if save is None:
        fail("no Save Game in the Game menu")
    # Handled before the press below: the game answers the reader in order.
    save.queryAction().doAction(0)

    press(named(frame, "push button", "Cash Out"))
    print("played through the accessibility tree: $100 counted, a spin won %d (%s), saved, cashed out"
          % (won, "the focus kept on Play 1" if focused else "the window not active: the focus not checked"))


main()
