#pragma once

#include "calculator/ui/CellAnalysisWindow.h"

// The analysis of a clicked cell of the qi 分析 row (form frmQiAnalyz):
// Edit1 names the cell (column first); page 客主分析 holds Memo1 (司天客主分析)
// and Memo2 (在泉客主分析), page 治则治法 Memo3 (主气治则) and Memo4 (客气治则),
// page 运气合治 Memo5, each the clicked column of that QI row.
class TfrmQiAnalyz : public CellAnalysisWindow
{
    Q_OBJECT

public:
    explicit TfrmQiAnalyz(QWidget* mainWindow);
};
