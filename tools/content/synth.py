"""A small synthesiser: oscillators, envelopes, filters and a reverb, all
vectorised with numpy.  Every random source takes an explicit seed."""
import numpy as np

RATE = 44100


def t_axis(seconds):
    return np.arange(int(round(seconds * RATE))) / RATE


def note_freq(name):
    """'A4' -> 440 Hz; sharps with '#', flats with 'b'."""
    names = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    semis = names[name[0]]
    rest = name[1:]
    while rest and rest[0] in "#b":
        semis += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    octave = int(rest)
    return 440.0 * 2 ** ((semis + 12 * (octave - 4)) / 12.0)


def envelope(n, attack, decay, sustain=0.0, release=0.0, hold=None):
    """Attack-decay(-sustain-release) envelope over n samples (times in s)."""
    t = np.arange(n) / RATE
    env = np.ones(n)
    if attack > 0:
        env = np.minimum(env, t / attack)
    after = np.maximum(t - attack, 0.0)
    env *= sustain + (1.0 - sustain) * np.exp(-after / max(decay, 1e-4))
    if hold is not None and release > 0:
        env *= np.clip(1.0 - (t - hold) / release, 0.0, 1.0)
    return env


def fade(x, ms_in=3.0, ms_out=6.0):
    """Short fades at both ends so no sound starts or stops with a click."""
    x = np.array(x, dtype=np.float64)
    n_in = max(1, int(RATE * ms_in / 1000))
    n_out = max(1, int(RATE * ms_out / 1000))
    x[:n_in] *= np.linspace(0.0, 1.0, n_in)[:, None] if x.ndim == 2 else np.linspace(0.0, 1.0, n_in)
    x[-n_out:] *= np.linspace(1.0, 0.0, n_out)[:, None] if x.ndim == 2 else np.linspace(1.0, 0.0, n_out)
    return x


def sweep_phase(f0, f1, n, curve=1.0):
    """Phase of a sine gliding from f0 to f1 over n samples."""
    k = np.linspace(0.0, 1.0, n) ** curve
    freq = f0 + (f1 - f0) * k
    return 2 * np.pi * np.cumsum(freq) / RATE


def noise(n, seed):
    return np.random.default_rng(seed).uniform(-1.0, 1.0, n)


def one_pole_lowpass(x, cutoff):
    """Simple lowpass; cutoff may be a scalar or an array (Hz)."""
    cutoff = np.broadcast_to(np.asarray(cutoff, dtype=np.float64), x.shape)
    a = np.exp(-2 * np.pi * cutoff / RATE)
    y = np.empty_like(x)
    acc = 0.0
    for i in range(len(x)):
        acc = (1 - a[i]) * x[i] + a[i] * acc
        y[i] = acc
    return y


def fft_filter(x, low=None, high=None):
    """Band limits by zeroing FFT bins: fast for long static filters."""
    spectrum = np.fft.rfft(x)
    freqs = np.fft.rfftfreq(len(x), 1.0 / RATE)
    if low is not None:
        spectrum[freqs < low] *= (freqs[freqs < low] / low) ** 2
    if high is not None:
        spectrum[freqs > high] *= (high / freqs[freqs > high]) ** 2
    return np.fft.irfft(spectrum, len(x))


def bandpass_sweep(x, f0, f1, q=2.0):
    """A resonant band-pass whose centre glides from f0 to f1 (state-variable
    filter, per sample: only for short effects)."""
    n = len(x)
    fc = np.linspace(f0, f1, n)
    f = 2 * np.sin(np.pi * np.minimum(fc, RATE / 6) / RATE)
    damp = 1.0 / q
    low = band = 0.0
    y = np.empty(n)
    for i in range(n):
        high = x[i] - low - damp * band
        band += f[i] * high
        low += f[i] * band
        y[i] = band
    return y


def reverb(stereo, seconds=1.4, mix=0.18, seed=7, predelay=0.012):
    """Convolution with decaying noise, decorrelated left and right."""
    n = len(stereo)
    ir_n = int(seconds * RATE)
    t = np.arange(ir_n) / RATE
    out = np.array(stereo, dtype=np.float64)
    for ch in range(2):
        ir = noise(ir_n, seed + ch) * np.exp(-t * 6.0 / seconds)
        ir = fft_filter(ir, high=5000)
        ir[: int(predelay * RATE)] = 0.0
        ir /= np.sqrt(np.sum(ir ** 2))
        size = 1 << int(np.ceil(np.log2(n + ir_n)))
        wet = np.fft.irfft(np.fft.rfft(stereo[:, ch], size) * np.fft.rfft(ir, size), size)[:n]
        out[:, ch] = stereo[:, ch] + mix * wet
    return out


def pan(mono, position):
    """position -1 (left) .. 1 (right), equal power."""
    a = (position + 1) * np.pi / 4
    return np.stack([mono * np.cos(a), mono * np.sin(a)], axis=1)


def normalise(x, rms_db, peak_db=-1.0):
    """Scales to a target loudness (RMS), then rounds off peaks above the
    ceiling with a soft knee instead of clipping them."""
    rms = np.sqrt(np.mean(x ** 2)) + 1e-12
    y = x * (10 ** (rms_db / 20.0) / rms)
    ceiling = 10 ** (peak_db / 20.0)
    return np.tanh(y / ceiling) * ceiling
