#include "clinic/users/U_userinfo.h"

#include "clinic/db/TDM.h"
#include "clinic/common/MaintenanceController.h"
#include "platform/widgets/FieldBinder.h"
#include "clinic/common/MaintenanceLayout.h"
#include "clinic/common/MdiWindows.h"
#include "platform/data/DataSet.h"
#include "platform/widgets/DataGrid.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmUserinfo::TfrmUserinfo(QWidget* parent)
    : QDialog(parent)
    , ADOQuery1(new DataSet(this))
    , DBGridEh1(new DataGrid(this))
    , bsSkinDBEdit1(new QLineEdit(this))
    , bsSkinDBEdit2(new QLineEdit(this))
    , bsSkinDBEdit3(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("用户列表维护"));
    ADOQuery1->setObjectName(QStringLiteral("ADOQuery1"));
    DBGridEh1->setObjectName(QStringLiteral("DBGridEh1"));
    bsSkinDBEdit1->setObjectName(QStringLiteral("bsSkinDBEdit1"));
    bsSkinDBEdit2->setObjectName(QStringLiteral("bsSkinDBEdit2"));
    bsSkinDBEdit3->setObjectName(QStringLiteral("bsSkinDBEdit3"));
    std::tie(bsSkinButton1, bsSkinButton2, bsSkinButton3, bsSkinButton4, bsSkinButton5, bsSkinButton6) =
        makeMaintenanceButtons(this, 1);
    const QList<QPushButton*> buttons{bsSkinButton1, bsSkinButton2, bsSkinButton3, bsSkinButton4, bsSkinButton5,
                                      bsSkinButton6};

    auto* fieldsGrid = new QGridLayout;
    addLabelledRow(fieldsGrid, 0, QStringLiteral("登陆名："), bsSkinDBEdit1);
    addLabelledRow(fieldsGrid, 1, QStringLiteral("用户名："), bsSkinDBEdit2);
    addLabelledRow(fieldsGrid, 2, QStringLiteral("密码："), bsSkinDBEdit3);
    fieldsGrid->setColumnStretch(2, 1);
    for (QLineEdit* edit : {bsSkinDBEdit1, bsSkinDBEdit2, bsSkinDBEdit3})
        edit->setMinimumWidth(240);

    auto* listBox = new QGroupBox(QStringLiteral("物品列表"), this);
    listBox->setObjectName(QStringLiteral("bsSkinGroupBox1"));
    auto* listLayout = new QVBoxLayout(listBox);
    listLayout->addWidget(DBGridEh1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fieldsGrid);
    layout->addLayout(buttonRow({buttons.begin(), buttons.end()}));
    layout->addWidget(listBox, 1);
    resize(600, 460);

    ADOQuery1->open(TDM::instance().ADOmain(), QStringLiteral("select   *  from  用户表"));
    DBGridEh1->setDataSet(ADOQuery1, {fieldColumn(QStringLiteral("用户名"), 0, QStringLiteral("登陆名")),
                                      fieldColumn(QStringLiteral("登陆名"), 0, QStringLiteral("用户名")),
                                      fieldColumn(QStringLiteral("密码"))});
    DBGridEh1->setReadOnly(true);
    DBGridEh1->setColumnWidth(0, 57);
    DBGridEh1->setColumnWidth(1, 122);
    DBGridEh1->setColumnWidth(2, 348);

    m_fields = new FieldBinder(ADOQuery1, this);
    m_fields->bindText(bsSkinDBEdit1, QStringLiteral("用户名"));
    m_fields->bindText(bsSkinDBEdit2, QStringLiteral("登陆名"));
    m_fields->bindText(bsSkinDBEdit3, QStringLiteral("密码"));

    m_controller = new MaintenanceController(this, ADOQuery1, m_fields,
        {bsSkinButton1, bsSkinButton2, bsSkinButton3, bsSkinButton4, bsSkinButton5, bsSkinButton6, {}});
    m_controller->setKeyEdit(bsSkinDBEdit2);
    m_controller->setLockedWhileEditing({DBGridEh1});

    connect(bsSkinButton1, &QPushButton::clicked, this, &TfrmUserinfo::bsSkinButton1Click);
    connect(bsSkinButton2, &QPushButton::clicked, this, &TfrmUserinfo::bsSkinButton2Click);
    connect(bsSkinButton3, &QPushButton::clicked, this, &TfrmUserinfo::bsSkinButton3Click);
    connect(bsSkinButton4, &QPushButton::clicked, this, &TfrmUserinfo::bsSkinButton4Click);
    connect(bsSkinButton5, &QPushButton::clicked, this, &TfrmUserinfo::bsSkinButton5Click);
    connect(bsSkinButton6, &QPushButton::clicked, this, &TfrmUserinfo::bsSkinButton6Click);
}

void TfrmUserinfo::bsSkinButton1Click()
{
    m_controller->add();
}

void TfrmUserinfo::bsSkinButton2Click()
{
    m_controller->remove();
}

void TfrmUserinfo::bsSkinButton3Click()
{
    m_controller->modify();
}

void TfrmUserinfo::bsSkinButton4Click()
{
    m_controller->save();
}

void TfrmUserinfo::bsSkinButton5Click()
{
    m_controller->cancel();
}

void TfrmUserinfo::bsSkinButton6Click()
{
    m_controller->refresh();
}

bool OpenUserinfo()
{
    return openModalWindow<TfrmUserinfo>();
}
