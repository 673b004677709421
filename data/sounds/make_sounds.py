"""Synthesises the tutor's effects, key notes and background music as wave files.

usage: make_sounds.py MUSIC_FOLDER

Writes MUSIC_FOLDER/Sound/*.wav (effects), MUSIC_FOLDER/Sound/MusicKB/0.wav to 57.wav (one note
per key slot of the main keyboard) and MUSIC_FOLDER/bg*.wav (background music). A file is only
rewritten when its content changes.
"""

import array
import io
import math
import os
import random
import sys
import wave

RATE = 22050


def silence(seconds):
    return array.array("f", bytes(4 * int(RATE * seconds)))


def tone(freq, seconds, volume=0.5, attack=0.005, decay=0.25, harmonics=(1.0, 0.35, 0.12),
         bend=0.0):
    """A soft plucked tone: a few harmonics under an exponential decay."""
    n = int(RATE * seconds)
    out = array.array("f", bytes(4 * n))
    two_pi = 2 * math.pi
    phase = 0.0
    for i in range(n):
        t = i / RATE
        f = freq * (1 + bend * t / seconds)
        phase += two_pi * f / RATE
        env = min(1.0, t / attack) * math.exp(-t / decay)
        s = 0.0
        for k, a in enumerate(harmonics, start=1):
            s += a * math.sin(k * phase)
        out[i] = volume * env * s
    # A short fade at the end avoids a click.
    fade = min(n, int(RATE * 0.01))
    for i in range(fade):
        out[n - 1 - i] *= i / fade
    return out


def noise_burst(seconds, volume=0.4, decay=0.03, seed=7, lowpass=0.2):
    rnd = random.Random(seed)
    n = int(RATE * seconds)
    out = array.array("f", bytes(4 * n))
    prev = 0.0
    for i in range(n):
        prev += lowpass * (rnd.uniform(-1, 1) - prev)
        out[i] = volume * prev * math.exp(-(i / RATE) / decay)
    return out


def mix_into(dst, src, at_seconds, gain=1.0):
    start = int(RATE * at_seconds)
    end = min(len(dst), start + len(src))
    for i in range(start, end):
        dst[i] += gain * src[i - start]


def concat(*parts):
    out = array.array("f")
    for p in parts:
        out.extend(p)
    return out


