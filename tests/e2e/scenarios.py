"""What a learner does with the launcher, checked in the running program."""
import sqlite3
import subprocess
import time

from desktop import Program, plain, wait_for

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


def labels(window):
    import pyatspi
    found = []
    pyatspi.findAllDescendants(window, lambda n: n.getRoleName() == "label" and
                               n.getState().contains(pyatspi.STATE_SHOWING) and found.append(n.name) and False)
    return found


def open_task(program, key, title):
    """From the launcher, by keys: the task option's mnemonic, then Enter; the task window opens
    and has the keyboard focus. Returns it."""
    program.focus(LAUNCHER)
    program.keys(key, "Return")
    window = program.window(title)
    program.focus(title)
    return window


def open_practice(program):
    """From the launcher, by keys: Enter opens practice, Start shows the first sentence.
    Returns the practice window and that sentence."""
    program.focus(LAUNCHER)
    program.keys("Return")
    practice = program.window("Practice")
    program.focus("Practice")
    program.keys("alt+s")
    return practice, wait_for("a sentence", lambda: next((t for t in labels(practice) if "..." in t), None))


def record_position(window, program):
    """The practice window's "position / count" of the record shown, read beside its "/" (the
    step counter after the "." holds numbers too)."""
    slash = program.find(window, "/", "label")
    row, at = slash.parent, slash.getIndexInParent()
    return row.getChildAtIndex(at - 1).name, row.getChildAtIndex(at + 1).name


def practice_answer_solution_and_level(build_dir, display):
    program = start(build_dir, display)
    try:
        practice, sentence = open_practice(program)
        db = sqlite3.connect(program.database)
        solution, = db.execute("SELECT felelet1 FROM test1 WHERE mondat = ?", (sentence.strip(),)).fetchone()
        program.keys("c")
        program.keys("alt+o")
        wait_for("the solution of the sentence shown", lambda: " " + solution in labels(practice))
        # Level 1, then Next: the second level-1 sentence in shuffled order, position 2 of all.
        program.press(program.find_in(practice, ["Settings", "Level", "1"]))
        level1 = [r[0] for r in db.execute("SELECT mondat FROM test1 WHERE szint = 1 ORDER BY sorrend2, sorszam")]
        wait_for("the first level-1 sentence", lambda: " " + level1[0] in labels(practice))
        program.keys("alt+n")
        wait_for("the second level-1 sentence", lambda: " " + level1[1] in labels(practice))
        assert record_position(practice, program) == ("2", str(len(level1)))
    finally:
        program.end()


ALL.append(("practice: an answer, its solution, then level 1 in order", practice_answer_solution_and_level))


def item_number(window, program):
    """The label left of the "." in the test window's status row: the item number."""
    dot = program.find(window, ".", "label")
    return dot.parent.getChildAtIndex(dot.getIndexInParent() - 1)


def counted_test_run(build_dir, display, letter="a"):
    """A counted run of 20 answered with one fixed letter; returns (program, window, k)."""
    program = start(build_dir, display)
    test = open_task(program, "alt+t", "Test")
    db = sqlite3.connect(program.database)
    return program, test, run_counted_test(program, test, db, letter), db


def a_counted_run_of_20_ends_by_itself(build_dir, display):
    program, test, right, db = counted_test_run(build_dir, display)
    try:
        failed, = db.execute("SELECT count(*) - 1 FROM hiba1").fetchone()
        assert failed == 20 - right, (failed, right)
        if right == 20:
            return
        # The link, clicked as a learner clicks it, opens the review; its Close empties the log.
        link = program.find(test, "If you want to see the items you failed to answer correctly, click here.", "label")
        program.click(link)
        review = program.window("Failed items")
        program.press(program.find(review, "Start", "push button"))
        program.press(program.find(review, "Close", "push button"))
        program.gone("Failed items")
        wait_for("the log to hold only its placeholder",
                 lambda: db.execute("SELECT count(*) FROM hiba1").fetchone()[0] == 1)
    finally:
        program.end()


ALL.append(("test: a counted run of 20 ends by itself; the review empties the log", a_counted_run_of_20_ends_by_itself))


