// The help-text viewer: GBK and UTF-8 files, the layout in dialog units,
// the typing limit and a missing file.
#include "GuiTestSupport.h"
#include "clinic/common/ShowTextFile.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <cmath>

class TestTextFile : public QObject
{
    Q_OBJECT

private slots:
    void showsGbkAndUtf8Files_data()
    {
        QTest::addColumn<bool>("gbk");
        QTest::newRow("GBK") << true;
        QTest::newRow("UTF-8") << false;
    }

    void showsGbkAndUtf8Files()
    {
        QFETCH(bool, gbk);
        TempClinicFolder folder;
        const QString text = "使用说明\n第一步：登录，初始用户 ADMIN。\n";
        folder.writeFile("使用说明.txt", text, gbk);

        QString seen;
        QString title;
        whenModalShown([&](QWidget* w) {
            auto* dialog = qobject_cast<TextFileDialog*>(w);
            QVERIFY(dialog);
            title = dialog->windowTitle();
            seen = dialog->textBox()->toPlainText();
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        });
        QVERIFY(ShowTextFile("使用说明", "使用说明", "使用说明.txt", 1000));
        QCOMPARE(seen, text);
        QCOMPARE(title, QString("使用说明"));

        whenModalShown([](QWidget* w) { QTest::mouseClick(w->findChild<QPushButton*>("cancelButton"), Qt::LeftButton); });
        QVERIFY(!ShowTextFile("使用说明", "使用说明", "使用说明.txt", 1000));
        QCOMPARE(pendingModalHandlers(), 0);
    }

    void aMissingFileIsReportedByNameBeforeAnyDialog()
    {
        TempClinicFolder folder;
        try {
            ShowTextFile("版本修改历史", "版本修改历史", "版本修改历史.txt", 1000);
            QFAIL("no error for a missing file");
        } catch (const std::runtime_error& e) {
            QVERIFY(QString::fromUtf8(e.what()).contains("版本修改历史.txt"));
        }
        QVERIFY(!QApplication::activeModalWidget());
    }

    void layoutFollowsTheDialogUnits()
    {
        TextFileDialog dialog("c", "药品进销存说明", "x", 1000);
        const QFontMetrics fm(dialog.font());
        const double w = fm.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 52.0;
        const double h = fm.height();
        auto across = [&](double x) { return int(std::lround(x * w / 4)); };
        auto down = [&](double y) { return int(std::lround(y * h / 8)); };

        QCOMPARE(dialog.width(), across(300));
        QCOMPARE(dialog.promptLabel()->pos(), QPoint(across(8), down(8)));
        QVERIFY(dialog.promptLabel()->width() <= across(164));
        QCOMPARE(dialog.textBox()->y(), dialog.promptLabel()->geometry().bottom() + 1 + 5);
        QCOMPARE(dialog.textBox()->width(), dialog.width() - 40);
        QCOMPARE(dialog.textBox()->height(), 10 * down(14));
        QCOMPARE(dialog.okButton()->size(), QSize(across(50), down(14)));
        QCOMPARE(dialog.okButton()->y(), dialog.textBox()->geometry().bottom() + 1 + 15);
        QCOMPARE(dialog.cancelButton()->x(), dialog.okButton()->geometry().right() + 1 + 10);
        // The pair is centred and the client ends 13 pixels below it.
        const int leftGap = dialog.okButton()->x();
        const int rightGap = dialog.width() - dialog.cancelButton()->geometry().right() - 1;
        QVERIFY(std::abs(leftGap - rightGap) <= 1);
        QCOMPARE(dialog.height(), dialog.okButton()->geometry().bottom() + 1 + 13);
        QVERIFY(dialog.okButton()->isDefault());
    }

    void typingStopsAtTheLimitButLongTextStaysWhole()
    {
        TextFileDialog shortText("c", "p", "abc", 5);
        shortText.textBox()->moveCursor(QTextCursor::End);
        QTest::keyClicks(shortText.textBox(), "defgh");
        QCOMPARE(shortText.textBox()->toPlainText(), QString("abcde"));

        const QString longText(20, QChar('x'));
        TextFileDialog longFile("c", "p", longText, 5);
        QCOMPARE(longFile.textBox()->toPlainText(), longText);
        longFile.textBox()->moveCursor(QTextCursor::End);
        QTest::keyClicks(longFile.textBox(), "y");
        QCOMPARE(longFile.textBox()->toPlainText(), longText);
        QTest::keyClick(longFile.textBox(), Qt::Key_Backspace);
        QCOMPARE(longFile.textBox()->toPlainText().size(), 19);
    }
};

QTEST_MAIN(TestTextFile)
#include "tst_textfile.moc"
