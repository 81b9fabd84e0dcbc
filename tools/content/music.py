"""The four pieces of music, synthesised from our own note data.

menu_intro  a short rising flourish under the logo (played once)
jazz_loop   a swung ii-V-I loop for the main menu
ramp        a climbing arpeggio piece for the character selection (loops)
tech_loop   a driving four-on-the-floor loop for the matches

A loop is rendered three times over and its middle cycle kept: the reverb
and release tails of the cycle before run into its start exactly as they
would when the mixer wraps round, so the loop point does not click.  Loops
are cut on bar lines."""
import os
import subprocess
import tempfile

import numpy as np

from common import out_path, write_wav
from synth import (RATE, envelope, fft_filter, noise, normalise, note_freq, pan,
                   reverb, sweep_phase, t_axis)

SERIALS = {"menu_intro": 4101, "jazz_loop": 4102, "ramp": 4103, "tech_loop": 4104}
MUSIC_RMS = -15.0


# -- instruments: each returns mono samples for one note -------------------
def epiano(freq, seconds, vel=1.0):
    n = int((seconds + 0.6) * RATE)
    t = np.arange(n) / RATE
    env = envelope(n, 0.004, 0.9, 0.0, release=0.25, hold=seconds)
    trem = 1 + 0.12 * np.sin(2 * np.pi * 5.2 * t)
    x = (np.sin(2 * np.pi * freq * t) + 0.35 * np.sin(4 * np.pi * freq * t) * np.exp(-t / 0.4)
         + 0.12 * np.sin(2 * np.pi * freq * 7.1 * t) * np.exp(-t / 0.03))
    return x * env * trem * vel * 0.35


def vibes(freq, seconds, vel=1.0):
    n = int((seconds + 1.2) * RATE)
    t = np.arange(n) / RATE
    env = envelope(n, 0.003, 1.1)
    trem = 1 + 0.25 * np.sin(2 * np.pi * 6.0 * t)
    x = np.sin(2 * np.pi * freq * t) + 0.25 * np.sin(2 * np.pi * freq * 4.0 * t) * np.exp(-t / 0.15)
    return x * env * trem * vel * 0.3


def upright_bass(freq, seconds, vel=1.0):
    n = int((seconds + 0.15) * RATE)
    t = np.arange(n) / RATE
    env = envelope(n, 0.006, 0.55, 0.0, release=0.08, hold=seconds)
    x = np.sin(2 * np.pi * freq * t) + 0.4 * np.sin(4 * np.pi * freq * t) * np.exp(-t / 0.12)
    return x * env * vel * 0.6


def saw(freq, t, harmonics=18, detune=0.0):
    x = np.zeros_like(t)
    for h in range(1, harmonics + 1):
        if freq * h > 12000:
            break
        x += np.sin(2 * np.pi * freq * (1 + detune) * h * t) / h
    return x


def square(freq, t, harmonics=15):
    x = np.zeros_like(t)
    for h in range(1, harmonics + 1, 2):
        if freq * h > 12000:
            break
        x += np.sin(2 * np.pi * freq * h * t) / h
    return x


def synth_bass(freq, seconds, vel=1.0):
    n = int((seconds + 0.05) * RATE)
    t = np.arange(n) / RATE
    env = envelope(n, 0.003, 0.18, 0.35, release=0.04, hold=seconds)
    x = saw(freq, t, 10) * 0.7 + np.sin(2 * np.pi * freq * t)
    return x * env * vel * 0.45


def pluck(freq, seconds, vel=1.0):
    n = int((seconds + 0.3) * RATE)
    t = np.arange(n) / RATE
    env = envelope(n, 0.002, 0.16)
    return square(freq, t, 9) * env * vel * 0.22


def lead(freq, seconds, vel=1.0):
    n = int((seconds + 0.2) * RATE)
    t = np.arange(n) / RATE
    vib = 1 + 0.004 * np.sin(2 * np.pi * 5.5 * t) * np.minimum(t / 0.3, 1)
    phase = 2 * np.pi * np.cumsum(freq * vib) / RATE
    x = np.zeros(n)
    for h in range(1, 12):
        x += np.sin(phase * h) / h * (0.7 if h % 2 == 0 else 1.0)
    env = envelope(n, 0.02, 0.5, 0.6, release=0.15, hold=seconds)
    return x * env * vel * 0.16


