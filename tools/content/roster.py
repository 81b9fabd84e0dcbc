"""The four fighters: proportions, palettes and the details that make each
one recognisable from its silhouette alone.

Lunet   an acrobat: slim, long silver ponytail, midnight-blue suit.
Halvard a grappler: huge, bald, ginger beard, fur mantle, rust trousers.
Tamsin  a boxer: short and compact, big red gloves, orange top, bandana.
Morrow  a long-legged kicker: tall, hooded plum coat with long tails.

Every palette is its own set of exact colours (no colour is shared between
two fighters), so the colour swap file can name each fighter's cloth tones
without touching anybody else."""
import math

from figure import Material as M, capsule, direction, ellipse, OUTLINE, along

CANVAS_HEIGHT = 340
# Feet stand this far above the bottom of every fighter picture, so that the
# shadow the game draws 40 pixels above the screen bottom falls under them.
FOOT_MARGIN = 35

EYE_DARK = (30, 22, 40)
EYE_WHITE = (250, 250, 250)
MOUTH = (120, 40, 48)


def head_frame(j):
    """Unit vectors of the head: forward (toward the face) and down."""
    angle = j.head_angle + j.rot
    down = direction(angle + 180.0)
    fwd = direction(angle + 90.0)
    return fwd, down


def head_point(j, rx, ry, fx, fy):
    fwd, down = head_frame(j)
    return (j.head[0] + fwd[0] * fx * rx + down[0] * fy * ry,
            j.head[1] + fwd[1] * fx * rx + down[1] * fy * ry)


class Character:
    name = ""
    width = 250
    hp = 120
    speed = 0.25
    centre_shift = 0.0
    dims = {}
    mats = {}

    @property
    def ground_y(self):
        return CANVAS_HEIGHT - FOOT_MARGIN

    # -- shared drawing steps -----------------------------------------
    def head_at(self, j, fx, fy):
        """A point on the head, in head radii forward (fx) and down (fy)."""
        return head_point(j, self.dims["head_rx"], self.dims["head_ry"], fx, fy)

    def head_outline(self, j, offsets):
        """A shape drawn on the head, its corners given as head_at offsets."""
        return [self.head_at(j, fx, fy) for fx, fy in offsets]

    def belt(self, painter, j, start, end, radius, mat):
        """A band around the waist, from `start` to `end` up the torso."""
        ta = j.torso_angle + j.rot
        painter.paint([capsule(along(j.pelvis, ta, start), radius, along(j.pelvis, ta, end), radius)],
                      mat, shade=2)

    def leg_band(self, painter, j, side, mat, knee_share, ankle_share, top_r, ankle_r):
        """A band (or boot top) from part-way down the shin to the ankle; the
        far leg's is in the far shade."""
        knee = getattr(j, "knee_" + side)
        ankle = getattr(j, "ankle_" + side)
        mid = (knee[0] * knee_share + ankle[0] * ankle_share, knee[1] * knee_share + ankle[1] * ankle_share)
        painter.paint([capsule(mid, top_r, ankle, ankle_r)], mat if side == "f" else mat.far(), shade=2)

    # -- hooks with plain defaults -------------------------------------
    def draw_behind(self, painter, j):
        pass

    def draw_hips(self, painter, j):
        d, m = self.dims, self.mats
        ta = j.torso_angle + j.rot
        low = along(j.pelvis, ta, -4)
        painter.paint([capsule(j.hip_b, d["thigh_r0"], j.hip_f, d["thigh_r0"]),
                       ellipse(along(low, ta, 8), d["waist_r"] + 3, 14, ta - 180)], m["hips"], shade=3)

    def after_torso(self, painter, j):
        pass

    def draw_over_torso(self, painter, j):
        pass

    def after_leg(self, painter, j, side):
        pass

    def draw_over_legs(self, painter, j):
        pass

    def draw_front(self, painter, j):
        pass

    def draw_hand(self, painter, j, side, kind):
        d = self.dims
        m = self.mats if side == "f" else {k: v.far() for k, v in self.mats.items()}
        wrist = getattr(j, "wrist_" + side)
        angle = j.pose[side + "l"] + j.rot
        if kind == "open":
            tip = along(wrist, angle, d["fist_r"] * 2.3)
            painter.paint([capsule(wrist, d["fist_r"] * 0.75, tip, d["fist_r"] * 0.5)], m["hand"], shade=2)
        else:
            centre = along(wrist, angle, d["fist_r"] * 0.8)
            painter.paint([ellipse(centre, d["fist_r"] * 1.1, d["fist_r"] * 0.9, angle)], m["hand"], shade=2)

    def draw_face(self, painter, j):
        face = j.pose["face"]
        # nose and chin give the head its direction
        nose = self.head_at(j, 0.98, 0.12)
        painter.flat([ellipse(nose, 2.5, 3.0)], self.mats["skin"].base)
        eye = self.head_at(j, 0.55, -0.05)
        if face in ("hurt", "out"):
            a = self.head_at(j, 0.38, -0.02)
            b = self.head_at(j, 0.72, 0.02)
            painter.line([a, b], EYE_DARK)
        else:
            painter.flat([ellipse(eye, 2.2, 2.6)], self.eye_colour(), outline=False)
            painter.flat([[(eye[0] - 1, eye[1] - 1), (eye[0], eye[1] - 1), (eye[0], eye[1] + 1), (eye[0] - 1, eye[1] + 1)]], EYE_DARK)
        brow_a = self.head_at(j, 0.35, -0.28)
        brow_b = self.head_at(j, 0.8, -0.22 if face != "shout" else -0.32)
        painter.line([brow_a, brow_b], self.brow_colour(), width=2)
        if face == "shout" or face == "hurt":
            mouth = self.head_at(j, 0.72, 0.5)
            painter.flat([ellipse(mouth, 3.0, 3.5)], MOUTH, outline=True)
        else:
            a = self.head_at(j, 0.55, 0.52)
            b = self.head_at(j, 0.8, 0.5)
            painter.line([a, b], self.mats["skin"].shade)

    def eye_colour(self):
        return EYE_WHITE

    def brow_colour(self):
        return OUTLINE

    def draw_hair(self, painter, j):
        pass

    def palette(self):
        colours = set()
        for mat in self.mats.values():
            colours.update(mat.tones())
        return colours


