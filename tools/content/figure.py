"""Fighters drawn from a skeleton.

A pose is a handful of joint angles; the body is a set of tapered capsules
and polygons laid over the joints, each painted with three flat tones of its
material (light from the upper left) and a one-pixel dark outline.  No
drawing call anti-aliases, so every pixel is either pure key green or one of
the character's exact palette colours: the colour key trims the pictures and
the colour swap finds every tone it looks for.

Angles are in degrees measured from straight down, growing toward the
fighter's front.  Pictures face left, so "front" is toward smaller x:
0 points down, 90 forward, 180 up, -90 backward."""
import math

import numpy as np
from PIL import Image, ImageDraw

from common import KEY

OUTLINE = (22, 17, 30)


def direction(angle):
    a = math.radians(angle)
    return (-math.sin(a), math.cos(a))


def along(p, angle, length):
    d = direction(angle)
    return (p[0] + d[0] * length, p[1] + d[1] * length)


def lerp(a, b, t):
    return a + (b - a) * t


def rotate_about(p, centre, angle):
    """Turns p about centre; positive angles tip the figure backward (the
    head moves toward +x, away from the opponent)."""
    a = math.radians(angle)
    x, y = p[0] - centre[0], p[1] - centre[1]
    c, s = math.cos(a), math.sin(a)
    return (centre[0] + x * c - y * s, centre[1] + x * s + y * c)


def circle_points(c, r, a0, a1, steps):
    pts = []
    for i in range(steps + 1):
        a = a0 + (a1 - a0) * i / steps
        pts.append((c[0] + r * math.cos(a), c[1] + r * math.sin(a)))
    return pts


def capsule(p0, r0, p1, r1):
    """Polygon of a capsule tapering from radius r0 at p0 to r1 at p1."""
    dx, dy = p1[0] - p0[0], p1[1] - p0[1]
    d = math.hypot(dx, dy)
    if d <= abs(r0 - r1) + 0.01:
        c, r = (p0, r0) if r0 >= r1 else (p1, r1)
        return circle_points(c, r, 0, 2 * math.pi, 24)
    theta = math.atan2(dy, dx)
    phi = math.acos(max(-1.0, min(1.0, (r0 - r1) / d)))
    steps1 = max(6, int(r1))
    steps0 = max(6, int(r0))
    pts = circle_points(p1, r1, theta - phi, theta + phi, steps1)
    pts += circle_points(p0, r0, theta + phi, theta + 2 * math.pi - phi, steps0)
    return pts


def ellipse(c, rx, ry, angle=0.0, steps=28):
    a = math.radians(angle)
    ca, sa = math.cos(a), math.sin(a)
    pts = []
    for i in range(steps):
        t = 2 * math.pi * i / steps
        x, y = rx * math.cos(t), ry * math.sin(t)
        pts.append((c[0] + x * ca - y * sa, c[1] + x * sa + y * ca))
    return pts


class Material:
    """Flat tones of one surface: lit, base and shaded, and a deep tone that
    the far limbs use as their shade so the near limbs stand out."""

    def __init__(self, light, base, shade, deep=None):
        self.light = tuple(light)
        self.base = tuple(base)
        self.shade = tuple(shade)
        if deep is None:
            deep = tuple(max(0, int(c * 0.72)) for c in shade)
        self.deep = tuple(deep)

    def far(self):
        """The same material on the far side of the body."""
        m = Material(self.base, self.shade, self.deep, self.deep)
        return m

    def tones(self):
        return [self.light, self.base, self.shade, self.deep]


def shifted(mask, dx, dy):
    """out[y, x] = mask[y + dy, x + dx], False outside the picture."""
    h, w = mask.shape
    out = np.zeros_like(mask)
    ys0, ys1 = max(0, -dy), min(h, h - dy)
    xs0, xs1 = max(0, -dx), min(w, w - dx)
    if ys0 < ys1 and xs0 < xs1:
        out[ys0:ys1, xs0:xs1] = mask[ys0 + dy:ys1 + dy, xs0 + dx:xs1 + dx]
    return out


def inner_pixels(mask):
    return (mask & shifted(mask, 1, 0) & shifted(mask, -1, 0)
            & shifted(mask, 0, 1) & shifted(mask, 0, -1))


class Painter:
    """Paints pieces in order onto a key-green canvas."""

    def __init__(self, width, height):
        self.w = width
        self.h = height
        self.rgb = np.zeros((height, width, 3), dtype=np.uint8)
        self.rgb[...] = KEY

    def mask_of(self, polygons):
        img = Image.new("L", (self.w, self.h), 0)
        draw = ImageDraw.Draw(img)
        for poly in polygons:
            pts = [(round(x), round(y)) for x, y in poly]
            if len(pts) >= 3:
                draw.polygon(pts, fill=255, outline=255)
        return np.asarray(img) > 0

    def paint(self, polygons, mat, shade=3, light=2):
        """One piece: shaded toward the lower right, lit at the upper left,
        outlined all round."""
        mask = self.mask_of(polygons)
        self.paint_mask(mask, mat, shade, light)
        return mask

    def paint_mask(self, mask, mat, shade=3, light=2):
        if not mask.any():
            return
        rgb = self.rgb
        shade_rim = mask & ~shifted(mask, shade, shade)
        light_rim = mask & ~shifted(mask, -light, -light) & ~shade_rim
        rgb[mask] = mat.base
        rgb[shade_rim] = mat.shade
        rgb[light_rim] = mat.light
        rgb[mask & ~inner_pixels(mask)] = OUTLINE

    def flat(self, polygons, colour, outline=False):
        """A detail of one colour (eyes, stripes); optionally outlined."""
        mask = self.mask_of(polygons)
        self.rgb[mask] = colour
        if outline:
            self.rgb[mask & ~inner_pixels(mask)] = OUTLINE
        return mask

    def line(self, pts, colour, width=1):
        img = Image.fromarray(self.rgb)
        draw = ImageDraw.Draw(img)
        draw.line([(round(x), round(y)) for x, y in pts], fill=tuple(colour), width=width)
        self.rgb = np.array(img)

    def image(self):
        return Image.fromarray(self.rgb, "RGB")
