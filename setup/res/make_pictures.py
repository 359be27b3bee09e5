#!/usr/bin/python3
"""Draw the installer's pictures: welcome.bmp, printer.bmp, blank.bmp, Setup.ico.

The files are written next to this script.  Everything is drawn from code
(no random input), so running the script again produces identical bytes.

Needs Debian's python3-pil and the WenQuanYi Micro Hei font
(fonts-wqy-microhei) for the Chinese and Latin lettering.

Usage:  /usr/bin/python3 make_pictures.py
"""

import math
import os
import struct

from PIL import Image, ImageChops, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
FONT_FILE = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"

# --- Colours (R, G, B) ------------------------------------------------------
BEIGE = (236, 233, 216)          # dialog background behind every picture
BLANK_BEIGE = (234, 231, 214)    # filler bitmap, one shade darker
ORANGE = (241, 137, 28)          # core colour of the sweep lines
TEXT_BLACK = (0, 0, 0)

# --- welcome.bmp layout (pixel rows/columns from the top-left, inclusive) ---
WELCOME_SIZE = (600, 456)
TITLE_TEXT = "TR-417V 打印机"
TITLE_BOX = (337, 38, 572, 71)           # left, top, right, bottom of the ink
GREETING_TEXT = "欢迎使用 TR-417V 打印机安装向导"
GREETING_BOX = (327, 98, 554, 112)
THICK_LINE_ROWS = (76, 84)
THICK_LINE_FADE = (230, 350)             # background at 230, full orange at 350
THIN_LINE_ROWS = (91, 94)
THIN_LINE_FADE = (150, 225)
LINE_EDGE_STRENGTH = 0.45                # outermost line rows: soft edge

# --- printer.bmp ------------------------------------------------------------
PRINTER_SIZE = (64, 67)
PRINTER_SCALE = 8                        # drawn 8x larger, then reduced
FRAME_SHADOW = (214, 210, 190)
FRAME_FILL = (249, 248, 241)
FRAME_BORDER = (202, 198, 180)
PAPER_WHITE = (255, 255, 255)
PAPER_EDGE = (168, 170, 176)
PAPER_PRINT = (150, 160, 185)
BODY_GREY = (206, 208, 212)
BODY_TOP = (226, 228, 231)
BODY_OUTLINE = (112, 116, 124)
FRONT_RED = (226, 80, 38)
FRONT_RED_DARK = (170, 50, 22)
SLOT_DARK = (60, 62, 68)
LED_GREEN = (60, 200, 80)

# --- blank.bmp --------------------------------------------------------------
BLANK_SIZE = (82, 35)

# --- Setup.ico --------------------------------------------------------------
ICON_SIZE = 32
ICON_SCALE = 8
# The 1-bit mask keeps a disc and clears the four corners.  Distances are
# measured from pixel centres; the disc centre sits a quarter pixel up-left of
# the centre of pixel (16, 16), which with this radius keeps 723 pixels opaque
# and leaves 301 transparent.
ICON_DISC_CENTRE = (15.75, 15.75)
ICON_DISC_RADIUS = 15.19
ICON_TEXT = "TR"
ICON_TEXT_BLUE = (18, 38, 120)
SPHERE_DARK = (70, 74, 86)       # rim
SPHERE_MID = (168, 172, 182)     # body of the sphere
SPHERE_LIGHT = (228, 230, 236)   # lit side
SPHERE_HIGHLIGHT = (255, 255, 255)


def font(size):
    return ImageFont.truetype(FONT_FILE, size)


def mix(a, b, t):
    """Blend colour a towards colour b by fraction t (0..1)."""
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def smoothstep(t):
    t = min(1.0, max(0.0, t))
    return t * t * (3.0 - 2.0 * t)


# --- text fitting -----------------------------------------------------------

