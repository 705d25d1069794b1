#include "clinic/app/TfrmMain.h"

#include "clinic/app/NoteMdiArea.h"
#include "clinic/app/Openers.h"
#include "clinic/app/RelatedPrograms.h"
#include "clinic/app/SettingsCommands.h"
#include "clinic/db/TDM.h"
#include "clinic/app/Tfrmabout.h"
#include "clinic/app/ToolBarIcons.h"
#include "clinic/common/MdiWindows.h"
#include "clinic/common/ProgramFolder.h"
#include "clinic/common/ProgramValues.h"
#include "clinic/common/ShowTextFile.h"
#include "clinic/common/Skins.h"
#include "platform/widgets/ErrorGuard.h"

#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

TfrmMain::TfrmMain(QWidget* parent)
    : QMainWindow(parent)
    , m_mdi(new NoteMdiArea(this))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(productCaption());
    setCentralWidget(m_mdi);
    setMdiArea(m_mdi);
    buildMenu();
    buildToolBar();
    buildStatusBar();
    resize(1024, 700);
    FormCreate();
}

TfrmMain::~TfrmMain()
{
    if (mdiArea() == m_mdi)
        setMdiArea(nullptr);
}

QString TfrmMain::productCaption()
{
    return QStringLiteral("Mazurel 中医诊所管理 V2.5（2013）");
}

// The skin: the window is dressed first (no skin file is in use yet, so the
// built-in one), then the persisted skin is loaded.
void TfrmMain::FormCreate()
{
    ApplySkin(this);
    SelectSkin(this, SkinMode::StartUp);
}

void TfrmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        runShowingErrors(this, [this] { FormShow(); });
    }
}

void TfrmMain::FormShow()
{
    TDM& dm = TDM::instance();
    dm.adotmp->close();
    dm.adotmp->open(dm.ADOmain(), QStringLiteral("select 诊所名称 from 设置表"));
    dm.adotmp->first();
    programValues().ClinicName = dm.adotmp->text(QStringLiteral("诊所名称"));
    m_userPanel->setText(QStringLiteral("当前用户：") + programValues().CurrentUserName);
    m_clinicPanel->setText(QStringLiteral("诊所名称：") + programValues().ClinicName);
}

QAction* TfrmMain::addCommand(QMenu* menu, const QString& caption, const QString& objectName,
    void (TfrmMain::*handler)())
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(objectName);
    // A failing command reports its error once; the main window stays open.
    connect(action, &QAction::triggered, this, [this, handler] { runShowingErrors(this, [&] { (this->*handler)(); }); });
    return action;
}

