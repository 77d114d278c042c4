"""Recipes for every sound effect the game plays (Resources/Sound/)."""
import math
import random

from synth import RATE, render, process, silence, mix_into, scale, fade, loop_crossfade, loop_fold, level
from grains import hz, noise, tone, envelope, smooth_random_envelope, decay_env, scatter, add


# --- small hits -----------------------------------------------------------------------------

def click(freq=2500, seconds=0.03, body=0.0):
    tick = noise("whitenoise", seconds, freq / 10000.0, "bandpass %d 1.5q fade l 0.0005 %.3f %.3f" % (freq, seconds, seconds * 0.9))
    if body:
        thump = tone("sine", "%d:%d" % (body * 1.6, body), seconds * 2.5, "fade l 0.001 %.3f %.3f" % (seconds * 2.5, seconds * 2.3))
        tick = add(tick, scale(thump, 0.8))
    return tick


def buttonhover():
    blip = tone("sine", "1760:1500", 0.07, "fade l 0.002 0.07 0.06", 0.5)
    return level(add(blip, scale(click(4000, 0.015), 0.4)), peak_db=-6)


def buttonpress():
    low = tone("triangle", "520:260", 0.16, "fade l 0.001 0.16 0.14", 0.7)
    return level(add(low, click(3000, 0.02, body=180)), peak_db=-4)


def switchon():
    out = silence(0.14)
    mix_into(out, click(3200, 0.012, body=900), 0.0)
    mix_into(out, click(1800, 0.025, body=300), 0.018, 0.9)
    return level(process(out, "reverb 10 50 10"), peak_db=-3)


def switchpull():
    rng = random.Random(11)
    out = silence(0.45)
    for k in range(6):  # the bead chain rattling past the guide
        mix_into(out, click(rng.randint(4500, 6500), 0.008), 0.01 + k * 0.025 + rng.uniform(0, 0.01), 0.35)
    mix_into(out, click(1500, 0.03, body=260), 0.19)
    mix_into(out, click(2600, 0.015, body=700), 0.2)
    return level(process(out, "reverb 15 50 15"), peak_db=-3)


def doorlockturn():
    out = silence(0.25)
    mix_into(out, click(3500, 0.01, body=1200), 0.0, 0.7)
    mix_into(out, click(2200, 0.015, body=600), 0.06)
    mix_into(out, click(3800, 0.008), 0.09, 0.4)
    return level(process(out, "reverb 10 50 10"), peak_db=-4)


def doorunlockfail():
    out = silence(0.6)
    for k, at in enumerate((0.0, 0.09, 0.16, 0.21)):  # handle jerked against a locked bolt
        mix_into(out, click(900 + 200 * k, 0.04, body=140), at, 1.0 - 0.18 * k)
    ring = decay_env(add(tone("sine", 410, 0.5), scale(tone("sine", 1170, 0.5), 0.5)), 0.06)
    mix_into(out, scale(ring, 0.25), 0.0)
    return level(process(out, "lowpass 3500 reverb 20 50 20"), peak_db=-3)


def doorunlocksuccess():
    out = silence(0.9)
    mix_into(out, click(2800, 0.012, body=900), 0.0, 0.6)
    mix_into(out, click(1200, 0.05, body=120), 0.12)  # the bolt drawing back
    slide = noise("pinknoise", 0.18, 0.3, "bandpass 1800 2q fade t 0.05 0.18 0.1")
    mix_into(out, scale(slide, 0.4), 0.14)
    mix_into(out, click(2000, 0.03, body=220), 0.34)
    ring = decay_env(add(tone("sine", 660, 0.6), scale(tone("sine", 1630, 0.6), 0.6)), 0.08)
    mix_into(out, scale(ring, 0.2), 0.34)
    return level(process(out, "reverb 25 50 30"), peak_db=-3)


def keypickup():
    rng = random.Random(7)
    out = silence(0.8)
    for _ in range(9):
        f = rng.uniform(2400, 5200)
        ping = decay_env(add(tone("sine", f, 0.3), scale(tone("sine", f * 2.76, 0.3), 0.4)), rng.uniform(0.03, 0.07))
        mix_into(out, ping, rng.uniform(0, 0.4), rng.uniform(0.15, 0.35))
    mix_into(out, click(2500, 0.02), 0.0, 0.5)
    return level(process(out, "reverb 20 50 20"), peak_db=-4)


