#include "clinic/catalog/CategoryOps.h"

#include "platform/db/SqlText.h"

const CategoryEditorKind& drugCategoryEditorKind()
{
    static const CategoryEditorKind kind{
        QStringLiteral("药品类别表"),
        QStringLiteral("select   *  from  类别表  where  类别名称='中药'  or 类别名称='西药'  "),
        QStringLiteral("中药还是西药："),
        QString(),
    };
    return kind;
}

const CategoryEditorKind& libraryCategoryEditorKind()
{
    static const CategoryEditorKind kind{
        QStringLiteral("药方类别表"),
        QStringLiteral("select   *  from  类别表  where  类别名称='药方库'"),
        QStringLiteral("类别名称："),
        kLibraryClass,
    };
    return kind;
}

QString checkCategoryBeforeSave(const QString& categoryClass, const QString& categoryName)
{
    if (categoryClass.isEmpty())
        return QStringLiteral("请选择中药还是西药");
    if (categoryName.isEmpty())
        return QStringLiteral("请输入一级科目名");
    return QString();
}

QString categoryListSql(const QString& categoryClass)
{
    return "select  *   from  类别表  where 类别名称='" + escapeSql(categoryClass) + "'";
}

QString categoryClassOf(Database& db, const QString& categoryId)
{
    bool isNumber = false;
    const qint64 id = categoryId.trimmed().toLongLong(&isNumber);
    if (!isNumber)
        return QString();
    return valueText(db.scalar("select 类别名称 from 类别表 where ID=?", {id}));
}
