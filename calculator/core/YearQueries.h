#pragma once

#include "platform/db/Row.h"

#include <QString>
#include <QStringList>

class Database;
struct LoadedYear;

// Reads of the YUN and QI tables for the year on show: the summary lookups
// and the rows of the movement and qi grids.

// The year's movement (岁运), 司天 and 在泉; an absent row gives empty texts.
struct YearSummary
{
    QString YearMovement;
    QString SitianQi;
    QString ZaiquanQi;
};

// 岁运 of the 客运 row of a year stem.
QString LoadYearMovement(Database& db, const QString& yearStem);
// 气三 (司天) and 终气 (在泉) of the 客气 row of a year branch; YearMovement stays empty.
YearSummary LoadSitianZaiquan(Database& db, const QString& yearBranch);
// Both lookups, in the order the year load runs them (岁运 first).
YearSummary LoadYearSummary(Database& db, const QString& yearStem, const QString& yearBranch);

// First line of the year summary: year, stem, branch and 年, e.g. "2013癸巳年".
QString YearTitleLine(int year, const QString& yearStem, const QString& yearBranch);
// The four summary lines: the title line, "岁运:…", "司天:…", "在泉:…".
QStringList YearSummaryLines(const LoadedYear& year, const YearSummary& summary);

// Every row of YUN / QI, as the grids show them before the first year load.
RowSet LoadAllMovementRows(Database& db);
RowSet LoadAllQiRows(Database& db);

// The movement grid of a year: the 公历, 交司 and 分析 rows and every row of
// the year stem, sorted by `order`.
RowSet LoadMovementRows(Database& db, const QString& yearStem);
// The qi grid of a year: the 公历, 交司, 司天在泉 and 主气 rows and the 客气
// and 分析 rows of the year branch, sorted by `order`.
RowSet LoadQiRows(Database& db, const QString& yearBranch);
