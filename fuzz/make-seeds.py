#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the seed corpus of the fuzz harnesses (fuzz/corpus/*).

The seeds are small, made here byte by byte so that they can be read and
re-made: the program's own four buttons' stored layouts, a layout with every
property type (pictures of each kind among them), layouts with values in their
text forms, command lines of the render tool, and pictures of every kind the
loader reads. Run it from anywhere; it rewrites the folders' files.
"""
import base64
import json
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


def write(kind, name, data):
    folder = os.path.join(HERE, "corpus", kind)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode("utf-8"))


# ---- Pictures ----------------------------------------------------------------

def pixels(width, height, alpha):
    """A diagonal ramp with a transparent corner (RGBA rows, top first)."""
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            a = 0 if alpha and x + y < 3 else 255
            row.append((40 * x % 256, 60 * y % 256, 200, a))
        rows.append(row)
    return rows


def png(width, height, alpha):
    def chunk(tag, body):
        return struct.pack(">I", len(body)) + tag + body + struct.pack(">I", zlib.crc32(tag + body) & 0xFFFFFFFF)
    raw = b""
    for row in pixels(width, height, alpha):
        raw += b"\0" + b"".join(bytes(p if alpha else p[:3]) for p in row)
    header = struct.pack(">IIBBBBB", width, height, 8, 6 if alpha else 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b"")


def dib(width, height, bits, with_mask=False):
    """A bottom-up DIB (header and pixels) of 24 or 32 bits; icons add an AND mask."""
    stride = (width * bits // 8 + 3) // 4 * 4
    body = b""
    for row in reversed(pixels(width, height, bits == 32)):
        line = b"".join(bytes((b, g, r, a) if bits == 32 else (b, g, r)) for r, g, b, a in row)
        body += line + b"\0" * (stride - len(line))
    if with_mask:
        mask_stride = (width + 31) // 32 * 4
        body += b"\0" * mask_stride * height
    rows = height * 2 if with_mask else height
    header = struct.pack("<IiiHHIIiiII", 40, width, rows, 1, bits, 0, len(body), 3780, 3780, 0, 0)
    return header + body


def bmp(width, height, bits):
    body = dib(width, height, bits)
    return b"BM" + struct.pack("<IHHI", 14 + len(body), 0, 0, 54) + body


def ico(images):
    """An icon file of (width, height, image bytes) entries."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    data = b""
    for width, height, image in images:
        directory += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(image), offset + len(data))
        data += image
    return directory + data


def gif(width, height):
    """A two-colour GIF with an uncompressed-style LZW stream (clear codes)."""
    header = b"GIF89a" + struct.pack("<HHBBB", width, height, 0x80, 0, 0) + bytes((255, 0, 0, 0, 0, 255))
    control = b"\x21\xf9\x04\x01\x00\x00\x01\x00"  # colour 1 transparent
    image = b"\x2c" + struct.pack("<HHHHB", 0, 0, width, height, 0)
    # Code size 2: codes are 3 bits; emit clear, then one pixel code, repeating clear to keep 3 bits.
    codes = []
    for i in range(width * height):
        codes += [4, i % 2]
    codes.append(5)
    bits, count, out = 0, 0, bytearray()
    for code in codes:
        bits |= code << count
        count += 3
        while count >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            count -= 8
    if count:
        out.append(bits & 0xFF)
    blocks = b""
    for i in range(0, len(out), 255):
        part = bytes(out[i:i + 255])
        blocks += bytes((len(part),)) + part
    return header + control + image + b"\x02" + blocks + b"\x00\x3b"


write("picture", "alpha.png", png(6, 5, True))
write("picture", "opaque.png", png(4, 4, False))
write("picture", "rgb24.bmp", bmp(5, 3, 24))
write("picture", "argb32.bmp", bmp(4, 4, 32))
write("picture", "dib.ico", ico([(4, 4, dib(4, 4, 32, with_mask=True))]))
write("picture", "png-and-dib.ico", ico([(6, 5, png(6, 5, True)), (4, 4, dib(4, 4, 32, with_mask=True))]))
write("picture", "two.gif", gif(4, 2))
write("picture", "truncated.png", png(6, 5, True)[:40])
write("picture", "huge-header.png", png(1, 1, False)[:16] + struct.pack(">II", 30000, 30000) + png(1, 1, False)[24:])


# ---- Stored layouts ----------------------------------------------------------

def font(text):
    return {"Font": text}


def picture(kind, data):
    return {"Picture": kind, "Png": base64.b64encode(data).decode("ascii")}


def layout(pairs):
    # json.dumps keeps the order of the pairs, as the bag keeps its keys.
    return json.dumps(dict(pairs), indent=2) + "\n"


program_buttons = [("check", "Provera (3)", 700), ("tesmir", "O &Tesmiru Vokrantu", 400),
                   ("program", "O &Programu", 400), ("exit", "&Izlaz", 400)]
for name, caption, weight in program_buttons:
    write("bag", "form1-%s.json" % name, layout([
        ("_extentx", 3201), ("_extenty", 873), ("buttonstyle", 13), ("font", font("Tahoma,9.75,%d,0" % weight)),
        ("backcolor", 0), ("caption", caption), ("pictureeffectonover", 0), ("pictureeffectondown", 0),
        ("captioneffects", 0), ("tooltipbackcolor", 0)]))

