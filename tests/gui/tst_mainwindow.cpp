// The main window: its menu, toolbar, tabs, note and status bar; every
// command wired; the settings commands; the about window; related programs.
#include "GuiTestSupport.h"
#include "clinic/app/NoteMdiArea.h"
#include "clinic/app/Openers.h"
#include "clinic/app/RelatedPrograms.h"
#include "clinic/db/TDM.h"
#include "clinic/app/Tfrmabout.h"
#include "clinic/app/TfrmMain.h"
#include "clinic/common/MdiWindows.h"
#include "clinic/common/ProgramValues.h"
#include "clinic/common/ShowTextFile.h"
#include "clinic/db/ClinicSchema.h"
#include "platform/widgets/Messages.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QToolBar>
#include <QtTest>

namespace {
struct Launch
{
    QString program;
    QString folder;
    QUrl url;
};

void makeExecutable(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempClinicFolder> m_folder;
    std::unique_ptr<TDM> m_dm;
    std::unique_ptr<TfrmMain> m_main;
    QList<Launch> m_launches;

    // What a command did: the classes of the tabs it opened, the class of the
    // modal window it showed (both closed again), and the boxes it showed.
    struct Outcome
    {
        QStringList tabs;
        QString modal;
        QList<Messages::Shown> messages;
    };

    Outcome run(QAction* action)
    {
        Outcome outcome;
        Messages::reset();
        Messages::setNextInput(std::nullopt); // settings commands: cancel
        const int before = int(m_main->mdi()->subWindowList().size());
        whenModalShown([&outcome](QWidget* w) {
            outcome.modal = QString::fromLatin1(w->metaObject()->className());
            if (auto* viewer = qobject_cast<TextFileDialog*>(w))
                QTest::mouseClick(viewer->okButton(), Qt::LeftButton);
            else if (auto* dialog = qobject_cast<QDialog*>(w))
                dialog->reject();
            else
                w->close();
        });
        action->trigger();
        clearModalHandlers();
        const auto windows = m_main->mdi()->subWindowList();
        for (int i = before; i < windows.size(); ++i)
            outcome.tabs << QString::fromLatin1(windows[i]->widget()->metaObject()->className());
        m_main->mdi()->closeAllSubWindows();
        QCoreApplication::processEvents();
        outcome.messages = Messages::shown();
        Messages::reset();
        return outcome;
    }

    QStringList settingsRow(int row = 0)
    {
        const RowSet rows = m_folder->open().query("select * from 设置表 order by ID");
        if (row >= rows.size())
            return {};
        return {rows[row].text("诊所名称"), rows[row].text("默认登陆名"), rows[row].text("默认密码")};
    }

private slots:
    void init()
    {
        Messages::reset();
        Messages::setTestMode(true);
        clearModalHandlers();
        programValues() = ProgramValues();
        programValues().CurrentUserName = "管理员";
        m_folder = std::make_unique<TempClinicFolder>();
        m_dm = std::make_unique<TDM>(kClinicDatabaseFile);
        m_launches.clear();
        launcher().startProgram = [this](const QString& program, const QString& folder) {
            m_launches.append({program, folder, {}});
            return true;
        };
        launcher().openUrl = [this](const QUrl& url) {
            m_launches.append({{}, {}, url});
            return true;
        };
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
        resetLauncher();
    }

    void menuHasTheItemsInOrder()
    {
        const QList<QPair<QString, QStringList>> expected = {
            {"类别管理", {"药品类别", "药方类别"}},
            {"药房管理", {"药品进销存说明", "进货(暂不做)", "销货(即开药方)", "存货管理 ", "药品库查询"}},
            {"药方管理", {"开药方", "药方库", "药方库查询", "历史药方查询"}},
            {"病历管理", {"新增病历", "查询病历"}},
            {"用户管理", {"用户列表", "设置诊所名称", "设置默认登陆名", "设置默认密码"}},
            {"统计和报表", {"用药统计"}},
            {"相关软件", {"Tamsor（电脑版）", "Meridor（电脑版）", "Tamsor（网页版）", "Meridor（网页版）",
                             "安卓手机版软件（APK）"}},
            {"帮助", {"关于本软件", "本软件使用说明", "选择皮肤", "版本修改历史"}},
        };
        const QList<QAction*> menus = m_main->menuBar()->actions();
        QCOMPARE(menus.size(), expected.size());
        for (int i = 0; i < menus.size(); ++i) {
            QCOMPARE(menus[i]->text(), expected[i].first);
            QStringList items;
            for (QAction* item : menus[i]->menu()->actions())
                items << item->text();
            QCOMPARE(items, expected[i].second);
        }
    }

    void toolbarHasTheButtonsInOrder()
    {
        auto* toolBar = m_main->findChild<QToolBar*>("ToolBar1");
        QVERIFY(toolBar);
        QStringList captions;
        for (QAction* action : toolBar->actions()) {
            captions << action->text();
            QVERIFY(!action->icon().isNull());
        }
        QCOMPARE(captions, QStringList({"存货管理", "药方库", "开药方", "查询病历", "选择皮肤", "历史药方查询",
                               "药品库查询", "药方库查询"}));
    }

    void frameHasTabsNoteCaptionAndStatusBar()
    {
        NoteMdiArea* mdi = m_main->mdi();
        QCOMPARE(mdi->viewMode(), QMdiArea::TabbedView);
        QVERIFY(mdi->tabsClosable());
        QVERIFY(mdi->tabsMovable());
        QCOMPARE(NoteMdiArea::noteLines().first(), QString("注意："));
        QVERIFY(NoteMdiArea::noteLines()[1].startsWith("一些常用的字符串"));
        QVERIFY(mdi->noteFont().bold());
        const QString caption = m_main->windowTitle();
        QVERIFY(caption.contains("Mazurel") && caption.contains("V2.5") && caption.contains("2013"));
        QCOMPARE(m_main->userPanelText(), QString("当前用户：管理员"));
        QCOMPARE(m_main->clinicPanelText(), QString("诊所名称：我的诊所"));
        QCOMPARE(programValues().ClinicName, QString("我的诊所"));
        QCOMPARE(m_main->findChild<QLabel*>("StatusPanelUser")->width(), 300);

        // A child window opens as a closable tab at least 100 pixels wide.
        auto* child = new QWidget;
        child->setWindowTitle("测试窗口");
        showMdiChild(child);
        auto* tabs = mdi->findChild<QTabBar*>();
        QCOMPARE(tabs->count(), 1);
        QVERIFY(tabs->tabRect(0).width() >= 100);
        QCOMPARE(mdiChildrenOfClass("qwidget").size(), 1);
        QPointer<QWidget> watch(child);
        mdi->closeAllSubWindows();
        QTRY_VERIFY(watch.isNull());
    }

    // Every menu item and toolbar button runs without an error: it opens its
    // window (a tab or a modal window, closed again here), shows its text,
    // or says that its window is not there yet.
    void everyCommandIsWired()
    {
        for (const char* name : {"使用说明.txt", "药品进销存说明.txt", "版本修改历史.txt"})
            m_folder->writeFile(name, "说明", true);
        QList<QAction*> actions;
        for (QAction* menu : m_main->menuBar()->actions())
            actions += menu->menu()->actions();
        actions += m_main->findChild<QToolBar*>("ToolBar1")->actions();
        for (QAction* action : actions) {
            const Outcome outcome = run(action);
            for (const auto& shown : outcome.messages)
                QVERIFY2(shown.kind != Messages::Kind::Error, qPrintable(action->text() + ": " + shown.text));
            QVERIFY(m_main->isVisible());
        }
        m_main->aboutWindow()->close();
    }

    void windowCommandsOpenTheirWindowOrSayItIsNotThereYet()
    {
        for (const char* caption : {"药品类别", "药方类别", "存货管理 ", "药品库查询", "开药方", "药方库", "药方库查询",
                 "历史药方查询", "新增病历", "查询病历", "用户列表", "用药统计"}) {
            QAction* action = m_main->menuAction(caption);
            QVERIFY2(action, caption);
            const Outcome outcome = run(action);
            const bool opened = !outcome.tabs.isEmpty() || !outcome.modal.isEmpty();
            const bool notYet = outcome.messages.size() == 1 && outcome.messages[0].text.contains("尚未实现");
            QVERIFY2(opened != notYet, caption);
        }
    }

    void toolbarButtonsPerformTheirMenuItems()
    {
        auto* toolBar = m_main->findChild<QToolBar*>("ToolBar1");
        for (QAction* button : toolBar->actions()) {
            // The toolbar's 存货管理 is the menu's "存货管理 "; its 开药方 (a new
            // prescription) is what the menu item of that caption does too.
            QAction* item = m_main->menuAction(button->text() == "存货管理" ? "存货管理 " : button->text());
            QVERIFY2(item, qPrintable(button->text()));
            const Outcome byButton = run(button);
            const Outcome byItem = run(item);
            QCOMPARE(byButton.tabs, byItem.tabs);
            QCOMPARE(byButton.modal, byItem.modal);
            QCOMPARE(byButton.messages.size(), byItem.messages.size());
            for (int i = 0; i < byButton.messages.size(); ++i)
                QCOMPARE(byButton.messages[i].text, byItem.messages[i].text);
        }
    }

    void aMissingHelpFileIsReportedByName()
    {
        m_main->menuAction("本软件使用说明")->trigger();
        QCOMPARE(Messages::shown().size(), 1);
        QCOMPARE(Messages::lastShown()->kind, Messages::Kind::Error);
        QVERIFY(Messages::lastShown()->text.contains("使用说明.txt"));
        QVERIFY(m_main->isVisible());
    }

    void settingsCommands_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<int>("column");
        QTest::newRow("clinic name") << "设置诊所名称" << "设置诊所名称" << "设置诊所名称" << 0;
        QTest::newRow("login name") << "设置默认登陆名" << "设置默认登陆名       " << "设置默认登陆名         " << 1;
        QTest::newRow("password") << "设置默认密码" << "设置默认密码       " << "设置默认密码        " << 2;
    }

