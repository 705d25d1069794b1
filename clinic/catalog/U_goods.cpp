#include "clinic/catalog/U_goods.h"

#include "clinic/db/TDM.h"
#include "clinic/catalog/CategoryOps.h"
#include "clinic/catalog/InventoryOps.h"
#include "clinic/catalog/U_goodsclass.h"
#include "clinic/common/MaintenanceController.h"
#include "platform/widgets/FieldBinder.h"
#include "clinic/common/MaintenanceLayout.h"
#include "platform/widgets/NumberBox.h"
#include "clinic/common/MdiWindows.h"
#include "clinic/common/OpenPrescription.h"
#include "clinic/common/TmpClass.h"
#include "platform/data/DataSet.h"
#include "platform/widgets/DataGrid.h"
#include "platform/widgets/ErrorGuard.h"
#include "platform/widgets/Messages.h"

#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QString moneyCell(const QVariant& value)
{
    return value.isNull() ? QString() : yuanText(valueDecimal(value));
}

QString quantityCell(const QVariant& value)
{
    return value.isNull() ? QString() : valueDecimal(value).toString();
}

QPushButton* makeButton(const QString& name, const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

template <class W>
W* named(W* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

DataGrid* makeCategoryGrid(const QString& name, DataSet* categories, QWidget* parent)
{
    auto* grid = named(new DataGrid(parent), name);
    grid->setDataSet(categories, {fieldColumn(QStringLiteral("一级科目名"))});
    grid->setReadOnly(true);
    grid->horizontalHeader()->setStretchLastSection(true);
    return grid;
}

} // namespace

TfrmGoods::TfrmGoods(QWidget* parent)
    : QWidget(parent)
    , ADOQuery1(named(new DataSet(this), QStringLiteral("ADOQuery1")))
    , ADOQuery2(named(new DataSet(this), QStringLiteral("ADOQuery2")))
    , ADOQuery3(named(new DataSet(this), QStringLiteral("ADOQuery3")))
{
    setWindowTitle(QStringLiteral("存货管理"));
    Database& db = TDM::instance().ADOmain();
    ADOQuery3->open(db, kNoDrugsSql);
    // A new drug starts with zero prices and stock, never with missing
    // numbers that later arithmetic on stock would turn into nothing.
    ADOQuery3->setNewRowDefaults([](DataSet& drugs) {
        for (const char* field : {"买入单价", "卖出单价", "库存量"})
            drugs.setValue(QString::fromUtf8(field), QVariant::fromValue(Decimal4()));
    });
    openCategoryLists();
    buildWidgets();

    connect(ADOQuery1, &DataSet::currentRowChanged, this, &TfrmGoods::ADOQuery1AfterScroll);
    connect(ADOQuery2, &DataSet::currentRowChanged, this, &TfrmGoods::ADOQuery2AfterScroll);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TfrmGoods::PageControl1Change);
    connect(bsSkinButton1, &QPushButton::clicked, this, &TfrmGoods::bsSkinButton1Click);
    connect(bsSkinButton2, &QPushButton::clicked, this, &TfrmGoods::bsSkinButton2Click);
    connect(bsSkinButton3, &QPushButton::clicked, this, &TfrmGoods::bsSkinButton3Click);
    connect(bsSkinButton4, &QPushButton::clicked, this, &TfrmGoods::bsSkinButton4Click);
    connect(bsSkinButton5, &QPushButton::clicked, this, &TfrmGoods::bsSkinButton5Click);
    connect(bsSkinButton6, &QPushButton::clicked, this, &TfrmGoods::bsSkinButton6Click);
    connect(bsSkinButton7, &QPushButton::clicked, this, &TfrmGoods::bsSkinButton7Click);
    connect(bsSkinButton8, &QPushButton::clicked, this, &TfrmGoods::bsSkinButton8Click);
    bsSkinDBEdit1->installEventFilter(this);

    // The 中药 page is shown first, with the drugs of its first category.
    loadDrugs();
}

