// The main window's menu items and toolbar button open the catalogue and
// user windows: the modal editors per use, the inventory as a new tab.
#include "CatalogTestHelpers.h"
#include "GuiTestSupport.h"
#include "clinic/app/NoteMdiArea.h"
#include "clinic/app/Openers.h"
#include "clinic/db/TDM.h"
#include "clinic/app/TfrmMain.h"
#include "clinic/catalog/U_goods.h"
#include "clinic/catalog/U_goodsclass.h"
#include "clinic/catalog/U_paperclass.h"
#include "clinic/common/MdiWindows.h"
#include "clinic/common/ProgramValues.h"
#include "clinic/db/ClinicSchema.h"
#include "clinic/users/U_userinfo.h"
#include "platform/data/DataSet.h"

#include <QMdiSubWindow>
#include <QTabWidget>
#include <QToolBar>

class TestCatalogMenu : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempClinicFolder> m_folder;
    std::unique_ptr<TDM> m_dm;
    std::unique_ptr<TfrmMain> m_main;

private slots:
    void init()
    {
        Messages::reset();
        Messages::setTestMode(true);
        clearModalHandlers();
        programValues() = ProgramValues();
        m_folder = std::make_unique<TempClinicFolder>();
        m_folder->open().execScript(
            "insert into 类别表 (ID, 类别名称, 一级科目名) values (1, '中药', '解表药'), (2, '西药', '抗生素');"
            "insert into 药品表 (ID, 类别ID, 药品名) values (10, '1', '麻黄'), (20, '2', '阿莫西林'), (21, '2', '头孢');");
        m_dm = std::make_unique<TDM>(kClinicDatabaseFile);
        m_main = std::make_unique<TfrmMain>();
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
    }

    void cleanup()
    {
        QCOMPARE(pendingModalHandlers(), 0);
        m_main.reset();
        m_dm.reset();
        m_folder.reset();
    }

    void modalEditorsOpenFromTheirMenuItems_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("windowClass");
        QTest::newRow("药品类别") << "药品类别" << "TfrmGoodsClass";
        QTest::newRow("药方类别") << "药方类别" << "TfrmPaperClass";
        QTest::newRow("用户列表") << "用户列表" << "TfrmUserinfo";
    }

    void modalEditorsOpenFromTheirMenuItems()
    {
        QFETCH(QString, item);
        QFETCH(QString, windowClass);
        QString opened;
        whenModalShown([&](QWidget* modal) {
            opened = QString::fromLatin1(modal->metaObject()->className());
            rejectDialog(modal);
        });
        m_main->menuAction(item)->trigger();
        QCOMPARE(opened, windowClass);
        QVERIFY(Messages::shown().isEmpty());
    }

    void inventoryOpensAsANewTabFromMenuAndToolbar()
    {
        m_main->menuAction("存货管理 ")->trigger();
        QAction* button = nullptr;
        for (QAction* action : m_main->findChild<QToolBar*>("ToolBar1")->actions())
            if (action->text() == "存货管理")
                button = action;
        QVERIFY(button);
        button->trigger();
        QCOMPARE(mdiChildrenOfClass("TfrmGoods").size(), 2);
        QCOMPARE(m_main->mdi()->activeSubWindow()->windowTitle(), QString("存货管理"));
        QVERIFY(Messages::shown().isEmpty());
    }

    void inventoryOpensPositionedOnACategoryAndDrug()
    {
        QVERIFY(OpenDrugInventory("2", "21"));
        const QList<QWidget*> windows = mdiChildrenOfClass("TfrmGoods");
        QCOMPARE(windows.size(), 1);
        QCOMPARE(windows[0]->findChild<QTabWidget*>("PageControl1")->currentIndex(), 1);
        QCOMPARE(windows[0]->findChild<DataSet*>("ADOQuery3")->text("药品名"), QString("头孢"));
    }
};

QTEST_MAIN(TestCatalogMenu)
#include "CatalogMenuTest.moc"
