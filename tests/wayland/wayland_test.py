#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The button on a Wayland desktop, as a user meets it: a headless sway of the
test's own, a virtual pointer moved through it (argument 1), the probe window
(argument 2), the program (argument 3) and the Qt Quick probe (argument 4)
under QT_QPA_PLATFORM=wayland, and the screen as sway shows it (grim). Every
move is one jump of the pointer."""

import json, os, re, shutil, signal, subprocess, sys, tempfile, threading, time

SCREEN = (1280, 800)
PLACE = (310, 170)  # where sway puts each window: away from the screen's origin
IZLAZ = (568, 464, 121, 33)  # the program's Izlaz button in its window (Form1's placements / 15)
WAIT = float(os.environ.get("WAYLAND_TEST_WAIT", "5"))
CURSOR = 40  # the pointer's image lies within this many pixels of its hot spot
vpointer_path, probe_path, program_path, quick_probe_path = sys.argv[1:5]
root = tempfile.mkdtemp(prefix="wayland-test-")
runtime = os.path.join(root, "runtime")
os.mkdir(runtime, 0o700)
env = dict(os.environ, XDG_RUNTIME_DIR=runtime, QT_QPA_PLATFORM="wayland", QT_WAYLAND_DISABLE_WINDOWDECORATION="1")
for name in ("DISPLAY", "WAYLAND_DISPLAY", "SWAYSOCK"):
    env.pop(name, None)
processes, results = [], []


class Stop(Exception):
    pass


def start(name, command, extra={}, **options):
    """Starts `command` in a process group of its own, its errors kept in the private folder."""
    out = options.pop("stdout", None) or open(os.path.join(root, name + ".out"), "w")
    process = subprocess.Popen(command, env=dict(env, **extra), start_new_session=True, stdout=out,
                               stderr=open(os.path.join(root, name + ".err"), "w"), **options)
    processes.append(process)
    return process


def stop(process):
    if process.poll() is None:
        os.killpg(process.pid, signal.SIGTERM)
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait(5)


def log_of(name):
    with open(os.path.join(root, name + ".err"), errors="replace") as f:
        return f.read()[-1500:]


def wait_for(find, seconds=WAIT):
    end = time.monotonic() + seconds
    while True:
        found = find()
        if found or time.monotonic() > end:
            return found
        time.sleep(0.05)


def check(ok, what, detail=""):
    results.append(bool(ok))
    print("%s: %s%s" % ("ok" if ok else "FAIL", what, "" if ok else " (%s)" % detail), flush=True)


def start_sway():
    config = os.path.join(root, "sway.conf")
    with open(config, "w") as f:
        f.write("output HEADLESS-1 mode %dx%d position 0 0\n" % SCREEN
                + "xwayland disable\nfocus_follows_mouse no\nmouse_warping none\n"
                "default_border none\ndefault_floating_border none\n"
                'for_window [shell="xdg_shell"] floating enable, move position %d %d\n' % PLACE)
    # sway will not run as root: in a user namespace it is user 1000, and its
    # files are still the caller's outside it.
    sway = start("sway", ["unshare", "--user", "--map-user=1000", "--map-group=1000", "sway", "-c", config],
                 dict(WLR_BACKENDS="headless", WLR_LIBINPUT_NO_DEVICES="1", WLR_RENDERER="pixman"))
    def started():
        names = os.listdir(runtime)
        display = [n for n in names if re.fullmatch(r"wayland-\d+", n)]
        ipc = [n for n in names if n.startswith("sway-ipc.")]
        return "gone" if sway.poll() is not None else display and ipc and (display[0], ipc[0])
    found = wait_for(started, 10)
    if not found or found == "gone":
        raise Stop("sway did not start (as root it needs user namespaces, for unshare --user):\n" + log_of("sway"))
    display, ipc = found
    # Clients reach the sockets as the user who started sway; make sure they can.
    for socket in found:
        path = os.path.join(runtime, socket)
        if not os.access(path, os.R_OK | os.W_OK):
            os.chmod(path, 0o700)
    env.update(WAYLAND_DISPLAY=display, SWAYSOCK=os.path.join(runtime, ipc))


class Pointer:
    def __init__(self):
        self.process = start("vpointer", [vpointer_path, str(SCREEN[0]), str(SCREEN[1])],
                             stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)

    def __call__(self, command):
        self.process.stdin.write(command + "\n")
        self.process.stdin.flush()
        answer = self.process.stdout.readline().strip()
        if answer != "ok":
            raise Stop("vpointer %s: %r\n%s" % (command, answer, log_of("vpointer")))

    def move(self, x, y):
        self("move %d %d" % (x, y))


class Reader:
    """The lines a process prints, gathered as they come."""

    def __init__(self, process):
        self.lines = []
        threading.Thread(target=lambda: self.lines.extend(line.strip() for line in process.stdout), daemon=True).start()

    def find(self, pattern, since=0):
        return next((m for m in map(re.compile(pattern).fullmatch, self.lines[since:]) if m), None)


def shot():
    """The whole screen as sway shows it, pointer included: rows of RGB bytes."""
    data = subprocess.run(["grim", "-t", "ppm", "-"], env=env, check=True, capture_output=True, timeout=20).stdout
    magic, size, depth, pixels = data.split(b"\n", 3)
    width, height = map(int, size.split())
    return [pixels[y * width * 3:(y + 1) * width * 3] for y in range(height)]


def pixels(screen, rect, pointer=None):
    """The pixels of `rect` (x, y, width, height on screen), those of the pointer's image at `pointer` left out."""
    x, y, w, h = rect
    hidden = lambda px, py: pointer and 0 <= px - pointer[0] + 8 < CURSOR and 0 <= py - pointer[1] + 8 < CURSOR
    return [screen[py][px * 3:px * 3 + 3] for py in range(y, y + h) for px in range(x, x + w) if not hidden(px, py)]


