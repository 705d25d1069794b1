#pragma once

#include <QWidget>

// The print layout of the prescription sheet, made once at start-up and
// kept hidden; the printing window fills it and opens its preview. Until the
// prescription printing is built this holds nothing.
class TfrmPrintPaper : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmPrintPaper(QWidget* parent = nullptr)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("frmPrintPaper"));
    }
};
