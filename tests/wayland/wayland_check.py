#!/usr/bin/python3
"""Plays the real game natively on a headless Wayland compositor.

    wayland_check.py PROGRAM VIRTUAL_POINTER OUTPUT_DIR

Starts sway on its headless backend (XDG_RUNTIME_DIR must be set, and the
caller must not be root, which sway refuses), runs PROGRAM on it with
QT_QPA_PLATFORM=wayland, and drives it as a player: the pointer through the
compositor's virtual pointer (VIRTUAL_POINTER, built from
tests/wayland/virtual_pointer.c), keys through wtype. Window sizes come from
the compositor's own tree; what the board shows is read from screenshots,
one per step, written to OUTPUT_DIR. Ends with "N passed, N failed".
"""

import json
import os
import subprocess
import sys
import time

WIDTH, HEIGHT = 1024, 768
# Client sizes in pixels as the layouts give them (15 twips to a pixel).
MAIN_SIZE = (502, 104)
BOARD_SIZE = (241, 241)  # 15 squares, 16 pixels apart, 17 wide
TIME_SIZE = (109, 42)
SQUARE = 16

program, pointer_program, out = sys.argv[1:4]
runtime = os.environ["XDG_RUNTIME_DIR"]
passed = failed = 0


def check(what, ok, detail=""):
    global passed, failed
    if ok:
        passed += 1
        print(f"ok   {what}")
    else:
        failed += 1
        print(f"FAIL {what}{': ' + detail if detail else ''}")


def run(*args, **kwargs):
    return subprocess.run(args, check=True, capture_output=True, text=True, **kwargs).stdout


def windows():
    """Title -> (x, y, width, height) of each mapped window of the game."""
    found = {}

    def walk(node):
        for child in node.get("nodes", []) + node.get("floating_nodes", []):
            if child.get("app_id") is not None or child.get("window") is not None:
                r, w = child["rect"], child["window_rect"]
                found[child.get("name")] = (r["x"], r["y"], w["width"], w["height"])
            walk(child)

    walk(json.loads(run("swaymsg", "-t", "get_tree")))
    return found


def wait_for(title, present=True, seconds=10):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if (title in windows()) == present:
            time.sleep(0.3)  # let the first frame be drawn
            return windows().get(title)
        time.sleep(0.1)
    return windows().get(title)


def keys(*args):
    # The virtual keyboard lives only while wtype runs: give the game a moment
    # to take it up before the first key, and to act on the last.
    run("wtype", "-s", "400", *args, "-s", "300")
    time.sleep(0.3)


def pointer(*commands):
    run(pointer_program, str(WIDTH), str(HEIGHT), *map(str, commands))
    time.sleep(0.3)


def click(x, y, button="left", release_at=None):
    rx, ry = release_at if release_at else (x, y)
    pointer("move", x, y, "wait", 50, "press", button, "wait", 50, "move", rx, ry, "wait", 50,
            "release", button, "wait", 100)


def move(title, x, y):
    run("swaymsg", f'[title="^{title}$"] move absolute position {x} {y}')
    time.sleep(0.3)


class Shot:
    """A screenshot, written as PNG for people and read as PPM here."""

    def __init__(self, name):
        run("grim", os.path.join(out, name + ".png"))
        ppm = os.path.join(runtime, "shot.ppm")
        run("grim", "-t", "ppm", ppm)
        with open(ppm, "rb") as f:
            data = f.read()
        parts = data.split(b"\n", 3)  # P6, size, maximum, pixels
        self.width, self.height = map(int, parts[1].split())
        self.pixels = parts[3]

    def at(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.pixels[i:i + 3])


def yellow(rgb):
    r, g, b = rgb
    return r > 200 and g > 200 and b < 80


def square_spot(board, column, row):
    """A pixel well inside a square, clear of its border and caption."""
    return board[0] + column * SQUARE + 3, board[1] + row * SQUARE + 3


def main():
    log = open(os.path.join(out, "sway.log"), "w")
    config = os.path.join(runtime, "sway.config")
    with open(config, "w") as f:
        # Windows keep the size they ask for; no borders, so a window's
        # rectangle is its client area.
        f.write(f"output HEADLESS-1 resolution {WIDTH}x{HEIGHT} position 0 0 scale 1\n"
                "default_border none\ndefault_floating_border none\n"
                'for_window [app_id=".*"] floating enable\nfocus_follows_mouse no\n')
    env = dict(os.environ, WLR_BACKENDS="headless", WLR_LIBINPUT_NO_DEVICES="1",
               WLR_RENDERER="pixman")
    sway = subprocess.Popen(["sway", "-c", config], env=env, stdout=log, stderr=log)
    game = None
    try:
        for _ in range(100):
            names = os.listdir(runtime)
            sockets = [n for n in names if n.startswith("wayland-") and not n.endswith(".lock")]
            ipc = [n for n in names if n.startswith("sway-ipc.")]
            if sockets and ipc:
                break
            time.sleep(0.1)
        else:
            check("sway starts headless", False, "no Wayland socket; see sway.log")
            return
        os.environ["WAYLAND_DISPLAY"] = sockets[0]
        os.environ["SWAYSOCK"] = os.path.join(runtime, ipc[0])
        game_log = open(os.path.join(out, "game.log"), "w")
        game = subprocess.Popen([program], stdout=game_log, stderr=game_log,
                                env=dict(os.environ, QT_QPA_PLATFORM="wayland"))
        steps(game)
    finally:
        if game is not None:
            game.kill()
            game.wait()
        sway.terminate()
        sway.wait()
        print(f"{passed} passed, {failed} failed")