def editor_change_survives_a_restart_and_a_bad_level_is_refused(build_dir, display):
    import hashlib
    import pyatspi
    program = start(build_dir, display)
    try:
        editor = open_task(program, "alt+d", "Database")
        program.press(program.find(editor, "Start", "push button"))
        db = sqlite3.connect(program.database)
        first, shown, level_of = db.execute(
            "SELECT sorszam, mondat, szint FROM test1 ORDER BY sorrend2, sorszam LIMIT 1").fetchone()

        def boxes():
            return pyatspi.findAllDescendants(editor, lambda n: n.getRoleName() in ("text", "entry", "paragraph")
                                              and n.getState().contains(pyatspi.STATE_SHOWING))

        def text(n):
            return n.queryText().getText(0, -1)

        def place(n):
            e = n.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            return e.y, e.x

        # The boxes show one by one as the record comes in: each is found by what it holds.
        sentence = wait_for("the first record's sentence", lambda: next(
            (n for n in boxes() if text(n) == shown), None))
        def level_box():  # the first box of the form, once it holds the record's level
            top = min(boxes(), key=place, default=None)
            return top if top is not None and text(top) == str(level_of) else None
        level = wait_for("the first record's level", level_box)
        Program.type_into(sentence, program, "Mi nuevo ... de prueba")
        program.keys("alt+x")
        wait_for("the changed sentence in the file", lambda: db.execute(
            "SELECT mondat FROM test1 WHERE sorszam = ?", (first,)).fetchone()[0] == "Mi nuevo ... de prueba")
        # A level of 7: a message, and the file as it was.
        before = hashlib.sha256(open(program.database, "rb").read()).hexdigest()
        Program.type_into(level, program, "7")
        program.keys("alt+x")
        box = program.window("Database")
        wait_for("the message about the level", lambda: any(
            "level must be 1, 2 or 3" in (t or "") for t in labels_of_all(program)))
        program.keys("Return")
        after = hashlib.sha256(open(program.database, "rb").read()).hexdigest()
        assert before == after
        program.keep = True
    finally:
        program.end()
    again = Program(build_dir, display, folder=program.folder)
    try:
        lang = again.window("Plurquiz  Español")
        again.press(again.find(lang, "English", "push button"))
        again.window(LAUNCHER)
        row, = sqlite3.connect(again.database).execute(
            "SELECT count(*) FROM test1 WHERE mondat = 'Mi nuevo ... de prueba'").fetchone()
        assert row == 1
    finally:
        again.end()


def labels_of_all(program):
    found = []
    for w in program.windows():
        try:
            found += labels(w)
        except Exception:
            continue
    return found


ALL.append(("database: a change survives a restart; a level of 7 is refused",
            editor_change_survives_a_restart_and_a_bad_level_is_refused))


def run_counted_test(program, test, db, letter):
    """In the open test window: Number of sentences 20, Start (or Restart), every sentence answered
    with `letter` by its key and Next; returns the number right once the score shows."""
    program.press(program.find_in(test, ["Settings", "Parameters", "Number of sentences", "20"]))
    program.focus("Test")
    program.keys("alt+s")
    number = item_number(test, program)
    right = 0
    for i in range(20):
        wait_for("sentence %d" % (i + 1), lambda: (number.name or "").strip() == str(i + 1))
        sentence = next(t for t in labels(test) if "..." in t)
        letter_right, = db.execute("SELECT felelet2 FROM test1 WHERE mondat = ?", (sentence.strip(),)).fetchone()
        right += letter_right == letter.upper()
        program.keys(letter, "alt+n")
    wait_for("the score", lambda: "%d/20" % right in labels(test))
    return right


def most_missed(db):
    """The sentences most often answered wrongly (by identity), most first, then the most recent, then by serial."""
    return [row[0] for row in db.execute(
        "SELECT q.mondat FROM test_answers a JOIN test_runs r ON r.id = a.run_id"
        " JOIN sentences s ON s.id = a.sentence JOIN test1 q ON q.sorszam = s.serial"
        " WHERE a.correct = 0 GROUP BY a.sentence ORDER BY count(*) DESC, max(r.started_at) DESC, q.sorszam LIMIT 20")]


