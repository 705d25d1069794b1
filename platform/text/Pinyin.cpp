#include "platform/text/Pinyin.h"

#include "platform/text/PinyinTable.h"

#include <algorithm>
#include <string_view>

namespace {

using pinyin_table::Phrase;

// The table's letter for a character: upper case, lower case when phrases
// start with the character, 0 when it has no reading.
char tableLetter(char16_t c)
{
    for (std::size_t i = 0; i < pinyin_table::blockCount; ++i) {
        const pinyin_table::Block& block = pinyin_table::blocks[i];
        if (c >= block.first && c <= block.last) {
            const char letter = block.letters[c - block.first];
            return letter == '_' ? 0 : letter;
        }
    }
    return 0;
}

// The longest phrase that `rest` starts with, or nullptr. Phrases are
// sorted by first character, longer ones first, so the first match wins.
const Phrase* longestPhraseAt(std::u16string_view rest)
{
    const Phrase* end = pinyin_table::phrases + pinyin_table::phraseCount;
    const Phrase* p = std::lower_bound(pinyin_table::phrases, end, rest.front(),
        [](const Phrase& phrase, char16_t c) { return phrase.text.front() < c; });
    for (; p != end && p->text.front() == rest.front(); ++p)
        if (rest.starts_with(p->text))
            return p;
    return nullptr;
}

bool isAsciiLetterOrDigit(char16_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

char16_t asciiUpper(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - u'a' + u'A') : c;
}

// A character that is a Latin letter or digit in another form (full-width
// Ｃ, accented é, Roman numeral Ⅱ, circled ①) as plain upper-case ASCII;
// empty for everything else.
QString foldedLatin(char16_t c)
{
    if (c >= 0xFF10 && c <= 0xFF5A) {
        // Full-width forms, typed by Chinese input methods.
        const char16_t ascii = char16_t(c - 0xFF10 + u'0');
        return isAsciiLetterOrDigit(ascii) ? QString(QChar(asciiUpper(ascii))) : QString();
    }
    if (c < 0x80 || QChar::isSurrogate(c))
        return {};
    QString folded;
    for (QChar part : QString(QChar(c)).normalized(QString::NormalizationForm_KD)) {
        if (part.isMark())
            continue;
        if (!isAsciiLetterOrDigit(part.unicode()))
            return {};
        folded += QChar(asciiUpper(part.unicode()));
    }
    return folded;
}

} // namespace

QString PinyinInitials(const QString& text)
{
    const std::u16string_view view(reinterpret_cast<const char16_t*>(text.utf16()),
                                   std::size_t(text.size()));
    QString code;
    code.reserve(text.size());
    std::size_t i = 0;
    while (i < view.size()) {
        const char16_t c = view[i];
        if (isAsciiLetterOrDigit(c)) {
            code += QChar(asciiUpper(c));
            ++i;
            continue;
        }
        const char letter = tableLetter(c);
        if (letter >= 'a' && letter <= 'z') {
            if (const Phrase* phrase = longestPhraseAt(view.substr(i))) {
                code += QLatin1String(phrase->code.data(), qsizetype(phrase->code.size()));
                i += phrase->text.size();
                continue;
            }
            code += QChar(letter - 'a' + 'A');
        } else if (letter != 0) {
            code += QChar(letter);
        } else {
            code += foldedLatin(c);
        }
        ++i;
    }
    return code;
}
