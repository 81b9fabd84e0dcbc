"""Checks the written tree the way the game will read it: every file that a
data file names exists, every fighter has its 18 moves and 10 pictures, all
keyed pictures are free of near-green pixels, and the whole tree stays
small."""
import os

import numpy as np
from PIL import Image

from common import near_green_count

FIGHTERS = ["lunet", "halvard", "tamsin", "morrow"]
CONTROL_NAMES = {"up", "noup", "down", "left", "right", "punch", "kick", "noleft", "noright"}
OPAQUE = {"rsrc/pqm_logo2_640x480.png", "rsrc/QM_wallpaper02_1024.jpg", "rsrc/tilablebg128.png",
          "rsrc/road/sky.png", "rsrc/road/floor_road.png"}


def read_config(path):
    with open(path) as f:
        text = f.read()
    if not text.endswith("\n"):
        raise ValueError("%s does not end with a line end" % path)
    table = {}
    for token in text.split():
        key, _, value = token.partition("=")
        table[key] = value
    return table


class Tree:
    def __init__(self, root):
        self.root = root
        self.images = set()
        self.sounds = set()

    def path(self, rel):
        full = os.path.join(self.root, rel)
        if not os.path.isfile(full):
            raise ValueError("missing file: %s" % rel)
        return full

    def animation(self, rel):
        table = read_config(self.path(rel))
        n = int(table["images"])
        if n < 1:
            raise ValueError("%s has no frames" % rel)
        for i in range(n):
            self.images.add(table["image%d" % i])
            if "rate%d" % i not in table:
                raise ValueError("%s frame %d has no rate" % (rel, i))
            if "sound%d" % i in table:
                self.sounds.add(table["sound%d" % i])
        return n

    def fighter(self, name):
        rel = "game/fighter/%s_char.ini" % name
        table = read_config(self.path(rel))
        if int(table["moves"]) != 18 or int(table["images"]) != 10:
            raise ValueError("%s must list 18 moves and 10 pictures" % rel)
        if float(table["scale"]) != 1.0:
            raise ValueError("%s: scale must stay 1.0" % rel)
        frames = sum(self.animation(table["move%d" % i]) for i in range(18))
        for i in range(10):
            self.images.add(table["image%d" % i])
        kinds = set()
        for c in range(int(table["combos"])):
            kinds.add(int(table["combo%dmove" % c]))
            for s in range(int(table["combo%dmoves" % c])):
                step = table["combo%dmove%d" % (c, s)]
                if step not in CONTROL_NAMES:
                    raise ValueError("%s: unknown control %s" % (rel, step))
        return frames, kinds

    def stage(self):
        table = read_config(self.path("rsrc/road/stage_road.ini"))
        bgset = read_config(self.path(table["bgset"]))
        for i in range(int(bgset["images"])):
            self.images.add(bgset["image%d" % i])


def check_tree(root):
    tree = Tree(root)
    kinds = set()
    for name in FIGHTERS:
        frames, k = tree.fighter(name)
        kinds |= k
        print("fighter %-8s %3d frames" % (name, frames))
    if kinds != {1, 2, 3, 4}:
        raise ValueError("combo types across the roster: %s" % sorted(kinds))
    tree.animation("game/fighter/loading.ini")
    tree.animation("game/fighter/expl.ini")
    tree.animation("game/fighter/guard.ini")
    tree.stage()
    fixed = ["rsrc/pqm_logo2_640x480.png", "rsrc/QM_wallpaper02_1024.jpg", "rsrc/tilablebg128.png",
             "rsrc/ornaqmdark.png", "rsrc/lunet/lunet_action_shot.png",
             "rsrc/halvard/halvard_action_shot_ha.png", "rsrc/tamsin/tamsin_action_shot.png",
             "rsrc/morrow/morrow_action_shot.png", "rsrc/meter/lifebar_grey.png",
             "rsrc/meter/shadow.png", "rsrc/lunet/lunet_symbol_small.png",
             "rsrc/lunet/special/lunet_bullet1.png"]
    tree.images.update(fixed)
    for rel in sorted(tree.images):
        img = Image.open(tree.path(rel))
        if img.mode != "RGB":
            raise ValueError("%s is %s, not 24-bit RGB" % (rel, img.mode))
        if rel not in OPAQUE and near_green_count(np.asarray(img)):
            raise ValueError("%s has near-green pixels" % rel)
    for rel in sorted(tree.sounds):
        tree.path(rel)
    for rel in ["rsrc/menu_intro.ogg", "rsrc/jazz_loop.ogg", "rsrc/tech_loop.ogg", "rsrc/ramp.ogg",
                "rsrc/Veranda.ttf", "rsrc/oldengl.ttf", "rsrc/Medici_Text.ttf", "tahoma.ttf"]:
        tree.path(rel)
    total = 0
    for top in ["game/fighter", "rsrc"]:
        for dirpath, _, files in os.walk(os.path.join(root, top)):
            total += sum(os.path.getsize(os.path.join(dirpath, f)) for f in files)
    total += os.path.getsize(os.path.join(root, "tahoma.ttf"))
    print("tree: %d pictures, %d sounds, %.1f MB" % (len(tree.images), len(tree.sounds), total / 1e6))
    if total > 40e6:
        raise ValueError("the data tree is larger than 40 MB")
