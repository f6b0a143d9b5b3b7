#!/usr/bin/python3
"""Runs the end-to-end scenarios against build/plurquiz on a virtual display with its own
accessibility bus: python3 tests/e2e/run.py BUILD_DIR [SCENARIO ...]

Prints one line per scenario and closes with 'N passed, N failed'."""
import os
import subprocess
import sys
import tempfile
import time
import traceback

HERE = os.path.dirname(os.path.abspath(__file__))


def outer(argv):
    """Starts Xvfb, then runs this script again inside a fresh D-Bus session."""
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"],
                            pass_fds=(write,), stderr=subprocess.DEVNULL)
    os.close(write)
    display = ""
    with os.fdopen(read) as f:
        display = ":" + f.readline().strip()
    # The server names its display as it starts listening; a client may still be turned away for a
    # moment, so the first program waits until one gets in. Without -noreset the server resets when
    # that probe leaves, and turns away whoever connects during the reset.
    deadline = time.monotonic() + 20
    while subprocess.call(["xdpyinfo", "-display", display], stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL) != 0:
        if time.monotonic() > deadline or xvfb.poll() is not None:
            sys.exit("the virtual display %s does not accept clients" % display)
        time.sleep(0.1)
    try:
        env = dict(os.environ, DISPLAY=display, PLURQUIZ_E2E_INNER="1", XDG_RUNTIME_DIR=tempfile.mkdtemp())
        env.pop("QT_QPA_PLATFORM", None)
        return subprocess.call(["dbus-run-session", "--", sys.executable, __file__, *argv], env=env)
    finally:
        xvfb.terminate()
        xvfb.wait()


def inner(argv):
    sys.path.insert(0, HERE)
    import journeys
    import scenarios
    import today
    import unusable_file
    import written
    build_dir = os.path.abspath(argv[0])
    wanted = argv[1:]
    passed = failed = 0
    for name, scenario in scenarios.ALL + journeys.ALL + unusable_file.ALL + today.ALL + written.ALL:
        if wanted and name not in wanted:
            continue
        started = time.monotonic()
        try:
            scenario(build_dir, os.environ["DISPLAY"])
            passed += 1
            print("PASS  %-60s %.1f s" % (name, time.monotonic() - started), flush=True)
        except Exception:
            failed += 1
            print("FAIL  %s" % name, flush=True)
            traceback.print_exc()
    print("%d passed, %d failed" % (passed, failed), flush=True)
    return 1 if failed or not passed else 0


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    sys.exit(inner(sys.argv[1:]) if os.environ.get("PLURQUIZ_E2E_INNER") else outer(sys.argv[1:]))
