"""Today across three days, the program's clock moved by faketime: the launcher's count, the day's
queue answered by keys, the memory the file then holds checked against the model written again,
and a restarted program showing the same queue; then the import tool's two exports of that memory
checked against each other and the model."""
import csv
import datetime
import os
import sqlite3
import subprocess
from collections import defaultdict

import memory_model
from desktop import Program, wait_for
from scenarios import LAUNCHER, labels, open_task

FAKETIME = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"
FIRST_DAY = datetime.date(2026, 12, 8)


def start_on(build_dir, display, day, folder=None):
    """The program started on `day` (days after FIRST_DAY) at ten in the morning, English chosen."""
    when = FIRST_DAY + datetime.timedelta(days=day)
    env = {"LD_PRELOAD": FAKETIME, "FAKETIME": "@%s 10:00:00" % when.isoformat(), "FAKETIME_DONT_FAKE_MONOTONIC": "1",
           # A build with the address sanitizer wants its runtime first; faketime's comes before it.
           "ASAN_OPTIONS": ":".join(filter(None, [os.environ.get("ASAN_OPTIONS"), "verify_asan_link_order=0"]))}
    program = Program(build_dir, display, folder=folder, env=env)
    try:
        lang = program.window("Plurquiz  Español")
        program.press(program.find(lang, "English", "push button"))
        program.window(LAUNCHER)
        return program
    except Exception:
        program.end()
        raise


def julian(day):
    return (FIRST_DAY + datetime.timedelta(days=day)).toordinal() + 1721425


def launcher_line(program):
    launcher = program.window(LAUNCHER)
    return wait_for("the line under Today", lambda: next(
        (t for t in labels(launcher) if "today" in t.lower()), None))


def left_line(window):
    return wait_for("what is left", lambda: next((t for t in labels(window) if " due · " in t), None))


def shown_sentence(window):
    return wait_for("a sentence", lambda: next((t for t in labels(window) if "..." in t), None))


def answer(program, window, count, letter):
    """Answers `count` sentences with `letter` and Next; returns the sentences answered."""
    answered = []
    for _ in range(count):
        sentence = shown_sentence(window)
        answered.append(sentence)
        before = left_line(window)
        program.keys(letter)
        wait_for("the answer counted", lambda: left_line(window) != before)
        program.keys("alt+n")
        wait_for("the next sentence or the end",
                 lambda: shown_sentence_or_end(window) not in (None, sentence))
    return answered


def shown_sentence_or_end(window):
    texts = labels(window)
    return next((t for t in texts if "..." in t or "all for today" in t), None)


def check_memory_against_the_model(database, today):
    """Every state equals the model's replay of the sentence's logged answers; returns the number
    due on `today` by the model."""
    db = sqlite3.connect(database)
    answers = defaultdict(list)
    flags = defaultdict(list)
    for sentence, day, grade, updated in db.execute(
            "SELECT sentence, day, grade, updated FROM answer_log WHERE sentence IS NOT NULL ORDER BY id"):
        answers[sentence].append((day, grade))
        flags[sentence].append(bool(updated))
    states = {row[0]: row[1:] for row in db.execute(
        "SELECT sentence, stability, difficulty, due_day FROM memory_states")}
    assert set(states) == set(answers), "a state without answers, or answers without a state"
    due = 0
    for sentence, given in answers.items():
        s, d, due_day, updated = memory_model.replay(given)
        stability, difficulty, stored_due = states[sentence]
        assert abs(s - stability) < 1e-6 and abs(d - difficulty) < 1e-6, (sentence, s, stability, d, difficulty)
        assert due_day == stored_due, (sentence, due_day, stored_due)
        assert updated == flags[sentence], (sentence, updated, flags[sentence])
        due += due_day <= julian(today)
    db.close()
    return due


def iso_day(julian_day):
    return datetime.date.fromordinal(julian_day - 1721425).isoformat()


