#pragma once

#include <QDate>
#include <QString>
#include <array>

// The years the calculator offers (the year list, tamsor-cli).
constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2031;

// One movement-and-qi year as loaded for display: it runs from the 大寒 day
// of Year to the 大寒 day of Year + 1.
//
// Every period boundary lies at 00:00 of its day, so a boundary is kept as
// the day it starts; an instant belongs to a period by its date alone, and
// its time of day never moves it across a boundary.
struct LoadedYear
{
    int Year = 0;
    QString YearStem;
    QString YearBranch;
    QDate YearStart;
    QDate NextYearStart;
    // Starts of 初运 二运 三运 四运 终运, then NextYearStart.
    std::array<QDate, 6> MovementStarts;
    // Starts of 初气 气二 气三 气四 气五 终气, then NextYearStart.
    std::array<QDate, 7> QiStarts;
};
