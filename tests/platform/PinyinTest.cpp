#include "platform/text/Pinyin.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringList>
#include <gtest/gtest.h>

#include <iostream>
#include <vector>

namespace {

struct PinyinCase
{
    const char* text; // UTF-8
    const char* code;
};

std::ostream& operator<<(std::ostream& os, const PinyinCase& c)
{
    return os << c.text << " -> " << c.code;
}

class PinyinHeteronyms : public ::testing::TestWithParam<PinyinCase>
{
};

TEST_P(PinyinHeteronyms, ReadAsInPharmacy)
{
    EXPECT_EQ(PinyinInitials(QString::fromUtf8(GetParam().text)), QString::fromLatin1(GetParam().code));
}

// Words whose characters have several readings, read as pharmacists read
// them; the single-character default would give a different code for most.
INSTANTIATE_TEST_SUITE_P(PinyinDrugs, PinyinHeteronyms, ::testing::Values(
    PinyinCase{"白术", "BZ"}, PinyinCase{"苍术", "CZ"}, PinyinCase{"莪术", "EZ"},
    PinyinCase{"麸炒白术", "FCBZ"}, PinyinCase{"厚朴", "HP"}, PinyinCase{"薄荷", "BH"},
    PinyinCase{"人参", "RS"}, PinyinCase{"党参", "DS"}, PinyinCase{"丹参", "DS"},
    PinyinCase{"玄参", "XS"}, PinyinCase{"参苓白术散", "SLBZS"}, PinyinCase{"地黄", "DH"},
    PinyinCase{"大黄", "DH"}, PinyinCase{"熟地黄", "SDH"}, PinyinCase{"蛤蚧", "GJ"},
    PinyinCase{"海蛤壳", "HGQ"}, PinyinCase{"蛤蟆油", "HMY"}, PinyinCase{"柏子仁", "BZR"},
    PinyinCase{"茜草", "QC"}, PinyinCase{"阿胶", "EJ"}, PinyinCase{"东阿阿胶", "DEEJ"},
    PinyinCase{"阿司匹林", "ASPL"}, PinyinCase{"阿莫西林", "AMXL"}, PinyinCase{"藏红花", "ZHH"},
    PinyinCase{"荠菜", "JC"}, PinyinCase{"荸荠", "BQ"}, PinyinCase{"乌头", "WT"},
    PinyinCase{"蔓荆子", "MJZ"}, PinyinCase{"芫花", "YH"}, PinyinCase{"枳壳", "ZQ"},
    PinyinCase{"罂粟壳", "YSQ"}, PinyinCase{"壳聚糖", "KJT"}, PinyinCase{"重楼", "CL"},
    PinyinCase{"重组人胰岛素", "CZRYDS"}, PinyinCase{"重酒石酸间羟胺", "ZJSSJQA"},
    PinyinCase{"枸杞子", "GQZ"}, PinyinCase{"枸橼酸铋钾", "JYSBJ"}, PinyinCase{"粳米", "JM"},
    PinyinCase{"桑螵蛸", "SPX"}, PinyinCase{"川芎", "CX"}, PinyinCase{"淡豆豉", "DDC"},
    PinyinCase{"徐长卿", "XCQ"}, PinyinCase{"重组人生长激素", "CZRSZJS"},
    PinyinCase{"调经丸", "TJW"}, PinyinCase{"止咳糖浆", "ZKTJ"}, PinyinCase{"颠茄片", "DQP"},
    PinyinCase{"荜澄茄", "BCQ"}, PinyinCase{"射干", "SG"}, PinyinCase{"银翘解毒片", "YQJDP"},
    PinyinCase{"六味地黄丸", "LWDHW"}, PinyinCase{"降香", "JX"}, PinyinCase{"炮姜", "PJ"},
    PinyinCase{"没药", "MY"}, PinyinCase{"炔诺酮", "QNT"}, PinyinCase{"依沙吖啶", "YSAD"},
    PinyinCase{"对乙酰氨基酚", "DYXAJF"}, PinyinCase{"氯吡格雷", "LBGL"},
    PinyinCase{"桑葚", "SS"}, PinyinCase{"荨麻", "QM"}, PinyinCase{"荨麻疹丸", "XMZW"}));

class PinyinText : public ::testing::TestWithParam<PinyinCase>
{
};

TEST_P(PinyinText, KeepsLatinAndDigitsDropsTheRest)
{
    EXPECT_EQ(PinyinInitials(QString::fromUtf8(GetParam().text)), QString::fromLatin1(GetParam().code));
}

INSTANTIATE_TEST_SUITE_P(PinyinMixed, PinyinText, ::testing::Values(
    PinyinCase{"维生素C 100mg", "WSSC100MG"},
    PinyinCase{"   人参", "RS"},                         // leading spaces
    PinyinCase{"\t人参  ", "RS"},
    PinyinCase{"维生素Ｃ１００ｍｇ", "WSSC100MG"},         // full-width letters and digits
    PinyinCase{"（复方）甘草片！", "FFGCP"},              // full-width punctuation
    PinyinCase{"复方甘草片(100片/瓶)", "FFGCP100PP"},
    PinyinCase{"阿胶·东阿", "EJDE"},                     // a phrase does not reach over punctuation
    PinyinCase{"丹参酮ⅡA", "DSTIIA"},                    // Roman numeral
    PinyinCase{"α-干扰素", "GRS"},                       // Greek letter dropped
    PinyinCase{"Café", "CAFE"},                          // accent dropped
    PinyinCase{"〇号", "LH"},
    PinyinCase{"ビタミン", ""},                          // kana are not Chinese
    PinyinCase{"\xF0\xA0\x82\x87", ""},                  // U+20087, outside the table
    PinyinCase{"", ""},
    PinyinCase{"阿", "A"},                               // phrase start at the end of the text
    PinyinCase{"白", "B"}));

// Every Chinese character of the GBK code space, decoded as a GBK file would
// be, gets exactly one initial.
TEST(PinyinTable, CoversEveryGbkChineseCharacter)
{
    int checked = 0;
    QStringList missing;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F)
                continue;
            const char bytes[] = {char(lead), char(trail)};
            QStringDecoder decoder("GBK");
            const QString text = decoder(QByteArray(bytes, 2));
            if (decoder.hasError() || text.size() != 1)
                continue;
            const QChar c = text.front();
            const bool chinese = (c.script() == QChar::Script_Han && c.category() == QChar::Letter_Other)
                || c == QChar(0x3007);
            if (!chinese)
                continue;
            ++checked;
            const QString code = PinyinInitials(text);
            if (code.size() != 1 || code.front() < QLatin1Char('A') || code.front() > QLatin1Char('Z'))
                missing << QStringLiteral("%1 (%2)").arg(text, QString::number(lead * 256 + trail, 16));
        }
    }
    // GBK holds all 20902 ideographs U+4E00..U+9FA5 and a few more.
    EXPECT_GE(checked, 20902);
    EXPECT_TRUE(missing.isEmpty()) << missing.join(QLatin1Char(' ')).toStdString();
    std::cout << "GBK Chinese characters checked: " << checked << '\n';
}

