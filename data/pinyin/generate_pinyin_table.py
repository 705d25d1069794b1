#!/usr/bin/env python3
"""Generates platform/text/PinyinTable.cpp, the data behind PinyinInitials().

Inputs:
  * Unicode's Unihan readings (Debian package unicode-data):
    /usr/share/unicode/Unihan_Readings.txt.bz2, Unihan_Variants.txt.bz2 and
    UnicodeData.txt. A character's reading is kMandarin; characters without
    one fall back to kTGHZ2013, kXHC1983, kHanyuPinlu, kHanyuPinyin, then to
    the reading of the character they are a compatibility or variant form of.
    Where the mainland standard dictionary (kTGHZ2013) has no reading with
    kMandarin's first letter, its first reading is taken instead.
  * char_overrides.txt: single characters whose everyday default would
    mislead in drug names (参 shen, not can), and the few GBK characters
    Unihan gives no reading at all.
  * drug_phrases.txt: words whose characters are read differently together
    (白术 BZ, 阿胶 EJ); the longest word wins over single characters.

Checks before writing (the script stops with a message if one fails):
  * every Chinese character of the GBK code space has an initial;
  * every phrase is made of characters the table knows, with one letter each.
It then prints how many names of drug_names_check.tsv the generated data
reads as expected, using the same algorithm as the C++ code.

Run by hand after editing one of the text files:
    python3 data/pinyin/generate_pinyin_table.py
"""

import argparse
import bz2
import os
import re
import sys
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.normpath(os.path.join(HERE, '..', '..'))

# Code point blocks the C++ side looks up by direct index. The first covers
# CJK Extension A and the unified ideographs (U+4DC0..U+4DFF, the hexagram
# symbols between them, stay empty); the second the compatibility
# ideographs, twelve of which GBK maps to and a few of which are unified
# characters in their own right; the last is the ideographic zero.
BLOCKS = [(0x3400, 0x9FFF), (0xF900, 0xFAFF), (0x3007, 0x3007)]

FALLBACK_FIELDS = ['kTGHZ2013', 'kXHC1983', 'kHanyuPinlu', 'kHanyuPinyin']
VARIANT_FIELDS = ['kCompatibilityVariant', 'kSimplifiedVariant',
                  'kTraditionalVariant', 'kZVariant', 'kSemanticVariant',
                  'kSpecializedSemanticVariant']
NONE = '_'


def read_unihan(path, wanted):
    """Returns {code point: {field: value}} for the fields in wanted."""
    data = {}
    with bz2.open(path, 'rt', encoding='utf-8') as f:
        for line in f:
            if line.startswith('#') or not line.strip():
                continue
            cp, field, value = line.rstrip('\n').split('\t', 2)
            if field in wanted:
                data.setdefault(int(cp[2:], 16), {})[field] = value
    return data


def first_reading(field, value):
    """The first pinyin syllable of a Unihan reading field."""
    if field == 'kMandarin':
        # Up to two values: the mainland reading first, then Taiwan's.
        return value.split()[0]
    if field == 'kHanyuPinlu':
        # "shù(1056) zhú(3)": readings with their frequency, most frequent first.
        return value.split()[0].split('(')[0]
    # kTGHZ2013, kXHC1983, kHanyuPinyin: "page.pos:read1,read2 page.pos:read3".
    return value.split()[0].split(':', 1)[1].split(',')[0]


def initial_of(reading):
    """Upper-case first letter of a pinyin syllable (tone marks removed)."""
    for ch in unicodedata.normalize('NFD', reading):
        if 'a' <= ch.lower() <= 'z':
            return ch.upper()
    raise ValueError('no Latin letter in reading %r' % reading)


def read_tsv(path, columns):
    """Rows of a tab-separated text file; '#' starts a comment line."""
    rows = []
    with open(path, encoding='utf-8') as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip('\n')
            if not line.strip() or line.lstrip().startswith('#'):
                continue
            fields = line.split('\t')
            if len(fields) < columns:
                sys.exit('%s:%d: expected %d tab-separated fields: %r'
                         % (path, number, columns, line))
            rows.append((number, [x.strip() for x in fields]))
    return rows


def compatibility_targets(unicode_data_path):
    """{compatibility ideograph: unified ideograph} from UnicodeData.txt."""
    targets = {}
    with open(unicode_data_path, encoding='utf-8') as f:
        for line in f:
            fields = line.split(';')
            cp = int(fields[0], 16)
            decomposition = fields[5].split()
            if 0xF900 <= cp <= 0xFAFF and len(decomposition) == 1:
                targets[cp] = int(decomposition[0], 16)
    return targets


