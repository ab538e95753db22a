#!/usr/bin/python3
"""Plays the real game on the desktops that this Debian release runs headless.

    desktop_check.py PROGRAM TOOLS OUTPUT_DIR [DESKTOP...]

One game as a player plays it on each desktop (all of them by default):
the X11 window managers openbox, xfwm4, mutter and kwin_x11 in Xvfb; the
Wayland compositors sway (headless), and weston, mutter and kwin_wayland
nested in Xvfb (a mutter that nests no more, as 51, headless, its screen
shown in Xvfb by its development kit). Then the board's contrast under the
light palette, GTK's dark theme and a KDE dark colour scheme, measured from
the screen's pixels. A desktop that the release lacks, as a package or as a
mode of its compositor, is skipped with the reason.

TOOLS holds the helpers that scripts/desktop-test builds: x_bell_watch and
virtual_pointer, and a copy of kwin_wayland. Every desktop gets its own
display, D-Bus session, runtime directory (short, under /tmp) and, on
Wayland, a PulseAudio server with a null sink that hears the beep where the
compositor offers no bell of its own (where it does, the game's protocol log
shows it rung). Every process started here runs in its own process group
and is ended with it. Screenshots of each step go to OUTPUT_DIR/<desktop>/.
Two desktops play at once, each in a process of its own; their lines are
printed in order. Prints one line per check and ends with "N passed, N
failed, N skipped". Must not run as root (sway and PulseAudio refuse it).
"""

import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

from PIL import Image
from Xlib import X, display as xdisplay

WIDTH, HEIGHT = 1024, 768
# Client sizes in pixels as the layouts give them (15 twips to a pixel). The
# main window's height holds the menu bar, which a desktop's font may make
# taller: up to MENU_SLACK pixels more are allowed.
MAIN_SIZE = (502, 104)
MENU_SLACK = 16
BOARD_SIZE = (241, 241)  # 15 squares, 16 pixels apart, 17 wide
TIME_SIZE = (109, 42)
SQUARE = 16
# The main window's client below its menu bar is 85 pixels high; the Guess
# radio buttons sit 64 pixels down it, one colour column every 64 pixels
# from 112.
BELOW_MENU = 85
GUESS_Y, GUESS_X, GUESS_STEP = 64, 112, 64
COLOURS = ["Yellow", "Orange", "Red", "Green", "Blue", "Purple"]
SCREEN = {"Yellow": (255, 255, 0), "Orange": (255, 128, 0), "Red": (255, 0, 0),
          "Green": (0, 255, 0), "Blue": (0, 0, 255), "Purple": (192, 0, 192)}

program, tools, out_root = sys.argv[1:4]
passed = failed = skipped = 0


def check(what, ok, detail=""):
    global passed, failed
    if ok:
        passed += 1
        print(f"ok   {what}{' (' + detail + ')' if detail else ''}")
    else:
        failed += 1
        print(f"FAIL {what}{': ' + detail if detail else ''}")
    return ok


def skip(what, reason):
    global skipped
    skipped += 1
    print(f"skip {what}: {reason}")


def run(*args, env=None):
    return subprocess.run(args, check=True, capture_output=True, text=True, env=env).stdout


class Stop(Exception):
    """A step that the rest of a desktop's game depends on failed."""


class Skip(Exception):
    """This release has no such desktop; the reason is the message."""


def require(what, ok, detail=""):
    if not check(what, ok, detail):
        raise Stop()


class Counter:
    """Counts the lines of a process's output that contain a text."""

    def __init__(self, process, text):
        self.count = 0
        self.ready = threading.Event()

        def read():
            for line in process.stdout:
                self.ready.set()
                if text in line:
                    self.count += 1

        threading.Thread(target=read, daemon=True).start()

    def grew(self, before, seconds=3):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline and self.count == before:
            time.sleep(0.1)
        return self.count > before


