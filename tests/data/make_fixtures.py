#!/usr/bin/env python3
"""Writes the PDF files the engine tests and the render benchmark read.

Every file is plain PDF text (except the benchmark drawings, whose page contents are compressed) with
a correct cross-reference table. Run from any directory: the files land beside this script.

    make_fixtures.py --heavy-drawing FILE   writes only the heavy drawing, to FILE; too large to
                                            commit, it is made by the build

The test page: 200 x 300 points, white, with a black square from (20, 200) to (80, 260) in page
space, that is pixels 20..80 x 40..100 when drawn at 200 x 300 pixels.
"""
import hashlib
import math
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

SQUARE = b"0 0 0 rg 20 200 60 60 re f\n"
FILE_ID = bytes.fromhex("51554f4c534154657374446f63756d65")


class Pdf:
    """Objects numbered from 1 in the order they are added; write() lays out the xref table."""

    def __init__(self, version="1.7"):
        self.version = version
        self.bodies = []
        self.encrypt = None  # (key, revision) when strings and streams are encrypted

    def reserve(self):
        self.bodies.append(None)
        return len(self.bodies)

    def set(self, num, body):
        self.bodies[num - 1] = body.encode("latin-1") if isinstance(body, str) else body

    def add(self, body):
        num = self.reserve()
        self.set(num, body)
        return num

    def add_stream(self, entries, data, num=None):
        num = num or self.reserve()
        if self.encrypt:
            data = rc4(object_key(self.encrypt, num), data)
        self.set(num, b"<< %s /Length %d >>\nstream\n" % (entries.encode(), len(data)) + data +
                 b"\nendstream")
        return num

    def write(self, name, trailer):
        out = bytearray(b"%%PDF-%s\n%%\xe2\xe3\xcf\xd3\n" % self.version.encode())
        offsets = []
        for num, body in enumerate(self.bodies, 1):
            offsets.append(len(out))
            out += b"%d 0 obj\n" % num + body + b"\nendobj\n"
        xref = len(out)
        out += b"xref\n0 %d\n0000000000 65535 f \n" % (len(self.bodies) + 1)
        for off in offsets:
            out += b"%010d 00000 n \n" % off
        out += b"trailer\n<< /Size %d %s >>\nstartxref\n%d\n%%%%EOF\n" % (
            len(self.bodies) + 1, trailer.encode(), xref)
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(out)
        return bytes(out)


def page_tree(pdf, pages, catalog_extra=""):
    """pages: list of (media box, content bytes, extra page entries). Returns the catalog number."""
    catalog = pdf.reserve()
    tree = pdf.reserve()
    kids = []
    for box, content, extra in pages:
        page = pdf.reserve()
        contents = pdf.add_stream("", content)
        pdf.set(page, "<< /Type /Page /Parent %d 0 R /MediaBox [%s] /Contents %d 0 R %s >>" %
                (tree, box, contents, extra))
        kids.append(page)
    pdf.set(tree, "<< /Type /Pages /Kids [%s] /Count %d >>" %
            (" ".join("%d 0 R" % k for k in kids), len(kids)))
    pdf.set(catalog, "<< /Type /Catalog /Pages %d 0 R %s >>" % (tree, catalog_extra))
    return catalog


def write_pages(pdf, name, catalog, tree, kids):
    """Fills the reserved page tree and catalog over the page objects kids, then writes the file."""
    pdf.set(tree, "<< /Type /Pages /Kids [%s] /Count %d >>" %
            (" ".join("%d 0 R" % k for k in kids), len(kids)))
    pdf.set(catalog, "<< /Type /Catalog /Pages %d 0 R >>" % tree)
    pdf.write(name, "/Root %d 0 R" % catalog)


def id_entry():
    return "/ID [<%s> <%s>]" % (FILE_ID.hex(), FILE_ID.hex())


