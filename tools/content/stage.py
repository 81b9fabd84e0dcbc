"""The road stage: a road at dusk below a town on the hills.

How the game draws a stage decides how the pictures are built:
- Bands stack upward from the bottom of the screen.  Part 0 is the one
  parallax band; it fills the screen's height (480) and sits on the screen's
  bottom edge.  All its planes and the floor strip are zoomed about that
  bottom edge, so at the widest camera (zoom 0.5) they cover only the lower
  half of the screen.
- Part 1 is a plain band stacked above part 0.  Plain bands are drawn
  unzoomed, so this one is the sky behind everything: 960 rows, of which the
  lower 480 face the screen.  The game scrolls it with the camera and may
  stretch it sideways, so its colours change only from row to row: a sky
  gradient that looks the same wherever it is drawn from.
- The band's own picture is the farthest plane (a third of the scroll); the
  game may draw only part of its width, so it holds nothing but faint stars
  and cloud streaks that can go missing unnoticed.  The two layers in front
  (half and full scroll) carry the town and the street; the floor strip is
  the road, drawn over the near layer's own copy of the road.
- Every picture is as wide as the level (1280, two screens): the game draws
  each plane from an offset into the picture itself."""
import math

import numpy as np
from PIL import Image, ImageDraw

from common import KEY, save_keyed_png, save_opaque_png, write_config

LEVEL_WIDTH = 1280
BAND_HEIGHT = 480
SKY_HEIGHT = 960
FLOOR_HEIGHT = 120
ROAD_TOP = BAND_HEIGHT - FLOOR_HEIGHT
FOLDER = "rsrc/road/"

SKY = [(24, 22, 52), (30, 26, 62), (38, 30, 72), (48, 34, 82), (60, 38, 90), (74, 44, 96),
       (90, 50, 100), (108, 56, 102), (128, 64, 102), (150, 74, 100), (172, 88, 98),
       (192, 104, 96), (210, 122, 98), (224, 142, 104), (234, 162, 114), (240, 182, 128)]

ASPHALT = [(70, 72, 92), (62, 64, 82), (54, 56, 72)]
KERB = [(176, 172, 176), (138, 134, 142), (100, 96, 108)]
LINE = (214, 196, 132)
HILL = [(82, 64, 104), (70, 54, 92), (58, 46, 80)]
TOWN = [(66, 52, 88), (54, 42, 74), (44, 34, 62)]
WINDOW = [(252, 214, 140), (226, 170, 96)]
MOON = [(252, 244, 220), (232, 220, 190)]
TREE = [(44, 52, 74), (36, 42, 62), (28, 32, 50)]
WALL = [(120, 100, 110), (96, 80, 92), (72, 60, 74)]
IRON = [(60, 56, 72), (40, 38, 50), (26, 24, 34)]
LAMP = [(255, 236, 170), (250, 206, 120)]
PAVEMENT = [(112, 108, 120), (96, 92, 106)]
STAR = (206, 200, 236)
STREAK = [(104, 84, 132), (92, 72, 122)]


def canvas(width, height, fill=KEY):
    return Image.new("RGB", (width, height), fill)


def sky_band():
    """x-invariant gradient in flat steps; the upper half is never seen."""
    img = canvas(LEVEL_WIDTH, SKY_HEIGHT, SKY[0])
    draw = ImageDraw.Draw(img)
    top = SKY_HEIGHT - BAND_HEIGHT
    step = 26
    for i, colour in enumerate(SKY):
        draw.rectangle([0, top + i * step, LEVEL_WIDTH, SKY_HEIGHT], fill=colour)
    return img


def far_plane():
    img = canvas(LEVEL_WIDTH, BAND_HEIGHT)
    draw = ImageDraw.Draw(img)
    rng = np.random.default_rng(301)
    for _ in range(90):
        x, y = int(rng.integers(0, LEVEL_WIDTH)), int(rng.integers(4, 230))
        size = 1 if rng.random() < 0.8 else 2
        draw.rectangle([x, y, x + size - 1, y + size - 1], fill=STAR)
    for _ in range(9):
        x, y = int(rng.integers(0, LEVEL_WIDTH - 200)), int(rng.integers(90, 260))
        length = int(rng.integers(120, 260))
        draw.rectangle([x, y, x + length, y + 3], fill=STREAK[0])
        draw.rectangle([x + 30, y + 4, x + length - 40, y + 5], fill=STREAK[1])
    return img


def ridge(rng, base, amplitude, width, step=16):
    xs = np.arange(0, width + step, step)
    ys = base + np.cumsum(rng.normal(0, amplitude, len(xs)))
    ys = base + (ys - ys.mean()) * 0.6
    return list(zip(xs.tolist(), ys.tolist()))


