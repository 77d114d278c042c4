"""Recipes for the music beds and the room ambiences (Resources/BGM/)."""
import math
import random

from synth import RATE, render, process, silence, mix_into, scale, fade, loop_crossfade, loop_fold, level
from grains import hz, noise, tone, envelope, smooth_random_envelope, scatter, add, decay_env
from effects import click

AMBIENCE_DB = -21  # every room bed sits at this loudness so room changes do not jump
MUSIC_DB = -19


# --- weather beds ---------------------------------------------------------------------------

def rain(seconds, seed, lowpass, drops, drop_gain, hiss_gain=1.0, highpass=300):
    rng = random.Random(seed)
    hiss = noise("pinknoise", seconds + 0.6, seed * 0.37, "highpass %d lowpass %d" % (highpass, lowpass))
    hiss = envelope(hiss, smooth_random_envelope(seconds + 0.6, rng, 0.5, 0.75, 1.0, period=seconds))
    top = max(1600, min(6000, lowpass))
    pool = [click(rng.randint(1000, top), 0.008, body=rng.choice((0, 0, 400, 900))) for _ in range(12)]
    patter = scatter(seconds, rng, drops, lambda: rng.choice(pool), (0.2, 1.0), period=seconds)
    patter = process(patter + silence(0.5), "lowpass %d reverb 20 50 30" % lowpass)
    return add(scale(loop_crossfade(hiss, seconds, 0.6), hiss_gain), scale(loop_fold(patter, seconds), drop_gain))


def wind(seconds, seed, centres, gust_rate, q="2q", floor=0.15):
    """Several narrow noise bands whose levels drift apart: the howl seems to move."""
    rng = random.Random(seed)
    layers = []
    for k, centre in enumerate(centres):
        band = noise("pinknoise", seconds + 0.8, seed * 0.5 + k * 1.3, "bandpass %d %s" % (centre, q))
        layers.append(envelope(band, smooth_random_envelope(seconds + 0.8, rng, gust_rate, floor, 1.0, period=seconds)))
    body = noise("brownnoise", seconds + 0.8, seed * 0.5 + 7, "lowpass 250")
    layers.append(scale(body, 0.5))
    return loop_crossfade(add(*layers), seconds, 0.8)


def rainindoor():
    bed = rain(12.0, 1, 1100, 120, 0.6, highpass=120)  # heard through the windows
    return level(add(bed, scale(wind(12.0, 2, (220,), 0.3, floor=0.05), 0.2)), rms_db=AMBIENCE_DB)


def windindoor():
    return level(wind(12.0, 3, (180, 340, 520), 0.4, q="4q", floor=0.05), rms_db=AMBIENCE_DB)


def raincorridor():
    bed = rain(12.0, 4, 3000, 260, 0.8, hiss_gain=0.8)
    return level(bed, rms_db=AMBIENCE_DB)


def rainvoiddeck():
    bed = rain(12.0, 5, 7000, 500, 1.0)
    gutter = noise("whitenoise", 12.6, 3.3, "bandpass 1800 1q")  # water pouring off the deck edge
    bed = add(bed, scale(loop_crossfade(gutter, 12.0, 0.6), 0.15))
    return level(bed, rms_db=AMBIENCE_DB)


def windoutdoor():
    return level(wind(12.0, 6, (300, 620, 950, 1400), 0.6, q="3q", floor=0.1), rms_db=AMBIENCE_DB)


def rainjungle():
    seconds = 12.0
    rng = random.Random(7)
    bed = rain(seconds, 7, 5000, 300, 0.7, hiss_gain=0.7)
    calls = silence(seconds)
    for _ in range(7):  # insects that should not be here
        f = rng.uniform(3800, 5200)
        length = rng.uniform(0.5, 1.2)
        trill = tone("sine", f, length, "tremolo %d 90 fade h 0.05 %.3f 0.1" % (rng.randint(25, 45), length), 0.2)
        mix_into(calls, trill, rng.uniform(0, seconds - length))
    for _ in range(4):  # something croaking low in the grass
        at = rng.uniform(0, seconds - 1.0)
        for k in range(3):
            croak = tone("sawtooth", "%d:%d" % (rng.uniform(140, 180), 110), 0.12, "lowpass 900 fade h 0.01 0.12 0.05", 0.3)
            mix_into(calls, croak, at + k * 0.18)
    calls = process(calls + silence(1.0), "reverb 60 50 80")
    return level(add(bed, loop_fold(calls, seconds)), rms_db=AMBIENCE_DB)


