"""Written answers by keys: with "Write the answers" on, practice judges a typed filler right,
almost right (an accent missed) or wrong, and its letter buttons and keyboard aid type Spanish
letters; a counted test of typed answers scores exactly and logs what each wrong one counts as."""
import sqlite3
import unicodedata

import pyatspi

from desktop import Program, wait_for
from scenarios import item_number, labels, open_practice, open_task, start

# The keyboard aid of the answer box: the key typed for each Spanish letter.
AID = {"á": "'", "é": ";", "í": "`", "ó": "\\", "ú": "/", "ñ": "[", "¿": "#", "¡": "@"}
ACCENTED = set("áéíóú")


def keys_for(text):
    """The ASCII keys that type `text` through the aid, or None when a letter cannot be typed so
    (a capital accented letter, ü, or a key the aid turns into another letter)."""
    if any(c in AID.values() for c in text) or not all(c.isascii() or c in AID for c in text):
        return None
    return "".join(AID.get(c, c) for c in text)


def bare(text):
    """Without accents, ñ as n: what a learner types who leaves them out."""
    return "".join(c for c in unicodedata.normalize("NFD", text) if unicodedata.category(c) != "Mn")


def folded(text):
    """What is left once accents, ñ, ¿ ¡, case and spacing are set aside."""
    return " ".join(bare(text).lower().replace("¿", "").replace("¡", "").split())


def accent_alone(options, right):
    """The right filler has an accent (and no ñ), and no other option equals it without them."""
    return (ACCENTED & set(options[right]) and "ñ" not in options[right] and keys_for(options[right]) and
            all(folded(o) != folded(options[right]) for k, o in enumerate(options) if k != right))


def sentence_shown(window, but=None):
    return wait_for("a sentence", lambda: next((t for t in labels(window) if "..." in t and t != but), None))


def options_of(db, sentence):
    """The four fillers of the sentence shown and the index of the right one."""
    *options, letter = db.execute("SELECT a, b, c, d, felelet2 FROM test1 WHERE mondat = ?",
                                  (sentence.strip(),)).fetchone()
    return options, "ABCD".index(letter)


def answer_box(window):
    return wait_for("the answer box", lambda: pyatspi.findDescendant(
        window, lambda n: n.getRoleName() in ("text", "entry") and n.getState().contains(pyatspi.STATE_SHOWING)))


def box_text(box):
    return box.queryText().getText(0, -1)


def type_answer(program, window, keys, shows=None):
    """Types `keys` (ASCII keys) over what the box holds, then Enter once it shows `shows` (by
    default the keys themselves)."""
    Program.type_into(answer_box(window), program, keys, shows)
    program.keys("Return")


def showing_label(window, name):
    return pyatspi.findDescendant(window, lambda n: n.getRoleName() == "label" and n.name == name and
                                  n.getState().contains(pyatspi.STATE_SHOWING))


def verdict(window, prefix):
    return wait_for("a verdict starting " + repr(prefix),
                    lambda: next((t for t in labels(window) if t.startswith(prefix)), None))


def next_sentence(program, window, db, sentence, wanted=lambda options, right: True):
    """Next until the right filler of the sentence shown satisfies `wanted`; returns the
    sentence, its options and the right index."""
    for _ in range(300):
        program.keys("alt+n")
        sentence = sentence_shown(window, but=sentence)
        options, right = options_of(db, sentence)
        if wanted(options, right):
            return sentence, options, right
    raise AssertionError("no sentence fits")


