#!/usr/bin/env python3
"""Fails when vesk-cli needs Qt Widgets or carries any window code.

Reads the program's dynamic section (readelf -d) for libQt6Widgets, and its symbols (nm -C) for the
window part: the dialogs, the view widget and the framework's window classes. With --own-widgets
(vesk-workshop, a window program of plain Qt Widgets) Qt Widgets is allowed, the design window's
platform classes still are not.

usage: check_cli_links.py [--own-widgets] PROGRAM
"""
import re
import subprocess
import sys

PLATFORM_CLASSES = ["CShapeDlg", "CSoundholeDlg", "CVeskView", "CView", "CDialog", "DialogWindow", "CFrameWnd",
                    "CWinApp", "CMainFrame"]
QT_WINDOW_CLASSES = ["QWidget::", "QApplication::"]


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def main():
    args = sys.argv[1:]
    own_widgets = args[:1] == ["--own-widgets"]
    if own_widgets:
        args = args[1:]
    if len(args) != 1:
        sys.exit(__doc__)
    program = args[0]
    needed = re.findall(r"\(NEEDED\)\s+Shared library: \[([^\]]+)\]", run("readelf", "-d", program))
    if not needed:
        sys.exit(f"check_cli_links: readelf found no NEEDED entries in {program}")
    faults = [] if own_widgets else [f"needs {lib}" for lib in needed if "Qt6Widgets" in lib]
    classes = PLATFORM_CLASSES + ([] if own_widgets else QT_WINDOW_CLASSES)
    pattern = re.compile(r"\b(" + "|".join(re.escape(c) for c in classes) + r")")
    for line in run("nm", "-C", program).splitlines():
        if pattern.search(line):
            faults.append(f"links {line.split(maxsplit=2)[-1]}")
    for fault in faults[:20]:
        print(f"{program}: {fault}")
    print(f"check_cli_links: {len(needed)} libraries needed ({', '.join(needed)}), {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