def floodedroom():
    seconds = 16.0
    rng = random.Random(8)
    lap = noise("brownnoise", seconds + 0.6, 8.8, "lowpass 500")
    lap = envelope(lap, smooth_random_envelope(seconds + 0.6, rng, 0.6, 0.3, 1.0, period=seconds))  # slow waves against the walls
    trickle = noise("whitenoise", seconds + 0.6, 9.9, "bandpass 2000 1q")
    trickle = envelope(trickle, smooth_random_envelope(seconds + 0.6, rng, 12, 0.1, 0.5, period=seconds))
    bed = loop_crossfade(add(lap, scale(trickle, 0.4)), seconds, 0.6)
    drips = silence(seconds)
    for _ in range(14):
        f = rng.uniform(700, 1400)
        mix_into(drips, tone("sine", "%d/%d" % (f, f * 2), 0.05, "fade h 0.003 0.05 0.04"), rng.uniform(0, seconds - 0.1), rng.uniform(0.2, 0.6))
    drips = process(drips + silence(2.0), "reverb 80 40 100")
    drone = tone("sine", hz("D2"), seconds, "", 0.05)
    return level(add(bed, loop_fold(drips, seconds), drone), rms_db=AMBIENCE_DB)


# --- music ----------------------------------------------------------------------------------

def pad(out, notes, at, length, gain=0.08, cutoff=900, wave="sawtooth"):
    """A slow string-like chord: two detuned voices per note, long swell and release."""
    release = min(2.5, length * 0.5)
    for n in notes:
        f = hz(n)
        for detune in (0.997, 1.004):
            v = tone(wave, f * detune, length + release, "lowpass %d fade q %.2f %.2f %.2f" % (cutoff, length * 0.4, length + release, release), gain)
            mix_into(out, v, at)


def pluck(out, note, at, gain=0.25, length=2.5):
    v = tone("pluck", hz(note), length, "lowpass 2500 fade l 0.005 %.2f %.2f" % (length, length * 0.8), gain)
    mix_into(out, v, at)


def bell(out, note, at, gain=0.12):
    f = hz(note)
    v = add(tone("sine", f, 3.0), scale(tone("sine", f * 2.01, 3.0), 0.4), scale(tone("sine", f * 3.02, 3.0), 0.15))
    mix_into(out, scale(decay_env(v, 0.5), gain), at)


def bgm():
    """Menu: D minor, slow; a music box line over strings, the storm faintly behind."""
    bar = 6.0
    chords = [("D3", "F3", "A3"), ("A#2", "D3", "F3"), ("G2", "A#2", "D3"), ("A2", "C#3", "E3")] * 2
    motif = [[("A4", 0), ("F4", 1.5), ("E4", 3), ("D4", 4.5)], [("D4", 0), ("F4", 1.5), ("A#4", 3)],
             [("A#4", 0), ("A4", 1.5), ("G4", 3), ("D4", 4.5)], [("E4", 0), ("C#4", 3)],
             [("A4", 0), ("D5", 1.5), ("C5", 3), ("A4", 4.5)], [("A#4", 0), ("A4", 1.5), ("F4", 3)],
             [("G4", 0), ("A#4", 1.5), ("A4", 3), ("G4", 4.5)], [("A4", 0), ("E4", 1.5), ("C#4", 3)]]
    seconds = bar * len(chords)
    out = silence(seconds + 6)
    for k, chord in enumerate(chords):
        pad(out, chord, k * bar, bar)
        pad(out, (chord[0][:-1] + str(int(chord[0][-1]) - 1),), k * bar, bar, gain=0.1, cutoff=300)
        for note, beat in motif[k]:
            bell(out, note, k * bar + beat, 0.35)
    out = process(out, "reverb 70 50 100")
    out = loop_fold(out, seconds)
    storm = rain(seconds, 12, 1500, 40, 0.3, hiss_gain=0.4)
    return level(add(out, scale(storm, 0.15)), rms_db=MUSIC_DB, peak_db=-2)


