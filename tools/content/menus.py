"""Menu and display pictures: the logo, the selection wallpaper, the menu
tile, the dark crest behind the title, the four selection pictures and the
pieces of the life-bar display.

Pictures the game keys (crest, selection pictures, display pieces) have
hard edges against the green; the opaque ones (logo, wallpaper, tile) may
be smooth, since no key colour touches them."""
import copy
import math

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

import body
import stage
from common import KEY, out_path, save_jpeg, save_keyed_png, save_opaque_png
from figure import OUTLINE
from fonts import title_font_file
from moves import MOVESETS
from roster import ROSTER

GOLD = (246, 206, 127)
GOLD_DARK = (176, 130, 60)
NIGHT_TOP = (14, 12, 30)
NIGHT_LOW = (56, 34, 74)
TITLE = "QuillmooR"


def vertical_gradient(width, height, top, bottom):
    t = np.linspace(0.0, 1.0, height)[:, None, None]
    a = np.array(top, dtype=float)[None, None, :]
    b = np.array(bottom, dtype=float)[None, None, :]
    rows = (a + (b - a) * t).repeat(width, axis=1)
    return Image.fromarray(rows.round().astype(np.uint8), "RGB")


def quill(draw, tip, length, angle, colours):
    """A feather: a long leaf shape with barbs, from its tip backward."""
    ca, sa = math.cos(math.radians(angle)), math.sin(math.radians(angle))

    def at(u, v):
        return (tip[0] + u * ca - v * sa, tip[1] + u * sa + v * ca)

    width = length * 0.13
    outline = [at(0, 0)]
    for i in range(1, 21):
        u = length * i / 20
        outline.append(at(u, width * math.sin(math.pi * min(1.0, u / (length * 0.95)))))
    for i in range(20, 0, -1):
        u = length * i / 20
        outline.append(at(u, -width * 0.8 * math.sin(math.pi * min(1.0, u / (length * 0.95)))))
    draw.polygon(outline, fill=colours[0], outline=colours[2])
    draw.line([at(0, 0), at(length * 1.12, 0)], fill=colours[2], width=3)
    for i in range(3, 19, 2):
        u = length * i / 20
        draw.line([at(u, 0), at(u + length * 0.06, width * 0.8 * math.sin(math.pi * u / length))],
                  fill=colours[1], width=2)