def mid_plane():
    """The town on the hills (half the scroll) and the moon above it."""
    img = canvas(LEVEL_WIDTH, BAND_HEIGHT)
    draw = ImageDraw.Draw(img)
    rng = np.random.default_rng(302)
    # the moon rides with the hills, so it keeps its place at any zoom
    draw.ellipse([250, 60, 314, 124], fill=MOON[0], outline=(200, 190, 170))
    draw.ellipse([268, 74, 282, 88], fill=MOON[1])
    draw.ellipse([290, 96, 300, 106], fill=MOON[1])
    far = ridge(rng, 250, 6, LEVEL_WIDTH)
    draw.polygon(far + [(LEVEL_WIDTH, BAND_HEIGHT), (0, BAND_HEIGHT)], fill=HILL[0])
    near = ridge(rng, 300, 5, LEVEL_WIDTH)
    x = 0
    while x < LEVEL_WIDTH:
        w = int(rng.integers(26, 60))
        h = int(rng.integers(30, 90))
        ground = 300 + int(rng.integers(-6, 6))
        colour = TOWN[int(rng.integers(0, 3))]
        draw.rectangle([x, ground - h, x + w, BAND_HEIGHT], fill=colour)
        if rng.random() < 0.5:
            draw.polygon([(x - 3, ground - h), (x + w // 2, ground - h - int(rng.integers(10, 24))),
                          (x + w + 3, ground - h)], fill=colour)
        for wy in range(ground - h + 8, ground - 6, 12):
            for wx in range(x + 5, x + w - 6, 10):
                if rng.random() < 0.35:
                    draw.rectangle([wx, wy, wx + 3, wy + 4], fill=WINDOW[int(rng.integers(0, 2))])
        x += w + int(rng.integers(0, 14))
    # a bell tower
    draw.rectangle([820, 170, 850, 300], fill=TOWN[1])
    draw.polygon([(814, 172), (835, 120), (856, 172)], fill=TOWN[2])
    draw.rectangle([830, 190, 840, 204], fill=WINDOW[0])
    draw.polygon(near + [(LEVEL_WIDTH, BAND_HEIGHT), (0, BAND_HEIGHT)], fill=HILL[2])
    return img


def tree(draw, x, ground, height, rng):
    draw.rectangle([x - 5, ground - height // 3, x + 5, ground], fill=TREE[2])
    for k in range(4):
        r = height * (0.34 - 0.05 * k)
        cy = ground - height * (0.45 + 0.14 * k)
        dx = int(rng.integers(-8, 9))
        draw.ellipse([x + dx - r, cy - r, x + dx + r, cy + r * 0.9], fill=TREE[k % 2])
    draw.ellipse([x - height * 0.12, ground - height * 0.92, x + height * 0.1, ground - height * 0.7],
                 fill=TREE[0])


def lamp_post(draw, x, ground):
    draw.rectangle([x - 4, ground - 300, x + 4, ground], fill=IRON[1])
    draw.rectangle([x - 9, ground - 16, x + 9, ground], fill=IRON[0])
    draw.rectangle([x - 2, ground - 300, x - 1, ground - 20], fill=IRON[0])
    draw.line([(x, ground - 296), (x - 28, ground - 306), (x - 40, ground - 300)], fill=IRON[1], width=5)
    draw.polygon([(x - 52, ground - 300), (x - 28, ground - 300), (x - 34, ground - 282),
                  (x - 46, ground - 282)], fill=IRON[2])
    draw.rectangle([x - 46, ground - 290, x - 34, ground - 282], fill=LAMP[0])
    draw.rectangle([x - 44, ground - 282, x - 36, ground - 279], fill=LAMP[1])


def near_plane():
    """The street: wall and railing, trees and lamps, the pavement, and the
    road surface again underneath where the floor strip is drawn."""
    img = canvas(LEVEL_WIDTH, BAND_HEIGHT)
    draw = ImageDraw.Draw(img)
    rng = np.random.default_rng(303)
    wall_top = 300
    pavement_top = 338
    for x in range(40, LEVEL_WIDTH, 210):
        tree(draw, x + int(rng.integers(-20, 20)), wall_top + 6, int(rng.integers(150, 200)), rng)
    draw.rectangle([0, wall_top, LEVEL_WIDTH, pavement_top], fill=WALL[1])
    draw.rectangle([0, wall_top, LEVEL_WIDTH, wall_top + 4], fill=WALL[0])
    for x in range(0, LEVEL_WIDTH, 48):
        off = 24 if (x // 48) % 2 else 0
        draw.line([(x + off, wall_top + 5), (x + off, wall_top + 20)], fill=WALL[2])
        draw.line([(x, wall_top + 21), (x, pavement_top)], fill=WALL[2])
    draw.line([(0, wall_top + 20), (LEVEL_WIDTH, wall_top + 20)], fill=WALL[2])
    draw.rectangle([0, wall_top - 42, LEVEL_WIDTH, wall_top - 38], fill=IRON[1])
    for x in range(6, LEVEL_WIDTH, 16):
        draw.rectangle([x, wall_top - 40, x + 2, wall_top], fill=IRON[1])
        draw.polygon([(x - 2, wall_top - 42), (x + 1, wall_top - 50), (x + 4, wall_top - 42)], fill=IRON[0])
    draw.rectangle([0, pavement_top, LEVEL_WIDTH, ROAD_TOP], fill=PAVEMENT[0])
    for x in range(0, LEVEL_WIDTH, 36):
        draw.line([(x, pavement_top), (x - 6, ROAD_TOP)], fill=PAVEMENT[1])
    for x in range(160, LEVEL_WIDTH, 400):
        lamp_post(draw, x, pavement_top + 12)
    road = floor_strip()
    img.paste(road, (0, ROAD_TOP))
    return img


def floor_strip():
    """The road.  Where the game draws the floor in software it shows the
    upper rows stretched downward, so the kerb and gutter sit on top and
    the asphalt below is even."""
    img = canvas(LEVEL_WIDTH, FLOOR_HEIGHT, ASPHALT[1])
    draw = ImageDraw.Draw(img)
    rng = np.random.default_rng(304)
    draw.rectangle([0, 0, LEVEL_WIDTH, 9], fill=KERB[1])
    draw.rectangle([0, 0, LEVEL_WIDTH, 2], fill=KERB[0])
    for x in range(0, LEVEL_WIDTH, 40):
        draw.line([(x, 0), (x, 9)], fill=KERB[2])
    draw.rectangle([0, 10, LEVEL_WIDTH, 15], fill=ASPHALT[2])
    for _ in range(900):
        x, y = int(rng.integers(0, LEVEL_WIDTH)), int(rng.integers(18, FLOOR_HEIGHT))
        draw.rectangle([x, y, x + 1, y], fill=ASPHALT[int(rng.integers(0, 3), )])
    for x in range(20, LEVEL_WIDTH, 160):
        draw.rectangle([x, 66, x + 80, 71], fill=LINE)
    draw.rectangle([0, FLOOR_HEIGHT - 6, LEVEL_WIDTH, FLOOR_HEIGHT], fill=ASPHALT[2])
    return img


IMAGES = [("band_far.png", far_plane, True), ("layer_town.png", mid_plane, True),
          ("layer_street.png", near_plane, True), ("sky.png", sky_band, False),
          ("floor_road.png", floor_strip, False)]


def write_all():
    pictures = {}
    pairs = [("width", LEVEL_WIDTH), ("images", len(IMAGES))]
    for i, (name, make, keyed) in enumerate(IMAGES):
        img = make()
        rel = FOLDER + name
        (save_keyed_png if keyed else save_opaque_png)(rel, img)
        pairs.append(("image%d" % i, rel))
        pictures[name] = img
    write_config(FOLDER + "bgset_road.ini", pairs)
    write_config(FOLDER + "stage_road.ini", [
        ("bgset", FOLDER + "bgset_road.ini"), ("loop", 1), ("floor", 4), ("length", 2),
        ("part0", 0), ("part0parallax", 2), ("part0parallax0", 1), ("part0parallax1", 2),
        ("part1", 3)])
    return pictures


def camera_view(pictures, scroll_x, zoom, width=640, height=480):
    """What the game shows for a camera (scroll, zoom), drawn the way the
    OpenGL path draws the layers, for the review sheet and the wallpaper."""
    out = Image.new("RGB", (width, height), (0, 0, 0))
    sky = pictures["sky.png"]
    out.paste(sky.crop((0, SKY_HEIGHT - height, width, SKY_HEIGHT)), (0, 0))
    planes = [("band_far.png", 3), ("layer_town.png", 2), ("layer_street.png", 1), ("floor_road.png", 1)]
    for name, f in planes:
        img = pictures[name]
        x0 = int(scroll_x / f)
        part = img.crop((x0, 0, min(img.width, x0 + int(math.ceil(width / zoom)) + 1), img.height))
        scaled = part.resize((max(1, int(part.width * zoom)), max(1, int(part.height * zoom))), Image.NEAREST)
        top = height - scaled.height
        a = np.array(scaled)[:, :width]
        mask = ~((a[..., 0] == 0) & (a[..., 1] == 255) & (a[..., 2] == 0))
        full = np.array(out)
        region = full[top:top + a.shape[0], :a.shape[1]]
        region[mask] = a[mask]
        out = Image.fromarray(full)
    return out
