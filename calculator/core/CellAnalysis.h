#pragma once

#include <QString>
#include <QStringList>

class Database;

// The last clicked grid cell, as the main window keeps it; all empty when no
// cell is chosen or the grid has lost the focus since.
struct ClickedCell
{
    QString ClickedRowKind; // 属性 of the clicked row
    QString ClickedColumn;  // field name of the clicked column
    QString ClickedText;    // content of the clicked cell
};

// What explaining the clicked cell shows: one of three analysis windows with
// its Edit1 caption and the texts of its Memo1 … MemoN, or, for a cell that
// is not coloured (or none), a message.
struct CellAnalysis
{
    enum class Window {
        None,         // show `message` instead
        MovementCell, // TfrmcellYun: 三气之纪, 胜, 复, 郁发
        QiCell,       // TfrmcellQi: 淫胜, 淫胜治则, 复气, 复气治则
        QiAnalysis,   // TfrmQiAnalyz: 司天客主分析, 在泉客主分析, 主气治则, 客气治则, 运气合治
    };

    Window window = Window::None;
    QString caption;   // text of the window's Edit1
    QStringList texts; // Memo1, Memo2, … in order; an absent row gives empty texts
    QString message;   // only for Window::None
};

// Decides from the clicked cell which analysis applies and reads its texts;
// yearBranch is the branch of the year on show (for the 分析 row's texts).
CellAnalysis AnalyseClickedCell(Database& db, const ClickedCell& cell, const QString& yearBranch);

// The message for a cell that has no analysis: three lines, each break a
// line feed followed by a carriage return.
QString NoColouredCellMessage();
