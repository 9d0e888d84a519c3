#!/usr/bin/env python3
"""Writes the documents the import tests compare against independent tools,
and the tools' text for them:

  html/docNN.html   HTML documents (Windows-1252 or UTF-8), and
  html/docNN.w3m.txt, html/docNN.html2text.txt   w3m's and html2text's text;
  odt/docNN.odt     OpenDocument text, and odt/docNN.odt2txt.txt  odt2txt's text.

Run it again (with w3m, html2text and odt2txt installed) only when the
documents change; the tests read the committed files and need no tool."""

import os
import random
import subprocess
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))

WORDS = ("the of and to in was that he she it his her with as had for on at by not be "
         "but from they this which all were when one there been would could their said "
         "into time more some what them only other its then little than now very about "
         "upon great before must over long old such after well made first came where "
         "garden letter morning evening window river mountain village stranger silence "
         "lantern harbour carriage shadow promise journey doctor captain widow orchard "
         "caf\u00e9 na\u00efve fa\u00e7ade Z\u00fcrich se\u00f1or \u0153uvre d\u00e9j\u00e0 "
         "Andr\u00e9 M\u00fcller \u00c9mile").split()
PUNCT = [",", ",", ";", ":"]


def sentence(rng, capital=True):
    words = [rng.choice(WORDS) for _ in range(rng.randint(5, 16))]
    for k in range(1, len(words) - 1):
        if rng.random() < 0.08:
            words[k] += rng.choice(PUNCT)
    if capital:
        words[0] = words[0][:1].upper() + words[0][1:]
    return " ".join(words) + rng.choice([".", ".", ".", "?", "!"])


def html_inline(rng, text):
    """Emphasis, entities and a link over some words of a paragraph."""
    out = []
    for word in text.split(" "):
        r = rng.random()
        if r < 0.04:
            word = "<b>" + word + "</b>"
        elif r < 0.08:
            word = "<i>" + word + "</i>"
        elif r < 0.10:
            word = "<em>" + word + "</em>"
        elif r < 0.11:
            word = '<a href="chapter.html?a=1&amp;b=2" title="go &gt; on">' + word + "</a>"
        elif r < 0.12:
            word = "<span class=\"x\">" + word + "</span>"
        out.append(word)
        if rng.random() < 0.03:
            out.append(rng.choice(["&amp;", "&mdash;", "&ndash;", "&hellip;", "&euro;",
                                   "&lsquo;quoted&rsquo;", "&ldquo;said&rdquo;", "&#233;t&#233;",
                                   "&copy;", "AT&amp;T", "&pound;5"]))
    text = " ".join(out)
    text = text.replace("caf\u00e9", "caf&eacute;", 1)
    return text


def html_document(rng, index, utf8):
    parts = ["<!DOCTYPE html>", "<html><head>"]
    parts.append('<meta charset="%s">' % ("utf-8" if utf8 else "windows-1252"))
    parts.append("<title>Document %d</title>" % index)
    parts.append("<style>p { margin: 0 } h2 { color: #333 }</style>")
    parts.append("<script>var pages = 3; if (pages < 4) { pages++; }</script>")
    parts.append("</head><body>")
    parts.append("<h1>%s</h1>" % sentence(rng)[:-1])
    for chapter in range(rng.randint(3, 5)):
        parts.append("<h2>Chapter %d</h2>" % (chapter + 1))
        for _ in range(rng.randint(3, 6)):
            kind = rng.random()
            if kind < 0.55:
                text = " ".join(sentence(rng) for _ in range(rng.randint(2, 6)))
                parts.append("<p>" + html_inline(rng, text) + "</p>")
            elif kind < 0.65:
                items = "".join("<li>%s</li>" % sentence(rng) for _ in range(rng.randint(2, 4)))
                tag = rng.choice(["ul", "ol"])
                parts.append("<%s>%s</%s>" % (tag, items, tag))
            elif kind < 0.72:
                parts.append("<blockquote><p>%s</p></blockquote>" % sentence(rng))
            elif kind < 0.79:
                rows = "".join("<tr><td>%s</td><td>%s</td></tr>" % (rng.choice(WORDS),
                                                                   sentence(rng, False))
                               for _ in range(rng.randint(2, 3)))
                parts.append("<table>%s</table>" % rows)
            elif kind < 0.85:
                lines = "<br>\n".join(sentence(rng) for _ in range(3))
                parts.append("<p>%s</p>" % lines)
            elif kind < 0.90:
                parts.append("<pre>%s\n    %s</pre>" % (sentence(rng), sentence(rng)))
            elif kind < 0.94:
                parts.append("<!-- a note > for the editor --><hr>")
            else:
                parts.append("<div>%s <del>struck out</del> %s</div>" % (sentence(rng),
                                                                          sentence(rng)))
    parts.append("<script>document.write('late');</script>")
    parts.append("</body></html>")
    text = "\n".join(parts) + "\n"
    return text.encode("utf-8" if utf8 else "cp1252")