def steps(game):
    main_window = wait_for("Tessaline")
    check("the main window maps natively", main_window is not None)
    if main_window is None:
        return
    check("the main window's client is 502 x 104", main_window[2:] == MAIN_SIZE,
          f"{main_window[2]} x {main_window[3]}")
    move("Tessaline", 10, 10)
    Shot("01-main-window")

    # Options: the whole board Yellow, typed into the share boxes.
    keys("-M", "alt", "-k", "o", "-m", "alt", "-s", "300", "-k", "o")
    options = wait_for("Options")
    check("Options opens from its menu", options is not None)
    if options is None:
        return
    # Into the Yellow box (1920, 240 twips from the corner), then Tab down.
    click(options[0] + 140, options[1] + 25)
    typed = ["-M", "ctrl", "-k", "a", "-m", "ctrl", "100"]
    for _ in range(5):
        typed += ["-k", "Tab", "-M", "ctrl", "-k", "a", "-m", "ctrl", "0"]
    keys(*typed)
    Shot("02-options-typed")
    keys("-k", "Return")
    check("Options accepts the typed shares and closes",
          wait_for("Options", present=False) is None)

    keys("-M", "alt", "-k", "g", "-m", "alt", "-s", "300", "-k", "n")
    board = wait_for("Board")
    clock = wait_for("Time")
    check("New Game shows the board", board is not None)
    check("New Game shows the clock", clock is not None)
    if board is None or clock is None:
        return
    check("the board's client is 241 x 241", board[2:] == BOARD_SIZE,
          f"{board[2]} x {board[3]}")
    check("the clock's client is 109 x 42", clock[2:] == TIME_SIZE, f"{clock[2]} x {clock[3]}")
    move("Board", 10, 150)
    move("Time", 300, 150)
    board = windows()["Board"]
    before = Shot("03-new-game")
    hidden = before.at(*square_spot(board, 2, 2))
    check("the squares start hidden", not yellow(hidden), f"{hidden}")

    # A right click in the middle of a square marks it in the guess colour.
    x, y = board[0] + 2 * SQUARE + 8, board[1] + 2 * SQUARE + 8
    click(x, y, "right")
    # The same at fractions of a pixel, press and release at one spot; and a
    # press and release a pixel apart, which is no click. The compositor hands
    # the fraction on (wl_fixed, 1/256 pixel); Qt 6.4 rounds it to a whole
    # pixel before the board sees it, as the board itself does.
    fx, fy = board[0] + 4 * SQUARE + 7.33, board[1] + 2 * SQUARE + 7.71
    click(fx, fy, "right")
    gx, gy = board[0] + 6 * SQUARE + 7.33, board[1] + 2 * SQUARE + 7.33
    click(gx, gy, "right", release_at=(gx + 1, gy))
    marked = Shot("04-marks")
    spot = marked.at(*square_spot(board, 2, 2))
    check("a right click marks the square Yellow", yellow(spot), f"{spot}")
    spot = marked.at(*square_spot(board, 4, 2))
    check("a right click at x + 0.33, y + 0.71 marks", yellow(spot), f"{spot}")
    spot = marked.at(*square_spot(board, 6, 2))
    check("a press and a release a pixel apart mark nothing", spot == hidden, f"{spot}")

    # A left click with Yellow, at fractions of a pixel, on the Yellow board.
    click(board[0] + 10 * SQUARE + 7.71, board[1] + 10 * SQUARE + 7.29)
    won = wait_for("You Win!")
    check("a left click with the right colour wins: the win window appears", won is not None)
    if won is not None:
        move("You Win!", 300, 250)
    shot = Shot("05-won")
    colours = [shot.at(*square_spot(board, c, r)) for r in range(15) for c in range(15)]
    wrong = [i for i, rgb in enumerate(colours) if not yellow(rgb)]
    check("the won board shows every square Yellow, as the shares said", not wrong,
          f"{len(wrong)} squares are not: first {colours[wrong[0]] if wrong else ''}")
    check("the game is still running", game.poll() is None, f"exit status {game.poll()}")


main()
sys.exit(1 if failed else 0)
