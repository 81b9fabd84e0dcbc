"""Shared helpers of the content generator: where files go, how images and
data files are written, and the checks every picture must pass.

Every writer here is deterministic: the same inputs give the same bytes, so
the committed tree can be rebuilt and compared file for file."""
import os
import wave

import numpy as np
from PIL import Image

KEY = (0, 255, 0)
# A pixel is near-green when its green is above NEAR_GREEN_MIN and exceeds
# both other channels by more than NEAR_GREEN_LEAD; the data tree's test
# looks for them with the same two numbers.
NEAR_GREEN_MIN = 150
NEAR_GREEN_LEAD = 90

# Set by build.py: the root of the data tree (the repository root).
OUT_ROOT = None
# Every file written in this run, relative to OUT_ROOT, for the final report.
WRITTEN = []


def out_path(rel):
    path = os.path.join(OUT_ROOT, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    WRITTEN.append(rel)
    return path


def near_green_count(arr):
    """Pixels that are close to the colour key without being it: they would
    survive the key as a green fringe, so no keyed picture may have any."""
    r = arr[..., 0].astype(int)
    g = arr[..., 1].astype(int)
    b = arr[..., 2].astype(int)
    exact = (r == 0) & (g == 255) & (b == 0)
    near = (g > NEAR_GREEN_MIN) & (g - np.maximum(r, b) > NEAR_GREEN_LEAD)
    return int(np.count_nonzero(near & ~exact))


def save_keyed_png(rel, img):
    """Writes a picture that the game keys on pure green: RGB, 24 bits, with
    at least one visible pixel and no near-green pixel."""
    img = img.convert("RGB")
    arr = np.asarray(img)
    if near_green_count(arr):
        raise ValueError("%s has %d near-green pixels" % (rel, near_green_count(arr)))
    key = (arr[..., 0] == 0) & (arr[..., 1] == 255) & (arr[..., 2] == 0)
    if key.all():
        raise ValueError("%s is all key colour" % rel)
    img.save(out_path(rel), format="PNG", optimize=False, compress_level=9)


def save_opaque_png(rel, img):
    img.convert("RGB").save(out_path(rel), format="PNG", optimize=False, compress_level=9)


def save_jpeg(rel, img, quality=88):
    img.convert("RGB").save(out_path(rel), format="JPEG", quality=quality,
                            optimize=False, progressive=False, subsampling=0)


def write_config(rel, pairs):
    """Writes a data file in the game's key=value format: one token per
    line, values without spaces, and a final line end."""
    lines = []
    for key, value in pairs:
        text = str(value)
        if not text or any(c.isspace() for c in text):
            raise ValueError("bad value for %s in %s: %r" % (key, rel, text))
        lines.append("%s=%s" % (key, text))
    with open(out_path(rel), "w", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


def write_wav(rel_or_path, stereo, rate=44100, rel=True):
    """Writes float samples in [-1, 1] (shape n x 2) as 16-bit stereo WAV."""
    data = np.clip(np.asarray(stereo, dtype=np.float64), -1.0, 1.0)
    if data.ndim == 1:
        data = np.stack([data, data], axis=1)
    pcm = np.round(data * 32767.0).astype("<i2")
    path = out_path(rel_or_path) if rel else rel_or_path
    with wave.open(path, "wb") as w:
        w.setnchannels(2)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(pcm.tobytes())
    return path
