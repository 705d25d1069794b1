#pragma once

#include <QString>
#include <QStringList>
#include <QList>
#include <QPair>

// A program-wide list of name=value texts through which windows hand results
// to each other: the record-selection mailbox under random keys, and the
// save-to-library dialog's answers under fixed keys. Names ignore Latin case;
// writing the empty value removes the name; an absent name reads as "".
class SharedValues
{
public:
    static SharedValues& instance();

    QString value(const QString& name) const;
    void setValue(const QString& name, const QString& value);
    bool contains(const QString& name) const;
    void clear();

    // The fixed keys of the save-to-library dialog's answers.
    static inline const QString kLibraryCategory = QStringLiteral("savelib001");
    static inline const QString kLibraryName = QStringLiteral("savelib002");
    static inline const QString kLibraryDescription = QStringLiteral("savelib003");

private:
    int indexOf(const QString& name) const;
    QList<QPair<QString, QString>> m_pairs; // in the order they were added
};