void TfrmGoods::openCategoryLists()
{
    Database& db = TDM::instance().ADOmain();
    ADOQuery1->open(db, categoryListSql(kChineseDrugClass));
    ADOQuery2->open(db, categoryListSql(kWesternDrugClass));
}

void TfrmGoods::buildWidgets()
{
    // Left: the category pages under "编辑类别".
    auto* left = new QWidget(this);
    bsSkinButton1 = makeButton(QStringLiteral("bsSkinButton1"), QStringLiteral("编辑类别"), left);
    PageControl1 = named(new QTabWidget(left), QStringLiteral("PageControl1"));
    DBGridEh1 = makeCategoryGrid(QStringLiteral("DBGridEh1"), ADOQuery1, PageControl1);
    DBGridEh2 = makeCategoryGrid(QStringLiteral("DBGridEh2"), ADOQuery2, PageControl1);
    for (auto [grid, name, caption] : {std::tuple{DBGridEh1, "TabSheet1", "中药"}, std::tuple{DBGridEh2, "TabSheet2", "西药"}}) {
        auto* page = named(new QWidget(PageControl1), QString::fromUtf8(name));
        auto* pageLayout = new QVBoxLayout(page);
        pageLayout->setContentsMargins(2, 2, 2, 2);
        pageLayout->addWidget(grid);
        PageControl1->addTab(page, QString::fromUtf8(caption));
    }
    // Both page tabs stay readable whatever the skin's tab width.
    PageControl1->setUsesScrollButtons(false);
    left->setMinimumWidth(236);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(bsSkinButton1);
    leftLayout->addWidget(PageControl1, 1);

    // Right, on top: the edit panel of the current drug and the buttons.
    auto* right = new QWidget(this);
    bsSkinDBEdit1 = named(new QLineEdit(right), QStringLiteral("bsSkinDBEdit1"));
    bsSkinDBEdit2 = named(new QLineEdit(right), QStringLiteral("bsSkinDBEdit2"));
    bsSkinDBEdit3 = named(new QLineEdit(right), QStringLiteral("bsSkinDBEdit3"));
    bsSkinDBEdit4 = named(new QLineEdit(right), QStringLiteral("bsSkinDBEdit4"));
    bsSkinDBEdit5 = named(new QLineEdit(right), QStringLiteral("bsSkinDBEdit5"));
    bsSkinDBCurrencyEdit2 = named(new NumberBox(NumberBox::Format::Money, right),
                                  QStringLiteral("bsSkinDBCurrencyEdit2"));
    bsSkinDBCurrencyEdit1 = named(new NumberBox(NumberBox::Format::Money, right),
                                  QStringLiteral("bsSkinDBCurrencyEdit1"));
    bsSkinDBNumericEdit1 = named(new NumberBox(NumberBox::Format::Quantity, right),
                                 QStringLiteral("bsSkinDBNumericEdit1"));
    DBMemo1 = named(new QPlainTextEdit(right), QStringLiteral("DBMemo1"));
    DBMemo1->setTabChangesFocus(true);
    DBMemo1->setFixedHeight(DBMemo1->fontMetrics().lineSpacing() * 3 + 14);

    auto* panel = new QGridLayout;
    panel->setHorizontalSpacing(8);
    panel->setVerticalSpacing(6);
    addLabelledRow(panel, 0, QStringLiteral("药品名："), bsSkinDBEdit1, 0);
    addLabelledRow(panel, 0, QStringLiteral("品种："), bsSkinDBEdit2, 1);
    addLabelledRow(panel, 0, QStringLiteral("规格："), bsSkinDBEdit3, 2);
    addLabelledRow(panel, 1, QStringLiteral("单位："), bsSkinDBEdit4, 0);
    addLabelledRow(panel, 1, QStringLiteral("买入单价："), bsSkinDBCurrencyEdit2, 1);
    addLabelledRow(panel, 1, QStringLiteral("卖出单价："), bsSkinDBCurrencyEdit1, 2);
    addLabelledRow(panel, 2, QStringLiteral("库存量："), bsSkinDBNumericEdit1, 0);
    addLabelledRow(panel, 2, QStringLiteral("输入码："), bsSkinDBEdit5, 1);
    addLabelledRow(panel, 3, QStringLiteral("说明："), DBMemo1, 0, 5);
    for (int column : {1, 3, 5})
        panel->setColumnStretch(column, 1);

    std::tie(bsSkinButton2, bsSkinButton3, bsSkinButton4, bsSkinButton5, bsSkinButton6, bsSkinButton7) =
        makeMaintenanceButtons(right, 2);
    bsSkinButton8 = makeButton(QStringLiteral("bsSkinButton8"), QStringLiteral("添加到开药方"), right);

    // Right, below: the drugs of the category.
    DBGridEh3 = named(new DataGrid(right), QStringLiteral("DBGridEh3"));
    DBGridEh3->setDataSet(ADOQuery3, {
        fieldColumn(QStringLiteral("药品名"), 14),
        numberColumn(QStringLiteral("库存量"), 8, quantityCell),
        fieldColumn(QStringLiteral("单位"), 6),
        fieldColumn(QStringLiteral("规格"), 10),
        fieldColumn(QStringLiteral("品种"), 8),
        numberColumn(QStringLiteral("买入单价"), 10, moneyCell),
        numberColumn(QStringLiteral("卖出单价"), 10, moneyCell),
        fieldColumn(QStringLiteral("输入码"), 8),
        fieldColumn(QStringLiteral("说明")),
    });
    DBGridEh3->setReadOnly(true);
    // Titles at the left, so that the very wide 说明 column shows its title.
    DBGridEh3->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(6, 0, 0, 0);
    rightLayout->addLayout(panel);
    rightLayout->addLayout(buttonRow({bsSkinButton2, bsSkinButton3, bsSkinButton4, bsSkinButton5, bsSkinButton6,
                                      bsSkinButton7, bsSkinButton8}));
    rightLayout->addWidget(DBGridEh3, 1);

    auto* splitter = named(new QSplitter(Qt::Horizontal, this), QStringLiteral("Splitter1"));
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 780});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(splitter);
    resize(1020, 529);

    // The edit panel follows the current drug; the buttons its state.
    m_fields = new FieldBinder(ADOQuery3, this);
    m_fields->bindText(bsSkinDBEdit1, QStringLiteral("药品名"));
    m_fields->bindText(bsSkinDBEdit2, QStringLiteral("品种"));
    m_fields->bindText(bsSkinDBEdit3, QStringLiteral("规格"));
    m_fields->bindText(bsSkinDBEdit4, QStringLiteral("单位"));
    m_fields->bindNumber(bsSkinDBCurrencyEdit2, QStringLiteral("买入单价"), QStringLiteral("买入单价"));
    m_fields->bindNumber(bsSkinDBCurrencyEdit1, QStringLiteral("卖出单价"), QStringLiteral("卖出单价"));
    m_fields->bindNumber(bsSkinDBNumericEdit1, QStringLiteral("库存量"), QStringLiteral("库存量"));
    m_fields->bindText(bsSkinDBEdit5, QStringLiteral("输入码"));
    m_fields->bindMemo(DBMemo1, QStringLiteral("说明"));

    m_controller = new MaintenanceController(this, ADOQuery3, m_fields,
        {bsSkinButton2, bsSkinButton3, bsSkinButton4, bsSkinButton5, bsSkinButton6, bsSkinButton7, {bsSkinButton8}});
    m_controller->setBrowseReadOnly({bsSkinDBEdit1, bsSkinDBEdit2, bsSkinDBEdit3, bsSkinDBEdit4, bsSkinDBEdit5,
                                     bsSkinDBCurrencyEdit2, bsSkinDBCurrencyEdit1, DBMemo1});
    m_controller->setLockedWhileEditing({DBGridEh3, PageControl1, bsSkinButton1});
    m_controller->beforePost = [this](DataSet& drugs) { return prepareDrugForSave(drugs, m_currentCategoryId); };
    m_controller->afterPost = [](DataSet& drugs) { drugs.refresh(); };
}

