// Tamsor's main window must be readable at a glance in its default size:
// for every year of the list, every cell text and every column title of
// both grids fits its cell (wrapping where the grid allows it), and both
// grids fit in the window without scrolling. Also which cells the grid
// models colour, and the column fitting rule.

#include "tst_tamsor_fixture.h"

#include "calculator/core/LoadedYear.h"
#include "calculator/core/Periods.h"
#include "calculator/ui/GridColumnFit.h"
#include "calculator/ui/TamsorLook.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QTableView>

namespace {

// Why a cell or title does not show whole; empty when it does.
QString clippedText(QTableView* grid)
{
    constexpr int kTextMargin = 3; // the item delegate's inner margin on each side
    const QFontMetrics metrics(grid->font());
    QAbstractItemModel* model = grid->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            const QString text = index.data().toString();
            if (text.isEmpty())
                continue;
            const QRect cell = grid->visualRect(index).adjusted(kTextMargin, 0, -kTextMargin, 0);
            const QRect needed = metrics.boundingRect(QRect(0, 0, cell.width(), 10000), Qt::TextWordWrap, text);
            if (needed.width() > cell.width() || needed.height() > cell.height())
                return QStringLiteral("%1 row %2 column %3: \"%4\" needs %5x%6 in %7x%8")
                    .arg(grid->objectName())
                    .arg(row)
                    .arg(column)
                    .arg(text)
                    .arg(needed.width())
                    .arg(needed.height())
                    .arg(cell.width())
                    .arg(cell.height());
        }
    }
    QHeaderView* header = grid->horizontalHeader();
    for (int column = 0; column < model->columnCount(); ++column) {
        const QString title = model->headerData(column, Qt::Horizontal).toString();
        QFont font = header->font();
        const QVariant titleFont = model->headerData(column, Qt::Horizontal, Qt::FontRole);
        if (titleFont.isValid())
            font = titleFont.value<QFont>();
        const int needed = QFontMetrics(font).horizontalAdvance(title) + 4;
        if (needed > header->sectionSize(column))
            return QStringLiteral("%1 title \"%2\" needs %3 in %4")
                .arg(grid->objectName(), title)
                .arg(needed)
                .arg(header->sectionSize(column));
    }
    return {};
}

} // namespace