def one_page():
    pdf = Pdf("1.6")
    root = page_tree(pdf, [("0 0 200 300", SQUARE, "")],
                     "/ViewerPreferences << /PrintScaling /None /NumCopies 3 >>")
    info = pdf.add("<< /Title (One page) /Author (QUOLSA tests) >>")
    pdf.write("one-page.pdf", "/Root %d 0 R /Info %d 0 R %s" % (root, info, id_entry()))


def three_pages():
    pdf = Pdf()
    root = page_tree(pdf, [
        ("0 0 200 300", SQUARE, ""),
        ("0 0 300 200", b"0 0 0 rg 200 20 60 60 re f\n", ""),
        ("0 0 200 300", SQUARE, "/Rotate 90"),
    ])
    pdf.write("three-pages.pdf", "/Root %d 0 R" % root)


def transparency():
    # The square black at half opacity, in a blend mode that needs the page's backdrop.
    pdf = Pdf()
    root = page_tree(pdf, [("0 0 200 300", b"/Half gs\n" + SQUARE,
                            "/Resources << /ExtGState << /Half << /Type /ExtGState /ca 0.5 "
                            "/BM /Darken >> >> >>")])
    pdf.write("transparency.pdf", "/Root %d 0 R" % root)


def form():
    pdf = Pdf()
    catalog = pdf.reserve()
    tree = pdf.reserve()
    page = pdf.reserve()
    field = pdf.reserve()
    font = pdf.add("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>")
    appearance = pdf.add_stream(
        "/Type /XObject /Subtype /Form /BBox [0 0 160 30] /Resources << /Font << /Helv %d 0 R >> >>"
        % font, b"/Tx BMC q BT /Helv 12 Tf 0 g 2 10 Td (Hello) Tj ET Q EMC\n")
    contents = pdf.add_stream("", SQUARE)
    pdf.set(field, "<< /Type /Annot /Subtype /Widget /FT /Tx /T (Name) /V (Hello) /F 4 "
            "/Rect [20 150 180 180] /P %d 0 R /DA (/Helv 12 Tf 0 g) /AP << /N %d 0 R >> >>"
            % (page, appearance))
    pdf.set(page, "<< /Type /Page /Parent %d 0 R /MediaBox [0 0 200 300] /Contents %d 0 R "
            "/Annots [%d 0 R] >>" % (tree, contents, field))
    pdf.set(tree, "<< /Type /Pages /Kids [%d 0 R] /Count 1 >>" % page)
    pdf.set(catalog, "<< /Type /Catalog /Pages %d 0 R /AcroForm << /Fields [%d 0 R] "
            "/DA (/Helv 12 Tf 0 g) /DR << /Font << /Helv %d 0 R >> >> >> >>" % (tree, field, font))
    pdf.write("form.pdf", "/Root %d 0 R" % catalog)


TEXT_LINES = [  # (x, baseline y, font size, text) on a 300 x 200 page, in reading order
    (20, 160, 20, "Hello World"),
    (20, 120, 10, "Visit https://example.com/quolsa today"),
    (20, 80, 12, "hello HELLO Helloworld"),
]


def text():
    # Lines of Helvetica text, one of them with a web address in it.
    pdf = Pdf()
    font = pdf.add("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>")
    content = b"BT 0 g\n" + b"".join(
        b"/F1 %d Tf 1 0 0 1 %d %d Tm (%s) Tj\n" % (size, x, y, line.encode())
        for x, y, size, line in TEXT_LINES) + b"ET\n"
    root = page_tree(pdf, [("0 0 300 200", content,
                            "/Resources << /Font << /F1 %d 0 R >> >>" % font)])
    pdf.write("text.pdf", "/Root %d 0 R" % root)


TEXT_PAGES = [  # lines (x, baseline y, font size, text) of each 300 x 200 page
    [(20, 150, 20, "The quick brown fox"), (20, 110, 20, "jumps over the dog"),
     (20, 70, 20, "fox and fox again")],
    [(20, 100, 20, "one fox on a line   ")],
    [],
]


