// The message helper: answers decided in advance, and the defaults of test
// mode, so that no test ever blocks on a modal box.
#include "GuiTestSupport.h"
#include "platform/db/DatabaseError.h"
#include "platform/widgets/ErrorGuard.h"
#include "platform/widgets/Messages.h"

#include <QAbstractButton>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <stdexcept>

class TestMessages : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Messages::reset();
        Messages::setTestMode(true);
    }

    void queuedAnswersComeInOrderThenDefaults()
    {
        Messages::setNextAnswer(QMessageBox::Yes);
        Messages::setNextAnswer(QMessageBox::Cancel);
        QCOMPARE(Messages::ask(nullptr, "t1", "q1"), QMessageBox::Yes);
        QVERIFY(!Messages::askOkCancel(nullptr, "t2", "q2"));
        // Nothing queued: a question gets its escape button, and says so.
        QVERIFY(!Messages::askOkCancel(nullptr, "t3", "q3"));
        QVERIFY(!Messages::askYesNo(nullptr, "t4", "q4"));
        const auto shown = Messages::shown();
        QCOMPARE(shown.size(), 4);
        QCOMPARE(shown[0].title, QString("t1"));
        QVERIFY(shown[1].answered);
        QVERIFY(!shown[2].answered);
        QCOMPARE(shown[3].kind, Messages::Kind::Question);
    }

    void inputAndFileAnswers()
    {
        Messages::setNextInput(QString("typed  "));
        Messages::setNextInput(std::nullopt);
        QCOMPARE(Messages::inputText(nullptr, "cap", "prompt", "old").value(), QString("typed  "));
        QVERIFY(!Messages::inputText(nullptr, "cap", "prompt", "old").has_value());
        QVERIFY(!Messages::inputText(nullptr, "cap", "prompt", "old").has_value()); // unqueued: cancel
        QCOMPARE(Messages::shown()[0].value, QString("old"));

        Messages::setNextFileName("/x/a.qss");
        QCOMPARE(Messages::openFileName(nullptr, "c", "/x"), QString("/x/a.qss"));
        QCOMPARE(Messages::openFileName(nullptr, "c", "/x"), QString());
    }

    void messagesAreRecordedWithTheirTitle()
    {
        Messages::show(nullptr, "用户或密码错误,请重新输入!", "提示:");
        QCOMPARE(Messages::lastShown()->text, QString("用户或密码错误,请重新输入!"));
        QCOMPARE(Messages::lastShown()->title, QString("提示:"));
        QCOMPARE(Messages::lastShown()->kind, Messages::Kind::Message);
    }

    // Outside test mode a queued answer is used without showing a box, and an
    // unqueued one shows a real box (answered here through its button).
    void realBoxOutsideTestMode()
    {
        Messages::setTestMode(false);
        Messages::setNextAnswer(QMessageBox::Ok);
        QVERIFY(Messages::askOkCancel(nullptr, "t", "q"));

        whenModalShown([](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            QCOMPARE(box->text(), QString("q"));
            box->button(QMessageBox::No)->click();
        });
        QVERIFY(!Messages::askYesNo(nullptr, "t", "q"));

        whenModalShown([](QWidget* w) {
            auto* dialog = qobject_cast<QInputDialog*>(w);
            QVERIFY(dialog);
            QCOMPARE(dialog->textValue(), QString("old"));
            dialog->setTextValue(" new ");
            dialog->accept();
        });
        QCOMPARE(Messages::inputText(nullptr, "c", "p", "old").value(), QString(" new "));
        QCOMPARE(pendingModalHandlers(), 0);
        Messages::setTestMode(true);
    }

    void errorGuardShowsTheErrorOnceAndGoesOn()
    {
        bool after = false;
        QVERIFY(!runShowingErrors(nullptr, [] { throw DatabaseError("no such column: 诊所"); }));
        QVERIFY(runShowingErrors(nullptr, [&] { after = true; }));
        QVERIFY(after);
        QCOMPARE(Messages::shown().size(), 1);
        QCOMPARE(Messages::lastShown()->kind, Messages::Kind::Error);
        QCOMPARE(Messages::lastShown()->text, QString("no such column: 诊所"));
    }

    // The program's default error report: an exception escaping any handler
    // is shown once and the program goes on (the next click works).
    void anExceptionEscapingAHandlerIsShownAndTheProgramGoesOn()
    {
        QPushButton button("保存");
        int clicks = 0;
        connect(&button, &QPushButton::clicked, this, [&clicks] {
            if (++clicks == 1)
                throw DatabaseError("UNIQUE constraint failed: 用户表.用户名");
        });
        button.show();
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(Messages::shown().size(), 1);
        QCOMPARE(Messages::lastShown()->kind, Messages::Kind::Error);
        QCOMPARE(Messages::lastShown()->text, QString("UNIQUE constraint failed: 用户表.用户名"));
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicks, 2);
        QCOMPARE(Messages::shown().size(), 1);
    }
};

// The tests run under the programs' own application object.
int main(int argc, char** argv)
{
    GuardedApplication app(argc, argv);
    TestMessages test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_messages.moc"
