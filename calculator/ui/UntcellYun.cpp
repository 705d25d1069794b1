#include "calculator/ui/UntcellYun.h"

TfrmcellYun::TfrmcellYun(QWidget* mainWindow)
    : CellAnalysisWindow(QStringLiteral("frmcellYun"), QStringLiteral("五运当前单元格的分析"),
                         {
                             {QStringLiteral("三气之纪"), {{}}},
                             {QStringLiteral("胜"), {{}}},
                             {QStringLiteral("复"), {{}}},
                             {QStringLiteral("郁发"), {{}}},
                         },
                         mainWindow)
{
}
