// The login against a real OK.db: the dialog's captions and prefill, the
// matching rule, unlimited attempts, cancelling, and the program's start
// and end around it.
#include "GuiTestSupport.h"
#include "clinic/app/ClinicProgram.h"
#include "clinic/app/Login.h"
#include "clinic/db/TDM.h"
#include "clinic/app/TfrmMain.h"
#include "clinic/app/UserInfo.h"
#include "clinic/common/ProgramValues.h"
#include "clinic/db/ClinicSchema.h"
#include "platform/widgets/Messages.h"

#include <QApplication>
#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {
// Types a text key by key (QTest::keyClicks handles only ASCII).
void typeText(QWidget* box, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Types a login into the dialog and presses OK.
std::function<void(QWidget*)> typeLogin(const QString& name, const QString& password)
{
    return [=](QWidget* w) {
        auto* dialog = qobject_cast<LoginDialog*>(w);
        QVERIFY(dialog);
        auto* nameBox = dialog->findChild<QLineEdit*>("LoginNameEdit");
        auto* passwordBox = dialog->findChild<QLineEdit*>("PasswordEdit");
        nameBox->clear();
        typeText(nameBox, name);
        passwordBox->clear();
        typeText(passwordBox, password);
        acceptDialog(dialog);
    };
}

const QString kWrongLogin = "用户或密码错误,请重新输入!";
} // namespace

class TestLogin : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempClinicFolder> m_folder;
    std::unique_ptr<TDM> m_dm;

    int wrongLoginMessages() const
    {
        int count = 0;
        for (const auto& shown : Messages::shown())
            count += shown.text == kWrongLogin && shown.title == "提示:";
        return count;
    }

private slots:
    void initTestCase()
    {
        loadQtTranslations(*qApp);
    }

    void init()
    {
        Messages::reset();
        Messages::setTestMode(true);
        clearModalHandlers();
        programValues() = ProgramValues();
        m_folder = std::make_unique<TempClinicFolder>();
        m_dm = std::make_unique<TDM>(kClinicDatabaseFile);
    }

    void cleanup()
    {
        QCOMPARE(pendingModalHandlers(), 0);
        m_dm.reset();
        m_folder.reset();
    }

    void theDialogIsPrefilledFromTheSettingsAndLogsIn()
    {
        whenModalShown([](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("登录      "));
            QCOMPARE(w->findChild<QLineEdit*>("LoginNameEdit")->text(), QString("ADMIN"));
            auto* password = w->findChild<QLineEdit*>("PasswordEdit");
            QCOMPARE(password->text(), QString("123"));
            QCOMPARE(password->echoMode(), QLineEdit::Password);
            // The labels note the initial login of a new database.
            QStringList labels;
            for (auto* label : w->findChildren<QLabel*>())
                labels << label->text();
            QVERIFY(labels.join('|').contains("登录名(") && labels.join('|').contains(kInitialLoginName));
            QVERIFY(labels.join('|').contains("密码(") && labels.join('|').contains(kInitialPassword));
            acceptDialog(w);
        });
        QVERIFY(Login());
        QCOMPARE(programValues().CurrentUserName, QString("管理员"));
        QCOMPARE(programValues().CurrentUserID, QString("1"));
        QCOMPARE(programValues().CurrentPassword, QString("123"));
        QCOMPARE(programValues().DefaultLoginName, QString("ADMIN"));
        QCOMPARE(programValues().DefaultPassword, QString("123"));
        QCOMPARE(wrongLoginMessages(), 0);
    }

    void wrongAttemptsRepeatUntilARightOne()
    {
        whenModalShown(typeLogin("ADMIN", "124"));
        whenModalShown([](QWidget* w) {
            // The dialog shows the last typed values again.
            QCOMPARE(w->findChild<QLineEdit*>("PasswordEdit")->text(), QString("124"));
            typeLogin("管理员", "123")(w); // the shown name is not the login name
        });
        whenModalShown(typeLogin("admin", "123"));
        QVERIFY(Login());
        QCOMPARE(wrongLoginMessages(), 2);
        QCOMPARE(programValues().CurrentPassword, QString("123"));
    }

    void cancellingEndsTheLoginWithoutAUser()
    {
        whenModalShown(typeLogin("ADMIN", "x"));
        whenModalShown([](QWidget* w) { rejectDialog(w); });
        QVERIFY(!Login());
        QCOMPARE(wrongLoginMessages(), 1);
        QVERIFY(programValues().CurrentUserName.isEmpty());
        QVERIFY(programValues().CurrentUserID.isEmpty());
    }

    void anEmptyUserTableRefusesEveryAttempt()
    {
        m_folder->open().execute("delete from 用户表");
        whenModalShown(typeLogin("ADMIN", "123"));
        whenModalShown(typeLogin("", ""));
        whenModalShown([](QWidget* w) { rejectDialog(w); });
        QVERIFY(!Login());
        QCOMPARE(wrongLoginMessages(), 2);
    }

    void anEmptySettingsTableLeavesTheBoxesEmpty()
    {
        m_folder->open().execute("delete from 设置表");
        whenModalShown([](QWidget* w) {
            QVERIFY(w->findChild<QLineEdit*>("LoginNameEdit")->text().isEmpty());
            QVERIFY(w->findChild<QLineEdit*>("PasswordEdit")->text().isEmpty());
            rejectDialog(w);
        });
        QVERIFY(!Login());
    }

    void theFirstMatchingRowWins()
    {
        Database db = m_folder->open();
        db.execute("insert into 用户表 (用户名, 登陆名, 密码) values ('doc', '张医生', 'Pw'), ('DOC', '李医生', 'pW')");
        whenModalShown(typeLogin("Doc", "PW"));
        QVERIFY(Login());
        QCOMPARE(programValues().CurrentUserName, QString("张医生"));
        QCOMPARE(programValues().CurrentUserID, db.scalar("select ID from 用户表 where 登陆名='张医生'").toString());
        QCOMPARE(programValues().CurrentPassword, QString("PW")); // as typed
    }

    void theMatchingRule_data()
    {
        QTest::addColumn<QString>("storedName");
        QTest::addColumn<QString>("storedPassword");
        QTest::addColumn<QString>("typedName");
        QTest::addColumn<QString>("typedPassword");
        QTest::addColumn<bool>("matches");
        QTest::newRow("lower stored, upper typed") << "abc" << "pwd" << "ABC" << "PWD" << true;
        QTest::newRow("upper stored, lower typed") << "ABC" << "PWD" << "abc" << "pwd" << true;
        QTest::newRow("trailing space typed") << "abc" << "pwd" << "abc " << "pwd" << false;
        QTest::newRow("trailing space in password") << "abc" << "pwd" << "abc" << "pwd " << false;
        QTest::newRow("leading space stored") << " abc" << "pwd" << "abc" << "pwd" << false;
        QTest::newRow("Chinese name exact") << "张三" << "密码1" << "张三" << "密码1" << true;
        QTest::newRow("only a-z are folded") << "ä" << "x" << "Ä" << "x" << false;
        QTest::newRow("full-width letters are not folded") << "ａ" << "x" << "Ａ" << "x" << false;
        QTest::newRow("wrong password") << "abc" << "pwd" << "abc" << "pwe" << false;
        QTest::newRow("empty user, empty typing") << "" << "" << "" << "" << true;
    }

    void theMatchingRule()
    {
        QFETCH(QString, storedName);
        QFETCH(QString, storedPassword);
        QFETCH(QString, typedName);
        QFETCH(QString, typedPassword);
        QFETCH(bool, matches);
        const QList<TUserInfoObj> users = {{"7", "显示名", storedName, storedPassword}};
        QCOMPARE(findLoginUser(users, typedName, typedPassword) != nullptr, matches);
    }

    void theUserListKeepsTableOrderAndAllColumns()
    {
        Database db = m_folder->open();
        db.execute("insert into 用户表 (用户名, 登陆名, 密码) values ('b', 'B医生', null)");
        QList<TUserInfoObj> users = {{"x", "x", "x", "x"}};
        LoadUserList(users, *m_dm->adotmp, m_dm->ADOmain());
        QCOMPARE(users.size(), 2);
        QCOMPARE(users[0].UserName, QString("ADMIN"));
        QCOMPARE(users[0].LoginShow, QString("管理员"));
        QCOMPARE(users[1].ID, QString("2"));
        QCOMPARE(users[1].Password, QString(""));
    }
};