def text_ink_mask(text, size, gap_extra, stroke=0):
    """Draw text glyph by glyph into an "L" mask, cropped to its ink.

    gap_extra pixels (may be fractional or negative) are added after every
    glyph except the last, so the width of the line can be tuned without
    changing the height of the characters.
    """
    fnt = font(size)
    pad = size + 2 * stroke + 8
    width = int(fnt.getlength(text) + abs(gap_extra) * len(text)) + 2 * pad
    mask = Image.new("L", (width, size * 2 + 2 * pad), 0)
    draw = ImageDraw.Draw(mask)
    x = float(pad)
    for ch in text:
        draw.text((int(round(x)), pad), ch, font=fnt, fill=255,
                  stroke_width=stroke, stroke_fill=255)
        x += fnt.getlength(ch) + gap_extra
    return mask.crop(mask.getbbox())


def fitted_text_mask(text, box, supersample, stroke=0):
    """Return a mask whose ink fills box (left, top, right, bottom) exactly.

    The font size is chosen so the ink has the box height; the spacing
    between glyphs then absorbs the remaining width.  With supersample > 1
    the text is drawn larger and reduced, which gives smooth edges for big
    lettering; with supersample == 1 the font's own hinting keeps small
    characters crisp.
    """
    box_w = box[2] - box[0] + 1
    box_h = box[3] - box[1] + 1
    target_h = box_h * supersample
    # Largest size whose ink is not taller than the box.
    size = target_h
    while text_ink_mask(text, size, 0, stroke).size[1] > target_h:
        size -= 1
    plain = text_ink_mask(text, size, 0, stroke)
    gaps = max(1, len(text) - 1)
    gap = (box_w * supersample - plain.size[0]) / gaps
    mask = text_ink_mask(text, size, gap, stroke)
    if supersample > 1 or mask.size != (box_w, box_h):
        mask = mask.resize((box_w, box_h), Image.LANCZOS)
    return mask


def paint_mask(img, mask, origin, colour):
    solid = Image.new("RGB", mask.size, colour)
    img.paste(solid, origin, mask)


# --- pictures ---------------------------------------------------------------

def sweep_line(img, rows, fade):
    """Orange line over rows[0]..rows[1] that fades in from the background
    between columns fade[0] and fade[1] and runs to the right edge."""
    width = img.size[0]
    px = img.load()
    top, bottom = rows
    for y in range(top, bottom + 1):
        edge = LINE_EDGE_STRENGTH if y in (top, bottom) else 1.0
        for x in range(width):
            along = smoothstep((x - fade[0]) / float(fade[1] - fade[0]))
            t = along * edge
            if t > 0:
                px[x, y] = mix(BEIGE, ORANGE, t)


def draw_welcome():
    img = Image.new("RGB", WELCOME_SIZE, BEIGE)
    title = fitted_text_mask(TITLE_TEXT, TITLE_BOX, supersample=4, stroke=1)
    paint_mask(img, title, TITLE_BOX[:2], TEXT_BLACK)
    sweep_line(img, THICK_LINE_ROWS, THICK_LINE_FADE)
    sweep_line(img, THIN_LINE_ROWS, THIN_LINE_FADE)
    greeting = fitted_text_mask(GREETING_TEXT, GREETING_BOX, supersample=1)
    paint_mask(img, greeting, GREETING_BOX[:2], TEXT_BLACK)
    return img