def liftbutton():
    out = silence(0.5)
    mix_into(out, click(2400, 0.015, body=500), 0.0)
    beep = tone("sine", 988, 0.25, "fade h 0.01 0.25 0.12", 0.35)
    mix_into(out, beep, 0.04)
    return level(process(out, "reverb 20 50 20"), peak_db=-4)


def heartbeat(freq, seconds, amp):
    beat = tone("sine", "%d:%d" % (freq * 1.5, freq), seconds, "fade l 0.005 %.3f %.3f" % (seconds, seconds * 0.85), amp)
    thud = noise("brownnoise", seconds, 0.2, "lowpass 160 fade l 0.003 %.3f %.3f" % (seconds, seconds * 0.9))
    return level(process(add(beat, scale(thud, 0.5)), "lowpass 250 pad 0 0.05"), peak_db=-2)


# --- footsteps ------------------------------------------------------------------------------

def footstep_concrete(k):
    rng = random.Random(100 + k)
    out = silence(0.22)
    for part, at in ((1.0, 0.0), (0.55, rng.uniform(0.035, 0.06))):  # heel, then toe
        f = rng.uniform(500, 1100)
        scuff = noise("pinknoise", 0.08, k * 0.31 + part, "bandpass %d 0.9q fade l 0.001 0.08 0.075" % f)
        thump = tone("sine", "%d:%d" % (rng.uniform(110, 140), 70), 0.07, "fade l 0.001 0.07 0.065", 0.6)
        mix_into(out, add(scuff, thump), at, part * rng.uniform(0.85, 1.0))
    return level(process(out, "reverb 12 50 25 lowpass 5000"), peak_db=-3 - rng.uniform(0, 1.5))


def footstep_grass(k):
    rng = random.Random(200 + k)
    out = silence(0.3)
    swish = noise("whitenoise", 0.2, k * 0.27, "highpass 1500 lowpass 6500 fade h 0.03 0.2 0.15")
    mix_into(out, swish, 0.0, 0.6)
    for _ in range(rng.randint(4, 7)):  # stalks snapping underfoot
        mix_into(out, click(rng.randint(2500, 5500), 0.006), rng.uniform(0.01, 0.15), rng.uniform(0.2, 0.5))
    thump = tone("sine", "120:70", 0.06, "fade l 0.002 0.06 0.05", 0.3)
    mix_into(out, thump, 0.0)
    return level(out, peak_db=-4 - rng.uniform(0, 1.5))


def footstep_vents(k):
    rng = random.Random(300 + k)
    out = silence(0.45)
    base = rng.uniform(170, 230)
    ring = add(*[scale(tone("sine", base * r, 0.4), g) for r, g in ((1, 1), (2.43, 0.6), (3.9, 0.35), (6.1, 0.2))])
    mix_into(out, decay_env(ring, rng.uniform(0.05, 0.08)), 0.0, 0.45)
    knock = noise("brownnoise", 0.06, k * 0.21, "lowpass 900 fade l 0.001 0.06 0.05")
    mix_into(out, knock, 0.0, 1.0)
    mix_into(out, click(1400, 0.02, body=150), 0.0, 0.6)
    return level(process(out, "reverb 30 60 40 lowpass 4500"), peak_db=-3 - rng.uniform(0, 1.5))


def footstepwater():
    rng = random.Random(400)
    out = silence(0.55)
    splash = noise("whitenoise", 0.35, 0.5, "bandpass 1600 0.7q fade h 0.03 0.35 0.3")
    mix_into(out, splash, 0.0, 0.7)
    for _ in range(6):  # bubbles rising after the foot
        f = rng.uniform(500, 1100)
        blip = tone("sine", "%d:%d" % (f, f * 1.8), 0.04, "fade h 0.005 0.04 0.03", 0.4)
        mix_into(out, blip, rng.uniform(0.05, 0.4))
    slosh = noise("brownnoise", 0.3, 0.9, "lowpass 400 fade h 0.05 0.3 0.2")
    mix_into(out, slosh, 0.0, 0.8)
    return level(process(out, "reverb 20 50 20"), peak_db=-3)