    void settingsCommands()
    {
        QFETCH(QString, item);
        QFETCH(QString, caption);
        QFETCH(QString, prompt);
        QFETCH(int, column);
        programValues().DefaultLoginName = "ADMIN";
        programValues().DefaultPassword = "123";
        const QStringList before = settingsRow();
        QString* value[] = {&programValues().ClinicName, &programValues().DefaultLoginName,
            &programValues().DefaultPassword};
        // A second row is never read or written.
        m_folder->open().execute("insert into 设置表 (诊所名称, 默认登陆名, 默认密码) values ('二', '二', '二')");

        // Cancel: nothing changes.
        Messages::setNextInput(std::nullopt);
        m_main->menuAction(item)->trigger();
        QCOMPARE(Messages::lastShown()->title, caption);
        QCOMPARE(Messages::lastShown()->text, prompt);
        QCOMPARE(Messages::lastShown()->value, before[column]); // prefilled with the current value
        QCOMPARE(settingsRow(), before);
        QCOMPARE(*value[column], before[column]);

        // A value with a quote and spaces is stored as typed.
        const QString typed = " 张's  诊所 ";
        Messages::setNextInput(typed);
        m_main->menuAction(item)->trigger();
        QStringList after = before;
        after[column] = typed;
        QCOMPARE(settingsRow(), after);
        QCOMPARE(settingsRow(1), QStringList({"二", "二", "二"}));
        QCOMPARE(*value[column], typed);
        if (column == 0)
            QCOMPARE(m_main->clinicPanelText(), "诊所名称：" + typed);
        else
            QCOMPARE(m_main->clinicPanelText(), QString("诊所名称：我的诊所"));

        // An empty value is stored as empty text.
        Messages::setNextInput(QString());
        m_main->menuAction(item)->trigger();
        QCOMPARE(settingsRow()[column], QString());
        QVERIFY(!m_folder->open().scalar("select 1 from 设置表 where ID=1 and " + QStringList({"诊所名称", "默认登陆名", "默认密码"})[column] + " is not null").isNull());
    }

