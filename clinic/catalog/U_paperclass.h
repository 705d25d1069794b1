#pragma once

#include "clinic/catalog/CategoryEditor.h"

// The prescription category editor "药方类别表": the categories of the
// prescription library, whose class is always 药方库 (see CategoryEditor).
class TfrmPaperClass : public CategoryEditor
{
    Q_OBJECT

public:
    explicit TfrmPaperClass(QWidget* parent = nullptr);
};

// Opens the editor modally and returns when it is closed; false when it
// could not be made.
bool OpenPaperClass();
