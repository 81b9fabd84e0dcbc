"""Writes the four fighters: pictures, one animation file per move, and the
fighter files with their moves, still pictures and combos."""
import numpy as np

import body
import projectiles
from common import save_keyed_png, write_config
from moves import MOVE_NAMES, MOVESETS, STILL_NAMES
from roster import CANVAS_HEIGHT, ROSTER, swap_pairs

FLIGHT_MOVE = 13

# Combos spelled with the control names; "left" is toward the opponent.
# Types: 1 lift (a higher jump), 2 special move, 3 rush, 4 dash.
LIFT = (1, ["up", "noup", "up"])
DASH_IN = (4, ["left", "noleft", "left"])
DASH_OUT = (4, ["right", "noright", "right"])
COMBOS = {
    "lunet": [(2, ["down", "left", "punch"]), (3, ["right", "left", "kick"]), LIFT, DASH_IN, DASH_OUT],
    "halvard": [(2, ["down", "left", "punch"]), (3, ["right", "left", "punch"]), LIFT, DASH_IN, DASH_OUT],
    "tamsin": [(2, ["down", "right", "punch"]), (3, ["right", "left", "punch"]), LIFT, DASH_IN, DASH_OUT],
    "morrow": [(2, ["down", "left", "kick"]), (3, ["right", "left", "kick"]), LIFT, DASH_IN, DASH_OUT],
}

FX_KEYS = ["sound", "flash", "flashrate", "shake", "fire", "spin"]


def visible_box(img):
    a = np.asarray(img)
    vis = ~((a[..., 0] == 0) & (a[..., 1] == 255) & (a[..., 2] == 0))
    cols = np.nonzero(vis.any(axis=0))[0]
    rows = np.nonzero(vis.any(axis=1))[0]
    return int(cols[0]), int(rows[0]), int(cols[-1]) + 1, int(rows[-1]) + 1


def centre_idle(ch, stance):
    """Moves the body so that the standing picture is centred on its canvas:
    a fighter that turns round then does not jump sideways."""
    ch.centre_shift = 0.0
    img, _, _ = body.draw(ch, stance, ch.width, CANVAS_HEIGHT, ch.ground_y)
    left, _, right, _ = visible_box(img)
    ch.centre_shift = ch.width / 2.0 - (left + right) / 2.0


class FighterWriter:
    def __init__(self, ch):
        self.ch = ch
        self.moveset = MOVESETS[ch.name](ch)
        self.report = {"moves": [], "stills": [], "shifts": []}
        self.sheet = []    # (move name, [(PIL image, rate, fx)]) for the contact sheet

    def draw(self, pose, label):
        img, _, shift = body.draw(self.ch, pose, self.ch.width, CANVAS_HEIGHT, self.ch.ground_y)
        if abs(shift) > 12:
            self.report["shifts"].append((label, shift))
        return img

    def write_move(self, index, frames):
        name = MOVE_NAMES[index]
        ch = self.ch
        images = []     # distinct poses of this move, in order of first use
        refs = []
        for fr in frames:
            key = repr(sorted(fr.pose.items()))
            if key not in [k for k, _ in images]:
                images.append((key, fr.pose))
            refs.append([k for k, _ in images].index(key))
        paths = []
        drawn = []
        for k, (_, pose) in enumerate(images):
            img = self.draw(pose, "%s.%d" % (name, k))
            rel = "rsrc/%s/%s_%d.png" % (ch.name, name, k)
            save_keyed_png(rel, img)
            paths.append(rel)
            drawn.append(img)
        loop = 1 if name.startswith("walk") else 0
        self.write_animation(name, loop, frames, [paths[r] for r in refs])
        self.sheet.append((name, [(drawn[r], fr.rate, fr.fx) for fr, r in zip(frames, refs)]))
        self.report["moves"].append((name, len(frames), sum(f.rate for f in frames),
                                     min(visible_box(i)[0] for i in drawn)))

    def write_animation(self, name, loop, frames, paths):
        pairs = [("images", len(frames)), ("loop", loop)]
        for i, (fr, path) in enumerate(zip(frames, paths)):
            pairs.append(("image%d" % i, path))
            pairs.append(("rate%d" % i, fr.rate))
            for key in FX_KEYS:
                if fr.fx.get(key):
                    pairs.append(("%s%d" % (key, i), fr.fx[key]))
        write_config(self.anim_path(name), pairs)

    def anim_path(self, name):
        return "game/fighter/%s/%s.ini" % (self.ch.name, name)

    def write_flight(self):
        frames = projectiles.flight_frames(self.ch)
        paths = []
        for k, img in enumerate(frames):
            rel = "rsrc/%s/special/flight_%d.png" % (self.ch.name, k)
            save_keyed_png(rel, img)
            paths.append(rel)
        rate = projectiles.FLIGHT_RATE
        pairs = [("images", len(frames)), ("loop", 1)]
        for i, path in enumerate(paths):
            pairs += [("image%d" % i, path), ("rate%d" % i, rate)]
        write_config(self.anim_path("flight"), pairs)
        self.sheet.append(("flight", [(img, rate, {}) for img in frames]))
        self.report["moves"].append(("flight", len(frames), rate * len(frames), 0))

    def write(self):
        ch = self.ch
        centre_idle(ch, self.moveset.stance())
        moves = self.moveset.moves()
        for i, frames in enumerate(moves):
            if i == FLIGHT_MOVE:
                self.write_flight()
            else:
                self.write_move(i, frames)
        still_paths = []
        stills = []
        for name, pose in zip(STILL_NAMES, self.moveset.stills()):
            img = self.draw(pose, name)
            rel = "rsrc/%s/%s.png" % (ch.name, name)
            save_keyed_png(rel, img)
            still_paths.append(rel)
            stills.append((img, 1, {}))
            self.report["stills"].append((name, visible_box(img)))
        self.sheet.insert(0, ("stills", stills))
        self.write_fighter_file(still_paths)
        return self

    def write_fighter_file(self, still_paths):
        ch = self.ch
        pairs = [("hp", ch.hp), ("scale", "1.0"), ("speed", ch.speed), ("moves", len(MOVE_NAMES))]
        for i, name in enumerate(MOVE_NAMES):
            pairs.append(("move%d" % i, self.anim_path(name)))
        pairs.append(("images", len(still_paths)))
        for i, path in enumerate(still_paths):
            pairs.append(("image%d" % i, path))
        combos = COMBOS[ch.name]
        pairs.append(("combos", len(combos)))
        for i, (kind, steps) in enumerate(combos):
            pairs.append(("combo%dmoves" % i, len(steps)))
            pairs.append(("combo%dmove" % i, kind))
            for j, step in enumerate(steps):
                pairs.append(("combo%dmove%d" % (i, j), step))
        write_config("game/fighter/%s_char.ini" % ch.name, pairs)


def write_swap_file():
    pairs = swap_pairs()
    keys = [("colors", len(pairs))]
    for i, (source, target) in enumerate(pairs):
        keys.append(("color%dsource" % i, "%d,%d,%d" % source))
        keys.append(("color%dtarget" % i, "%d,%d,%d" % target))
    write_config("game/fighter/lunet_swap.ini", keys)


def write_all():
    write_swap_file()
    return [FighterWriter(ch).write() for ch in ROSTER]