# --- weather ----------------------------------------------------------------------------------

def thunder(seed, indoor=False, seconds=6.0):
    rng = random.Random(seed)
    rumble = noise("brownnoise", seconds, seed * 0.7 % 5, "lowpass %d" % (180 if indoor else 400))
    pts = [(0, 0), (0.05, 1.0)]
    t = 0.05
    while t < seconds - 1.0:  # the rolling of the rumble
        t += rng.uniform(0.2, 0.7)
        pts.append((t, rng.uniform(0.35, 0.9) * (1 - t / seconds)))
    pts.append((seconds, 0))
    out = envelope(rumble, pts)
    if not indoor:
        crack = noise("whitenoise", 0.5, seed * 0.13, "highpass 800 fade l 0.002 0.5 0.48")
        crack = add(crack, noise("pinknoise", 0.8, seed * 0.19, "lowpass 3000 fade l 0.01 0.8 0.7"))
        mix_into(out, scale(crack, 0.6), rng.uniform(0.0, 0.15))
        out = process(out, "reverb 60 50 100 gain -3")
    else:
        rattle = noise("whitenoise", 0.6, seed * 0.3, "bandpass 2500 3q fade h 0.02 0.6 0.4")  # the window pane shaking
        mix_into(out, scale(rattle, 0.08), 0.15)
        out = process(out, "reverb 40 60 80")
    return level(fade(out, 0.005, 1.0), peak_db=-1)


# --- machinery, creature and story cues -------------------------------------------------------

def blackout():
    out = silence(2.4)
    mix_into(out, click(900, 0.06, body=70), 0.0)
    whine = tone("sawtooth", "420/40", 1.6, "lowpass 1500 fade t 0 1.6 1.2", 0.25)
    hum = tone("square", "100:30", 1.4, "lowpass 400 fade t 0 1.4 1.3", 0.35)
    mix_into(out, add(whine, hum), 0.0)
    mix_into(out, noise("whitenoise", 0.1, 0.4, "bandpass 3000 1q fade l 0.001 0.1 0.09"), 0.0, 0.5)
    return level(process(out, "reverb 40 50 70"), peak_db=-2)


def electric_buzz(seconds, seed, crackles):
    rng = random.Random(seed)
    hum = add(tone("sawtooth", 100, seconds + 0.5, "lowpass 1800", 0.12), tone("sine", 50, seconds + 0.5, "", 0.15))
    sizzle = noise("whitenoise", seconds + 0.5, seed * 0.1, "highpass 3000 lowpass 7000")
    hum = add(hum, envelope(sizzle, smooth_random_envelope(seconds + 0.5, rng, 6, 0.0, 0.12, period=seconds)))
    pool = [click(rng.randint(1500, 6000), 0.01, body=rng.choice((0, 300))) for _ in range(6)]
    pops = scatter(seconds, rng, crackles, lambda: rng.choice(pool), (0.3, 0.9), period=seconds)
    return hum, pops


def electricalstatic():
    hum, pops = electric_buzz(4.0, 21, 18)
    out = add(loop_crossfade(hum, 4.0, 0.5), loop_fold(pops, 4.0))
    return level(out, rms_db=-20, peak_db=-3)


def liftflicker():
    seconds = 3.0
    rng = random.Random(33)
    hum, pops = electric_buzz(seconds, 33, 6)
    # the tube dropping out and catching again
    gate = []
    t = 0.0
    while t < seconds:
        gate.append((t, 1.0))
        t += rng.uniform(0.15, 0.5)
        gate += [(t, 1.0), (t + 0.01, 0.2), (t + 0.06, 0.2), (t + 0.07, 1.0)]
        t += 0.08
    gate.append((seconds + 0.6, 1.0))
    tink = decay_env(tone("sine", 3100, 0.2), 0.03)
    for at in [p[0] for p in gate[3::4]]:
        mix_into(pops, scale(tink, 0.15), min(at, seconds - 0.2))
    out = add(loop_crossfade(envelope(hum, gate), seconds, 0.5), loop_fold(pops, seconds))
    return level(out, rms_db=-20, peak_db=-3)