def progress_shows_two_runs_and_practises_the_most_missed(build_dir, display):
    import re
    import pyatspi
    program = start(build_dir, display)
    try:
        # Before any test, Ctrl+P on the launcher shows how the history fills; Close goes back.
        program.focus(LAUNCHER)
        program.keys("ctrl+p")
        progress = program.window("Progress")
        wait_for("the explanation of an empty history",
                 lambda: any("once you have taken a test" in (t or "") for t in labels(progress)))
        program.press(program.find(progress, "Close", "push button"))
        program.window(LAUNCHER)
        program.gone("Progress")

        test = open_task(program, "alt+t", "Test")
        db = sqlite3.connect(program.database)
        scores = [run_counted_test(program, test, db, letter) for letter in ("a", "c")]

        # The test window's Tasks menu, by its shortcut: two points, each the evaluation shown.
        program.focus("Test")
        program.keys("ctrl+p")
        progress = program.window("Progress")
        chart = wait_for("the chart's points", lambda: pyatspi.findDescendant(
            progress, lambda n: "/20)" in (n.description or "")))
        points = [(int(c), int(n)) for c, n in re.findall(r"(\d+)/(\d+)\)", chart.description)]
        assert points == [(scores[0], 20), (scores[1], 20)], (points, scores)
        percents = [int(p) for p in re.findall(r": (\d+)%", chart.description)]
        assert percents == [round(s * 100 / 20) for s in scores], (percents, scores)
        def cells():
            return sorted(n.name for n in pyatspi.findAllDescendants(
                progress, lambda n: n.getRoleName() == "table cell" and re.fullmatch(r"\d+/20", n.name or "")))
        try:
            wait_for("the list of tests", lambda: cells() == sorted("%d/20" % s for s in scores))
        except AssertionError:
            raise AssertionError((cells(), scores))

        # Practise these: the practice window, in order, on the most missed sentences.
        missed = most_missed(db)
        assert missed, "no sentence was answered wrongly"
        program.press(program.find(progress, "Practise these", "push button"))
        practice = program.window("Practice")
        program.gone("Progress")
        wait_for("the most missed sentence", lambda: " " + missed[0] in labels(practice))
        assert record_position(practice, program) == ("1", str(len(missed)))
        if len(missed) > 1:
            program.focus("Practice")
            program.keys("Return")
            wait_for("the next most missed sentence", lambda: " " + missed[1] in labels(practice))
    finally:
        program.end()


def listen_after_an_answer(build_dir, display):
    """Listen shows once the sentence is answered; where this desktop has no Spanish voice it is
    disabled and says why, and neither it nor the setting to read every answer aloud ends the
    program."""
    import pyatspi
    program = start(build_dir, display)
    try:
        practice, _ = open_practice(program)

        def listen_showing():
            node = pyatspi.findDescendant(practice, lambda n: plain(n.name) == "Listen" and
                                          n.getRoleName() == "push button")
            return node if node is not None and node.getState().contains(pyatspi.STATE_SHOWING) else None

        assert listen_showing() is None, "Listen before an answer"
        program.keys("c")
        listen = wait_for("the Listen button after the answer", listen_showing)
        # The speech service starts on the speech thread: the window does not wait for it, and the
        # button tells what became of it once the service has answered.
        looking = "Looking for a Spanish voice"
        wait_for("the speech service's answer", lambda: looking not in (listen.description or ""))
        if not listen.getState().contains(pyatspi.STATE_SENSITIVE):
            assert "Cannot read aloud" in (listen.description or ""), listen.description
            print("      Listen is disabled here: " + listen.description, flush=True)
        else:
            print("      Listen is enabled: a Spanish voice speaks here", flush=True)
        program.keys("ctrl+l")
        speak = program.find_in(practice, ["Settings", "Read the sentence aloud after each answer"])
        program.press(speak)
        wait_for("the setting checked", lambda: speak.getState().contains(pyatspi.STATE_CHECKED))
        # The window still answers keys after all that: the next sentence hides Listen, an answer
        # shows it again.
        program.focus("Practice")
        program.keys("alt+n")
        wait_for("Listen hidden on the next sentence", lambda: listen_showing() is None)
        program.keys("a")
        wait_for("Listen after the second answer", listen_showing)
        program.keys("ctrl+l")
        assert program.process.poll() is None, "the program ended"
    finally:
        program.end()


