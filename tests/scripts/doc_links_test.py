#!/usr/bin/env python3
"""Every relative link of the front page and the guides names a file that exists, and a heading of
it where it names one (#anchor), as GitHub makes anchors of headings. Links to the web and mail
are not followed. usage: doc_links_test.py REPOSITORY_ROOT"""
import re
import sys
import tempfile
import unicodedata
from pathlib import Path

LINK = re.compile(r"!?\[(?:[^\]\\]|\\.)*\]\(\s*<?([^)\s>]+)>?(?:\s+\"[^\"]*\")?\s*\)")
HEADING = re.compile(r"^(#{1,6})\s+(.*?)\s*#*\s*$")
FENCE = re.compile(r"^\s*(```|~~~)")


def prose_lines(text):
    """The lines outside fenced code, where a # is a heading and a ](...) a link."""
    fenced = False
    for number, line in enumerate(text.splitlines(), 1):
        if FENCE.match(line):
            fenced = not fenced
            continue
        if not fenced:
            yield number, line


def anchor(heading):
    """GitHub's anchor of a heading: lower case, markup and punctuation gone, spaces as hyphens."""
    text = re.sub(r"`([^`]*)`", r"\1", heading)
    text = re.sub(r"\[([^\]]*)\]\([^)]*\)", r"\1", text)
    kept = "".join(c for c in text.lower()
                   if c in " -_" or unicodedata.category(c)[0] in "LNM")
    return kept.replace(" ", "-")


def anchors(path):
    seen = {}
    for _, line in prose_lines(path.read_text(encoding="utf-8")):
        match = HEADING.match(line)
        if match:
            base = anchor(match.group(2))
            count = seen.get(base, 0)
            seen[base] = count + 1
            yield base if count == 0 else f"{base}-{count}"


def prose(text):
    """The text with fenced code blanked out, line for line, so that offsets keep their lines."""
    lines = text.splitlines()
    kept = dict(prose_lines(text))
    return "\n".join(kept.get(number, "") for number in range(1, len(lines) + 1))


def check(root, page):
    faults = []
    text = re.sub(r"`[^`]*`", lambda code: re.sub(r"[^\n]", " ", code.group()),
                  prose(page.read_text(encoding="utf-8")))
    for link in LINK.finditer(text):
        target = link.group(1)
        if re.match(r"^[a-z][a-z0-9+.-]*:", target, re.I):
            continue
        number = text.count("\n", 0, link.start()) + 1
        file_part, _, fragment = target.partition("#")
        linked = (page.parent / file_part).resolve() if file_part else page
        where = f"{page.relative_to(root)}:{number}: {target}"
        if not linked.exists():
            faults.append(f"{where}: no such file")
        elif root not in linked.parents and linked != root:
            faults.append(f"{where}: outside the repository")
        elif fragment:
            if linked.suffix != ".md":
                faults.append(f"{where}: a heading of a file that has none")
            elif fragment not in set(anchors(linked)):
                faults.append(f"{where}: no heading makes #{fragment}")
    return faults


def pages_of(root):
    return [root / "README.md"] + sorted((root / "docs").glob("*.md"))


def checker_sees_faults():
    """The check itself, on made-up pages: it must find the two broken links and only them."""
    with tempfile.TemporaryDirectory() as folder:
        root = Path(folder).resolve()
        (root / "docs").mkdir()
        (root / "README.md").write_text(
            "[a](docs/a.md#the-days-off-自分の休日) [b](docs/a.md#gone) [c\nd](docs/none.md)\n"
            "```\n[in code](nowhere.md)\n```\n", encoding="utf-8")
        (root / "docs" / "a.md").write_text("# The days off (自分の休日)\n[up](../README.md#top)\n",
                                            encoding="utf-8")
        found = [f for page in pages_of(root) for f in check(root, page)]
        return len(found) == 3 and all(("#gone" in f) or ("none.md" in f) or ("#top" in f)
                                       for f in found)


def main():
    if not checker_sees_faults():
        print("FAIL: the link check misses broken links on made-up pages")
        return 1
    root = Path(sys.argv[1]).resolve()
    pages = pages_of(root)
    faults = [fault for page in pages for fault in check(root, page)]
    for fault in faults:
        print("FAIL:", fault)
    print(f"{len(pages)} pages checked, {len(faults)} broken links")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