def pad(freq, seconds, vel=1.0):
    n = int((seconds + 0.8) * RATE)
    t = np.arange(n) / RATE
    x = saw(freq, t, 8, -0.004) + saw(freq, t, 8, 0.004)
    env = np.minimum(t / 0.6, 1.0) * np.clip(1 - (t - seconds) / 0.8, 0, 1)
    return x * env * vel * 0.09


def harp(freq, seconds, vel=1.0):
    n = int((seconds + 1.5) * RATE)
    t = np.arange(n) / RATE
    x = (np.sin(2 * np.pi * freq * t) + 0.3 * np.sin(4 * np.pi * freq * t) * np.exp(-t / 0.5)
         + 0.1 * np.sin(6 * np.pi * freq * t) * np.exp(-t / 0.2))
    return x * envelope(n, 0.002, 0.9) * vel * 0.3


# -- drums ---------------------------------------------------------------------
def kick(vel=1.0):
    n = int(0.3 * RATE)
    t = np.arange(n) / RATE
    body = np.sin(sweep_phase(150, 42, n, curve=0.3)) * np.exp(-t / 0.12)
    click = noise(n, 61) * np.exp(-t / 0.003) * 0.3
    return (body + click) * vel * 0.9


def clap(vel=1.0, seed=62):
    n = int(0.25 * RATE)
    t = np.arange(n) / RATE
    x = fft_filter(noise(n, seed), low=900, high=6000)
    env = np.exp(-t / 0.06)
    for k in (0.0, 0.011, 0.022):
        env += (t >= k) * np.exp(-np.maximum(t - k, 0) / 0.006) * 0.6
    return x * env * vel * 0.45


def hat(vel=1.0, open_=False, seed=63):
    dur = 0.25 if open_ else 0.05
    n = int(dur * RATE)
    t = np.arange(n) / RATE
    x = fft_filter(noise(n, seed), low=7000)
    return x * np.exp(-t / (0.07 if open_ else 0.012)) * vel * 0.35


def ride(vel=1.0, seed=64):
    n = int(0.6 * RATE)
    t = np.arange(n) / RATE
    ping = sum(np.sin(2 * np.pi * f * t) for f in (3120, 4410, 5230)) / 3
    x = (fft_filter(noise(n, seed), low=5000) * 0.5 + ping * 0.4) * np.exp(-t / 0.22)
    return x * vel * 0.22


def brush(vel=1.0, seed=65):
    n = int(0.18 * RATE)
    t = np.arange(n) / RATE
    x = fft_filter(noise(n, seed), low=1500, high=8000)
    return x * np.minimum(t / 0.01, 1) * np.exp(-t / 0.06) * vel * 0.3


# -- arranging -------------------------------------------------------------------
class Score:
    """Notes placed in beats; rendered onto a stereo buffer."""

    def __init__(self, bpm, beats):
        self.beat = 60.0 / bpm
        self.length = beats * self.beat
        self.events = []    # (start seconds, mono samples, pan)

    def add(self, beat, samples, position=0.0):
        self.events.append((beat * self.beat, samples, position))

    def note(self, instrument, beat, name, beats, vel=1.0, position=0.0):
        self.add(beat, instrument(note_freq(name), beats * self.beat, vel), position)

    def chord(self, instrument, beat, names, beats, vel=1.0, spread=0.5):
        for i, name in enumerate(names):
            position = spread * (i / max(1, len(names) - 1) * 2 - 1)
            self.note(instrument, beat, name, beats, vel, position)

    def render(self, loop, wet=0.18, room=1.4):
        n = int(round(self.length * RATE))
        cycles = 3 if loop else 1
        tail = int(3.0 * RATE)
        buf = np.zeros((n * cycles + tail, 2))
        for c in range(cycles):
            for start, samples, position in self.events:
                i = c * n + int(round(start * RATE))
                seg = pan(samples, position)[: len(buf) - i]
                buf[i:i + len(seg)] += seg
        buf = reverb(buf, seconds=room, mix=wet)
        if loop:
            return buf[n:2 * n]
        return buf


