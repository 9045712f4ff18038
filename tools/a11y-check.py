#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Reads the window the way a screen reader does.

    tools/a11y-check.py [PROGRAM]

Starts the program on its own virtual X server and D-Bus session, with the AT-SPI
accessibility bus, types an address with the X keyboard, then walks the window's
accessible tree. Fails when a control has no name that says what it is, when a
value's name is not kept current (also across a change of mode), or when a typed
keystroke does not replace a corrected octet. Then, with the X keyboard and
clipboard, types an address with its dots, pastes one with a prefix length and
copies every result as text and HTML (Ctrl+Shift+C, and the window's context
menu), and fails when the boxes, the mask or the copied report are not what the
user asked for. Then pastes addresses inside texts from a chat and a ticket and
types one with its prefix length, which must show what pasting it shows. Then
reads what the class and the mask list explain (their
accessible descriptions) for a private and a multicast address. Last, Ctrl+Q
must end the program with status 0.
Needs Xvfb, xdotool, xclip, dbus-run-session, at-spi2-core and python3-pyatspi.
"""
import os
import re
import select
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WAIT = 30  # seconds for the program and the bus to answer

# Labels of the window that hold a value, each read as "What it is: value".
VALUE_LABELS = 17


def fail(message):
    print("a11y-check: FAILED: " + message, file=sys.stderr)
    sys.exit(1)


def wait_for(what, probe):
    """Polls `probe` until it returns something true; fails after WAIT seconds."""
    deadline = time.monotonic() + WAIT
    while True:
        result = probe()
        if result:
            return result
        if time.monotonic() > deadline:
            fail("timed out waiting for " + what)
        time.sleep(0.2)


def listen_until(what, act, done, details):
    """Does `act`, then receives the program's events until `done()`; all within
    the event loop, where what has been read is kept until an event changes it."""
    import pyatspi
    from gi.repository import GLib

    deadline = time.monotonic() + WAIT
    state = {"acted": False, "failure": None}

    def step():
        if not state["acted"]:
            act()
            state["acted"] = True
            return True
        if not done():
            if time.monotonic() < deadline:
                return True
            state["failure"] = details()
        pyatspi.Registry.stop()
        return False

    GLib.timeout_add(100, step)
    pyatspi.Registry.start(gil=False)
    if state["failure"] is not None:
        fail("timed out waiting for %s; %s" % (what, state["failure"]))


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=WAIT)


def tree(node):
    """Every accessible below `node`, depth first."""
    for child in node:
        if child is not None:
            yield child
            yield from tree(child)


def octet_texts(app):
    return [n.queryText().getText(0, -1) for n in tree(app)
            if n.getRoleName() == "text" and "octet" in n.name]


def check(app):
    import pyatspi

    def named(role):
        return [n for n in tree(app) if n.getRoleName() == role]

    texts = octet_texts(app)
    # 5, Backspace: box 1 is refilled with a selected "1", so 192 replaces it;
    # 300 is corrected to a selected 255, so 168 replaces it.
    if texts != ["192", "168", "1", "10"]:
        fail("the boxes read %s after typing 5, Backspace, 192, 300168, 1, 10" % texts)

    broken = []
    for node in tree(app):
        role = node.getRoleName()
        if role not in ("label", "text", "combo box", "radio button"):
            continue
        name = node.name
        if role == "combo box":
            # On Linux a combo box is named by its current entry and labelled by a
            # relation, which is what screen readers read first.
            for relation in node.getRelationSet():
                if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                    name = relation.getTarget(0).name
        if not re.search(r"[A-Za-z]{2}", name):
            broken.append("%s %r" % (role, name))
    if broken:
        fail("no name that says what it is: " + ", ".join(broken))

    values = [n.name for n in named("label") if re.match(r"[A-Z][a-z A-Z]+: \S", n.name)]
    if len(values) != VALUE_LABELS:
        fail("%d value labels named, expected %d: %s" % (len(values), VALUE_LABELS, values))
    for expected in ("Network class: C", "Network ID: 192.168.1.x", "Total hosts: 254",
                     "Host efficiency: 100%", "Binary mask: 11111111 11111111 11111111 00000000"):
        if expected not in values:
            fail("no label reads %r: %s" % (expected, values))

    # A screen reader keeps the names it has read until it hears of a change: read
    # them as one does, from within the event loop, which keeps what it has read.
    supernet = [n for n in named("radio button") if n.name == "Supernet"][0]
    box = supernet.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    labels = lambda: [n.name for n in named("label")]
    renamed = ("CIDR mask bits: ", "Subnets per block: ", "Hosts per block: ",
               "Total hosts: not applicable")

    def click_supernet():
        labels()
        xdotool("mousemove", str(box.x + 6), str(box.y + box.height // 2), "click", "1")

    listen_until("the values to be renamed for the Supernet mode", click_supernet,
                 lambda: all(any(n.startswith(r) for n in labels()) for r in renamed),
                 lambda: "they read %s" % labels())
    return values


def octet_box(app, index):
    return [n for n in tree(app) if n.getRoleName() == "text" and "octet" in n.name][index]


def click_on(node, button):
    import pyatspi
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    xdotool("mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2),
            "click", button)


def clipboard(selection="clipboard", target="UTF8_STRING"):
    read = subprocess.run(["xclip", "-selection", selection, "-t", target, "-o"],
                          capture_output=True, text=True, timeout=WAIT)
    return read.stdout if read.returncode == 0 else ""


def set_clipboard(text, selection="clipboard"):
    # xclip stays behind to serve the text until another client takes it over.
    subprocess.run(["xclip", "-selection", selection], input=text, text=True, check=True,
                   timeout=WAIT, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def wait_for_boxes(app, expected, what):
    deadline = time.monotonic() + WAIT
    while octet_texts(app) != expected:
        if time.monotonic() > deadline:
            fail("the boxes read %s after %s, not %s" % (octet_texts(app), what, expected))
        time.sleep(0.2)


def check_entry(app, pid):
    """A whole address in and every result out, with the X keyboard and clipboard."""
    import pyatspi

    # "." moves on to the next box, with its text selected to be typed over.
    click_on(octet_box(app, 0), "1")
    xdotool("key", "ctrl+a")
    xdotool("type", "--delay", "60", "10.1.2.3")
    wait_for_boxes(app, ["10", "1", "2", "3"], "typing 10.1.2.3 into box 1")

    # Pasted into box 3 while Supernet is chosen: Subnet is chosen, the /26 picked.
    set_clipboard("192.168.1.10/26")
    click_on(octet_box(app, 2), "1")
    xdotool("key", "ctrl+v")
    wait_for_boxes(app, ["192", "168", "1", "10"], "Ctrl+V of 192.168.1.10/26 into box 3")
    def masks():
        # The list tells of a new entry as a change of value, not of name: read it
        # afresh.
        lists = [n for n in tree(app) if n.getRoleName() == "combo box"]
        for node in lists:
            node.clearCache()
        return [n.name for n in lists]
    wait_for("the mask list to show 255.255.255.192", lambda: masks() == ["255.255.255.192"])

    expected = ("Address:     192.168.1.10/26\n",
                "Mask:        255.255.255.192 (/26), wildcard 0.0.0.63\n",
                "  Host Efficency:  48.8%\n",
                "\n  1) 192.168.1.0   192.168.1.1 to 192.168.1.62    192.168.1.63\n")
    copied = lambda: all(part in clipboard() for part in expected)
    xdotool("key", "ctrl+shift+c")
    wait_for("Ctrl+Shift+C to copy the report", copied)
    if expected[0] in clipboard("primary"):
        fail("Ctrl+Shift+C put the report into the X selection too")
    html = "<th align=\"left\">Address:</th><td>192.168.1.10/26</td>"
    if html not in clipboard(target="text/html"):
        fail("the clipboard's text/html has no %r: %r" % (html, clipboard(target="text/html")))

    # The same from the context menu of a value label.
    set_clipboard("nothing yet")
    label = [n for n in tree(app) if n.getRoleName() == "label" and
             n.name.startswith("Network class:")][0]
    click_on(label, "3")

    # A popup menu is no child of the application on the bus: wait for its window,
    # then take its one entry with the keyboard.
    def windows():
        return subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                              capture_output=True, text=True, timeout=WAIT).stdout.split()
    wait_for("the context menu", lambda: len(windows()) > 1)
    xdotool("key", "--delay", "60", "Down", "Return")
    wait_for("Copy All Results to copy the report", copied)
    report = clipboard()

    # The other ways to paste: a middle click of the X selection, and the octet
    # box's own context menu (its Paste by its access key).
    set_clipboard("10.0.0.0 / 31", "primary")
    click_on(octet_box(app, 1), "2")
    wait_for_boxes(app, ["10", "0", "0", "0"], "a middle click of 10.0.0.0 / 31 on box 2")
    set_clipboard("172.16.5.4\t255.255.0.0\n")
    wait_for("the menu to close", lambda: len(windows()) == 1)
    click_on(octet_box(app, 0), "3")
    wait_for("the box's context menu", lambda: len(windows()) > 1)
    xdotool("key", "p")
    wait_for_boxes(app, ["172", "16", "5", "4"], "the context menu's Paste on box 1")
    return report


def value_names(app):
    names = []
    for node in tree(app):
        if node.getRoleName() == "label":
            node.clearCache()
            if re.match(r"[A-Z][a-z A-Z]+: \S", node.name):
                names.append(node.name)
    return names


def mask_shown(app):
    combo = [n for n in tree(app) if n.getRoleName() == "combo box"][0]
    combo.clearCache()
    return combo.name


def paste_into_box4(app, text, boxes):
    """Ctrl+A, Ctrl+V in box 4 with the real X clipboard."""
    set_clipboard(text)
    click_on(octet_box(app, 3), "1")
    xdotool("key", "ctrl+a", "ctrl+v")
    wait_for_boxes(app, boxes, "Ctrl+V of %r into box 4" % text)


def check_copied_texts(app):
    """Addresses found in texts copied from tickets and chats, and the same address
    typed with its prefix from the keyboard."""
    cases = (("10.20.30.40/27,", ["10", "20", "30", "40"], "10.20.30.32", "27"),
             ("IP: 10.20.30.40/27", ["10", "20", "30", "40"], "10.20.30.32", "27"),
             ("172.16.0.0/255.255.255.192", ["172", "16", "0", "0"], "172.16.0.0", "26"))
    for text, boxes, subnet, bits in cases:
        paste_into_box4(app, "0.0.0.0", ["1", "0", "0", "0"])
        paste_into_box4(app, text, boxes)
        wait_for("%r to give %s/%s, not %s" % (text, subnet, bits, value_names(app)),
                 lambda: "Subnet address: " + subnet in value_names(app) and
                 "Mask bits: " + bits in value_names(app))

    # Typed: "/" in box 4 moves on to the mask list, where 26 picks its mask, the
    # mode switched from Supernet first.
    paste_into_box4(app, "192.168.1.10/26", ["192", "168", "1", "10"])
    wait_for("the mask of /26", lambda: mask_shown(app) == "255.255.255.192")
    pasted = sorted(value_names(app))
    paste_into_box4(app, "10.0.0.0/6", ["10", "0", "0", "0"])
    wait_for("the Supernet mask of /6", lambda: mask_shown(app) == "252.0.0.0")
    click_on(octet_box(app, 0), "1")
    xdotool("key", "ctrl+a")
    xdotool("type", "--delay", "60", "192.168.1.10/26")
    wait_for_boxes(app, ["192", "168", "1", "10"], "typing 192.168.1.10/26 into box 1")
    deadline = time.monotonic() + WAIT
    while sorted(value_names(app)) != pasted or mask_shown(app) != "255.255.255.192":
        if time.monotonic() > deadline:
            fail("typed 192.168.1.10/26 shows %s, %s; pasted it showed %s" %
                 (mask_shown(app), sorted(value_names(app)), pasted))
        time.sleep(0.2)


def check_descriptions(app):
    """What the class and the mask list explain, as a screen reader reads them: the
    address's type and the picked mask's prefix and wildcard, or why none applies."""
    cases = (("10.1.2.3", "private-use (RFC 1918)", "/8, wildcard 0.255.255.255"),
             ("224.0.0.5", "multicast (RFC 5771", "N/A: a multicast address (class D)"))
    for address, kind, mask in cases:
        set_clipboard(address)
        click_on(octet_box(app, 0), "1")
        xdotool("key", "ctrl+v")
        wait_for_boxes(app, address.split("."), "Ctrl+V of " + address)

        def described():
            label = [n for n in tree(app) if n.getRoleName() == "label" and
                     n.name.startswith("Network class:")][0]
            combo = [n for n in tree(app) if n.getRoleName() == "combo box"][0]
            label.clearCache()
            combo.clearCache()
            return label.description, combo.description
        deadline = time.monotonic() + WAIT
        while not (kind in described()[0] and described()[1].startswith(mask)):
            if time.monotonic() > deadline:
                fail("for %s the class and the mask list are described as %r" %
                     (address, described()))
            time.sleep(0.2)
    return described()


def on_own_display_and_bus(program):
    """Runs this script again on a virtual X server and a D-Bus session of its own,
    whatever the caller has, and ends everything it started."""
    read, write = os.pipe()
    # -displayfd: the server picks a free display itself, so parallel runs never race.
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "640x600x24",
                             "-dpi", "96", "-nolisten", "tcp"], pass_fds=(write,),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    try:
        if not select.select([read], [], [], WAIT)[0]:
            fail("Xvfb did not start")
        display = os.read(read, 16).decode().strip()
        # The server names its display as it starts to listen; the program's first
        # connection must not race its last steps of start-up.
        deadline = time.monotonic() + WAIT
        while subprocess.run(["xdpyinfo", "-display", ":" + display], stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL, check=False).returncode != 0:
            if xvfb.poll() is not None or time.monotonic() > deadline:
                fail("Xvfb on :%s does not answer" % display)
            time.sleep(0.1)
        env = dict(os.environ, DISPLAY=":" + display, QUORVANE_A11Y_SESSION="1")
        env.pop("WAYLAND_DISPLAY", None)
        session = subprocess.Popen(["dbus-run-session", "--", "/usr/bin/python3",
                                    os.path.abspath(__file__), program],
                                   env=env, start_new_session=True)
        try:
            status = session.wait(timeout=180)
        except subprocess.TimeoutExpired:
            status = None
        # The bus's own helpers (the accessibility bus and its registry) too.
        try:
            os.killpg(session.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        session.wait()
        if status is None:
            fail("timed out")
        return status
    finally:
        os.close(read)
        xvfb.terminate()
        xvfb.wait()


def list_box_text(app):
    boxes = [n for n in tree(app) if n.getRoleName() == "text" and "octet" not in n.name]
    if len(boxes) != 1:
        fail("%d text boxes besides the octet boxes, not the one list box" % len(boxes))
    return boxes[0].queryText().getText(0, -1)


def check_typing_over(app):
    """A click into a filled box selects it, so an address typed there replaces the
    old one rather than mixing with it; classes D and E show no list of another."""
    paste_into_box4(app, "192.168.1.10", ["192", "168", "1", "10"])
    click_on(octet_box(app, 0), "1")
    xdotool("type", "--delay", "60", "10.1.2.3")
    wait_for_boxes(app, ["10", "1", "2", "3"], "a click into box 1 and 10.1.2.3 typed")

    paste_into_box4(app, "10.0.0.0/24", ["10", "0", "0", "0"])
    wait_for("the list of 10.0.0.0/24", lambda: list_box_text(app).startswith("1) 10.0.0.0 "))
    click_on(octet_box(app, 0), "1")
    xdotool("type", "--delay", "60", "250.1.1.1")
    wait_for_boxes(app, ["250", "1", "1", "1"], "a click into box 1 and 250.1.1.1 typed")
    if list_box_text(app) != "":
        fail("250.1.1.1 shows a list: %r" % list_box_text(app)[:80])


def main():
    program = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else
                              os.path.join(ROOT, "build", "bin", "quorvane"))
    if not os.access(program, os.X_OK):
        fail("no program at " + program + " (build it first)")
    if os.environ.get("QUORVANE_A11Y_SESSION") != "1":
        sys.exit(on_own_display_and_bus(program))

    import pyatspi

    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    window = subprocess.Popen([program], env=env)
    try:
        def find_app():
            if window.poll() is not None:
                fail("the program ended with status %d" % window.returncode)
            for app in pyatspi.Registry.getDesktop(0):
                if app is not None and app.get_process_id() == window.pid:
                    return app
            return None
        app = wait_for("the program on the accessibility bus", find_app)
        # Heard from the start, so that the program sends these events from then on.
        pyatspi.Registry.registerEventListener(lambda event: None,
                                               "object:property-change:accessible-name")
        wid = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Quorvane$"],
                             check=True, timeout=WAIT, capture_output=True, text=True).stdout.split()[0]
        xdotool("windowfocus", "--sync", wid)
        # The focus starts in box 1; Tab walks the boxes.
        for keys in ("5", "BackSpace", "192", "Tab", "300168", "Tab", "1", "Tab", "10"):
            xdotool("type" if keys.isdigit() else "key", "--delay", "60", keys)
        wait_for("the typed address", lambda: octet_texts(app)[3:] == ["10"])
        values = check(app)
        print("a11y-check: every control is named; values read as, for example, " +
              "; ".join(values[:3]))
        report = check_entry(app, window.pid)
        print("a11y-check: typed 10.1.2.3, pasted addresses four ways, copied %d lines of "
              "results" % len(report.splitlines()))
        check_typing_over(app)
        print("a11y-check: 10.1.2.3 typed over 192.168.1.10 after a click into box 1; "
              "250.1.1.1 typed over 10.0.0.0/24 leaves the list empty")
        check_copied_texts(app)
        print("a11y-check: addresses found in a chat line, a ticket and a /mask; "
              "192.168.1.10/26 typed shows what it shows pasted")
        described = check_descriptions(app)
        print("a11y-check: 10.1.2.3 and 224.0.0.5 described; the type of 224.0.0.5: %s"
              % described[0].split("Type: ")[-1])

        xdotool("windowfocus", "--sync", wid)
        xdotool("key", "ctrl+q")
        try:
            status = window.wait(timeout=WAIT)
        except subprocess.TimeoutExpired:
            fail("Ctrl+Q did not end the program")
        if status != 0:
            fail("the program ended with status %d after Ctrl+Q" % status)
        print("a11y-check: Ctrl+Q ended the program with status 0")
    finally:
        window.terminate()
        try:
            window.wait(timeout=10)
        except subprocess.TimeoutExpired:
            window.kill()


if __name__ == "__main__":
    main()
