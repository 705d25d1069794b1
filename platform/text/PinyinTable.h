#pragma once

#include <cstddef>
#include <string_view>

// The data behind PinyinInitials(), generated into PinyinTable.cpp by
// data/pinyin/generate_pinyin_table.py from Unicode's Unihan readings and
// the drug-name lists beside the script.
namespace pinyin_table {

// A run of code points with one letter each: the upper-case initial of the
// character's reading, '_' when it has none. A lower-case letter is the same
// initial for a character that starts at least one phrase.
struct Block {
    char16_t first;
    char16_t last;
    const char* letters;
};
extern const Block blocks[];
extern const std::size_t blockCount;

// A word read differently than its characters alone, with its code (one
// upper-case letter per character). Sorted by first character, and among
// words with the same first character the longer ones come first.
struct Phrase {
    std::u16string_view text;
    std::string_view code;
};
extern const Phrase phrases[];
extern const std::size_t phraseCount;

} // namespace pinyin_table