class Session:
    """One desktop's processes, environment, runtime directory and screenshots."""

    def __init__(self, name):
        self.name = name
        self.out = os.path.join(out_root, name)
        os.makedirs(self.out, exist_ok=True)
        self.runtime = tempfile.mkdtemp(prefix="tsl.", dir="/tmp")
        self.env = {"PATH": os.environ["PATH"], "LANG": "C.UTF-8", "HOME": self.runtime,
                    "XDG_RUNTIME_DIR": self.runtime,
                    "XDG_CONFIG_HOME": os.path.join(self.runtime, "config")}
        os.makedirs(self.env["XDG_CONFIG_HOME"])
        self.processes = []
        self.x = None  # the Xlib connection to Xvfb, when there is one

    def spawn(self, args, log, env=None, pipe=False, **kwargs):
        output = subprocess.PIPE if pipe else open(os.path.join(self.out, log), "w")
        process = subprocess.Popen(args, env=env or self.env, stdout=output,
                                   stderr=subprocess.STDOUT if not pipe else
                                   open(os.path.join(self.out, log), "w"),
                                   text=True, start_new_session=True, **kwargs)
        self.processes.append(process)
        return process

    def end(self, process):
        if process.poll() is None:
            try:
                os.killpg(process.pid, signal.SIGTERM)
                process.wait(3)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()
            except ProcessLookupError:
                pass
        # Whatever the process left in its group goes too.
        try:
            os.killpg(process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass

    def close(self):
        if self.x is not None:
            self.x.close()
        for process in reversed(self.processes):
            self.end(process)
        shutil.rmtree(self.runtime, ignore_errors=True)

    def wait_socket(self, name, what, seconds=15):
        path = os.path.join(self.runtime, name)
        deadline = time.monotonic() + seconds
        while not os.path.exists(path):
            if time.monotonic() > deadline:
                require(what, False, f"no {path}; see {self.name}/*.log")
            time.sleep(0.1)

    # Servers every desktop may need.

    def xvfb(self, width=WIDTH, height=HEIGHT):
        """An X server; a nested compositor's window leaves room beside it free."""
        read, write = os.pipe()
        self.spawn(["Xvfb", "-displayfd", str(write), "-screen", "0",
                    f"{width}x{height}x24",
                    "-nolisten", "tcp"], "xvfb.log", pass_fds=(write,))
        os.close(write)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read, 16)
            if not chunk:
                require("Xvfb starts", False, f"see {self.name}/xvfb.log")
            number += chunk
        os.close(read)
        self.env["DISPLAY"] = ":" + number.decode().strip()
        self.x = xdisplay.Display(self.env["DISPLAY"])

    def dbus(self):
        bus = self.spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                         "dbus.log", pipe=True)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()

    def sound(self):
        """A PulseAudio server with a null sink, and a count of the streams it plays."""
        self.spawn(["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                    "--disallow-exit", "-L", "module-null-sink",
                    "-L", "module-native-protocol-unix"], "pulseaudio.log")
        self.wait_socket("pulse/native", "PulseAudio starts")
        for _ in range(50):
            if subprocess.run(["pactl", "info"], env=self.env, capture_output=True).returncode == 0:
                break
            time.sleep(0.1)
        watch = self.spawn(["pactl", "subscribe"], "pactl.log", pipe=True)
        return Counter(watch, "'new' on sink-input")

    def x_bells(self):
        watch = self.spawn([os.path.join(tools, "x_bell_watch")], "x_bell_watch.log", pipe=True)
        bells = Counter(watch, "bell ")
        bells.ready.wait(5)  # "watching": the bells are selected
        return bells

    def atspi(self):
        """The accessibility bus, through which the nested Wayland desktops tell window sizes."""
        self.spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], "atspi.log")
        self.env.update(NO_AT_BRIDGE="0", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        for _ in range(50):
            if "true" in subprocess.run(
                    ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
                     "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
                     "string:org.a11y.Bus"], env=self.env, capture_output=True, text=True).stdout:
                return
            time.sleep(0.1)


# Input, screenshots and windows: X11 (xdotool, Xlib), sway (its own tools) and
# nested Wayland (xdotool on the compositor's X window, sizes through AT-SPI).


class XInput:
    def __init__(self, session, park=(WIDTH - 1, HEIGHT - 1), origin=(0, 0)):
        self.s = session
        self.park = park  # where the pointer waits while a screenshot is taken
        self.origin = origin  # where the desktop's screen lies on the X screen

    def click(self, x, y, button="left"):
        x, y = x + self.origin[0], y + self.origin[1]
        run("xdotool", "mousemove", "--sync", str(round(x)), str(round(y)), "sleep", "0.1",
            "click", "1" if button == "left" else "3", env=self.s.env)
        time.sleep(0.2)

    def keys(self, *items):
        command = ["xdotool"]
        for item in items:
            if item.startswith("text:"):  # digits, each its own key
                command += ["key", "--delay", "30", *item[5:]]
            else:
                command += ["key", item]
            command += ["sleep", "0.1"]
        run(*command, env=self.s.env)
        time.sleep(0.2)

    def shot(self, name):
        # The pointer out of the way: a nested compositor draws it into its
        # output, and weston leaves it drawn where it left.
        x, y = self.origin
        run("xdotool", "mousemove", str(x + WIDTH - 1), str(y + HEIGHT - 1), "sleep", "0.05",
            "mousemove", *map(str, self.park), env=self.s.env)
        time.sleep(0.15)
        root = self.s.x.screen().root
        raw = root.get_image(x, y, WIDTH, HEIGHT, X.ZPixmap, 0xFFFFFFFF).data
        image = Image.frombytes("RGB", (WIDTH, HEIGHT), raw, "raw", "BGRX")
        image.save(os.path.join(self.s.out, name + ".png"))
        return image


class SwayInput(XInput):
    def click(self, x, y, button="left"):
        run(os.path.join(tools, "virtual_pointer"), str(WIDTH), str(HEIGHT), "move", str(x),
            str(y), "wait", "50", "press", button, "wait", "50", "release", button, "wait", "100",
            env=self.s.env)
        time.sleep(0.3)

    def keys(self, *items):
        args = []
        for item in items:
            if item.startswith("text:"):
                args += [item[5:]]
            else:
                *mods, key = item.split("+")
                args += [a for m in mods for a in ("-M", m)] + ["-k", key] + \
                        [a for m in mods for a in ("-m", m)]
            args += ["-s", "150"]
        # The virtual keyboard lives only while wtype runs: give the game a
        # moment to take it up before the first key.
        run("wtype", "-s", "400", *args, "-s", "300", env=self.s.env)
        time.sleep(0.3)

    def shot(self, name):
        path = os.path.join(self.s.out, name + ".png")
        run("grim", path, env=self.s.env)
        return Image.open(path).convert("RGB")


