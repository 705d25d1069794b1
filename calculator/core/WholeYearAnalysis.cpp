#include "calculator/core/WholeYearAnalysis.h"

#include "calculator/core/LoadedYear.h"
#include "calculator/core/StemBranch.h"
#include "calculator/core/YearQueries.h"
#include "platform/db/Database.h"

namespace {

Row firstRow(Database& db, const QString& sql)
{
    return db.query(sql).firstOrEmpty();
}

QString ganDeFuSentence(const QString& dayStem, const QString& yearStem, bool forms, const QString& judgement)
{
    const QString start = QStringLiteral("交运日日干是") + dayStem + QStringLiteral(",年干是") + yearStem;
    if (forms)
        return start + QStringLiteral(",") + judgement + QStringLiteral(",形成干德符,是平气之年.");
    return start + QStringLiteral(",没有形成干德符.");
}

} // namespace

QString BalancedMovementKey(const QString& yearMovement, bool countsAsBalanced)
{
    QString key = yearMovement;
    if (countsAsBalanced) {
        key.replace(QStringLiteral("太"), QStringLiteral("平"));
        key.replace(QStringLiteral("少"), QStringLiteral("平"));
    }
    return key;
}

WholeYearAnalysis AnalyseWholeYear(Database& db, const LoadedYear& year, const YearSummary& summary)
{
    WholeYearAnalysis a;

    const Row cycle = firstRow(db, QStringLiteral("select * from 甲子表 where 天干='") + escapeSql(year.YearStem)
                                       + QStringLiteral("' and 地支='") + escapeSql(year.YearBranch)
                                       + QStringLiteral("'"));
    a.kindLabel = cycle.text(QStringLiteral("运气同化或异化字样")) + QStringLiteral(":");
    a.kindName = cycle.text(QStringLiteral("运气同化或异化名称"));
    a.kindJudgement = cycle.text(QStringLiteral("运气同化或异化判断"));
    a.balanceJudgement = cycle.text(QStringLiteral("平气判断"));
    a.jointTreatment = cycle.text(QStringLiteral("运气同治"));
    a.combinedTreatment = cycle.text(QStringLiteral("运气合治"));
    a.tableSaysBalanced = cycle.boolean(QStringLiteral("是否平气"));

    a.dayStem = DayStem(year.YearStart);
    const RowSet pair = db.query(QStringLiteral("select * from 天干合 where 年干='") + escapeSql(year.YearStem)
                                 + QStringLiteral("' and 日干='") + escapeSql(a.dayStem) + QStringLiteral("'"));
    a.formsGanDeFu = !pair.isEmpty();
    a.ganDeFuSentence = ganDeFuSentence(a.dayStem, year.YearStem, a.formsGanDeFu,
                                        pair.firstOrEmpty().text(QStringLiteral("判断")));

    a.countsAsBalanced = a.formsGanDeFu || a.tableSaysBalanced;
    a.threeKindsKey = BalancedMovementKey(summary.YearMovement, a.countsAsBalanced);

    a.threeKinds = firstRow(db, QStringLiteral("select * from 五运胜复 where 五运='") + escapeSql(a.threeKindsKey)
                                    + QStringLiteral("'"))
                       .text(QStringLiteral("三气之纪"));

    const Row movement = firstRow(db, QStringLiteral("select * from 五运胜复 where 五运='")
                                          + escapeSql(summary.YearMovement) + QStringLiteral("'"));
    a.victory = movement.text(QStringLiteral("胜"));
    a.revenge = movement.text(QStringLiteral("复"));
    a.outburst = movement.text(QStringLiteral("郁发"));

    const Row sitian = firstRow(db, QStringLiteral("select * from 司天在泉 where 司天在泉='司天' and 三阴三阳='")
                                        + escapeSql(summary.SitianQi) + QStringLiteral("'"));
    a.sitianExcess = sitian.text(QStringLiteral("淫胜"));
    a.sitianRule = sitian.text(QStringLiteral("治则"));

    const Row zaiquan = firstRow(db, QStringLiteral("select * from 司天在泉 where 司天在泉='在泉' and 三阴三阳='")
                                         + escapeSql(summary.ZaiquanQi) + QStringLiteral("'"));
    a.zaiquanExcess = zaiquan.text(QStringLiteral("淫胜"));
    a.zaiquanRule = zaiquan.text(QStringLiteral("治则"));

    return a;
}
