#!/usr/bin/env python3
"""The translation checker catches each kind of fault it is there for, and
passes a sound translation. LUPDATE names lupdate for the cases that
compare with the sources."""
import os
import shutil
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "i18n"))
import check_translations as checker  # noqa: E402

HEAD = '<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n<TS version="2.1" language="de_DE">\n'


def ts(*messages, context="strhaven::GameMenu"):
    body = "".join(f"<message>{m}</message>\n" for m in messages)
    return f"{HEAD}<context>\n<name>{context}</name>\n{body}</context>\n</TS>\n"


def message(source, translation, kind=None):
    attribute = f' type="{kind}"' if kind else ""
    return f"<source>{source}</source><translation{attribute}>{translation}</translation>"


GOOD = message("&amp;Open Game", "Spiel ö&amp;ffnen")

# Each .ts snippet with the words its problem report must hold; None: sound.
CASES = {
    "sound": (ts(GOOD, message("About %1", "Über %1"), message("Tom &amp;&amp; Jerry", "Tom &amp;&amp; Jerry")), None),
    "unfinished": (ts(GOOD, message("Save Game", "Spiel speichern", "unfinished")), "unfinished"),
    "unfinished and empty": (ts(message("Save Game", "", "unfinished")), "unfinished"),
    "empty": (ts(message("Save Game", "")), "empty translation"),
    "blank": (ts(message("Save Game", "  ")), "empty translation"),
    "vanished": (ts(GOOD, message("Old Text", "Alter Text", "vanished")), "vanished"),
    "obsolete": (ts(GOOD, message("Old Text", "Alter Text", "obsolete")), "obsolete"),
    "no translation element": (ts("<source>Save Game</source>"), "no translation"),
    "placeholder dropped": (ts(message("About %1", "Über")), "placeholders"),
    "placeholder renumbered": (ts(message("The folder %1 does not exist.", "Der Ordner %2 fehlt.")), "placeholders"),
    "placeholder added": (ts(message("Version", "Version %1")), "placeholders"),
    "one of two placeholders dropped": (ts(message("%1 of %2", "%1 von")), "placeholders"),
    "access key dropped": (ts(message("&amp;Save Game", "Spiel speichern")), "0 access keys"),
    "access key doubled": (ts(message("&amp;Save Game", "&amp;Spiel &amp;speichern")), "2 access keys"),
    "a double ampersand is no key": (ts(message("&amp;Help", "&amp;&amp;Hilfe")), "0 access keys"),
    "digit access key dropped": (ts(message("Play &amp;1", "Einsatz 1")), "0 access keys"),
    "access key the source has not": (ts(message("Save Game", "&amp;Spiel speichern")), "access key in"),
    "numerus form empty": (ts('<source>%n credits</source><translation>'
                              '<numerusform>%n Credit</numerusform><numerusform></numerusform></translation>'),
                           "empty translation"),
    "no messages": (f"{HEAD}</TS>\n", "no messages"),
    "not XML": ("<TS><context>", "cannot be read"),
}


