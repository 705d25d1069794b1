#pragma once

#include "clinic/catalog/CategoryEditor.h"

// The drug category editor "药品类别表": the categories of the classes 中药 and
// 西药, each row's class chosen in a fixed list (see CategoryEditor).
class TfrmGoodsClass : public CategoryEditor
{
    Q_OBJECT

public:
    explicit TfrmGoodsClass(QWidget* parent = nullptr);
};

// Opens the editor modally and returns when it is closed; false when it
// could not be made.
bool OpenGoodsClass();
