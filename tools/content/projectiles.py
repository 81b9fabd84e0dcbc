"""Small animated pictures: the projectiles' flight, the hit spark and the
loading indicator.

A projectile starts 50 pixels below its shooter's top and is drawn, like the
fighters, anchored at its bottom edge.  Its canvas is therefore exactly as
tall as the fighter canvas less those 50 pixels: its bottom then lies on
the floor line, so the game's zoom keeps it at the shooter's hand height at
every camera distance, and it never reaches below the floor (which would
kill it).  The flame itself sits near the top of that tall canvas; the rest
is key green and trimmed away."""
import math

import numpy as np

import body
from common import save_keyed_png, write_config
from figure import Painter, Material, ellipse, capsule
from moves import MOVESETS, SFX
from roster import CANVAS_HEIGHT

FLIGHT_WIDTH = 80
FLIGHT_HEIGHT = CANVAS_HEIGHT - 50
FLIGHT_RATE = 3
FLIGHT_FRAMES = 4
BULLET = "rsrc/lunet/special/lunet_bullet1.png"

SPARK_WIDTH = 250
SPARK_CENTRE = (80, 125)


def hand_row(ch):
    """Canvas row of the near hand in the fighter's straight punch: where
    the projectile should leave the hand."""
    ms = MOVESETS[ch.name](ch)
    j = body.solve(ch, ms.punch_hit(), ch.width / 2.0, ch.ground_y)
    return j.hand_f[1]


FLIGHT_LOOKS = {
    # core tones (light, base, shade) and trail tone
    "lunet": (Material((246, 248, 255), (176, 196, 252), (104, 124, 226)), (132, 150, 240)),
    "halvard": (Material((236, 206, 160), (188, 146, 96), (120, 86, 56)), (162, 126, 84)),
    "tamsin": (Material((255, 236, 150), (255, 170, 60), (214, 96, 30)), (250, 140, 50)),
    "morrow": (Material((252, 226, 255), (204, 146, 244), (134, 76, 196)), (170, 110, 226)),
}


def crescent(painter, centre, rx, ry, cut_centre, cut_rx, cut_ry, mat):
    """A disc with a bite taken out of it, outlined on both curves."""
    disc = painter.mask_of([ellipse(centre, rx, ry)])
    bite = painter.mask_of([ellipse(cut_centre, cut_rx, cut_ry)])
    painter.paint_mask(disc & ~bite, mat, shade=3)


def flight_frame(ch, k):
    mat, trail = FLIGHT_LOOKS[ch.name]
    p = Painter(FLIGHT_WIDTH, FLIGHT_HEIGHT)
    cy = hand_row(ch) - 50
    cx = 26
    wobble = math.sin(k * math.pi / 2)
    # the trail streams back (to the right: the picture faces left)
    for i in range(3):
        tx = cx + 20 + i * 12 + (k % 2) * 3
        ty = cy + (wobble * 3 if i % 2 else -wobble * 3)
        p.flat([ellipse((tx, ty), 7 - i * 2, 4 - i)], trail, outline=True)
    if ch.name == "lunet":
        crescent(p, (cx, cy), 21, 23, (cx + 11, cy - 1), 16, 19, mat)
        p.flat([ellipse((cx - 6 + k % 2, cy - 8 + k), 2, 2)], mat.light)
    elif ch.name == "halvard":
        pts = [(cx + 16 * math.cos(a + k * 0.7), cy + 15 * math.sin(a + k * 0.7))
               for a in np.linspace(0, 2 * math.pi, 7)[:-1]]
        p.paint([pts], mat, shade=4)
    elif ch.name == "tamsin":
        p.paint([capsule((cx - 4, cy), 14, (cx + 14, cy), 10)], mat, shade=3)
        p.line([(cx - 8, cy - 6), (cx + 2, cy - 6)], mat.shade)
        p.line([(cx - 8, cy + 2), (cx + 2, cy + 2)], mat.shade)
    else:
        tip = (cx + 30, cy - 6 + 4 * wobble)
        p.paint([capsule((cx, cy), 15, tip, 3)], mat, shade=3)
        p.flat([ellipse((cx - 2, cy + 2), 6, 7)], mat.light)
    return p.image()


def flight_frames(ch):
    return [flight_frame(ch, k) for k in range(FLIGHT_FRAMES)]


def write_bullet(lunet):
    """The fixed picture of every projectile (shown only if a flight move
    ever ended): Lunet's crescent."""
    save_keyed_png(BULLET, flight_frame(lunet, 0))


def star(cx, cy, r_out, r_in, points, turn):
    pts = []
    for i in range(points * 2):
        r = r_out if i % 2 == 0 else r_in
        a = turn + math.pi * i / points
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


SPARK_WHITE = Material((255, 255, 255), (255, 246, 200), (255, 214, 110))
SPARK_HOT = Material((255, 226, 120), (255, 170, 50), (226, 100, 30))


