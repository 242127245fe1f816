#!/usr/bin/env python3
"""Checks the program's translations before they reach a player.

A .ts file must have every message finished, no message left over from
texts the sources no longer have, the same placeholders (%1, %2, ...) as its
source text, and exactly one access key where the source text has one. With
--lupdate, the .ts files must also be what lupdate makes of them from the
sources: a text added to or dropped from the code without an update shows
here rather than as English in the German program. With --help-dir, every
English help page must have its translated page with the same links and
anchors, and the readme its translated copy; a copy left in English fails.
With --glossary, every text of that language (its .ts, help pages and
readme) is held to the glossary: one word for each thing.
Prints each problem and exits 1 when there is any.
"""
import argparse
import html.parser
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

PLACEHOLDER = re.compile(r"%L?(\d+|n)")
# An access key is an ampersand before a letter or digit; "&&" shows one
# ampersand and marks nothing.
ACCESS_KEY = re.compile(r"&(?=\w)")


def placeholders(text):
    return sorted(set(PLACEHOLDER.findall(text)))


def access_keys(text):
    return len(ACCESS_KEY.findall(text.replace("&&", "")))


def messages(path):
    """Every message of a .ts file as (context, source, comment) -> the
    translation element (None when there is none)."""
    found = {}
    root = ElementTree.parse(path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            key = (name, message.findtext("source", ""), message.findtext("comment", ""))
            found[key] = message.find("translation")
    return found


def translated_forms(translation):
    forms = translation.findall("numerusform")
    return [f.text or "" for f in forms] if forms else [translation.text or ""]


def check_ts(path):
    problems = []
    try:
        found = messages(path)
    except (ElementTree.ParseError, OSError) as error:
        return [f"{path}: cannot be read: {error}"]
    if not found:
        problems.append(f"{path}: holds no messages")
    for (context, source, _), translation in found.items():
        where = f"{os.path.basename(path)}: {context}: {source!r}"
        if translation is None:
            problems.append(f"{where}: no translation")
            continue
        kind = translation.get("type", "")
        if kind in ("unfinished", "vanished", "obsolete"):
            problems.append(f"{where}: {kind}")
            continue
        for text in translated_forms(translation):
            if not text.strip():
                problems.append(f"{where}: empty translation")
                continue
            if placeholders(text) != placeholders(source):
                problems.append(f"{where}: placeholders {placeholders(text)} in {text!r}, "
                                f"the source has {placeholders(source)}")
            wanted, got = access_keys(source), access_keys(text)
            if wanted and got != 1:
                problems.append(f"{where}: {got} access keys in {text!r}, wants one")
            elif not wanted and got:
                problems.append(f"{where}: an access key in {text!r} that the source has not")
    return problems


class Term:
    """A row of the glossary: the English word (a pattern, or None), the
    German word the translation of a text with it must use, and the words
    no text may use."""

    def __init__(self, thing, english, wanted, never):
        self.thing = thing
        self.english = re.compile(english, re.I) if english else None
        self.wanted = re.compile(wanted, re.I) if wanted and english else None
        self.wanted_text = wanted
        self.never = [re.compile(n, re.I) for n in never]


def read_glossary(path):
    """The rows of the glossary's table. Its patterns are in backticks; a
    pipe inside one is written \\| as Markdown wants."""
    terms = []
    with open(path, encoding="utf-8") as glossary:
        for line in glossary:
            if not line.startswith("|") or line.startswith("|---"):
                continue
            cells = [c.strip() for c in re.split(r"(?<!\\)\|", line.strip())[1:-1]]
            if len(cells) != 4 or cells[0] == "Thing":
                continue
            patterns = [[p.replace("\\|", "|") for p in re.findall(r"`([^`]*)`", c)] for c in cells[1:]]
            terms.append(Term(cells[0], (patterns[0] or [None])[0], (patterns[1] or [None])[0], patterns[2]))
    return terms


def glossary_problems(where, text, terms, source=None):
    """What in one German text breaks the glossary; a text left as its
    English source is not held to it."""
    if source is not None and text == source:
        return []
    problems = []
    for term in terms:
        for never in term.never:
            if found := never.search(text):
                problems.append(f"{where}: {found.group(0)!r} where the glossary says {term.wanted_text!r} "
                                f"({term.thing})")
        if source is not None and term.english and term.wanted and term.english.search(source) \
                and not term.wanted.search(text):
            problems.append(f"{where}: {text!r} lacks {term.wanted_text!r} for "
                            f"{term.english.search(source).group(0)!r} ({term.thing})")
    return problems


def check_glossary(ts, terms, help_dir=None, docs_dir=None, language="de"):
    problems = []
    for (context, source, _), translation in messages(ts).items():
        if translation is None:
            continue
        for text in translated_forms(translation):
            problems += glossary_problems(f"{os.path.basename(ts)}: {context}: {source!r}", text, terms, source)
    if help_dir and os.path.isdir(os.path.join(help_dir, language)):
        folder = os.path.join(help_dir, language)
        for page in sorted(p for p in os.listdir(folder) if p.endswith(".html")):
            text = " ".join(" ".join(read_page(os.path.join(folder, page)).text).split())
            problems += glossary_problems(f"help/{language}/{page}", text, terms)
    readme = os.path.join(docs_dir, f"readme.{language}.txt") if docs_dir else None
    if readme and os.path.isfile(readme):
        with open(readme, encoding="utf-8") as t:
            problems += glossary_problems(f"readme.{language}.txt", " ".join(t.read().split()), terms)
    return problems


def check_up_to_date(path, lupdate, sources, include):
    """Runs lupdate on a copy of the .ts and names every message it would
    add, drop or change."""
    with tempfile.TemporaryDirectory() as work:
        copy = os.path.join(work, os.path.basename(path))
        shutil.copyfile(path, copy)
        run = subprocess.run([lupdate, "-silent", "-locations", "none", "-I", include, "@" + sources, "-ts", copy],
                             capture_output=True, text=True)
        if run.returncode != 0:
            return [f"{path}: lupdate failed: {run.stderr.strip()}"]
        before, after = messages(path), messages(copy)
    problems = []
    name = os.path.basename(path)
    for key in sorted(after.keys() - before.keys()):
        problems.append(f"{name}: {key[0]}: {key[1]!r} is in the sources but not in the .ts "
                        f"(build the update_translations target and translate it)")
    for key in sorted(before.keys() & after.keys()):
        was, now = before[key], after[key]
        if (was is None) != (now is None) or (now is not None and (now.get("type"), now.text) != (was.get("type"), was.text)):
            state = now.get("type", "") if now is not None else ""
            problems.append(f"{name}: {key[0]}: {key[1]!r} is out of date with the sources"
                            + (f" ({state})" if state else ""))
    return problems


class PageLinks(html.parser.HTMLParser):
    """The links and anchors of a page, in order, and its text."""

    def __init__(self):
        super().__init__()
        self.links, self.anchors, self.text = [], [], []

    def handle_starttag(self, tag, attrs):
        for name, value in attrs:
            if name == "href":
                self.links.append(value)
            elif name == "id" or (tag == "a" and name == "name"):
                self.anchors.append(value)

    def handle_data(self, data):
        self.text.append(data)


def read_page(path):
    parser = PageLinks()
    with open(path, encoding="utf-8") as page:
        parser.feed(page.read())
    return parser


def check_documents(help_dir, docs_dir, languages):
    problems = []
    pages = sorted(p for p in os.listdir(help_dir) if p.endswith(".html"))
    if not pages:
        problems.append(f"{help_dir}: no help pages")
    for language in languages:
        folder = os.path.join(help_dir, language)
        extra = sorted(set(p for p in os.listdir(folder) if p.endswith(".html")) - set(pages)) if os.path.isdir(folder) else []
        for page in extra:
            problems.append(f"help/{language}/{page}: no English page of that name")
        for page in pages:
            translated = os.path.join(folder, page)
            if not os.path.isfile(translated):
                problems.append(f"help/{language}/{page}: missing")
                continue
            english, other = read_page(os.path.join(help_dir, page)), read_page(translated)
            if sorted(other.links) != sorted(english.links):
                problems.append(f"help/{language}/{page}: links {sorted(other.links)}, the English page has "
                                f"{sorted(english.links)}")
            if sorted(other.anchors) != sorted(english.anchors):
                problems.append(f"help/{language}/{page}: anchors {sorted(other.anchors)}, the English page has "
                                f"{sorted(english.anchors)}")
            if untranslated(english.text, other.text):
                problems.append(f"help/{language}/{page}: still in English")
        readme = os.path.join(docs_dir, f"readme.{language}.txt")
        if not os.path.isfile(readme):
            problems.append(f"readme.{language}.txt: missing")
        else:
            with open(os.path.join(docs_dir, "readme.txt"), encoding="utf-8") as e, open(readme, encoding="utf-8") as t:
                if untranslated(e.read().split("\n"), t.read().split("\n")):
                    problems.append(f"readme.{language}.txt: still in English")
    return problems


def untranslated(english, other):
    """True when more than a tenth of the English text's longer pieces
    (sentences and lines of five words or more) stand unchanged in the
    translation: a copy not yet translated, or a part of it left over."""
    pieces = [" ".join(p.split()) for p in english]
    pieces = [p for p in pieces if len(p.split()) >= 5]
    if not pieces:
        return False
    text = " ".join(" ".join(other).split())
    return sum(p in text for p in pieces) * 10 > len(pieces)


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("ts", nargs="+", help="the .ts files")
    parser.add_argument("--lupdate", help="lupdate, to compare each .ts with the sources")
    parser.add_argument("--sources", help="a file naming the translated sources, one a line")
    parser.add_argument("--include", default=".", help="the folder the sources' includes start from")
    parser.add_argument("--help-dir", help="the English help pages, with a folder per language")
    parser.add_argument("--docs-dir", help="readme.txt and its translations")
    parser.add_argument("--language", action="append", default=[], help="a language the program speaks")
    parser.add_argument("--glossary", help="the German glossary, held to the _de.ts and the German documents")
    args = parser.parse_args(argv)

    problems = []
    for ts in args.ts:
        problems += check_ts(ts)
        if args.lupdate:
            problems += check_up_to_date(ts, args.lupdate, args.sources, args.include)
    if args.help_dir:
        problems += check_documents(args.help_dir, args.docs_dir, args.language)
    if args.glossary:
        terms = read_glossary(args.glossary)
        for ts in (t for t in args.ts if t.endswith("_de.ts")):
            problems += check_glossary(ts, terms, args.help_dir, args.docs_dir)
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