def text_pages():
    """Three pages for selecting and highlighting: "fox" three times on the first page, once on the
    second, whose only line ends in spaces, and a third page without text."""
    pdf = Pdf()
    font = pdf.add("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>")
    pages = []
    for lines in TEXT_PAGES:
        content = b"BT 0 g\n" + b"".join(
            b"/F1 %d Tf 1 0 0 1 %d %d Tm (%s) Tj\n" % (size, x, y, line.encode())
            for x, y, size, line in lines) + b"ET\n"
        pages.append(("0 0 300 200", content, "/Resources << /Font << /F1 %d 0 R >> >>" % font))
    root = page_tree(pdf, pages)
    pdf.write("text-pages.pdf", "/Root %d 0 R" % root)


def form_fields():
    """Two pages of 200 x 300 points; the second holds an empty text field "Name" at (20, 200) to
    (180, 230) and a check box "Agree" at (20, 150) to (40, 170)."""
    pdf = Pdf()
    catalog = pdf.reserve()
    tree = pdf.reserve()
    first = pdf.reserve()
    second = pdf.reserve()
    text_field = pdf.reserve()
    check_box = pdf.reserve()
    font = pdf.add("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>")
    checked = pdf.add_stream("/Type /XObject /Subtype /Form /BBox [0 0 20 20]",
                             b"0 g 4 4 12 12 re f\n")
    unchecked = pdf.add_stream("/Type /XObject /Subtype /Form /BBox [0 0 20 20]", b"")
    contents = pdf.add_stream("", SQUARE)
    pdf.set(text_field, "<< /Type /Annot /Subtype /Widget /FT /Tx /T (Name) /V () /F 4 "
            "/Rect [20 200 180 230] /P %d 0 R /DA (/Helv 12 Tf 0 g) >>" % second)
    pdf.set(check_box, "<< /Type /Annot /Subtype /Widget /FT /Btn /T (Agree) /V /Off /AS /Off "
            "/F 4 /Rect [20 150 40 170] /P %d 0 R /AP << /N << /Yes %d 0 R /Off %d 0 R >> >> >>"
            % (second, checked, unchecked))
    pdf.set(first, "<< /Type /Page /Parent %d 0 R /MediaBox [0 0 200 300] /Contents %d 0 R >>"
            % (tree, contents))
    pdf.set(second, "<< /Type /Page /Parent %d 0 R /MediaBox [0 0 200 300] /Contents %d 0 R "
            "/Annots [%d 0 R %d 0 R] >>" % (tree, contents, text_field, check_box))
    pdf.set(tree, "<< /Type /Pages /Kids [%d 0 R %d 0 R] /Count 2 >>" % (first, second))
    pdf.set(catalog, "<< /Type /Catalog /Pages %d 0 R /AcroForm << /Fields [%d 0 R %d 0 R] "
            "/DA (/Helv 12 Tf 0 g) /DR << /Font << /Helv %d 0 R >> >> >> >>"
            % (tree, text_field, check_box, font))
    pdf.write("form-fields.pdf", "/Root %d 0 R" % catalog)


# The standard security handler with RC4, revisions 2 (40-bit key) and 3 (128-bit key).
PASSWORD_PAD = bytes.fromhex("28BF4E5E4E758A4164004E56FFFA01082E2E00B6D0683E802F0CA9FE6453697A")


def rc4(key, data):
    s = list(range(256))
    j = 0
    for i in range(256):
        j = (j + s[i] + key[i % len(key)]) & 0xFF
        s[i], s[j] = s[j], s[i]
    i = j = 0
    out = bytearray()
    for byte in data:
        i = (i + 1) & 0xFF
        j = (j + s[i]) & 0xFF
        s[i], s[j] = s[j], s[i]
        out.append(byte ^ s[(s[i] + s[j]) & 0xFF])
    return bytes(out)


def md5(data):
    return hashlib.md5(data).digest()


def padded(password):
    return (password + PASSWORD_PAD)[:32]


