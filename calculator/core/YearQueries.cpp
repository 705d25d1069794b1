#include "calculator/core/YearQueries.h"

#include "calculator/core/LoadedYear.h"
#include "platform/db/Database.h"

// The statements below keep their original spacing (no blank before
// "union" and "as"); only the column order is quoted, as SQLite reserves the
// word, and every spliced text goes through escapeSql.

QString LoadYearMovement(Database& db, const QString& yearStem)
{
    const RowSet rows = db.query(QStringLiteral("select 岁运 from yun where 属性='客运' and 年干='")
                                 + escapeSql(yearStem) + QStringLiteral("'"));
    return rows.firstOrEmpty().text(QStringLiteral("岁运"));
}

YearSummary LoadSitianZaiquan(Database& db, const QString& yearBranch)
{
    const RowSet rows = db.query(QStringLiteral("select 气三,终气 from Qi where 属性='客气' and 年支='")
                                 + escapeSql(yearBranch) + QStringLiteral("'"));
    const Row row = rows.firstOrEmpty();
    YearSummary summary;
    summary.SitianQi = row.text(QStringLiteral("气三"));
    summary.ZaiquanQi = row.text(QStringLiteral("终气"));
    return summary;
}

YearSummary LoadYearSummary(Database& db, const QString& yearStem, const QString& yearBranch)
{
    const QString movement = LoadYearMovement(db, yearStem);
    YearSummary summary = LoadSitianZaiquan(db, yearBranch);
    summary.YearMovement = movement;
    return summary;
}

QString YearTitleLine(int year, const QString& yearStem, const QString& yearBranch)
{
    return QString::number(year) + yearStem + yearBranch + QStringLiteral("年");
}

QStringList YearSummaryLines(const LoadedYear& year, const YearSummary& summary)
{
    return {YearTitleLine(year.Year, year.YearStem, year.YearBranch),
            QStringLiteral("岁运:") + summary.YearMovement,
            QStringLiteral("司天:") + summary.SitianQi,
            QStringLiteral("在泉:") + summary.ZaiquanQi};
}

RowSet LoadAllMovementRows(Database& db)
{
    return db.query(QStringLiteral("select * from  YUN"));
}

RowSet LoadAllQiRows(Database& db)
{
    return db.query(QStringLiteral("select * from   QI"));
}

RowSet LoadMovementRows(Database& db, const QString& yearStem)
{
    return db.query(QStringLiteral("select * from (select * from yun where 属性='公历'union select * from yun "
                                   "where 属性='交司'union select * from yun where 年干='")
                    + escapeSql(yearStem) + QStringLiteral("'")
                    + QStringLiteral("union select * from yun where 属性='分析')as www order by www.\"order\""));
}

RowSet LoadQiRows(Database& db, const QString& yearBranch)
{
    return db.query(QStringLiteral("select * from (select * from qi where 属性='公历'union select * from qi "
                                   "where 属性='交司'union select * from qi where 属性='司天在泉'union select * "
                                   "from qi where 属性='主气'union select * from qi where (属性='客气' or "
                                   "属性='分析') and (年支='")
                    + escapeSql(yearBranch) + QStringLiteral("')")
                    + QStringLiteral(")as www order by www.\"order\""));
}
