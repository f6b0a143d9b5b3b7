"""A database file the program cannot use: it went away after start-up, or it holds a trigger
the program did not make. The program says why, goes on, and leaves the file alone."""
import hashlib
import os
import sqlite3

from desktop import Program, wait_for
from scenarios import LAUNCHER, labels_of_all, open_task, start


def told(program, words):
    return wait_for("a message saying " + repr(words), lambda: any(words in (t or "") for t in labels_of_all(program)))


def practice_menus_after_the_file_went_away(build_dir, display):
    program = start(build_dir, display)
    try:
        os.rename(program.database, program.database + ".moved")
        program.focus(LAUNCHER)
        program.keys("Return")
        told(program, "no longer there")
        program.keys("Return")
        # The message carries the window's title too: the window itself is the frame.
        practice = wait_for("the practice window", lambda: next(
            (w for w in program.windows() if "Practice" in (w.name or "") and w.getRoleName() == "frame"), None))
        wait_for("the message to close", lambda: not any(w.getRoleName() == "alert" for w in program.windows()))
        # Each menu item reached through the screen reader, as a learner's assistive tool can.
        for path in (["Settings", "Level", "1"], ["Settings", "Topics", "Verbs"],
                     ["Settings", "Starting point", "51"]):
            program.press(program.find_in(practice, path))
        wait_for("the practice window to stay", lambda: program.showing("Practice"))
        assert program.process.poll() is None, "the program ended"
        assert not os.path.exists(program.database)
    finally:
        program.end()


def a_file_with_a_foreign_trigger_is_refused_by_name(build_dir, display):
    first = start(build_dir, display)
    first.keep = True
    first.end()
    db = sqlite3.connect(first.database)
    db.execute("CREATE TRIGGER wipe_history AFTER INSERT ON hiba1 BEGIN DELETE FROM test_runs; END")
    db.commit()
    db.close()
    before = hashlib.sha256(open(first.database, "rb").read()).hexdigest()
    program = Program(build_dir, display, folder=first.folder)
    try:
        lang = program.window("Plurquiz  Español")
        program.press(program.find(lang, "English", "push button"))
        told(program, "trigger wipe_history")
        program.keys("Return")
        program.window(LAUNCHER)
        # The test window, which would write, does not use the file either.
        open_task(program, "alt+t", "Test")
        told(program, "trigger wipe_history")
        program.keys("Return")
        assert program.process.poll() is None, "the program ended"
        assert hashlib.sha256(open(program.database, "rb").read()).hexdigest() == before
    finally:
        program.end()


ALL = [
    ("the practice menus after the file went away leave the program running",
     practice_menus_after_the_file_went_away),
    ("a file with a foreign trigger is refused by its name", a_file_with_a_foreign_trigger_is_refused_by_name),
]
