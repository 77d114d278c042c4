"""Building blocks shared by the effect and music recipes."""
import math
import random

from synth import RATE, render, process, silence, mix_into, scale

NOTE_INDEX = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}


def hz(note):
    """'A4' -> 440.0; accepts '#' and 'b' after the letter."""
    letter, rest = note[0], note[1:]
    shift = 0
    while rest and rest[0] in "#b":
        shift += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    semis = NOTE_INDEX[letter] + shift + (int(rest) - 4) * 12
    return 440.0 * 2 ** (semis / 12)


def noise(kind, seconds, offset, effects=""):
    """A slice of one long repeatable noise run: different offsets give different grains."""
    return render("synth %.4f %s gain -8 trim %.4f %.4f %s" % (offset + seconds + 0.01, kind, offset, seconds, effects))


def tone(wave, freq, seconds, effects="", amp=1.0):
    return scale(render("synth %.4f %s %s gain -8 %s" % (seconds, wave, freq, effects)), amp)


def envelope(samples, points):
    """Multiplies by a piecewise-linear envelope given as (seconds, gain) pairs."""
    out = list(samples)
    pts = sorted(points)
    j = 0
    for i in range(len(out)):
        t = i / RATE
        while j + 1 < len(pts) and pts[j + 1][0] <= t:
            j += 1
        if j + 1 < len(pts):
            (t0, g0), (t1, g1) = pts[j], pts[j + 1]
            g = g0 + (g1 - g0) * (t - t0) / (t1 - t0) if t1 > t0 else g1
        else:
            g = pts[-1][1]
        out[i] *= g
    return out


def smooth_random_envelope(seconds, rng, rate_hz, low, high, period=None):
    """Slow random gusts; when `period` is given the curve repeats after that many seconds."""
    count = max(2, int(seconds * rate_hz))
    values = [rng.uniform(low, high) for _ in range(count)]
    if period is not None:
        values.append(values[0])
        step = period / count
    else:
        values.append(rng.uniform(low, high))
        step = seconds / count
    pts = []
    t = 0.0
    k = 0
    while t <= seconds + step:
        pts.append((t, values[k % (len(values) - 1)] if period else values[min(k, len(values) - 1)]))
        t += step
        k += 1
    return pts


def decay_env(samples, half_life):
    k = math.log(2) / (half_life * RATE)
    return [s * math.exp(-k * i) for i, s in enumerate(samples)]


def scatter(dest_seconds, rng, count, make_grain, gain_range=(0.5, 1.0), period=None):
    """Places `count` grains at random times; with `period`, tails wrap later by loop_fold."""
    out = silence(dest_seconds)
    for _ in range(count):
        at = rng.uniform(0, (period or dest_seconds) - 0.01)
        mix_into(out, make_grain(), at, rng.uniform(*gain_range))
    return out


def add(*layers):
    n = max(len(l) for l in layers)
    out = [0.0] * n
    for layer in layers:
        for i, s in enumerate(layer):
            out[i] += s
    return out