class Lunet(Character):
    name = "lunet"
    width = 250
    hp = 120
    speed = 0.22
    dims = dict(thigh=58, shin=56, foot_len=19, foot_h=8, heel=5,
                torso=68, shoulder_drop=9, neck=9, head_rx=15, head_ry=18,
                waist_r=12, chest_r=17, neck_r=5.5,
                upper=40, fore=36, arm_r0=8, arm_r1=6.5, wrist_r=5, fist_r=7.5,
                thigh_r0=12, thigh_r1=8.5, ankle_r=5.5,
                shoulder_off=4, hip_off=4)
    suit = M((86, 110, 196), (48, 66, 150), (30, 38, 96))
    trim = M((236, 238, 246), (190, 196, 214), (128, 132, 160))
    skin = M((246, 214, 186), (226, 180, 150), (180, 128, 108))
    hair = M((250, 246, 255), (212, 204, 232), (150, 138, 182))
    sash = M((232, 84, 96), (186, 38, 60), (120, 22, 44))
    mats = dict(upper_arm=suit, forearm=suit, hand=trim, thigh=suit, shin=trim,
                foot=trim, torso=suit, hips=suit, skin=skin, hair=hair, sash=sash)

    def draw_behind(self, painter, j):
        # The ponytail streams behind the head: the mark of her silhouette.
        sway = j.pose["sway"]
        root = self.head_at(j, -0.7, -0.55)
        base_angle = -48.0 + j.rot - 34.0 * sway
        mid = along(root, base_angle, 28)
        low = along(mid, base_angle + 20 + 20 * sway, 28)
        tip = along(low, base_angle + 32 + 25 * sway, 22)
        painter.paint([capsule(root, 9, mid, 9), capsule(mid, 9, low, 7),
                       capsule(low, 7, tip, 3)], self.mats["hair"], shade=2)

    def after_torso(self, painter, j):
        # a sash tied at the waist, its ends fluttering back
        self.belt(painter, j, 6, 14, 13, self.mats["sash"])
        # silver collar
        painter.paint([capsule(along(j.chest, j.torso_angle + j.rot + 180, 6), 9, j.chest, 8)],
                      self.mats["hand"], shade=2)

    def draw_over_torso(self, painter, j):
        pel = j.pelvis
        sway = j.pose["sway"]
        knot = along(pel, j.torso_angle + j.rot - 80, 12)
        end = along(knot, -40 + j.rot - 30 * sway, 24)
        painter.paint([capsule(knot, 4, end, 3)], self.mats["sash"], shade=2)

    def draw_hair(self, painter, j):
        top = self.head_outline(j, [(0.95, -0.35), (0.8, -0.85), (0.2, -1.12), (-0.6, -1.0), (-1.08, -0.4),
                                    (-1.0, 0.25), (-0.55, 0.1), (-0.3, -0.35), (0.5, -0.45)])
        painter.paint([top], self.mats["hair"], shade=2)
        # crescent headband over the brow
        a = self.head_at(j, 0.9, -0.52)
        b = self.head_at(j, -0.2, -0.75)
        painter.paint([capsule(a, 2.5, b, 2.5)], self.mats["hand"], shade=1, light=1)
        moon = self.head_at(j, 0.62, -0.72)
        painter.paint([ellipse(moon, 4, 4)], self.mats["hand"], shade=1, light=1)
        cut = self.head_at(j, 0.75, -0.8)
        painter.flat([ellipse(cut, 2.6, 2.6)], self.mats["hair"].base)