def logo():
    img = vertical_gradient(640, 480, NIGHT_TOP, NIGHT_LOW)
    draw = ImageDraw.Draw(img)
    rng = np.random.default_rng(501)
    for _ in range(120):
        x, y = rng.integers(0, 640), rng.integers(0, 300)
        c = int(rng.integers(120, 230))
        draw.point((int(x), int(y)), fill=(c, c, min(255, c + 30)))
    # the moon with a bite out of it, and the quill across it
    glow = Image.new("L", (640, 480), 0)
    ImageDraw.Draw(glow).ellipse([250, 40, 470, 260], fill=90)
    glow = glow.filter(ImageFilter.GaussianBlur(24))
    img = Image.composite(Image.new("RGB", (640, 480), (120, 100, 150)), img, glow)
    draw = ImageDraw.Draw(img)
    draw.ellipse([270, 60, 450, 240], fill=(250, 240, 214))
    draw.ellipse([318, 44, 482, 208], fill=NIGHT_TOP)
    quill(draw, (210, 250), 270, -38, [(240, 232, 214), (190, 176, 150), (120, 96, 70)])
    font = ImageFont.truetype(title_font_file(), 104)
    box = draw.textbbox((0, 0), TITLE, font=font)
    x = (640 - (box[2] - box[0])) // 2 - box[0]
    draw.text((x, 278), TITLE, font=font, fill=GOLD, stroke_width=4, stroke_fill=(40, 24, 30))
    draw.line([(120, 412), (520, 412)], fill=GOLD_DARK, width=2)
    draw.ellipse([314, 406, 326, 418], fill=GOLD)
    small = ImageFont.truetype(title_font_file(), 22)
    sub = "a duel on the dusk road"
    sb = draw.textbbox((0, 0), sub, font=small)
    draw.text(((640 - (sb[2] - sb[0])) // 2, 426), sub, font=small, fill=(200, 184, 210))
    return img


def wallpaper(pictures):
    """The road at dusk, large, darkened on the left where the prompt is."""
    view = stage.camera_view(pictures, 120, 1.6, width=1024, height=768)
    shade = np.linspace(0.45, 1.0, 1024)[None, :, None]
    a = np.asarray(view).astype(float) * shade
    vignette = np.linspace(0.75, 1.0, 160)
    a[:160] *= vignette[:, None, None]
    return Image.fromarray(a.round().astype(np.uint8), "RGB")


def tile():
    """128x128, seamless: drawn on a 3x3 field and the middle kept."""
    big = Image.new("RGB", (384, 384), (34, 30, 52))
    draw = ImageDraw.Draw(big)
    for cx in range(0, 384 + 64, 64):
        for cy in range(0, 384 + 64, 64):
            draw.polygon([(cx, cy - 32), (cx + 32, cy), (cx, cy + 32), (cx - 32, cy)],
                         outline=(46, 40, 68))
            draw.ellipse([cx - 7, cy - 7, cx + 7, cy + 7], fill=(52, 44, 76))
            draw.ellipse([cx - 3, cy - 9, cx + 9, cy + 3], fill=(34, 30, 52))
    for cx in range(32, 384, 64):
        for cy in range(32, 384, 64):
            draw.point((cx, cy), fill=(70, 60, 96))
    return big.crop((128, 128, 256, 256))


def crest():
    """The dark crest behind the title in the main menu."""
    w, h = 600, 360
    img = Image.new("RGB", (w, h), KEY)
    draw = ImageDraw.Draw(img)
    draw.ellipse([10, 30, w - 10, h - 10], fill=OUTLINE)
    draw.ellipse([14, 34, w - 14, h - 14], fill=(96, 72, 40))
    draw.ellipse([22, 42, w - 22, h - 22], fill=(34, 26, 48))
    draw.ellipse([40, 60, w - 40, h - 40], outline=(70, 52, 40), width=3)
    # a crescent over the top and two quills crossed below
    draw.ellipse([w // 2 - 44, 0, w // 2 + 44, 88], fill=OUTLINE)
    draw.ellipse([w // 2 - 40, 4, w // 2 + 40, 84], fill=(150, 114, 60))
    draw.ellipse([w // 2 - 18, -8, w // 2 + 56, 66], fill=OUTLINE)
    draw.ellipse([w // 2 - 14, -12, w // 2 + 60, 62], fill=KEY)
    feather = [(96, 72, 44), (66, 50, 40), OUTLINE]
    quill(draw, (150, 300), 180, -20, feather)
    quill(draw, (w - 150, 300), 180, 200, feather)
    return img


def scaled(ch, k):
    big = copy.copy(ch)
    big.dims = {key: value * k for key, value in ch.dims.items()}
    return big


def action_shot(ch):
    w, h = 360, 440
    big = scaled(ch, 1.4)
    pose = MOVESETS[ch.name](ch).signature()
    img, _, _ = body.draw(big, pose, w, h, h - 14, centre_x=w / 2)
    return img


ACTION_SHOTS = {"lunet": "rsrc/lunet/lunet_action_shot.png",
                "halvard": "rsrc/halvard/halvard_action_shot_ha.png",
                "tamsin": "rsrc/tamsin/tamsin_action_shot.png",
                "morrow": "rsrc/morrow/morrow_action_shot.png"}

# The life-bar pieces as they show on the right-hand side (the game mirrors
# them for the left): drawn at (screen width - their width, 5).  The game
# fills the bar 18 to 248 pixels from the screen edge, rows 12-20, and puts
# the round-win marks at rows 26-36, 16 pixels and more from the edge.
BAR_W, BAR_H = 262, 36
METAL = [(206, 208, 218), (150, 154, 168), (96, 100, 116)]
TROUGH = (26, 22, 34)


def lifebar_frame():
    img = Image.new("RGB", (BAR_W, BAR_H), KEY)
    draw = ImageDraw.Draw(img)
    edge = BAR_W - 16          # the inner end of the symbol slot
    draw.rounded_rectangle([4, 2, edge + 2, 21], radius=6, fill=OUTLINE)
    draw.rounded_rectangle([5, 3, edge + 1, 20], radius=5, fill=METAL[1])
    draw.line([(8, 3), (edge - 2, 3)], fill=METAL[0])
    draw.line([(8, 20), (edge - 2, 20)], fill=METAL[2])
    draw.rectangle([BAR_W - 249, 6, BAR_W - 17, 17], fill=OUTLINE)
    draw.rectangle([BAR_W - 248, 7, BAR_W - 18, 16], fill=TROUGH)
    # the plate that holds the round-win marks
    draw.rounded_rectangle([BAR_W - 62, 18, BAR_W - 8, 34], radius=5, fill=OUTLINE)
    draw.rounded_rectangle([BAR_W - 61, 19, BAR_W - 9, 33], radius=4, fill=METAL[1])
    for i in range(4):
        cx = BAR_W - 21 - 11 * i
        draw.ellipse([cx - 5, 21, cx + 5, 31], fill=OUTLINE)
        draw.ellipse([cx - 4, 22, cx + 4, 30], fill=TROUGH)
    return img


def shadow_panel():
    img = Image.new("RGB", (BAR_W, 74), KEY)
    ImageDraw.Draw(img).rounded_rectangle([0, 0, BAR_W - 1, 73], radius=12, fill=(8, 6, 16))
    return img


def symbol():
    img = Image.new("RGB", (16, 40), KEY)
    draw = ImageDraw.Draw(img)
    draw.rectangle([0, 0, 15, 39], fill=OUTLINE)
    draw.rectangle([1, 1, 14, 38], fill=METAL[2])
    draw.ellipse([1, 3, 14, 16], fill=GOLD)
    draw.ellipse([5, 1, 17, 13], fill=METAL[2])
    draw.polygon([(8, 20), (11, 27), (8, 36), (5, 27)], fill=GOLD)
    return img


ICON_SIZES = (48, 128, 256)


def icon(size):
    """The desktop and window icon: the logo's crescent and quill on a rounded
    night tile, drawn four times larger and reduced so small sizes stay
    smooth. RGBA: the corners outside the tile are clear."""
    big = size * 4
    tile_img = vertical_gradient(big, big, NIGHT_TOP, NIGHT_LOW).convert("RGBA")
    mask = Image.new("L", (big, big), 0)
    ImageDraw.Draw(mask).rounded_rectangle([0, 0, big - 1, big - 1], radius=big // 6, fill=255)
    tile_img.putalpha(mask)
    draw = ImageDraw.Draw(tile_img)
    u = big / 256.0
    draw.ellipse([40 * u, 30 * u, 216 * u, 206 * u], fill=(250, 240, 214))
    draw.ellipse([88 * u, 14 * u, 250 * u, 176 * u], fill=NIGHT_TOP)
    quill(draw, (44 * u, 228 * u), 230 * u, -48, [(240, 232, 214), (190, 176, 150), (120, 96, 70)])
    draw.rounded_rectangle([0, 0, big - 1, big - 1], radius=big // 6, outline=GOLD, width=max(4, big // 48))
    return tile_img.resize((size, size), Image.LANCZOS)


def icon_path(size):
    return "rsrc/icon/quillmoor_%d.png" % size


def write_icons():
    for size in ICON_SIZES:
        icon(size).save(out_path(icon_path(size)), format="PNG", optimize=False, compress_level=9)


def write_all(stage_pictures):
    save_opaque_png("rsrc/pqm_logo2_640x480.png", logo())
    save_jpeg("rsrc/QM_wallpaper02_1024.jpg", wallpaper(stage_pictures))
    save_opaque_png("rsrc/tilablebg128.png", tile())
    save_keyed_png("rsrc/ornaqmdark.png", crest())
    shots = {}
    for ch in ROSTER:
        shots[ch.name] = action_shot(ch)
        save_keyed_png(ACTION_SHOTS[ch.name], shots[ch.name])
    save_keyed_png("rsrc/meter/lifebar_grey.png", lifebar_frame())
    save_keyed_png("rsrc/meter/shadow.png", shadow_panel())
    save_keyed_png("rsrc/lunet/lunet_symbol_small.png", symbol())
    return shots
