"""Checks of the help file tav.chm and of the sources it is built from.

The compiled file must hold every page of help/ with the stylesheet, the
contents and the index, and the copy beside the program must be the same
file. Every internal link of the pages, every entry of the contents and the
index must lead to a page that exists (and,
with a #fragment, to an element of that page that carries the id).

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
        if tag == "a" and "href" in attrs:
            self.links.append(attrs["href"])
        if tag == "img" and "src" in attrs:
            self.links.append(attrs["src"])
        if tag == "link" and "href" in attrs:
            self.links.append(attrs["href"])
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


class CompiledFileTest(unittest.TestCase):
    def chm_names(self, path):
        result = subprocess.run([CHMLS, "--name-only", "--no-page", "list", path],
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                universal_newlines=True, check=True)
        return {line.strip()[1:] for line in result.stdout.splitlines()
                if line.strip().startswith("/")}

    def test_holds_every_page_the_stylesheet_contents_and_index(self):
        names = self.chm_names(CHM)
        expected = PAGES + [STYLESHEET] + source_files(".hhc") + source_files(".hhk")
        self.assertGreater(len(PAGES), 1, "no pages found in " + SOURCE)
        missing = [n for n in expected if n not in names]
        self.assertEqual(missing, [], "missing from " + CHM)
        # The viewer's index and full-text search come from these.
        for internal in ("#SYSTEM", "#WINDOWS", "$WWKeywordLinks/BTree"):
            self.assertIn(internal, names)

    def test_copy_beside_program_is_the_same_file(self):
        self.assertTrue(os.path.isfile(CHM_BESIDE_PROGRAM), CHM_BESIDE_PROGRAM)
        self.assertTrue(filecmp.cmp(CHM, CHM_BESIDE_PROGRAM, shallow=False))


class LinkTest(unittest.TestCase):
    def test_internal_links_of_the_pages_lead_to_existing_pages(self):
        problems = []
        for name in PAGES:
            for link in DOCUMENTS[name].links:
                if is_internal(link):
                    why = broken(link)
                    if why:
                        problems.append("%s: %s (%s)" % (name, link, why))
        self.assertEqual(problems, [])

    def test_contents_and_index_entries_lead_to_existing_pages(self):
        problems = []
        for name in source_files(".hhc") + source_files(".hhk"):
            self.assertTrue(DOCUMENTS[name].locals, name + " has no entries")
            for local in DOCUMENTS[name].locals:
                why = broken(local) if is_internal(local) else "not a page of the help"
                if why:
                    problems.append("%s: %s (%s)" % (name, local, why))
        self.assertEqual(problems, [])

    def test_every_page_is_in_the_contents(self):
        listed = set()
        for name in source_files(".hhc"):
            listed.update(urlsplit(local).path for local in DOCUMENTS[name].locals)
        self.assertEqual([p for p in PAGES if p not in listed], [])


if __name__ == "__main__":
    unittest.main()