DataSet* TfrmGoods::shownCategories() const
{
    return PageControl1->currentIndex() == 1 ? ADOQuery2 : ADOQuery1;
}

void TfrmGoods::loadDrugs()
{
    m_currentCategoryId.clear();
    DataSet* categories = shownCategories();
    const QString id = categories->isOpen() ? categories->text(QStringLiteral("ID")) : QString();
    m_currentCategoryId = loadDrugsOfCategory(TDM::instance().ADOmain(), *ADOQuery3, id);
    // The description column shows its own text, 300 characters wide.
    tmpclass::attachMemoAsText(DBGridEh3, QStringLiteral("说明"), 300);
}

void TfrmGoods::positionOn(const QString& categoryId, const QString& drugId, const QString& categoryClass)
{
    if (categoryId.isEmpty())
        return;
    const bool chinese = categoryClass == kChineseDrugClass;
    m_holdDrugLoads = true;
    PageControl1->setCurrentIndex(chinese ? 0 : 1);
    (chinese ? ADOQuery1 : ADOQuery2)->locate(QStringLiteral("ID"), categoryId);
    m_holdDrugLoads = false;
    loadDrugs();
    ADOQuery3->locate(QStringLiteral("ID"), drugId);
}

void TfrmGoods::PageControl1Change(int /*page*/)
{
    if (!m_holdDrugLoads)
        loadDrugs();
}

