#include "clinic/catalog/U_goodsclass.h"

#include "clinic/common/MdiWindows.h"

TfrmGoodsClass::TfrmGoodsClass(QWidget* parent)
    : CategoryEditor(drugCategoryEditorKind(), parent)
{
}

bool OpenGoodsClass()
{
    return openModalWindow<TfrmGoodsClass>();
}