def changed_share(a, b):
    return sum(p != q for p, q in zip(a, b)) / max(1, len(a))


def drawn(what, region, before, pointer):
    """Checks that most of `region` changed on the screen since `before`."""
    ok = wait_for(lambda: changed_share(pixels(shot(), region, pointer), pixels(before, region, pointer)) >= 0.5, 2)
    check(ok, "%s is on the screen where the probe put it" % what, "region %r unchanged" % (region,))


def window_of(process):
    """The window rectangle sway gives the process's window, once it stands where the rule puts it."""
    def find():
        tree = json.loads(subprocess.run(["swaymsg", "-t", "get_tree"], env=env, check=True,
                                         capture_output=True, timeout=10).stdout)
        nodes = [tree]
        while nodes:
            node = nodes.pop()
            nodes += node.get("nodes", []) + node.get("floating_nodes", [])
            if node.get("pid") == process.pid and node.get("visible"):
                r, inner = node["rect"], node["window_rect"]
                if (r["x"], r["y"]) == PLACE:
                    return r["x"] + inner["x"], r["y"] + inner["y"]
    found = wait_for(find, 20)
    if not found:
        raise Stop("no window of %s at %r" % (process.args[0], PLACE))
    return found


def settled(rect):
    """The screen once two screenshots a moment apart agree on the rectangle."""
    last = None
    for _ in range(40):
        screen = shot()
        if last and pixels(screen, rect) == pixels(last, rect):
            return screen
        last = screen
        time.sleep(0.1)
    raise Stop("the screen did not settle at %r" % (rect,))


