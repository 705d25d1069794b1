// Tamsor's main window: start-up on an injected date, the year list and the
// date picker, the "(现在)" marks, element colours, the clicked-cell state
// and the analysis windows it opens, the reference texts and the about box.

#include "tst_tamsor_fixture.h"

#include "calculator/core/CellAnalysis.h"
#include "calculator/ui/ElementCellDelegate.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

const QDateTime k2014_01_15 = QDateTime(QDate(2014, 1, 15), QTime(10, 0));

QStringList summaryLines(const TamsorWindows& w)
{
    return w.find<QPlainTextEdit>("memyear")->toPlainText().split(QLatin1Char('\n'));
}

// Picks a year from the list as the user does: a click into the list (which
// takes the focus from a grid), then the item.
void pickListYear(const TamsorWindows& w, int year)
{
    auto* combo = w.find<QComboBox>("ComboBox1");
    QTest::mouseClick(combo->lineEdit(), Qt::LeftButton);
    const int index = combo->findText(QString::number(year) + QStringLiteral("年"));
    QVERIFY(index >= 0);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// Sets the picker and closes its drop-down calendar, as a date choice does.
void chooseDate(const TamsorWindows& w, const QDateTime& when)
{
    auto* picker = w.find<QDateTimeEdit>("DateTimePicker1");
    picker->setDateTime(when);
    QWidget* popup = picker->calendarWidget()->window();
    popup->show();
    popup->hide();
}

QStringList titlesWithMark(QTableView* grid)
{
    return columnTitles(grid).filter(QStringLiteral("(现在)"));
}

QColor pixelInCell(QTableView* grid, const QModelIndex& index)
{
    const QImage image = grid->viewport()->grab().toImage();
    const QRect cell = grid->visualRect(index);
    // Just inside the top-left corner: background, never a glyph.
    return image.pixelColor(cell.topLeft() + QPoint(2, 2));
}

QString firstText(Database& db, const QString& sql, const QString& column)
{
    return db.query(sql).firstOrEmpty().text(column);
}

} // namespace

