#pragma once

#include <QString>

class DataSet;
class QWidget;

// Windows such as the drug inventory and the queries add lines to the one
// open prescription-writing window. That window implements this interface:
// other windows append a line to its line set, set the line's fields by
// column name (药品名, 规格, 单位, 数量) and post it; the window evaluates such
// a line like a typed one.
class PrescriptionLineTarget
{
public:
    virtual ~PrescriptionLineTarget() = default;
    virtual DataSet& prescriptionLines() = 0;
};

// The class name of the prescription-writing window, compared without
// regard to case when the open MDI children are counted.
inline const QString kPrescriptionWindowClass = QStringLiteral("TfrmOpenPaper");

// The message for a count of open prescription windows: empty for exactly
// one, otherwise why no line can be added.
QString openPrescriptionMessage(int openWindows);

struct OpenPrescriptionLookup
{
    PrescriptionLineTarget* target = nullptr; // set when exactly one window is open
    QString message;                          // empty when target is set
};

// Counts the main window's MDI children of the prescription-writing class.
OpenPrescriptionLookup findOpenPrescription();

// The line set of the one open prescription window. When there is none, or
// more than one, shows the reason in a message box and returns null.
DataSet* openPrescriptionLines(QWidget* parent);