class Window:
    def __init__(self, x, y, width, height, frame=(0, 0, 0, 0)):
        self.x, self.y, self.width, self.height = x, y, width, height
        self.frame = frame  # left, right, top, bottom, as _NET_FRAME_EXTENTS

    def outer(self):
        left, right, top, bottom = self.frame
        return (self.x - left, self.y - top, self.x + self.width + right,
                self.y + self.height + bottom)

    def __str__(self):
        return (f"client {self.width}x{self.height}+{self.x}+{self.y}, frame "
                f"{','.join(map(str, self.frame))}")


def x_windows(session):
    """Title -> Window of each shown window that the window manager manages."""
    x = session.x
    atom = x.intern_atom
    root = x.screen().root
    found = {}
    clients = root.get_full_property(atom("_NET_CLIENT_LIST"), X.AnyPropertyType)
    for wid in clients.value if clients else []:
        window = x.create_resource_object("window", wid)
        try:
            name = window.get_full_property(atom("_NET_WM_NAME"), atom("UTF8_STRING"))
            if name is None or window.get_attributes().map_state != X.IsViewable:
                continue
            geometry = window.get_geometry()
            at = root.translate_coords(window, 0, 0)
            extents = window.get_full_property(atom("_NET_FRAME_EXTENTS"), X.AnyPropertyType)
        except Exception:  # gone while we looked
            continue
        frame = tuple(extents.value) if extents else (0, 0, 0, 0)
        found[name.value.decode()] = Window(at.x, at.y, geometry.width, geometry.height, frame)
    return found


def sway_windows(session):
    found = {}

    def walk(node):
        for child in node.get("nodes", []) + node.get("floating_nodes", []):
            if child.get("app_id") is not None:
                r, w = child["rect"], child["window_rect"]
                found[child.get("name")] = Window(r["x"] + w["x"], r["y"] + w["y"], w["width"],
                                                  w["height"])
            walk(child)

    walk(json.loads(run("swaymsg", "-t", "get_tree", env=session.env)))
    return found


def atspi_windows(session):
    """Title -> Window of the game's shown windows, as its accessibility bridge
    tells them: sizes only, for a Wayland client does not know where it is."""
    script = ("import pyatspi, json\nfound = {}\n"
              "for app in pyatspi.Registry.getDesktop(0):\n"
              "    if app is None or app.name != 'tessaline': continue\n"
              "    for frame in app:\n"
              "        if frame.getState().contains(pyatspi.STATE_SHOWING):\n"
              "            e = frame.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)\n"
              "            found[frame.name] = [e.width, e.height]\n"
              "print(json.dumps(found))\n")
    result = subprocess.run(["python3", "-c", script], env=session.env, capture_output=True,
                            text=True, timeout=20)
    try:
        sizes = json.loads(result.stdout)
    except ValueError:
        return {}
    return {title: Window(None, None, w, h) for title, (w, h) in sizes.items()}


# The desktops: each starts its servers and returns (input, windows).


def x11_desktop(*manager):
    def start(session):
        session.xvfb()
        session.dbus()
        session.spawn(list(manager), "window-manager.log")
        wait_manager(session)
        return XInput(session), x_windows, session.x_bells()
    return start


def wait_manager(session, seconds=20):
    """Until the window manager has taken the screen (it names itself on the root)."""
    x = session.x
    root = x.screen().root
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if root.get_full_property(x.intern_atom("_NET_SUPPORTING_WM_CHECK"), X.AnyPropertyType):
            time.sleep(1)  # its first configuration
            return
        time.sleep(0.2)
    require("the window manager starts", False, f"see {session.name}/window-manager.log")


def sway(session):
    config = os.path.join(session.runtime, "sway.config")
    with open(config, "w") as f:
        # Windows keep the size they ask for; no borders, so a window's
        # rectangle is its client area.
        f.write(f"output HEADLESS-1 resolution {WIDTH}x{HEIGHT} position 0 0 scale 1\n"
                "default_border none\ndefault_floating_border none\n"
                'for_window [app_id=".*"] floating enable\nfocus_follows_mouse no\n'
                # sway centres every window, the board over the main window; the
                # player drags them apart.
                'for_window [title="^Tessaline$"] move absolute position 10 10\n'
                'for_window [title="^Board$"] move absolute position 10 200\n'
                'for_window [title="^Time$"] move absolute position 300 200\n')
    session.dbus()
    beeps = session.sound()
    session.spawn(["sway", "-c", config], "sway.log",
                  env=dict(session.env, WLR_BACKENDS="headless", WLR_LIBINPUT_NO_DEVICES="1",
                           WLR_RENDERER="pixman"))
    session.wait_socket("wayland-1", "sway starts headless")
    session.env["WAYLAND_DISPLAY"] = "wayland-1"
    for _ in range(50):
        ipc = [n for n in os.listdir(session.runtime) if n.startswith("sway-ipc.")]
        if ipc:
            break
        time.sleep(0.1)
    session.env["SWAYSOCK"] = os.path.join(session.runtime, ipc[0])
    return SwayInput(session), sway_windows, beeps