ODT_HEAD = ('<?xml version="1.0" encoding="UTF-8"?>'
            '<office:document-content '
            'xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
            'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" '
            'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
            'xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0" '
            'xmlns:xlink="http://www.w3.org/1999/xlink" office:version="1.2">'
            '<office:automatic-styles/><office:body><office:text>')
ODT_TAIL = '</office:text></office:body></office:document-content>'


def xml_escape(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def odt_inline(rng, text):
    out = []
    for word in xml_escape(text).split(" "):
        r = rng.random()
        if r < 0.05:
            word = '<text:span text:style-name="T1">' + word + "</text:span>"
        out.append(word)
    joined = ""
    for k, word in enumerate(out):
        if k:
            r = rng.random()
            joined += ('<text:s text:c="2"/> ' if r < 0.03 else
                       "<text:tab/>" if r < 0.05 else " ")
        joined += word
    return joined


def odt_document(rng):
    body = []
    body.append('<text:h text:style-name="Heading_1" text:outline-level="1">%s</text:h>'
                % xml_escape(sentence(rng)[:-1]))
    for chapter in range(rng.randint(3, 5)):
        body.append('<text:h text:outline-level="2">Chapter %d</text:h>' % (chapter + 1))
        for _ in range(rng.randint(3, 6)):
            kind = rng.random()
            if kind < 0.7:
                text = " ".join(sentence(rng) for _ in range(rng.randint(2, 6)))
                body.append('<text:p text:style-name="P1">%s</text:p>' % odt_inline(rng, text))
            elif kind < 0.8:
                items = "".join('<text:list-item><text:p>%s</text:p></text:list-item>'
                                % xml_escape(sentence(rng)) for _ in range(3))
                body.append('<text:list>%s</text:list>' % items)
            elif kind < 0.88:
                body.append('<text:p>%s<text:line-break/>%s</text:p>'
                            % (xml_escape(sentence(rng)), xml_escape(sentence(rng))))
            elif kind < 0.94:
                rows = "".join('<table:table-row><table:table-cell><text:p>%s</text:p>'
                               '</table:table-cell><table:table-cell><text:p>%s</text:p>'
                               '</table:table-cell></table:table-row>'
                               % (rng.choice(WORDS), xml_escape(sentence(rng)))
                               for _ in range(2))
                body.append('<table:table table:name="Table1">%s</table:table>' % rows)
            else:
                body.append('<text:p/>')
    content = ODT_HEAD + "".join(body) + ODT_TAIL
    return content.encode("utf-8")


def write_odt(path, content):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as odt:
        odt.writestr(zipfile.ZipInfo("mimetype"), "application/vnd.oasis.opendocument.text",
                     compress_type=zipfile.ZIP_STORED)
        odt.writestr("META-INF/manifest.xml",
                     '<?xml version="1.0" encoding="UTF-8"?>'
                     '<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:'
                     'xmlns:manifest:1.0" manifest:version="1.2"><manifest:file-entry '
                     'manifest:full-path="/" manifest:media-type="application/vnd.oasis.'
                     'opendocument.text"/><manifest:file-entry manifest:full-path='
                     '"content.xml" manifest:media-type="text/xml"/></manifest:manifest>')
        odt.writestr("content.xml", content)


def run(command, stdin=None):
    return subprocess.run(command, check=True, capture_output=True, input=stdin).stdout


def main():
    rng = random.Random(9)
    os.makedirs(os.path.join(HERE, "html"), exist_ok=True)
    os.makedirs(os.path.join(HERE, "odt"), exist_ok=True)
    for index in range(1, 13):
        utf8 = index % 3 == 0
        path = os.path.join(HERE, "html", "doc%02d.html" % index)
        with open(path, "wb") as f:
            f.write(html_document(rng, index, utf8))
        charset = "UTF-8" if utf8 else "CP1252"
        w3m = run(["w3m", "-dump", "-T", "text/html", "-I", charset, "-O", "UTF-8",
                   "-cols", "400", path])
        with open(path[:-5] + ".w3m.txt", "wb") as f:
            f.write(w3m)
        # html2text reads UTF-8 only.
        with open(path, "rb") as f:
            document = f.read()
        if not utf8:
            document = document.decode("cp1252").encode("utf-8")
        h2t = run(["html2text", "-nobs", "-utf8", "-width", "400"], document)
        with open(path[:-5] + ".html2text.txt", "wb") as f:
            f.write(h2t)
    for index in range(1, 11):
        path = os.path.join(HERE, "odt", "doc%02d.odt" % index)
        write_odt(path, odt_document(rng))
        text = run(["odt2txt", "--encoding=UTF-8", "--width=-1", path])
        with open(path[:-4] + ".odt2txt.txt", "wb") as f:
            f.write(text)


if __name__ == "__main__":
    main()
