#include "calculator/cli/CliReport.h"

#include "calculator/core/DateText.h"
#include "calculator/core/Periods.h"
#include "calculator/core/SolarCalendar.h"
#include "calculator/core/WholeYearAnalysis.h"
#include "calculator/core/YearQueries.h"
#include "platform/db/Database.h"

namespace {

// "初运=2013-1-20  二运=…" from the 公历 row of a table as it is stored now.
QString gregorianRow(Database& db, const QString& table, const QStringList& columns)
{
    const Row row = db.query(QStringLiteral("select * from %1 where 属性='公历'").arg(table)).firstOrEmpty();
    QStringList cells;
    for (const QString& column : columns)
        cells << column + QStringLiteral("=") + row.text(column);
    return cells.join(QStringLiteral("  "));
}

QString periodName(const QStringList& columns, std::optional<int> index)
{
    return index ? columns[*index] : QStringLiteral("(不在本年内)");
}

} // namespace

QString YearReport(Database& db, int year, const std::optional<QDateTime>& now)
{
    const LoadedYear loaded = WriteGregorianSpans(db, year);
    const YearSummary summary = LoadYearSummary(db, loaded.YearStem, loaded.YearBranch);
    const WholeYearAnalysis a = AnalyseWholeYear(db, loaded, summary);

    QStringList out = YearSummaryLines(loaded, summary);
    out << QString()
        << QStringLiteral("五运 公历: ") + gregorianRow(db, QStringLiteral("yun"), MovementColumns())
        << QStringLiteral("六气 公历: ") + gregorianRow(db, QStringLiteral("qi"), QiColumns());
    if (now) {
        out << QStringLiteral("现在 %1: 五运 %2, 六气 %3")
                   .arg(DateText(now->date()),
                        periodName(MovementColumns(), PeriodContaining(loaded.MovementStarts, *now)),
                        periodName(QiColumns(), PeriodContaining(loaded.QiStarts, *now)));
    }
    out << QString() << QStringLiteral("全年运气分析")
        << a.kindLabel + a.kindName + QStringLiteral("  ") + a.kindJudgement
        << QStringLiteral("平气判断: ") + a.balanceJudgement
        << QStringLiteral("是否干德符: ") + a.ganDeFuSentence
        << QStringLiteral("运气同治: ") + a.jointTreatment
        << QStringLiteral("运气合治: ") + a.combinedTreatment
        << QStringLiteral("岁运 三气之纪 (%1): ").arg(a.threeKindsKey) + a.threeKinds
        << QStringLiteral("岁运 胜: ") + a.victory
        << QStringLiteral("岁运 复: ") + a.revenge
        << QStringLiteral("岁运 郁发: ") + a.outburst
        << QStringLiteral("司天 淫胜: ") + a.sitianExcess
        << QStringLiteral("司天 治则: ") + a.sitianRule
        << QStringLiteral("在泉 淫胜: ") + a.zaiquanExcess
        << QStringLiteral("在泉 治则: ") + a.zaiquanRule;
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