void TfrmMain::buildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));

    QMenu* classes = bar->addMenu(QStringLiteral("类别管理"));
    addCommand(classes, QStringLiteral("药品类别"), QStringLiteral("mnuDrugCategories"), &TfrmMain::mnuDrugCategoriesClick);
    addCommand(classes, QStringLiteral("药方类别"), QStringLiteral("mnuRecipeCategories"), &TfrmMain::mnuRecipeCategoriesClick);

    QMenu* pharmacy = bar->addMenu(QStringLiteral("药房管理"));
    addCommand(pharmacy, QStringLiteral("药品进销存说明"), QStringLiteral("mnuInventoryNote"), &TfrmMain::mnuInventoryNoteClick);
    addCommand(pharmacy, QStringLiteral("进货(暂不做)"), QStringLiteral("mnuPurchase"), &TfrmMain::mnuNoActionClick);
    addCommand(pharmacy, QStringLiteral("销货(即开药方)"), QStringLiteral("mnuSale"), &TfrmMain::mnuNoActionClick);
    addCommand(pharmacy, QStringLiteral("存货管理 "), QStringLiteral("mnuInventory"), &TfrmMain::mnuInventoryClick);
    addCommand(pharmacy, QStringLiteral("药品库查询"), QStringLiteral("mnuDrugQuery"), &TfrmMain::mnuDrugQueryClick);

    QMenu* prescriptions = bar->addMenu(QStringLiteral("药方管理"));
    addCommand(prescriptions, QStringLiteral("开药方"), QStringLiteral("mnuWritePrescription"), &TfrmMain::mnuWritePrescriptionClick);
    addCommand(prescriptions, QStringLiteral("药方库"), QStringLiteral("mnuRecipeLibrary"), &TfrmMain::mnuRecipeLibraryClick);
    addCommand(prescriptions, QStringLiteral("药方库查询"), QStringLiteral("mnuRecipeLibraryQuery"), &TfrmMain::mnuRecipeLibraryQueryClick);
    addCommand(prescriptions, QStringLiteral("历史药方查询"), QStringLiteral("mnuHistoryQuery"), &TfrmMain::mnuHistoryQueryClick);

    QMenu* records = bar->addMenu(QStringLiteral("病历管理"));
    addCommand(records, QStringLiteral("新增病历"), QStringLiteral("mnuNewRecord"), &TfrmMain::mnuNewRecordClick);
    addCommand(records, QStringLiteral("查询病历"), QStringLiteral("mnuRecordQuery"), &TfrmMain::mnuRecordQueryClick);

    QMenu* users = bar->addMenu(QStringLiteral("用户管理"));
    addCommand(users, QStringLiteral("用户列表"), QStringLiteral("mnuUserList"), &TfrmMain::mnuUserListClick);
    addCommand(users, QStringLiteral("设置诊所名称"), QStringLiteral("mnuSetClinicName"), &TfrmMain::mnuSetClinicNameClick);
    addCommand(users, QStringLiteral("设置默认登陆名"), QStringLiteral("mnuSetDefaultLoginName"), &TfrmMain::mnuSetDefaultLoginNameClick);
    addCommand(users, QStringLiteral("设置默认密码"), QStringLiteral("mnuSetDefaultPassword"), &TfrmMain::mnuSetDefaultPasswordClick);

    QMenu* reports = bar->addMenu(QStringLiteral("统计和报表"));
    addCommand(reports, QStringLiteral("用药统计"), QStringLiteral("mnuUsageStatistics"), &TfrmMain::mnuUsageStatisticsClick);

    QMenu* related = bar->addMenu(QStringLiteral("相关软件"));
    addCommand(related, QStringLiteral("Tamsor（电脑版）"), QStringLiteral("mnuTamsor"), &TfrmMain::mnuTamsorClick);
    addCommand(related, QStringLiteral("Meridor（电脑版）"), QStringLiteral("mnuMeridor"), &TfrmMain::mnuMeridorClick);
    addCommand(related, QStringLiteral("Tamsor（网页版）"), QStringLiteral("mnuTamsorWeb"), &TfrmMain::mnuTamsorWebClick);
    addCommand(related, QStringLiteral("Meridor（网页版）"), QStringLiteral("mnuMeridorWeb"), &TfrmMain::mnuMeridorWebClick);
    addCommand(related, QStringLiteral("安卓手机版软件（APK）"), QStringLiteral("mnuApk"), &TfrmMain::mnuApkClick);

    QMenu* help = bar->addMenu(QStringLiteral("帮助"));
    addCommand(help, QStringLiteral("关于本软件"), QStringLiteral("mnuAbout"), &TfrmMain::mnuAboutClick);
    addCommand(help, QStringLiteral("本软件使用说明"), QStringLiteral("mnuManual"), &TfrmMain::mnuManualClick);
    addCommand(help, QStringLiteral("选择皮肤"), QStringLiteral("mnuSelectSkin"), &TfrmMain::mnuSelectSkinClick);
    addCommand(help, QStringLiteral("版本修改历史"), QStringLiteral("mnuHistoryOfChanges"), &TfrmMain::mnuHistoryOfChangesClick);
}