def xor_key(key, i):
    return bytes(b ^ i for b in key)


def owner_entry(owner, user, revision, n):
    h = md5(padded(owner))
    if revision >= 3:
        for _ in range(50):
            h = md5(h)
    key = h[:n]
    o = rc4(key, padded(user))
    if revision >= 3:
        for i in range(1, 20):
            o = rc4(xor_key(key, i), o)
    return o


def file_key(user, o, permissions, revision, n):
    h = md5(padded(user) + o + struct.pack("<i", permissions) + FILE_ID)
    if revision >= 3:
        for _ in range(50):
            h = md5(h[:n])
    return h[:n]


def user_entry(key, revision):
    if revision == 2:
        return rc4(key, PASSWORD_PAD)
    u = rc4(key, md5(PASSWORD_PAD + FILE_ID))
    for i in range(1, 20):
        u = rc4(xor_key(key, i), u)
    return u + bytes(16)


def object_key(encrypt, num):
    key = encrypt
    return md5(key + struct.pack("<i", num)[:3] + b"\0\0")[:min(len(key) + 5, 16)]


def encrypted(name, revision):
    n = 5 if revision == 2 else 16
    permissions = -3904
    o = owner_entry(b"owner", b"user", revision, n)
    key = file_key(b"user", o, permissions, revision, n)
    pdf = Pdf("1.4")
    pdf.encrypt = key
    root = page_tree(pdf, [("0 0 200 300", SQUARE, "")])
    pdf.encrypt = None
    extra = "" if revision == 2 else "/Length 128"
    enc = pdf.add("<< /Filter /Standard /V %d /R %d %s /O <%s> /U <%s> /P %d >>" % (
        1 if revision == 2 else 2, revision, extra, o.hex(), user_entry(key, revision).hex(),
        permissions))
    pdf.write(name, "/Root %d 0 R /Encrypt %d 0 R %s" % (root, enc, id_entry()))


def damaged():
    # A file cut off inside its first object: no catalog, no cross-reference table.
    with open(os.path.join(HERE, "damaged.pdf"), "wb") as f:
        f.write(b"%PDF-1.7\n1 0 obj\n<< /Type /Catal")


def missing_page():
    # The page tree claims two pages but holds one.
    pdf = Pdf()
    root = page_tree(pdf, [("0 0 200 300", SQUARE, "")])
    tree = root + 1
    pdf.set(tree, pdf.bodies[tree - 1].decode().replace("/Count 1", "/Count 2"))
    pdf.write("missing-page.pdf", "/Root %d 0 R" % root)


def portfolio():
    # A collection (portfolio), which the engine reports as an unsupported feature.
    pdf = Pdf()
    root = page_tree(pdf, [("0 0 200 300", SQUARE, "")], "/Collection << /Type /Collection >>")
    pdf.write("portfolio.pdf", "/Root %d 0 R" % root)


def movie():
    # A page with a movie annotation, which the engine's form layer reports as unsupported each
    # time the page is opened.
    pdf = Pdf()
    root = page_tree(pdf, [("0 0 200 300", SQUARE,
                            "/Annots [<< /Type /Annot /Subtype /Movie /Rect [100 20 180 80] "
                            "/Movie << /F (clip.mov) >> >>]")])
    pdf.write("movie.pdf", "/Root %d 0 R" % root)


ATTACHMENT = b"Notes of the drawing\r\n\x00\xff"