def liftmoving():
    seconds = 6.0
    rng = random.Random(44)
    motor = add(tone("sawtooth", 58, seconds + 0.5, "lowpass 500", 0.4), tone("sine", 116, seconds + 0.5, "", 0.25))
    motor = add(motor, noise("brownnoise", seconds + 0.5, 1.1, "lowpass 300 gain -6"))
    cable = noise("pinknoise", seconds + 0.5, 2.2, "bandpass 1200 4q")
    motor = add(motor, envelope(cable, smooth_random_envelope(seconds + 0.5, rng, 3, 0.02, 0.15, period=seconds)))
    clacks = silence(seconds)
    for k in range(4):  # the car passing the guide-rail joints
        mix_into(clacks, click(1100, 0.03, body=90), k * 1.5 + 0.2, 0.5)
    out = add(loop_crossfade(motor, seconds, 0.5), loop_fold(process(clacks, "reverb 30 50 40"), seconds))
    return level(out, rms_db=-18, peak_db=-3)


def liftalarm():
    seconds = 2.0
    bell = add(tone("square", 880, 0.9, "lowpass 3000", 0.3), tone("square", 1175, 0.9, "lowpass 3000", 0.15))
    bell = envelope(bell, [(0, 0), (0.01, 1), (0.8, 1), (0.9, 0)])
    bell = [s * (0.75 + 0.25 * math.sin(2 * math.pi * 24 * i / RATE)) for i, s in enumerate(bell)]  # the striker
    out = silence(seconds + 1.0)
    mix_into(out, bell, 0.0)
    mix_into(out, bell, 1.0)
    out = process(out, "reverb 40 50 60")
    return level(loop_fold(out, seconds), rms_db=-16, peak_db=-3)


def lift_slide(seconds, seed):
    rumble = noise("brownnoise", seconds, seed, "lowpass 600")
    rumble = add(rumble, scale(noise("pinknoise", seconds, seed + 1, "bandpass 900 3q"), 0.3))
    return envelope(rumble, [(0, 0), (0.25, 1), (seconds - 0.3, 1), (seconds, 0)])


def liftdooropen():
    out = silence(2.6)
    ding = add(decay_env(tone("sine", hz("E5"), 1.2), 0.35), scale(decay_env(tone("sine", hz("E6"), 1.2), 0.15), 0.3))
    mix_into(out, scale(ding, 0.5), 0.0)
    mix_into(out, scale(lift_slide(1.3, 3), 0.7), 0.5)
    mix_into(out, click(700, 0.05, body=80), 1.75, 0.6)
    return level(process(out, "reverb 40 50 60"), peak_db=-2)


def liftdoorclose():
    out = silence(2.0)
    mix_into(out, scale(lift_slide(1.2, 4), 0.7), 0.0)
    mix_into(out, click(600, 0.08, body=70), 1.15)  # doors meeting
    return level(process(out, "reverb 40 50 60"), peak_db=-2)


def liftdoorpryopen():
    rng = random.Random(55)
    out = silence(3.6)
    for k in range(5):  # claws forcing the doors: screeches and strained groans
        f = rng.uniform(700, 1300)
        length = rng.uniform(0.3, 0.7)
        screech = tone("sawtooth", "%d/%d" % (f, f * rng.uniform(0.8, 1.25)), length, "bandpass %d 6q fade h 0.05 %.3f 0.1" % (f, length), 0.35)
        mix_into(out, screech, k * 0.6 + rng.uniform(0, 0.2))
    mix_into(out, scale(lift_slide(2.6, 6), 0.9), 0.6)
    for at in (0.1, 0.9, 2.9):
        mix_into(out, click(500, 0.07, body=60), at, 0.8)
    return level(process(out, "overdrive 6 reverb 50 50 80"), peak_db=-2)


def creatureidle():
    seconds = 10.0
    growl = noise("brownnoise", seconds + 1, 3.3, "bandpass 160 1.5q")
    breath = noise("pinknoise", seconds + 1, 4.4, "bandpass 700 1q")
    # four slow breaths per loop: in (airy), out (growled)
    pts_g, pts_b = [], []
    for k in range(5):
        t = k * 2.5
        pts_b += [(t, 0.05), (t + 0.9, 0.5), (t + 1.1, 0.1)]
        pts_g += [(t, 0.1), (t + 1.1, 0.15), (t + 1.4, 1.0), (t + 2.3, 0.2)]
    voice = add(envelope(growl, pts_g), scale(envelope(breath, pts_b), 0.4))
    sub = tone("sine", 41, seconds + 1, "", 0.25)
    voice = process(add(voice, sub), "tremolo 17 30 reverb 50 50 80")
    return level(loop_crossfade(voice, seconds, 0.6), rms_db=-18, peak_db=-2)


