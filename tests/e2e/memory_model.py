"""The memory model written again from its published formulas, to check the program's states:
stability, difficulty and due day (Julian day numbers) after a sentence's answers."""
import math

WEIGHTS = [0.212, 1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001, 1.8722, 0.1666, 0.796,
           1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542]
DECAY = -WEIGHTS[20]
FACTOR = 0.9 ** (1 / DECAY) - 1


def recall(days, stability):
    return (1 + FACTOR * days / stability) ** DECAY


def _first_difficulty(grade):
    return WEIGHTS[4] - math.exp(WEIGHTS[5] * (grade - 1)) + 1


def _bounded(d):
    return min(10.0, max(1.0, d))


def interval(stability, retention=0.9):
    days = stability / FACTOR * (retention ** (1 / DECAY) - 1)
    return 36500 if days >= 36500 else max(1, int(math.floor(days + 0.5)))


def replay(answers, retention=0.9):
    """answers: (day, grade) in the order given. Returns (stability, difficulty, due, updated flags):
    only the first answer of a day counts."""
    s = d = last = None
    updated = []
    for day, grade in answers:
        if s is None:
            s, d = max(WEIGHTS[grade - 1], 0.001), _bounded(_first_difficulty(grade))
        elif day > last:
            r = recall(day - last, s)
            damped = d - WEIGHTS[6] * (grade - 3) * (10 - d) / 9
            nd = _bounded(WEIGHTS[7] * _first_difficulty(4) + (1 - WEIGHTS[7]) * damped)
            if grade == 1:
                ns = WEIGHTS[11] * d ** -WEIGHTS[12] * ((s + 1) ** WEIGHTS[13] - 1) * math.exp(WEIGHTS[14] * (1 - r))
                ns = min(ns, s / math.exp(WEIGHTS[17] * WEIGHTS[18]))
            else:
                bonus = (WEIGHTS[15] if grade == 2 else 1) * (WEIGHTS[16] if grade == 4 else 1)
                ns = s * (1 + math.exp(WEIGHTS[8]) * (11 - d) * s ** -WEIGHTS[9] *
                          (math.exp(WEIGHTS[10] * (1 - r)) - 1) * bonus)
            s, d = max(ns, 0.001), nd
        else:
            updated.append(False)
            continue
        updated.append(True)
        last = day
    return s, d, last + interval(s, retention), updated
