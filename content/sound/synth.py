"""Small toolkit behind the sound recipes: sox renders grains, Python places and mixes them,
and the finishing step makes loops seamless, levels the result and encodes it."""
import array
import math
import os
import shlex
import subprocess
import tempfile
import wave

RATE = 44100  # the mixer runs at 44.1 kHz: files at that rate are not resampled at load, which would bend loop ends

_work = tempfile.mkdtemp(prefix="hollowtide-sound-")
_counter = [0]


def tmp(ext="wav"):
    _counter[0] += 1
    return os.path.join(_work, "t%05d.%s" % (_counter[0], ext))


def sox(cmd):
    """Runs one sox command line; -R keeps noise and dither identical from build to build."""
    subprocess.run(["sox", "-R"] + shlex.split(cmd), check=True)


def read(path):
    with wave.open(path, "rb") as w:
        if w.getsampwidth() != 2 or w.getnchannels() != 1:
            raise SystemExit("%s: expected 16-bit mono" % path)
        data = array.array("h", w.readframes(w.getnframes()))
    return [s / 32768.0 for s in data]


def write(path, samples, rate=RATE):
    data = array.array("h", (int(max(-1.0, min(1.0, s)) * 32767) for s in samples))
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(data.tobytes())


def render(synth_and_effects, rate=RATE):
    """sox -n ... synth ...: returns the samples of one generated grain."""
    out = tmp()
    sox("-n -r %d -c 1 -b 16 %s %s" % (rate, out, synth_and_effects))
    return read(out)


def process(samples, effects, rate=RATE):
    """Runs samples through a sox effect chain (filters, reverb, pitch ...)."""
    src, out = tmp(), tmp()
    write(src, samples, rate)
    # headroom first: filters and reverb ring above their input
    sox("%s -b 16 %s gain -6 %s" % (src, out, effects))
    return read(out)


def silence(seconds, rate=RATE):
    return [0.0] * int(seconds * rate)


def mix_into(dest, grain, at_seconds, gain=1.0, rate=RATE):
    start = int(at_seconds * rate)
    if start + len(grain) > len(dest):
        dest.extend([0.0] * (start + len(grain) - len(dest)))
    for i, s in enumerate(grain):
        dest[start + i] += s * gain


def scale(samples, gain):
    return [s * gain for s in samples]


def fade(samples, fade_in, fade_out, rate=RATE):
    n = len(samples)
    a, b = int(fade_in * rate), int(fade_out * rate)
    out = list(samples)
    for i in range(min(a, n)):
        out[i] *= i / a
    for i in range(min(b, n)):
        out[n - 1 - i] *= i / b
    return out


def loop_crossfade(samples, seconds, overlap, rate=RATE):
    """For noisy beds rendered `seconds + overlap` long: blends the overshoot into the start
    with an equal-power curve, so sample L-1 runs straight on into sample 0."""
    n, x = int(seconds * rate), int(overlap * rate)
    assert len(samples) >= n + x
    out = samples[:n]
    for i in range(x):
        t = i / x
        out[i] = samples[i] * math.sin(t * math.pi / 2) + samples[n + i] * math.cos(t * math.pi / 2)
    return out


def loop_fold(samples, seconds, rate=RATE):
    """For music and event-built loops: everything ringing past the loop length is added onto
    the start, as it would be heard when the loop comes round again."""
    n = int(seconds * rate)
    out = samples[:n] + [0.0] * max(0, n - len(samples))
    for i in range(n, len(samples)):
        out[i % n] += samples[i]
    return out


def rms(samples):
    return math.sqrt(sum(s * s for s in samples) / max(1, len(samples)))


def level(samples, rms_db=None, peak_db=-1.0):
    """Scales to a target loudness (RMS) when given, then keeps peaks under `peak_db` with a soft
    knee so that loud transients bend instead of clipping."""
    out = list(samples)
    if rms_db is not None:
        r = rms(out)
        if r > 0:
            out = scale(out, 10 ** (rms_db / 20) / r)
    ceiling = 10 ** (peak_db / 20)
    peak = max((abs(s) for s in out), default=0.0)
    if rms_db is None:
        # one-shots: the loudest point of the sound sits at the ceiling
        return scale(out, ceiling / peak) if peak > 0 else out
    if peak > ceiling:
        knee = ceiling * 0.7
        room = ceiling - knee

        def soft(s):
            a = abs(s)
            if a <= knee:
                return s
            return math.copysign(knee + room * math.tanh((a - knee) / room), s)

        out = [soft(s) for s in out]
    return out


def save(samples, path, quality=2, rate=RATE):
    """Writes .wav as is, or encodes .ogg with Vorbis at the given quality."""
    os.makedirs(os.path.dirname(path), exist_ok=True)
    if path.endswith(".wav"):
        write(path, samples, rate)
        return
    src = tmp()
    write(src, samples, rate)
    # a serial taken from the name keeps rebuilds byte-identical (oggenc picks a random one otherwise)
    serial = sum(ord(ch) * (k + 1) for k, ch in enumerate(os.path.basename(path))) % 2147483647
    subprocess.run(["oggenc", "-Q", "-q", str(quality), "--serial", str(serial), "-o", path, src], check=True)
