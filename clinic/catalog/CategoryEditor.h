#pragma once

#include "clinic/catalog/CategoryOps.h"

#include <QDialog>

class DataGrid;
class DataSet;
class MaintenanceController;
class FieldBinder;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The window both category editors share (TfrmGoodsClass for the drug
// categories, TfrmPaperClass for the library categories); the kind gives
// their differences.
//
//   ADOQuery1            the editor's categories (类别表 rows)
//   DBGridEh1            read-only grid of 类别名称, 一级科目名, 说明 in the
//                        group box "物品列表"
//   bsSkinDBComboBox1 / bsSkinDBEdit2
//                        the class control: a fixed list 中药/西药, or a
//                        read-only box that always shows 药方库
//   bsSkinDBEdit1        一级科目名, writable only from 新增/修改 to the end
//   DBMemo1              说明, always writable
//   bsSkinButton1..6     新增 删除 修改 保存 取消 刷新
class CategoryEditor : public QDialog
{
    Q_OBJECT

public:
    ~CategoryEditor() override;

    void bsSkinButton1Click(); // 新增
    void bsSkinButton2Click(); // 删除
    void bsSkinButton3Click(); // 修改
    void bsSkinButton4Click(); // 保存
    void bsSkinButton5Click(); // 取消
    void bsSkinButton6Click(); // 刷新

protected:
    // Builds the window and opens its list; throws when the list cannot be read.
    CategoryEditor(const CategoryEditorKind& kind, QWidget* parent);

private:
    QString checkBeforePost(DataSet& categories) const;

    const CategoryEditorKind& m_kind;
    DataSet* ADOQuery1;
    DataGrid* DBGridEh1;
    QLineEdit* bsSkinDBEdit1;
    QWidget* m_classControl;
    QPlainTextEdit* DBMemo1;
    QPushButton* bsSkinButton1;
    QPushButton* bsSkinButton2;
    QPushButton* bsSkinButton3;
    QPushButton* bsSkinButton4;
    QPushButton* bsSkinButton5;
    QPushButton* bsSkinButton6;
    FieldBinder* m_fields;
    MaintenanceController* m_controller;
};
