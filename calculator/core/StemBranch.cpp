#include "calculator/core/StemBranch.h"

#include <array>

namespace {

constexpr std::array<const char16_t*, 10> kStems = {u"甲", u"乙", u"丙", u"丁", u"戊",
                                                    u"己", u"庚", u"辛", u"壬", u"癸"};
constexpr std::array<const char16_t*, 12> kBranches = {u"子", u"丑", u"寅", u"卯", u"辰", u"巳",
                                                       u"午", u"未", u"申", u"酉", u"戌", u"亥"};

// The remainder in 0 … divisor − 1 also for negative numbers, so that the
// cycles run on backwards before their reference point.
qint64 cycleIndex(qint64 value, qint64 divisor)
{
    const qint64 r = value % divisor;
    return r < 0 ? r + divisor : r;
}

} // namespace

QString StemName(int index)
{
    if (index < 0 || index >= int(kStems.size()))
        return {};
    return QString::fromUtf16(kStems[size_t(index)]);
}

QString BranchName(int index)
{
    if (index < 0 || index >= int(kBranches.size()))
        return {};
    return QString::fromUtf16(kBranches[size_t(index)]);
}

StemBranch YearStemBranch(int year)
{
    const qint64 d = qint64(year) - 1901;
    return {StemName(int(cycleIndex(d + 7, 10))), BranchName(int(cycleIndex(d + 1, 12)))};
}

QString DayStem(const QDate& date)
{
    static const QDate jiaDay(1901, 1, 6);
    // Signed distance: a plain absolute distance would mirror the cycle for
    // days before the reference day and name the wrong stem.
    return StemName(int(cycleIndex(jiaDay.daysTo(date), 10)));
}
