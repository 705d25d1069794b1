#include "clinic/app/Openers.h"

#include "clinic/catalog/U_goods.h"
#include "clinic/catalog/U_goodsclass.h"
#include "clinic/catalog/U_paperclass.h"
#include "clinic/common/MdiWindows.h"
#include "clinic/users/U_userinfo.h"
#include "platform/widgets/Messages.h"

#include <QApplication>

QString notYetImplementedText(const QString& windowName)
{
    return QStringLiteral("“%1”窗口尚未实现。").arg(windowName);
}

namespace {
bool notYetImplemented(const QString& windowName)
{
    Messages::show(QApplication::activeWindow(), notYetImplementedText(windowName), QStringLiteral("提示"));
    return false;
}
} // namespace

bool OpenDrugCategoryEditor()
{
    return OpenGoodsClass();
}

bool OpenRecipeCategoryEditor()
{
    return OpenPaperClass();
}

bool OpenUserAccounts()
{
    return OpenUserinfo();
}

bool OpenDrugInventory(const QString& categoryId, const QString& drugId)
{
    return OpenGoodsPositioned(categoryId, drugId);
}

bool OpenDrugQuery()
{
    return notYetImplemented(QStringLiteral("药品库查询"));
}

bool OpenRecipeLibrary(const QString& /*categoryId*/, const QString& /*templateId*/)
{
    return notYetImplemented(QStringLiteral("药方库"));
}

bool OpenRecipeLibraryQuery()
{
    return notYetImplemented(QStringLiteral("药方库查询"));
}

bool OpenHistoryQuery()
{
    return notYetImplemented(QStringLiteral("历史药方查询"));
}

bool OpenPrescriptionWriting(const QString& /*recordId*/)
{
    return notYetImplemented(QStringLiteral("开药方"));
}

bool OpenHistoricalPrescription(const QString& /*prescriptionId*/)
{
    return notYetImplemented(QStringLiteral("历史药方"));
}

bool OpenMedicalRecord(const QString& /*recordId*/)
{
    return notYetImplemented(QStringLiteral("病历"));
}

bool OpenRecordQuery(const QString& /*selectionKey*/)
{
    return notYetImplemented(QStringLiteral("查询病历"));
}

bool OpenUsageStatistics()
{
    return notYetImplemented(QStringLiteral("用药统计"));
}
