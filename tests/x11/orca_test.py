#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""A blind player's short game, as Orca speaks it. Inside dbus-run-session and
xvfb-run: speech-dispatcher with espeak-ng on a null sound device, Orca with
its debug log, the program (argument 1) on a fast clock, keys by xdotool.
Each check polls Orca's log until a deadline; all lives in a private folder."""

import contextlib, fcntl, inspect, os, re, shutil, signal, subprocess, sys, tempfile, time

WAIT = float(os.environ.get("ORCA_TEST_WAIT", "45"))  # generous: sanitizer builds, a slow Orca
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'\s*[\[{]")
LIST = "Kuca 1, Boja kuce combo box"
COLOURS = {"Bela", "Crvena", "Plava", "Zelena", "Zuta"}
root = tempfile.mkdtemp(prefix="orca-test-")
path = lambda *names: os.path.join(root, *names)
env = dict(os.environ, HOME=path("home"), XDG_CONFIG_HOME=path("config"), XDG_DATA_HOME=path("home", "data"),
           XDG_CACHE_HOME=path("home", "cache"), SPEECHD_ADDRESS="unix_socket:" + path("speechd.sock"))
env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)  # Orca itself switches it on
processes, read = [], 0  # read: utterances consumed by the checks so far


class Failure(Exception):
    pass


def start(*command, **extra):
    # Its own process group, so its helpers stop with it; its output kept for a failure's report.
    with open(path(os.path.basename(command[0]) + ".out"), "w") as out:
        processes.append(subprocess.Popen(command, env=dict(env, **extra), start_new_session=True,
                                          stdout=out, stderr=subprocess.STDOUT))


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "150", *names], env=env, check=True, timeout=30)


def said():
    try:
        with open(path("orca.log"), errors="replace") as f:
            return [m.group(1) for m in map(SPOKEN.search, f) if m]
    except FileNotFoundError:
        return []


def step(pressed, wanted, seconds=WAIT, anytime=False):
    """Presses the keys (space-separated), then waits until Orca says what
    `wanted` accepts (a predicate, or text it contains; None: no wait), after
    what earlier checks heard unless `anytime`; returns it."""
    global read
    accepts = wanted if callable(wanted) else lambda s: wanted in s
    if pressed:
        keys(*pressed.split())
    if wanted is None:
        return None
    begun = nudged = time.monotonic()
    while time.monotonic() < begun + seconds:
        lines = said()
        for i in range(0 if anytime else read, len(lines)):
            if accepts(lines[i]):
                read = read if anytime else i + 1
                return lines[i]
        time.sleep(0.1)
        # Orca's log is buffered: a lone Shift, which the program ignores, pushes out what it said last.
        if time.monotonic() - nudged >= 1.5:
            nudged = time.monotonic()
            keys("shift")
    outputs = "".join("--- %s\n%s" % (n, open(path(n), errors="replace").read()[-2000:])
                      for n in sorted(os.listdir(root)) if n.endswith(".out"))
    raise Failure("Orca did not say %r; it said, last:\n  %s\n%s"
                  % (inspect.getsource(wanted).strip() if callable(wanted) else wanted, "\n  ".join(said()[-25:]), outputs))


def take_turn():
    """Orca will not start beside another Orca of this user: runs of this test
    (a normal and a sanitizer build, say) take turns, and wait for any other."""
    handle = open(os.path.join(tempfile.gettempdir(), "vokrantov-orca-test.lock"), "w")
    end = time.monotonic() + 300
    while time.monotonic() < end:
        with contextlib.suppress(BlockingIOError):
            fcntl.flock(handle, fcntl.LOCK_EX | fcntl.LOCK_NB)
            if subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"], stdout=subprocess.DEVNULL).returncode:
                return handle
        time.sleep(1)
    raise Failure("another run of this test or another Orca went on for five minutes")