write("bag", "every-key.json", layout([
    ("ButtonStyle", 8), ("ShowFocusRect", True), ("Enabled", True), ("Font", font("Calibri,11.25,700,238,italic,underline")),
    ("BackColor", 0x8000000F), ("Caption", "Sve &osobine\nu dva reda"), ("ForeColor", 0x0000FF),
    ("ForeColorHover", 0x00FF00), ("Mode", 1), ("Value", True), ("MousePointer", 99), ("HandPointer", True),
    ("MouseIcon", picture(3, png(4, 4, True))), ("PictureNormal", picture(1, png(6, 5, True))),
    ("PictureHot", picture(1, png(4, 4, False))), ("PictureDown", picture(3, png(6, 5, True))),
    ("PictureAlign", 5), ("PictureEffectOnOver", 1), ("PictureEffectOnDown", 2), ("PicturePushOnHover", True),
    ("PictureShadow", True), ("PictureOpacity", 200), ("PictureOpacityOnOver", 128), ("DisabledPictureMode", 1),
    ("CaptionEffects", 3), ("UseMaskColor", False), ("MaskColor", 0xE0E0E0), ("CaptionAlign", 2),
    ("ToolTip", "Savet"), ("TooltipType", 1), ("TooltipIcon", 2), ("TooltipTitle", "Naslov"),
    ("TooltipBackColor", 0x80000018), ("RightToLeft", True), ("DropDownSymbol", 6), ("DropDownSeparator", True),
    ("ColorScheme", 2)]))

write("bag", "text-forms.json", layout([
    ("buttonstyle", " 4 "), ("enabled", "False"), ("value", -1), ("mode", 2.0), ("backcolor", "&H8000000F&"),
    ("forecolor", "0x80000012"), ("maskcolor", 4294967295), ("caption", 42), ("font", "Tahoma,8.25,400,0"),
    ("pictureopacity", "255"), ("picturenormal", None)]))

write("bag", "empty.json", "{}\n")
write("bag", "unknown-keys.json", layout([("Colour", 5), ("ToolTipStyle", 1), ("Caption", "?")]))
write("bag", "duplicate-key.json", '{"Caption": "a", "caption": "b"}\n')
write("bag", "broken-font.json", layout([("Font", font("Tahoma,nan,400,0"))]))
write("bag", "big-font-long-caption.json", layout([("Font", font("Tahoma,2000,700,0")), ("Caption", "W\n" * 64)]))
for style in range(14):
    write("bag", "style-%02d.json" % style, layout([("ButtonStyle", style), ("Mode", style % 3), ("Caption", "S%d" % style),
                                                   ("DropDownSymbol", style % 7)]))


# ---- Studio presets -----------------------------------------------------------
# A stored layout with the button's size in twips, as the studio saves it.

write("preset", "saved.json", layout([("_ExtentX", 1815), ("_ExtentY", 495), ("ButtonStyle", 2), ("Caption", "Dalje"),
                                      ("DropDownSymbol", 6)]))
write("preset", "largest.json", layout([("_ExtentX", 61440), ("_ExtentY", 225), ("Caption", "W" * 4096)]))
write("preset", "too-large.json", layout([("_ExtentX", 100000), ("_ExtentY", 100000), ("Caption", "big")]))
write("preset", "unlisted-values.json", layout([("ButtonStyle", 99), ("Mode", -1), ("CaptionEffects", 9)]))
write("preset", "unknown-key.json", layout([("_ExtentX", 1815), ("Shade", 3)]))
write("preset", "fraction-extent.json", '{"_ExtentX": 1815.5, "_extenty": "495"}\n')


# ---- Render tool command lines ------------------------------------------------
# One argument per line; the harness has a.png, b.bmp, i.ico and l.json at hand.

def command(*arguments):
    return "\n".join(arguments)


write("args", "rounded.txt", command("--size", "75x23", "--set", "buttonstyle=2", "--set", "BackColor=0xE7EBEC",
                                     "--set", "Caption=OK", "--set", "DropDownSymbol=6", "--focus", "--json", "out.png"))
write("args", "pictures.txt", command("--size=40x20", "--set", "PictureNormal=a.png", "--set", "PictureHot=b.bmp",
                                      "--set", "PictureDown=i.ico", "--state", "down", "out.png"))
write("args", "bag.txt", command("--bag", "l.json", "--set", "Font=Tahoma,9.75,700,0,italic", "--new", "--themed", "-"))
write("args", "sheet.txt", command("--sheet", "sheet.png", "--themed"))
write("args", "every-flag.txt", command("--new", "--focus", "--default", "--inactive", "--mouse-inside",
                                        "--mouse-pressed", "--state=hot", "--set=MaskColor=&HFF00FF&",
                                        "--set", "PictureOpacity=0", "--set", "MousePointer=-32768", "o.png"))
write("args", "bad.txt", command("-x", "--set", "BackColor=0x-1", "o.png"))
