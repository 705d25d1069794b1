#include "calculator/core/CellAnalysis.h"

#include "calculator/core/Periods.h"
#include "platform/db/Database.h"

namespace {

QStringList textsOf(const Row& row, const QStringList& columns)
{
    QStringList texts;
    for (const QString& column : columns)
        texts << row.text(column);
    return texts;
}

// A coloured movement or qi cell: its caption, and the texts of its row in
// the table keyed by the cell's text.
CellAnalysis keyedCell(Database& db, const ClickedCell& cell, CellAnalysis::Window window, const QString& table,
                       const QString& keyColumn, const QStringList& textColumns)
{
    CellAnalysis a;
    a.window = window;
    a.caption = cell.ClickedRowKind + QStringLiteral("的") + cell.ClickedColumn + QStringLiteral(":") + cell.ClickedText;
    const Row row = db.query(QStringLiteral("select * from ") + table + QStringLiteral(" where ") + keyColumn
                             + QStringLiteral("='") + escapeSql(cell.ClickedText) + QStringLiteral("'"))
                        .firstOrEmpty();
    a.texts = textsOf(row, textColumns);
    return a;
}

CellAnalysis movementCell(Database& db, const ClickedCell& cell)
{
    return keyedCell(db, cell, CellAnalysis::Window::MovementCell, QStringLiteral("五运胜复"), QStringLiteral("五运"),
                     {QStringLiteral("三气之纪"), QStringLiteral("胜"), QStringLiteral("复"), QStringLiteral("郁发")});
}

CellAnalysis qiCell(Database& db, const ClickedCell& cell)
{
    return keyedCell(db, cell, CellAnalysis::Window::QiCell, QStringLiteral("六气胜复"), QStringLiteral("六气"),
                     {QStringLiteral("淫胜"), QStringLiteral("淫胜治则"), QStringLiteral("复气"),
                      QStringLiteral("复气治则")});
}

CellAnalysis qiAnalysis(Database& db, const ClickedCell& cell, const QString& yearBranch)
{
    CellAnalysis a;
    a.window = CellAnalysis::Window::QiAnalysis;
    // Column first here: "初气的分析:…".
    a.caption = cell.ClickedColumn + QStringLiteral("的") + cell.ClickedRowKind + QStringLiteral(":") + cell.ClickedText;
    const QString branch = escapeSql(yearBranch);
    const QStringList statements{
        QStringLiteral("select * from QI where 属性='司天客主分析'   and  年支='") + branch + QStringLiteral("'"),
        QStringLiteral("select * from QI where 属性='在泉客主分析'   and  年支='") + branch + QStringLiteral("'"),
        QStringLiteral("select * from QI where 属性='主气治则'"),
        QStringLiteral("select * from QI where 属性='客气治则'   and  年支='") + branch + QStringLiteral("'"),
        QStringLiteral("select * from QI where 属性='运气合治'   and  年支='") + branch + QStringLiteral("'"),
    };
    for (const QString& sql : statements)
        a.texts << db.query(sql).firstOrEmpty().text(cell.ClickedColumn);
    return a;
}

} // namespace

QString NoColouredCellMessage()
{
    return QStringLiteral("只有单击或双击有颜色的单元格才有\"当前单元格的分析\".\n\r"
                          "即主运客运或客运2的初运二运三运四运终运,\n\r"
                          "或者主气客气或分析的初气气二气三气四气五终气");
}

CellAnalysis AnalyseClickedCell(Database& db, const ClickedCell& cell, const QString& yearBranch)
{
    if (IsMovementCell(cell.ClickedRowKind, cell.ClickedColumn))
        return movementCell(db, cell);
    if (IsQiCell(cell.ClickedRowKind, cell.ClickedColumn)) {
        if (cell.ClickedRowKind == QStringLiteral("分析"))
            return qiAnalysis(db, cell, yearBranch);
        return qiCell(db, cell); // 主气 or 客气
    }
    CellAnalysis a;
    a.message = NoColouredCellMessage();
    return a;
}