class TestChecker(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp()

    def tearDown(self):
        shutil.rmtree(self.dir)

    def assertOneProblem(self, problems, expected):
        """None expected: no problem; else one, naming what was expected."""
        if expected is None:
            self.assertEqual(problems, [])
        else:
            self.assertEqual(len(problems), 1, problems)
            self.assertIn(expected, problems[0])

    def write(self, name, text):
        path = os.path.join(self.dir, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
        return path

    def test_ts_cases(self):
        for name, (text, expected) in CASES.items():
            with self.subTest(name):
                self.assertOneProblem(checker.check_ts(self.write("strhaven_de.ts", text)), expected)

    def test_glossary(self):
        """The project's glossary, held to German texts: a word it forbids,
        a source word whose German word is missing, and the sound cases."""
        glossary = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "i18n", "glossary.md")
        terms = checker.read_glossary(glossary)
        self.assertGreaterEqual(len(terms), 8)
        cases = {
            "sound": (message("Number of Spins:", "Anzahl der Drehungen:"), None),
            "left as the source": (message("$%1", "$%1"), None),
            "a spin called a game": (message("Number of Spins:", "Anzahl der Spiele:"), "Anzahl der Spiele"),
            "the display's credits": (message("CREDITS", "GUTHABEN"), "GUTHABEN"),
            "a spin without its word": (message("Spin again", "Nochmal"), "lacks 'Drehung'"),
            "money the English way": (message("Insert $%1", "$%1 einführen"), "'$%'"),
            "percent without a space": (message("%1% won", "%1%-Gewinn"), "'1%'"),
            "any as a mix": (message("ANY", "MIX"), "MIX"),
            "a pipe in a pattern": (message("You are down:", "Sie liegen zurück:"), "liegen zurück"),
        }
        for name, (text, expected) in cases.items():
            with self.subTest(name):
                problems = checker.check_glossary(self.write("strhaven_de.ts", ts(text)), terms)
                if expected is None:
                    self.assertEqual(problems, [])
                else:
                    self.assertTrue(problems and any(expected in p for p in problems), problems)
        page = self.write("help/de/topic.html", "<html><body><p>Ihr Guthaben: $5</p></body></html>")
        problems = checker.check_glossary(self.write("strhaven_de.ts", ts(GOOD)), terms, os.path.dirname(os.path.dirname(page)))
        self.assertEqual(len(problems), 2, problems)

    def test_exit_status(self):
        self.assertEqual(checker.main([self.write("good.ts", CASES["sound"][0])]), 0)
        self.assertEqual(checker.main([self.write("bad.ts", CASES["empty"][0])]), 1)

    @unittest.skipUnless(os.environ.get("LUPDATE"), "LUPDATE not set")
    def test_up_to_date(self):
        source = self.write("src/menu.cpp", 'namespace strhaven {\nclass GameMenu : public QObject {\n    Q_OBJECT\n'
                            '    void f() { tr("&Open Game"); tr("Save Game"); }\n};\n}\n')
        sources = self.write("sources.lst", source + "\n")
        current = message("Save Game", "Spiel speichern")
        cases = {
            "current": (ts(GOOD, current), None),
            "a text the sources added": (ts(GOOD), "not in the .ts"),
            "a text the sources dropped": (ts(GOOD, current, message("Exit", "Beenden")), "out of date"),
            "context renamed in the sources": (ts(GOOD, current, context="GameMenu"), "not in the .ts"),
        }
        for name, (text, expected) in cases.items():
            with self.subTest(name):
                path = self.write("strhaven_de.ts", text)
                problems = checker.check_up_to_date(path, os.environ["LUPDATE"], sources, self.dir)
                if expected is None:
                    self.assertEqual(problems, [])
                else:
                    self.assertTrue(problems and all(expected in p or "out of date" in p for p in problems), problems)
                    self.assertTrue(any(expected in p for p in problems), problems)

    def test_documents(self):
        english = ('<html><body><p><a href="contents.html">Contents</a></p><h1 id="top">Game files</h1>'
                   '<p>A game can be saved to a file and played on later, as often as you like.</p>'
                   '<p>See <a href="topic40.html">the Cash Out button</a> for the rest of it.</p></body></html>')
        german = ('<html><body><p><a href="contents.html">Inhalt</a></p><h1 id="top">Spieldateien</h1>'
                  '<p>Ein Spiel lässt sich in einer Datei speichern und später weiterspielen.</p>'
                  '<p>Siehe <a href="topic40.html">die Auszahltaste</a> für den Rest.</p></body></html>')
        readme = "A three-wheel slot machine for one player, played for fun.\nNothing here costs any money at all.\n"
        cases = {
            "translated": (german, True, None),
            "page missing": (None, True, "missing"),
            "English copy": (english, True, "still in English"),
            "link lost": (german.replace('<a href="topic40.html">die Auszahltaste</a>', "die Auszahltaste"), True,
                          "links"),
            "link to another page": (german.replace('"topic40.html"', '"topic50.html"'), True, "links"),
            "anchor lost": (german.replace(' id="top"', ""), True, "anchors"),
            "readme missing": (german, False, "readme.de.txt: missing"),
        }
        for name, (page, with_readme, expected) in cases.items():
            with self.subTest(name):
                shutil.rmtree(self.dir)
                self.write("help/topic50.html", english)
                self.write("docs/readme.txt", readme)
                os.makedirs(os.path.join(self.dir, "help/de"))
                if page is not None:
                    self.write("help/de/topic50.html", page)
                if with_readme:
                    self.write("docs/readme.de.txt", "Ein Spielautomat mit drei Walzen für einen Spieler.\n")
                self.assertOneProblem(checker.check_documents(os.path.join(self.dir, "help"),
                                                              os.path.join(self.dir, "docs"), ["de"]), expected)

    def test_readme_left_in_english(self):
        readme = "".join(f"Line {i} of the readme that tells the player what to do.\n" for i in range(10))
        self.write("help/contents.html", "<p>x</p>")
        self.write("help/de/contents.html", "<p>y</p>")
        self.write("docs/readme.txt", readme)
        self.write("docs/readme.de.txt", readme.replace("Line 0 of the readme", "Zeile 0 der Liesmich"))
        problems = checker.check_documents(os.path.join(self.dir, "help"), os.path.join(self.dir, "docs"), ["de"])
        self.assertEqual(problems, ["readme.de.txt: still in English"])


if __name__ == "__main__":
    unittest.main()