STRIP = 32


def nested_wayland(*compositor, env=None):
    """A Wayland compositor in a window on Xvfb, which xdotool drives. Its
    output covers the X screen at 0, 0, so X coordinates are its coordinates."""
    def start(session):
        session.xvfb(height=HEIGHT + STRIP)
        session.dbus()
        session.atspi()
        beeps = session.sound()
        args = [a.replace("DISPLAY", session.env["DISPLAY"]).replace("RUNTIME", session.runtime)
                for a in compositor]
        if os.path.basename(args[0]) == "kwin_wayland":
            args[0] = os.path.join(tools, "kwin_wayland")  # the copy without the capability
        with open(os.path.join(session.runtime, "weston.ini"), "w") as f:
            # No launcher to hit by mistake; no on-screen keyboard over the windows.
            f.write("[shell]\npanel-position=none\n[input-method]\npath=\n")
        session.spawn(args, "compositor.log", env=dict(session.env, **(env or {})))
        session.wait_socket("wayland-1", "the compositor starts")
        time.sleep(2)  # its output window is mapped and drawn
        session.env["WAYLAND_DISPLAY"] = "wayland-1"
        windows = session.x.screen().root.query_tree().children
        if windows:  # the keyboard goes to the compositor's window
            windows[-1].set_input_focus(X.RevertToParent, X.CurrentTime)
            session.x.sync()
        # The pointer parks in the strip below the compositor's window and enters
        # it for each click: weston follows the X pointer only from an entry.
        return XInput(session, park=(WIDTH // 2, HEIGHT + STRIP // 2)), atspi_windows, beeps
    return start


# mutter's development kit shows the headless compositor's screen in a GTK
# window on Xvfb, below its header bar and inside its frame's margins, and
# hands that window's input to the compositor.
DEVKIT = "/usr/libexec/mutter-devkit"
DEVKIT_SIDE, DEVKIT_TOP = 5, 51


def mutter_offers():
    """What the installed mutter is and which of its ways to run it offers."""
    version = subprocess.run(["mutter", "--version"], capture_output=True, text=True)
    usage = subprocess.run(["mutter", "--help"], capture_output=True, text=True)
    options = set(re.findall(r"^\s+(--[a-z0-9-]+)", usage.stdout, re.MULTILINE))
    return (version.stdout.splitlines() or ["mutter"])[0].strip(), options


def mutter_x11(session):
    version, options = mutter_offers()
    if "--x11" not in options:
        raise Skip(f"{version} has no X11 mode (no --x11 in mutter --help)")
    return x11_desktop("mutter", "--x11", "--replace", "--sm-disable")(session)


def mutter_wayland(session):
    """mutter as a Wayland compositor, the way the installed mutter offers one:
    nested in a window on Xvfb (--nested: mutter 43 and 48), else headless with
    a virtual monitor that its development kit shows on Xvfb (--devkit)."""
    version, options = mutter_offers()
    if "--nested" in options:
        return nested_wayland("mutter", "--nested", "--wayland", "--no-x11",
                              "--wayland-display", "wayland-1",
                              env={"MUTTER_DEBUG_DUMMY_MODE_SPECS": f"{WIDTH}x{HEIGHT}"})(session)
    if "--devkit" not in options:
        raise Skip(f"{version} offers neither --nested nor --devkit")
    require(f"{version} offers --devkit and {DEVKIT} is installed", os.path.exists(DEVKIT))
    session.xvfb(width=WIDTH + 2 * DEVKIT_SIDE, height=DEVKIT_TOP + HEIGHT + DEVKIT_SIDE + STRIP)
    session.dbus()
    session.atspi()
    beeps = session.sound()
    # The screen reaches the development kit as a PipeWire video stream.
    session.spawn(["pipewire"], "pipewire.log")
    session.wait_socket("pipewire-0", "PipeWire starts")
    session.spawn(["wireplumber"], "wireplumber.log")
    session.spawn(["mutter", "--devkit", "--wayland", "--no-x11", "--wayland-display",
                   "wayland-1"], "compositor.log", env=dict(session.env, GDK_BACKEND="x11"))
    session.wait_socket("wayland-1", "mutter starts headless")
    found = subprocess.run(["xdotool", "search", "--sync", "--name", "^Mutter Development Kit$"],
                           env=session.env, capture_output=True, text=True, timeout=30)
    window = (found.stdout.split() or [None])[0]
    require("mutter's development kit shows its screen", window is not None,
            f"see {session.name}/compositor.log")
    # Its screen follows the window's size: the window sized so that it is
    # WIDTH x HEIGHT, and the keyboard given to it.
    run("xdotool", "windowmove", window, "0", "0", "windowsize", window,
        str(WIDTH + 2 * DEVKIT_SIDE), str(DEVKIT_TOP + HEIGHT + DEVKIT_SIDE),
        "windowfocus", window, env=session.env)
    time.sleep(2)
    monitors = subprocess.run(["gdctl", "show"], env=session.env, capture_output=True,
                              text=True).stdout
    with open(os.path.join(session.out, "gdctl.log"), "w") as f:
        f.write(monitors)
    require(f"mutter's virtual monitor is {WIDTH}x{HEIGHT}", f"{WIDTH}x{HEIGHT}" in monitors,
            f"see {session.name}/gdctl.log")
    session.env["WAYLAND_DISPLAY"] = "wayland-1"
    # The pointer parks below the window and enters the screen for each click.
    park = (DEVKIT_SIDE + WIDTH // 2, DEVKIT_TOP + HEIGHT + DEVKIT_SIDE + STRIP // 2)
    return XInput(session, park=park, origin=(DEVKIT_SIDE, DEVKIT_TOP)), atspi_windows, beeps


DESKTOPS = {
    "openbox": x11_desktop("openbox"),
    "xfwm4": x11_desktop("xfwm4"),
    "mutter-x11": mutter_x11,
    "kwin-x11": x11_desktop("kwin_x11", "--replace"),
    "sway": sway,
    "weston": nested_wayland("weston", "--backend=x11-backend.so", f"--width={WIDTH}",
                             f"--height={HEIGHT}", "--use-pixman", "--socket=wayland-1",
                             "--config=RUNTIME/weston.ini"),
    "mutter-wayland": mutter_wayland,
    "kwin-wayland": nested_wayland("kwin_wayland", "--x11-display", "DISPLAY", "--socket",
                                   "wayland-1", "--width", str(WIDTH), "--height", str(HEIGHT),
                                   "--no-lockscreen"),
}


# The board on the screen.


def luminance(rgb):
    def channel(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = map(channel, rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)))
    return (lb + 0.05) / (la + 0.05)


def near(rgb, want, slack=24):
    return all(abs(a - b) <= slack for a, b in zip(rgb, want))


def square_fill(shot, board, column, row):
    """The commonest colour inside a square, and the square's other colours."""
    x0, y0 = board.x + column * SQUARE, board.y + row * SQUARE
    pixels = [shot.getpixel((x0 + i, y0 + j)) for i in range(1, SQUARE) for j in range(1, SQUARE)]
    fill = max(set(pixels), key=pixels.count)
    return fill, [p for p in pixels if p != fill]


def text_contrast(shot, board, column, row):
    """The contrast of the text on a square against its fill: the text pixel
    that stands out most, which is the glyph's core, not its smoothed edge."""
    fill, other = square_fill(shot, board, column, row)
    return max((contrast(p, fill) for p in other), default=1.0)


def line_contrast(shot, board, column, row):
    """The line on the right of a square against the squares on both sides."""
    line = shot.getpixel((board.x + (column + 1) * SQUARE, board.y + row * SQUARE + 2))
    left, _ = square_fill(shot, board, column, row)
    right, _ = square_fill(shot, board, column + 1, row)
    return min(contrast(line, left), contrast(line, right))


def find_board(shot):
    """The board's client on a screenshot, where the desktop does not tell:
    the top row of hidden squares between lines of one colour 16 apart, and
    most squares of its first and last columns (another window may lie over
    a few of them)."""
    width, height = shot.size
    data = shot.load()
    side = BOARD_SIZE[0]
    for y in range(height - side):
        for x in range(width - side):
            line = data[x, y]
            if data[x + side - 1, y] != line or data[x + 8, y + 8] == line:
                continue
            top_row = all(data[x + i, y] == line and data[x + i, y + SQUARE] == line
                          for i in range(side)) and \
                all(data[x + SQUARE * k, y + j] == line for k in range(16) for j in range(SQUARE)) and \
                all(data[x + SQUARE * k + 8, y + 8] != line for k in range(15))
            if top_row and sum(data[x + column + 8, y + SQUARE * k + 8] != line
                               for k in range(15) for column in (0, side - 17)) >= 20:
                return Window(x, y, side, side)
    return None


# The game as a player plays it.


class Game:
    def __init__(self, session, io, windows, env=None):
        self.s, self.io, self.source = session, io, windows
        log = open(os.path.join(session.out, "game.log"), "a")
        genv = dict(session.env, **(env or {}))
        if "WAYLAND_DISPLAY" in genv:
            genv["QT_QPA_PLATFORM"] = "wayland"
        else:
            genv["QT_QPA_PLATFORM"] = "xcb"
        self.process = subprocess.Popen([program], env=genv, stdout=log, stderr=log,
                                        start_new_session=True)
        session.processes.append(self.process)

    def windows(self):
        return self.source(self.s)

    def wait_for(self, title, present=True, seconds=10):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if (title in self.windows()) == present:
                time.sleep(0.3)  # let the first frame be drawn
                break
            time.sleep(0.1)
        return self.windows().get(title)

    def quit(self):
        self.s.end(self.process)

    def options(self, shares, shot):
        """Options › Options..., the six shares typed in (none: those in force), OK."""
        self.io.keys("alt+o", "o")
        options = self.wait_for("Options", seconds=3)
        if options is None:
            # As for New Game: weston may give the keyboard back a moment late.
            self.io.keys("alt+o", "o")
            options = self.wait_for("Options")
        require("Options opens from its menu", options is not None)
        if shares is not None:
            if options.x is not None:
                # Into the Yellow box (1920, 240 twips), wherever the focus was left.
                self.io.click(options.x + 140, options.y + 25)
            typed = []
            for share in shares:
                typed += ["ctrl+a", f"text:{share}", "Tab"]
            self.io.keys(*typed)
        self.io.shot(shot)
        shown = self.windows()
        self.io.keys("Return")
        require("Options takes the shares and closes", self.wait_for("Options", False) is None)
        return shown

    def new_game(self):
        self.io.keys("alt+g", "n")
        if self.wait_for("Board", seconds=3) is None:
            # weston may give the keyboard back to the main window only a
            # moment after a dialog closes: the player presses again.
            self.io.keys("alt+g", "n")
        board, clock = self.wait_for("Board"), self.wait_for("Time")
        require("New Game shows the board and the clock", board is not None and clock is not None)
        return board, clock

    def locate(self, board, name):
        """The board's client on the screen: from the desktop where it knows,
        else found on a screenshot."""
        if board.x is not None:
            return board, self.io.shot(name)
        shot = self.io.shot(name)
        found = find_board(shot)
        require("the board is found on the screen", found is not None)
        return found, shot

    def click_square(self, board, column, row, button="left"):
        self.io.click(board.x + column * SQUARE + 8, board.y + row * SQUARE + 8, button)

    def click_guess(self, main, index):
        """The radio button of colour index 0 to 5, on its round indicator."""
        below_menu = main.y + main.height - BELOW_MENU
        self.io.click(main.x + GUESS_X + index * GUESS_STEP + 6, below_menu + GUESS_Y + 6)


def play(session, io, windows, beeps):
    game = Game(session, io, windows)
    main = game.wait_for("Tessaline", seconds=15)
    require("the main window maps", main is not None)
    check("the main window's client is 502 x 104, the menu bar as the font makes it",
          main.width == MAIN_SIZE[0] and MAIN_SIZE[1] <= main.height <= MAIN_SIZE[1] + MENU_SLACK,
          f"{main.width} x {main.height}")
    io.shot("01-main-window")

    shown = game.options([100, 0, 0, 0, 0, 0], "02-options")
    x11 = main.x is not None and "WAYLAND_DISPLAY" not in session.env  # the program places
    if x11:
        clear_of_each_other(shown, "Options is open")
    board, clock = game.new_game()
    check("the board's client is 241 x 241", (board.width, board.height) == BOARD_SIZE,
          f"{board.width} x {board.height}")
    check("the clock's client is 109 x 42", (clock.width, clock.height) == TIME_SIZE,
          f"{clock.width} x {clock.height}")
    board, shot = game.locate(board, "03-new-game")
    hidden, _ = square_fill(shot, board, 2, 2)
    check("the squares start hidden", not near(hidden, SCREEN["Yellow"]), f"{hidden}")

    if main.x is not None:  # the desktop tells where windows are: X11, sway
        shown = game.windows()
        main = shown["Tessaline"]
        if x11:
            clear_of_each_other(shown, "New Game has shown the board")
        # Each Guess button takes its click: the next right click marks in its colour.
        for index, colour in enumerate(COLOURS):
            game.click_guess(main, index)
            game.click_square(board, 2 * index + 1, 1, "right")
        shot = io.shot("04-marks")
        for index, colour in enumerate(COLOURS):
            spot, _ = square_fill(shot, board, 2 * index + 1, 1)
            check(f"the {colour} Guess button takes its click; a right click marks {colour}",
                  near(spot, SCREEN[colour]), f"{spot}")
        game.click_guess(main, 0)
    else:
        game.click_square(board, 1, 1, "right")
        shot = io.shot("04-marks")
        spot, _ = square_fill(shot, board, 1, 1)
        check("a right click marks the square Yellow", near(spot, SCREEN["Yellow"]), f"{spot}")

    game.click_square(board, 10, 10)
    won = game.wait_for("You Win!")
    shot = io.shot("05-won")
    check("a left click with the right colour wins: \"You Win!\" appears", won is not None)
    # Its OK, the default button, closes it and shows the whole board again.
    io.keys("Return")
    check("Return closes the win window", game.wait_for("You Win!", False) is None)
    shot = io.shot("06-board-won")
    wrong = [(c, r) for c in range(15) for r in range(15)
             if not near(square_fill(shot, board, c, r)[0], SCREEN["Yellow"])]
    check("the won board shows every square Yellow", not wrong, f"{len(wrong)} are not")
    check("the game is still running", game.process.poll() is None)
    game.quit()

    # A second game, in the program started again: the board all Orange, the
    # guess Yellow, so the first left click is wrong and beeps. On Wayland the
    # game's protocol log shows whether the compositor offers its bell.
    wayland = "WAYLAND_DISPLAY" in session.env
    game = Game(session, io, windows, {"WAYLAND_DEBUG": "client"} if wayland else None)
    require("the main window maps again", game.wait_for("Tessaline", seconds=15) is not None)
    # Options twice: the dialog that OK hid opens again and takes the keys
    # (its focus where the player left it, in the last box).
    game.options([0, 100, 0, 0, 0, 0], "07-options")
    game.options(None, "07-options-again")
    board, _ = game.new_game()
    board, _ = game.locate(board, "08-second-game")
    before = beeps.count
    log = os.path.join(session.out, "game.log")
    said = os.path.getsize(log)
    # Near a corner: KDE's and GNOME's compositors put the clock over the
    # board's middle.
    game.click_square(board, 13, 13)
    heard = beeps.grew(before)
    io.shot("09-wrong-guess")
    with open(log, "rb") as f:
        whole = f.read().decode(errors="replace")
        f.seek(said)
        since = f.read().decode(errors="replace").splitlines()
    if not wayland:
        check("a wrong guess beeps: an X bell rings", heard, "" if heard else "no XkbBellNotify")
    elif BELL_OFFERED.search(whole):
        rang = [line for line in since if BELL_RING.search(line)]
        check("a wrong guess beeps: the compositor offers xdg_system_bell_v1 and its bell rings",
              bool(rang), rang[0].strip() if rang else "no xdg_system_bell_v1.ring in game.log")
    else:
        check("a wrong guess beeps: the compositor offers no xdg_system_bell_v1, and a sound "
              "stream starts on the sound server", heard, "" if heard else "no new sink input")
        if session.name == "kwin-wayland" and kwin_has_bell():
            skip("KWin's own bell", "KWin offers xdg_system_bell_v1 only when it composites "
                 "with OpenGL, and nested in Xvfb (no DRI3, no GPU) it paints with QPainter")
    printed = [line for line in since if not PROTOCOL.match(line)]
    check("the game is still running after the beep, and printed nothing",
          game.process.poll() is None and not printed,
          f"{len(printed)} lines printed, the first: {printed[0]}" if printed else "")
    game.quit()


def kwin_has_bell():
    """KWin 6.3 and later ring xdg_system_bell_v1, in an effect that needs OpenGL."""
    version = subprocess.run([os.path.join(tools, "kwin_wayland"), "--version"],
                             capture_output=True, text=True)
    found = re.search(r"(\d+)\.(\d+)", version.stdout)
    return found is not None and (int(found[1]), int(found[2])) >= (6, 3)


# The client's Wayland protocol log (WAYLAND_DEBUG=client): the compositor's
# bell offered and rung, and the lines that are the log's own; libwayland
# names objects interface@id up to 1.22, interface#id from 1.23.
BELL_OFFERED = re.compile(r'wl_registry[@#]\d+\.global\(\d+, "xdg_system_bell_v1", \d+\)')
BELL_RING = re.compile(r"-> xdg_system_bell_v1[@#]\d+\.ring\(")
PROTOCOL = re.compile(r"\[ *[\d:.]+\] +(\{[^}]*\} +)?(discarded +)?(-> +)?(\w+|\[\w+\])[@#]\d+\.")


def overlap(a, b):
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]


def clear_of_each_other(shown, when):
    """The windows that the program placed, shown, their frames apart (they may
    touch): a frame over another window takes the clicks meant for it."""
    placed = {t: w for t, w in shown.items() if t in ("Tessaline", "Board", "Time", "Options")}
    for title, window in placed.items():
        print(f"     {title}: {window}")
    overlaps = [f"{a} and {b}" for a in placed for b in placed
                if a < b and overlap(placed[a].outer(), placed[b].outer())]
    check(f"no placed window's frame covers another's when {when}", not overlaps,
          "; ".join(overlaps))


# Contrast under the platform themes.

KDE_DARK = """[General]
ColorScheme=BreezeDark

[Colors:Window]
BackgroundNormal=42,46,50
BackgroundAlternate=49,54,59
ForegroundNormal=252,252,252
ForegroundInactive=161,169,177

[Colors:View]
BackgroundNormal=27,30,32
BackgroundAlternate=35,38,41
ForegroundNormal=252,252,252
ForegroundInactive=161,169,177

[Colors:Button]
BackgroundNormal=49,54,59
BackgroundAlternate=42,46,50
ForegroundNormal=252,252,252
ForegroundInactive=161,169,177

[Colors:Selection]
BackgroundNormal=61,174,233
ForegroundNormal=252,252,252

[Colors:Tooltip]
BackgroundNormal=49,54,59
ForegroundNormal=252,252,252
"""

PALETTES = {
    "light": {},
    # GNOME's dark GTK theme, read through Qt's GTK platform theme.
    "gtk-dark": {"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "Adwaita:dark"},
    # A KDE dark colour scheme in kdeglobals. Debian 12's KDE platform theme
    # (plasma-integration 5.27) is for Qt 5 only; Qt 6 reads the same file
    # through the KDE theme built into its generic Unix themes.
    "kde-dark": {"QT_QPA_PLATFORMTHEME": "kde", "KDE_SESSION_VERSION": "5",
                 "XDG_CURRENT_DESKTOP": "KDE"},
}


def palettes(session, io, windows, beeps):
    del beeps
    with open(os.path.join(session.env["XDG_CONFIG_HOME"], "kdeglobals"), "w") as f:
        f.write(KDE_DARK)
    figures = {}
    for palette, env in PALETTES.items():
        game = Game(session, io, windows, env)
        main = game.wait_for("Tessaline", seconds=15)
        require(f"the main window maps under the {palette} palette", main is not None)
        back = io.shot(f"{palette}-main").getpixel((main.x + 5, main.y + main.height - 5))
        dark = luminance(back) < 0.2
        check(f"the {palette} palette is {'dark' if palette != 'light' else 'light'}",
              dark == (palette != "light"), f"window background {back}")
        for index, colour in enumerate(COLOURS):
            game.options([100 if i == index else 0 for i in range(6)],
                         f"{palette}-{index + 1}-{colour}-options")
            board, _ = game.new_game()
            main = game.windows()["Tessaline"]
            game.click_guess(main, index)
            game.click_square(board, 0, 0, "right")
            marked = io.shot(f"{palette}-{index + 1}-{colour}-mark")
            game.click_square(board, 7, 7)
            require(f"the {colour} board is won under {palette}",
                    game.wait_for("You Win!") is not None)
            won = io.shot(f"{palette}-{index + 1}-{colour}-won")
            figures[palette, colour] = (text_contrast(won, board, 7, 7),
                                        text_contrast(marked, board, 0, 0),
                                        line_contrast(won, board, 7, 7))
            game.io.keys("Return")  # the win window's OK
            game.wait_for("You Win!", False)
            # Back to the main window through its title bar.
            main = game.windows()["Tessaline"]
            io.click(main.x + 250, main.y - max(main.frame[2], 2) // 2)
        game.quit()

    print("     contrast against the square    number        \"?\"           lines")
    for palette in PALETTES:
        for colour in COLOURS:
            number, mark, line = figures[palette, colour]
            print(f"     {palette:9} {colour:20} {number:5.2f} : 1    {mark:5.2f} : 1    "
                  f"{line:5.2f} : 1")
    for palette in PALETTES:
        for colour in COLOURS:
            number, mark, line = figures[palette, colour]
            light_number, light_mark, _ = figures["light", colour]
            if palette != "light":
                check(f"{palette}: the numbers on {colour} read at least as under light",
                      number >= light_number - 0.01, f"{number:.2f} vs {light_number:.2f}")
                check(f"{palette}: the \"?\" on {colour} reads at least as under light",
                      mark >= light_mark - 0.01, f"{mark:.2f} vs {light_mark:.2f}")
                check(f"{palette}: the lines between {colour} squares keep 3 : 1", line >= 3,
                      f"{line:.2f}")


# The packages each desktop needs, of those that a release may lack.
NEEDS = {"openbox": ["openbox"], "xfwm4": ["xfwm4"], "mutter-x11": ["mutter"],
         "kwin-x11": ["kwin-x11"], "sway": ["sway", "grim", "wtype"], "weston": ["weston"],
         "mutter-wayland": ["mutter"], "kwin-wayland": ["kwin-wayland"], "palettes": ["openbox"]}


def one(name):
    """Plays on one desktop; prints its checks and "N passed, N failed, N skipped"."""
    print(f"--- {name}")
    session = Session(name)
    started = time.monotonic()
    with open(os.path.join(tools, "lacking")) as f:
        absent = f.read().split()
    lacking = [package for package in NEEDS[name] if package in absent]
    try:
        if lacking:
            raise Skip(f"this release has no {' '.join(lacking)}")
        if name == "palettes":
            palettes(session, *DESKTOPS["openbox"](session))
        else:
            play(session, *DESKTOPS[name](session))
    except Stop:
        pass
    except Skip as reason:
        skip(name, str(reason))
    except Exception as error:  # a desktop that breaks leaves the others to run
        check(f"{name} runs to the end", False, f"{type(error).__name__}: {error}")
    finally:
        session.close()
    print(f"     ({time.monotonic() - started:.0f} s)")
    print(f"{passed} passed, {failed} failed, {skipped} skipped")


# Desktops played at once: each has its own display and buses, and mostly
# waits for windows, so two share the machine well.
AT_ONCE = 2


def main():
    if sys.argv[4:5] == ["--one"]:
        one(sys.argv[5])
        return 1 if failed else 0
    chosen = sys.argv[4:] or list(DESKTOPS) + ["palettes"]
    unknown = [name for name in chosen if name not in DESKTOPS and name != "palettes"]
    if unknown:
        print(f"desktop_check: no desktop {' '.join(unknown)}; there are "
              f"{' '.join(DESKTOPS)} palettes", file=sys.stderr)
        return 2
    # Each desktop in a process of its own, its lines printed in order.
    waiting = sorted(chosen, key=lambda name: name != "palettes")  # the longest first
    running, finished = {}, {}
    total = [0, 0, 0]
    for name in chosen:
        while name not in finished:
            while waiting and len(running) < AT_ONCE:
                start = waiting.pop(0)
                running[start] = subprocess.Popen(
                    [sys.executable, "-u", sys.argv[0], *sys.argv[1:4], "--one", start],
                    stdout=subprocess.PIPE, text=True)
            for done in [n for n, process in running.items() if process.poll() is not None]:
                finished[done] = running.pop(done).communicate()[0].splitlines()
            time.sleep(0.2)
        lines = finished[name]
        for line in lines[:-1]:
            print(line)
        counts = re.fullmatch(r"(\d+) passed, (\d+) failed, (\d+) skipped",
                              lines[-1] if lines else "")
        if counts:
            for i in range(3):
                total[i] += int(counts[i + 1])
        else:
            total[1] += 1
            print(f"FAIL {name} ends with its count")
    print(f"{total[0]} passed, {total[1]} failed, {total[2]} skipped")
    return 1 if total[1] else 0


if __name__ == "__main__":
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    sys.exit(main())
