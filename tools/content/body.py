"""The skeleton of a fighter and the body laid over it.

`solve` turns a pose (a dict of angles, see POSE_DEFAULTS) into joint
positions on the fighter's canvas; `draw` paints the body in depth order:
far limbs, torso, head, near limbs.  A character (see roster.py) supplies its
proportions, its materials and small hooks for what makes it itself: hair,
beard, hood, coat tails, gloves."""
import numpy as np

from figure import (Painter, along, capsule, direction, ellipse,
                    rotate_about, lerp)

POSE_DEFAULTS = {
    "x": 0.0,       # pelvis moved toward the front (pixels)
    "y": None,      # pelvis height above the ground; None stands on the ground
    "rot": 0.0,     # whole body tipped backward (degrees), for falls
    "lean": 0.0,    # torso leaning forward
    "head": 0.0,    # head bowed forward relative to the torso
    "fu": 20.0, "fl": 110.0,   # near arm: upper arm and forearm angles
    "bu": 10.0, "bl": 120.0,   # far arm
    "ft": 20.0, "fs": -5.0,    # near leg: thigh and shin angles
    "bt": -15.0, "bs": -25.0,  # far leg
    "ff": 90.0, "bf": 90.0,    # feet: 90 is flat, toes forward
    "hand_f": "fist", "hand_b": "fist",
    "far_arm_front": 0.0,      # 1: the far arm is drawn over the torso
    "sway": 0.0,    # secondary motion of hair, tails and cloth (-1 .. 1)
    "face": "calm",  # calm, shout, hurt, out
}

INTERPOLATED = [k for k, v in POSE_DEFAULTS.items() if isinstance(v, float)]


def full_pose(pose):
    p = dict(POSE_DEFAULTS)
    p.update(pose)
    return p


def blend(a, b, t):
    """A pose between two others: angles and offsets interpolate, the
    discrete choices (hands, face) follow the nearer pose."""
    a, b = full_pose(a), full_pose(b)
    out = dict(a if t < 0.5 else b)
    for k in INTERPOLATED:
        out[k] = lerp(a[k], b[k], t)
    if a["y"] is not None or b["y"] is not None:
        ya = a["y"] if a["y"] is not None else b["y"]
        yb = b["y"] if b["y"] is not None else a["y"]
        out["y"] = lerp(ya, yb, t)
    return out


class Joints:
    pass


def solve(body, pose, centre_x, ground_y):
    p = full_pose(pose)
    d = body.dims
    j = Joints()
    j.pose = p
    pelvis = (0.0, 0.0)
    torso_angle = 180.0 - p["lean"]
    forward = direction(torso_angle - 90.0)
    j.torso_angle = torso_angle
    j.head_angle = torso_angle - p["head"]
    j.pelvis = pelvis
    j.chest = along(pelvis, torso_angle, d["torso"])
    shoulder_centre = along(pelvis, torso_angle, d["torso"] - d["shoulder_drop"])
    so = d["shoulder_off"]
    j.shoulder_f = (shoulder_centre[0] + forward[0] * so, shoulder_centre[1] + forward[1] * so)
    j.shoulder_b = (shoulder_centre[0] - forward[0] * so, shoulder_centre[1] - forward[1] * so)
    ho = d["hip_off"]
    j.hip_f = (forward[0] * ho, forward[1] * ho)
    j.hip_b = (-forward[0] * ho, -forward[1] * ho)
    j.neck = along(j.chest, j.head_angle, d["neck"] * 0.5)
    j.head = along(j.chest, j.head_angle, d["neck"] + d["head_ry"])
    for side in ("f", "b"):
        shoulder = getattr(j, "shoulder_" + side)
        elbow = along(shoulder, p[side + "u"], d["upper"])
        wrist = along(elbow, p[side + "l"], d["fore"])
        hand = along(wrist, p[side + "l"], d["fist_r"] * 0.7)
        setattr(j, "elbow_" + side, elbow)
        setattr(j, "wrist_" + side, wrist)
        setattr(j, "hand_" + side, hand)
        hip = getattr(j, "hip_" + side)
        knee = along(hip, p[side + "t"], d["thigh"])
        ankle = along(knee, p[side + "s"], d["shin"])
        setattr(j, "knee_" + side, knee)
        setattr(j, "ankle_" + side, ankle)
        setattr(j, "foot_" + side, foot_polygon(d, ankle, p[side + "f"]))
    # Tip the whole body, then put it on the canvas.
    names = [n for n in vars(j) if n not in ("pose", "torso_angle", "head_angle")]
    for n in names:
        v = getattr(j, n)
        if n.startswith("foot_"):
            setattr(j, n, [rotate_about(q, pelvis, p["rot"]) for q in v])
        else:
            setattr(j, n, rotate_about(v, pelvis, p["rot"]))
    j.rot = p["rot"]
    if p["y"] is None:
        dy = ground_y - lowest_point(j, d)
    else:
        dy = ground_y - p["y"]
    dx = centre_x - p["x"]
    for n in names:
        v = getattr(j, n)
        if n.startswith("foot_"):
            setattr(j, n, [(q[0] + dx, q[1] + dy) for q in v])
        else:
            setattr(j, n, (v[0] + dx, v[1] + dy))
    return j


def lowest_point(j, d):
    """The lowest point of the body: usually a sole, but a fighter lying on
    the road rests on its back, head and elbows."""
    parts = [(j.head, max(d["head_rx"], d["head_ry"])), (j.chest, d["chest_r"]),
             (j.pelvis, d["waist_r"] + 3), (j.elbow_f, d["arm_r1"]), (j.elbow_b, d["arm_r1"]),
             (j.knee_f, d["thigh_r1"]), (j.knee_b, d["thigh_r1"]),
             (j.hand_f, d["fist_r"]), (j.hand_b, d["fist_r"])]
    lowest = max(q[1] for q in j.foot_f + j.foot_b)
    return max([lowest] + [p[1] + r for p, r in parts])


