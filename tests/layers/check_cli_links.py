#!/usr/bin/env python3
"""Fails when vesk-cli needs Qt Widgets or carries any window code.

Reads the program's dynamic section (readelf -d) for libQt6Widgets, and its symbols (nm -C) for the
window part: the dialogs, the view widget and the framework's window classes.

usage: check_cli_links.py VESK_CLI
"""
import re
import subprocess
import sys

WINDOW_CLASSES = ["CShapeDlg", "CSoundholeDlg", "CVeskView", "CView", "CDialog", "DialogWindow", "CFrameWnd",
                  "CWinApp", "CMainFrame", "QWidget::", "QApplication::"]


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    program = sys.argv[1]
    needed = re.findall(r"\(NEEDED\)\s+Shared library: \[([^\]]+)\]", run("readelf", "-d", program))
    if not needed:
        sys.exit(f"check_cli_links: readelf found no NEEDED entries in {program}")
    faults = [f"needs {lib}" for lib in needed if "Qt6Widgets" in lib]
    pattern = re.compile(r"\b(" + "|".join(re.escape(c) for c in WINDOW_CLASSES) + r")")
    for line in run("nm", "-C", program).splitlines():
        if pattern.search(line):
            faults.append(f"links {line.split(maxsplit=2)[-1]}")
    for fault in faults[:20]:
        print(f"{program}: {fault}")
    print(f"check_cli_links: {len(needed)} libraries needed ({', '.join(needed)}), {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