def swing_time(eighth_index):
    """Position in beats of a swung eighth note (2:1 feel)."""
    beat, half = divmod(eighth_index, 2)
    return beat + (0.66 if half else 0.0)


def jazz_loop():
    s = Score(90, 32)
    chords = [("G3", ["F4", "Bb4", "D5"], ["G2", "A2", "Bb2", "B2"]),
              ("C3", ["E4", "Bb4", "D5"], ["C3", "D3", "E3", "C3"]),
              ("F3", ["E4", "A4", "C5"], ["F2", "A2", "C3", "A2"]),
              ("D3", ["F4", "A4", "C5"], ["D3", "C3", "A2", "F2"]),
              ("G3", ["F4", "Bb4", "D5"], ["G2", "Bb2", "D3", "Bb2"]),
              ("C3", ["E4", "Bb4", "D5"], ["C3", "E3", "G3", "E3"]),
              ("A3", ["G4", "C5", "E5"], ["A2", "C3", "D3", "F#2"]),
              ("G3", ["F4", "Bb4", "E5"], ["G2", "A2", "Bb2", "E2"])]
    for bar, (root, voicing, walk) in enumerate(chords):
        b0 = bar * 4
        for k, name in enumerate(walk):
            s.note(upright_bass, b0 + k, name, 0.95, 0.9 if k == 0 else 0.75, -0.15)
        s.chord(epiano, b0 + swing_time(3), voicing, 0.6, 0.55)
        s.chord(epiano, b0 + swing_time(6), voicing, 1.2, 0.45)
        for k in range(4):
            s.add(b0 + k, ride(0.8 if k % 2 else 0.6, 64 + bar), 0.35)
            if k % 2 == 1:
                s.add(b0 + k + 0.66, ride(0.45, 70 + bar), 0.35)
                s.add(b0 + k, brush(0.7, 80 + bar), -0.3)
    melody = [(0, "D5", 1), (1, "F5", 0.66), (1.66, "A5", 1.34), (4, "G5", 1), (5, "E5", 2),
              (8, "C5", 0.66), (8.66, "E5", 0.66), (9.33, "G5", 0.67), (10, "A5", 2),
              (13, "F5", 1), (14, "D5", 1), (16, "Bb4", 0.66), (16.66, "D5", 0.66),
              (17.33, "F5", 0.67), (18, "A5", 1.5), (20, "G5", 0.66), (20.66, "E5", 1.34),
              (22, "C5", 1.5), (24, "E5", 1), (25, "G5", 1), (26, "D5", 1), (27, "F#5", 1),
              (28, "G5", 1.5), (30, "E5", 0.66), (30.66, "C#5", 1)]
    for beat, name, length in melody:
        s.note(vibes, beat, name, length, 0.7, 0.25)
    return s.render(loop=True, wet=0.2, room=1.6)