def answers_given_while_another_program_writes_reach_the_history(build_dir, display):
    """Another program holds the file's write lock through five answers: the learner is told once,
    the run goes on, and once the lock is gone every answer is in the history, each failed item
    with its answer."""
    program = start(build_dir, display)
    other = None
    try:
        test = open_task(program, "alt+t", "Test")
        db = sqlite3.connect(program.database)
        program.press(program.find_in(test, ["Settings", "Parameters", "Number of sentences", "20"]))
        program.focus("Test")
        program.keys("alt+s")
        number = item_number(test, program)

        def boxes():
            return [w for w in program.windows() if w.name == "Test"]

        right = 0
        for i in range(20):
            wait_for("sentence %d" % (i + 1), lambda: (number.name or "").strip() == str(i + 1))
            sentence = next(t for t in labels(test) if "..." in t)
            letter, = db.execute("SELECT felelet2 FROM test1 WHERE mondat = ?", (sentence.strip(),)).fetchone()
            if i == 4:
                other = sqlite3.connect(program.database, isolation_level=None, timeout=0)
                other.execute("BEGIN IMMEDIATE")
                other.execute("UPDATE test_runs SET correct = correct")
            if i == 9:
                other.execute("ROLLBACK")
                other.close()
                other = None
            # Right answers while the lock is held (a wrong one would stop the run), else a wrong one
            # now and then.
            if not (4 <= i < 9) and i % 2:
                letter = "A" if letter != "A" else "B"
            right += letter == db.execute("SELECT felelet2 FROM test1 WHERE mondat = ?",
                                          (sentence.strip(),)).fetchone()[0]
            program.focus("Test")
            program.keys(letter.lower(), "alt+n")
            if i == 4:
                box = wait_for("the message about the history", boxes)[0]
                assert any("progress history" in t for t in labels(box)), labels(box)
                program.press(program.find(box, "OK", "push button"))
                wait_for("the message to close", lambda: not boxes())
        wait_for("the score", lambda: "%d/20" % right in labels(test))
        assert not boxes(), "told more than once"
        presented, correct = db.execute("SELECT presented, correct FROM test_runs").fetchone()
        assert (presented, correct) == (20, right), (presented, correct, right)
        positions = [p for p, in db.execute("SELECT position FROM test_answers ORDER BY position")]
        assert positions == list(range(1, 21)), positions
        wrong, = db.execute("SELECT count(*) FROM test_answers WHERE correct = 0").fetchone()
        failed, = db.execute("SELECT count(*) - 1 FROM hiba1").fetchone()
        assert wrong == failed == 20 - right, (wrong, failed, right)
    finally:
        if other:
            other.close()
        program.end()


ALL.append(("history: answers given while another program writes reach it once the file is free",
            answers_given_while_another_program_writes_reach_the_history))
ALL.append(("progress: two counted runs are two points; practise these opens the most missed",
            progress_shows_two_runs_and_practises_the_most_missed))
ALL.append(("practice: Listen after an answer, with or without a Spanish voice", listen_after_an_answer))


def memory_grid(program, from_title):
    """Progress opened by Ctrl+P from the window of that title, on its memory page (Alt+M): the grid."""
    program.focus(from_title)
    program.keys("ctrl+p")
    program.window("Progress")
    program.focus("Progress")
    program.keys("alt+m")
    return program.find(program.window("Progress"), "What you are likely to remember today, by topic and level",
                        "table")


def verbs_cell(grid):
    import pyatspi
    return wait_for("the cell of the verbs at level 1", lambda: pyatspi.findDescendant(
        grid, lambda n: n.getRoleName() == "table cell" and (n.name or "").startswith("Verbs, level 1: ")))