class TestTamsorMain : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Messages::setTestMode(true); }
    void init() { Messages::reset(); Messages::setTestMode(true); }

    void startsOnInjectedDateInTheYearBeforeItsDahan()
    {
        TamsorFolder folder;
        TamsorWindows w(k2014_01_15);
        QVERIFY(w.show());

        auto* combo = w.find<QComboBox>("ComboBox1");
        QCOMPARE(combo->count(), 131);
        QCOMPARE(combo->itemText(0), QStringLiteral("1901年"));
        QCOMPARE(combo->itemText(130), QStringLiteral("2031年"));
        QCOMPARE(combo->currentText(), QStringLiteral("2013年"));
        QCOMPARE(w.frmMain->loadedYear().Year, 2013);
        QCOMPARE(w.frmMain->pos(), QPoint(0, 0));

        Database db = folder.open();
        const QStringList lines = summaryLines(w);
        QCOMPARE(lines.value(0), QStringLiteral("2013癸巳年"));
        QCOMPARE(lines.value(1), QStringLiteral("岁运:")
                                     + firstText(db, QStringLiteral("select 岁运 from yun where 属性='客运' and 年干='癸'"),
                                                 QStringLiteral("岁运")));
        QCOMPARE(lines.value(2), QStringLiteral("司天:厥阴风木"));
        QCOMPARE(lines.value(3), QStringLiteral("在泉:少阳相火"));

        QTableView* movements = w.grid("DBGrid1");
        QTableView* qi = w.grid("DBGrid2");
        QCOMPARE(columnTitles(movements),
                 QStringList({"属性", "年干", "岁运", "初运", "二运", "三运", "四运", "终运(现在)"}));
        QCOMPARE(columnTitles(qi),
                 QStringList({"属性", "年支", "岁气", "初气", "气二", "气三", "气四", "气五", "终气(现在)"}));

        // The year's rows: 公历, 交司, 主运, 客运, 客运2, 分析 of 癸, with the dates just written.
        QStringList kinds;
        for (int row = 0; row < movements->model()->rowCount(); ++row)
            kinds << gridModel(movements)->rowKind(row);
        QCOMPARE(kinds, QStringList({"公历", "交司", "主运", "客运", "客运2", "分析"}));
        QCOMPARE(cellText(movements, cellOf(movements, "公历", "初运")), QStringLiteral("2013-1-20"));
        QVERIFY(cellText(movements, cellOf(movements, "公历", "终运")).endsWith(QStringLiteral("到2014-1-20")));
        QCOMPARE(cellText(qi, cellOf(qi, "客气", "年支")), QStringLiteral("巳"));
        QCOMPARE(cellText(qi, cellOf(qi, "分析", "年支")), QStringLiteral("巳"));
        QVERIFY(Messages::shown().isEmpty());
    }

    void dateChoiceLoadsItsYearAndMarksItsPeriods_data()
    {
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("movement");
        QTest::addColumn<QString>("qi");
        // 大寒 of 2014 is 20 January: the evening before still belongs to 2013.
        QTest::newRow("day before 大寒, 23:59") << QDateTime(QDate(2014, 1, 19), QTime(23, 59)) << 2013
                                               << "终运(现在)" << "终气(现在)";
        QTest::newRow("大寒 day, 00:00") << QDateTime(QDate(2014, 1, 20), QTime(0, 0)) << 2014 << "初运(现在)"
                                        << "初气(现在)";
        // 2013: 二运 from 4-2, 三运 from 6-15; 气三 from 5-21 (小满).
        QTest::newRow("first day of 二运") << QDateTime(QDate(2013, 4, 2), QTime(0, 0)) << 2013 << "二运(现在)"
                                         << "气二(现在)";
        QTest::newRow("early June 2013") << QDateTime(QDate(2013, 6, 1), QTime(12, 0)) << 2013 << "二运(现在)"
                                         << "气三(现在)";
    }

    void dateChoiceLoadsItsYearAndMarksItsPeriods()
    {
        QFETCH(QDateTime, when);
        QFETCH(int, year);
        QFETCH(QString, movement);
        QFETCH(QString, qi);
        TamsorFolder folder;
        TamsorWindows w(QDateTime(QDate(2020, 7, 1), QTime(9, 0)));
        QVERIFY(w.show());
        QCOMPARE(w.frmMain->loadedYear().Year, 2020);

        chooseDate(w, when);
        QCOMPARE(w.frmMain->loadedYear().Year, year);
        QCOMPARE(w.find<QComboBox>("ComboBox1")->currentText(), QString::number(year) + QStringLiteral("年"));
        QCOMPARE(titlesWithMark(w.grid("DBGrid1")), QStringList{movement});
        QCOMPARE(titlesWithMark(w.grid("DBGrid2")), QStringList{qi});
    }

    void listYearWithoutTheDateMarksNothingUntilTheDateIsChosenAgain()
    {
        TamsorFolder folder;
        TamsorWindows w(k2014_01_15);
        QVERIFY(w.show());

        pickListYear(w, 2020);
        QCOMPARE(w.frmMain->loadedYear().Year, 2020);
        QCOMPARE(summaryLines(w).value(0), QStringLiteral("2020庚子年"));
        QCOMPARE(w.frmMain->currentInstant(), k2014_01_15); // the picker's value stays
        QVERIFY(titlesWithMark(w.grid("DBGrid1")).isEmpty());
        QVERIFY(titlesWithMark(w.grid("DBGrid2")).isEmpty());
        QCOMPARE(cellText(w.grid("DBGrid2"), cellOf(w.grid("DBGrid2"), "客气", "年支")), QStringLiteral("子"));

        chooseDate(w, k2014_01_15);
        QCOMPARE(w.frmMain->loadedYear().Year, 2013);
        QCOMPARE(titlesWithMark(w.grid("DBGrid1")), QStringList{"终运(现在)"});
        QCOMPARE(titlesWithMark(w.grid("DBGrid2")), QStringList{"终气(现在)"});
    }

    // A year typed in full into the list's edit field, confirmed with Enter
    // or by leaving the field, loads nothing; the same year chosen in the
    // opened list then loads.
    void typedYearLoadsNothingUntilChosenInTheList()
    {
        TamsorFolder folder;
        TamsorWindows w(k2014_01_15);
        QVERIFY(w.show());
        auto* combo = w.find<QComboBox>("ComboBox1");
        QTest::mouseClick(combo->lineEdit(), Qt::LeftButton);
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), QStringLiteral("2020"));
        combo->lineEdit()->insert(QStringLiteral("年"));
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        QCOMPARE(w.frmMain->loadedYear().Year, 2013);
        w.grid("DBGrid1")->setFocus();
        QCOMPARE(w.frmMain->loadedYear().Year, 2013);
        QCOMPARE(summaryLines(w).value(0), QStringLiteral("2013癸巳年"));

        combo->showPopup();
        QAbstractItemView* list = combo->view();
        QTRY_VERIFY(list->isVisible());
        list->setCurrentIndex(list->model()->index(combo->findText(QStringLiteral("2020年")), 0));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(w.frmMain->loadedYear().Year, 2020);
        QCOMPARE(summaryLines(w).value(0), QStringLiteral("2020庚子年"));
    }

    void lastListYearNeedsTheNextJanuary()
    {
        TamsorFolder folder;
        TamsorWindows w(k2014_01_15);
        QVERIFY(w.show());
        pickListYear(w, 2031);
        QCOMPARE(summaryLines(w).value(0), QStringLiteral("2031辛亥年"));
        QVERIFY(cellText(w.grid("DBGrid2"), cellOf(w.grid("DBGrid2"), "公历", "终气")).contains(QStringLiteral("到2032-1-")));
        QVERIFY(Messages::shown().isEmpty());
    }

    void missingCalendarRowStopsTheLoadAndKeepsTheGrids()
    {
        TamsorFolder folder;
        folder.open().execute(QStringLiteral("delete from calendar where nian=2032"));
        TamsorWindows w(k2014_01_15);
        QVERIFY(w.show());
        QTableView* movements = w.grid("DBGrid1");
        const QString before = cellText(movements, cellOf(movements, "公历", "终运"));

        pickListYear(w, 2031);
        const auto shown = Messages::lastShown();
        QVERIFY(shown.has_value());
        QCOMPARE(shown->kind, Messages::Kind::Error);
        QVERIFY2(shown->text.contains(QStringLiteral("2032-1-0")), qPrintable(shown->text));
        QCOMPARE(summaryLines(w), QStringList{"2031辛亥年"});
        QCOMPARE(cellText(movements, cellOf(movements, "公历", "终运")), before);
        QCOMPARE(titlesWithMark(movements), QStringList{"终运(现在)"});
        QCOMPARE(w.frmMain->loadedYear().Year, 2013);
        // Nothing of the failed load reached the file.
        Database db = folder.open();
        QCOMPARE(firstText(db, QStringLiteral("select 终运 from yun where 属性='公历'"), QStringLiteral("终运")), before);
    }

    void elementCellsAreColouredOnlyInTheirRows()
    {
        TamsorFolder folder;
        // The same 土 text in the movement 分析 row, which is never coloured.
        folder.open().execute(QStringLiteral("update yun set 初运='太宫土' where 属性='分析'"));
        TamsorWindows w(k2014_01_15); // 2013, 癸: 主运 三运 is 太宫土
        QVERIFY(w.show());
        QTableView* grid = w.grid("DBGrid1");
        const QModelIndex earth = cellOf(grid, "主运", "三运");
        QCOMPARE(cellText(grid, earth), QStringLiteral("太宫土"));
        const QModelIndex sameInAnalysis = cellOf(grid, "分析", "初运");
        QCOMPARE(cellText(grid, sameInAnalysis), QStringLiteral("太宫土"));
        const QModelIndex date = cellOf(grid, "公历", "初运");

        QCOMPARE(pixelInCell(grid, earth), QColor(255, 255, 0));
        const QColor base = grid->palette().color(QPalette::Base);
        QCOMPARE(pixelInCell(grid, sameInAnalysis), base);
        QCOMPARE(pixelInCell(grid, date), base);
        QCOMPARE(ElementCellDelegate::readableTextColor(QColor(255, 255, 0)), QColor(Qt::black));
        QCOMPARE(ElementCellDelegate::readableTextColor(QColor(Qt::black)), QColor(Qt::white));

        // The grid's current cell, while the grid has the focus, is black.
        clickCell(grid, earth);
        QVERIFY(grid->hasFocus());
        QCOMPARE(pixelInCell(grid, earth), QColor(Qt::black));
        // A qi cell: 主气 初气 厥阴风木 is wood, lime green.
        QTableView* qi = w.grid("DBGrid2");
        QCOMPARE(pixelInCell(qi, cellOf(qi, "主气", "初气")), QColor(0, 255, 0));
        // The movement grid lost the focus: its cell shows its element again.
        clickCell(qi, cellOf(qi, "公历", "初气"));
        QCOMPARE(pixelInCell(grid, earth), QColor(255, 255, 0));
    }

    void clickedCellIsForgottenWhenTheGridIsLeft()
    {
        TamsorFolder folder;
        TamsorWindows w(k2014_01_15);
        QVERIFY(w.show());
        QTableView* grid = w.grid("DBGrid1");
        clickCell(grid, cellOf(grid, "主运", "初运"));
        QCOMPARE(w.frmMain->clickedCell().ClickedRowKind, QStringLiteral("主运"));
        QCOMPARE(w.frmMain->clickedCell().ClickedColumn, QStringLiteral("初运"));
        QCOMPARE(w.frmMain->clickedCell().ClickedText, QStringLiteral("太角木"));

        QTest::mouseClick(w.find<QComboBox>("ComboBox1")->lineEdit(), Qt::LeftButton);
        QVERIFY(w.frmMain->clickedCell().ClickedRowKind.isEmpty());
        QVERIFY(w.frmMain->clickedCell().ClickedColumn.isEmpty());
        QVERIFY(w.frmMain->clickedCell().ClickedText.isEmpty());

        QTest::mouseClick(w.find<QToolButton>("SpeedButton2"), Qt::LeftButton);
        const auto shown = Messages::lastShown();
        QVERIFY(shown.has_value());
        QCOMPARE(shown->kind, Messages::Kind::Message);
        QCOMPARE(shown->text, NoColouredCellMessage());
        QVERIFY(!w.find<QWidget>("frmcellYun")->isVisible());
    }

    void uncolouredCellGivesTheMessage_data()
    {
        QTest::addColumn<QString>("gridName");
        QTest::addColumn<QString>("rowKind");
        QTest::addColumn<QString>("field");
        QTest::newRow("公历 row") << "DBGrid1" << "公历" << "初运";
        QTest::newRow("岁运 column") << "DBGrid1" << "客运" << "岁运";
        QTest::newRow("movement 分析 row") << "DBGrid1" << "分析" << "初运";
        QTest::newRow("qi 交司 row") << "DBGrid2" << "交司" << "初气";
        QTest::newRow("qi 年支 column") << "DBGrid2" << "客气" << "年支";
    }

    void uncolouredCellGivesTheMessage()
    {
        QFETCH(QString, gridName);
        QFETCH(QString, rowKind);
        QFETCH(QString, field);
        TamsorFolder folder;
        TamsorWindows w(k2014_01_15);
        QVERIFY(w.show());
        QTableView* grid = w.grid(qPrintable(gridName));
        const QModelIndex cell = cellOf(grid, rowKind, field);
        QVERIFY(cell.isValid());
        clickCell(grid, cell);
        QCOMPARE(w.frmMain->clickedCell().ClickedRowKind, rowKind);

        QTest::mouseClick(w.find<QToolButton>("SpeedButton2"), Qt::LeftButton);
        QCOMPARE(Messages::shown().size(), 1);
        QCOMPARE(Messages::lastShown()->text, NoColouredCellMessage());
        for (const char* name : {"frmcellYun", "frmcellQi", "frmQiAnalyz"})
            QVERIFY2(!w.find<QWidget>(name)->isVisible(), name);
    }

    void doubleClickOnAGuestMovementOpensTheMovementWindow()
    {
        TamsorFolder folder;
        TamsorWindows w(k2014_01_15);
        QVERIFY(w.show());
        QTableView* grid = w.grid("DBGrid1");
        const QModelIndex cell = cellOf(grid, "客运", "二运");
        const QString text = cellText(grid, cell);
        QCOMPARE(text, QStringLiteral("太宫土"));

        doubleClickCell(grid, cell);
        auto* window = w.find<QWidget>("frmcellYun");
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("五运当前单元格的分析"));
        QCOMPARE(window->findChild<QLineEdit*>("Edit1")->text(), QStringLiteral("客运的二运:太宫土"));
        Database db = folder.open();
        const Row expected = db.query(QStringLiteral("select * from 五运胜复 where 五运='太宫土'")).firstOrEmpty();
        QVERIFY(!expected.text(QStringLiteral("三气之纪")).isEmpty());
        QCOMPARE(window->findChild<QPlainTextEdit*>("Memo1")->toPlainText(), expected.text(QStringLiteral("三气之纪")));
        QCOMPARE(window->findChild<QPlainTextEdit*>("Memo2")->toPlainText(), expected.text(QStringLiteral("胜")));
        QCOMPARE(window->findChild<QPlainTextEdit*>("Memo3")->toPlainText(), expected.text(QStringLiteral("复")));
        QCOMPARE(window->findChild<QPlainTextEdit*>("Memo4")->toPlainText(), expected.text(QStringLiteral("郁发")));
        QVERIFY(Messages::shown().isEmpty());
    }

    void hostQiCellOpensTheQiWindowThroughTheSpeedButton()
    {
        TamsorFolder folder;
        TamsorWindows w(k2014_01_15);
        QVERIFY(w.show());
        QTableView* grid = w.grid("DBGrid2");
        clickCell(grid, cellOf(grid, "主气", "初气"));
        // The speed button takes no focus, so the clicked cell survives.
        QTest::mouseClick(w.find<QToolButton>("SpeedButton2"), Qt::LeftButton);
        auto* window = w.find<QWidget>("frmcellQi");
        QVERIFY(window->isVisible());
        QCOMPARE(window->findChild<QLineEdit*>("Edit1")->text(), QStringLiteral("主气的初气:厥阴风木"));
        Database db = folder.open();
        const Row expected = db.query(QStringLiteral("select * from 六气胜复 where 六气='厥阴风木'")).firstOrEmpty();
        const QStringList columns{"淫胜", "淫胜治则", "复气", "复气治则"};
        for (int i = 0; i < columns.size(); ++i)
            QCOMPARE(window->findChild<QPlainTextEdit*>(QStringLiteral("Memo%1").arg(i + 1))->toPlainText(),
                     expected.text(columns[i]));
    }

    void analysisCellUsesTheBranchOfTheYearOnShow()
    {
        TamsorFolder folder;
        TamsorWindows w(k2014_01_15);
        QVERIFY(w.show());
        Database db = folder.open();
        auto qiRowText = [&db](const QString& kind, const QString& branch, const QString& column) {
            QString sql = QStringLiteral("select * from QI where 属性='") + kind + QStringLiteral("'");
            if (!branch.isEmpty())
                sql += QStringLiteral(" and 年支='") + branch + QStringLiteral("'");
            return db.query(sql).firstOrEmpty().text(column);
        };
        auto* window = w.find<QWidget>("frmQiAnalyz");
        auto memo = [window](int n) {
            return window->findChild<QPlainTextEdit*>(QStringLiteral("Memo%1").arg(n))->toPlainText();
        };

        QTableView* grid = w.grid("DBGrid2");
        QModelIndex cell = cellOf(grid, "分析", "初气");
        const QString text2013 = cellText(grid, cell);
        doubleClickCell(grid, cell);
        QVERIFY(window->isVisible());
        QCOMPARE(window->findChild<QLineEdit*>("Edit1")->text(), QStringLiteral("初气的分析:") + text2013);
        QCOMPARE(memo(1), qiRowText("司天客主分析", "巳", "初气"));
        QCOMPARE(memo(2), qiRowText("在泉客主分析", "巳", "初气"));
        QCOMPARE(memo(4), qiRowText("客气治则", "巳", "初气"));
        QCOMPARE(memo(5), qiRowText("运气合治", "巳", "初气"));
        const QString hostRule = memo(3);
        QCOMPARE(hostRule, qiRowText("主气治则", "", "初气"));
        QVERIFY(!memo(1).isEmpty());

        pickListYear(w, 2014); // 甲午
        cell = cellOf(grid, "分析", "初气");
        clickCell(grid, cell);
        QTest::mouseClick(w.find<QToolButton>("SpeedButton2"), Qt::LeftButton);
        QCOMPARE(window->findChild<QLineEdit*>("Edit1")->text(), QStringLiteral("初气的分析:") + cellText(grid, cell));
        QCOMPARE(memo(1), qiRowText("司天客主分析", "午", "初气"));
        QVERIFY(memo(1) != qiRowText("司天客主分析", "巳", "初气"));
        QCOMPARE(memo(3), hostRule);
    }

    void referenceButtonsShowTheirTextFiles()
    {
        TamsorFolder folder;
        folder.writeFile(QStringLiteral("about.txt"), QStringLiteral("五运六气\r\n第二行"), true);
        folder.writeFile(QStringLiteral("运气学七篇.txt"), QStringLiteral("天元纪大论（UTF-8）"), false);
        TamsorWindows w(k2014_01_15);
        QVERIFY(w.show());
        auto* window = w.find<QWidget>("frmMSG");
        auto* memo = window->findChild<QPlainTextEdit*>("Memo1");

        QTest::mouseClick(w.find<QPushButton>("Button1"), Qt::LeftButton);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("显示文本窗口"));
        QCOMPARE(memo->toPlainText(), QStringLiteral("五运六气\n第二行"));

        QTest::mouseClick(w.find<QPushButton>("Button5"), Qt::LeftButton);
        QCOMPARE(memo->toPlainText(), QStringLiteral("天元纪大论（UTF-8）"));

        QTest::mouseClick(window->findChild<QPushButton*>("Button1"), Qt::LeftButton); // 关闭
        QVERIFY(!window->isVisible());

        // No 一些问题.txt in the folder: an error naming it, and no window.
        QTest::mouseClick(w.find<QPushButton>("Button7"), Qt::LeftButton);
        const auto shown = Messages::lastShown();
        QVERIFY(shown.has_value());
        QCOMPARE(shown->kind, Messages::Kind::Error);
        QVERIFY2(shown->text.contains(QStringLiteral("一些问题.txt")), qPrintable(shown->text));
        QVERIFY(!window->isVisible());
    }

    void missingDatabaseIsReportedAndTheWindowStaysOpen()
    {
        TamsorFolder folder;
        QVERIFY(QFile::remove(QStringLiteral("Tamsor.db")));
        TamsorWindows w(k2014_01_15);
        w.frmMain->show();
        QTRY_VERIFY(Messages::lastShown().has_value());
        QCOMPARE(Messages::lastShown()->kind, Messages::Kind::Error);
        QVERIFY2(Messages::lastShown()->text.contains(QStringLiteral("Tamsor.db")),
                 qPrintable(Messages::lastShown()->text));
        QVERIFY(w.frmMain->isVisible());
        QVERIFY(!QFile::exists(QStringLiteral("Tamsor.db"))); // never created empty
        // The buttons report the missing file instead of failing silently.
        Messages::clearShown();
        QTest::mouseClick(w.find<QToolButton>("SpeedButton1"), Qt::LeftButton);
        QCOMPARE(Messages::shown().size(), 1);
        QVERIFY(!w.find<QWidget>("frmYear")->isVisible());
    }

    void aboutBoxShowsAndCloses()
    {
        TamsorFolder folder;
        TamsorWindows w(k2014_01_15);
        QVERIFY(w.show());
        QTest::mouseClick(w.find<QPushButton>("Button6"), Qt::LeftButton);
        auto* box = w.find<QWidget>("AboutBox");
        QVERIFY(box->isVisible());
        QCOMPARE(box->windowTitle(), QStringLiteral("About"));
        QCOMPARE(box->size(), QSize(550, 413));
        QVERIFY(!box->isModal());
        QTest::mouseClick(box->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        QVERIFY(!box->isVisible());
    }
};

QTEST_MAIN(TestTamsorMain)
#include "tst_tamsor_main.moc"