def hover(name, pointer, rect, places, said=None):
    """Three paths over the button, between `places` [(name, point)], the
    desktop beside the window and a spot in the window: desktop to desktop,
    window to window, window to desktop. Each is one move onto the button's
    lower middle and one move away; by way of the desktop the window is
    entered or left together with the button (Qt sees an enter without a
    move). The hover look changes at least a quarter of the button's pixels
    (the pointer's image left out), the same on every path; away, the pixels
    are those before the first path. With the probe's output `said`, each
    visit raises exactly one MouseLeave."""
    spot = (rect[0] + rect[2] // 2, rect[1] + rect[3] - 5)  # a tooltip hangs below the pointer: off the button
    pointer.move(*places[0][1])
    rest, looks = settled(rect), []
    for (origin, start), (target, end) in [(places[0], places[0]), (places[1], places[1]), (places[1], places[0])]:
        path = "from %s to %s" % (origin, target)
        pointer.move(*start)
        mark = said and len(said.lines)
        pointer.move(*spot)

        def hover_look():
            now = pixels(shot(), rect, spot)
            return now if changed_share(now, pixels(rest, rect, spot)) >= 0.25 else None
        hot = wait_for(hover_look)
        check(hot, "%s, %s: one move onto it shows the hover look" % (name, path), "no change beyond the pointer")
        looks += [hot] if hot else []
        pointer.move(*end)
        back = wait_for(lambda: pixels(shot(), rect) == pixels(rest, rect))
        check(back, "%s, %s: one move away returns it to rest" % (name, path), "pixels differ from the rest look")
        if said:
            time.sleep(0.5)  # time for a late or second one
            leaves = said.lines[mark:].count("MouseLeave")
            check(leaves == 1, "%s, %s: one visit raises one MouseLeave" % (name, path), "%d of them" % leaves)
    if len(looks) > 1:
        check(all(look == looks[0] for look in looks), "%s: the same hover look on every path" % name, "they differ")


def probe_checks(pointer):
    probe = start("probe", [probe_path], stdout=subprocess.PIPE, text=True)
    said = Reader(probe)
    ready = wait_for(lambda: said.find(r"ready vexabutton (.*) pushbutton (.*)"), 20)
    if not ready:
        raise Stop("the probe did not start:\n" + log_of("probe"))
    ox, oy = window_of(probe)
    button, plain = ([int(n) for n in group.split()] for group in ready.groups())
    on_screen = lambda r: (ox + r[0], oy + r[1], r[2], r[3])
    places = [("the desktop", (ox - 60, oy + 60)), ("the window", (ox + 190, oy + 120))]
    pointer.move(*places[0][1])
    before = settled(on_screen(button))
    hover("the vexabutton", pointer, on_screen(button), places, said)
    hover("the QPushButton", pointer, on_screen(plain), places)

    # The tip after a rest on the button: beside it, and drawn there on the screen.
    pointer.move(*places[0][1])
    mark = len(said.lines)
    spot = (ox + button[0] + button[2] // 2, oy + button[1] + button[3] - 5)
    pointer.move(*spot)
    tip = wait_for(lambda: said.find(r"tooltip (-?\d+) (-?\d+) (\d+) (\d+)", mark), WAIT + 1)
    if tip:
        x, y, w, h = map(int, tip.groups())
        gap = max(x - button[2], -x - w, y - button[3], -y - h)  # < 0 where it overlaps the button
        check(gap <= 30, "the tooltip shows beside the button", "at %d, %d of the button" % (x, y))
        drawn("the tooltip", on_screen((button[0] + x, button[1] + y, w, h)), before, spot)
    else:
        check(False, "the tooltip shows beside the button", "the probe reported none")

    # The menu on a press: to the right of the button, top edges aligned (Align 3).
    mark = len(said.lines)
    pointer("click")
    menu = wait_for(lambda: said.find(r"menu (-?\d+) (-?\d+) (\d+) (\d+)", mark))
    if menu:
        x, y, w, h = map(int, menu.groups())
        check((x, y) == (button[2], 0), "the menu opens to the right of the button, top edges aligned",
              "at %d, %d of the button" % (x, y))
        drawn("the menu", on_screen((button[0] + x, button[1] + y, w, h)), before, spot)
    else:
        check(False, "the menu opens on a press", "the probe reported none; it said %r" % said.lines[mark:])
    stop(probe)


def quick_checks(pointer):
    """The VexaButton item in a QML window, drawn by Qt Quick's software scene graph."""
    probe = start("quick", [quick_probe_path], dict(QT_QUICK_BACKEND="software"), stdout=subprocess.PIPE, text=True)
    said = Reader(probe)
    ready = wait_for(lambda: said.find(r"ready vexabutton (.*)"), 20)
    if not ready:
        raise Stop("the Qt Quick probe did not start:\n" + log_of("quick"))
    ox, oy = window_of(probe)
    x, y, w, h = (int(float(n)) for n in ready.group(1).split())
    hover("the VexaButton item", pointer, (ox + x, oy + y, w, h),
          [("the desktop", (ox - 60, oy + 60)), ("the window", (ox + 190, oy + 120))], said)
    stop(probe)


def program_checks(pointer):
    program = start("program", [program_path])
    ox, oy = window_of(program)
    hover("the program's Izlaz button", pointer, (ox + IZLAZ[0], oy + IZLAZ[1], IZLAZ[2], IZLAZ[3]),
          [("the desktop", (ox - 60, oy + 60)), ("the window", (ox + IZLAZ[0] + 60, oy + IZLAZ[1] - 30))])
    stop(program)


def main():
    begun = time.monotonic()
    for number in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(number, lambda *_: sys.exit("wayland_test: stopped by a signal"))
    try:
        start_sway()
        pointer = Pointer()
        pointer.move(20, 20)  # on the empty desktop
        probe_checks(pointer)
        quick_checks(pointer)
        program_checks(pointer)
    except Stop as stop_reason:
        results.append(False)
        print("FAIL: %s" % stop_reason, flush=True)
    finally:
        for process in reversed(processes):
            stop(process)
        shutil.rmtree(root, ignore_errors=True)
    failed = results.count(False)
    print("took %.1f s" % (time.monotonic() - begun))
    print("%d passed, %d failed" % (len(results) - failed, failed))
    sys.exit(1 if failed or not results else 0)


if __name__ == "__main__":
    main()
