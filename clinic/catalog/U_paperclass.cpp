#include "clinic/catalog/U_paperclass.h"

#include "clinic/common/MdiWindows.h"

TfrmPaperClass::TfrmPaperClass(QWidget* parent)
    : CategoryEditor(libraryCategoryEditorKind(), parent)
{
}

bool OpenPaperClass()
{
    return openModalWindow<TfrmPaperClass>();
}