def evade():
    hiss = noise("pinknoise", 2.6, 5.1, "bandpass 900 0.8q")
    growl = noise("brownnoise", 2.6, 5.3, "bandpass 140 1.5q")
    out = envelope(add(scale(hiss, 0.5), growl), [(0, 0), (0.15, 1), (0.6, 0.7), (2.6, 0)])
    out = add(out, tone("sine", "90/35", 2.6, "fade t 0.1 2.6 2.2", 0.4))
    return level(process(out, "tremolo 11 40 reverb 60 50 100 pitch -200"), peak_db=-2)


def echoalarm():
    out = silence(3.2)
    for k, f in enumerate((hz("B5"), hz("C6"), hz("B5"))):
        cry = tone("sine", "%d/%d" % (f, f * 1.06), 0.5, "fade h 0.05 0.5 0.25", 0.4)
        cry = add(cry, tone("sine", "%d/%d" % (f * 1.5, f * 1.59), 0.5, "fade h 0.05 0.5 0.25", 0.15))
        mix_into(out, cry, k * 0.35)
    return level(process(out, "echo 0.8 0.7 180 0.5 360 0.3 reverb 60 50 100"), peak_db=-2)


def echoalert():
    seconds = 4.0
    rng = random.Random(66)
    hum = add(tone("sine", hz("A4"), seconds + 0.6, "", 0.25), tone("sine", hz("A4") * 1.012, seconds + 0.6, "", 0.25))  # beating pair
    whisper = noise("pinknoise", seconds + 0.6, 6.6, "bandpass 2500 2q")
    whisper = envelope(whisper, smooth_random_envelope(seconds + 0.6, rng, 2, 0.0, 0.3, period=seconds))
    out = process(add(hum, whisper), "reverb 50 50 80")
    return level(loop_crossfade(out, seconds, 0.5), rms_db=-20, peak_db=-3)


def floorcollapse():
    rng = random.Random(77)
    out = silence(4.0)
    rumble = noise("brownnoise", 3.5, 7.7, "lowpass 300")
    mix_into(out, envelope(rumble, [(0, 0), (0.1, 1), (1.8, 0.7), (3.5, 0)]), 0.0)
    for _ in range(14):  # slabs and debris
        mix_into(out, click(rng.randint(300, 1800), rng.uniform(0.03, 0.1), body=rng.randint(50, 120)), rng.uniform(0, 2.5), rng.uniform(0.3, 1.0))
    return level(process(out, "reverb 60 50 100"), peak_db=-1)


def newspaperblow():
    rng = random.Random(88)
    rustle = noise("whitenoise", 1.8, 8.8, "bandpass 3000 0.6q")
    flutter = []
    t = 0.0
    while t < 1.8:  # the sheet flapping as the wind turns it
        flutter += [(t, rng.uniform(0.1, 0.3)), (t + 0.03, rng.uniform(0.6, 1.0))]
        t += rng.uniform(0.05, 0.14)
    out = envelope(envelope(rustle, flutter), [(0, 0), (0.4, 1), (1.2, 0.8), (1.8, 0)])
    gust = noise("pinknoise", 1.8, 9.1, "bandpass 400 1q fade h 0.5 1.8 0.8")
    return level(add(scale(out, 0.7), scale(gust, 0.5)), peak_db=-3)


def catmeow():
    rise = tone("sawtooth", "480/760", 0.22, "", 1.0)
    fall = tone("sawtooth", "760/430", 0.5, "", 1.0)
    voice = envelope(rise + fall, [(0, 0), (0.06, 1), (0.5, 0.9), (0.72, 0)])
    voice = process(voice, "bandpass 1100 1.2q equalizer 2600 1q 6 tremolo 6 15 reverb 20 50 20")
    return level(voice, peak_db=-3)


