#include "calculator/ui/UntcellQi.h"

TfrmcellQi::TfrmcellQi(QWidget* mainWindow)
    : CellAnalysisWindow(QStringLiteral("frmcellQi"), QStringLiteral("六气当前单元格的分析"),
                         {
                             {QStringLiteral("淫胜"), {{QStringLiteral("淫胜:")}, {QStringLiteral("治则:")}}},
                             {QStringLiteral("复气"), {{QStringLiteral("复气:")}, {QStringLiteral("治则:")}}},
                         },
                         mainWindow)
{
}
