#!/usr/bin/python3
"""A blind player's short game, as Orca speaks it.

Runs inside a private D-Bus session on a virtual X server (dbus-run-session
and xvfb-run around it): starts speech-dispatcher with espeak-ng on a null
sound device, Orca with its debug log, then the program (argument 1) with a
short clock, and plays with xdotool. Every check reads what Orca said from
its debug log, polling it until a deadline. Everything lives in a private
folder and every process started here is stopped at the end."""

import fcntl
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

TITLE = "Belmora - Vokrantov test inteligencije"
COLOURS = {"Bela", "Crvena", "Plava", "Zelena", "Zuta"}
# A tenth of a second per tick: a minute of the test passes in about six seconds.
TICK_MS = "100"
# Generous: the program may run under a sanitizer, and Orca is not fast.
WAIT = float(os.environ.get("ORCA_TEST_WAIT", "45"))
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'\s*[\[{]")


class Failure(Exception):
    pass


class Session:
    """The processes of one run and the folder they share."""

    def __init__(self):
        self.root = tempfile.mkdtemp(prefix="orca-test-")
        self.processes = []
        self.log = os.path.join(self.root, "orca.log")
        self.read = 0  # utterances consumed by the checks so far
        self.nudged = 0
        home = os.path.join(self.root, "home")
        config = os.path.join(self.root, "config")
        speechd = os.path.join(config, "speech-dispatcher")
        for folder in (home, speechd, os.path.join(self.root, "orca-prefs"), os.path.join(self.root, "speechd-log")):
            os.makedirs(folder)
        self.socket = os.path.join(self.root, "speechd.sock")
        self.env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=config,
                        XDG_DATA_HOME=os.path.join(home, "data"), XDG_CACHE_HOME=os.path.join(home, "cache"),
                        SPEECHD_ADDRESS="unix_socket:" + self.socket)
        self.env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)  # Orca itself switches it on
        # espeak-ng speaks into libao's null device: no sound card is needed.
        with open(os.path.join(home, ".libao"), "w") as f:
            f.write("default_driver=null\n")
        with open(os.path.join(speechd, "speechd.conf"), "w") as f:
            f.write('AudioOutputMethod "libao"\n'
                    'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n'
                    'DefaultModule espeak-ng\n'
                    'LogLevel 3\nLogDir "%s"\n' % os.path.join(self.root, "speechd-log"))

    def start(self, command, **extra):
        # Each in its own process group, so that its helpers stop with it; what
        # it prints goes to a file of its own, shown when a check fails.
        output = open(os.path.join(self.root, os.path.basename(command[0]) + ".out"), "w")
        process = subprocess.Popen(command, env=dict(self.env, **extra), start_new_session=True,
                                   stdout=output, stderr=subprocess.STDOUT)
        output.close()
        self.processes.append(process)
        return process

    def outputs(self):
        text = ""
        for name in sorted(os.listdir(self.root)):
            if name.endswith(".out"):
                with open(os.path.join(self.root, name), errors="replace") as f:
                    text += "--- %s\n%s" % (name, f.read()[-2000:])
        return text

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                os.killpg(process.pid, signal.SIGTERM)
        for process in reversed(self.processes):
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait(10)

    def utterances(self):
        try:
            with open(self.log, errors="replace") as f:
                return [m.group(1) for m in map(SPOKEN.search, f) if m]
        except FileNotFoundError:
            return []

    def nudge(self, waited):
        """Orca writes its log through a buffer: when nothing happens, what it
        said last may wait there. A lone Shift, which the program ignores,
        makes Orca log enough to push it out."""
        if waited - self.nudged >= 1.5:
            self.nudged = waited
            self.keys("shift")

    def hear(self, what, wanted, seconds=WAIT):
        """Waits until Orca says something `wanted` accepts, after what was
        already heard; returns it."""
        start = time.monotonic()
        self.nudged = 0
        while time.monotonic() < start + seconds:
            said = self.utterances()
            for i in range(self.read, len(said)):
                if wanted(said[i]):
                    self.read = i + 1
                    return said[i]
            time.sleep(0.1)
            self.nudge(time.monotonic() - start)
        raise Failure("Orca did not say %s; it said, last:\n  %s\n%s"
                      % (what, "\n  ".join(self.utterances()[-25:]), self.outputs()))

    def heard(self, what, wanted, seconds=WAIT):
        """Waits until Orca has said something `wanted` accepts at any time."""
        start = time.monotonic()
        self.nudged = 0
        while time.monotonic() < start + seconds:
            if any(map(wanted, self.utterances())):
                return
            time.sleep(0.1)
            self.nudge(time.monotonic() - start)
        raise Failure("Orca never said %s" % what)

    def hear_text(self, text, seconds=WAIT):
        return self.hear(repr(text), lambda said: text in said, seconds)

    def keys(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "150"] + list(keys), env=self.env, check=True, timeout=30)


