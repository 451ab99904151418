#!/usr/bin/python3
"""The program as a native Wayland client on GNOME's own compositor (mutter, headless) with Qt's GNOME theme,
driven by keys typed through mutter's remote-desktop interface.

Each run starts the program and takes a whole exam as a quick typist does: as soon as a box has the keyboard, its
answer, Return and the next example's Returns in one burst. Four answers are right and four wrong, so the verdict
is a pass (8 points, the least there is) only if every right answer counted, and it comes only if no Return was
lost; Escape, Escape then ends the program with status 0. Every process started is ended at the end, and that is
checked.

Which box has the keyboard is what the program itself tells assistive technology on the accessibility bus (AT-SPI):
its active window's title and, in an answer box, the focused field's description, which names the example. Runs
as an unprivileged user: nobody, when started as root.

Usage: scripts/gnome-keys.py PROGRAM FIRST_EXAM_ANSWERS [RUNS]   (RUNS: 20 unless given)
"""

import os
import pwd
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from gi.repository import Gio, GLib

KEYSYMS = {"Return": 0xFF0D, "Escape": 0xFF1B, "Shift": 0xFFE1}
REMOTE_DESKTOP = "org.gnome.Mutter.RemoteDesktop"
VERDICT = "Тестирование успешно пройдено"
ANSWER_BOX = "Ввод ответа"
# How the answer field's description, as a screen reader says it, starts for example N.
SPOKEN_EXAMPLE = "Пример {}."
ACCESSIBLE = "org.a11y.atspi.Accessible"
REGISTRY_ROOT = ("org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root")
# AT-SPI's numbers for the states.
STATE_ACTIVE = 1
STATE_FOCUSED = 12
STATE_SHOWING = 25


class Failure(Exception):
    pass


def within(seconds, condition, step=0.1):
    """Whether the condition held within so many seconds, asked every step."""
    end = time.monotonic() + seconds
    while True:
        if condition():
            return True
        if time.monotonic() >= end:
            return False
        time.sleep(step)


class Sessions:
    """Each process started runs in a session of its own, so that everything it starts can be ended with it."""

    def __init__(self, scratch, environment):
        self.scratch = scratch
        self.environment = environment
        self.started = []

    def start(self, name, command, **extra):
        log = open(os.path.join(self.scratch, name + ".log"), "wb")
        process = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                                   env={**self.environment, **extra}, start_new_session=True)
        log.close()
        self.started.append(process)
        return process

    def left(self):
        """The processes of the sessions started here that still run, each as its pid and command line."""
        sessions = {process.pid for process in self.started}
        left = []
        for entry in os.listdir("/proc"):
            if not entry.isdigit():
                continue
            try:
                with open(f"/proc/{entry}/stat") as stat:
                    # The fields after the command's name, which is in parentheses: state, parent, group, session.
                    fields = stat.read().rsplit(")", 1)[1].split()
                if fields[0] == "Z" or int(fields[3]) not in sessions:
                    continue
                with open(f"/proc/{entry}/cmdline", "rb") as cmdline:
                    command = cmdline.read().replace(b"\0", b" ").decode(errors="replace")
                left.append(f"{entry} {command}")
            except (OSError, IndexError, ValueError):
                continue  # ended meanwhile
        return left

    def signal(self, number):
        for line in self.left():
            try:
                os.kill(int(line.split()[0]), number)
            except ProcessLookupError:
                pass  # ended meanwhile

    def end(self):
        """Ends them all (SIGTERM, then SIGKILL after five seconds); the processes still there afterwards."""
        self.signal(signal.SIGTERM)
        if not within(5, lambda: not self.left()):
            self.signal(signal.SIGKILL)
            within(2, lambda: not self.left())
        for process in self.started:
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                pass
        return self.left()


