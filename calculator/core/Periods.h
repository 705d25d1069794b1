#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <span>

// Periods of a movement-and-qi year and the cells of the two grids.

// Column names of the five movement periods (初运 … 终运) and of the six qi
// periods (初气 … 终气), in period order.
const QStringList& MovementColumns();
const QStringList& QiColumns();

// Index of the period that contains a day, given the period starts followed
// by the end day: period k holds starts[k] <= day < starts[k + 1]. Empty
// when the day lies before the first start or on or after the end.
std::optional<int> PeriodContaining(std::span<const QDate> starts, const QDate& day);
// The same for an instant; boundaries lie at 00:00, so its day decides.
std::optional<int> PeriodContaining(std::span<const QDate> starts, const QDateTime& instant);

// A coloured cell of the movement grid: rows 主运, 客运, 客运2 under 初运 … 终运.
bool IsMovementCell(const QString& rowKind, const QString& column);
// A coloured cell of the qi grid: rows 主气, 客气, 分析 under 初气 … 终气.
bool IsQiCell(const QString& rowKind, const QString& column);
