#pragma once

#include <QString>
#include <QWidget>

class DataGrid;
class DataSet;
class MaintenanceController;
class FieldBinder;
class NumberBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

// The drug inventory "存货管理" (an MDI child): the drug catalogue filed under
// the categories of the classes 中药 and 西药.
//
//   bsSkinButton1          编辑类别: the drug category editor, then the
//                          category lists and the drug list are read again
//   PageControl1           pages TabSheet1 "中药" and TabSheet2 "西药" with the
//                          category grids DBGridEh1 / DBGridEh2 over the
//                          category lists ADOQuery1 / ADOQuery2
//   ADOQuery3, DBGridEh3   the drugs of the current category of the page shown
//   bsSkinDBEdit1..5       药品名 品种 规格 单位 输入码
//   bsSkinDBCurrencyEdit2  买入单价;  bsSkinDBCurrencyEdit1  卖出单价
//   bsSkinDBNumericEdit1   库存量, never read-only: typing into it starts an edit
//   DBMemo1                说明
//   bsSkinButton2..7       新增 删除 修改 保存 取消 刷新
//   bsSkinButton8          添加到开药方: the current drug as a line of the one
//                          open prescription window
class TfrmGoods : public QWidget
{
    Q_OBJECT

public:
    // Builds the window, opens both category lists and shows the drugs of
    // the first 中药 category. Throws when the category lists cannot be read.
    explicit TfrmGoods(QWidget* parent = nullptr);

    // Shows the given category and drug. The class "中药" selects the 中药
    // page, any other value the 西药 page; an empty category changes nothing,
    // an unknown drug leaves the first drug current.
    void positionOn(const QString& categoryId, const QString& drugId, const QString& categoryClass);

    // The category a saved drug is filed under: the one whose drugs are
    // shown, or empty when none could be loaded.
    QString currentCategoryId() const { return m_currentCategoryId; }

    void bsSkinButton1Click(); // 编辑类别
    void bsSkinButton2Click(); // 新增
    void bsSkinButton3Click(); // 删除
    void bsSkinButton4Click(); // 修改
    void bsSkinButton5Click(); // 保存
    void bsSkinButton6Click(); // 取消
    void bsSkinButton7Click(); // 刷新
    void bsSkinButton8Click(); // 添加到开药方
    void PageControl1Change(int page);
    void ADOQuery1AfterScroll();
    void ADOQuery2AfterScroll();
    void bsSkinDBEdit1Exit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWidgets();
    void openCategoryLists();
    DataSet* shownCategories() const;
    void loadDrugs();

    DataSet* ADOQuery1;
    DataSet* ADOQuery2;
    DataSet* ADOQuery3;
    QTabWidget* PageControl1;
    DataGrid* DBGridEh1;
    DataGrid* DBGridEh2;
    DataGrid* DBGridEh3;
    QLineEdit* bsSkinDBEdit1;
    QLineEdit* bsSkinDBEdit2;
    QLineEdit* bsSkinDBEdit3;
    QLineEdit* bsSkinDBEdit4;
    QLineEdit* bsSkinDBEdit5;
    NumberBox* bsSkinDBCurrencyEdit1;
    NumberBox* bsSkinDBCurrencyEdit2;
    NumberBox* bsSkinDBNumericEdit1;
    QPlainTextEdit* DBMemo1;
    QPushButton* bsSkinButton1;
    QPushButton* bsSkinButton2;
    QPushButton* bsSkinButton3;
    QPushButton* bsSkinButton4;
    QPushButton* bsSkinButton5;
    QPushButton* bsSkinButton6;
    QPushButton* bsSkinButton7;
    QPushButton* bsSkinButton8;
    FieldBinder* m_fields = nullptr;
    MaintenanceController* m_controller = nullptr;

    QString m_currentCategoryId;
    bool m_holdDrugLoads = false; // set while several list moves make one load
};

// Opens a new inventory window as a tab of the main window; false when it
// could not be made.
bool OpenGoods();
// The same, then positioned on a category and a drug (see positionOn).
bool OpenGoodsPositioned(const QString& categoryId, const QString& drugId, const QString& categoryClass);
// The same for a caller that knows only the category: its class is read
// from 类别表. An empty category opens the window plainly.
bool OpenGoodsPositioned(const QString& categoryId, const QString& drugId);