def attachment():
    # One embedded file with its size and date in the file's parameters.
    pdf = Pdf()
    catalog = pdf.reserve()
    data = pdf.add_stream("/Type /EmbeddedFile /Params << /Size %d /ModDate (D:20240101120000) >>"
                          % len(ATTACHMENT), ATTACHMENT)
    filespec = pdf.add("<< /Type /Filespec /F (notes.txt) /UF (notes.txt) /EF << /F %d 0 R >> >>" % data)
    tree = pdf.reserve()
    page = pdf.reserve()
    contents = pdf.add_stream("", SQUARE)
    pdf.set(page, "<< /Type /Page /Parent %d 0 R /MediaBox [0 0 200 300] /Contents %d 0 R >>"
            % (tree, contents))
    pdf.set(tree, "<< /Type /Pages /Kids [%d 0 R] /Count 1 >>" % page)
    pdf.set(catalog, "<< /Type /Catalog /Pages %d 0 R /Names << /EmbeddedFiles << /Names "
            "[(notes.txt) %d 0 R] >> >> >>" % (tree, filespec))
    pdf.write("attachment.pdf", "/Root %d 0 R" % catalog)


def tagged():
    """A tagged page: a Document element holding a paragraph (the text "Plan") and a figure (the
    square). The paragraph has one attribute object of layout values; the figure has two, the
    second of which holds a value of every kind the engine reads."""
    pdf = Pdf()
    catalog = pdf.reserve()
    tree = pdf.reserve()
    page = pdf.reserve()
    root = pdf.reserve()
    document = pdf.reserve()
    paragraph = pdf.reserve()
    figure = pdf.reserve()
    font = pdf.add("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>")
    contents = pdf.add_stream("", b"/P << /MCID 0 >> BDC BT 0 g /F1 12 Tf 1 0 0 1 20 120 Tm "
                              b"(Plan) Tj ET EMC\n/Figure << /MCID 1 >> BDC " + SQUARE + b"EMC\n")
    pdf.set(page, "<< /Type /Page /Parent %d 0 R /MediaBox [0 0 200 300] /Contents %d 0 R "
            "/Resources << /Font << /F1 %d 0 R >> >> /StructParents 0 >>" % (tree, contents, font))
    pdf.set(tree, "<< /Type /Pages /Kids [%d 0 R] /Count 1 >>" % page)
    pdf.set(root, "<< /Type /StructTreeRoot /K [%d 0 R] /ParentTree << /Nums [0 [%d 0 R %d 0 R]] >> "
            "/ParentTreeNextKey 1 >>" % (document, paragraph, figure))
    pdf.set(document, "<< /Type /StructElem /S /Document /P %d 0 R /K [%d 0 R %d 0 R] >>"
            % (root, paragraph, figure))
    pdf.set(paragraph, "<< /Type /StructElem /S /P /P %d 0 R /Pg %d 0 R /K 0 "
            "/A << /O /Layout /Placement /Block /SpaceBefore 12.5 >> >>" % (document, page))
    pdf.set(figure, "<< /Type /StructElem /S /Figure /P %d 0 R /Pg %d 0 R /K 1 /Alt (A square) "
            "/A [<< /O /Layout /BBox [20 200 80 260] >> "
            "<< /O /QUOLSA /Checked true /Count 3 /Label (Plan A) /Code <00FF10> >>] >>"
            % (document, page))
    pdf.set(catalog, "<< /Type /Catalog /Pages %d 0 R /MarkInfo << /Marked true >> "
            "/StructTreeRoot %d 0 R >>" % (tree, root))
    pdf.write("tagged.pdf", "/Root %d 0 R" % catalog)


def plain_files():
    with open(os.path.join(HERE, "empty.pdf"), "wb"):
        pass
    with open(os.path.join(HERE, "not-a-pdf.pdf"), "wb") as f:
        f.write(b"This is a plain text file, not a PDF document.\n")


