"""What a learner does with the launcher, checked in the running program."""
import sqlite3

from desktop import Program, wait_for

LAUNCHER = "PLURQUIZ ESPAÑOL"


def start(build_dir, display, language="English"):
    """A fresh folder, the program started, a language chosen: the launcher is up."""
    program = Program(build_dir, display)
    try:
        lang = program.window("Plurquiz  Español")
        program.press(program.find(lang, language, "push button"))
        program.window(LAUNCHER)
        return program
    except Exception:
        program.end()
        raise


def enter_on_the_launcher_opens_practice(build_dir, display):
    program = start(build_dir, display)
    try:
        program.focus(LAUNCHER)
        program.keys("Return")
        program.window("Practice")
        program.gone(LAUNCHER)
        rows = sqlite3.connect(program.database).execute("SELECT count(*) FROM test1").fetchone()[0]
        assert rows >= 550, rows
    finally:
        program.end()


def an_option_chosen_through_the_screen_reader_opens_its_window(build_dir, display):
    program = start(build_dir, display, "Magyar")
    try:
        launcher = program.window(LAUNCHER)
        test = program.find(launcher, "Teszt", "radio button")
        program.press(test)
        wait_for("the Test option to be checked", lambda: test.getState().contains(__import__("pyatspi").STATE_CHECKED))
        program.press(program.find(launcher, "OK", "push button"))
        program.window("Teszt")
        program.gone(LAUNCHER)
    finally:
        program.end()


def enter_opens_the_option_chosen_by_keys(build_dir, display):
    program = start(build_dir, display, "Español")
    try:
        program.focus(LAUNCHER)
        program.keys("alt+b")  # "&Base de datos"
        program.keys("Return")
        program.window("Base de datos")
        program.gone(LAUNCHER)
    finally:
        program.end()


def exit_ends_the_program(build_dir, display):
    program = start(build_dir, display)
    try:
        launcher = program.window(LAUNCHER)
        program.press(program.find(launcher, "EXIT", "push button"))
        assert program.exit_status() == 0
    finally:
        program.end()


ALL = [
    ("enter on the launcher opens practice", enter_on_the_launcher_opens_practice),
    ("an option chosen through the screen reader opens its window",
     an_option_chosen_through_the_screen_reader_opens_its_window),
    ("Enter opens the option chosen by its mnemonic", enter_opens_the_option_chosen_by_keys),
    ("EXIT ends the program with status 0", exit_ends_the_program),
]
