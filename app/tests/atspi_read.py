#!/usr/bin/python3
"""Reads a window's accessible objects through AT-SPI, as a screen reader sees them.

    atspi_read.py [options] APP_NAME WINDOW_TITLE [OBJECT]

APP_NAME is the application's name on the AT-SPI desktop (Qt gives it the
QApplication's applicationName, e.g. "Nuvra"); WINDOW_TITLE is the accessible
name of one of its top-level windows (its window title). OBJECT names a
descendant of that window: it matches the accessible name, the accessible id,
or the last dot-separated part of the accessible id. Without OBJECT, or with
--tree, the whole tree under the window is printed instead.

Options:
  --timeout S      keep trying for S seconds (default 10): the tree fills in
                   while the program starts
  --role ROLE      only objects of this role (AT-SPI role name, e.g.
                   "push button", "label", "filler")
  --description D  only objects whose accessible description is D
  --showing        only objects on screen (Qt also lists hidden widgets)
  --path I.J.K     the object reached by these child indices from the window
                   (shown in brackets by --tree); OBJECT may then be left out
  --field F        what to print of the object: text (default: the Text
                   interface's content when it has one, otherwise the name),
                   name, description, id, role, actions, states or all
  --expect VALUE   keep trying until the printed value equals VALUE; on timeout
                   the last value seen is printed and the exit status is 1
  --tree           print the window's tree (role, name, description, id,
                   attributes, actions, states, text) and exit

Exit status: 0 found (and, with --expect, equal), 1 not found by the timeout
(or no accessibility bus), 2 wrong usage.

Needs Debian's python3-pyatspi (the GObject-introspected Atspi library) and an
accessibility bus: AT_SPI_BUS_ADDRESS, or an org.a11y.Bus (at-spi-bus-launcher)
on the session bus of DBUS_SESSION_BUS_ADDRESS.
"""

import argparse
import os
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

# Some calls used here are marked deprecated in newer libatspi; they still work.
warnings.filterwarnings("ignore", category=DeprecationWarning)


def accessibility_bus_address():
    """The accessibility bus's address, or "" when there is none yet.

    libatspi ends the whole process when it cannot reach this bus, so it is asked first.
    """
    address = os.environ.get("AT_SPI_BUS_ADDRESS", "")
    if address:
        return address
    try:
        session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        reply = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                  None, GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 2000,
                                  None)
    except GLib.Error:
        return ""
    return reply.unpack()[0]


def safe(call, default=""):
    """The value of an AT-SPI call, or the default when the object went away."""
    try:
        value = call()
    except GLib.GError:
        return default
    except Exception:  # a dead object raises other errors in some versions
        return default
    return default if value is None else value


def accessible_id(acc):
    return safe(acc.get_accessible_id) if hasattr(acc, "get_accessible_id") else ""


def interfaces(acc):
    return safe(acc.get_interfaces, [])


def text_of(acc):
    if "Text" not in interfaces(acc):
        return None
    count = safe(lambda: Atspi.Text.get_character_count(acc), 0)
    return safe(lambda: Atspi.Text.get_text(acc, 0, count)) if count else ""


def actions_of(acc):
    if "Action" not in interfaces(acc):
        return []
    count = safe(lambda: Atspi.Action.get_n_actions(acc), 0)
    return [safe(lambda i=i: Atspi.Action.get_action_name(acc, i)) for i in range(count)]


# The states worth seeing in a tree; the others are noise for a calculator.
SHOWN_STATES = ("showing", "focused", "checked", "pressed")


def states_of(acc):
    state_set = safe(acc.get_state_set, None)
    if state_set is None:
        return []
    return [state.value_nick for state in safe(state_set.get_states, [])]


def children(acc):
    count = safe(acc.get_child_count, 0)
    for index in range(count):
        child = safe(lambda i=index: acc.get_child_at_index(i), None)
        if child is not None:
            yield index, child


def walk(acc, path=()):
    """Every descendant of acc with its child-index path, depth first, acc itself first."""
    yield path, acc
    for index, child in children(acc):
        yield from walk(child, path + (index,))


def find_app(name):
    desktop = Atspi.get_desktop(0)
    for _, app in children(desktop):
        if safe(app.get_name) == name:
            return app
    return None


def find_window(app, title):
    for _, window in children(app):
        if safe(window.get_name) == title:
            return window
    return None


def app_names():
    return [safe(app.get_name) for _, app in children(Atspi.get_desktop(0))]


def window_names(app):
    return [safe(window.get_name) for _, window in children(app)]


def matches(acc, wanted, options):
    if options.role is not None and safe(acc.get_role_name) != options.role:
        return False
    if options.description is not None and safe(acc.get_description) != options.description:
        return False
    if options.showing and "showing" not in states_of(acc):
        return False
    if wanted is None:
        return True
    if safe(acc.get_name) == wanted:
        return True
    ident = accessible_id(acc)
    return bool(ident) and (ident == wanted or ident.rsplit(".", 1)[-1] == wanted)


