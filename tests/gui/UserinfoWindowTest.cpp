// The user accounts window: grid titles by role, the display name locked
// outside 新增/修改, saving without checks, deleting every user.
#include "CatalogTestHelpers.h"
#include "GuiTestSupport.h"
#include "clinic/db/TDM.h"
#include "clinic/db/ClinicSchema.h"
#include "clinic/users/U_userinfo.h"
#include "platform/data/DataSet.h"

#include <QGroupBox>
#include <QTableView>

namespace {
const QStringList kButtons = {"bsSkinButton1", "bsSkinButton2", "bsSkinButton3",
                              "bsSkinButton4", "bsSkinButton5", "bsSkinButton6"};
}

class TestUserinfo : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempClinicFolder> m_folder;
    std::unique_ptr<TDM> m_dm;

    DataSet* users(QWidget* window) { return window->findChild<DataSet*>("ADOQuery1"); }
    RowSet stored() { return m_folder->open().query("select * from 用户表 order by ID"); }

private slots:
    void init()
    {
        Messages::reset();
        Messages::setTestMode(true);
        m_folder = std::make_unique<TempClinicFolder>(); // holds ADMIN / 管理员 / 123
        m_dm = std::make_unique<TDM>(kClinicDatabaseFile);
    }

    void cleanup()
    {
        m_dm.reset();
        m_folder.reset();
    }

    void gridTitlesFollowTheRolesOfTheColumns()
    {
        TfrmUserinfo window;
        QCOMPARE(window.windowTitle(), QString("用户列表维护"));
        QCOMPARE(child<QGroupBox>(&window, "bsSkinGroupBox1")->title(), QString("物品列表"));
        auto* grid = child<QTableView>(&window, "DBGridEh1");
        QAbstractItemModel* model = grid->model();
        QCOMPARE(model->columnCount(), 3);
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QString("登陆名"));
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QString("用户名"));
        QCOMPARE(model->headerData(2, Qt::Horizontal).toString(), QString("密码"));
        QCOMPARE(model->index(0, 0).data().toString(), QString("ADMIN"));   // 用户名: the login
        QCOMPARE(model->index(0, 1).data().toString(), QString("管理员")); // 登陆名: the display name
        QCOMPARE(model->index(0, 2).data().toString(), QString("123"));
        QCOMPARE(grid->columnWidth(0), 57);
        QCOMPARE(grid->columnWidth(1), 122);
        QCOMPARE(grid->columnWidth(2), 348);
        // The boxes: login name, display name, password in plain text.
        QCOMPARE(lineText(&window, "bsSkinDBEdit1"), QString("ADMIN"));
        QCOMPARE(lineText(&window, "bsSkinDBEdit2"), QString("管理员"));
        QCOMPARE(lineText(&window, "bsSkinDBEdit3"), QString("123"));
        QCOMPARE(child<QLineEdit>(&window, "bsSkinDBEdit3")->echoMode(), QLineEdit::Normal);
    }

    void addingAUserSavesWhatWasTypedWithoutChecks()
    {
        TfrmUserinfo window;
        QVERIFY(isReadOnly(&window, "bsSkinDBEdit2"));
        click(&window, "bsSkinButton1");
        QCOMPARE(enabledButtons(&window, kButtons), QStringList({"bsSkinButton4", "bsSkinButton5"}));
        QVERIFY(!isReadOnly(&window, "bsSkinDBEdit2"));
        typeInto(&window, "bsSkinDBEdit1", "ADMIN"); // a duplicate login is accepted
        typeInto(&window, "bsSkinDBEdit2", "张医生");
        click(&window, "bsSkinButton4");             // empty password too
        QCOMPARE(lastMessage(), QString("保存完成"));
        QVERIFY(isReadOnly(&window, "bsSkinDBEdit2"));
        const RowSet rows = stored();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[1].text("用户名"), QString("ADMIN"));
        QCOMPARE(rows[1].text("登陆名"), QString("张医生"));
        QCOMPARE(rows[1].text("密码"), QString());
    }

    void typingALoginOrPasswordStartsAnEditButNotTheDisplayName()
    {
        TfrmUserinfo window;
        typeInto(&window, "bsSkinDBEdit3", "4");
        QCOMPARE(users(&window)->state(), DataSet::State::Edit);
        QVERIFY(isReadOnly(&window, "bsSkinDBEdit2"));
        click(&window, "bsSkinButton5"); // 取消
        QCOMPARE(lineText(&window, "bsSkinDBEdit3"), QString("123"));
        QCOMPARE(stored()[0].text("密码"), QString("123"));

        click(&window, "bsSkinButton3"); // 修改
        QVERIFY(!isReadOnly(&window, "bsSkinDBEdit2"));
        retype(&window, "bsSkinDBEdit2", "院长");
        retype(&window, "bsSkinDBEdit3", "abc");
        click(&window, "bsSkinButton4");
        QCOMPARE(stored()[0].text("登陆名"), QString("院长"));
        QCOMPARE(stored()[0].text("密码"), QString("abc"));
    }

    void everyUserCanBeDeleted()
    {
        TfrmUserinfo window;
        Messages::setNextAnswer(QMessageBox::Cancel);
        click(&window, "bsSkinButton2");
        QCOMPARE(stored().size(), 1);
        Messages::setNextAnswer(QMessageBox::Ok);
        click(&window, "bsSkinButton2");
        QCOMPARE(lastMessage(), QString("删除完成"));
        QCOMPARE(stored().size(), 0);
        QCOMPARE(lineText(&window, "bsSkinDBEdit1"), QString());
        // And once more on the empty list: a clear message, nothing breaks.
        Messages::setNextAnswer(QMessageBox::Ok);
        click(&window, "bsSkinButton2");
        QCOMPARE(Messages::lastShown()->kind, Messages::Kind::Error);
    }
};

QTEST_MAIN(TestUserinfo)
#include "UserinfoWindowTest.moc"