def calendartear():
    rng = random.Random(99)
    tear = noise("whitenoise", 0.9, 9.9, "highpass 1200 lowpass 7000")
    grain = []
    t = 0.0
    while t < 0.9:  # fibres giving way one after another
        grain += [(t, rng.uniform(0.05, 0.2)), (t + 0.004, rng.uniform(0.6, 1.0))]
        t += rng.uniform(0.01, 0.03)
    out = envelope(envelope(tear, grain), [(0, 0), (0.05, 1), (0.7, 0.9), (0.9, 0)])
    return level(process(out, "reverb 15 50 15"), peak_db=-3)


def leverpull():
    out = silence(1.2)
    creak = tone("sawtooth", "90:140", 0.5, "bandpass 600 3q tremolo 30 60", 0.5)
    mix_into(out, creak, 0.0)
    mix_into(out, click(800, 0.08, body=80), 0.5)
    mix_into(out, click(1800, 0.03, body=300), 0.55, 0.6)
    return level(process(out, "reverb 40 50 60"), peak_db=-2)


def watertapturn():
    out = silence(0.9)
    squeak = tone("sawtooth", "1300:1650", 0.3, "bandpass 1500 5q fade h 0.03 0.3 0.1", 0.4)
    mix_into(out, squeak, 0.0)
    mix_into(out, click(1600, 0.03, body=400), 0.32)
    drip = tone("sine", "900:1500", 0.05, "fade h 0.005 0.05 0.04", 0.3)
    mix_into(out, drip, 0.6)
    return level(process(out, "reverb 25 50 30"), peak_db=-3)


def watertap():
    seconds = 4.0
    rng = random.Random(111)
    stream = noise("whitenoise", seconds + 0.5, 11.1, "bandpass 2200 0.8q")
    stream = envelope(stream, smooth_random_envelope(seconds + 0.5, rng, 20, 0.6, 1.0, period=seconds))
    pool = [tone("sine", "%d:%d" % (rng.uniform(600, 1200), rng.uniform(1300, 2000)), 0.03, "fade h 0.004 0.03 0.02") for _ in range(8)]
    bubbles = scatter(seconds, rng, 40, lambda: rng.choice(pool), (0.05, 0.2), period=seconds)
    out = add(loop_crossfade(process(stream, "reverb 20 50 20"), seconds, 0.4), loop_fold(bubbles, seconds))
    return level(out, rms_db=-18, peak_db=-3)


def ventsdrip():
    seconds = 6.0
    rng = random.Random(122)
    drips = silence(seconds)
    for _ in range(9):
        f = rng.uniform(900, 1800)
        drip = tone("sine", "%d/%d" % (f, f * 2.2), 0.06, "fade h 0.003 0.06 0.05", 1.0)
        mix_into(drips, drip, rng.uniform(0, seconds - 0.1), rng.uniform(0.3, 0.8))
    drips = process(drips + silence(2.0), "reverb 70 40 100 echo 0.8 0.6 90 0.3")
    bed = noise("brownnoise", seconds + 0.5, 12.2, "lowpass 200")
    out = add(loop_fold(drips, seconds), scale(loop_crossfade(bed, seconds, 0.5), 0.3))
    return level(out, rms_db=-24, peak_db=-4)


def ventsfans():
    seconds = 4.0
    air = noise("pinknoise", seconds + 0.5, 13.3, "lowpass 1400 highpass 80")
    blades = [s * (0.7 + 0.3 * math.sin(2 * math.pi * 12.5 * i / RATE)) for i, s in enumerate(air)]  # 12.5 Hz fits the loop
    hum = tone("sine", 75, seconds + 0.5, "", 0.2)
    out = process(add(blades, hum), "reverb 40 50 50")
    return level(loop_crossfade(out, seconds, 0.5), rms_db=-20, peak_db=-3)


def ventsrain():
    seconds = 6.0
    rng = random.Random(144)
    hiss = noise("pinknoise", seconds + 0.5, 14.4, "highpass 600 lowpass 4000")
    pool = [click(rng.randint(2000, 5000), 0.006, body=rng.choice((0, 0, 800))) for _ in range(10)]
    ticks = scatter(seconds, rng, 160, lambda: rng.choice(pool), (0.1, 0.5), period=seconds)
    out = add(scale(loop_crossfade(hiss, seconds, 0.5), 0.5), loop_fold(process(ticks + silence(0.5), "reverb 20 50 20"), seconds))
    return level(out, rms_db=-22, peak_db=-3)


