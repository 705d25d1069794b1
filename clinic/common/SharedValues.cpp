#include "clinic/common/SharedValues.h"

SharedValues& SharedValues::instance()
{
    static SharedValues values;
    return values;
}

int SharedValues::indexOf(const QString& name) const
{
    for (int i = 0; i < m_pairs.size(); ++i)
        if (m_pairs[i].first.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString SharedValues::value(const QString& name) const
{
    const int i = indexOf(name);
    return i < 0 ? QString() : m_pairs[i].second;
}

void SharedValues::setValue(const QString& name, const QString& value)
{
    const int i = indexOf(name);
    if (value.isEmpty()) {
        if (i >= 0)
            m_pairs.removeAt(i);
    } else if (i >= 0) {
        m_pairs[i].second = value;
    } else {
        m_pairs.append({name, value});
    }
}

bool SharedValues::contains(const QString& name) const
{
    return indexOf(name) >= 0;
}

void SharedValues::clear()
{
    m_pairs.clear();
}
