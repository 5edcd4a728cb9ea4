#!/usr/bin/env python3
"""guide.js: the user guide's pages for the page's help, made when the page
is built. Starting at index.md, every page the guide links to is turned into
HTML (Debian's python3-markdown) with its pictures inside as data, so that
the help works in the single file with no network:

  Ventora.guide = [{page: "index.md", title: "...", html: "..."}, ...]

  guide_pages.py GUIDE_FOLDER OUTPUT.js
"""

import base64
import html.parser
import json
import pathlib
import sys
import urllib.parse

import markdown

PICTURE_TYPES = {".svg": "image/svg+xml", ".png": "image/png", ".jpg": "image/jpeg"}


class Links(html.parser.HTMLParser):
    """The guide pages an HTML page links to, and the first heading's text."""

    def __init__(self):
        super().__init__()
        self.pages, self.title, self._in_title = [], None, False

    def handle_starttag(self, tag, attrs):
        href = dict(attrs).get("href")
        if tag == "a" and href:
            target = urllib.parse.urlparse(href)
            if not target.scheme and target.path.endswith(".md"):
                self.pages.append(target.path)
        self._in_title = tag == "h1" and self.title is None

    def handle_endtag(self, tag):
        self._in_title = False

    def handle_data(self, data):
        if self._in_title:
            self.title = (self.title or "") + data


def with_pictures(text, folder):
    """Each picture's file written into the page as a data address."""
    for source in sorted(set(part.split('"', 1)[0] for part in text.split('src="')[1:])):
        path = folder / urllib.parse.unquote(source)
        kind = PICTURE_TYPES.get(path.suffix.lower())
        if kind is None or not path.is_file():
            sys.exit(f"guide_pages.py: {source}: no picture the page can carry")
        data = base64.b64encode(path.read_bytes()).decode("ascii")
        text = text.replace(f'src="{source}"', f'src="data:{kind};base64,{data}"')
    return text


def main():
    folder, output = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    pages, queue = [], ["index.md"]
    while queue:
        name = queue.pop(0)
        if name in (p["page"] for p in pages):
            continue
        source = folder / name
        if not source.is_file():
            sys.exit(f"guide_pages.py: the guide links to {name}, which is not there")
        text = markdown.markdown(source.read_text(encoding="utf-8"),
                                 extensions=["tables", "fenced_code", "toc", "sane_lists"])
        links = Links()
        links.feed(text)
        pages.append({"page": name, "title": (links.title or name).strip(),
                      "html": with_pictures(text, folder)})
        queue += [p for p in links.pages if p not in queue]
    script = "window.Ventora = window.Ventora || {};\nVentora.guide = " + json.dumps(pages) + ";\n"
    output.write_text(script.replace("</", "<\\/"), encoding="utf-8")


if __name__ == "__main__":
    main()