def practice_verdicts_letters_and_the_aid(build_dir, display):
    program = start(build_dir, display)
    try:
        practice, sentence = open_practice(program)
        db = sqlite3.connect(program.database)
        program.press(program.find_in(practice, ["Settings", "Write the answers"]))
        answer_box(practice)
        assert showing_label(practice, "A") is None and not any(
            n.getState().contains(pyatspi.STATE_SHOWING) for n in pyatspi.findAllDescendants(
                practice, lambda n: n.getRoleName() == "radio button")), "the options still show"

        # Right: the right filler typed, accents through the aid.
        sentence, options, right = next_sentence(program, practice, db, sentence, lambda o, r: keys_for(o[r]))
        type_answer(program, practice, keys_for(options[right]), options[right])
        verdict(practice, "Right: " + options[right])
        wait_for("the green mark", lambda: showing_label(practice, "Right"))
        typed = [(options[right], 0, 3)]

        # Almost: an accent left out.
        sentence, options, right = next_sentence(program, practice, db, sentence, accent_alone)
        type_answer(program, practice, bare(options[right]))
        word = next(w for w in options[right].split() if ACCENTED & set(w))
        shown = verdict(practice, "Almost: %s (" % options[right])
        assert "accent: %s, not %s" % (word, bare(word)) in shown, shown
        wait_for("the orange panel", lambda: showing_label(practice, "Almost right"))
        assert showing_label(practice, "Right") is None and showing_label(practice, "Wrong") is None
        typed.append((bare(options[right]), 1, 2))

        # Wrong: red, with the right filler.
        sentence, options, right = next_sentence(program, practice, db, sentence)
        type_answer(program, practice, "zzq")
        verdict(practice, "The right filler: " + options[right])
        wait_for("the red mark", lambda: showing_label(practice, "Wrong"))
        assert showing_label(practice, "Almost right") is None
        typed.append(("zzq", 2, 1))

        # The letter buttons, pressed through AT-SPI and clicked, and the aid's keys type into the
        # box, each where the learner goes on typing.
        next_sentence(program, practice, db, sentence)
        box = answer_box(practice)
        wait_for("an empty box", lambda: box_text(box) == "")
        program.press(program.find(practice, "a with an accent", "push button"))
        wait_for("á in the box", lambda: box_text(box) == "á")
        program.keys("semicolon")
        wait_for("é typed by ;", lambda: box_text(box) == "áé")
        program.click(program.find(practice, "n with a tilde, eñe", "push button"))
        wait_for("ñ in the box", lambda: box_text(box) == "áéñ")
        program.keys("o")
        wait_for("o after the ñ", lambda: box_text(box) == "áéño")

        log = db.execute("SELECT typed, verdict, grade FROM answer_log ORDER BY id").fetchall()
        assert log == typed, (log, typed)
    finally:
        program.end()


def a_typed_test_of_20_scores_exactly(build_dir, display):
    program = start(build_dir, display)
    try:
        test = open_task(program, "alt+t", "Test")
        db = sqlite3.connect(program.database)
        program.press(program.find_in(test, ["Settings", "Write the answers"]))
        program.press(program.find_in(test, ["Settings", "Parameters", "Number of sentences", "20"]))
        program.focus("Test")
        program.keys("alt+s")
        number = item_number(test, program)
        right_count, failed, log = 0, [], []
        for i in range(20):
            wait_for("sentence %d" % (i + 1), lambda: (number.name or "").strip() == str(i + 1))
            sentence = next(t for t in labels(test) if "..." in t)
            options, right = options_of(db, sentence)
            others = [k for k, o in enumerate(options) if k != right and keys_for(o) and options.count(o) == 1
                      and folded(o) != folded(options[right])]
            # Right, right, another option, then a slip (a test is strict: wrong, and it counts as
            # no option): an accent left out, else a capital letter; a word of no option where the
            # plan cannot be typed.
            plan = i % 4
            fill = options[right]
            unique = all(folded(o) != folded(fill) for k, o in enumerate(options) if k != right)
            if plan < 2 and keys_for(fill):
                text, verdict_, letter = fill, 0, None
            elif plan == 2 and others:
                text, verdict_, letter = options[others[0]], 2, "ABCD"[others[0]]
            elif plan == 3 and accent_alone(options, right):
                text, verdict_, letter = bare(fill), 1, "0"
            elif plan == 3 and unique and keys_for(fill) and fill[:1].isascii() and fill[:1].islower():
                text, verdict_, letter = fill[0].upper() + fill[1:], 1, "0"
            else:
                text, verdict_, letter = "zzq", 2, "0"
            type_answer(program, test, keys_for(text), text)
            log.append((text, verdict_, int(letter is None)))
            if letter is None:
                right_count += 1
            else:
                failed.append((letter, sentence.strip()))
        wait_for("the score", lambda: "%d/20" % right_count in labels(test))
        assert 0 < right_count < 20 and any(v == 1 for _, v, _ in log), log
        logged = [(h, m.strip()) for h, m in db.execute(
            "SELECT hiba, mondat FROM hiba1 WHERE rowid > 1 ORDER BY rowid")]
        assert logged == failed, (logged, failed)
        answers = db.execute("SELECT typed, verdict, correct FROM answer_log ORDER BY id").fetchall()
        assert answers == log, (answers, log)
    finally:
        program.end()


ALL = [
    ("written: practice judges typed fillers right, almost and wrong; letter buttons and the aid type",
     practice_verdicts_letters_and_the_aid),
    ("written: a counted test of 20 typed answers scores exactly and logs the wrong ones",
     a_typed_test_of_20_scores_exactly),
]
