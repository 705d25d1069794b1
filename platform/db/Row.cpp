#include "platform/db/Row.h"

#include "platform/db/DatabaseError.h"

Columns::Columns(const QStringList& names)
    : m_names(names)
{
    for (int i = 0; i < names.size(); ++i) {
        const QString key = names[i].toLower();
        if (!m_index.contains(key))
            m_index.insert(key, i);
    }
}

int Columns::indexOf(const QString& name) const
{
    return m_index.value(name.toLower(), -1);
}

QString valueText(const QVariant& value)
{
    if (value.isNull())
        return QString();
    if (value.typeId() == QMetaType::Double) {
        // Numbers stored as REAL print without a trailing ".0" for whole values.
        return Decimal4::fromDouble(value.toDouble()).toString();
    }
    return value.toString();
}

qint64 valueInteger(const QVariant& value)
{
    if (value.isNull())
        return 0;
    if (value.typeId() == QMetaType::Double)
        return qint64(value.toDouble());
    bool ok = false;
    const qint64 n = value.toLongLong(&ok);
    if (ok)
        return n;
    return qint64(value.toString().trimmed().toDouble());
}

Decimal4 valueDecimal(const QVariant& value)
{
    if (value.isNull())
        return Decimal4();
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
        return Decimal4::fromInteger(value.toLongLong());
    case QMetaType::Double:
        return Decimal4::fromDouble(value.toDouble());
    default:
        return Decimal4::parse(value.toString()).value_or(Decimal4());
    }
}

bool valueBoolean(const QVariant& value)
{
    if (value.isNull())
        return false;
    if (value.typeId() == QMetaType::QString) {
        const QString t = value.toString().trimmed().toLower();
        return !(t.isEmpty() || t == QLatin1String("0") || t == QLatin1String("false")
                 || t == QLatin1String("no"));
    }
    return value.toDouble() != 0.0;
}

Row::Row(QSharedPointer<const Columns> columns, std::vector<QVariant> values)
    : m_columns(std::move(columns))
    , m_values(std::move(values))
{
}

int Row::indexOrThrow(const QString& name) const
{
    const int i = m_columns ? m_columns->indexOf(name) : -1;
    if (i < 0)
        throw DatabaseError(QStringLiteral("没有找到字段：%1").arg(name));
    return i;
}

const QVariant& Row::value(const QString& name) const
{
    return m_values[size_t(indexOrThrow(name))];
}

Row RowSet::firstOrEmpty() const
{
    if (!rows.empty())
        return rows.front();
    const auto cols = columns ? columns : QSharedPointer<const Columns>::create();
    return Row(cols, std::vector<QVariant>(size_t(cols->count())));
}