def to_wave(samples):
    peak = max(1e-9, max(abs(s) for s in samples))
    scale = 0.85 * 32767 / peak if peak > 1.0 else 0.85 * 32767
    pcm = array.array("h", (int(max(-32767, min(32767, s * scale))) for s in samples))
    if sys.byteorder == "big":
        pcm.byteswap()
    buf = io.BytesIO()
    with wave.open(buf, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(pcm.tobytes())
    return buf.getvalue()


def write(path, samples):
    data = to_wave(samples)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    if os.path.exists(path) and open(path, "rb").read() == data:
        return
    with open(path, "wb") as f:
        f.write(data)


def midi(n):
    return 440.0 * 2 ** ((n - 69) / 12)


# Major pentatonic degrees: any run of keys sounds consonant.
PENTA = [0, 2, 4, 7, 9]


def penta_note(index, base=60):
    return base + 12 * (index // 5) + PENTA[index % 5]


def effects():
    fx = {}
    fx["type.wav"] = concat(noise_burst(0.045, 0.5, 0.012, seed=1, lowpass=0.5),
                            silence(0.01))
    fx["enter.wav"] = concat(noise_burst(0.05, 0.5, 0.015, seed=2, lowpass=0.35),
                             tone(midi(79), 0.12, 0.25, decay=0.05))
    fx["click.wav"] = tone(midi(88), 0.06, 0.35, attack=0.001, decay=0.015,
                           harmonics=(1.0, 0.2))
    wrong = silence(0.32)
    mix_into(wrong, tone(midi(50), 0.16, 0.45, decay=0.08, harmonics=(1.0, 0.5, 0.3, 0.2)), 0)
    mix_into(wrong, tone(midi(46), 0.2, 0.45, decay=0.1, harmonics=(1.0, 0.5, 0.3, 0.2)), 0.12)
    fx["cw.wav"] = wrong
    win = silence(1.3)
    for i, n in enumerate([72, 76, 79, 84]):
        mix_into(win, tone(midi(n), 0.6, 0.35, decay=0.3), 0.11 * i)
    mix_into(win, tone(midi(88), 0.8, 0.25, decay=0.4), 0.5)
    fx["win.wav"] = win
    drum = silence(0.5)
    mix_into(drum, tone(70, 0.45, 0.8, attack=0.002, decay=0.12, harmonics=(1.0, 0.3), bend=-0.4), 0)
    mix_into(drum, noise_burst(0.15, 0.25, 0.04, seed=3, lowpass=0.15), 0)
    fx["drum.wav"] = drum
    fx["glide.wav"] = tone(midi(67), 0.35, 0.3, decay=0.2, bend=0.5)
    fx["police.wav"] = concat(*(tone(midi(n), 0.18, 0.35, decay=0.2, harmonics=(1.0, 0.6))
                                for n in (81, 76, 81, 76)))
    fx["frog.wav"] = concat(tone(midi(55), 0.09, 0.5, decay=0.05, bend=0.3, harmonics=(1.0, 0.7, 0.4)),
                            tone(midi(57), 0.12, 0.5, decay=0.06, bend=0.3, harmonics=(1.0, 0.7, 0.4)))
    fx["apple1.wav"] = concat(noise_burst(0.08, 0.6, 0.03, seed=4, lowpass=0.6),
                              tone(midi(84), 0.15, 0.3, decay=0.06))
    fx["apple2.wav"] = tone(midi(60), 0.5, 0.4, decay=0.25, bend=-0.5)
    fx["mouse1.wav"] = tone(midi(93), 0.12, 0.3, decay=0.05, bend=0.2)
    fx["mouse2.wav"] = concat(tone(midi(96), 0.08, 0.35, decay=0.04),
                              tone(midi(100), 0.14, 0.35, decay=0.06))
    fx["mouse3.wav"] = tone(midi(72), 0.3, 0.35, decay=0.15, bend=-0.3)
    return fx


def key_notes():
    """Slot 0 to 57 of the main keyboard: a pentatonic note each, low keys low."""
    return {f"{i}.wav": tone(midi(penta_note(i % 25, 55)), 0.35, 0.45, decay=0.18)
            for i in range(58)}


def tune(melody, bass, beat, bars_repeat=2, volume=0.3):
    """A loopable tune: melody notes (midi or None) one per beat, bass one per bar of 4 beats."""
    seconds = beat * len(melody) * bars_repeat
    out = silence(seconds + 0.8)
    cache = {}
    for r in range(bars_repeat):
        base = r * beat * len(melody)
        for i, n in enumerate(melody):
            if n is None:
                continue
            key = ("m", n)
            if key not in cache:
                cache[key] = tone(midi(n), beat * 1.8, volume, decay=beat * 0.9)
            mix_into(out, cache[key], base + i * beat)
        for j, n in enumerate(bass):
            key = ("b", n)
            if key not in cache:
                cache[key] = tone(midi(n), beat * 4, volume * 0.8, decay=beat * 2,
                                  harmonics=(1.0, 0.25))
            mix_into(out, cache[key], base + j * 4 * beat)
    return out


def music():
    tracks = {}
    tracks["bg1.wav"] = tune([72, 74, 76, 79, 76, 74, 72, None, 69, 72, 74, 76, 74, 72, 69, None,
                              67, 69, 72, 74, 72, 69, 67, 69, 72, None, 74, 72, 69, 67, 69, None],
                             [48, 45, 43, 41, 48, 45, 43, 48], 0.34)
    tracks["bg2.wav"] = tune([76, None, 79, 81, 79, 76, 74, None, 72, 74, 76, 79, 76, None, 74, 72],
                             [45, 41, 43, 48], 0.4)
    tracks["bgpolice.wav"] = tune([69, 72, 69, 74, 69, 76, 74, 72, 69, 72, 69, 74, 76, 74, 72, 69],
                                  [45, 45, 43, 45], 0.2)
    tracks["bgapple.wav"] = tune([79, 76, 79, 84, 81, 79, 76, None, 74, 76, 79, 81, 79, 76, 74, None],
                                 [48, 43, 45, 43], 0.26)
    tracks["bgmouse.wav"] = tune([84, 81, 79, 81, 84, None, 86, 84, 81, 79, 76, None, 79, 81, 84, None],
                                 [48, 45, 41, 43], 0.22)
    tracks["bgfrog.wav"] = tune([67, 69, 72, None, 72, 74, 76, None, 74, 72, 69, None, 67, 64, 67, None],
                                [43, 41, 48, 43], 0.3)
    return tracks


def main(music_folder):
    for name, s in effects().items():
        write(os.path.join(music_folder, "Sound", name), s)
    for name, s in key_notes().items():
        write(os.path.join(music_folder, "Sound", "MusicKB", name), s)
    for name, s in music().items():
        write(os.path.join(music_folder, name), s)


if __name__ == "__main__":
    main(sys.argv[1])
