#pragma once

#include <QString>

class Database;
struct LoadedYear;
struct YearSummary;

// The whole-year analysis of the year on show: how movement and qi agree or
// differ, whether the year is balanced (平气), the 干德符 test of the year
// stem against the stem of the 交运日 (the year's 大寒 day), and the texts
// on the year movement and on its 司天 and 在泉 qi. Lookups that find no row
// give empty texts and a false table verdict.
struct WholeYearAnalysis
{
    // From 甲子表 for the year's stem and branch.
    QString kindLabel;          // 运气同化或异化字样 followed by ":"  (Edit4)
    QString kindName;           // 运气同化或异化名称                (Edit1)
    QString kindJudgement;      // 运气同化或异化判断                (Edit2)
    QString balanceJudgement;   // 平气判断                          (Memo1)
    QString jointTreatment;     // 运气同治                          (Memo10)
    QString combinedTreatment;  // 运气合治                          (Memo11)
    bool tableSaysBalanced = false; // 是否平气

    // The 干德符 test.
    QString dayStem;            // stem of the 交运日
    bool formsGanDeFu = false;
    QString ganDeFuSentence;    // (Edit3)

    // Balanced by either the 干德符 or the table's verdict.
    bool countsAsBalanced = false;
    // Key of the three-kinds text: the year movement, with 太 and 少 read as
    // 平 when the year counts as balanced.
    QString threeKindsKey;

    // From 五运胜复.
    QString threeKinds;         // 三气之纪 of threeKindsKey             (Memo2)
    QString victory;            // 胜 of the unchanged year movement      (Memo3)
    QString revenge;            // 复                                    (Memo4)
    QString outburst;           // 郁发                                  (Memo5)

    // From 司天在泉.
    QString sitianExcess;       // 淫胜 of the 司天 row for SitianQi     (Memo6)
    QString sitianRule;         // 治则                                  (Memo7)
    QString zaiquanExcess;      // 淫胜 of the 在泉 row for ZaiquanQi    (Memo8)
    QString zaiquanRule;        // 治则                                  (Memo9)
};

// Runs the six lookups in order: 甲子表, 天干合, 五运胜复 (balanced key),
// 五运胜复 (year movement), 司天在泉 for 司天, 司天在泉 for 在泉.
WholeYearAnalysis AnalyseWholeYear(Database& db, const LoadedYear& year, const YearSummary& summary);

// The key of the three-kinds text: every 太, then every 少, becomes 平 when
// the year counts as balanced; otherwise the movement unchanged.
QString BalancedMovementKey(const QString& yearMovement, bool countsAsBalanced);