def tech_loop():
    s = Score(128, 64)
    progression = [("A1", ["A3", "C4", "E4"]), ("F1", ["F3", "A3", "C4"]),
                   ("C2", ["G3", "C4", "E4"]), ("G1", ["G3", "B3", "D4"])]
    arp_cycle = [0, 1, 2, 1, 2, 0, 1, 2]
    lead_line = ["E5", "D5", "C5", "D5", "E5", "G5", "E5", "D5", "C5", "A4", "C5", "D5", "E5", "E5", "D5", "C5"]
    for bar in range(16):
        root, triad = progression[(bar // 2) % 4]
        b0 = bar * 4
        for k in range(4):
            s.add(b0 + k, kick(1.0))
            s.add(b0 + k + 0.5, hat(0.8, seed=90 + k))
            s.note(synth_bass, b0 + k + 0.5, root.replace("1", "2") if k % 2 else root, 0.45, 0.9)
            if k % 2 == 1:
                s.add(b0 + k, clap(0.9, seed=100 + bar))
        for k in range(16):
            if k % 2 == 0:
                s.add(b0 + k * 0.25, hat(0.35, seed=120 + k), 0.3)
            name = triad[arp_cycle[k % 8]]
            octave_up = name[:-1] + str(int(name[-1]) + 1)
            s.note(pluck, b0 + k * 0.25, octave_up, 0.22, 0.55 if k % 4 else 0.75, -0.35)
        if bar % 4 == 3:
            s.add(b0 + 3.5, hat(0.5, open_=True, seed=140 + bar), 0.2)
        if bar >= 8:
            for k in range(2):
                s.note(lead, b0 + k * 2, lead_line[(bar - 8) * 2 + k], 1.8, 0.8, 0.15)
        s.chord(pad, b0, triad, 3.9, 0.6)
    return s.render(loop=True, wet=0.12, room=1.1)


def ramp():
    s = Score(120, 48)
    steps = [("D2", ["D4", "F4", "A4"]), ("Eb2", ["Eb4", "G4", "Bb4"]),
             ("F2", ["F4", "A4", "C5"]), ("G2", ["G4", "Bb4", "D5"]),
             ("A2", ["A4", "C#5", "E5"]), ("Bb2", ["Bb4", "D5", "F5"])]
    for i, (root, triad) in enumerate(steps):
        b0 = i * 8
        for k in range(8):
            s.note(synth_bass, b0 + k, root, 0.8, 0.6 + 0.05 * i, -0.1)
            s.add(b0 + k, kick(0.55 + 0.05 * i))
            if k % 2:
                s.add(b0 + k, clap(0.4 + 0.06 * i, seed=150 + k))
        # the arpeggio climbs faster as the piece rises
        per_beat = 2 if i < 3 else 4
        for k in range(8 * per_beat):
            octave = (k // 3) % 2
            name = triad[k % 3]
            name = name[:-1] + str(int(name[-1]) + octave)
            s.note(pluck, b0 + k / per_beat, name, 0.9 / per_beat, 0.5 + 0.04 * i, 0.3)
        s.chord(pad, b0, triad, 7.8, 0.7)
    return s.render(loop=True, wet=0.16, room=1.4)


def menu_intro():
    s = Score(84, 14)
    notes = ["D3", "A3", "D4", "F4", "A4", "D5", "E5", "F5", "A5"]
    for i, name in enumerate(notes):
        s.note(harp, i * 0.5, name, 2.0, 0.5 + 0.05 * i, -0.6 + 0.15 * i)
    s.chord(pad, 0, ["D3", "A3", "F4"], 5.5, 0.9)
    s.chord(pad, 5, ["Bb2", "F3", "D4"], 3.5, 0.9)
    s.chord(pad, 8, ["A2", "E3", "C#4"], 2.5, 0.9)
    s.chord(epiano, 10, ["D3", "A3", "D4", "F4", "A4"], 3.5, 0.8)
    s.add(10, kick(0.9))
    s.note(harp, 10, "D6", 3.5, 0.6, 0.3)
    audio = s.render(loop=False, wet=0.28, room=2.2)
    end = int(13.8 * 60 / 84 * RATE)
    audio = audio[: end + int(1.2 * RATE)]
    fade_n = int(1.0 * RATE)
    audio[-fade_n:] *= np.linspace(1.0, 0.0, fade_n)[:, None]
    return audio


PIECES = {"menu_intro": (menu_intro, False), "jazz_loop": (jazz_loop, True),
          "ramp": (ramp, True), "tech_loop": (tech_loop, True)}


def encode(name, audio):
    """WAV -> Ogg Vorbis with a fixed serial number, so the bytes repeat."""
    rel = "rsrc/%s.ogg" % name
    target = out_path(rel)
    with tempfile.TemporaryDirectory() as tmp:
        wav = os.path.join(tmp, name + ".wav")
        write_wav(wav, audio, rel=False)
        subprocess.run(["oggenc", "-Q", "-q", "3", "--serial", str(SERIALS[name]),
                        "-o", target, wav], check=True)
    return rel


def write_all():
    lengths = {}
    for name, (make, loop) in PIECES.items():
        audio = normalise(make(), MUSIC_RMS, peak_db=-1.5)
        if not loop:
            n = int(0.004 * RATE)
            audio[:n] *= np.linspace(0, 1, n)[:, None]
        encode(name, audio)
        lengths[name] = len(audio) / RATE
    return lengths
