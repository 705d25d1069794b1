#pragma once

#include <QDate>
#include <QString>

// Heavenly stems, earthly branches, and the stem and branch of a year or a day.

// 甲 … 癸 for 0 … 9; any other index gives the empty text.
QString StemName(int index);
// 子 … 亥 for 0 … 11; any other index gives the empty text.
QString BranchName(int index);

struct StemBranch
{
    QString stem;
    QString branch;
};

// 1901 is 辛丑 and the cycle runs on from there (1984 甲子, 2013 癸巳).
// Years before 1901 continue the cycle backwards (1900 庚子).
StemBranch YearStemBranch(int year);

// The stem of a day, counted from 1901-01-06, a 甲 day. Days before that
// date count backwards through the cycle (1901-01-05 is 癸).
QString DayStem(const QDate& date);
