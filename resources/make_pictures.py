#!/usr/bin/python3
"""Draws the window's GIF pictures and the banana icon from their SVG sources.

Each picture: GIF89a, one frame, a global colour table of a fixed number of
entries, no local table, not interlaced, colour index 0 transparent. The icon:
16, 32 and 48 pixels, 8 bits per pixel with a 256-entry palette and a 1-bit mask.

Needs rsvg-convert (librsvg2-bin) and Pillow (python3-pil).
"""
import io
import pathlib
import struct
import subprocess
import sys

from PIL import Image

HERE = pathlib.Path(__file__).resolve().parent

# name, width, height, colour table entries
PICTURES = [
    ("grapes", 60, 64, 64),
    ("orange", 52, 52, 128),
    ("banana", 85, 95, 256),
    ("apple", 51, 63, 64),
    ("strawberry", 52, 70, 128),
    ("apricot", 81, 76, 256),
]
ICON_SIZES = [16, 32, 48]
# The window is white: half-covered edge pixels are blended against it.
WHITE = (255, 255, 255)


def rasterise(svg, width=None, height=None):
    args = ["rsvg-convert", "--format=png"]
    if width:
        args += ["--width", str(width)]
    if height:
        args += ["--height", str(height), "--keep-aspect-ratio"]
    png = subprocess.run(args + [str(svg)], check=True, capture_output=True).stdout
    return Image.open(io.BytesIO(png)).convert("RGBA")


def indexed(rgba, entries):
    """Pixels as indices into a palette of exactly `entries` colours, index 0
    standing for transparent."""
    opaque = [a >= 128 for a in rgba.getchannel("A").getdata()]
    flat = Image.new("RGB", rgba.size, WHITE)
    flat.paste(rgba, mask=rgba.getchannel("A"))
    quantised = flat.quantize(colors=entries - 1, method=Image.Quantize.MEDIANCUT)
    used = quantised.getpalette()[: 3 * (entries - 1)]
    palette = list(WHITE) + used + [0] * (3 * (entries - 1) - len(used))
    pixels = [i + 1 if o else 0 for i, o in zip(quantised.getdata(), opaque)]
    return pixels, palette


def write_gif(path, width, height, entries, pixels, palette):
    image = Image.new("P", (width, height))
    image.putdata(pixels)
    image.putpalette(palette)
    image.save(path, format="GIF", transparency=0, interlace=False, optimize=False)


def icon_image(size):
    banana = rasterise(HERE / "pictures" / "banana.svg", height=size)
    square = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    square.paste(banana, ((size - banana.width) // 2, 0))
    pixels, palette = indexed(square, 256)
    write_theme_png(size, pixels, palette)
    row = (size + 3) // 4 * 4
    mask_row = (size + 31) // 32 * 4
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(size)):  # bottom-up
        line = pixels[y * size : (y + 1) * size]
        xor += bytes(line) + bytes(row - size)
        bits = bytearray(mask_row)
        for x, p in enumerate(line):
            if p == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 8, 0, len(xor) + len(mask), 0, 0, 0, 0)
    quads = b"".join(bytes((palette[3 * i + 2], palette[3 * i + 1], palette[3 * i], 0)) for i in range(256))
    return header + quads + bytes(xor) + bytes(mask)


def write_ico(path):
    images = [icon_image(s) for s in ICON_SIZES]
    write_win32_icon(path.parent / "win32", images)
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(ICON_SIZES, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 8, len(data), offset)
        offset += len(data)
    path.write_bytes(out + b"".join(images))


# The desktop's icon theme gets the same images, and the drawing itself.
THEME = HERE / "icons" / "hicolor"


def write_theme_png(size, pixels, palette):
    THEME.mkdir(exist_ok=True)
    image = Image.new("P", (size, size))
    image.putdata(pixels)
    image.putpalette(palette)
    image.convert("RGBA").save(THEME / f"{size}.png", optimize=True)


def write_theme_svg():
    svg = (HERE / "pictures" / "banana.svg").read_text()
    square = svg.replace('width="85" height="95" viewBox="0 0 85 95"',
                         'width="95" height="95" viewBox="-5 0 95 95"', 1)
    if square == svg:
        sys.exit("banana.svg no longer has the size this expects")
    THEME.mkdir(exist_ok=True)
    (THEME / "scalable.svg").write_text(square)


# The executable's icon resources: one image each, gathered by a group.
ICON_IDS = [30001, 30002, 30003]


def write_win32_icon(folder, images):
    folder.mkdir(exist_ok=True)
    group = struct.pack("<HHH", 0, 1, len(images))
    for size, data, ident in zip(ICON_SIZES, images, ICON_IDS):
        (folder / f"banana-{size}.dib").write_bytes(data)
        group += struct.pack("<BBBBHHIH", size, size, 0, 0, 1, 8, len(data), ident)
    (folder / "banana.grp").write_bytes(group)


def main():
    for name, width, height, entries in PICTURES:
        rgba = rasterise(HERE / "pictures" / f"{name}.svg", width=width)
        if rgba.size != (width, height):
            sys.exit(f"{name}.svg draws {rgba.size}, not {width}x{height}")
        pixels, palette = indexed(rgba, entries)
        write_gif(HERE / "pictures" / f"{name}.gif", width, height, entries, pixels, palette)
    write_ico(HERE / "icons" / "banana.ico")
    write_theme_svg()


if __name__ == "__main__":
    main()
