#pragma once

#include "platform/db/Database.h"

#include <QString>

// Category classes: the value of 类别表.类别名称.
inline const QString kChineseDrugClass = QStringLiteral("中药");
inline const QString kWesternDrugClass = QStringLiteral("西药");
inline const QString kLibraryClass = QStringLiteral("药方库");

// What tells the two category editors apart: the drug categories ("中药" and
// "西药", chosen per row) and the library categories (always "药方库").
struct CategoryEditorKind
{
    QString caption;       // window title
    QString sql;           // the editor's list
    QString classLabel;    // label of the class control
    QString fixedClass;    // the class every row gets; empty when the user chooses it
};

const CategoryEditorKind& drugCategoryEditorKind();
const CategoryEditorKind& libraryCategoryEditorKind();

// The checks before a category row is posted, in order: a class must be
// chosen, then a name typed. The texts are taken as they are, so a name made
// of spaces passes. Empty result: go on.
QString checkCategoryBeforeSave(const QString& categoryClass, const QString& categoryName);

// The categories of one class, for the inventory's two category pages.
QString categoryListSql(const QString& categoryClass);

// The class of a category row ("" when there is no such row), so that a
// caller who knows only the category can open the inventory on it.
QString categoryClassOf(Database& db, const QString& categoryId);
