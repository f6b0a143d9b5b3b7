#!/usr/bin/python3
"""Installs the build into a temporary prefix and checks what a desktop finds there: the program
and the import tool, the desktop entry and the metadata (both passing their validators), the icon
at every size the theme looks for, and that the installed copy knows it is installed.

Usage: check_installation.py BUILD_DIR"""
import os
import shutil
import subprocess
import sys
import tempfile

APP_ID = "org.plurquiz.Espanol"
SIZES = (16, 24, 32, 48, 64, 128, 256, 512)


def main(build_dir):
    prefix = tempfile.mkdtemp(prefix="plurquiz-install-")
    try:
        subprocess.run(["cmake", "--install", build_dir, "--prefix", prefix], check=True,
                       stdout=subprocess.DEVNULL)
        expected = ["bin/plurquiz", "bin/plurquiz-import",
                    "share/applications/%s.desktop" % APP_ID,
                    "share/metainfo/%s.metainfo.xml" % APP_ID,
                    "share/icons/hicolor/scalable/apps/%s.svg" % APP_ID,
                    "share/man/man1/plurquiz.1.gz", "share/man/man1/plurquiz-import.1.gz"]
        expected += ["share/icons/hicolor/%dx%d/apps/%s.png" % (s, s, APP_ID) for s in SIZES]
        missing = [p for p in expected if not os.path.isfile(os.path.join(prefix, p))]
        # The score chart's plugin, where the installed program looks for it: PREFIX/LIBDIR/plurquiz.
        plugins = [os.path.join(folder, name) for folder, _, names in os.walk(prefix) for name in names
                   if name == "libplurquiz_chart.so"]
        assert len(plugins) == 1 and os.path.basename(os.path.dirname(plugins[0])) == "plurquiz", plugins
        assert not missing, "not installed: %s" % missing
        for program in ("bin/plurquiz", "bin/plurquiz-import"):
            assert os.access(os.path.join(prefix, program), os.X_OK), program + " is not executable"

        subprocess.run(["desktop-file-validate", os.path.join(prefix, expected[2])], check=True)
        metainfo = os.path.join(prefix, expected[3])
        # --no-net: the screenshots are checked for form, not fetched.
        subprocess.run(["appstreamcli", "validate", "--no-net", "--pedantic", metainfo], check=True)
        with open(metainfo, encoding="utf-8") as f:
            text = f.read()
        assert "@" not in text.replace("xml:lang", ""), "an unreplaced placeholder in the metadata"

        # Each PNG is the size its folder names (a theme scales a wrong one, blurred).
        for s in SIZES:
            with open(os.path.join(prefix, "share/icons/hicolor/%dx%d/apps/%s.png" % (s, s, APP_ID)), "rb") as f:
                head = f.read(24)
            width, height = int.from_bytes(head[16:20], "big"), int.from_bytes(head[20:24], "big")
            assert (width, height) == (s, s), "icon %dx%d is %dx%d" % (s, s, width, height)

        # The import tool runs from the prefix (it answers --help without a display).
        tool = subprocess.run([os.path.join(prefix, "bin/plurquiz-import"), "--help"], capture_output=True,
                              text=True)
        assert "plurquiz-import" in (tool.stdout + tool.stderr), tool
        print("installation into %s: complete, both validators pass" % prefix)
        return 0
    finally:
        shutil.rmtree(prefix, ignore_errors=True)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    sys.exit(main(os.path.abspath(sys.argv[1])))