def suspense():
    out = silence(5.0)
    for k, n in enumerate(("D3", "D#3", "A3", "G#4")):
        f = hz(n)
        voice = tone("sawtooth", "%f/%f" % (f, f * 1.06), 4.0, "lowpass 1500 fade h 1.5 4 1.2", 0.15)
        mix_into(out, voice, k * 0.25)
    return level(process(out, "tremolo 6 30 reverb 70 50 100"), peak_db=-2)


def ominousherald(root, seed):
    rng = random.Random(seed)
    out = silence(6.0)
    for k, off in enumerate((0, 1, 6, 7, 12)):  # a cluster of low brass
        f = hz(root) * 2 ** (off / 12) * rng.uniform(0.995, 1.005)
        horn = tone("sawtooth", f, 4.5, "lowpass 900 fade q 2.5 4.5 1.5", 0.22)
        mix_into(out, horn, 0.05 * k)
    boom = tone("sine", "70:35", 3.0, "fade l 0.01 3 2.9", 0.8)
    mix_into(out, boom, 2.4)
    return level(process(out, "reverb 80 50 100"), peak_db=-1)


def rooftopchase():
    """A long cue (30 s): drums push, a low ostinato climbs, strings scream on top."""
    seconds = 30.0
    beat = 60.0 / 132
    out = silence(seconds + 3)
    kick = tone("sine", "120:45", 0.25, "fade l 0.002 0.25 0.22", 1.0)
    snare = add(noise("whitenoise", 0.18, 15.5, "bandpass 2500 0.8q fade l 0.001 0.18 0.16"), tone("triangle", 190, 0.1, "fade l 0 0.1 0.09", 0.4))
    ost = ["D2", "D2", "F2", "D2", "G#2", "D2", "F2", "E2"]
    b = 0
    while b * beat < seconds - 0.5:
        t = b * beat
        intensity = min(1.0, 0.45 + t / seconds)
        if b % 2 == 0:
            mix_into(out, kick, t, 0.9 * intensity)
        else:
            mix_into(out, snare, t, 0.5 * intensity)
        note = ost[b % len(ost)]
        bass = tone("sawtooth", hz(note) * (2 if t > 15 else 1), beat * 0.9, "lowpass 700 fade l 0.005 %f %f" % (beat * 0.9, beat * 0.5), 0.35)
        mix_into(out, bass, t)
        b += 1
    for k, n in enumerate(("D5", "D#5", "D5", "C#5", "D5", "F5", "E5", "D#5")):
        f = hz(n)
        line = tone("sawtooth", f, 4.2, "lowpass 3000 tremolo 5 15 fade h 0.8 4.2 0.8", 0.1)
        mix_into(out, line, 2 + k * 3.5)
    out = process(out, "reverb 40 50 60")[: int(seconds * RATE)]
    return level(fade(out, 0.01, 2.5), rms_db=-15, peak_db=-1)


def chase():
    """Creature chase loop: eight bars of pounding toms and a dissonant drone."""
    beat = 60.0 / 150
    seconds = beat * 16
    out = silence(seconds + 2)
    tom = add(tone("sine", "160:70", 0.3, "fade l 0.002 0.3 0.27", 1.0), noise("brownnoise", 0.15, 16.6, "lowpass 600 fade l 0.001 0.15 0.14"))
    hat = noise("whitenoise", 0.05, 16.9, "highpass 6000 fade l 0.001 0.05 0.045")
    pattern = [1, 0, 0.6, 0, 1, 0.5, 0.7, 0]
    for b in range(32):
        t = b * beat / 2
        if pattern[b % 8]:
            mix_into(out, tom, t, 0.8 * pattern[b % 8])
        mix_into(out, hat, t, 0.15)
    drones = silence(seconds + 1)
    for n, g in (("D2", 0.25), ("D#3", 0.1), ("A2", 0.15)):
        mix_into(drones, tone("sawtooth", hz(n), seconds + 1, "lowpass 800 tremolo %.3f 40" % (4 / beat), g), 0)
    # the drones never stop, so they are joined by a crossfade rather than folded like the hits
    out = add(loop_fold(process(out, "reverb 30 50 50"), seconds), loop_crossfade(process(drones, "reverb 30 50 50"), seconds, 0.5))
    return level(out, rms_db=-15, peak_db=-1)