void TfrmMain::buildToolBar()
{
    m_toolBar = addToolBar(QStringLiteral("工具栏"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolBar->setIconSize(QSize(32, 32));

    struct Button
    {
        QString caption;
        QString objectName;
        QString performs; // caption of the menu item it performs; empty: own action
    };
    const Button buttons[] = {
        {QStringLiteral("存货管理"), QStringLiteral("tbInventory"), QStringLiteral("存货管理 ")},
        {QStringLiteral("药方库"), QStringLiteral("tbRecipeLibrary"), QStringLiteral("药方库")},
        {QStringLiteral("开药方"), QStringLiteral("tbWritePrescription"), QString()},
        {QStringLiteral("查询病历"), QStringLiteral("tbRecordQuery"), QStringLiteral("查询病历")},
        {QStringLiteral("选择皮肤"), QStringLiteral("tbSelectSkin"), QStringLiteral("选择皮肤")},
        {QStringLiteral("历史药方查询"), QStringLiteral("tbHistoryQuery"), QStringLiteral("历史药方查询")},
        {QStringLiteral("药品库查询"), QStringLiteral("tbDrugQuery"), QStringLiteral("药品库查询")},
        {QStringLiteral("药方库查询"), QStringLiteral("tbRecipeLibraryQuery"), QStringLiteral("药方库查询")},
    };
    for (const Button& b : buttons) {
        QAction* action = m_toolBar->addAction(toolBarIcon(b.caption), b.caption);
        action->setObjectName(b.objectName);
        if (b.performs.isEmpty()) {
            // Opens a new prescription with no medical record.
            connect(action, &QAction::triggered, this,
                [this] { runShowingErrors(this, [] { OpenPrescriptionWriting(); }); });
        } else {
            QAction* target = menuAction(b.performs);
            connect(action, &QAction::triggered, target, &QAction::trigger);
        }
    }
}

void TfrmMain::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(true);
    m_userPanel = new QLabel(this);
    m_userPanel->setObjectName(QStringLiteral("StatusPanelUser"));
    m_userPanel->setFixedWidth(300);
    m_clinicPanel = new QLabel(this);
    m_clinicPanel->setObjectName(QStringLiteral("StatusPanelClinic"));
    m_clinicPanel->setMinimumWidth(50);
    bar->addWidget(m_userPanel);
    bar->addWidget(m_clinicPanel, 1);
}

QAction* TfrmMain::menuAction(const QString& caption) const
{
    for (QAction* action : menuBar()->findChildren<QAction*>())
        if (action->text() == caption && !action->menu())
            return action;
    return nullptr;
}

QString TfrmMain::userPanelText() const
{
    return m_userPanel->text();
}

QString TfrmMain::clinicPanelText() const
{
    return m_clinicPanel->text();
}

void TfrmMain::setAboutWindow(Tfrmabout* about)
{
    m_about = about;
}

Tfrmabout* TfrmMain::aboutWindow()
{
    if (!m_about)
        m_about = new Tfrmabout(this);
    return m_about;
}

void TfrmMain::mnuDrugCategoriesClick()
{
    OpenDrugCategoryEditor();
}

void TfrmMain::mnuRecipeCategoriesClick()
{
    OpenRecipeCategoryEditor();
}

void TfrmMain::mnuInventoryNoteClick()
{
    ShowTextFile(QStringLiteral("药品进销存说明"), QStringLiteral("药品进销存说明"), QStringLiteral("药品进销存说明.txt"), 1000);
}

void TfrmMain::mnuNoActionClick()
{
}

void TfrmMain::mnuInventoryClick()
{
    OpenDrugInventory();
}

void TfrmMain::mnuDrugQueryClick()
{
    OpenDrugQuery();
}

// The menu item does what the toolbar button of the same caption does.
void TfrmMain::mnuWritePrescriptionClick()
{
    OpenPrescriptionWriting();
}

void TfrmMain::mnuRecipeLibraryClick()
{
    OpenRecipeLibrary();
}

void TfrmMain::mnuRecipeLibraryQueryClick()
{
    OpenRecipeLibraryQuery();
}

void TfrmMain::mnuHistoryQueryClick()
{
    OpenHistoryQuery();
}

void TfrmMain::mnuNewRecordClick()
{
    OpenMedicalRecord();
}

void TfrmMain::mnuRecordQueryClick()
{
    OpenRecordQuery();
}

void TfrmMain::mnuUserListClick()
{
    OpenUserAccounts();
}

void TfrmMain::mnuSetClinicNameClick()
{
    if (runSettingCommand(this, ClinicSetting::ClinicName))
        m_clinicPanel->setText(QStringLiteral("诊所名称：") + programValues().ClinicName);
}

void TfrmMain::mnuSetDefaultLoginNameClick()
{
    runSettingCommand(this, ClinicSetting::DefaultLoginName);
}

void TfrmMain::mnuSetDefaultPasswordClick()
{
    runSettingCommand(this, ClinicSetting::DefaultPassword);
}

void TfrmMain::mnuUsageStatisticsClick()
{
    OpenUsageStatistics();
}

void TfrmMain::mnuTamsorClick()
{
    startTamsor(programFolder());
}

void TfrmMain::mnuMeridorClick()
{
    startMeridor(programFolder());
}

void TfrmMain::mnuTamsorWebClick()
{
    openTamsorPage();
}

void TfrmMain::mnuMeridorWebClick()
{
    openMeridorPage();
}

void TfrmMain::mnuApkClick()
{
    openApkFolder(programFolder());
}

void TfrmMain::mnuAboutClick()
{
    aboutWindow()->showAbout();
}

void TfrmMain::mnuManualClick()
{
    ShowTextFile(QStringLiteral("使用说明"), QStringLiteral("使用说明"), QStringLiteral("使用说明.txt"), 1000);
}

void TfrmMain::mnuSelectSkinClick()
{
    SelectSkin(this, SkinMode::Chooser);
}

void TfrmMain::mnuHistoryOfChangesClick()
{
    ShowTextFile(QStringLiteral("版本修改历史"), QStringLiteral("版本修改历史"), QStringLiteral("版本修改历史.txt"), 1000);
}
