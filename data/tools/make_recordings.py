#!/usr/bin/env python3
"""Speaks a dictation text into its recording with espeak-ng.

Usage: make_recordings.py LANGUAGE TEXT WAVE [ESPEAK]

LANGUAGE is English or Chinese, TEXT a shipped lesson text (t<n>.txt, code page 936) and WAVE the
recording to write (s<n>.wav); ESPEAK is the espeak-ng program (default: found on the path).

The text is read out slowly, phrase by phrase: it is cut after each punctuation mark (English
phrases of more than MAX_WORDS words are cut again into word groups), every phrase is
spoken on its own and followed by a pause long enough to type it at the course's lowest speed
(TYPING_PER_MINUTE characters a minute). After the last phrase only TAIL_SECONDS of silence
follow. The whole recording lasts at least as long as typing the whole text at that speed; the
pauses are lengthened where the speech alone falls short. The result is a PCM wave file
(16-bit mono at espeak-ng's own rate) that the Windows wave-audio device plays.
"""
import array
import math
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import wave

CODE_PAGE = "gbk"


class Voice:
    def __init__(self, name, words_per_minute, word_gap, typing_per_minute, min_pause, cut,
                 word_groups):
        self.name = name                              # espeak-ng voice
        self.words_per_minute = words_per_minute      # espeak-ng -s (175 is its normal rate)
        self.word_gap = word_gap                      # espeak-ng -g, in 10 ms units
        self.typing_per_minute = typing_per_minute    # the slowest typing the course allows for
        self.min_pause = min_pause                    # seconds after every phrase at least
        self.cut = re.compile(cut)                    # a phrase ends after a match
        self.word_groups = word_groups                # long phrases are cut between words


# Debian's Mandarin dictionary gives pinyin for most characters; the plain "cmn" voice would
# read that pinyin as English letters, its pinyin variant reads it as Mandarin.
VOICES = {
    "English": Voice(name="en", words_per_minute=120, word_gap=4, typing_per_minute=120,
                     min_pause=1.2, cut=r"[,.?!;:]+\s+", word_groups=True),
    "Chinese": Voice(name="cmn-latn-pinyin", words_per_minute=100, word_gap=0,
                     typing_per_minute=30, min_pause=1.5, cut=r"[，。？！；：]+",
                     word_groups=False),
}
MAX_WORDS = 7          # an English phrase longer than this is cut into word groups
OPENING_WORDS = {"and", "but", "or", "so", "because", "while", "when", "to", "in", "on", "at",
                 "for", "with", "from", "of", "by", "after", "before", "who", "that", "than"}
LEANING_WORDS = {"the", "a", "an", "to", "my", "your", "our", "her", "his", "their", "its",
                 "of", "at", "in", "on", "for", "with", "and", "or", "is", "are", "can", "will"}
LEAD_SECONDS = 0.5     # silence before the first phrase
TAIL_SECONDS = 2.0     # silence after the last phrase
SPARE_SECONDS = 1.0    # the recording outlasts the typing time at least by this
EDGE_SECONDS = 0.04    # speech kept on either side of a phrase's loud part
QUIET_LEVEL = 200      # a sample below this (of 32767) counts as silence when trimming
FADE_SECONDS = 0.01    # fade at both ends of a phrase so its cut does not click


def phrases(text, voice):
    """The text cut into phrases that put together give the text again (the white space after
    a phrase belongs to it, so each phrase's length is what the learner types for it)."""
    parts = []
    start = 0
    for match in voice.cut.finditer(text):
        parts.append(text[start:match.end()])
        start = match.end()
    if start < len(text):
        parts.append(text[start:])
    if not voice.word_groups:
        return parts
    cut = []
    for part in parts:
        cut.extend(word_groups(part))
    return cut


def word_groups(part):
    """An English phrase cut into groups of at most MAX_WORDS words, each cut near the middle,
    rather before a word that opens a group (and, to, in ...) and never after one that leans on
    the next (the, a, to ...)."""
    words = part.split(" ")
    if words[-1] == "":
        words = words[:-1]
        words[-1] += " "
    if len(words) <= MAX_WORDS:
        return [" ".join(words)]

    def badness(k):
        score = abs(k - len(words) / 2)
        if words[k - 1].lower() in LEANING_WORDS:
            score += 10
        if words[k].lower() in OPENING_WORDS:
            score -= 1.5
        return score

    k = min(range(2, len(words) - 1), key=badness)
    return word_groups(" ".join(words[:k]) + " ") + word_groups(" ".join(words[k:]))


