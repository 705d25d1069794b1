#pragma once

#include "calculator/ui/CellAnalysisWindow.h"

// The analysis of a clicked movement cell (form frmcellYun): Edit1 names the
// cell, Memo1 … Memo4 on the pages 三气之纪, 胜, 复, 郁发 hold the texts of
// 五运胜复 for the cell's movement.
class TfrmcellYun : public CellAnalysisWindow
{
    Q_OBJECT

public:
    explicit TfrmcellYun(QWidget* mainWindow);
};
