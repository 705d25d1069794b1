#include "clinic/common/OpenPrescription.h"

#include "clinic/common/MdiWindows.h"
#include "platform/widgets/Messages.h"

#include <QWidget>

QString openPrescriptionMessage(int openWindows)
{
    if (openWindows == 0)
        return QStringLiteral("你还没有打开[开药方]窗体！");
    if (openWindows > 1)
        return QStringLiteral("不能打开两个以上的[开药方]窗体！");
    return QString();
}

OpenPrescriptionLookup findOpenPrescription()
{
    const QList<QWidget*> windows = mdiChildrenOfClass(kPrescriptionWindowClass);
    OpenPrescriptionLookup result;
    result.message = openPrescriptionMessage(int(windows.size()));
    if (!result.message.isEmpty())
        return result;
    result.target = dynamic_cast<PrescriptionLineTarget*>(windows.last());
    if (!result.target) // a window of that name that takes no lines: a programming fault
        result.message = openPrescriptionMessage(0);
    return result;
}

DataSet* openPrescriptionLines(QWidget* parent)
{
    const OpenPrescriptionLookup found = findOpenPrescription();
    if (!found.target) {
        Messages::show(parent, found.message);
        return nullptr;
    }
    return &found.target->prescriptionLines();
}