class Halvard(Character):
    name = "halvard"
    width = 270
    hp = 150
    speed = 0.3
    dims = dict(thigh=62, shin=58, foot_len=26, foot_h=11, heel=7,
                torso=86, shoulder_drop=14, neck=7, head_rx=16, head_ry=19,
                waist_r=25, chest_r=32, neck_r=10,
                upper=46, fore=42, arm_r0=13, arm_r1=11, wrist_r=9, fist_r=11,
                thigh_r0=18, thigh_r1=13, ankle_r=10,
                shoulder_off=9, hip_off=9)
    skin = M((240, 190, 150), (214, 150, 112), (160, 98, 76))
    trousers = M((196, 88, 52), (150, 56, 34), (96, 34, 24))
    fur = M((176, 140, 96), (128, 94, 60), (84, 58, 38))
    beard = M((240, 150, 70), (200, 104, 40), (140, 66, 26))
    leather = M((120, 84, 60), (84, 56, 40), (52, 34, 26))
    brass = M((246, 226, 150), (214, 178, 84), (150, 116, 44))
    mats = dict(upper_arm=skin, forearm=skin, hand=skin, thigh=trousers, shin=trousers,
                foot=leather, torso=skin, hips=trousers, skin=skin, fur=fur,
                beard=beard, leather=leather, brass=brass)

    def after_torso(self, painter, j):
        # leather strap across the chest and a heavy belt
        d = self.dims
        ta = j.torso_angle + j.rot
        a = along(j.pelvis, ta, d["torso"] * 0.25)
        a = along(a, ta - 90, -d["waist_r"] * 0.6)
        b = along(j.chest, ta - 90, d["chest_r"] * 0.7)
        painter.paint([capsule(a, 4, b, 4)], self.mats["leather"], shade=1, light=1)
        self.belt(painter, j, 4, 16, d["waist_r"] + 1, self.mats["leather"])
        buckle = along(along(j.pelvis, ta, 10), ta - 90, d["waist_r"] * 0.75)
        painter.paint([ellipse(buckle, 6, 6)], self.mats["brass"], shade=2, light=1)

    def draw_over_torso(self, painter, j):
        # the fur mantle over his shoulders
        d = self.dims
        ta = j.torso_angle + j.rot
        back = along(j.chest, ta - 90, -d["chest_r"] * 0.9)
        back = along(back, ta, -10)
        front = along(j.chest, ta - 90, d["chest_r"] * 0.6)
        front = along(front, ta, -14)
        painter.paint([capsule(back, 17, j.chest, 16), capsule(j.chest, 16, front, 12)],
                      self.mats["fur"], shade=4)

    def after_leg(self, painter, j, side):
        # boot tops
        self.leg_band(painter, j, side, self.mats["leather"], 0.3, 0.7, 11, 10)

    def draw_hair(self, painter, j):
        beard = self.head_outline(j, [(1.02, 0.25), (1.05, 0.8), (0.7, 1.45), (0.1, 1.6), (-0.45, 1.05),
                                      (-0.6, 0.35), (-0.2, 0.3), (0.35, 0.45), (0.7, 0.3)])
        painter.paint([beard], self.mats["beard"], shade=3)
        mouth = self.head_at(j, 0.75, 0.5)
        if j.pose["face"] in ("shout", "hurt"):
            painter.flat([ellipse(mouth, 3.5, 3.5)], MOUTH, outline=True)
        else:
            painter.line([mouth, self.head_at(j, 0.45, 0.52)], self.mats["beard"].shade, width=2)
        # a ring of ginger hair at the back of the bald head
        back = self.head_outline(j, [(-0.2, -0.2), (-0.95, -0.35), (-1.05, 0.3), (-0.6, 0.5), (-0.4, 0.1)])
        painter.paint([back], self.mats["beard"], shade=2)

    def brow_colour(self):
        return self.mats["beard"].shade