def drawing():
    """The render benchmark's document: eight A3 landscape sheets of a CAD-like plan. The plan is one
    form object that every sheet draws, shifted, over a grid of its own."""
    ops = ["1 w 0.1 0.2 0.6 RG"]
    for k in range(400):  # circles of four Bezier arcs
        cx = 60 + (k * 37) % 1070
        cy = 60 + (k * 53) % 720
        r = 5 + (k * 13) % 40
        c = r * 0.5523
        ops.append("%d %d m %.1f %d %d %.1f %d %d c %d %.1f %.1f %d %d %d c "
                   "%.1f %d %d %.1f %d %d c %d %.1f %.1f %d %d %d c" % (
                       cx + r, cy, cx + r, cy + c, cx + c, cy + r, cx, cy + r,
                       cx - c, cy + r, cx - r, cy + c, cx - r, cy,
                       cx - r, cy - c, cx - c, cy - r, cx, cy - r,
                       cx + c, cy - r, cx + r, cy - c, cx + r, cy))
    ops.append("S 0.6 0.1 0.1 rg")
    for k in range(600):  # short filled rectangles
        ops.append("%d %d %d %d re" % ((k * 71) % 1150, (k * 29) % 800, 8 + k % 30, 3 + k % 7))
    ops.append("f BT /F1 9 Tf 0 g")
    for k in range(120):  # labels
        ops.append("1 0 0 1 %d %d Tm (Room %03d area %.2f m2) Tj" % (
            (k * 97) % 1100, 20 + (k * 61) % 800, k, 10 + math.sqrt(k)))
    ops.append("ET")
    plan_ops = "\n".join(ops).encode()

    pdf = Pdf()
    catalog = pdf.reserve()
    tree = pdf.reserve()
    font = pdf.add("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>")
    plan = pdf.add_stream("/Type /XObject /Subtype /Form /BBox [0 0 1191 842] /Resources "
                          "<< /Font << /F1 %d 0 R >> >> /Filter /FlateDecode" % font,
                          zlib.compress(plan_ops, 9))
    kids = []
    for sheet in range(8):
        grid = ["0.4 w 0 0 0 RG"]
        for k in range(0, 1191, 20):
            grid.append("%d 0 m %d 842 l" % (k, k))
        for k in range(0, 842, 20):
            grid.append("0 %d m 1191 %d l" % (k, k))
        grid.append("S q 1 0 0 1 %d %d cm /Plan Do Q" % (sheet * 7, sheet * 5))
        grid.append("BT /F1 14 Tf 1 0 0 1 1000 20 Tm (Sheet %d of 8) Tj ET" % (sheet + 1))
        page = pdf.reserve()
        contents = pdf.add_stream("/Filter /FlateDecode", zlib.compress("\n".join(grid).encode(), 9))
        pdf.set(page, "<< /Type /Page /Parent %d 0 R /MediaBox [0 0 1191 842] /Contents %d 0 R "
                "/Resources << /Font << /F1 %d 0 R >> /XObject << /Plan %d 0 R >> >> >>"
                % (tree, contents, font, plan))
        kids.append(page)
    write_pages(pdf, "drawing.pdf", catalog, tree, kids)


HEAVY_PAGES = 4
HEAVY_MARKER = 120  # side of each page's marker square, points