class Typist:
    """Keys pressed and released through one remote-desktop session: mutter ends it when its caller goes."""

    def __init__(self, bus):
        proxy = Gio.DBusProxy.new_sync(bus, Gio.DBusProxyFlags.NONE, None, REMOTE_DESKTOP,
                                       "/org/gnome/Mutter/RemoteDesktop", REMOTE_DESKTOP, None)
        path = proxy.call_sync("CreateSession", None, Gio.DBusCallFlags.NONE, 10000, None).unpack()[0]
        self.session = Gio.DBusProxy.new_sync(bus, Gio.DBusProxyFlags.NONE, None, REMOTE_DESKTOP, path,
                                              REMOTE_DESKTOP + ".Session", None)
        self.call("Start")

    def call(self, method, arguments=None):
        self.session.call_sync(method, arguments, Gio.DBusCallFlags.NONE, 10000, None)

    def type(self, *words):
        """Key names (Return, Escape, Shift) or texts, one right after the other."""
        for word in words:
            for symbol in [KEYSYMS[word]] if word in KEYSYMS else map(ord, word):
                for pressed in (True, False):
                    self.call("NotifyKeyboardKeysym", GLib.Variant("(ub)", (symbol, pressed)))

    def stop(self):
        self.call("Stop")


class Accessibility:
    """What a program tells assistive technology on the accessibility bus (AT-SPI's D-Bus interfaces, as screen
    readers read them): its windows, which of them is active, and the control in it that has the focus. Asked,
    never listened to: once anyone listens for its events, Qt holds every key back until the listeners have had
    their say, which would change the very path of the keys this check is about."""

    def __init__(self, session_bus):
        address = session_bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None, None,
                                        Gio.DBusCallFlags.NONE, 10000, None).unpack()[0]
        flags = Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION
        self.bus = Gio.DBusConnection.new_for_address_sync(address, flags, None, None)
        self.applications = {}

    def call(self, node, interface, method, arguments=None):
        return self.bus.call_sync(node[0], node[1], interface, method, arguments, None, Gio.DBusCallFlags.NONE,
                                  2000, None).unpack()

    def children(self, node):
        return self.call(node, ACCESSIBLE, "GetChildren")[0]

    def states(self, node):
        """The numbers of the states set, from AT-SPI's two 32-bit words."""
        words = self.call(node, ACCESSIBLE, "GetState")[0]
        return {32 * index + bit for index, word in enumerate(words) for bit in range(32) if word >> bit & 1}

    def text(self, node, name):
        return self.call(node, "org.freedesktop.DBus.Properties", "Get", GLib.Variant("(ss)", (ACCESSIBLE, name)))[0]

    def application(self, pid):
        if pid not in self.applications:
            for application in self.children(REGISTRY_ROOT):
                owner = self.call(("org.freedesktop.DBus", "/org/freedesktop/DBus"), "org.freedesktop.DBus",
                                  "GetConnectionUnixProcessID", GLib.Variant("(s)", (application[0],)))[0]
                if owner == pid:
                    self.applications[pid] = application
        return self.applications.get(pid)

    def focused_description(self, node, depth=4):
        """The description of the focused control among a window's controls, or None."""
        for child in self.children(node):
            if STATE_FOCUSED in self.states(child):
                return self.text(child, "Description")
            found = self.focused_description(child, depth - 1) if depth > 1 else None
            if found is not None:
                return found
        return None

    def windows(self, pid):
        """The program's windows as a failure reports them: each title, and whether it is shown and active."""
        try:
            application = self.application(pid)
            described = []
            for window in self.children(application) if application else []:
                states = self.states(window)
                marks = [name for name, state in (("shown", STATE_SHOWING), ("active", STATE_ACTIVE))
                         if state in states]
                described.append(f"{self.text(window, 'Name')} ({', '.join(marks) or 'hidden'})")
            return ", ".join(described) or "none"
        except GLib.Error as error:
            return f"not told ({error.message})"

    def keyboard(self, pid):
        """The title of the program's active window and the description of its focused control, or None when it
        has no active window (or is not on the bus yet)."""
        try:
            application = self.application(pid)
            for window in self.children(application) if application else []:
                if STATE_ACTIVE in self.states(window):
                    return self.text(window, "Name"), self.focused_description(window) or ""
        except GLib.Error:
            pass  # a window gone while it was asked about
        return None