struct Row
{
    QString first;
    QString second;
};

// Rows "first<TAB>second" of a text file in data/pinyin, without comments.
std::vector<Row> readRows(const char* name)
{
    QFile file(QStringLiteral(SOURCE_DIR "/data/pinyin/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << name;
    std::vector<Row> rows;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.trimmed().isEmpty() || line.trimmed().startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        EXPECT_GE(fields.size(), 2) << line.toStdString();
        if (fields.size() >= 2)
            rows.push_back({fields[0].trimmed(), fields[1].trimmed()});
    }
    return rows;
}

// The generated table matches the word lists it was generated from: an
// edit of drug_phrases.txt or char_overrides.txt without running the
// generator again shows here.
TEST(PinyinTable, AgreesWithItsSourceLists)
{
    for (const Row& row : readRows("drug_phrases.txt"))
        EXPECT_EQ(PinyinInitials(row.first), row.second) << row.first.toStdString();
    for (const Row& row : readRows("char_overrides.txt")) {
        const QString reading = row.second.normalized(QString::NormalizationForm_D);
        EXPECT_EQ(PinyinInitials(row.first), reading.left(1).toUpper()) << row.first.toStdString();
    }
}

TEST(PinyinDrugNames, AtLeast99PercentAsExpected)
{
    const std::vector<Row> names = readRows("drug_names_check.tsv");
    ASSERT_GE(names.size(), 400u);
    std::size_t right = 0;
    for (const Row& name : names) {
        const QString code = PinyinInitials(name.first);
        if (code == name.second)
            ++right;
        else
            std::cout << "  " << name.first.toStdString() << ": expected " << name.second.toStdString()
                      << ", got " << code.toStdString() << '\n';
    }
    const double rate = double(right) / double(names.size());
    std::cout << "drug names as expected: " << right << " of " << names.size() << '\n';
    EXPECT_GE(rate, 0.99);
}

} // namespace
