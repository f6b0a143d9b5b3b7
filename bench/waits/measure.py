#!/usr/bin/python3
"""What a learner waits for in the real program on the largest file it takes: from a key press
until the window has finished painting (bench/waits/key_to_paint), for each step of a short
journey, with the accessibility bridge off and on (on: a listener for the events a screen reader
follows is running). Run by bench/waits/measure; prints a table of medians in milliseconds."""
import os
import random
import shutil
import sqlite3
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
SENTENCES = 32767  # serial numbers stop there
RUNS = 10000       # test runs in the history
ANSWERS_PER_RUN = 30

# (step, keys pressed first, the timed key). The journey starts on the launcher.
JOURNEY = [
    ("open Practice", ["FOCUS:PLURQUIZ ESPAÑOL"], "Return"),
    ("Start", [], "alt+s"),
    ("a level", ["alt+g l"], "2"),
    ("a topic", ["alt+g c"], "Return"),
    ("Next", [], "alt+n"),
    ("Close, to the launcher", [], "alt+c"),
    ("open the Database window", ["FOCUS:PLURQUIZ ESPAÑOL", "alt+d"], "Return"),
    ("Start (database)", ["FOCUS:Plurquiz Español  ----  Database"], "Return"),
    ("Find first", ["alt+d", "TYPE:FIND"], "Return"),
    ("Close, to the launcher ", ["FOCUS:Plurquiz Español  ----  Database"], "alt+c"),
    ("open Progress", ["FOCUS:PLURQUIZ ESPAÑOL"], "ctrl+p"),
    ("Close, to the launcher  ", ["FOCUS:Plurquiz Español  ----  Progress"], "alt+c"),
    ("open Today", ["FOCUS:PLURQUIZ ESPAÑOL", "alt+y"], "Return"),
    ("an answer (Today)", ["FOCUS:Plurquiz Español  ----  Today"], "a"),
    ("Next (Today)", [], "alt+n"),
]