def is_gbk_chinese(ch):
    """A character Chinese text is written with: ideographs and 〇."""
    return ch == '\u3007' or ('CJK' in unicodedata.name(ch, '')
                              and 'IDEOGRAPH' in unicodedata.name(ch, ''))


def gbk_chinese_characters():
    """Every Chinese character Python's GBK codec decodes from two bytes."""
    found = []
    for lead in range(0x81, 0xFF):
        for trail in range(0x40, 0xFF):
            if trail == 0x7F:
                continue
            try:
                ch = bytes([lead, trail]).decode('gbk')
            except UnicodeDecodeError:
                continue
            if len(ch) == 1 and is_gbk_chinese(ch):
                found.append(ch)
    return found


def build_letters(unihan_dir):
    readings = read_unihan(os.path.join(unihan_dir, 'Unihan_Readings.txt.bz2'),
                           {'kMandarin', *FALLBACK_FIELDS})
    variants = read_unihan(os.path.join(unihan_dir, 'Unihan_Variants.txt.bz2'),
                           set(VARIANT_FIELDS))
    compat = compatibility_targets(os.path.join(unihan_dir, 'UnicodeData.txt'))

    replaced_by_standard = set()

    def own_reading(cp):
        fields = readings.get(cp, {})
        if 'kMandarin' in fields and 'kTGHZ2013' in fields:
            # kMandarin sometimes keeps a reading the mainland standard
            # dictionary no longer has at all (芎 qiōng for xiōng, 炔 guì for
            # quē, 吖 yā for ā); then the dictionary's reading is the one
            # people type.
            mandarin = first_reading('kMandarin', fields['kMandarin'])
            standard = [r.split(',')[0] for r in
                        re.findall(r':(\S+)', fields['kTGHZ2013'])]
            if initial_of(mandarin) not in {initial_of(r) for r in standard}:
                replaced_by_standard.add(cp)
                return standard[0]
        for field in ['kMandarin'] + FALLBACK_FIELDS:
            if field in fields:
                return first_reading(field, fields[field])
        return None

    def reading(cp):
        found = own_reading(cp)
        if found:
            return found
        if cp in compat and own_reading(compat[cp]):
            return own_reading(compat[cp])
        for field in VARIANT_FIELDS:
            for target in re.findall(r'U\+([0-9A-F]+)',
                                     variants.get(cp, {}).get(field, '')):
                found = own_reading(int(target, 16))
                if found:
                    return found
        return None

    letters = {}
    for first, last in BLOCKS:
        for cp in range(first, last + 1):
            found = reading(cp)
            if found:
                letters[cp] = initial_of(found)
    print('characters read as the standard dictionary instead of kMandarin: %d'
          % len(replaced_by_standard))
    return letters


def apply_overrides(letters, path):
    for number, (char, reading, *_) in read_tsv(path, 2):
        if len(char) != 1 or not any(f <= ord(char) <= l for f, l in BLOCKS):
            sys.exit('%s:%d: %r is not a single character of the table'
                     % (path, number, char))
        letters[ord(char)] = initial_of(reading)


def read_phrases(path, letters):
    phrases = {}
    for number, (word, code, *_) in read_tsv(path, 2):
        where = '%s:%d' % (path, number)
        if not re.fullmatch('[A-Z]+', code) or len(code) != len(word):
            sys.exit('%s: code %r must be one upper-case letter per character of %r'
                     % (where, code, word))
        if len(word) < 2:
            sys.exit('%s: %r: single characters belong in char_overrides.txt'
                     % (where, word))
        for ch in word:
            if ord(ch) not in letters:
                sys.exit('%s: %r has no reading in the table' % (where, ch))
        if word in phrases and phrases[word] != code:
            sys.exit('%s: %r given twice with different codes' % (where, word))
        phrases[word] = code
    return phrases


