#include "clinic/common/ItemLoaders.h"

#include "platform/db/SqlText.h"

namespace {

// The rows of one item table whose category has the given class, with the
// category's name, ordered by the category reference.
RowSet itemsOfClass(Database& db, const QString& itemTable, const QString& categoryClass)
{
    return db.query(" select a.*,b.一级科目名 from " + itemTable
                    + " a left join 类别表 b on CStr(b.ID)=a.类别ID where b.类别名称='" + escapeSql(categoryClass)
                    + "'" + " order by  a.类别ID");
}

} // namespace

GoodsList LoadDrugsByClass(Database& db, const QString& categoryClass)
{
    GoodsList items;
    for (const Row& row : itemsOfClass(db, "药品表", categoryClass).rows) {
        items.append({.ID = row.text("ID"),
                      .ClassID = row.text("类别ID"),
                      .Name = row.text("药品名"),
                      .Kind = row.text("品种"),
                      .Spec = row.text("规格"),
                      .Unit = row.text("单位"),
                      .Category = row.text("一级科目名"),
                      .Quantity = QStringLiteral("1")});
    }
    return items;
}

GoodsList LoadRecipesByClass(Database& db, const QString& categoryClass)
{
    GoodsList items;
    for (const Row& row : itemsOfClass(db, "药方主表", categoryClass).rows) {
        items.append({.ID = row.text("ID"),
                      .ClassID = row.text("类别ID"),
                      .Name = row.text("药方名"),
                      .Kind = row.text("说明"),
                      .Spec = {},
                      .Unit = {},
                      .Category = row.text("一级科目名"),
                      .Quantity = {}});
    }
    return items;
}