def speak(espeak, voice, phrase, folder):
    """The phrase spoken by espeak-ng: (samples as 16-bit numbers, sample rate)."""
    text_file = os.path.join(folder, "phrase.txt")
    wave_file = os.path.join(folder, "phrase.wav")
    with open(text_file, "w", encoding="utf-8") as out:
        out.write(phrase.strip())
    subprocess.run([espeak, "-v", voice.name, "-s", str(voice.words_per_minute),
                    "-g", str(voice.word_gap), "-b", "1", "-f", text_file, "-w", wave_file],
                   check=True, stdout=subprocess.DEVNULL)
    with wave.open(wave_file, "rb") as w:
        if w.getnchannels() != 1 or w.getsampwidth() != 2:
            raise SystemExit(f"espeak-ng gave {w.getnchannels()} channels of "
                             f"{8 * w.getsampwidth()} bits; 16-bit mono expected")
        samples = array.array("h", w.readframes(w.getnframes()))
        rate = w.getframerate()
    if sys.byteorder == "big":
        samples.byteswap()
    return samples, rate


def trimmed(samples, rate):
    """The samples without the silence espeak-ng puts before and after the speech, with short
    fades at both ends."""
    first = next((i for i, s in enumerate(samples) if abs(s) >= QUIET_LEVEL), None)
    if first is None:
        raise SystemExit("espeak-ng gave a silent phrase")
    last = next(i for i in range(len(samples) - 1, -1, -1) if abs(samples[i]) >= QUIET_LEVEL)
    edge = int(EDGE_SECONDS * rate)
    out = samples[max(0, first - edge):min(len(samples), last + edge + 1)]
    fade = min(len(out) // 2, int(FADE_SECONDS * rate))
    for i in range(fade):
        out[i] = int(out[i] * i / fade)
        out[-1 - i] = int(out[-1 - i] * i / fade)
    return out


def pauses(lengths, speech_seconds, voice):
    """Seconds of silence after each phrase: enough to type the phrase at the lowest speed
    (at least the voice's least pause) and TAIL_SECONDS after the last; the inner pauses grow
    evenly where the whole would be shorter than typing the text takes."""
    per_second = voice.typing_per_minute / 60.0
    result = [max(voice.min_pause, n / per_second) for n in lengths[:-1]] + [TAIL_SECONDS]
    wanted = sum(lengths) / per_second + SPARE_SECONDS
    short = wanted - (LEAD_SECONDS + sum(speech_seconds) + sum(result))
    if short > 0:
        if len(result) > 1:
            for i in range(len(result) - 1):
                result[i] += short / (len(result) - 1)
        else:
            result[0] += short
    return result


def main():
    if len(sys.argv) not in (4, 5) or sys.argv[1] not in VOICES:
        print(__doc__, file=sys.stderr)
        return 2
    language, text_path, wave_path = sys.argv[1], pathlib.Path(sys.argv[2]), pathlib.Path(sys.argv[3])
    espeak = sys.argv[4] if len(sys.argv) == 5 else shutil.which("espeak-ng")
    if not espeak or not os.access(espeak, os.X_OK):
        print("make_recordings.py: espeak-ng is missing: install Debian's espeak-ng "
              "(scripts/setup does); it speaks the dictation recordings", file=sys.stderr)
        return 1
    voice = VOICES[language]
    text = text_path.read_bytes().decode(CODE_PAGE).rstrip("\r\n")
    parts = phrases(text, voice)
    assert "".join(parts) == text
    spoken = []
    rate = None
    with tempfile.TemporaryDirectory() as folder:
        for part in parts:
            samples, phrase_rate = speak(espeak, voice, part, folder)
            if rate is not None and phrase_rate != rate:
                raise SystemExit("espeak-ng changed its sample rate between phrases")
            rate = phrase_rate
            spoken.append(trimmed(samples, rate))
    silence_after = pauses([len(p) for p in parts], [len(s) / rate for s in spoken], voice)
    recording = array.array("h", bytes(2 * int(LEAD_SECONDS * rate)))
    for samples, pause in zip(spoken, silence_after):
        recording.extend(samples)
        recording.extend(array.array("h", bytes(2 * int(pause * rate))))
    if sys.byteorder == "big":
        recording.byteswap()
    wave_path.parent.mkdir(parents=True, exist_ok=True)
    partial = wave_path.with_name(wave_path.name + ".part")
    with wave.open(str(partial), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(rate)
        out.writeframes(recording.tobytes())
    os.replace(partial, wave_path)
    return 0


if __name__ == "__main__":
    sys.exit(main())
