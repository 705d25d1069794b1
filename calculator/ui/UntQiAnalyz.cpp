#include "calculator/ui/UntQiAnalyz.h"

TfrmQiAnalyz::TfrmQiAnalyz(QWidget* mainWindow)
    : CellAnalysisWindow(QStringLiteral("frmQiAnalyz"), QStringLiteral("六气分析的当前单元格的分析"),
                         {
                             {QStringLiteral("客主分析"),
                              {{QStringLiteral("司天客主分析:")}, {QStringLiteral("在泉客主分析:")}}},
                             {QStringLiteral("治则治法"), {{QStringLiteral("主气治则:")}, {QStringLiteral("客气治则:")}}},
                             {QStringLiteral("运气合治"), {{QStringLiteral("运气合治:")}}},
                         },
                         mainWindow)
{
}
