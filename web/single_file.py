#!/usr/bin/env python3
"""ventora.html: the page of SITE in one file that works opened from disk.

Its style sheet and scripts are written into it, and the engine's
WebAssembly as base64 that the page decodes before it starts the engine:
nothing is fetched, so no server and no network are needed. The
surroundings module rides along inert (a script of type text/plain and its
WebAssembly as base64), started only when the user first opens the
surroundings.

  single_file.py SITE OUTPUT
"""

import base64
import pathlib
import re
import sys


def script(text):
    # A script's text may not hold its own end tag.
    return "<script>\n" + text.replace("</script", "<\\/script") + "\n</script>"


def inert_surroundings(site):
    module = (site / "surroundings.js").read_text(encoding="utf-8").replace("</script", "<\\/script")
    wasm = base64.b64encode((site / "surroundings.wasm").read_bytes()).decode("ascii")
    return (f'<script type="text/plain" id="surroundings-module">\n{module}\n</script>\n'
            f'<script type="application/octet-stream" id="surroundings-wasm">{wasm}</script>')


def main():
    site, output = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    page = (site / "index.html").read_text(encoding="utf-8")
    css = (site / "page.css").read_text(encoding="utf-8")
    page = page.replace('<link rel="stylesheet" href="page.css">', "<style>\n" + css + "\n</style>")
    wasm = base64.b64encode((site / "engine.wasm").read_bytes()).decode("ascii")
    engine = (
        f'window.VentoraWasm = Uint8Array.from(atob("{wasm}"), (c) => c.charCodeAt(0));\n'
        + (site / "engine.js").read_text(encoding="utf-8")
    )

    def inline(match):
        name = match.group(1)
        return script(engine if name == "engine.js" else (site / name).read_text(encoding="utf-8"))

    page = re.sub(r'<script src="([a-z_]+\.js)"></script>', inline, page)
    page = page.replace("</body>", inert_surroundings(site) + "\n</body>")
    if '<script src="' in page or 'href="page.css"' in page:
        sys.exit("single_file.py: the page still refers to a file beside it")
    output.write_text(page, encoding="utf-8")


if __name__ == "__main__":
    main()
