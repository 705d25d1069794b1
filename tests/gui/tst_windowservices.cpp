// The window services every clinic window uses: the MDI and modal opener
// conventions, the lookup of open windows by class, and the memo handler.
#include "GuiTestSupport.h"
#include "clinic/common/MdiWindows.h"
#include "clinic/common/TmpClass.h"
#include "platform/widgets/DataGrid.h"

#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>
#include <stdexcept>

namespace {
int g_alive = 0;

class TfrmSample : public QWidget
{
    Q_OBJECT
public:
    TfrmSample() { ++g_alive; }
    ~TfrmSample() override { --g_alive; }
    void prepare(bool fail)
    {
        if (fail)
            throw std::runtime_error("no such table: 病历表");
        setWindowTitle("病历");
    }
};

class TfrmSampleDialog : public QDialog
{
    Q_OBJECT
public:
    TfrmSampleDialog() { ++g_alive; }
    ~TfrmSampleDialog() override { --g_alive; }
};
} // namespace

class TestWindowServices : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QMdiArea> m_area;

private slots:
    void init()
    {
        g_alive = 0;
        m_area = std::make_unique<QMdiArea>();
        m_area->setViewMode(QMdiArea::TabbedView);
        setMdiArea(m_area.get());
        m_area->show();
    }

    void cleanup()
    {
        m_area.reset();
        QCOMPARE(mdiArea(), nullptr); // the registration follows the area's life
    }

    void anMdiWindowOpensAsATabAndFreesItselfWhenClosed()
    {
        QVERIFY(openMdiWindow<TfrmSample>([](TfrmSample& w) { w.prepare(false); }));
        QVERIFY(openMdiWindow<TfrmSample>([](TfrmSample& w) { w.prepare(false); }));
        QCOMPARE(m_area->subWindowList().size(), 2); // a new one for each command
        QCOMPARE(g_alive, 2);
        QCOMPARE(mdiChildrenOfClass("tfrmsample").size(), 2);
        QVERIFY(!m_area->subWindowList().first()->widget()->styleSheet().isEmpty()); // wears the skin
        m_area->closeAllSubWindows();
        QTRY_COMPARE(g_alive, 0);
        QVERIFY(mdiChildrenOfClass("TfrmSample").isEmpty());
    }

    void aFailedPreparationLeavesNothingBehind()
    {
        QVERIFY(!openMdiWindow<TfrmSample>([](TfrmSample& w) { w.prepare(true); }));
        QCOMPARE(m_area->subWindowList().size(), 0);
        QCOMPARE(g_alive, 0);
    }

    void aModalWindowRunsAndIsFreed()
    {
        bool seen = false;
        whenModalShown([&](QWidget* w) {
            seen = qobject_cast<TfrmSampleDialog*>(w) != nullptr;
            QVERIFY(!w->styleSheet().isEmpty());
            qobject_cast<QDialog*>(w)->reject();
        });
        QVERIFY(openModalWindow<TfrmSampleDialog>());
        QVERIFY(seen);
        QCOMPARE(g_alive, 0);
        QVERIFY(!openModalWindow<TfrmSampleDialog>([](TfrmSampleDialog&) { throw std::runtime_error("x"); }));
        QCOMPARE(g_alive, 0);
    }

    void memoAsTextShowsTheWholeValueWithItsWidth()
    {
        Database db = Database::openInMemory();
        db.execScript("create table 药品表 (ID integer primary key, 药品名 text, 说明 text);"
                      "insert into 药品表 (药品名, 说明) values ('黄芪', '补气固表\n利尿托毒'), ('白术', null);");
        DataSet set;
        set.open(db, "select * from 药品表");
        DataGrid grid;
        grid.setDataSet(&set);
        tmpclass::attachMemoAsText(&grid, "说明", 30);
        QCOMPARE(grid.dataModel()->displayText(0, 2), QString("补气固表\n利尿托毒"));
        QCOMPARE(grid.dataModel()->displayText(1, 2), QString());
        QCOMPARE(grid.dataModel()->column(2).displayWidth, 30);
        QVERIFY(grid.columnWidth(2) >= 30 * grid.fontMetrics().averageCharWidth());
        QCOMPARE(tmpclass::MemoAsText(QVariant(12.5)), QString("12.5"));
    }
};

QTEST_MAIN(TestWindowServices)
#include "tst_windowservices.moc"