    void aSettingsCommandOnAnEmptyTableInsertsTheFirstRow()
    {
        m_folder->open().execute("delete from 设置表");
        Messages::setNextInput(QString("新诊所"));
        m_main->menuAction("设置诊所名称")->trigger();
        QCOMPARE(m_folder->open().scalar("select count(*) from 设置表").toInt(), 1);
        QCOMPARE(settingsRow(), QStringList({"新诊所", "", ""}));
        QCOMPARE(m_main->clinicPanelText(), QString("诊所名称：新诊所"));
    }

    void anEmptySettingsTableShowsAnEmptyClinicName()
    {
        m_main.reset();
        m_folder->open().execute("delete from 设置表");
        m_main = std::make_unique<TfrmMain>();
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
        QCOMPARE(m_main->clinicPanelText(), QString("诊所名称："));
    }

    void theAboutWindowIsOneFixedWindow()
    {
        m_main->menuAction("关于本软件")->trigger();
        Tfrmabout* about = m_main->aboutWindow();
        QVERIFY(about->isVisible());
        QCOMPARE(about->windowTitle(), QString("关于本软件"));
        QCOMPARE(about->minimumSize(), about->maximumSize());
        const QStringList lines = about->memo()->toPlainText().split('\n');
        QCOMPARE(lines.mid(0, 3), QStringList({"软件名称：Mazurel",
                                      "实现了药品管理，药方管理，开药方，药方计价，打印药方，病历管理等功能。十分方便简单",
                                      "，适合小型诊所使用。"}));
        QCOMPARE(about->memo()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        about->resize(about->width() + 50, about->height() + 50);
        QCOMPARE(about->size(), about->minimumSize());
        about->close();
        m_main->menuAction("关于本软件")->trigger();
        QCOMPARE(m_main->aboutWindow(), about);
        QVERIFY(about->isVisible());
    }

    // Closing the main window ends the event loop, also while the about
    // window is open.
    void closingTheMainWindowEndsTheProgram()
    {
        QTimer::singleShot(0, this, [this] {
            m_main->menuAction("关于本软件")->trigger();
            m_main->close();
        });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); }); // still running: fail, not hang
        QCOMPARE(QCoreApplication::exec(), 0);
    }

    void relatedProgramsStartFromTheirFolders()
    {
        // Nothing there: nothing started, no message.
        m_main->menuAction("Tamsor（电脑版）")->trigger();
        m_main->menuAction("Meridor（电脑版）")->trigger();
        m_main->menuAction("安卓手机版软件（APK）")->trigger();
        QVERIFY(m_launches.isEmpty());
        QVERIFY(Messages::shown().isEmpty());

        // Beside the program, then in Tamsor_V45_EXE (which wins).
        const QString program = m_folder->programFolder();
        makeExecutable(program + "tamsor");
        m_main->menuAction("Tamsor（电脑版）")->trigger();
        QCOMPARE(m_launches.size(), 1);
        QCOMPARE(QFileInfo(m_launches[0].program).canonicalFilePath(), QFileInfo(program + "tamsor").canonicalFilePath());
        QCOMPARE(QDir(m_launches[0].folder).canonicalPath(), QDir(program).canonicalPath());

        makeExecutable(program + "Tamsor_V45_EXE/tamsor");
        makeExecutable(program + "Meridor45_exe/MeridorV4.5");
        QDir().mkpath(program + "APK");
        m_main->menuAction("Tamsor（电脑版）")->trigger();
        m_main->menuAction("Meridor（电脑版）")->trigger();
        m_main->menuAction("Tamsor（网页版）")->trigger();
        m_main->menuAction("Meridor（网页版）")->trigger();
        m_main->menuAction("安卓手机版软件（APK）")->trigger();
        QCOMPARE(m_launches.size(), 6);
        QCOMPARE(QDir(m_launches[1].folder).canonicalPath(), QDir(program + "Tamsor_V45_EXE").canonicalPath());
        QVERIFY(m_launches[1].program.endsWith("Tamsor_V45_EXE/tamsor"));
        QVERIFY(m_launches[2].program.endsWith("Meridor45_exe/MeridorV4.5"));
        QCOMPARE(m_launches[3].url.path(), QString("/tamsor.asp"));
        QCOMPARE(m_launches[4].url.path(), QString("/meridor.asp"));
        QVERIFY(m_launches[5].url.isLocalFile());
        QVERIFY(m_launches[5].url.toLocalFile().endsWith("APK"));
        QVERIFY(Messages::shown().isEmpty());
    }

    void aFailingCommandIsReportedAndTheWindowStays()
    {
        m_folder->open().execute("drop table 设置表");
        Messages::setNextInput(QString("x"));
        m_main->menuAction("设置默认密码")->trigger();
        QCOMPARE(Messages::lastShown()->kind, Messages::Kind::Error);
        QVERIFY(Messages::lastShown()->text.contains("设置表"));
        QCOMPARE(programValues().DefaultPassword, QString()); // unchanged
        QVERIFY(m_main->isVisible());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