def the_mastery_grid_speaks_and_opens_practice(build_dir, display):
    """After a test, the Progress window's memory page: the grid and each cell say their figures,
    and a click on the cell of the verbs at level 1 opens practice on exactly those sentences, in
    the practice window's order."""
    import re
    import pyatspi
    program = start(build_dir, display)
    try:
        test = open_task(program, "alt+t", "Test")
        db = sqlite3.connect(program.database)
        run_counted_test(program, test, db, "a")
        grid = memory_grid(program, "Test")
        verbs = [r[0] for r in db.execute("SELECT mondat FROM test1 WHERE kulcs1 = '1' AND szint = 1"
                                          " ORDER BY sorrend2, sorszam")]
        seen, = db.execute("SELECT count(*) FROM memory_states m JOIN sentences s ON s.id = m.sentence"
                           " JOIN test1 t ON t.sorszam = s.serial WHERE t.kulcs1 = '1' AND t.szint = 1").fetchone()
        cell = verbs_cell(grid)
        if seen:
            assert re.search(r": \d+%% likely remembered today; %d of %d sentences seen, \d+ due$" % (seen, len(verbs)),
                             cell.name), cell.name
        else:
            assert cell.name == "Verbs, level 1: none of its %d sentences seen yet" % len(verbs), cell.name
        assert cell.name in (grid.description or ""), grid.description
        # Enter on the grid, whose keyboard starts on its first cell; then, opened again, a click.
        for by_click in (False, True):
            if by_click:
                program.press(program.find(practice, "Close", "push button"))
                grid = memory_grid(program, LAUNCHER)
                cell = verbs_cell(grid)
                program.click(cell)
            else:
                # Alt+M left the keyboard on the page's tab; Tab goes on to the grid.
                program.keys("Tab")
                wait_for("the grid to take the focus", lambda: grid.getState().contains(pyatspi.STATE_FOCUSED) or
                         pyatspi.findDescendant(grid, lambda n: n.getState().contains(pyatspi.STATE_FOCUSED)))
                program.keys("Return")
            practice = program.window("Practice")
            program.gone("Progress")
            wait_for("the cell's name as the topic", lambda: "Verbs · level 1" in labels(practice))
            wait_for("the first verb of level 1", lambda: " " + verbs[0] in labels(practice))
            assert record_position(practice, program) == ("1", str(len(verbs)))
    finally:
        program.end()


ALL.append(("progress: the mastery grid speaks its cells; a click practises a cell",
            the_mastery_grid_speaks_and_opens_practice))


def open_database_window(program):
    """From the launcher, by keys: the database window, started on its first record."""
    editor = open_task(program, "alt+d", "Database")
    program.press(program.find(editor, "Start", "push button"))
    return editor


def a_refused_delete_is_told(build_dir, display):
    """Delete answered Yes while another program holds the file: a message says the change could
    not be saved, and the sentence is still there."""
    import pyatspi
    program = start(build_dir, display)
    try:
        editor = open_database_window(program)
        serial = wait_for("the serial box", lambda: pyatspi.findDescendant(
            editor, lambda n: n.name == "Serial number" and (n.queryText().characterCount or 0) > 0))
        number = serial.queryText().getText(0, -1)
        other = sqlite3.connect(program.database, isolation_level=None)
        other.execute("BEGIN EXCLUSIVE")
        try:
            program.focus("Database")
            program.keys("alt+e")
            question = wait_for("the question", lambda: any(
                "Delete sentence number %s for good?" % number in (t or "") for t in labels_of_all(program)))
            assert question
            program.keys("alt+y")
            wait_for("the message that the change was not saved", lambda: any(
                "could not be saved" in (t or "") for t in labels_of_all(program)))
            program.keys("Return")
        finally:
            other.execute("ROLLBACK")
            other.close()
        rows, = sqlite3.connect(program.database).execute(
            "SELECT count(*) FROM test1 WHERE sorszam = ?", (int(number),)).fetchone()
        assert rows == 1, rows
    finally:
        program.end()


ALL.append(("database: a Delete the file refuses is told", a_refused_delete_is_told))


def font_attributes(box):
    """The text attributes of the box's first character, as a screen reader reads them
    ('family-name:"Times New Roman"; size:12; ...')."""
    attributes = box.queryText().getAttributeRun(0, False)[0]
    return "; ".join(attributes) if isinstance(attributes, (list, tuple)) else attributes


def choose_font(program, family, size):
    """In Qt's font dialog, by keys: the family by its name, the size, then OK."""
    dialog = program.window("Select Font")
    program.focus("Select Font")
    subprocess.run(["xdotool", "type", "--delay", "20", family], env=program.env, check=True)
    program.keys("alt+s", "ctrl+a")
    subprocess.run(["xdotool", "type", "--delay", "20", str(size)], env=program.env, check=True)
    program.keys("Return")
    program.gone("Select Font")
    return dialog