def draw_printer():
    s = PRINTER_SCALE
    w, h = PRINTER_SIZE
    big = Image.new("RGB", (w * s, h * s), BEIGE)
    d = ImageDraw.Draw(big)

    def r(x0, y0, x1, y1):
        """Picture coordinates (in final pixels) to the enlarged canvas."""
        return (round(x0 * s), round(y0 * s), round(x1 * s) - 1, round(y1 * s) - 1)

    # Light rounded frame with a soft drop shadow.
    d.rounded_rectangle(r(2.5, 2.5, 63, 66), radius=9 * s, fill=FRAME_SHADOW)
    d.rounded_rectangle(r(1, 1, 62, 65), radius=9 * s, fill=FRAME_FILL,
                        outline=FRAME_BORDER, width=s)

    # Sheet of paper waiting in the feeder at the back.
    d.rectangle(r(19, 9, 45, 26), fill=PAPER_WHITE, outline=PAPER_EDGE, width=s)
    for y in (13, 16, 19):
        d.rectangle(r(23, y, 41 if y != 19 else 35, y + 1), fill=PAPER_PRINT)

    # Printer body: lighter top face, grey sides, dark outline.
    d.rounded_rectangle(r(8, 23, 56, 50), radius=4 * s, fill=BODY_GREY,
                        outline=BODY_OUTLINE, width=s)
    d.rounded_rectangle(r(9, 24, 55, 31), radius=3 * s, fill=BODY_TOP)
    d.rectangle(r(9, 31, 55, 32), fill=BODY_OUTLINE)
    # Paper entry slit on the top face.
    d.rectangle(r(17, 25.5, 47, 27), fill=SLOT_DARK)
    # Status light.
    d.ellipse(r(49, 27, 52, 30), fill=LED_GREEN, outline=BODY_OUTLINE, width=s // 2)

    # Red-orange front panel with the output slot.
    d.rounded_rectangle(r(11, 34, 53, 48), radius=2 * s, fill=FRONT_RED,
                        outline=FRONT_RED_DARK, width=s)
    d.rectangle(r(15, 40, 49, 42), fill=SLOT_DARK)

    # White output tray with a printed page sliding out of the slot.
    d.polygon([(16 * s, 46 * s), (48 * s, 46 * s), (52 * s, 57 * s),
               (12 * s, 57 * s)], fill=PAPER_WHITE, outline=PAPER_EDGE)
    d.line([(12 * s, 57 * s), (52 * s, 57 * s)], fill=PAPER_EDGE, width=s)
    d.line([(16 * s, 46 * s), (12 * s, 57 * s)], fill=PAPER_EDGE, width=s)
    d.line([(48 * s, 46 * s), (52 * s, 57 * s)], fill=PAPER_EDGE, width=s)
    d.rectangle(r(19, 42, 45, 52), fill=PAPER_WHITE, outline=PAPER_EDGE, width=s // 2)
    for y in (45, 48):
        d.rectangle(r(22, y, 42 if y == 45 else 36, y + 1), fill=PAPER_PRINT)
    # Feet.
    d.rectangle(r(11, 50, 15, 52), fill=BODY_OUTLINE)
    d.rectangle(r(49, 50, 53, 52), fill=BODY_OUTLINE)

    return big.resize(PRINTER_SIZE, Image.LANCZOS)


def draw_blank():
    return Image.new("RGB", BLANK_SIZE, BLANK_BEIGE)


def icon_opaque(x, y):
    """True when pixel (x, y) of the icon lies inside the visible disc."""
    dx = x - ICON_DISC_CENTRE[0]
    dy = y - ICON_DISC_CENTRE[1]
    return dx * dx + dy * dy <= ICON_DISC_RADIUS * ICON_DISC_RADIUS


def draw_icon_picture():
    """The silver sphere with the lettering, before masking (RGB, 32 x 32)."""
    s = ICON_SCALE
    n = ICON_SIZE * s
    # Sphere centre and radius on the enlarged canvas; pixel centres of the
    # final image are at (x + 0.5), hence the half-pixel shift.  The sphere
    # is a little larger than the mask disc so the rim fills the edge pixels.
    cx = (ICON_DISC_CENTRE[0] + 0.5) * s
    cy = (ICON_DISC_CENTRE[1] + 0.5) * s
    radius = (ICON_DISC_RADIUS + 0.8) * s
    # Light comes from the upper left, slightly in front.
    lx, ly, lz = -0.45, -0.55, 0.70
    ln = math.sqrt(lx * lx + ly * ly + lz * lz)
    lx, ly, lz = lx / ln, ly / ln, lz / ln

    big = Image.new("RGB", (n, n), SPHERE_DARK)
    px = big.load()
    for y in range(n):
        for x in range(n):
            nx = (x + 0.5 - cx) / radius
            ny = (y + 0.5 - cy) / radius
            rr = nx * nx + ny * ny
            if rr > 1.0:
                continue
            nz = math.sqrt(1.0 - rr)
            diffuse = max(0.0, nx * lx + ny * ly + nz * lz)
            # Base shading: dark rim through mid grey to the lit side.
            if diffuse < 0.5:
                colour = mix(SPHERE_DARK, SPHERE_MID, smoothstep(diffuse / 0.5))
            else:
                colour = mix(SPHERE_MID, SPHERE_LIGHT, smoothstep((diffuse - 0.5) / 0.5))
            # Darken the outermost ring so the ball reads as round.
            rim = smoothstep((math.sqrt(rr) - 0.82) / 0.18)
            colour = mix(colour, SPHERE_DARK, 0.7 * rim)
            # Shiny highlight: light mirrored by the surface towards the viewer.
            refl_z = 2.0 * diffuse * nz - lz
            shine = max(0.0, refl_z) ** 14
            colour = mix(colour, SPHERE_HIGHLIGHT, min(1.0, shine * 1.1))
            px[x, y] = colour

    # Lettering across the middle, with a faint light halo for contrast.
    text_box = (int(7.5 * s), int(10 * s), int(25 * s), int(22 * s))
    mask = fitted_text_mask(ICON_TEXT, text_box, supersample=1, stroke=s // 2)
    halo = mask.resize((mask.size[0] + s, mask.size[1] + s), Image.LANCZOS)
    halo = halo.point(lambda v: v * 0.45)
    paint_mask(big, halo, (text_box[0] - s // 2, text_box[1] - s // 2), SPHERE_LIGHT)
    paint_mask(big, mask, text_box[:2], ICON_TEXT_BLUE)

    return big.resize((ICON_SIZE, ICON_SIZE), Image.LANCZOS)


def icon_bytes(picture):
    """Encode a 32 x 32 RGB picture as a one-image, 24-bit .ico file."""
    size = ICON_SIZE
    px = picture.load()
    xor_rows = []
    and_rows = []
    for y in range(size - 1, -1, -1):        # bottom-up, as in a DIB
        row = bytearray()
        bits = 0
        for x in range(size):
            if icon_opaque(x, y):
                r, g, b = px[x, y]
            else:
                r = g = b = 0                 # transparent: black XOR pixel
                bits |= 1 << (size - 1 - x)   # ... and AND bit set
            row += bytes((b, g, r))
        row += b"\0" * (-len(row) % 4)
        xor_rows.append(bytes(row))
        mask_row = bits.to_bytes(size // 8, "big")
        and_rows.append(mask_row + b"\0" * (-len(mask_row) % 4))
    pixels = b"".join(xor_rows) + b"".join(and_rows)

    info = struct.pack("<IiiHHIIiiII",
                       40,            # biSize
                       size,          # biWidth
                       size * 2,      # biHeight: XOR image + AND mask
                       1,             # biPlanes
                       24,            # biBitCount
                       0,             # biCompression = BI_RGB
                       len(pixels),   # biSizeImage
                       0, 0, 0, 0)
    image = info + pixels
    header = struct.pack("<HHH", 0, 1, 1)            # ICONDIR: icon, 1 image
    entry = struct.pack("<BBBBHHII",
                        size, size,   # width, height
                        0, 0,         # no palette, reserved
                        1, 24,        # planes, bits per pixel
                        len(image),   # bytes in resource
                        6 + 16)       # image offset
    return header + entry + image


def save_bmp(img, name):
    # PIL writes an "RGB" image as a 24-bit BI_RGB DIB with a 40-byte
    # BITMAPINFOHEADER and bottom-up rows, which is what LoadImage expects.
    img.save(os.path.join(HERE, name), format="BMP")


def main():
    save_bmp(draw_welcome(), "welcome.bmp")
    save_bmp(draw_printer(), "printer.bmp")
    save_bmp(draw_blank(), "blank.bmp")
    with open(os.path.join(HERE, "Setup.ico"), "wb") as f:
        f.write(icon_bytes(draw_icon_picture()))


if __name__ == "__main__":
    main()
