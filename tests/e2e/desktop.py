"""The real program on a virtual display, driven as a learner drives it: keys through xdotool,
names, texts and buttons through the accessibility interface (AT-SPI).

Every wait polls for a condition with a deadline; nothing sleeps a fixed time to hope."""
import os
import shutil
import signal
import subprocess
import tempfile
import time

import pyatspi

DEADLINE = 20.0


class Timeout(AssertionError):
    pass


def wait_for(what, condition, deadline=DEADLINE):
    end = time.monotonic() + deadline
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > end:
            raise Timeout("timed out waiting for " + what)
        time.sleep(0.05)


def plain(text):
    return (text or "").replace("&", "")


class Program:
    """build/plurquiz copied into a fresh folder, so it makes its own database there."""

    def __init__(self, build_dir, display, lang_env="C.UTF-8", folder=None, executable=None, env=None,
                 database=None):
        """A fresh folder, or `folder` again (a program started anew on its own database). With
        `executable`, that program is started instead of a copy, with `env` added to its
        environment; `database` is then where it is expected to keep its file."""
        self.folder = folder or tempfile.mkdtemp(prefix="plurquiz-e2e-")
        if folder is None and executable is None:
            for name in ("plurquiz", "plurquiz-import", "libplurquiz_chart.so"):
                shutil.copy2(os.path.join(build_dir, name), self.folder)
        self.keep = False
        self._database = database or os.path.join(self.folder, "st_data.sqlite")
        environment = dict(os.environ)
        environment.update(DISPLAY=display, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                           QT_ACCESSIBILITY="1", LANG=lang_env, NO_AT_BRIDGE="0")
        environment.pop("QT_SCALE_FACTOR", None)
        environment.update(env or {})
        self.display = display
        self.env = environment
        self.process = subprocess.Popen([executable or os.path.join(self.folder, "plurquiz")], cwd=self.folder,
                                        env=environment, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        self.app = wait_for("the program on the accessibility bus", self._running_app)

    def _running_app(self):
        if self.process.poll() is not None:
            raise AssertionError("the program ended at start with status %d:\n%s" % (
                self.process.returncode, self.process.stdout.read().decode(errors="replace")))
        return self._find_app()

    @property
    def database(self):
        return self._database

    def _find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app and app.get_process_id() == self.process.pid:
                    return app
            except Exception:
                continue
        return None

    # --- windows -------------------------------------------------------------------------
    def windows(self):
        out = []
        for i in range(self.app.childCount):
            w = self.app.getChildAtIndex(i)
            if w is not None:
                out.append(w)
        return out

    def showing(self, title_part):
        """The shown window whose title contains title_part, or None."""
        for w in self.windows():
            try:
                if title_part in (w.name or "") and w.getState().contains(pyatspi.STATE_SHOWING):
                    return w
            except Exception:
                continue
        return None

    def window(self, title_part):
        return wait_for("a window titled like " + repr(title_part), lambda: self.showing(title_part))

    def gone(self, title_part):
        wait_for("the window " + repr(title_part) + " to close", lambda: self.showing(title_part) is None)

    # --- controls ------------------------------------------------------------------------
    @staticmethod
    def find(window, name, role=None):
        def match(node):
            try:
                return plain(node.name) == name and (role is None or node.getRoleName() == role)
            except Exception:
                return False
        return wait_for("a control named " + repr(name), lambda: pyatspi.findDescendant(window, match))

    @staticmethod
    def find_in(window, path):
        """A menu item by the names along its menu path, such as ["Settings", "Level", "1"]."""
        def walk():
            node = window
            for name in path:
                node = pyatspi.findDescendant(node, lambda n, name=name: plain(n.name) == name)
                if node is None:
                    return None
            return node
        return wait_for("the menu item " + " > ".join(path), walk)

    @staticmethod
    def press(node):
        action = node.queryAction()
        for i in range(action.nActions):
            if action.getName(i) in ("press", "click", "toggle", "SetFocus"):
                if action.getName(i) != "SetFocus":
                    action.doAction(i)
                    return
        action.doAction(0)

    def click(self, node):
        """A mouse click in the middle of the control, where a learner would click."""
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        subprocess.run(["xdotool", "mousemove", "--sync", str(box.x + box.width // 2), str(box.y + box.height // 2),
                        "click", "1"], env=self.env, check=True)

    @staticmethod
    def type_into(node, program, text, shows=None):
        """Gives the box the focus, selects what it holds and types over it; returns once the box
        shows `shows` (by default the text typed), so that a key pressed next cannot overtake the
        typing on a busy machine."""
        node.queryComponent().grabFocus()
        wait_for("the box to take the focus", lambda: node.getState().contains(pyatspi.STATE_FOCUSED))
        program.keys("ctrl+a")
        subprocess.run(["xdotool", "type", "--delay", "20", text], env=program.env, check=True)
        shows = text if shows is None else shows
        wait_for("the box to show " + repr(shows), lambda: node.queryText().getText(0, -1) == shows)

    # --- keys ----------------------------------------------------------------------------
    def keys(self, *keys):
        subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], env=self.env, check=True)

    def focus(self, title_part):
        """Gives the window of that title the keyboard focus, as a click on it would."""
        ids = wait_for("an X window titled like " + repr(title_part), lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--name", title_part], env=self.env,
            capture_output=True, text=True).stdout.split())
        subprocess.run(["xdotool", "windowactivate", "--sync", ids[-1]], env=self.env, check=False)
        subprocess.run(["xdotool", "windowfocus", "--sync", ids[-1]], env=self.env, check=False)

    def end(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
        if not self.keep:
            shutil.rmtree(self.folder, ignore_errors=True)

    def exit_status(self, deadline=DEADLINE):
        wait_for("the program to end", lambda: self.process.poll() is not None, deadline)
        return self.process.returncode