def find_object(window, wanted, options):
    path = options.path
    if path is not None:
        acc = window
        for index in path:
            if index >= safe(acc.get_child_count, 0):
                return None
            acc = safe(lambda: acc.get_child_at_index(index), None)
            if acc is None:
                return None
        return acc if matches(acc, wanted, options) else None
    for _, acc in walk(window):
        if acc is not window and matches(acc, wanted, options):
            return acc
    return None


def field(acc, which):
    if which == "text":
        text = text_of(acc)
        return text if text else safe(acc.get_name)
    if which == "name":
        return safe(acc.get_name)
    if which == "description":
        return safe(acc.get_description)
    if which == "id":
        return accessible_id(acc)
    if which == "role":
        return safe(acc.get_role_name)
    if which == "actions":
        return " ".join(actions_of(acc))
    if which == "states":
        return " ".join(states_of(acc))
    return describe(acc)


def describe(acc):
    parts = [safe(acc.get_role_name), "name=%r" % safe(acc.get_name)]
    description = safe(acc.get_description)
    if description:
        parts.append("description=%r" % description)
    ident = accessible_id(acc)
    if ident:
        parts.append("id=%r" % ident)
    attributes = safe(acc.get_attributes, {})
    if attributes:
        parts.append("attributes=%r" % dict(attributes))
    actions = actions_of(acc)
    if actions:
        parts.append("actions=%s" % ",".join(actions))
    states = [state for state in states_of(acc) if state in SHOWN_STATES]
    if states:
        parts.append("states=%s" % ",".join(states))
    text = text_of(acc)
    if text is not None and text != safe(acc.get_name):
        parts.append("text=%r" % text)
    return " ".join(parts)


def print_tree(window):
    for path, acc in walk(window):
        print("%s[%s] %s" % ("  " * len(path), ".".join(map(str, path)), describe(acc)))


def selector(args):
    parts = [repr(args.object)] if args.object is not None else []
    if args.path is not None:
        parts.append("at path %s" % ".".join(map(str, args.path)))
    if args.role is not None:
        parts.append("of role %r" % args.role)
    if args.description is not None:
        parts.append("described %r" % args.description)
    if args.showing:
        parts.append("on screen")
    return " ".join(parts)


def parse_path(text):
    try:
        return tuple(int(part) for part in text.split(".") if part != "")
    except ValueError:
        raise argparse.ArgumentTypeError("a path is child indices joined by dots, e.g. 0.3.1")


def main():
    parser = argparse.ArgumentParser(
        description="Read a window's accessible objects through AT-SPI.")
    parser.add_argument("app")
    parser.add_argument("window")
    parser.add_argument("object", nargs="?")
    parser.add_argument("--timeout", type=float, default=10.0)
    parser.add_argument("--role")
    parser.add_argument("--path", type=parse_path)
    parser.add_argument("--field", default="text",
                        choices=["text", "name", "description", "id", "role", "actions",
                                 "states", "all"])
    parser.add_argument("--description")
    parser.add_argument("--showing", action="store_true")
    parser.add_argument("--expect")
    parser.add_argument("--tree", action="store_true")
    args = parser.parse_args()
    tree = args.tree or (args.object is None and args.path is None and args.role is None
                         and args.description is None and not args.showing)

    # A hung program must not hold one call past the whole timeout.
    call_ms = max(500, min(5000, int(args.timeout * 1000)))
    Atspi.set_timeout(call_ms, call_ms)

    deadline = time.monotonic() + args.timeout
    while not accessibility_bus_address():
        if time.monotonic() >= deadline:
            print("atspi_read: no accessibility bus (is at-spi-bus-launcher running on the "
                  "session bus in DBUS_SESSION_BUS_ADDRESS?)", file=sys.stderr)
            return 1
        time.sleep(0.2)

    why = "nothing tried"
    last = None
    while True:
        app = find_app(args.app)
        if app is None:
            why = "no application %r; the desktop has %r" % (args.app, app_names())
        else:
            # Values are cached per process; each try reads them afresh.
            safe(app.clear_cache, None)
            window = find_window(app, args.window)
            if window is None:
                why = "no window %r; %s has %r" % (args.window, args.app, window_names(app))
            elif tree:
                print_tree(window)
                return 0
            else:
                acc = find_object(window, args.object, args)
                if acc is None:
                    why = "no object %s in window %r" % (selector(args), args.window)
                else:
                    last = field(acc, args.field)
                    if args.expect is None or last == args.expect:
                        print(last)
                        return 0
                    why = "the object shows %r, not %r" % (last, args.expect)
        if time.monotonic() >= deadline:
            break
        time.sleep(0.2)
    if last is not None:
        print(last)
    print("atspi_read: %s" % why, file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