def intro():
    """Level opening (30 s, not a loop): a drone rises out of the rain, the theme enters, then
    settles so the first room can take over."""
    seconds = 30.0
    out = silence(seconds + 4)
    mix_into(out, tone("sawtooth", hz("D2"), 30, "lowpass 250 fade q 6 30 8", 0.15), 0)
    for at, chord in ((4, ("D3", "A3")), (10, ("A#2", "F3")), (16, ("G2", "D3", "A#3")), (22, ("A2", "E3", "C#4"))):
        pad(out, chord, at, 6.0, gain=0.07)
    for note, at in (("A4", 11.3), ("F4", 12.5), ("E4", 13.7), ("D4", 15.0), ("D4", 17.0), ("F4", 18.2), ("A#4", 19.4), ("A4", 21.5), ("E4", 23.5), ("C#4", 25.0), ("D4", 27.0)):
        bell(out, note, at, 0.35)
    out = process(out, "reverb 80 50 100")[: int(seconds * RATE)]
    thunder_like = noise("brownnoise", 4.0, 1.5, "lowpass 180 fade q 0.05 4 3.5")
    mix_into(out, scale(thunder_like, 0.6), 4.4)
    mix_into(out, scale(thunder_like, 0.8), 11.0)
    mix_into(out, scale(thunder_like, 0.7), 15.9)
    storm = rain(seconds, 13, 1400, 100, 0.4, hiss_gain=0.5)
    out = add(out, scale(storm[: len(out)], 0.25))
    return level(fade(out, 1.5, 3.0), rms_db=MUSIC_DB, peak_db=-2)


def day():
    """Dawn after the storm: F major, open and warm, birds waking."""
    bar = 6.0
    chords = [("F3", "A3", "C4"), ("C3", "G3", "E4"), ("D3", "A3", "F4"), ("A#2", "F3", "D4")]
    seconds = bar * len(chords)
    rng = random.Random(21)
    out = silence(seconds + 6)
    for k, chord in enumerate(chords):
        pad(out, chord, k * bar, bar, gain=0.09, cutoff=1400, wave="triangle")
        for j, note in enumerate(chord):
            pluck(out, note[:-1] + str(int(note[-1]) + 1), k * bar + j * 0.75 + 0.25, 0.18)
    for _ in range(10):  # birds
        at = rng.uniform(0, seconds - 1)
        f = rng.uniform(2500, 4000)
        for j in range(rng.randint(2, 4)):
            chirp = tone("sine", "%d/%d" % (f, f * rng.uniform(1.1, 1.4)), 0.08, "fade h 0.01 0.08 0.04", 0.06)
            mix_into(out, chirp, at + j * 0.12)
    out = process(out, "reverb 60 50 100")
    return level(loop_fold(out, seconds), rms_db=MUSIC_DB, peak_db=-2)


def finale():
    """The rooftop: the menu theme at full height, strings and a pulsing low end."""
    bar = 4.0
    chords = [("D3", "A3", "F4"), ("A#2", "F3", "D4"), ("F2", "C3", "A3"), ("C3", "G3", "E4")] * 2
    seconds = bar * len(chords)
    out = silence(seconds + 6)
    line = ["A4", "D5", "C5", "A4", "A#4", "A4", "G4", "F4", "A4", "F5", "E5", "C5", "D5", "C5", "A#4", "C5"]
    for k, chord in enumerate(chords):
        pad(out, chord, k * bar, bar, gain=0.07, cutoff=1600)
        root = chord[0][:-1] + str(int(chord[0][-1]) - 1)
        for b in range(8):  # eighth-note pulse in the bass
            v = tone("sawtooth", hz(root), 0.45, "lowpass 500 fade l 0.005 0.45 0.35", 0.14)
            mix_into(out, v, k * bar + b * 0.5)
        for j in range(2):
            n = line[(k * 2 + j) % len(line)]
            v = tone("sawtooth", hz(n), 2.2, "lowpass 2500 tremolo 5 15 fade h 0.4 2.2 0.6", 0.07)
            mix_into(out, v, k * bar + j * 2)
            bell(out, n, k * bar + j * 2, 0.2)
    out = process(out, "reverb 50 50 100")
    return level(loop_fold(out, seconds), rms_db=MUSIC_DB, peak_db=-1)


def build_music():
    """name -> (file name, samples function, is a loop)."""
    return {
        "bgm": ("bgm.ogg", bgm, True),
        "intro": ("intro.ogg", intro, False),
        "rainindoor": ("rainindoor.ogg", rainindoor, True),
        "windindoor": ("windindoor.ogg", windindoor, True),
        "raincorridor": ("raincorridor.ogg", raincorridor, True),
        "rainvoiddeck": ("rainvoiddeck.ogg", rainvoiddeck, True),
        "windoutdoor": ("windoutdoor.ogg", windoutdoor, True),
        "rainjungle": ("rainjungle.ogg", rainjungle, True),
        "floodedroom": ("floodedroom.ogg", floodedroom, True),
        "day": ("day.ogg", day, True),
        "finale": ("finale.ogg", finale, True),
    }
