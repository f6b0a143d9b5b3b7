"""Whole journeys through the program: every working language, a task switch through the menus,
the reshuffle, practice, a test and its review by the keyboard alone, and an installed copy."""
import os
import shutil
import sqlite3
import stat
import subprocess
import tempfile

import pyatspi

from desktop import Program, wait_for
from scenarios import LAUNCHER, item_number, labels, open_practice, start

# The launcher's texts in each working language: its three tasks and its end button.
LANGUAGES = [
    ("English", ["Practice", "Test", "Database", "EXIT"]),
    ("Magyar", ["Gyakorlás", "Teszt", "Adatbázis", "KILÉP"]),
    ("Français", ["Exercice", "Test", "Base de données", "QUITTER"]),
    ("Español", ["Ejercicio", "Test", "Base de datos", "SALIR"]),
]


def names_in(window, roles):
    found = []
    pyatspi.findAllDescendants(window, lambda n: n.getRoleName() in roles and found.append(
        (n.name or "").replace("&", "")) and False)
    return found


def every_language_in_turn(build_dir, display):
    """Each language chosen at start shows the launcher in it; its end button ends the program
    with status 0, and the next start (same folder, same file) picks another language."""
    folder = None
    for language, texts in LANGUAGES:
        program = Program(build_dir, display, folder=folder)
        folder = program.folder
        program.keep = True
        try:
            lang = program.window("Plurquiz  Español")
            program.press(program.find(lang, language, "push button"))
            launcher = program.window(LAUNCHER)
            shown = wait_for("the launcher in " + language, lambda: (
                lambda names: names if all(t in names for t in texts) else None)(
                names_in(launcher, ("radio button", "push button"))))
            assert all(t in shown for t in texts), (language, shown)
            program.press(program.find(launcher, texts[3], "push button"))
            assert program.exit_status() == 0, language
        finally:
            program.end()
    shutil.rmtree(folder, ignore_errors=True)


def the_tasks_menu_switches_from_practice_to_test(build_dir, display):
    program = start(build_dir, display)
    try:
        program.focus(LAUNCHER)
        program.keys("Return")
        practice = program.window("Practice")
        program.press(program.find_in(practice, ["Tasks", "Test"]))
        test = program.window("Test")
        program.gone("Practice")
        # And back, the same way.
        program.press(program.find_in(test, ["Tasks", "Practice"]))
        program.window("Practice")
        program.gone("Test")
    finally:
        program.end()


def the_reshuffle_changes_the_order(build_dir, display):
    program = start(build_dir, display)
    try:
        launcher = program.window(LAUNCHER)
        db = sqlite3.connect(program.database)
        order = lambda: db.execute("SELECT sorrend2 FROM test1 ORDER BY sorszam").fetchall()
        before = order()
        program.click(program.find(launcher, "If you want to change the order of the sentences, click here and wait.",
                                   "label"))
        wait_for("a new order in the file", lambda: order() != before)
        after = order()
        # A new order of the same sentences, every order number drawn from 1-3000.
        assert len(after) == len(before) and all(1 <= v <= 3000 for v, in after), "rows lost or out of range"
        program.window(LAUNCHER)
    finally:
        program.end()


def practice_test_and_review_by_keyboard_alone(build_dir, display):
    """No pointer and no accessibility actions: the learner's keys only."""
    program = start(build_dir, display)
    try:
        open_practice(program)
        program.keys("b", "alt+o", "alt+n")
        # Tasks > Test through the menu bar's keys.
        program.keys("alt+k")
        program.keys("t")
        test = program.window("Test")
        program.gone("Practice")
        # Settings > Parameters > Number of sentences > 20, the first item.
        program.keys("alt+g", "p", "n", "Return")
        wait_for("20 sentences chosen", lambda: "20" in labels(test))
        program.keys("alt+s")
        db = sqlite3.connect(program.database)
        number = item_number(test, program)
        count = 0
        while True:
            current = wait_for("a numbered sentence", lambda: (number.name or "").strip())
            if "%" in " ".join(labels(test)):
                break
            count += 1
            program.keys("d", "alt+n")
            wait_for("the next sentence or the score", lambda: (number.name or "").strip() != current or
                     "%" in " ".join(labels(test)))
            if count > 20:
                raise AssertionError("the run does not end")
        assert count == 20, "the run ended after %d sentences" % count
        failed, = db.execute("SELECT count(*) - 1 FROM hiba1").fetchone()
        assert "%d/20" % (20 - failed) in labels(test), labels(test)
        if failed == 0:
            return
        # The link to the failed items takes the focus by Tab, and Enter follows it.
        for _ in range(12):
            program.keys("Tab")
            if program.showing("Failed items"):
                break
            link = pyatspi.findDescendant(test, lambda n: "click here" in (n.name or "") and
                                          n.getState().contains(pyatspi.STATE_FOCUSED))
            if link is not None:
                program.keys("Return")
                break
        review = program.window("Failed items")
        program.keys("alt+s")
        wait_for("the first failed sentence", lambda: any("..." in t for t in labels(review)))
        for _ in range(failed):
            program.keys("a", "alt+o", "alt+x")
        program.keys("alt+c")
        program.gone("Failed items")
        wait_for("the log to hold only its placeholder",
                 lambda: db.execute("SELECT count(*) FROM hiba1").fetchone()[0] == 1)
    finally:
        program.end()


