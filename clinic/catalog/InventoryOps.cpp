#include "clinic/catalog/InventoryOps.h"

#include "clinic/common/InputCode.h"
#include "platform/db/SqlText.h"

#include <exception>

QString drugsOfCategorySql(const QString& categoryId)
{
    return "select  *   from  药品表  where  类别ID='" + escapeSql(categoryId) + "'";
}

QString loadDrugsOfCategory(Database& db, DataSet& drugs, const QString& categoryId)
{
    try {
        drugs.close();
        drugs.open(db, drugsOfCategorySql(categoryId));
        return categoryId;
    } catch (const std::exception&) {
    }
    try {
        drugs.close();
        drugs.open(db, kNoDrugsSql);
    } catch (const std::exception&) {
        // The list stays closed; the next action on it reports the fault.
    }
    return QString();
}

void fillMissingInputCode(DataSet& drugs)
{
    if (!drugs.isEditing())
        return;
    const QString name = drugs.text("药品名");
    if (!name.trimmed().isEmpty() && drugs.text("输入码").trimmed().isEmpty())
        drugs.setValue("输入码", InputCodeOf(name));
}

QString prepareDrugForSave(DataSet& drugs, const QString& currentCategoryId)
{
    if (currentCategoryId.isEmpty())
        return QStringLiteral("数据已变化，请先刷新。");
    drugs.setValue("类别ID", currentCategoryId);
    fillMissingInputCode(drugs);
    return QString();
}

QString addDrugToPrescription(const DataSet& drugs, DataSet& prescriptionLines)
{
    if (drugs.currentRow() < 0)
        return QStringLiteral("没有相关记录");
    prescriptionLines.append();
    try {
        prescriptionLines.setValue("药品名", drugs.text("药品名"));
        prescriptionLines.setValue("规格", drugs.text("规格"));
        prescriptionLines.setValue("单位", drugs.text("单位"));
        prescriptionLines.setValue("数量", QVariant::fromValue(Decimal4::fromInteger(1)));
        prescriptionLines.post();
    } catch (...) {
        // A line that could not be posted is dropped, so the prescription
        // window is not left inserting a line its user never started.
        prescriptionLines.cancel();
        throw;
    }
    return QString();
}
