// The grid over a DataSet: title-click sorting with its arrow marks, the
// model following the set, edits, current-row sync and footer sums.
#include "GuiTestSupport.h"
#include "platform/widgets/DataGrid.h"
#include "platform/widgets/Messages.h"
#include "platform/widgets/TitleClickSort.h"

#include <QHeaderView>
#include <QtTest>

namespace {
QStringList columnTexts(const DataSet& set, const QString& field)
{
    QStringList texts;
    for (int row = 0; row < set.rowCount(); ++row)
        texts << valueText(set.valueAt(row, field));
    return texts;
}
} // namespace

class TestDataGrid : public QObject
{
    Q_OBJECT

private:
    Database m_db = Database::openInMemory();
    DataSet* m_set = nullptr;
    DataGrid* m_grid = nullptr;

    QString title(int column) const { return m_grid->dataModel()->titleAt(column); }
    void clickTitle(int column)
    {
        QHeaderView* header = m_grid->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
    }

private slots:
    void initTestCase()
    {
        Messages::setTestMode(true);
        m_db.execScript("create table 药品表 (ID integer primary key, 药品名 text, 库存量 numeric, 说明 text);"
                        "insert into 药品表 (药品名, 库存量, 说明) values ('黄芪', 30, '补气'), ('白术', 5, null),"
                        " ('甘草', 120, '调和'), ('人参', 5.5, '大补元气\n第二行');");
    }

    void init()
    {
        Messages::reset();
        m_set = new DataSet;
        m_set->open(m_db, "select * from 药品表");
        m_grid = new DataGrid;
        m_grid->setDataSet(m_set);
        m_grid->setReadOnly(true);
        m_grid->setTitleClickSort(true);
        m_grid->resize(600, 300);
        m_grid->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_grid));
    }

    void cleanup()
    {
        delete m_grid;
        delete m_set;
    }

    void threeClicksToggleAscendingDescendingAscending()
    {
        clickTitle(2);
        QCOMPARE(title(2), QString("库存量↓"));
        QCOMPARE(columnTexts(*m_set, "库存量"), QStringList({"5", "5.5", "30", "120"}));
        clickTitle(2);
        QCOMPARE(title(2), QString("库存量↑"));
        QCOMPARE(columnTexts(*m_set, "库存量"), QStringList({"120", "30", "5.5", "5"}));
        clickTitle(2);
        QCOMPARE(title(2), QString("库存量↓"));
        QCOMPARE(columnTexts(*m_set, "库存量"), QStringList({"5", "5.5", "30", "120"}));
        // The grid shows the sorted rows.
        QCOMPARE(m_grid->dataModel()->index(0, 1).data().toString(), QString("白术"));
    }

    void anotherColumnTakesTheArrow()
    {
        clickTitle(2);
        clickTitle(2);
        clickTitle(1);
        QCOMPARE(title(2), QString("库存量"));
        QCOMPARE(title(1), QString("药品名↓"));
        QCOMPARE(columnTexts(*m_set, "药品名").first(), QString("人参")); // text order of the code points
        QVERIFY(Messages::shown().isEmpty());
    }

    // Only visible columns lose their arrow; a hidden column keeps its title.
    void hiddenColumnsKeepTheirTitle()
    {
        m_grid->dataModel()->setHeaderData(3, Qt::Horizontal, "说明↑");
        m_grid->setColumnHidden(3, true);
        clickTitle(1);
        QCOMPARE(title(3), QString("说明↑"));
        QCOMPARE(title(1), QString("药品名↓"));
    }

    void aDesignedArrowCountsAsAMark()
    {
        m_grid->dataModel()->setHeaderData(0, Qt::Horizontal, "编号↓");
        clickTitle(0);
        QCOMPARE(title(0), QString("编号↑"));
        QCOMPARE(columnTexts(*m_set, "ID"), QStringList({"4", "3", "2", "1"}));
    }

    void aColumnWithoutFieldShowsTheErrorAndChangesNothing()
    {
        GridColumn empty;
        empty.title = "备用";
        GridColumn name;
        name.field = "药品名";
        name.title = "名称↓";
        m_grid->setDataSet(m_set, {name, empty});
        SortByTitleClick(m_grid, 1);
        QCOMPARE(Messages::shown().size(), 1);
        QVERIFY(Messages::lastShown()->text.contains("没有对应的字段"));
        QCOMPARE(title(0), QString("名称↓"));
        QCOMPARE(columnTexts(*m_set, "ID"), QStringList({"1", "2", "3", "4"}));
    }

    void memoTextAndCurrentRowFollowTheSet()
    {
        QCOMPARE(m_grid->dataModel()->index(3, 3).data().toString(), QString("大补元气\n第二行"));
        m_set->setCurrentRow(2);
        QCOMPARE(m_grid->currentIndex().row(), 2);
        m_grid->setCurrentIndex(m_grid->dataModel()->index(1, 1));
        QCOMPARE(m_set->currentRow(), 1);
        m_set->close();
        QCOMPARE(m_grid->dataModel()->rowCount(), 0);
    }

    void editableColumnsWriteIntoTheSetAndSumsFollow()
    {
        GridColumn name;
        name.field = "药品名";
        GridColumn stock;
        stock.field = "库存量";
        stock.editable = true;
        m_grid->setDataSet(m_set, {name, stock});
        m_grid->setFooterSums({"库存量"});
        QCOMPARE(m_grid->footerText("库存量"), QString("160.5"));

        m_grid->setReadOnly(false);
        QVERIFY(m_grid->dataModel()->setData(m_grid->dataModel()->index(1, 1), 15));
        QVERIFY(m_set->isEditing());
        QCOMPARE(m_set->currentRow(), 1);
        m_set->post();
        QCOMPARE(m_db.scalar("select 库存量 from 药品表 where 药品名='白术'").toInt(), 15);
        QCOMPARE(m_grid->footerText("库存量"), QString("170.5"));

        m_grid->setReadOnly(true);
        QVERIFY(!(m_grid->dataModel()->flags(m_grid->dataModel()->index(1, 1)) & Qt::ItemIsEditable));
        m_db.execute("update 药品表 set 库存量=5 where 药品名='白术'");
    }
};

QTEST_MAIN(TestDataGrid)
#include "tst_datagrid.moc"