def play(program):
    for folder in ("home", "config/speech-dispatcher", "orca-prefs", "speechd-log"):
        os.makedirs(path(folder))
    with open(path("home", ".libao"), "w") as f:
        f.write("default_driver=null\n")  # no sound card needed
    with open(path("config", "speech-dispatcher", "speechd.conf"), "w") as f:
        f.write('AudioOutputMethod "libao"\nAddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n'
                'DefaultModule espeak-ng\nLogLevel 3\nLogDir "%s"\n' % path("speechd-log"))
    start("speech-dispatcher", "-s", "-t", "0", "-c", "unix_socket", "-S", path("speechd.sock"),
          "-C", path("config", "speech-dispatcher"))
    start("orca", "--debug-file=" + path("orca.log"), "-u", path("orca-prefs"))
    step("", "Screen reader on", WAIT * 2)
    start(program, VOKRANTOV_TEST_TICK_MS="250", QT_QPA_PLATFORM="xcb")  # a minute of the test in 15 seconds
    step("", "Belmora - Vokrantov test inteligencije", WAIT * 2)
    step("", "Tesmir Vokrant")
    # The clues one at a time after the portrait; past the buttons, the empty first list's house and category.
    first = step("Tab", lambda s: s.startswith("1.") and "2." not in s)
    step("Down", lambda s: s.startswith("2.") and "3." not in s and first not in s)
    step("Tab", "Provera (3)")
    step("Tab Tab Tab Tab", LIST)
    # Down and Up choose, each choice spoken; met again, the list says its name with the entry.
    chosen = step("Down", lambda s: s in COLOURS)
    step("Down", lambda s: s in COLOURS and s != chosen)
    step("Up", chosen)
    step("shift+Tab", "Izlaz")
    if chosen not in step("Tab", LIST):
        step("", chosen, 5)
    for pressed, wanted, *anytime in [
        ("z", lambda s: re.search(r"\bZ(elena|uta)\b", s)),  # a choice by its first letter
        ("", lambda s: s == "Vreme za resavanje testa je: 29 minuta.", WAIT, True),  # wherever the focus is
        # Orca's status-bar command, pressed twice, reads the status line.
        ("KP_Insert+KP_Enter KP_Insert+KP_Enter",
         lambda s: re.search(r"Vreme za resavanje testa je: \d+ minuta?\. ?status ?bar", s)),
        # A pause in the window about the program, closed by Alt+F4: the focus back on the list.
        ("alt+p", "Ovim ce vreme za resavanje testa biti pauzirano."),
        ("Return", "O Programu i autoru"),
        ("alt+F4", LIST),
        # Three wrong checks by Enter end the test.
        *[("Return", "Netacno! Pokusajte opet."), ("Return", None)] * 3,
        ("", "Iskoristili ste 3 dozvoljenih pokusaja za resavanje testa."),
    ]:
        step(pressed, wanted, *anytime)


def stop_all():
    for process in reversed(processes):
        if process.poll() is None:
            os.killpg(process.pid, signal.SIGTERM)
    for process in reversed(processes):
        try:
            process.wait(10)
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait(10)
    processes.clear()


def main():
    global root, read
    lock = take_turn()  # noqa: F841 (held until the end)
    # A loaded machine now and then keeps Orca from starting or speaking in
    # time; a second game in a fresh session tells that apart from a fault.
    for attempt in (1, 2):
        try:
            play(os.path.abspath(sys.argv[1]))
            print("ok: clues one by one, a list's name and entry, choices spoken, a minute, the status bar, "
                  "the focus back after a pause, the end of the test")
            return
        except (Failure, subprocess.SubprocessError) as failure:
            if attempt == 2:
                sys.exit("FAIL: %s" % failure)
            print("first game failed, playing again: %s" % failure, file=sys.stderr)
        finally:
            stop_all()
            if os.environ.get("ORCA_TEST_KEEP"):
                print("kept:", root)
            else:
                shutil.rmtree(root, ignore_errors=True)
        root, read = tempfile.mkdtemp(prefix="orca-test-"), 0
        env.update(HOME=path("home"), XDG_CONFIG_HOME=path("config"), XDG_DATA_HOME=path("home", "data"),
                   XDG_CACHE_HOME=path("home", "cache"), SPEECHD_ADDRESS="unix_socket:" + path("speechd.sock"))


if __name__ == "__main__":
    main()