class Tamsin(Character):
    name = "tamsin"
    width = 230
    hp = 110
    speed = 0.2
    dims = dict(thigh=48, shin=46, foot_len=17, foot_h=8, heel=5,
                torso=60, shoulder_drop=8, neck=7, head_rx=15, head_ry=17,
                waist_r=13, chest_r=17, neck_r=6,
                upper=33, fore=29, arm_r0=8, arm_r1=7, wrist_r=6, fist_r=11.5,
                thigh_r0=12.5, thigh_r1=9, ankle_r=6,
                shoulder_off=5, hip_off=5)
    skin = M((200, 146, 104), (166, 112, 76), (118, 76, 54))
    top = M((255, 176, 70), (236, 128, 30), (176, 80, 20))
    shorts = M((150, 90, 190), (104, 56, 150), (66, 34, 104))
    gloves = M((255, 110, 100), (214, 40, 46), (140, 20, 36))
    hair = M((110, 74, 56), (66, 42, 34), (40, 26, 24))
    band = M((255, 255, 250), (226, 222, 214), (168, 162, 156))
    shoe = M((96, 100, 120), (62, 64, 82), (40, 40, 54))
    mats = dict(upper_arm=skin, forearm=skin, hand=gloves, thigh=shorts, shin=skin,
                foot=shoe, torso=top, hips=shorts, skin=skin, hair=hair, band=band)

    def after_leg(self, painter, j, side):
        self.leg_band(painter, j, side, self.mats["band"], 0.35, 0.65, 7, 6.5)

    def after_torso(self, painter, j):
        self.belt(painter, j, 2, 9, 14, self.mats["band"])

    def draw_behind(self, painter, j):
        sway = j.pose["sway"]
        knot = self.head_at(j, -0.9, -0.4)
        for k, spread in ((0, -10), (1, 14)):
            angle = -75 + spread + j.rot - 30 * sway
            end = along(knot, angle, 26 - 4 * k)
            painter.paint([capsule(knot, 4, end, 3)], self.mats["band"], shade=1)

    def draw_hair(self, painter, j):
        hair = self.head_outline(j, [(0.9, -0.2), (0.85, -0.75), (0.2, -1.1), (-0.7, -0.95), (-1.12, -0.2),
                                     (-1.0, 0.55), (-0.5, 0.55), (-0.35, 0.0), (0.3, -0.3), (0.55, -0.15)])
        painter.paint([hair], self.mats["hair"], shade=2)
        a = self.head_at(j, 0.95, -0.5)
        b = self.head_at(j, -0.95, -0.45)
        painter.paint([capsule(a, 3.5, b, 3.5)], self.mats["band"], shade=1, light=1)


