// Tamsor's whole-year analysis window: the 干德符 sentence, the balanced-year
// reading that changes only the three-kinds text, the 司天/在泉 texts, the
// refill on another year and the "说明" message.

#include "tst_tamsor_fixture.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

namespace {

QString memo(QWidget* window, int n)
{
    return window->findChild<QPlainTextEdit*>(QStringLiteral("Memo%1").arg(n))->toPlainText();
}

QString edit(QWidget* window, const char* name)
{
    return window->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
}

Row fiveMovementRow(Database& db, const QString& movement)
{
    return db.query(QStringLiteral("select * from 五运胜复 where 五运='") + movement + QStringLiteral("'")).firstOrEmpty();
}

} // namespace

class TestTamsorYear : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Messages::reset();
        Messages::setTestMode(true);
    }

    void wholeYearAnalysis_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("threeKindsKey");
        // 2014 甲午: excess earth, not balanced by the table, 交运日 a 辛 day.
        QTest::newRow("no 干德符, not balanced") << QDate(2014, 6, 1)
                                              << "交运日日干是辛,年干是甲,没有形成干德符." << "太宫土";
        // 2013 癸巳: the table says balanced; no 干德符, yet the 平 form is read.
        QTest::newRow("balanced by the table only") << QDate(2013, 6, 1)
                                                   << "交运日日干是丙,年干是癸,没有形成干德符." << "平徵火";
        // 1905 乙巳: 大寒 on a 庚 day, 乙 and 庚 form 干德符.
        QTest::newRow("干德符") << QDate(1905, 6, 1) << "" << "平商金";
    }

    void wholeYearAnalysis()
    {
        QFETCH(QDate, day);
        QFETCH(QString, sentence);
        QFETCH(QString, threeKindsKey);
        TamsorFolder folder;
        TamsorWindows w(QDateTime(day, QTime(8, 0)));
        QVERIFY(w.show());
        const YearSummary summary = w.frmMain->yearSummary();
        const LoadedYear year = w.frmMain->loadedYear();

        QTest::mouseClick(w.find<QToolButton>("SpeedButton1"), Qt::LeftButton);
        auto* window = w.find<QWidget>("frmYear");
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("全年运气分析"));
        QVERIFY(Messages::shown().isEmpty());

        Database db = folder.open();
        if (sentence.isEmpty()) {
            const QString judgement = db.query(QStringLiteral("select 判断 from 天干合 where 年干='乙' and 日干='庚'"))
                                          .firstOrEmpty()
                                          .text(QStringLiteral("判断"));
            QVERIFY(!judgement.isEmpty());
            sentence = QStringLiteral("交运日日干是庚,年干是乙,") + judgement + QStringLiteral(",形成干德符,是平气之年.");
        }
        QCOMPARE(edit(window, "Edit3"), sentence);

        const Row cycle = db.query(QStringLiteral("select * from 甲子表 where 天干='") + year.YearStem
                                   + QStringLiteral("' and 地支='") + year.YearBranch + QStringLiteral("'"))
                              .firstOrEmpty();
        QCOMPARE(edit(window, "Edit4"), cycle.text(QStringLiteral("运气同化或异化字样")) + QStringLiteral(":"));
        QCOMPARE(edit(window, "Edit1"), cycle.text(QStringLiteral("运气同化或异化名称")));
        QCOMPARE(edit(window, "Edit2"), cycle.text(QStringLiteral("运气同化或异化判断")));
        QCOMPARE(memo(window, 1), cycle.text(QStringLiteral("平气判断")));
        QCOMPARE(memo(window, 10), cycle.text(QStringLiteral("运气同治")));
        QCOMPARE(memo(window, 11), cycle.text(QStringLiteral("运气合治")));

        // Only the three-kinds text takes the balanced form.
        const QString threeKinds = fiveMovementRow(db, threeKindsKey).text(QStringLiteral("三气之纪"));
        QVERIFY(!threeKinds.isEmpty());
        QCOMPARE(memo(window, 2), threeKinds);
        const Row movement = fiveMovementRow(db, summary.YearMovement);
        QCOMPARE(memo(window, 3), movement.text(QStringLiteral("胜")));
        QCOMPARE(memo(window, 4), movement.text(QStringLiteral("复")));
        QCOMPARE(memo(window, 5), movement.text(QStringLiteral("郁发")));
        QVERIFY(!memo(window, 3).isEmpty());

        const Row sitian = db.query(QStringLiteral("select * from 司天在泉 where 司天在泉='司天' and 三阴三阳='")
                                    + summary.SitianQi + QStringLiteral("'"))
                               .firstOrEmpty();
        const Row zaiquan = db.query(QStringLiteral("select * from 司天在泉 where 司天在泉='在泉' and 三阴三阳='")
                                     + summary.ZaiquanQi + QStringLiteral("'"))
                                .firstOrEmpty();
        QCOMPARE(memo(window, 6), sitian.text(QStringLiteral("淫胜")));
        QCOMPARE(memo(window, 7), sitian.text(QStringLiteral("治则")));
        QCOMPARE(memo(window, 8), zaiquan.text(QStringLiteral("淫胜")));
        QCOMPARE(memo(window, 9), zaiquan.text(QStringLiteral("治则")));
        QVERIFY(!memo(window, 6).isEmpty() && !memo(window, 9).isEmpty());

        auto* outer = window->findChild<QTabWidget*>("PageControl1");
        auto* inner = window->findChild<QTabWidget*>("PageControl2");
        QCOMPARE(outer->tabText(outer->currentIndex()), QStringLiteral("岁运"));
        QCOMPARE(inner->tabText(inner->currentIndex()), QStringLiteral("三气之纪"));
    }

    void anotherYearRefillsEveryField()
    {
        TamsorFolder folder;
        TamsorWindows w(QDateTime(QDate(2014, 6, 1), QTime(8, 0)));
        QVERIFY(w.show());
        auto* window = w.find<QWidget>("frmYear");
        QTest::mouseClick(w.find<QToolButton>("SpeedButton1"), Qt::LeftButton);
        QStringList before;
        for (int n = 1; n <= 11; ++n)
            before << memo(window, n);
        const QString sentenceBefore = edit(window, "Edit3");

        // The window keeps showing 2014 until the button is used again.
        w.frmMain->LoadYear(1905);
        QCOMPARE(edit(window, "Edit3"), sentenceBefore);
        QTest::mouseClick(w.find<QToolButton>("SpeedButton1"), Qt::LeftButton);
        QVERIFY(edit(window, "Edit3").endsWith(QStringLiteral(",形成干德符,是平气之年.")));
        for (int n : {1, 2, 3, 6, 8, 10, 11})
            QVERIFY2(memo(window, n) != before[n - 1], qPrintable(QStringLiteral("Memo%1 kept").arg(n)));
    }

    void explanationMessage()
    {
        TamsorFolder folder;
        TamsorWindows w(QDateTime(QDate(2014, 6, 1), QTime(8, 0)));
        QVERIFY(w.show());
        QTest::mouseClick(w.find<QToolButton>("SpeedButton1"), Qt::LeftButton);
        auto* window = w.find<QWidget>("frmYear");
        QTest::mouseClick(window->findChild<QPushButton*>("Button1"), Qt::LeftButton);
        const auto shown = Messages::lastShown();
        QVERIFY(shown.has_value());
        const QStringList lines = shown->text.split(QStringLiteral("\n\r"));
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], QStringLiteral("不同的书关于平气判断是不太相同的,"));
        QVERIFY(lines[1].contains(QStringLiteral("<内经讲义>")));
        QCOMPARE(lines[2], QStringLiteral("即\"运太过被抑制或运不及得资助,抑制或资助是指司天之气或地支四方正气的生克关系而言\""));
        QCOMPARE(lines[3], QStringLiteral("所以可能在平气判断时与其它书有出入."));
    }
};

QTEST_MAIN(TestTamsorYear)
#include "tst_tamsor_year.moc"