def initials(text, letters, phrases, longest):
    """Python twin of PinyinInitials() in platform/text/Pinyin.cpp."""
    out = []
    i = 0
    while i < len(text):
        ch = text[i]
        for length in range(min(longest, len(text) - i), 1, -1):
            code = phrases.get(text[i:i + length])
            if code:
                out.append(code)
                i += length
                break
        else:
            if ord(ch) in letters:
                out.append(letters[ord(ch)])
            else:
                folded = unicodedata.normalize('NFKD', ch)
                folded = ''.join(c for c in folded if not unicodedata.combining(c))
                if folded and all(c.isascii() and c.isalnum() for c in folded):
                    out.append(folded.upper())
            i += 1
    return ''.join(out)


def cpp_string(chars):
    return '"' + ''.join(chars) + '"'


def write_table(path, letters, phrases, sources):
    starts = {ord(word[0]) for word in phrases}
    lines = []
    emit = lines.append
    emit('// Generated by data/pinyin/generate_pinyin_table.py from Unicode\'s Unihan')
    emit('// readings and')
    for source in sources:
        emit('//   ' + source)
    emit('// Do not edit: change those files and run the script again (see')
    emit('// data/pinyin/README.md).')
    emit('')
    emit('#include "platform/text/PinyinTable.h"')
    emit('')
    emit('#include <iterator>')
    emit('')
    emit('namespace pinyin_table {')
    emit('')
    emit('namespace {')
    emit('')
    names = []
    for first, last in BLOCKS:
        name = 'letters%04X' % first
        names.append(name)
        emit('// U+%04X..U+%04X, one character per code point.' % (first, last))
        emit('const char %s[] =' % name)
        row = []
        for cp in range(first, last + 1):
            letter = letters.get(cp, NONE)
            row.append(letter.lower() if cp in starts else letter)
            if len(row) == 64 or cp == last:
                emit('    %s  // U+%04X' % (cpp_string(row), cp - len(row) + 1))
                row = []
        lines[-1] = lines[-1].replace('"  //', '";  //', 1)
        emit('')
    emit('} // namespace')
    emit('')
    emit('const Block blocks[] = {')
    for (first, last), name in zip(BLOCKS, names):
        emit('    {0x%04X, 0x%04X, %s},' % (first, last, name))
    emit('};')
    emit('const std::size_t blockCount = std::size(blocks);')
    emit('')
    ordered = sorted(phrases.items(), key=lambda item: (item[0][0], -len(item[0]), item[0]))
    emit('// Sorted by first character, longer words first.')
    emit('const Phrase phrases[] = {')
    for word, code in ordered:
        emit('    {u"%s", "%s"},' % (word, code))
    emit('};')
    emit('const std::size_t phraseCount = std::size(phrases);')
    emit('')
    emit('} // namespace pinyin_table')
    with open(path, 'w', encoding='utf-8') as f:
        f.write('\n'.join(lines) + '\n')


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--unihan-dir', default='/usr/share/unicode')
    parser.add_argument('--output', default=os.path.join(REPO, 'platform', 'text', 'PinyinTable.cpp'))
    args = parser.parse_args()

    letters = build_letters(args.unihan_dir)
    apply_overrides(letters, os.path.join(HERE, 'char_overrides.txt'))
    phrases = read_phrases(os.path.join(HERE, 'drug_phrases.txt'), letters)
    longest = max(len(w) for w in phrases)

    gbk = gbk_chinese_characters()
    missing = [ch for ch in gbk if ord(ch) not in letters]
    if missing:
        sys.exit('GBK Chinese characters without a reading: ' +
                 ' '.join('U+%04X %s' % (ord(c), c) for c in missing))
    print('GBK Chinese characters: %d, all with an initial' % len(gbk))
    print('table: %d characters with an initial, %d phrases'
          % (len(letters), len(phrases)))

    redundant = [w for w, c in phrases.items()
                 if ''.join(letters[ord(ch)] for ch in w) == c]
    print('phrases that only confirm the single-character reading: %d' % len(redundant))

    check = read_tsv(os.path.join(HERE, 'drug_names_check.tsv'), 2)
    wrong = [(name, want, initials(name, letters, phrases, longest))
             for _, (name, want, *_) in check
             if initials(name, letters, phrases, longest) != want]
    print('drug_names_check.tsv: %d of %d as expected'
          % (len(check) - len(wrong), len(check)))
    for name, want, got in wrong:
        print('  %s: expected %s, got %s' % (name, want, got))

    write_table(args.output, letters, phrases,
                ['data/pinyin/char_overrides.txt', 'data/pinyin/drug_phrases.txt'])
    print('wrote', os.path.relpath(args.output, REPO))


if __name__ == '__main__':
    main()
