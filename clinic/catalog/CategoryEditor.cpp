#include "clinic/catalog/CategoryEditor.h"

#include "clinic/db/TDM.h"
#include "clinic/common/MaintenanceController.h"
#include "platform/widgets/FieldBinder.h"
#include "clinic/common/MaintenanceLayout.h"
#include "platform/data/DataSet.h"
#include "platform/widgets/DataGrid.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CategoryEditor::CategoryEditor(const CategoryEditorKind& kind, QWidget* parent)
    : QDialog(parent)
    , m_kind(kind)
    , ADOQuery1(new DataSet(this))
    , DBGridEh1(new DataGrid(this))
    , bsSkinDBEdit1(new QLineEdit(this))
    , DBMemo1(new QPlainTextEdit(this))
{
    setWindowTitle(kind.caption);
    ADOQuery1->setObjectName(QStringLiteral("ADOQuery1"));
    DBGridEh1->setObjectName(QStringLiteral("DBGridEh1"));
    bsSkinDBEdit1->setObjectName(QStringLiteral("bsSkinDBEdit1"));
    DBMemo1->setObjectName(QStringLiteral("DBMemo1"));
    std::tie(bsSkinButton1, bsSkinButton2, bsSkinButton3, bsSkinButton4, bsSkinButton5, bsSkinButton6) =
        makeMaintenanceButtons(this, 1);
    const QList<QPushButton*> buttons{bsSkinButton1, bsSkinButton2, bsSkinButton3, bsSkinButton4, bsSkinButton5,
                                      bsSkinButton6};

    if (kind.fixedClass.isEmpty()) {
        auto* classes = new QComboBox(this);
        classes->setObjectName(QStringLiteral("bsSkinDBComboBox1"));
        classes->addItems({kChineseDrugClass, kWesternDrugClass});
        m_classControl = classes;
    } else {
        auto* fixed = new QLineEdit(this);
        fixed->setObjectName(QStringLiteral("bsSkinDBEdit2"));
        fixed->setReadOnly(true);
        m_classControl = fixed;
    }
    DBMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    DBMemo1->setTabChangesFocus(true);

    // Edit panel, buttons, and the list in its group box.
    auto* fieldsGrid = new QGridLayout;
    addLabelledRow(fieldsGrid, 0, kind.classLabel, m_classControl);
    addLabelledRow(fieldsGrid, 1, QStringLiteral("一级科目名："), bsSkinDBEdit1);
    addLabelledRow(fieldsGrid, 2, QStringLiteral("说明："), DBMemo1);
    fieldsGrid->setColumnStretch(1, 1);
    m_classControl->setMaximumWidth(180);
    DBMemo1->setFixedHeight(DBMemo1->fontMetrics().lineSpacing() * 3 + 14);

    auto* listBox = new QGroupBox(QStringLiteral("物品列表"), this);
    listBox->setObjectName(QStringLiteral("bsSkinGroupBox1"));
    auto* listLayout = new QVBoxLayout(listBox);
    listLayout->addWidget(DBGridEh1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fieldsGrid);
    layout->addLayout(buttonRow({buttons.begin(), buttons.end()}));
    layout->addWidget(listBox, 1);
    resize(620, 520);

    // The list and its bound controls.
    ADOQuery1->open(TDM::instance().ADOmain(), kind.sql);
    DBGridEh1->setDataSet(ADOQuery1, {fieldColumn(QStringLiteral("类别名称"), 8),
                                      fieldColumn(QStringLiteral("一级科目名"), 20),
                                      fieldColumn(QStringLiteral("说明"), 40)});
    DBGridEh1->setReadOnly(true);
    DBGridEh1->horizontalHeader()->setStretchLastSection(true);

    m_fields = new FieldBinder(ADOQuery1, this);
    if (auto* classes = qobject_cast<QComboBox*>(m_classControl))
        m_fields->bindChoice(classes, QStringLiteral("类别名称"));
    else
        m_fields->bindText(qobject_cast<QLineEdit*>(m_classControl), QStringLiteral("类别名称"));
    m_fields->bindText(bsSkinDBEdit1, QStringLiteral("一级科目名"));
    m_fields->bindMemo(DBMemo1, QStringLiteral("说明"));

    m_controller = new MaintenanceController(this, ADOQuery1, m_fields,
        {bsSkinButton1, bsSkinButton2, bsSkinButton3, bsSkinButton4, bsSkinButton5, bsSkinButton6, {}});
    m_controller->setKeyEdit(bsSkinDBEdit1);
    m_controller->setLockedWhileEditing({DBGridEh1});
    m_controller->beforePost = [this](DataSet& categories) { return checkBeforePost(categories); };
    m_controller->afterPost = [](DataSet& categories) { categories.refresh(); };
    if (!kind.fixedClass.isEmpty())
        m_controller->afterAppend = [this](DataSet& categories) {
            categories.setValue(QStringLiteral("类别名称"), m_kind.fixedClass);
        };

    connect(bsSkinButton1, &QPushButton::clicked, this, &CategoryEditor::bsSkinButton1Click);
    connect(bsSkinButton2, &QPushButton::clicked, this, &CategoryEditor::bsSkinButton2Click);
    connect(bsSkinButton3, &QPushButton::clicked, this, &CategoryEditor::bsSkinButton3Click);
    connect(bsSkinButton4, &QPushButton::clicked, this, &CategoryEditor::bsSkinButton4Click);
    connect(bsSkinButton5, &QPushButton::clicked, this, &CategoryEditor::bsSkinButton5Click);
    connect(bsSkinButton6, &QPushButton::clicked, this, &CategoryEditor::bsSkinButton6Click);
}

// An edit still open when the window closes goes with the row set, unposted.
CategoryEditor::~CategoryEditor() = default;

QString CategoryEditor::checkBeforePost(DataSet& categories) const
{
    if (!m_kind.fixedClass.isEmpty())
        categories.setValue(QStringLiteral("类别名称"), m_kind.fixedClass);
    return checkCategoryBeforeSave(categories.text(QStringLiteral("类别名称")),
                                   categories.text(QStringLiteral("一级科目名")));
}

void CategoryEditor::bsSkinButton1Click()
{
    m_controller->add();
}

void CategoryEditor::bsSkinButton2Click()
{
    m_controller->remove();
}

void CategoryEditor::bsSkinButton3Click()
{
    m_controller->modify();
}

void CategoryEditor::bsSkinButton4Click()
{
    m_controller->save();
}

void CategoryEditor::bsSkinButton5Click()
{
    m_controller->cancel();
}

void CategoryEditor::bsSkinButton6Click()
{
    m_controller->refresh();
}
