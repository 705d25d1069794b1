#include "clinic/common/ItemLoaders.h"

#include "platform/db/SqlText.h"

GoodsList LoadDrugsByClass(Database& db, const QString& categoryClass)
{
    const RowSet rows = db.query(
        " select a.*,b.一级科目名 from 药品表 a left join 类别表 b on CStr(b.ID)=a.类别ID where b.类别名称='"
        + escapeSql(categoryClass) + "'" + " order by  a.类别ID");
    GoodsList items;
    items.reserve(rows.size());
    for (const Row& row : rows.rows) {
        TGoodsObj item;
        item.ID = row.text("ID");
        item.ClassID = row.text("类别ID");
        item.Name = row.text("药品名");
        item.Kind = row.text("品种");
        item.Spec = row.text("规格");
        item.Unit = row.text("单位");
        item.Category = row.text("一级科目名");
        item.Quantity = QStringLiteral("1");
        items.append(item);
    }
    return items;
}

GoodsList LoadRecipesByClass(Database& db, const QString& categoryClass)
{
    const RowSet rows = db.query(
        " select a.*,b.一级科目名 from 药方主表 a left join 类别表 b on CStr(b.ID)=a.类别ID where b.类别名称='"
        + escapeSql(categoryClass) + "'" + " order by  a.类别ID");
    GoodsList items;
    items.reserve(rows.size());
    for (const Row& row : rows.rows) {
        TGoodsObj item;
        item.ID = row.text("ID");
        item.ClassID = row.text("类别ID");
        item.Name = row.text("药方名");
        item.Kind = row.text("说明");
        item.Category = row.text("一级科目名");
        items.append(item);
    }
    return items;
}
