#!/usr/bin/python3
"""The programs on a terminal, without a display: --help in the environment's language (one of the
four, else English; chosen as gettext chooses), --version of both programs, and an argument the
program does not take.

Usage: check_command_line.py BUILD_DIR VERSION"""
import os
import subprocess
import sys
import tempfile

# what, program, arguments, environment, exit status, beginning of standard output
CASES = [
    ("Hungarian locale", "plurquiz", ["--help"], {"LANG": "hu_HU.UTF-8"}, 0, "Használat: plurquiz"),
    ("LC_ALL before LANG", "plurquiz", ["-h"], {"LC_ALL": "fr_FR.UTF-8", "LANG": "hu_HU.UTF-8"}, 0,
     "Utilisation\u00a0: plurquiz"),
    ("LC_MESSAGES before LANG", "plurquiz", ["--help"], {"LC_MESSAGES": "es_ES.UTF-8", "LANG": "de_DE.UTF-8"}, 0,
     "Uso: plurquiz"),
    ("the first of the four in LANGUAGE", "plurquiz", ["--help"], {"LANGUAGE": "de:es:fr", "LANG": "de_DE.UTF-8"},
     0, "Uso: plurquiz"),
    ("another language: English", "plurquiz", ["--help"], {"LANG": "de_DE.UTF-8"}, 0, "Usage: plurquiz"),
    ("the C locale ignores LANGUAGE", "plurquiz", ["--help"], {"LANGUAGE": "fr", "LANG": "C.UTF-8"}, 0,
     "Usage: plurquiz"),
    ("no locale at all", "plurquiz", ["--help"], {}, 0, "Usage: plurquiz"),
    ("version", "plurquiz", ["--version"], {"LANG": "hu_HU.UTF-8"}, 0, "plurquiz (Plurquiz Español) {v}\n"),
    ("the import tool's version", "plurquiz-import", ["--version"], {}, 0,
     "plurquiz-import (Plurquiz Español) {v}\n"),
    # Qt takes its own options; what is left is refused, on standard error only.
    ("an unknown option", "plurquiz", ["-platform", "offscreen", "--frobnicate"], {}, 2, ""),
]


def main(build_dir, version):
    failures = []
    with tempfile.TemporaryDirectory() as home:
        for what, program, args, env, status, expected in CASES:
            environment = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": home, **env}
            run = subprocess.run([os.path.join(build_dir, program), *args], env=environment, capture_output=True,
                                 timeout=60)
            out, err = run.stdout.decode(), run.stderr.decode()
            expected = expected.format(v=version)
            if run.returncode != status or not out.startswith(expected) or (expected == "") != (out == ""):
                failures.append("%s: status %d, output %r, errors %r" % (what, run.returncode, out[:80], err[-300:]))
            elif status == 2 and "--frobnicate" not in err:
                failures.append("%s: the argument is not named: %r" % (what, err))
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(os.path.abspath(sys.argv[1]), sys.argv[2]))
