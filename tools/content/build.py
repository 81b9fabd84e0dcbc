"""Builds the whole data tree of the game: fighters, effects, the road
stage, menu and display pictures, fonts, music and sound effects.

    /usr/bin/python3 tools/content/build.py [--sheets DIR]

writes into the repository root (the game's working directory).  The output
is the same byte for byte on every run: every random choice comes from a
fixed seed and every encoder is given fixed settings.  --sheets also renders
contact sheets of every fighter's moves and of the stage for review."""
import argparse
import os
import shutil
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import common  # noqa: E402


# Everything below these folders is written by this generator; a full build
# starts from an empty tree so that nothing it no longer writes lingers.
OWNED_FOLDERS = ["game/fighter", "rsrc"]


def remove_previous_tree(root):
    for folder in OWNED_FOLDERS:
        path = os.path.join(root, folder)
        if os.path.isdir(path):
            shutil.rmtree(path)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--out", default=os.path.normpath(os.path.join(HERE, "..", "..")))
    parser.add_argument("--sheets", default=None, help="folder for contact sheets")
    parser.add_argument("--only", default=None, help="comma-separated parts to build")
    args = parser.parse_args()
    common.OUT_ROOT = args.out
    only = set(args.only.split(",")) if args.only else None

    import fighters
    import projectiles
    import roster

    roster.check_palettes_disjoint()
    if only is None:
        remove_previous_tree(common.OUT_ROOT)
    results = {}
    if only is None or "fighters" in only:
        results["fighters"] = fighters.write_all()
        projectiles.write_bullet(roster.ROSTER[0])
        results["spark"] = projectiles.write_spark()
        results["guard_spark"] = projectiles.write_guard_spark()
        results["loading"] = projectiles.write_loading()
    if only is None or "stage" in only or "menus" in only:
        import stage
        results["stage"] = stage.write_all()
    if only is None or "menus" in only:
        import menus
        results["shots"] = menus.write_all(results["stage"])
    if only is None or "icons" in only:
        import menus
        menus.write_icons()
    if only is None or "fonts" in only:
        import fonts
        fonts.write_all()
    if only is None or "sound" in only:
        import sfx
        sfx.write_all()
    if only is None or "music" in only:
        import music
        results["music"] = music.write_all()
        for name, seconds in sorted(results["music"].items()):
            print("music %-10s %5.1f s" % (name, seconds))
    if args.sheets:
        import sheets
        sheets.write_all(args.sheets, results)
    if only is None:
        import verify
        verify.check_tree(common.OUT_ROOT)
    return 0


if __name__ == "__main__":
    sys.exit(main())
