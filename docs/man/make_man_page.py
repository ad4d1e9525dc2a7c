#!/usr/bin/env python3
"""Writes a manual page from its hand-written part (PAGE.1.in) and the program's own --help.

The hand-written part holds NAME, DESCRIPTION, EXIT STATUS, EXAMPLES and the like; these lines in it
are replaced by what the program prints, so the page lists exactly the program's options:
  @SYNOPSIS@  the usage lines of PROGRAM --help
  @OPTIONS@   the options and arguments of PROGRAM --help
  @COMMANDS@  each command that PROGRAM --help lists under "commands:", from PROGRAM COMMAND --help
and @VERSION@ and @DATE@ anywhere. A help line this script cannot place is an error, not a gap.
"""
import argparse
import os
import re
import subprocess
import sys

HEADING = re.compile(r"^([A-Za-z][A-Za-z ]*):$")
ITEM = re.compile(r"^  (\S.*?)(?:\s{2,}(\S.*))?$")
CONTINUATION = re.compile(r"^\s{3,}(\S.*)$")


class Help:
    """One --help text: usage lines, description, titled lists of (term, text), closing notes."""

    def __init__(self, text, name):
        self.usage, self.description, self.sections, self.notes = [], [], [], []
        lines = text.rstrip("\n").split("\n")
        while lines and (lines[0].lower().startswith("usage:") or (self.usage and lines[0].startswith(" "))):
            words = re.sub(r"^usage:", "", lines.pop(0), flags=re.I).split()
            words[0] = name  # the program as invoked may be a build path
            self.usage.append(" ".join(words))
        section = None
        for line in lines:
            if not line.strip():
                section = None
                if self.notes and self.notes[-1]:
                    self.notes.append("")
                continue
            heading = HEADING.match(line)
            if heading and section is None:
                section = (heading.group(1).lower(), [])
                self.sections.append(section)
            elif section is not None and CONTINUATION.match(line) and section[1]:
                term, body = section[1][-1]
                section[1][-1] = (term, (body + " " + line.strip()).strip())
            elif section is not None and ITEM.match(line):
                section[1].append(ITEM.match(line).groups(""))
            elif section is None and not line.startswith(" "):
                (self.notes if self.sections else self.description).append(line)
            else:
                sys.exit(f"make_man_page: cannot place this line of {name}'s help: {line!r}")
        while self.notes and not self.notes[-1]:
            self.notes.pop()

    def items(self, title):
        return [items for heading, items in self.sections if heading == title]


def escape(text):
    return text.replace("\\", "\\e").replace("-", "\\-")


# A long option after anything but a word (--in-to-cm|--cm-to-in), a short one after a space (not
# the -n of 2^(-n/12)), a <VALUE>.
MARKUP = re.compile(r"((?<![\w-])--[A-Za-z][\w-]*|(?<!\S)-[A-Za-z](?![\w-])|<[^>\s]+>)")


def inline(text):
    """Escaped text with options in bold and values in italics."""
    out = []
    for i, part in enumerate(MARKUP.split(text)):
        if i % 2 == 0:
            out.append(escape(part))
        elif part.startswith("<"):
            out.append("\\fI" + escape(part[1:-1]) + "\\fR")
        else:
            out.append("\\fB" + escape(part) + "\\fR")
    return "".join(out)


def line(text):
    """A text line that roff reads as text, not as a request."""
    return "\\&" + text if text[:1] in (".", "'") else text


def usage(help_text):
    out = [".nf", ".ad l"]
    for u in help_text.usage:
        name, _, rest = u.partition(" ")
        out.append(line("\\fB" + escape(name) + "\\fR " + inline(rest)))
    return out + [".fi", ".ad b"]


def paragraphs(lines):
    """Hard-wrapped lines as paragraphs: a new one after a blank line or a line ending a sentence."""
    out, current = [], []
    for text in lines + [""]:
        if text:
            current.append(text)
        if current and (not text or text.endswith(".")):
            out += [".PP", line(inline(" ".join(current)))]
            current = []
    return out


def option_list(help_text):
    out = []
    for title in ("options", "arguments"):
        for items in help_text.items(title):
            for term, body in items:
                term = inline(term) if title == "options" else "\\fI" + escape(term) + "\\fR"
                out += [".TP", line(term), line(inline(body))]
    return out


def run_help(program, args):
    result = subprocess.run([program] + args + ["--help"], capture_output=True, text=True, check=False)
    if result.returncode != 0 or result.stderr:
        sys.exit(f"make_man_page: {' '.join([program] + args)} --help: status {result.returncode}: {result.stderr}")
    return result.stdout


def commands(program, name, top):
    out = []
    for items in top.items("commands"):
        for command, _ in items:
            sub = Help(run_help(program, [command]), name)
            out += [".SS " + escape(command)] + usage(sub) + paragraphs(sub.description)
            out += option_list(sub) + paragraphs(sub.notes)
    if not out:
        sys.exit(f"make_man_page: {name} --help lists no commands")
    return out


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--program", required=True, help="the built program")
    parser.add_argument("--name", required=True, help="its installed name")
    parser.add_argument("--template", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--date", required=True, help="the release date, YYYY-MM-DD")
    parser.add_argument("--output", required=True)
    a = parser.parse_args()
    top = Help(run_help(a.program, []), a.name)
    expand = {
        "@SYNOPSIS@": lambda: usage(top),
        "@OPTIONS@": lambda: option_list(top),
        "@COMMANDS@": lambda: commands(a.program, a.name, top),
    }
    out = [f'.\\" Made by make_man_page.py from {os.path.basename(a.template)} and {a.name} --help.']
    with open(a.template, encoding="utf-8") as template:
        for text in template.read().splitlines():
            if text.strip() in expand:
                out += expand[text.strip()]()
            else:
                out.append(text.replace("@VERSION@", a.version).replace("@DATE@", a.date))
    with open(a.output, "w", encoding="utf-8") as page:
        page.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