def check_exports_against_the_model(build_dir, database):
    """plurquiz-import --memory-out and --answers-out: each sentence's line of the first is the
    model's replay of its answers in the second (their local days and grades), with the same
    updates, lapses, last update and due date. Returns the number of sentences."""
    folder = os.path.dirname(database)
    paths = {option: os.path.join(folder, option[2:] + ".csv") for option in ("--memory-out", "--answers-out")}
    for option, path in paths.items():
        subprocess.run([os.path.join(build_dir, "plurquiz-import"), "--force", option, database, path],
                       check=True)
    answers = defaultdict(list)
    with open(paths["--answers-out"], newline="", encoding="utf-8") as f:
        for row in csv.DictReader(f):
            if row["sentence_id"]:
                day = datetime.date.fromisoformat(row["answered_at"][:10]).toordinal() + 1721425
                answers[row["sentence_id"]].append((day, int(row["grade"]), row["updated"] == "1"))
    with open(paths["--memory-out"], newline="", encoding="utf-8") as f:
        states = list(csv.DictReader(f))
    assert sorted(r["sentence_id"] for r in states) == sorted(answers), "states and answers differ"
    for row in states:
        given = answers[row["sentence_id"]]
        s, d, due, updated = memory_model.replay([(day, grade) for day, grade, _ in given])
        assert updated == [u for _, _, u in given], (row, given)
        assert abs(s - float(row["stability"])) < 1e-6 and abs(d - float(row["difficulty"])) < 1e-6, (row, s, d)
        moved = [(day, grade) for (day, grade, _), u in zip(given, updated) if u]
        assert (row["due"], row["last_update"]) == (iso_day(due), iso_day(moved[-1][0])), (row, due)
        assert (int(row["updates"]), int(row["lapses"])) == (len(moved), sum(g == 1 for _, g in moved[1:])), row
    return len(states)


def today_across_three_days(build_dir, display):
    assert os.path.exists(FAKETIME), "faketime is not installed (scripts/install-deps installs it)"
    # Day 0: nothing seen yet; ten new sentences, answered with "a" (about a quarter right).
    program = start_on(build_dir, display, 0)
    folder = program.folder
    program.keep = True
    try:
        assert launcher_line(program) == "Nothing to review today · 10 new sentences", launcher_line(program)
        today = open_task(program, "alt+y", "Today")
        assert left_line(today) == "0 due · 10 new · 0 done", left_line(today)
        answer(program, today, 10, "a")
        wait_for("the end of the day", lambda: any("all for today" in t for t in labels(today)))
        assert any("\n\nNext: " in t for t in labels(today)), labels(today)
    finally:
        program.end()
    assert check_memory_against_the_model(os.path.join(folder, "st_data.sqlite"), 0) == 0

    # Day 1: the ones answered wrongly are due; then ten new ones; all answered with "b".
    expected = check_memory_against_the_model(os.path.join(folder, "st_data.sqlite"), 1)
    program = start_on(build_dir, display, 1, folder)
    program.keep = True
    try:
        line = launcher_line(program)
        assert line == ("%d sentences to review today" % expected if expected else
                        "Nothing to review today · 10 new sentences"), (line, expected)
        today = open_task(program, "alt+y", "Today")
        assert left_line(today) == "%d due · 10 new · 0 done" % expected, left_line(today)
        answer(program, today, expected + 10, "b")
    finally:
        program.end()

    # Day 3: the count again by the model; a restarted program offers the same queue, before and
    # after three answers.
    expected = check_memory_against_the_model(os.path.join(folder, "st_data.sqlite"), 3)
    assert expected > 0
    program = start_on(build_dir, display, 3, folder)
    program.keep = True
    try:
        assert launcher_line(program) == "%d sentences to review today" % expected, (launcher_line(program), expected)
        today = open_task(program, "alt+y", "Today")
        first, line = shown_sentence(today), left_line(today)
    finally:
        program.end()
    program = start_on(build_dir, display, 3, folder)
    program.keep = True
    try:
        today = open_task(program, "alt+y", "Today")
        assert (shown_sentence(today), left_line(today)) == (first, line)
        answer(program, today, 3, "c")
        fourth, line = shown_sentence(today), left_line(today)
    finally:
        program.end()
    program = start_on(build_dir, display, 3, folder)
    try:
        today = open_task(program, "alt+y", "Today")
        assert (shown_sentence(today), left_line(today)) == (fourth, line)
        check_memory_against_the_model(os.path.join(folder, "st_data.sqlite"), 3)
        assert check_exports_against_the_model(build_dir, os.path.join(folder, "st_data.sqlite")) >= 20
    finally:
        program.end()


ALL = [("today: three days of answers by keys agree with the model, as do the tool's exports; a restart "
        "shows the same queue", today_across_three_days)]