class Morrow(Character):
    name = "morrow"
    width = 300
    hp = 130
    speed = 0.25
    dims = dict(thigh=70, shin=68, foot_len=21, foot_h=8, heel=5,
                torso=82, shoulder_drop=9, neck=10, head_rx=14, head_ry=18,
                waist_r=13, chest_r=18, neck_r=6,
                upper=47, fore=43, arm_r0=8.5, arm_r1=7, wrist_r=5.5, fist_r=7.5,
                thigh_r0=12, thigh_r1=8.5, ankle_r=5.5,
                shoulder_off=4, hip_off=4)
    coat = M((112, 92, 132), (72, 58, 92), (44, 34, 60))
    wraps = M((236, 226, 200), (200, 188, 156), (146, 134, 108))
    skin = M((214, 208, 214), (180, 170, 182), (128, 118, 136))
    sash = M((250, 210, 90), (212, 160, 40), (150, 104, 26))
    pants = M((84, 80, 96), (56, 52, 66), (36, 34, 44))
    mats = dict(upper_arm=coat, forearm=wraps, hand=pants, thigh=pants, shin=wraps,
                foot=pants, torso=coat, hips=coat, skin=skin, sash=sash, coat=coat)
    FACE_DARK = (26, 20, 36)
    GLOW = (150, 226, 255)

    def coat_tail(self, j, side_offset, length):
        """The long coat tail, hanging from the waist and blown back."""
        sway = j.pose["sway"]
        ta = j.torso_angle + j.rot
        top = along(j.pelvis, ta, 10)
        top = along(top, ta - 90, side_offset)
        hang = -6 + j.rot * 0.6 - 30 * sway
        mid = along(top, hang, length * 0.55)
        end = along(mid, hang - 10 - 20 * sway, length * 0.5)
        return [capsule(top, 14, mid, 15), capsule(mid, 15, end, 11)]

    def draw_behind(self, painter, j):
        painter.paint(self.coat_tail(j, -6, 92), self.mats["coat"], shade=4)

    def after_torso(self, painter, j):
        ta = j.torso_angle + j.rot
        self.belt(painter, j, 10, 18, 13, self.mats["sash"])
        # the coat's lapel line
        top = along(j.chest, ta - 90, self.dims["chest_r"] * 0.4)
        low = along(j.pelvis, ta, 22)
        low = along(low, ta - 90, self.dims["waist_r"] * 0.6)
        painter.line([top, low], self.mats["coat"].shade, width=2)

    def draw_face(self, painter, j):
        face = self.head_outline(j, [(1.0, -0.45), (1.02, 0.5), (0.7, 0.95), (0.15, 0.8), (0.1, -0.3)])
        painter.flat([face], self.FACE_DARK)
        if j.pose["face"] != "out":
            for fx in (0.45, 0.8):
                eye = self.head_at(j, fx, 0.02)
                painter.flat([ellipse(eye, 2.2, 1.6)], self.GLOW)

    def draw_hair(self, painter, j):
        # the hood
        outer = self.head_outline(j, [(1.25, -0.55), (0.9, -1.2), (0.0, -1.42), (-0.9, -1.25), (-1.45, -0.5),
                                      (-1.5, 0.6), (-1.05, 1.3), (-0.3, 1.55), (0.2, 1.2), (0.1, -0.35),
                                      (0.7, -0.6), (1.0, -0.45)])
        painter.paint([outer], self.mats["coat"], shade=3)
        rim_a = self.head_at(j, 1.2, -0.55)
        rim_b = self.head_at(j, 0.15, -0.45)
        painter.line([rim_a, rim_b], self.mats["coat"].light, width=2)

    def eye_colour(self):
        return self.GLOW


ROSTER = [Lunet(), Halvard(), Tamsin(), Morrow()]


def check_palettes_disjoint():
    seen = {}
    for ch in ROSTER:
        for c in ch.palette():
            if c in seen and seen[c] != ch.name:
                raise ValueError("colour %s used by %s and %s" % (c, seen[c], ch.name))
            seen[c] = ch.name
    return seen


# The second fighter on screen is recoloured by one swap file whatever
# character it is: each character's cloth tones map to a new cloth.
SWAPS = [
    (Lunet.suit, M((214, 92, 110), (160, 44, 68), (104, 26, 46))),
    (Lunet.sash, M((250, 216, 112), (216, 166, 52), (152, 110, 32))),
    (Halvard.trousers, M((96, 128, 190), (58, 84, 140), (36, 52, 92))),
    (Halvard.fur, M((178, 178, 186), (128, 128, 138), (84, 84, 96))),
    (Tamsin.top, M((110, 210, 240), (40, 156, 206), (24, 100, 150))),
    (Tamsin.shorts, M((120, 120, 132), (80, 80, 92), (50, 50, 60))),
    (Tamsin.gloves, M((110, 150, 255), (40, 80, 214), (24, 44, 140))),
    (Morrow.coat, M((160, 96, 80), (116, 60, 50), (74, 36, 32))),
    (Morrow.sash, M((232, 234, 240), (184, 188, 200), (124, 128, 146))),
]


def swap_pairs():
    pairs = []
    for source, target in SWAPS:
        pairs += list(zip(source.tones(), target.tones()))
    sources = {s for s, _ in pairs}
    for s, t in pairs:
        if t in sources or t == (0, 255, 0):
            raise ValueError("swap target %s is also swapped" % (t,))
    return pairs
