#!/usr/bin/env python3
"""Fails when an #include in src/ reaches a layer its library does not link.

Each folder of src/ is a library; ALLOWED says whose headers it may include. The framework folder
holds two libraries: its window part is the sources of vesk_framework in src/framework/CMakeLists.txt
(and their headers); everything else there is the core, which must stay free of widgets. Libraries
marked headless may include no Qt Widgets header at all, and geometry and trace no Qt header.

usage: check_layers.py SRC_DIR QT_WIDGETS_INCLUDE_DIR
"""
import pathlib
import re
import sys

# folder -> folders whose headers it may include ("framework" is the window part, "framework_core"
# the core).
ALLOWED = {
    "geometry": {"geometry"},
    "framework_core": {"framework_core", "geometry"},
    "framework": {"framework", "framework_core", "geometry"},
    "document": {"document", "geometry", "framework_core"},
    "drawing": {"drawing", "document", "geometry", "framework_core"},
    "dialogs": {"dialogs", "document", "geometry", "framework", "framework_core"},
    "view": {"view", "drawing", "dialogs", "document", "geometry", "framework", "framework_core"},
    "dxf": {"dxf", "geometry"},
    "export": {"export", "dxf", "document", "geometry", "framework_core"},
    "match": {"match", "dxf", "document", "geometry"},
    "trace": {"trace", "geometry"},
    "cli": {"cli", "export", "match", "trace", "drawing", "document", "geometry", "framework_core"},
    "app": {"app", "view", "drawing", "dialogs", "document", "geometry", "framework", "framework_core"},
    # The workshop window: Qt Widgets of its own over the headless layers, never the design window's
    # platform classes.
    "workshop": {"workshop", "export", "match", "trace", "drawing", "document", "geometry", "framework_core"},
}
HEADLESS = {"framework_core", "document", "drawing", "export", "match", "trace", "cli"}
NO_QT = {"geometry", "dxf", "trace"}
# Window-part headers without a source of their own.
WINDOW_HEADERS = {"dialog_template.h", "message_box_widgets.h", "first_paint_exit.h"}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def window_part_stems(src):
    text = (src / "framework" / "CMakeLists.txt").read_text()
    match = re.search(r"add_library\(vesk_framework\s+STATIC([^)]*)\)", text)
    if not match:
        sys.exit("check_layers: no add_library(vesk_framework STATIC ...) in src/framework/CMakeLists.txt")
    stems = {pathlib.Path(name).stem for name in match.group(1).split() if name.endswith(".cpp")}
    stems |= {pathlib.Path(h).stem for h in WINDOW_HEADERS}
    stems.add("first_paint_exit")
    return stems


def layer_of(folder, name, window_stems):
    if folder != "framework":
        return folder
    return "framework" if pathlib.Path(name).stem in window_stems else "framework_core"


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    src = pathlib.Path(sys.argv[1])
    widget_headers = {p.name for p in pathlib.Path(sys.argv[2]).iterdir()}
    window_stems = window_part_stems(src)
    folders = {p.name for p in src.iterdir() if p.is_dir()}
    unknown = folders - {"framework"} - set(ALLOWED)
    if unknown:
        sys.exit(f"check_layers: no rule for src/{sorted(unknown)[0]}/: add it to ALLOWED")

    faults = []
    files = sorted(p for p in src.rglob("*") if p.suffix in (".h", ".cpp"))
    for path in files:
        rel = path.relative_to(src)
        layer = layer_of(rel.parts[0], path.name, window_stems)
        for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            bracket, target = match.groups()
            shown = f"\"{target}\"" if bracket == "\"" else f"<{target}>"
            where = f"src/{rel}:{number}: {layer} includes {shown}"
            head = target.split("/")[0]
            if ".." in target.split("/"):
                faults.append(f"{where}: include from the src/ root, not with '..'")
            elif head in folders and "/" in target:
                reached = layer_of(head, target, window_stems)
                if reached not in ALLOWED[layer]:
                    faults.append(f"{where}: {layer} may not use {reached}")
            elif bracket == '"' and "/" not in target:
                if not (path.parent / target).exists():
                    faults.append(f"{where}: no such file beside it; name the folder")
            elif layer in NO_QT and (head.startswith("Q") or head.startswith("qt")):
                faults.append(f"{where}: {layer} includes no Qt header")
            elif layer in HEADLESS and (head in widget_headers or head == "QtWidgets"):
                faults.append(f"{where}: {layer} links no Qt Widgets")
    for fault in faults:
        print(fault)
    print(f"check_layers: {len(files)} files, {len(faults)} includes that reach the wrong layer")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
