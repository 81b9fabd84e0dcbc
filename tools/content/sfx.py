"""Sound effects: 44100 Hz, 16-bit stereo WAV, the mixer's own format, so
nothing is converted when the game loads them.  Each starts and ends with a
fade of a few milliseconds; all sit a few dB above the music."""
import numpy as np

from common import write_wav
from synth import (RATE, bandpass_sweep, envelope, fade, fft_filter, noise,
                   normalise, pan, sweep_phase, t_axis)

LEVEL = -10.0   # RMS in dBFS before the centre pan (3 dB less after it)


def level(x, rms_db=LEVEL):
    return normalise(x, rms_db, peak_db=-1.0)


def swing(seconds, f0, f1, seed):
    n = int(seconds * RATE)
    body = bandpass_sweep(noise(n, seed), f0, f1, q=1.6)
    env = envelope(n, attack=seconds * 0.35, decay=seconds * 0.25)
    return level(body * env)


def thump(seconds, f0, f1, seed, crack=0.0, rumble=0.5):
    n = int(seconds * RATE)
    t = t_axis(seconds)
    tone = np.sin(sweep_phase(f0, f1, n, curve=0.4)) * np.exp(-t / (seconds * 0.3))
    burst = fft_filter(noise(n, seed), high=1800) * np.exp(-t / 0.025) * rumble
    x = tone + burst
    if crack:
        x += fft_filter(noise(n, seed + 1), low=2500) * np.exp(-t / 0.008) * crack
    return level(np.tanh(x * 1.6))


def block():
    n = int(0.12 * RATE)
    t = t_axis(0.12)
    tick = np.sin(2 * np.pi * 420 * t) * np.exp(-t / 0.02)
    knock = bandpass_sweep(noise(n, 31), 1300, 900, q=4.0) * np.exp(-t / 0.015) * 3
    return level(tick + knock, LEVEL - 2)


def spark():
    seconds = 0.32
    n = int(seconds * RATE)
    t = t_axis(seconds)
    rng = np.random.default_rng(41)
    x = fft_filter(noise(n, 42), low=3000) * np.exp(-t / 0.05) * 0.6
    for _ in range(14):
        start = int(rng.uniform(0, 0.22) * RATE)
        length = int(0.01 * RATE)
        seg = np.sin(2 * np.pi * rng.uniform(3000, 7000) * np.arange(length) / RATE)
        x[start:start + length] += seg * np.exp(-np.arange(length) / (0.003 * RATE)) * 0.8
    return level(x, LEVEL - 1)


def whoosh():
    seconds = 0.62
    n = int(seconds * RATE)
    t = t_axis(seconds)
    air = bandpass_sweep(noise(n, 51), 400, 2600, q=2.2)
    shimmer = np.sin(sweep_phase(660, 1320, n)) * 0.25 * (1 + np.sin(2 * np.pi * 18 * t)) * 0.5
    env = envelope(n, attack=0.09, decay=0.22)
    return level((air + shimmer) * env)


def sweep_pan(mono, start, end):
    """A sound that travels across the stereo field."""
    pos = np.linspace(start, end, len(mono))
    a = (pos + 1) * np.pi / 4
    return np.stack([mono * np.cos(a), mono * np.sin(a)], axis=1)


EFFECTS = {
    "swing_light": lambda: pan(swing(0.17, 700, 2600, 11), 0.0),
    "swing_heavy": lambda: pan(swing(0.27, 350, 1500, 12), 0.0),
    "hit": lambda: pan(thump(0.22, 170, 55, 21, rumble=0.7), 0.0),
    "hit_heavy": lambda: pan(thump(0.5, 140, 38, 22, crack=1.2), 0.0),
    "thud": lambda: pan(thump(0.3, 90, 40, 23, rumble=0.4), 0.0),
    "stomp": lambda: pan(thump(0.75, 80, 28, 24, crack=0.8, rumble=1.0), 0.0),
    "block": lambda: pan(block(), 0.0),
    "spark": lambda: pan(spark(), 0.0),
    "projectile": lambda: sweep_pan(whoosh(), -0.3, 0.3),
}


def write_all():
    written = {}
    for name, make in EFFECTS.items():
        rel = "rsrc/sfx/%s.wav" % name
        write_wav(rel, fade(make(), 2.0, 6.0))
        written[name] = rel
    return written