def build_effects():
    """name -> (file name, samples function, is a loop)."""
    table = {
        "blackout": ("blackout.ogg", blackout, False),
        "buttonhover": ("buttonhover.wav", buttonhover, False),
        "buttonpress": ("buttonpress.wav", buttonpress, False),
        "calendartear": ("calendartear.ogg", calendartear, False),
        "catmeow2": ("catmeow2.ogg", catmeow, False),
        "chase": ("chase.ogg", chase, True),
        "creatureidle": ("creatureidle.ogg", creatureidle, True),
        "doorlockturn": ("doorlockturn.wav", doorlockturn, False),
        "doorunlockfail": ("doorunlockfail.ogg", doorunlockfail, False),
        "doorunlocksuccess": ("doorunlocksuccess.ogg", doorunlocksuccess, False),
        "echoalarm": ("echoalarm.ogg", echoalarm, False),
        "echoalert": ("echoalert.ogg", echoalert, True),
        "electricalstatic": ("electricalstatic.ogg", electricalstatic, True),
        "evade": ("evade.ogg", evade, False),
        "floorcollapse": ("floorcollapse.ogg", floorcollapse, False),
        "footstepwater1": ("footstepwater1.ogg", footstepwater, False),
        "heartbeat1": ("heartbeat1.wav", lambda: heartbeat(60, 0.22, 1.0), False),
        "heartbeat2": ("heartbeat2.wav", lambda: heartbeat(75, 0.17, 0.7), False),
        "keypickup": ("keypickup.ogg", keypickup, False),
        "leverpull": ("leverpull.ogg", leverpull, False),
        "liftalarm": ("liftalarm.ogg", liftalarm, True),
        "liftbutton": ("liftbutton.wav", liftbutton, False),
        "liftdoorclose": ("liftdoorclose.ogg", liftdoorclose, False),
        "liftdooropen": ("liftdooropen.ogg", liftdooropen, False),
        "liftdoorpryopen": ("liftdoorpryopen.ogg", liftdoorpryopen, False),
        "liftflicker": ("liftflicker.ogg", liftflicker, True),
        "liftmoving": ("liftmoving.ogg", liftmoving, True),
        "newspaperblow": ("newspaperblow.ogg", newspaperblow, False),
        "ominousherald1": ("ominousherald1.ogg", lambda: ominousherald("D2", 1), False),
        "ominousherald3": ("ominousherald3.ogg", lambda: ominousherald("G2", 3), False),
        "rooftopchase": ("rooftopchase.ogg", rooftopchase, False),
        "suspense": ("suspense.ogg", suspense, False),
        "switchon": ("switchon.wav", switchon, False),
        "switchpull": ("switchpull.wav", switchpull, False),
        "thunderindoor": ("thunderindoor.ogg", lambda: thunder(9, indoor=True, seconds=5.0), False),
        "ventsdrip": ("ventsdrip.ogg", ventsdrip, True),
        "ventsfans": ("ventsfans.ogg", ventsfans, True),
        "ventsrain": ("ventsrain.ogg", ventsrain, True),
        "watertap": ("watertap.ogg", watertap, True),
        "watertapturn": ("watertapturn.ogg", watertapturn, False),
    }
    for k in range(1, 9):
        table["footstepconcrete%d" % k] = ("footstepconcrete%d.wav" % k, lambda k=k: footstep_concrete(k), False)
        table["footstepgrass%d" % k] = ("footstepgrass%d.wav" % k, lambda k=k: footstep_grass(k), False)
        table["footstepvents%d" % k] = ("footstepvents%d.wav" % k, lambda k=k: footstep_vents(k), False)
    for k in range(1, 6):
        table["thunderoutdoor%d" % k] = ("thunderoutdoor%d.ogg" % k, lambda k=k: thunder(k * 3, seconds=4.5 + k * 0.6), False)
    return table