def foot_polygon(d, ankle, angle):
    u = direction(angle)
    n = direction(angle - 90.0)
    fl, fh, heel = d["foot_len"], d["foot_h"], d["heel"]
    profile = [(-heel, -fh * 0.5), (-heel - 1, fh * 0.6), (-heel + 1, fh),
               (fl, fh), (fl + 2, fh - 3), (fl * 0.55, -fh * 0.15), (0, -fh * 0.7)]
    return [(ankle[0] + u[0] * a + n[0] * b, ankle[1] + u[1] * a + n[1] * b)
            for a, b in profile]


def limb(painter, a, ra, b, rb, mat, shade=3):
    return painter.paint([capsule(a, ra, b, rb)], mat, shade=shade)


def side_mats(body, side):
    if side == "f":
        return body.mats
    return {k: v.far() for k, v in body.mats.items()}


def draw_arm(painter, body, j, side):
    d, m = body.dims, side_mats(body, side)
    p = j.pose
    shoulder = getattr(j, "shoulder_" + side)
    elbow = getattr(j, "elbow_" + side)
    wrist = getattr(j, "wrist_" + side)
    limb(painter, shoulder, d["arm_r0"], elbow, d["arm_r1"], m["upper_arm"])
    limb(painter, elbow, d["arm_r1"], wrist, d["wrist_r"], m["forearm"])
    body.draw_hand(painter, j, side, p["hand_" + side])


def draw_leg(painter, body, j, side):
    d, m = body.dims, side_mats(body, side)
    hip = getattr(j, "hip_" + side)
    knee = getattr(j, "knee_" + side)
    ankle = getattr(j, "ankle_" + side)
    limb(painter, hip, d["thigh_r0"], knee, d["thigh_r1"], m["thigh"], shade=4)
    limb(painter, knee, d["thigh_r1"] - 1, ankle, d["ankle_r"], m["shin"])
    painter.paint([getattr(j, "foot_" + side)], m["foot"], shade=2)
    body.after_leg(painter, j, side)


def draw_torso(painter, body, j):
    d, m = body.dims, body.mats
    pel = j.pelvis
    painter.paint([capsule(pel, d["waist_r"], j.chest, d["chest_r"])], m["torso"], shade=5, light=3)
    body.after_torso(painter, j)


def draw_head(painter, body, j):
    d, m = body.dims, body.mats
    painter.paint([capsule(j.chest, d["neck_r"], j.neck, d["neck_r"])], m["skin"], shade=2)
    angle = j.head_angle + j.rot
    # The head ellipse stands along the neck line.
    painter.paint([ellipse(j.head, d["head_rx"], d["head_ry"], angle - 180.0)], m["skin"], shade=3)
    body.draw_face(painter, j)


PAD_X = 160
PAD_TOP = 80
EDGE = 2


def draw(body, pose, width, height, ground_y, centre_x=None):
    """Renders one pose on the fighter's canvas; returns (PIL image, joints,
    shift).  A pose that would leave the canvas sideways (a long kick, a
    fall) is moved back inside it by `shift` pixels, so no limb is ever cut
    at the canvas edge; a pose cut at the top or bottom is an error."""
    if centre_x is None:
        centre_x = width / 2.0 + body.centre_shift
    wide = render(body, pose, width + 2 * PAD_X, height + PAD_TOP, ground_y + PAD_TOP,
                  centre_x + PAD_X)
    arr = np.asarray(wide)
    visible = ~((arr[..., 0] == 0) & (arr[..., 1] == 255) & (arr[..., 2] == 0))
    cols = np.nonzero(visible.any(axis=0))[0]
    rows = np.nonzero(visible.any(axis=1))[0]
    left, right = cols[0] - PAD_X, cols[-1] + 1 - PAD_X
    shift = 0
    if left < EDGE:
        shift = EDGE - left
    elif right > width - EDGE:
        shift = width - EDGE - right
    if right - left > width - 2 * EDGE:
        raise ValueError("%s: pose wider than the canvas: %r" % (body.name, pose))
    if rows[0] < PAD_TOP + 1 or rows[-1] >= height + PAD_TOP:
        raise ValueError("%s: pose leaves the canvas vertically (%d..%d): %r"
                         % (body.name, rows[0] - PAD_TOP, rows[-1] - PAD_TOP, pose))
    x0 = PAD_X - shift
    img = wide.crop((x0, PAD_TOP, x0 + width, PAD_TOP + height))
    return img, None, shift


def render(body, pose, width, height, ground_y, centre_x):
    j = solve(body, pose, centre_x, ground_y)
    painter = Painter(width, height)
    body.draw_behind(painter, j)
    far_arm_front = j.pose["far_arm_front"] >= 0.5
    if not far_arm_front:
        draw_arm(painter, body, j, "b")
    draw_leg(painter, body, j, "b")
    body.draw_hips(painter, j)
    draw_torso(painter, body, j)
    body.draw_over_torso(painter, j)
    draw_head(painter, body, j)
    body.draw_hair(painter, j)
    draw_leg(painter, body, j, "f")
    body.draw_over_legs(painter, j)
    if far_arm_front:
        draw_arm(painter, body, j, "b")
    draw_arm(painter, body, j, "f")
    body.draw_front(painter, j)
    return painter.image()