def make_database(folder):
    """The built-in material repeated to 32,767 sentences (each its own text), with 10,000 test
    runs of 30 answers and a failed-item log of 200 rows."""
    material = os.path.join(ROOT, "data", "material.csv")
    lines = open(material, encoding="utf-8").read().splitlines()
    import csv
    rows = list(csv.reader(lines))
    header, body = rows[0], rows[1:]
    big = os.path.join(folder, "big.csv")
    with open(big, "w", encoding="utf-8", newline="") as f:
        w = csv.writer(f)
        w.writerow(header)
        for serial in range(1, SENTENCES + 1):
            r = list(body[(serial - 1) % len(body)])
            r[0] = str(serial)
            if serial > len(body):  # the sentence and its completed form, numbered alike
                r[4] = "%d. %s" % (serial, r[4])
                r[9] = "%d. %s" % (serial, r[9])
            w.writerow(r)
    db_path = os.path.join(folder, "st_data.sqlite")
    subprocess.run([os.path.join(folder, "plurquiz-import"), "--csv-in", big, db_path], check=True,
                   stdout=subprocess.DEVNULL)
    os.remove(big)
    db = sqlite3.connect(db_path)
    rnd = random.Random(7)
    # The shuffled order, as the reshuffle leaves it.
    db.executemany("UPDATE test1 SET sorrend2 = ? WHERE sorszam = ?",
                   [(rnd.randint(1, 3000), s) for s in range(1, SENTENCES + 1)])
    columns = [r[1] for r in db.execute("PRAGMA table_info(test_answers)")]
    for run in range(1, RUNS + 1):
        correct = 0
        answers = []
        for position in range(1, ANSWERS_PER_RUN + 1):
            serial = rnd.randint(1, SENTENCES)
            right = rnd.random() < 0.7
            correct += right
            values = {"run_id": run, "position": position, "serial": serial, "chosen": "A" if right else "B",
                      "right_letter": "A", "correct": int(right), "seconds": 5.0}
            answers.append(values)
        day = "2024-%02d-%02dT10:00:00Z" % (1 + run * 12 // (RUNS + 1), 1 + run % 28)
        db.execute("INSERT INTO test_runs (id, started_at, ended_at, mode, run_length, delay_seconds, presented,"
                   " correct) VALUES (?, ?, ?, 0, 30, 0, 30, ?)", (run, day, day, correct))
        known = [c for c in columns if c in answers[0]]
        db.executemany("INSERT INTO test_answers (%s) VALUES (%s)" % (", ".join(known), ", ".join("?" * len(known))),
                       [tuple(a[c] for c in known) for a in answers])
    if "sentence" in columns:  # answers refer to the sentence's own identity
        db.execute("UPDATE test_answers SET sentence = (SELECT id FROM sentences WHERE serial = test_answers.serial)")
    fields = "hiba, mondat, a, b, c, d, felelet1, felelet2"
    db.execute("INSERT INTO hiba1 (%s) SELECT 'B', mondat, a, b, c, d, felelet1, felelet2 FROM test1 "
               "WHERE sorszam <= 200" % fields)
    db.commit()
    # The search looks for the last sentence in the table's order that can be typed without
    # accents (xdotool types other letters through a keyboard mapping it changes on the fly, which
    # loses one now and then).
    last = next(m for (m,) in db.execute("SELECT mondat FROM test1 ORDER BY sorrend2 DESC, sorszam DESC")
                if m.isascii() and "'" not in m)
    db.close()
    return last


def run_journey(build, display, accessible, template, find_text):
    folder = tempfile.mkdtemp(prefix="plurquiz-waits-")
    for name in ("plurquiz", "plurquiz-import", "libplurquiz_chart.so"):
        shutil.copy2(os.path.join(build, name), folder)
    shutil.copy2(template, os.path.join(folder, "st_data.sqlite"))
    env = dict(os.environ, DISPLAY=display, LANG="C.UTF-8")
    env.pop("QT_QPA_PLATFORM", None)
    env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
    if accessible:
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
    program = subprocess.Popen([os.path.join(folder, "plurquiz")], cwd=folder, env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    probe = os.path.join(ROOT, "build-bench-waits", "key_to_paint")
    figures = {}
    try:
        wait_title(env, "Plurquiz  Español")
        subprocess.run([probe, "Return"], env=env, check=True, stdout=subprocess.DEVNULL)  # English
        wait_title(env, "PLURQUIZ ESPAÑOL")
        time.sleep(1.5)  # the splash has gone and the launcher has the focus
        for step, prep, key in JOURNEY:
            for p in prep:
                if p.startswith("FOCUS:"):  # there is no window manager to give it
                    focus(env, p[len("FOCUS:"):])
                elif p == "TYPE:FIND":
                    subprocess.run(["xdotool", "type", "--delay", "5", "mondat = '%s'" % find_text.replace("'", "''")],
                                   env=env, check=True)
                else:  # pressed, and its painting waited out
                    subprocess.run([probe, p], env=env, stdout=subprocess.DEVNULL)
            out = subprocess.run([probe, key], env=env, capture_output=True, text=True).stdout.strip()
            figures[step] = float(out) if out and out != "timeout" else float("nan")
            if os.environ.get("WAITS_SHOTS"):  # to see that each step did what it says
                shot = os.path.join(os.environ["WAITS_SHOTS"], "%02d.png" % len(figures))
                subprocess.run("xwd -root -silent | convert xwd:- '%s'" % shot, shell=True, env=env)
    finally:
        program.kill()
        program.wait()
        shutil.rmtree(folder, ignore_errors=True)
    return figures


def focus(env, title):
    ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^" + title + "$"], env=env,
                         capture_output=True, text=True).stdout.split()
    if ids:
        subprocess.run(["xdotool", "windowactivate", "--sync", ids[-1]], env=env, stderr=subprocess.DEVNULL)
        subprocess.run(["xdotool", "windowfocus", "--sync", ids[-1]], env=env, stderr=subprocess.DEVNULL)
        time.sleep(0.3)


def wait_title(env, title, deadline=20):
    end = time.monotonic() + deadline
    while time.monotonic() < end:
        if subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title], env=env,
                          capture_output=True).returncode == 0:
            return
        time.sleep(0.05)
    raise SystemExit("no window titled " + title)


def main():
    build, display, rounds = sys.argv[1], sys.argv[2], int(sys.argv[3])
    accessible = os.environ.get("WAITS_ACCESSIBLE") == "1"
    work = tempfile.mkdtemp(prefix="plurquiz-waits-db-")
    for name in ("plurquiz-import",):
        shutil.copy2(os.path.join(build, name), work)
    find_text = make_database(work)
    template = os.path.join(work, "st_data.sqlite")
    listener = None
    if accessible:
        listener = subprocess.Popen([sys.executable, os.path.join(HERE, "listener.py")], env=dict(
            os.environ, DISPLAY=display))
    results = {}
    try:
        for _ in range(rounds):
            for step, value in run_journey(build, display, accessible, template, find_text).items():
                results.setdefault(step, []).append(value)
    finally:
        if listener:
            listener.terminate()
        shutil.rmtree(work, ignore_errors=True)
    for step, _, _ in JOURNEY:
        values = results.get(step, [])
        print("%-28s %8.1f ms  (%s)" % (step, statistics.median(values), " ".join("%.0f" % v for v in values)))


if __name__ == "__main__":
    main()