// The program around the login: a missing database ends it with one message
// naming the file and the folder; a cancelled login ends it quietly; the main
// window is never shown in either case.
class TestProgramStart : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Messages::reset();
        Messages::setTestMode(true);
        clearModalHandlers();
    }

    void aMissingDatabaseEndsTheProgramWithOneMessage()
    {
        TempClinicFolder folder;
        QFile::remove(folder.databasePath());
        QCOMPARE(runClinicProgram(*qApp), 1);
        QCOMPARE(Messages::shown().size(), 1);
        const QString text = Messages::shown().first().text;
        QVERIFY2(text.contains("OK.db") && text.contains(QDir::toNativeSeparators(folder.path())), qPrintable(text));
        QVERIFY(!QFile::exists(folder.databasePath())); // never created silently
        QCOMPARE(pendingModalHandlers(), 0);
    }

    void aCancelledLoginEndsTheProgramWithoutTheMainWindow()
    {
        TempClinicFolder folder;
        bool mainWindowSeen = false;
        whenModalShown([&](QWidget* w) {
            for (QWidget* top : QApplication::topLevelWidgets())
                mainWindowSeen |= qobject_cast<TfrmMain*>(top) && top->isVisible();
            rejectDialog(w);
        });
        QCOMPARE(runClinicProgram(*qApp), 0);
        QVERIFY(!mainWindowSeen);
        QVERIFY(Messages::shown().isEmpty());
        QCOMPARE(QApplication::applicationDisplayName(), QString("Mazurel"));
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int failures = 0;
    TestLogin login;
    failures += QTest::qExec(&login, argc, argv);
    TestProgramStart start;
    failures += QTest::qExec(&start, argc, argv);
    return failures;
}

#include "tst_login.moc"