def become_user(scratch):
    """Root's check runs as nobody: the scratch folder is handed over, then this process gives up root."""
    user = pwd.getpwnam("nobody")
    for folder, _, files in os.walk(scratch):
        for name in [folder] + [os.path.join(folder, name) for name in files]:
            os.chown(name, user.pw_uid, user.pw_gid)
    os.setgroups([])
    os.setgid(user.pw_gid)
    os.setuid(user.pw_uid)


class Check:
    def __init__(self, program, answers_program, runs):
        self.runs = runs
        self.answers = subprocess.run([answers_program], check=True, capture_output=True,
                                      text=True).stdout.split()
        if len(self.answers) != 8:
            raise Failure(f"{answers_program} gave {len(self.answers)} answers, not 8")
        self.scratch = tempfile.mkdtemp()
        os.chmod(self.scratch, 0o755)
        self.runtime = os.path.join(self.scratch, "runtime")
        self.home = os.path.join(self.scratch, "home")
        os.mkdir(self.runtime, 0o700)
        os.mkdir(self.home, 0o700)
        # The user's own copy of the program, readable wherever the build lies.
        self.program = os.path.join(self.scratch, "testola")
        shutil.copy(program, self.program)
        os.chmod(self.program, 0o755)
        # No key repeats: under load the typist's release can come half a second after its press, and the key,
        # held that long, repeats as it should. Mutter reads this from GLib's key-file settings.
        settings = os.path.join(self.home, ".config", "glib-2.0", "settings")
        os.makedirs(settings)
        with open(os.path.join(settings, "keyfile"), "w") as keyfile:
            keyfile.write("[org/gnome/desktop/peripherals/keyboard]\nrepeat=false\n")
        if os.getuid() == 0:
            become_user(self.scratch)
        bus = os.path.join(self.runtime, "bus")
        os.environ.clear()
        os.environ.update(HOME=self.home, XDG_RUNTIME_DIR=self.runtime, PATH="/usr/bin:/bin",
                          DBUS_SESSION_BUS_ADDRESS=f"unix:path={bus}")
        self.sessions = Sessions(self.scratch, dict(os.environ))
        self.program_process = None

    def start_desktop(self):
        bus = os.path.join(self.runtime, "bus")
        self.sessions.start("dbus", ["dbus-daemon", "--session", "--nofork", f"--address=unix:path={bus}"])
        if not within(10, lambda: os.path.exists(bus)):
            raise Failure("the session bus did not start")
        self.sessions.start("pipewire", ["pipewire"])
        self.sessions.start("wireplumber", ["wireplumber"])
        self.sessions.start("mutter", ["mutter", "--wayland", "--headless", "--no-x11", "--virtual-monitor",
                                       "1024x768"], GSETTINGS_BACKEND="keyfile")
        if not within(10, lambda: os.path.exists(os.path.join(self.runtime, "wayland-0"))):
            raise Failure("mutter did not start")
        session_bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        # Left alone, GLib ends this process when the bus goes, which it does when the sessions are ended.
        session_bus.set_exit_on_close(False)
        # Mutter takes its name on the bus a while after it opens its Wayland socket.
        if not within(10, lambda: name_has_owner(session_bus, REMOTE_DESKTOP)):
            raise Failure("mutter's remote desktop did not come on the session bus")
        self.typist = Typist(session_bus)
        # The first key only makes mutter announce its keyboard, and is lost.
        self.typist.type("Shift")
        # The accessibility bus comes up on the first ask.
        self.accessibility = Accessibility(session_bus)
        self.seen = []

    def fail_if_ended(self, when):
        status = self.program_process.poll()
        if status is not None:
            raise Failure(f"the program ended with status {status} {when}")

    def has_keyboard(self, title, description):
        """Whether the program's active window has this title and its focused control a description that starts
        so; what had the keyboard before is kept for a failure's report."""
        now = self.accessibility.keyboard(self.program_process.pid)
        if now is not None and (not self.seen or self.seen[-1] != now):
            self.seen.append(now)
        return now is not None and now[0] == title and now[1].startswith(description)

    def wait_for_focus(self, title, description=""):
        what = f'"{title}"' + (f' with "{description}"' if description else "")
        # Judged by the answer that ended the wait, not by asking again: a second question can meet the bus
        # between two answers and find nothing.
        got = within(10, lambda: self.has_keyboard(title, description) or self.program_process.poll() is not None,
                     step=0.02)
        self.fail_if_ended(f"before {what} got the keyboard")
        if got:
            return
        raise Failure(f"{what} did not get the keyboard; it went to: "
                      + " | ".join(f"{window}: {focused.split(' ', 2)[:2]}" for window, focused in self.seen)
                      + f"; the program's windows now: {self.accessibility.windows(self.program_process.pid)}")

    def take_exam(self, run):
        started = time.monotonic()
        self.program_process = self.sessions.start(
            "program", [self.program], WAYLAND_DISPLAY="wayland-0", XDG_CURRENT_DESKTOP="GNOME",
            QT_QPA_PLATFORM="wayland", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.seen = []
        self.wait_for_focus("Testola")
        self.typist.type("Return", "Return")  # the first example and its answer box
        for number, answer in enumerate(self.answers, start=1):
            self.wait_for_focus(ANSWER_BOX, SPOKEN_EXAMPLE.format(number))
            # Odd examples wrong: no midpoint is one more than the midpoint.
            if number % 2 == 1:
                answer = f"{float(answer) + 1:g}"
            # Then the next example and its answer box, or after the eighth the verdict.
            self.typist.type(answer, *["Return"] * (3 if number < 8 else 2))
        self.wait_for_focus(VERDICT)
        self.typist.type("Escape", "Escape")
        if not within(10, lambda: self.program_process.poll() is not None):
            raise Failure("Escape did not end the program")
        if self.program_process.returncode != 0:
            raise Failure(f"the program ended with status {self.program_process.returncode}")
        print(f"run {run} of {self.runs}: the verdict was a pass and the program ended with status 0 "
              f"({(time.monotonic() - started) * 1000:.0f} ms)", flush=True)

    def show_logs(self):
        for name in sorted(os.listdir(self.scratch)):
            path = os.path.join(self.scratch, name)
            if name.endswith(".log") and os.path.getsize(path) > 0:
                with open(path, errors="replace") as log:
                    lines = log.readlines()[-20:]
                print(f"==> {path} <==", "".join(lines), sep="\n", end="", file=sys.stderr)

    def run(self):
        failed = True
        try:
            self.start_desktop()
            for run in range(1, self.runs + 1):
                self.take_exam(run)
            self.typist.stop()
            failed = False
        except (Failure, GLib.Error) as error:
            print(f"FAILED: {error}", file=sys.stderr)
        finally:
            if failed:
                self.show_logs()
            left = self.sessions.end()
            if left:
                failed = True
                print("FAILED: processes this run started are still running:", *left, sep="\n", file=sys.stderr)
            shutil.rmtree(self.scratch, ignore_errors=True)
        if failed:
            return 1
        print(f"All {self.runs} runs under mutter with Qt's GNOME theme took the exam with every key typed ahead "
              "of the boxes.")
        return 0


def name_has_owner(bus, name):
    reply = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "NameHasOwner",
                          GLib.Variant("(s)", (name,)), None, Gio.DBusCallFlags.NONE, 10000, None)
    return reply.unpack()[0]


def main(arguments):
    # Stopped from outside (a time limit, say), the check still ends what it started.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    if len(arguments) not in (2, 3):
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    try:
        check = Check(arguments[0], arguments[1], int(arguments[2]) if len(arguments) == 3 else 20)
    except Failure as error:
        print(f"FAILED: {error}", file=sys.stderr)
        return 1
    return check.run()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
