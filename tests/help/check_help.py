"""Checks of the help file tav.chm and of the sources it is built from.

The compiled file must hold every page of help/ with the stylesheet, the
contents and the index, and the copy beside the program must be the same
file. Every internal link of the pages, every entry of the contents and the
index must lead to a page that exists (and, with a #fragment, to an element
of that page that carries the id).

Run by CTest with:
  TAV_HELP_SOURCE         the help/ folder of the sources
  TAV_CHM                 the compiled help file in the build tree
  TAV_CHM_BESIDE_PROGRAM  the copy beside tav.exe
  TAV_CHMLS               the chmls program
"""

import filecmp
import os
import subprocess
import unittest
from html.parser import HTMLParser
from urllib.parse import unquote, urlsplit

SOURCE = os.environ["TAV_HELP_SOURCE"]
CHM = os.environ["TAV_CHM"]
CHM_BESIDE_PROGRAM = os.environ["TAV_CHM_BESIDE_PROGRAM"]
CHMLS = os.environ["TAV_CHMLS"]

CONTENTS_PAGE = "contents.htm"
STYLESHEET = "tav.css"


class Document(HTMLParser):
    """What one HTML file offers and refers to: its ids and anchor names,
    its links (a href, link href, img src) and the Local values of its
    sitemap objects (contents and index)."""

    def __init__(self, path):
        super().__init__(convert_charrefs=True)
        self.ids = set()
        self.links = []
        self.locals = []
        with open(path, encoding="ascii", errors="replace") as f:
            self.feed(f.read())
        self.close()

    def handle_starttag(self, tag, attrs):
        attrs = {name: (value or "") for name, value in attrs}
        if "id" in attrs:
            self.ids.add(attrs["id"])
        if tag == "a" and "name" in attrs:
            self.ids.add(attrs["name"])
        link = {"a": "href", "img": "src", "link": "href"}.get(tag)
        if link in attrs:
            self.links.append(attrs[link])
        if tag == "param" and attrs.get("name", "").lower() == "local":
            self.locals.append(attrs.get("value", ""))


def source_files(ending):
    return sorted(n for n in os.listdir(SOURCE) if n.lower().endswith(ending))


PAGES = source_files(".htm")
DOCUMENTS = {name: Document(os.path.join(SOURCE, name))
             for name in PAGES + source_files(".hhc") + source_files(".hhk")}


def is_internal(link):
    parts = urlsplit(link)
    return not parts.scheme and not parts.netloc


def broken(link):
    """Why an internal link leads nowhere, or None when it is fine."""
    parts = urlsplit(link)
    target = unquote(parts.path)
    if target not in PAGES and target != STYLESHEET:
        return "no such page"
    if parts.fragment:
        if target not in DOCUMENTS:
            return "a fragment into a file without ids"
        if unquote(parts.fragment) not in DOCUMENTS[target].ids:
            return "no element with the id " + parts.fragment
    return None


class HelpFileTest(unittest.TestCase):
    def test_holds_every_page_and_the_copy_beside_the_program_is_the_same(self):
        result = subprocess.run([CHMLS, "--name-only", "--no-page", "list", CHM], stdout=subprocess.PIPE,
                                stderr=subprocess.DEVNULL, universal_newlines=True, check=True)
        names = {line.strip()[1:] for line in result.stdout.splitlines() if line.strip().startswith("/")}
        self.assertGreater(len(PAGES), 1, "no pages found in " + SOURCE)
        expected = PAGES + [STYLESHEET] + source_files(".hhc") + source_files(".hhk")
        self.assertEqual([n for n in expected if n not in names], [], "missing from " + CHM)
        # The viewer's index and full-text search come from these.
        for internal in ("#SYSTEM", "#WINDOWS", "$WWKeywordLinks/BTree"):
            self.assertIn(internal, names)
        self.assertTrue(filecmp.cmp(CHM, CHM_BESIDE_PROGRAM, shallow=False), CHM_BESIDE_PROGRAM)

    def test_every_link_and_entry_leads_to_a_page_and_every_page_is_listed(self):
        problems = []
        for name in PAGES:
            problems += ["%s: %s (%s)" % (name, link, broken(link))
                         for link in DOCUMENTS[name].links if is_internal(link) and broken(link)]
        listed = set()
        for name in source_files(".hhc") + source_files(".hhk"):
            self.assertTrue(DOCUMENTS[name].locals, name + " has no entries")
            for local in DOCUMENTS[name].locals:
                why = broken(local) if is_internal(local) else "not a page of the help"
                if why:
                    problems.append("%s: %s (%s)" % (name, local, why))
                if name.endswith(".hhc"):
                    listed.add(urlsplit(local).path)
        problems += ["%s is not in the contents" % p for p in PAGES if p not in listed]
        self.assertEqual(problems, [])


if __name__ == "__main__":
    unittest.main()