def spark_frames():
    cx, cy = SPARK_CENTRE
    frames = []
    sizes = [(18, 8, 4), (44, 15, 8), (58, 19, 8), (52, 14, 6), (44, 10, 6)]
    for k, (r_out, r_in, points) in enumerate(sizes):
        p = Painter(SPARK_WIDTH, CANVAS_HEIGHT)
        turn = k * 0.35
        if k < 3:
            p.paint([star(cx, cy, r_out, r_in, points, turn)], SPARK_HOT, shade=3)
            p.paint([star(cx, cy, r_out * 0.6, r_in * 0.6, points, turn)], SPARK_WHITE, shade=2)
        else:
            # the burst breaks up into embers flying outward
            p.paint([star(cx, cy, r_in, r_in * 0.4, 4, turn)], SPARK_HOT, shade=2)
            for i in range(points):
                a = turn + 2 * math.pi * i / points
                x, y = cx + r_out * math.cos(a), cy + r_out * math.sin(a)
                p.paint([ellipse((x, y), 8 - k, 8 - k)], SPARK_HOT, shade=1)
        frames.append(p.image())
    return frames


def write_effect(ini, stem, frames, rates, sounds):
    """An animation that plays once where the match puts it."""
    pairs = [("images", len(frames)), ("loop", 0)]
    for i, img in enumerate(frames):
        rel = "rsrc/effects/%s_%d.png" % (stem, i)
        save_keyed_png(rel, img)
        pairs += [("image%d" % i, rel), ("rate%d" % i, rates[i])]
        if i in sounds:
            pairs.append(("sound%d" % i, sounds[i]))
    write_config(ini, pairs)
    return [(img, r, {"sound": sounds.get(i)} if i in sounds else {})
            for i, (img, r) in enumerate(zip(frames, rates))]


def write_spark():
    sounds = {0: SFX + "block.wav", 1: SFX + "spark.wav"}
    return write_effect("game/fighter/expl.ini", "spark", spark_frames(), [1, 1, 2, 3, 3], sounds)


# A guard meeting a blow: smaller and colder than the hit spark, so a player
# tells at a glance that the blow was stopped, and over quickly.
GUARD_SPARK_SIZE = 64
GUARD_WHITE = Material((255, 255, 255), (226, 242, 255), (170, 214, 255))
GUARD_COLD = Material((150, 214, 255), (80, 160, 240), (40, 96, 200))


def guard_spark_frames():
    c = GUARD_SPARK_SIZE / 2
    frames = []
    sizes = [(12, 5), (24, 8), (28, 7), (20, 4)]
    for k, (r_out, r_in) in enumerate(sizes):
        p = Painter(GUARD_SPARK_SIZE, GUARD_SPARK_SIZE)
        turn = math.pi / 12 + k * 0.2
        p.paint([star(c, c, r_out, r_in, 6, turn)], GUARD_COLD, shade=2)
        if k < 3:
            p.paint([star(c, c, r_out * 0.55, r_in * 0.55, 6, turn)], GUARD_WHITE, shade=1)
        frames.append(p.image())
    return frames


def write_guard_spark():
    return write_effect("game/fighter/guard.ini", "guard", guard_spark_frames(), [1, 1, 2, 2],
                        {0: SFX + "block.wav"})


LOADING_SIZE = 64
MOON = Material((250, 240, 200), (236, 206, 127), (180, 140, 70))
DOT = (120, 110, 160)


def loading_frames():
    frames = []
    c = LOADING_SIZE / 2
    for k in range(8):
        p = Painter(LOADING_SIZE, LOADING_SIZE)
        for i in range(8):
            a = 2 * math.pi * i / 8 - math.pi / 2
            x, y = c + 24 * math.cos(a), c + 24 * math.sin(a)
            lit = (i - k) % 8
            if lit == 0:
                p.paint([ellipse((x, y), 5, 5)], MOON, shade=2)
            elif lit in (6, 7):
                p.flat([ellipse((x, y), 4 - (7 - lit), 4 - (7 - lit))], MOON.base, outline=True)
            else:
                p.flat([ellipse((x, y), 2.5, 2.5)], DOT, outline=True)
        # a crescent in the middle
        crescent(p, (c, c), 11, 11, (c + 6, c - 3), 8, 8, MOON)
        frames.append(p.image())
    return frames


def write_loading():
    frames = loading_frames()
    pairs = [("images", len(frames)), ("loop", 1)]
    for i, img in enumerate(frames):
        rel = "rsrc/effects/loading_%d.png" % i
        save_keyed_png(rel, img)
        pairs += [("image%d" % i, rel), ("rate%d" % i, 2)]
    write_config("game/fighter/loading.ini", pairs)
    return [(img, 2, {}) for img in frames]