def an_installed_copy_keeps_its_data_in_the_users_folder(build_dir, display):
    """cmake --install into a prefix nobody may write, the program started from there: its
    database appears under the user's data folder and nothing beside the program."""
    root = tempfile.mkdtemp(prefix="plurquiz-installed-")
    prefix, data = os.path.join(root, "prefix"), os.path.join(root, "data")
    subprocess.run(["cmake", "--install", build_dir, "--prefix", prefix], check=True, stdout=subprocess.DEVNULL)
    for folder, _, files in os.walk(prefix):
        for name in files + [""]:
            path = os.path.join(folder, name)
            os.chmod(path, os.stat(path).st_mode & ~(stat.S_IWUSR | stat.S_IWGRP | stat.S_IWOTH))
    database = os.path.join(data, "Plurquiz", "plurquiz", "st_data.sqlite")
    program = Program(build_dir, display, folder=root, executable=os.path.join(prefix, "bin", "plurquiz"),
                      env={"XDG_DATA_HOME": data}, database=database)
    try:
        lang = program.window("Plurquiz  Español")
        program.press(program.find(lang, "English", "push button"))
        program.window(LAUNCHER)
        rows, = sqlite3.connect(database).execute("SELECT count(*) FROM test1").fetchone()
        assert rows >= 550, rows
        assert not os.path.exists(os.path.join(prefix, "bin", "st_data.sqlite"))
        # The Progress window loads the score chart from the prefix's plugin folder.
        program.focus(LAUNCHER)
        program.keys("ctrl+p")
        program.window("Progress")
        maps = open("/proc/%d/maps" % program.process.pid).read()
        assert os.path.join("plurquiz", "libplurquiz_chart.so") in maps, "the chart plugin is not loaded"
    finally:
        program.end()
        for folder, dirs, _ in os.walk(root):
            for d in dirs:
                os.chmod(os.path.join(folder, d), 0o755)
        shutil.rmtree(root, ignore_errors=True)


def qt_dialogs_speak_the_working_language(build_dir, display):
    """In Hungarian, the question before a delete has Qt's own buttons in Hungarian too; "Nem"
    keeps the sentence."""
    program = start(build_dir, display, language="Magyar")
    try:
        launcher = program.window(LAUNCHER)
        program.press(program.find(launcher, "Adatbázis", "radio button"))
        program.press(program.find(launcher, "OK", "push button"))
        editor = program.window("Adatbázis")
        program.press(program.find(editor, "Start", "push button"))
        db = sqlite3.connect(program.database)
        count = lambda: db.execute("SELECT count(*) FROM test1").fetchone()[0]
        before = count()
        program.press(program.find(editor, "Töröl", "push button"))

        def button(name):
            for w in program.windows():
                node = pyatspi.findDescendant(w, lambda n: (n.name or "").replace("&", "") == name and
                                              n.getRoleName() == "push button")
                if node is not None:
                    return node
            return None

        no = wait_for("the question's Hungarian No", lambda: button("Nem"))
        assert button("Igen") is not None and button("No") is None and button("Yes") is None
        program.press(no)
        wait_for("the question closed", lambda: button("Nem") is None)
        assert count() == before
    finally:
        program.end()


ALL = [
    ("Qt's own dialogs speak the working language", qt_dialogs_speak_the_working_language),
    ("every working language in turn, each ended by its end button", every_language_in_turn),
    ("the Tasks menu switches from practice to the test and back", the_tasks_menu_switches_from_practice_to_test),
    ("the reshuffle changes the order of the sentences", the_reshuffle_changes_the_order),
    ("practice, a test and its review by the keyboard alone", practice_test_and_review_by_keyboard_alone),
    ("an installed copy keeps its data in the user's folder", an_installed_copy_keeps_its_data_in_the_users_folder),
]