void TfrmGoods::ADOQuery1AfterScroll()
{
    if (!m_holdDrugLoads && shownCategories() == ADOQuery1)
        loadDrugs();
}

void TfrmGoods::ADOQuery2AfterScroll()
{
    if (!m_holdDrugLoads && shownCategories() == ADOQuery2)
        loadDrugs();
}

bool TfrmGoods::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == bsSkinDBEdit1 && event->type() == QEvent::FocusOut)
        bsSkinDBEdit1Exit();
    return QWidget::eventFilter(watched, event);
}

void TfrmGoods::bsSkinDBEdit1Exit()
{
    runShowingErrors(this, [&] { fillMissingInputCode(*ADOQuery3); });
}

void TfrmGoods::bsSkinButton1Click()
{
    OpenGoodsClass();
    // The categories may have changed: read both lists again (each back on
    // its first row) and the drugs of the page shown.
    runShowingErrors(this, [&] {
        m_holdDrugLoads = true;
        try {
            openCategoryLists();
        } catch (...) {
            m_holdDrugLoads = false;
            throw;
        }
        m_holdDrugLoads = false;
        loadDrugs();
    });
}

void TfrmGoods::bsSkinButton2Click()
{
    m_controller->add();
}

void TfrmGoods::bsSkinButton3Click()
{
    m_controller->remove();
}

void TfrmGoods::bsSkinButton4Click()
{
    m_controller->modify();
}

void TfrmGoods::bsSkinButton5Click()
{
    m_controller->save();
}

void TfrmGoods::bsSkinButton6Click()
{
    m_controller->cancel();
}

void TfrmGoods::bsSkinButton7Click()
{
    m_controller->refresh();
}

void TfrmGoods::bsSkinButton8Click()
{
    DataSet* lines = openPrescriptionLines(this);
    if (!lines)
        return;
    QString message;
    if (!runShowingErrors(this, [&] { message = addDrugToPrescription(*ADOQuery3, *lines); }))
        return;
    Messages::show(this, message.isEmpty() ? QStringLiteral("成功添加到[开药方]") : message);
}

bool OpenGoods()
{
    return openMdiWindow<TfrmGoods>();
}

bool OpenGoodsPositioned(const QString& categoryId, const QString& drugId, const QString& categoryClass)
{
    return openMdiWindow<TfrmGoods>(
        [&](TfrmGoods& window) { window.positionOn(categoryId, drugId, categoryClass); });
}

bool OpenGoodsPositioned(const QString& categoryId, const QString& drugId)
{
    return openMdiWindow<TfrmGoods>([&](TfrmGoods& window) {
        if (!categoryId.isEmpty())
            window.positionOn(categoryId, drugId, categoryClassOf(TDM::instance().ADOmain(), categoryId));
    });
}