class TestTamsorLook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ApplyTamsorLook(*qApp);
        Messages::setTestMode(true);
    }

    void everyYearFitsTheDefaultWindow()
    {
        TamsorFolder folder;
        // Some date in every period, so that the "(现在)" titles are checked too.
        TamsorWindows w(QDateTime(QDate(2014, 1, 15), QTime(10, 0)));
        QVERIFY(w.show());
        QCOMPARE(w.frmMain->size(), QSize(696, 562));
        auto* combo = w.find<QComboBox>("ComboBox1");
        QTableView* movements = w.grid("DBGrid1");
        QTableView* qi = w.grid("DBGrid2");
        for (int year = kFirstYear; year <= kLastYear; ++year) {
            const int index = combo->findText(QString::number(year) + QStringLiteral("年"));
            emit combo->activated(index);
            QApplication::sendPostedEvents();
            QCOMPARE(w.frmMain->loadedYear().Year, year);
            for (QTableView* grid : {movements, qi}) {
                const QString clipped = clippedText(grid);
                QVERIFY2(clipped.isEmpty(), qPrintable(QString::number(year) + QStringLiteral(": ") + clipped));
            }
            QVERIFY2(qi->geometry().bottom() < w.frmMain->height(), qPrintable(QString::number(year)));
        }
        QCOMPARE(w.frmMain->size(), QSize(696, 562));
        QVERIFY(Messages::shown().isEmpty());
    }

    void aColumnNarrowedByTheUserRewrapsItsTexts()
    {
        TamsorFolder folder;
        TamsorWindows w(QDateTime(QDate(2014, 1, 15), QTime(10, 0)));
        QVERIFY(w.show());
        QTableView* qi = w.grid("DBGrid2");
        const int dates = 0; // the 公历 row
        const int lastQi = 8; // 终气: "…到…"
        const int rowHeight = qi->rowHeight(dates);
        const int gridHeight = qi->height();
        qi->horizontalHeader()->resizeSection(lastQi, 70);
        QApplication::sendPostedEvents();
        QVERIFY(qi->rowHeight(dates) > rowHeight);
        QCOMPARE(qi->height(), gridHeight + qi->rowHeight(dates) - rowHeight);
        QVERIFY2(clippedText(qi).isEmpty(), qPrintable(clippedText(qi)));
    }

    // Which cells the grid models colour, and with what: the same 土 text is
    // yellow in a 主运 row and plain in the 公历 and 分析 rows.
    void elementCells_data()
    {
        QTest::addColumn<bool>("qiGrid");
        QTest::addColumn<QString>("rowKind");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("background"); // invalid: not coloured
        QTest::newRow("主运 土") << false << "主运" << "三运" << "太宫土" << QColor(255, 255, 0);
        QTest::newRow("公历 土") << false << "公历" << "三运" << "太宫土" << QColor();
        QTest::newRow("movement 分析 土") << false << "分析" << "三运" << "太宫土" << QColor();
        QTest::newRow("客运2 水") << false << "客运2" << "终运" << "少羽水" << QColor(166, 202, 240);
        QTest::newRow("客运 岁运 column") << false << "客运" << "岁运" << "太宫土" << QColor();
        QTest::newRow("qi 分析 火 and 土") << true << "分析" << "气三" << "客火生主土" << QColor(255, 255, 0);
        QTest::newRow("客气 金") << true << "客气" << "初气" << "阳明燥金" << QColor(192, 192, 192);
        QTest::newRow("主气 none of the five") << true << "主气" << "气二" << "少阴君" << QColor(255, 0, 0);
        QTest::newRow("司天在泉") << true << "司天在泉" << "气三" << "司天" << QColor();
    }

    void elementCells()
    {
        QFETCH(bool, qiGrid);
        QFETCH(QString, rowKind);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QColor, background);
        PeriodGridModel model(QStringList{QStringLiteral("属性"), field},
                              qiGrid ? PeriodGridModel::CellPredicate(&IsQiCell)
                                     : PeriodGridModel::CellPredicate(&IsMovementCell));
        RowSet rows;
        rows.columns.reset(new Columns(QStringList{QStringLiteral("属性"), field}));
        rows.rows.emplace_back(rows.columns, std::vector<QVariant>{rowKind, text});
        model.setRows(rows);
        const QModelIndex cell = model.index(0, 1);
        QCOMPARE(model.cellText(0, 1), text);
        QCOMPARE(cell.data(PeriodGridModel::ElementCellRole).toBool(), background.isValid());
        QCOMPARE(cell.data(Qt::BackgroundRole).value<QColor>(), background);
    }

    void columnWidths_data()
    {
        QTest::addColumn<QList<int>>("minimum");
        QTest::addColumn<QList<int>>("wanted");
        QTest::addColumn<int>("available");
        QTest::addColumn<QList<int>>("widths");
        QTest::newRow("all fit, room shared by minimum")
            << QList<int>{40, 60} << QList<int>{50, 60} << 210 << QList<int>{50 + 40, 60 + 60};
        QTest::newRow("exactly full") << QList<int>{40, 60} << QList<int>{70, 80} << 150 << QList<int>{70, 80};
        QTest::newRow("smallest wishes first")
            << QList<int>{60, 60, 60} << QList<int>{100, 70, 75} << 200 << QList<int>{60, 70, 70};
        QTest::newRow("no room: the minimums")
            << QList<int>{60, 60} << QList<int>{90, 90} << 100 << QList<int>{60, 60};
    }

    void columnWidths()
    {
        QFETCH(QList<int>, minimum);
        QFETCH(QList<int>, wanted);
        QFETCH(int, available);
        QFETCH(QList<int>, widths);
        QCOMPARE(FitColumnWidths(minimum, wanted, available), widths);
    }
};

QTEST_MAIN(TestTamsorLook)
#include "tst_tamsor_look.moc"
