"""Contact sheets for reviewing the content: every move of a fighter, one
row per move, frames keyed over a neutral grey, with their rates and
effects written above them.  Not part of the data tree."""
import os

import numpy as np
from PIL import Image, ImageDraw

BACKDROP = (112, 114, 128)
LABEL = 96


def keyed(img, backdrop=BACKDROP):
    a = np.array(img.convert("RGB"))
    key = (a[..., 0] == 0) & (a[..., 1] == 255) & (a[..., 2] == 0)
    a[key] = backdrop
    return Image.fromarray(a)


def sheet(rows, cell_w, cell_h, scale, ground=None):
    """rows: [(label, [(image, rate, fx)])]; returns the sheet image."""
    cw, chh = int(cell_w * scale), int(cell_h * scale)
    cols = max(len(frames) for _, frames in rows)
    out = Image.new("RGB", (LABEL + cw * cols, chh * len(rows)), (60, 62, 72))
    draw = ImageDraw.Draw(out)
    for r, (label, frames) in enumerate(rows):
        y = r * chh
        draw.text((4, y + 4), label, fill=(255, 255, 255))
        for c, (img, rate, fx) in enumerate(frames):
            x = LABEL + c * cw
            tile = keyed(img).resize((int(img.width * scale), int(img.height * scale)), Image.NEAREST)
            out.paste(tile, (x, y))
            if ground is not None:
                gy = y + int(ground * scale)
                draw.line([(x, gy), (x + cw - 1, gy)], fill=(80, 80, 90))
            draw.rectangle([x, y, x + cw - 1, y + chh - 1], outline=(60, 62, 72))
            text = str(rate) + "".join(" %s" % k for k, v in fx.items() if v)
            draw.text((x + 3, y + 2), text, fill=(255, 236, 120))
    return out


def write_all(folder, results):
    os.makedirs(folder, exist_ok=True)
    if "fighters" in results:
        fighter_sheets(folder, results)
    if "stage" in results:
        stage_sheet(folder, results["stage"])
    if "shots" in results:
        row = [(img, 0, {}) for img in results["shots"].values()]
        sheet([("selection", row)], 360, 440, 0.5).save(os.path.join(folder, "selection.png"))


def stage_sheet(folder, pictures):
    """The stage as the camera shows it: at the start of a round, with the
    fighters close together at either end, and at the widest zoom."""
    import stage
    views = [(220, 0.66), (0, 0.78), (380, 0.74), (0, 0.5), (250, 0.85)]
    out = Image.new("RGB", (640 * 3, 480 * 2), (0, 0, 0))
    for i, (scroll, zoom) in enumerate(views):
        view = stage.camera_view(pictures, scroll, zoom)
        ImageDraw.Draw(view).text((6, 6), "scroll %d zoom %.2f" % (scroll, zoom), fill=(255, 255, 255))
        out.paste(view, ((i % 3) * 640, (i // 3) * 480))
    out.save(os.path.join(folder, "stage.png"))


def fighter_sheets(folder, results):
    from roster import CANVAS_HEIGHT
    for writer in results["fighters"]:
        ch = writer.ch
        rows = [(name, frames) for name, frames in writer.sheet]
        img = sheet(rows, ch.width, CANVAS_HEIGHT, 0.5, ground=ch.ground_y)
        img.save(os.path.join(folder, "fighter_%s.png" % ch.name))
    from projectiles import SPARK_WIDTH, LOADING_SIZE, GUARD_SPARK_SIZE
    effects = sheet([("spark", results["spark"])], SPARK_WIDTH, CANVAS_HEIGHT, 0.5)
    effects.save(os.path.join(folder, "effects_spark.png"))
    guard = sheet([("guard", results["guard_spark"])], GUARD_SPARK_SIZE, GUARD_SPARK_SIZE, 2)
    guard.save(os.path.join(folder, "effects_guard.png"))
    loading = sheet([("loading", results["loading"])], LOADING_SIZE, LOADING_SIZE, 2)
    loading.save(os.path.join(folder, "effects_loading.png"))