def lock():
    """Orca will not start beside another Orca of the same user: runs of this
    test (a normal and a sanitizer build, say) take turns."""
    handle = open(os.path.join(tempfile.gettempdir(), "vokrantov-orca-test.lock"), "w")
    end = time.monotonic() + 300
    while True:
        try:
            fcntl.flock(handle, fcntl.LOCK_EX | fcntl.LOCK_NB)
            break
        except BlockingIOError:
            if time.monotonic() > end:
                raise Failure("another run of this test kept the lock for five minutes")
            time.sleep(1)
    # An Orca that is not ours: wait for it to end rather than fail at once.
    while subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"], stdout=subprocess.DEVNULL).returncode == 0:
        if time.monotonic() > end:
            raise Failure("another Orca of this user kept running for five minutes")
        time.sleep(1)
    return handle


def play(s, program):
    s.start(["speech-dispatcher", "-s", "-t", "0", "-c", "unix_socket", "-S", s.socket,
             "-C", os.path.join(s.env["XDG_CONFIG_HOME"], "speech-dispatcher")])
    s.start(["orca", "--debug-file=" + s.log, "-u", os.path.join(s.root, "orca-prefs")])
    s.hear("that it is on", lambda said: "Screen reader on" in said, WAIT * 2)
    s.start([program], VOKRANTOV_TEST_TICK_MS=TICK_MS, QT_QPA_PLATFORM="xcb")
    s.hear_text(TITLE, WAIT * 2)
    s.hear_text("Tesmir Vokrant")

    # The clues, one at a time, after the portrait.
    s.keys("Tab")
    first = s.hear("the first clue alone", lambda said: said.startswith("1.") and "2." not in said)
    s.keys("Down")
    s.hear("the second clue alone", lambda said: said.startswith("2.") and "3." not in said and first not in said)

    # Past the four buttons to the first list, empty: its house and category.
    s.keys("Tab")
    s.hear_text("Provera (3)")
    s.keys("Tab", "Tab", "Tab", "Tab")
    s.hear_text("Kuca 1, Boja kuce combo box")

    # Down and Up choose, and each choice is spoken.
    s.keys("Down")
    chosen = s.hear("an entry chosen by Down", lambda said: said in COLOURS)
    s.keys("Down")
    s.hear("the next entry", lambda said: said in COLOURS and said != chosen)
    s.keys("Up")
    s.hear_text(chosen)

    # The list keeps its name with the entry chosen, read when it is met again.
    s.keys("shift+Tab")
    s.hear_text("Izlaz")
    s.keys("Tab")
    named = s.hear_text("Kuca 1, Boja kuce combo box")
    if chosen not in named:
        s.hear("the entry right after the list's name", lambda said: chosen in said, 5)
    # So is a choice by its first letter.
    s.keys("z")
    s.hear("an entry chosen by its letter", lambda said: re.search(r"\bZ(elena|uta)\b", said))

    # A minute passes, spoken wherever the focus is.
    s.heard("a new minute", lambda said: said == "Vreme za resavanje testa je: 29 minuta.")

    # The status-bar command (Orca's key and keypad Enter, twice) reads the line.
    s.keys("KP_Insert+KP_Enter", "KP_Insert+KP_Enter")
    s.hear("the status line as a status bar",
           lambda said: re.search(r"Vreme za resavanje testa je: \d+ minuta?\. ?status ?bar", said))

    # A pause in the window about the program, which Alt+F4 closes; the
    # focus is back on the list.
    s.keys("alt+p")
    s.hear_text("Ovim ce vreme za resavanje testa biti pauzirano.")
    s.keys("Return")
    s.hear_text("O Programu i autoru")
    s.keys("alt+F4")
    s.hear_text("Kuca 1, Boja kuce combo box")

    # Three wrong checks with Enter end the test, and the end is spoken.
    for _ in range(3):
        s.keys("Return")
        s.hear_text("Netacno! Pokusajte opet.")
        s.keys("Return")
    s.hear_text("Iskoristili ste 3 dozvoljenih pokusaja za resavanje testa.")


def main():
    program = os.path.abspath(sys.argv[1])
    handle = lock()
    s = Session()
    try:
        play(s, program)
        print("ok: clues one by one, a list's name and entry, choices by Up, Down and a letter spoken, "
              "a minute, the status bar, the focus back after a pause, the end of the test")
    except (Failure, subprocess.SubprocessError) as failure:
        sys.exit("FAIL: %s" % failure)
    finally:
        s.stop()
        if os.environ.get("ORCA_TEST_KEEP"):
            print("kept:", s.root)
        else:
            shutil.rmtree(s.root, ignore_errors=True)
        handle.close()


if __name__ == "__main__":
    main()