def heavy_plan():
    """The content all pages of the heavy drawing share: an A1 floor plan of 40 x 28 rooms whose
    walls, hatches and furniture are single strokes, as CAD plots write them, and two labels per
    room. Coordinates in tenths of a point. Returns the content and the number of strokes."""
    seed = [12345]

    def rnd(n):
        seed[0] = (seed[0] * 1103515245 + 12345) & 0x7FFFFFFF
        return seed[0] % n

    ops = ["q 0.1 0 0 0.1 0 0 cm 1 J 1 j"]
    x0, y0, x1, y1 = 400, 2000, 23440, 16440
    columns, rows = 40, 28
    cw, ch = (x1 - x0) // columns, (y1 - y0) // rows
    strokes = 0
    for j in range(rows):
        for i in range(columns):
            rx, ry = x0 + i * cw, y0 + j * ch
            ops.append("%d w 0 0 0 RG" % (3 + rnd(4)))
            for ax, ay, bx, by in ((rx, ry, rx + cw, ry), (rx + cw, ry, rx + cw, ry + ch),
                                   (rx + cw, ry + ch, rx, ry + ch), (rx, ry + ch, rx, ry)):
                for k in range(4):  # each wall in four pieces
                    ops.append("%d %d m %d %d l S" % (
                        ax + (bx - ax) * k // 4, ay + (by - ay) * k // 4,
                        ax + (bx - ax) * (k + 1) // 4, ay + (by - ay) * (k + 1) // 4))
                    strokes += 1
            ops.append("1 w 0.2 0.2 0.6 RG")  # hatch at 45 degrees inside the walls
            ix0, iy0, ix1, iy1 = rx + 40, ry + 40, rx + cw - 40, ry + ch - 40
            for c in range(ix0 - (iy1 - iy0), ix1, 8 + rnd(8)):
                sx, sy, ex, ey = c, iy0, c + (iy1 - iy0), iy1
                if sx < ix0:
                    sy, sx = sy + ix0 - sx, ix0
                if ex > ix1:
                    ey, ex = ey - (ex - ix1), ix1
                if sx < ix1 and sy < iy1:
                    # every other room is cross-hatched: the same line mirrored
                    lines = [(sx, sy, ex, ey)] + ([(sx, iy0 + iy1 - sy, ex, iy0 + iy1 - ey)]
                                                  if (i + j) % 2 else [])
                    for line in lines:
                        ops.append("%d %d m %d %d l S" % line)
                        strokes += 1
            ops.append("2 w 0.5 0.1 0.1 RG")  # furniture
            for _ in range(6):
                fx, fy = rx + 80 + rnd(cw - 200), ry + 80 + rnd(ch - 200)
                ops.append("%d %d m %d %d l %d %d l %d %d l h S" % (
                    fx, fy, fx + 60, fy, fx + 60, fy + 40, fx, fy + 40))
                strokes += 1
    ops.append("BT 0 g")
    for j in range(rows):
        for i in range(columns):
            rx, ry = x0 + i * cw, y0 + j * ch
            ops.append("/F1 40 Tf 1 0 0 1 %d %d Tm (R%02d-%02d) Tj" % (rx + 60, ry + ch - 100, j, i))
            ops.append("/F1 28 Tf 1 0 0 1 %d %d Tm (%.1f m2) Tj" % (rx + 60, ry + 60, cw * ch / 1e5))
    ops.append("ET Q")
    return "\n".join(ops).encode(), strokes


def heavy_drawing(path):
    """The heavy drawing: HEAVY_PAGES A1 landscape sheets (2384 x 1684 points) of one plan of some
    159,000 strokes and 2,240 labels. Below the plan, sheet n (from 0) shows a black square of
    HEAVY_MARKER points at (40 + 160 n, 40), so every sheet can be told apart on the screen."""
    plan_ops, _ = heavy_plan()
    pdf = Pdf()
    catalog = pdf.reserve()
    tree = pdf.reserve()
    font = pdf.add("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>")
    plan = pdf.add_stream("/Filter /FlateDecode", zlib.compress(plan_ops, 9))
    kids = []
    for sheet in range(HEAVY_PAGES):
        marker = pdf.add_stream("", b"0 g %d 40 %d %d re f\n" % (
            40 + 160 * sheet, HEAVY_MARKER, HEAVY_MARKER))
        page = pdf.reserve()
        pdf.set(page, "<< /Type /Page /Parent %d 0 R /MediaBox [0 0 2384 1684] "
                "/Contents [%d 0 R %d 0 R] /Resources << /Font << /F1 %d 0 R >> >> >>"
                % (tree, plan, marker, font))
        kids.append(page)
    write_pages(pdf, path, catalog, tree, kids)


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--heavy-drawing":
        heavy_drawing(os.path.abspath(sys.argv[2]))
        sys.exit(0)
    one_page()
    three_pages()
    transparency()
    form()
    text()
    text_pages()
    form_fields()
    encrypted("encrypted-rc4-40.pdf", 2)
    encrypted("encrypted-rc4-128.pdf", 3)
    damaged()
    missing_page()
    portfolio()
    movie()
    attachment()
    tagged()
    plain_files()
    drawing()
