#include "calculator/core/Periods.h"

const QStringList& MovementColumns()
{
    static const QStringList columns{QStringLiteral("初运"), QStringLiteral("二运"), QStringLiteral("三运"),
                                     QStringLiteral("四运"), QStringLiteral("终运")};
    return columns;
}

const QStringList& QiColumns()
{
    static const QStringList columns{QStringLiteral("初气"), QStringLiteral("气二"), QStringLiteral("气三"),
                                     QStringLiteral("气四"), QStringLiteral("气五"), QStringLiteral("终气")};
    return columns;
}

std::optional<int> PeriodContaining(std::span<const QDate> starts, const QDate& day)
{
    for (size_t k = 0; k + 1 < starts.size(); ++k) {
        if (starts[k] <= day && day < starts[k + 1])
            return int(k);
    }
    return std::nullopt;
}

std::optional<int> PeriodContaining(std::span<const QDate> starts, const QDateTime& instant)
{
    return PeriodContaining(starts, instant.date());
}

bool IsMovementCell(const QString& rowKind, const QString& column)
{
    static const QStringList kinds{QStringLiteral("主运"), QStringLiteral("客运"), QStringLiteral("客运2")};
    return kinds.contains(rowKind) && MovementColumns().contains(column);
}

bool IsQiCell(const QString& rowKind, const QString& column)
{
    static const QStringList kinds{QStringLiteral("主气"), QStringLiteral("客气"), QStringLiteral("分析")};
    return kinds.contains(rowKind) && QiColumns().contains(column);
}