def a_font_chosen_by_mouse_or_keys_shows_in_the_sentence_box(build_dir, display):
    """Fonts, opened with the mouse and with Alt+O then F, gives the sentence box the font chosen
    while the other boxes keep theirs."""
    import pyatspi
    program = start(build_dir, display)
    try:
        editor = open_database_window(program)
        sentence = wait_for("the sentence box", lambda: pyatspi.findDescendant(
            editor, lambda n: n.name == "Sentence with the gap"))
        wait_for("the first sentence in its box", lambda: sentence.queryText().characterCount > 0)
        before = font_attributes(sentence)
        assert "Times New Roman" in before and "Liberation Mono" not in before, before
        # By the mouse: the Options menu, then Fonts.
        sentence.queryComponent().grabFocus()
        wait_for("the sentence box to take the focus", lambda: sentence.getState().contains(pyatspi.STATE_FOCUSED))
        program.click(program.find(editor, "Options"))
        program.click(wait_for("the Fonts item", lambda: pyatspi.findDescendant(
            editor, lambda n: plain(n.name) == "Fonts" and n.getState().contains(pyatspi.STATE_SHOWING))))
        choose_font(program, "Liberation Mono", 16)
        wait_for("the chosen font in the sentence box", lambda: "Liberation Mono" in font_attributes(sentence))
        # By the keys, after the focus went to the sentence box again.
        program.focus("Database")
        sentence.queryComponent().grabFocus()
        wait_for("the sentence box to take the focus", lambda: sentence.getState().contains(pyatspi.STATE_FOCUSED))
        program.keys("alt+o")
        program.keys("f")
        choose_font(program, "DejaVu Sans Mono", 14)
        wait_for("the font chosen by keys in the sentence box",
                 lambda: "DejaVu Sans Mono" in font_attributes(sentence))
        assert "Liberation Mono" not in font_attributes(sentence)
    finally:
        program.end()


ALL.append(("database: a font chosen by mouse and by keys shows in the sentence box",
            a_font_chosen_by_mouse_or_keys_shows_in_the_sentence_box))


def settings_pressed_through_the_screen_reader_during_a_run_change_nothing(build_dir, display):
    """During an open-ended run the Settings menu is off: its number of sentences and its
    starting point, pressed through AT-SPI, neither count the run nor change the sentence; the next
    wrong answer logs the sentence shown with its own solution."""
    program = start(build_dir, display)
    try:
        test = open_task(program, "alt+t", "Test")
        program.keys("alt+s")
        number = item_number(test, program)
        wait_for("the first sentence", lambda: (number.name or "").strip() == "1")
        sentence = next(t for t in labels(test) if "..." in t)
        program.press(program.find_in(test, ["Settings", "Parameters", "Number of sentences", "30"]))
        program.press(program.find_in(test, ["Settings", "Starting point", "201"]))
        program.window("Test")
        shown = labels(test)
        assert sentence in shown, (sentence, shown)
        assert "/ 30" not in shown and "30" not in shown, shown
        db = sqlite3.connect(program.database)
        right, solution = db.execute("SELECT felelet2, felelet1 FROM test1 WHERE mondat = ?",
                                     (sentence.strip(),)).fetchone()
        wrong = next(letter for letter in "abcd" if letter.upper() != right)
        program.focus("Test")
        program.keys(wrong, "alt+n")
        wait_for("the second sentence", lambda: (number.name or "").strip() == "2")
        logged = db.execute("SELECT mondat, felelet1 FROM hiba1 ORDER BY rowid DESC LIMIT 1").fetchone()
        assert logged[0].strip() == sentence.strip() and logged[1] == solution, (logged, sentence, solution)
    finally:
        program.end()


ALL.append(("test: Settings pressed through AT-SPI during a run change nothing",
            settings_pressed_through_the_screen_reader_during_a_run_change_nothing))


def an_ampersand_in_a_sentence_is_shown_in_practice(build_dir, display):
    """A sentence and a filler holding an '&' show it in the practice window."""
    program = start(build_dir, display)
    try:
        db = sqlite3.connect(program.database)
        db.execute("UPDATE test1 SET mondat = 'Tom & Jerry ' || sorszam || ' ...', a = 'pan & vino'")
        db.commit()
        db.close()
        practice, sentence = open_practice(program)
        assert sentence.strip().startswith("Tom & Jerry "), sentence
        wait_for("the filler with its '&'", lambda: "pan & vino" in [t.strip() for t in labels(practice)])
    finally:
        program.end()


ALL.append(("practice: an '&' in a sentence and a filler is shown", an_ampersand_in_a_sentence_is_shown_in_practice))
