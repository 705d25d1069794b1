#pragma once

#include <QList>
#include <QString>

// One item of a picker list: a drug (药品表 row) or a library template
// (药方主表 row), all fields as text.
//
// Field     drug           template
// ID        药品表.ID      药方主表.ID
// ClassID   类别ID         类别ID
// Name      药品名         药方名
// Kind      品种           说明
// Spec      规格           -
// Unit      单位           -
// Category  一级科目名     一级科目名
// Quantity  "1" (edited in the drug picker)  -
struct TGoodsObj
{
    QString ID;
    QString ClassID;
    QString Name;
    QString Kind;
    QString Spec;
    QString Unit;
    QString Category;
    QString Quantity;
};

using GoodsList = QList<TGoodsObj>;
