#pragma once

#include "calculator/ui/CellAnalysisWindow.h"

// The analysis of a clicked 主气 or 客气 cell (form frmcellQi): Edit1 names
// the cell; page 淫胜 holds Memo1 (淫胜) and Memo2 (治则), page 复气 holds
// Memo3 (复气) and Memo4 (治则), the texts of 六气胜复 for the cell's qi.
class TfrmcellQi : public CellAnalysisWindow
{
    Q_OBJECT

public:
    explicit TfrmcellQi(QWidget* mainWindow);
};
