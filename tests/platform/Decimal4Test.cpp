#include "platform/text/Decimal4.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

Decimal4 d(const char* text)
{
    return Decimal4::parse(QString::fromLatin1(text)).value();
}

struct TextCase
{
    const char* input;
    const char* shortest;
    const char* money;
};

class Decimal4Text : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(Decimal4Text, ParsesAndPrints)
{
    const TextCase& c = GetParam();
    const Decimal4 value = d(c.input);
    EXPECT_EQ(value.toString(), QString::fromLatin1(c.shortest));
    EXPECT_EQ(value.toMoneyText(), QString::fromLatin1(c.money));
}

INSTANTIATE_TEST_SUITE_P(Cases, Decimal4Text,
                         ::testing::Values(TextCase{"0", "0", "0.00"}, TextCase{"2.5", "2.5", "2.50"},
                                           TextCase{"10", "10", "10.00"}, TextCase{"10.000", "10", "10.00"},
                                           TextCase{"-0.125", "-0.125", "-0.13"}, // money: half away from zero
                                           TextCase{"0.125", "0.125", "0.13"},
                                           TextCase{"0.0049", "0.0049", "0.00"},
                                           TextCase{"-0.004", "-0.004", "0.00"}, // no "-0.00"
                                           TextCase{"+3.14159", "3.1416", "3.14"},
                                           TextCase{"0.00005", "0", "0.00"}, // half to even at the 4th place
                                           TextCase{"0.00015", "0.0002", "0.00"},
                                           TextCase{".5", "0.5", "0.50"},
                                           TextCase{"1.0000000000000000000", "1", "1.00"},
                                           TextCase{"2.00004999999999999999", "2", "2.00"},
                                           TextCase{"123456789.9999", "123456789.9999", "123456790.00"}));

TEST(Decimal4, RejectsWhatIsNotANumber)
{
    for (const char* bad : {"", " ", "abc", "1.2.3", "1,5", "12a", "-", ".", "1e5", "￥5",
                            "922337203685478", "-99999999999999999999", "123456789012345678901234567890.5"})
        EXPECT_FALSE(Decimal4::parse(QString::fromUtf8(bad)).has_value()) << bad;
}

TEST(Decimal4, LargestValuesStillParse)
{
    EXPECT_EQ(d("922337203685477.5807").raw(), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(d("-922337203685477.5807").raw(), -std::numeric_limits<std::int64_t>::max());
}

TEST(Decimal4, ProductsRoundHalfToEven)
{
    // 0.0001 * 0.5 = 0.00005 -> 0 (even), 0.0003 * 0.5 = 0.00015 -> 0.0002 (even)
    EXPECT_EQ((d("0.0001") * d("0.5")).toString(), "0");
    EXPECT_EQ((d("0.0003") * d("0.5")).toString(), "0.0002");
    EXPECT_EQ((d("-0.0003") * d("0.5")).toString(), "-0.0002");
    EXPECT_EQ((d("12.5") * d("3")).toString(), "37.5");
    EXPECT_EQ((d("0.33") * d("0.33")).toString(), "0.1089");
    EXPECT_EQ((d("1.2345") * d("1.2345")).toString(), "1.524"); // 1.52399025
}

TEST(Decimal4, SumsStayExact)
{
    Decimal4 total;
    for (int i = 0; i < 10; ++i)
        total += d("0.1");
    EXPECT_EQ(total, d("1"));
    EXPECT_EQ(Decimal4::fromDouble(0.1 + 0.2), d("0.3"));
}

} // namespace
