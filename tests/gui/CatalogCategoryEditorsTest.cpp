// The two category editors: buttons per state, the checks before saving,
// add, edit, cancel, delete, and what a failed post leaves behind.
#include "CatalogTestHelpers.h"
#include "GuiTestSupport.h"
#include "clinic/db/TDM.h"
#include "clinic/catalog/U_goodsclass.h"
#include "clinic/catalog/U_paperclass.h"
#include "clinic/db/ClinicSchema.h"
#include "platform/data/DataSet.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QTableView>

namespace {
const QStringList kButtons = {"bsSkinButton1", "bsSkinButton2", "bsSkinButton3",
                              "bsSkinButton4", "bsSkinButton5", "bsSkinButton6"};
const QStringList kBrowseButtons = {"bsSkinButton1", "bsSkinButton2", "bsSkinButton3", "bsSkinButton6"};
const QStringList kEditButtons = {"bsSkinButton4", "bsSkinButton5"};
} // namespace

class TestCategoryEditors : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempClinicFolder> m_folder;
    std::unique_ptr<TDM> m_dm;

    DataSet* rows(QWidget* window) { return window->findChild<DataSet*>("ADOQuery1"); }

    int count(const QString& where)
    {
        return m_folder->open().scalar("select count(*) from 类别表 where " + where).toInt();
    }

private slots:
    void init()
    {
        Messages::reset();
        Messages::setTestMode(true);
        m_folder = std::make_unique<TempClinicFolder>();
        m_folder->open().execScript(
            "insert into 类别表 (类别名称, 一级科目名, 说明) values ('中药', '解表药', '发散表邪'),"
            " ('西药', '抗生素', ''), ('药方库', '经方', '伤寒论方'), ('中药', '补益药', '');"
            "insert into 药品表 (类别ID, 药品名) values ('1', '麻黄');");
        m_dm = std::make_unique<TDM>(kClinicDatabaseFile);
    }

    void cleanup()
    {
        m_dm.reset();
        m_folder.reset();
    }

    void eachEditorShowsItsOwnClassesAndLayout()
    {
        TfrmGoodsClass goods;
        QCOMPARE(goods.windowTitle(), QString("药品类别表"));
        QCOMPARE(rows(&goods)->rowCount(), 3);
        auto* classes = child<QComboBox>(&goods, "bsSkinDBComboBox1");
        QCOMPARE(classes->count(), 2);
        QCOMPARE(classes->itemText(0), QString("中药"));
        QCOMPARE(classes->itemText(1), QString("西药"));
        QVERIFY(!classes->isEditable());
        QCOMPARE(classes->currentText(), QString("中药"));
        QCOMPARE(lineText(&goods, "bsSkinDBEdit1"), QString("解表药"));
        QCOMPARE(child<QPlainTextEdit>(&goods, "DBMemo1")->toPlainText(), QString("发散表邪"));
        QCOMPARE(child<QGroupBox>(&goods, "bsSkinGroupBox1")->title(), QString("物品列表"));
        auto* grid = child<QTableView>(&goods, "DBGridEh1");
        QStringList titles;
        for (int c = 0; c < grid->model()->columnCount(); ++c)
            titles << grid->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(titles, QStringList({"类别名称", "一级科目名", "说明"}));
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);

        TfrmPaperClass paper;
        QCOMPARE(paper.windowTitle(), QString("药方类别表"));
        QCOMPARE(rows(&paper)->rowCount(), 1);
        QVERIFY(isReadOnly(&paper, "bsSkinDBEdit2"));
        QCOMPARE(lineText(&paper, "bsSkinDBEdit2"), QString("药方库"));
    }

    void buttonsAndNameBoxFollowTheState()
    {
        TfrmGoodsClass window;
        QCOMPARE(enabledButtons(&window, kButtons), kBrowseButtons);
        QVERIFY(isReadOnly(&window, "bsSkinDBEdit1"));
        QVERIFY(!isReadOnly(&window, "DBMemo1"));

        click(&window, "bsSkinButton1"); // 新增
        QCOMPARE(rows(&window)->state(), DataSet::State::Insert);
        QCOMPARE(enabledButtons(&window, kButtons), kEditButtons);
        QVERIFY(!isReadOnly(&window, "bsSkinDBEdit1"));
        QCOMPARE(lineText(&window, "bsSkinDBEdit1"), QString());
        QCOMPARE(child<QComboBox>(&window, "bsSkinDBComboBox1")->currentIndex(), -1);

        click(&window, "bsSkinButton5"); // 取消
        QCOMPARE(rows(&window)->state(), DataSet::State::Browse);
        QCOMPARE(rows(&window)->rowCount(), 3);
        QCOMPARE(enabledButtons(&window, kButtons), kBrowseButtons);
        QVERIFY(isReadOnly(&window, "bsSkinDBEdit1"));
        QCOMPARE(lineText(&window, "bsSkinDBEdit1"), QString("解表药"));
    }

    void typingADescriptionStartsAnEditButKeepsTheNameLocked()
    {
        TfrmGoodsClass window;
        typeInto(&window, "DBMemo1", "。");
        QCOMPARE(rows(&window)->state(), DataSet::State::Edit);
        QCOMPARE(enabledButtons(&window, kButtons), kEditButtons);
        QVERIFY(isReadOnly(&window, "bsSkinDBEdit1"));
        click(&window, "bsSkinButton4");
        QCOMPARE(lastMessage(), QString("保存完成"));
        QCOMPARE(count("说明='发散表邪。'"), 1);
    }

    void choosingAClassWhileBrowsingStartsAnEdit()
    {
        TfrmGoodsClass window;
        auto* classes = child<QComboBox>(&window, "bsSkinDBComboBox1");
        classes->setFocus();
        QTest::keyClick(classes, Qt::Key_Down);
        QCOMPARE(classes->currentText(), QString("西药"));
        QCOMPARE(rows(&window)->state(), DataSet::State::Edit);
        click(&window, "bsSkinButton4");
        // The category and its drugs now belong to the Western page.
        QCOMPARE(count("ID=1 and 类别名称='西药'"), 1);
    }

    void savingANewDrugCategoryChecksClassThenName()
    {
        TfrmGoodsClass window;
        click(&window, "bsSkinButton1");
        typeInto(&window, "bsSkinDBEdit1", "理气药");
        click(&window, "bsSkinButton4");
        QCOMPARE(lastMessage(), QString("请选择中药还是西药"));
        QCOMPARE(rows(&window)->state(), DataSet::State::Insert);
        QVERIFY(!isReadOnly(&window, "bsSkinDBEdit1"));

        auto* classes = child<QComboBox>(&window, "bsSkinDBComboBox1");
        classes->setFocus();
        QTest::keyClick(classes, Qt::Key_Down);
        QCOMPARE(classes->currentText(), QString("中药"));
        retype(&window, "bsSkinDBEdit1", "");
        click(&window, "bsSkinButton4");
        QCOMPARE(lastMessage(), QString("请输入一级科目名"));
        QCOMPARE(rows(&window)->state(), DataSet::State::Insert);
        QCOMPARE(count("一级科目名='理气药'"), 0);

        typeInto(&window, "bsSkinDBEdit1", "理气药");
        click(&window, "bsSkinButton4");
        QCOMPARE(lastMessage(), QString("保存完成"));
        QCOMPARE(rows(&window)->state(), DataSet::State::Browse);
        QVERIFY(isReadOnly(&window, "bsSkinDBEdit1"));
        QCOMPARE(count("一级科目名='理气药' and 类别名称='中药'"), 1);
        // The new row was read back with its ID.
        QVERIFY(rows(&window)->integer("ID") > 4);
        QCOMPARE(rows(&window)->text("一级科目名"), QString("理气药"));
    }

    void libraryCategoriesAlwaysGetTheLibraryClass()
    {
        TfrmPaperClass window;
        click(&window, "bsSkinButton1");
        QCOMPARE(lineText(&window, "bsSkinDBEdit2"), QString("药方库"));
        typeInto(&window, "bsSkinDBEdit1", "经方");
        click(&window, "bsSkinButton4");
        QCOMPARE(lastMessage(), QString("保存完成"));
        // Two categories of the same name are allowed.
        QCOMPARE(count("一级科目名='经方' and 类别名称='药方库'"), 2);
    }

    void modifyOnAnEmptyListStartsANewRowThatSavingFiles()
    {
        m_folder->open().execute("delete from 类别表 where 类别名称='药方库'");
        TfrmPaperClass window;
        QCOMPARE(rows(&window)->rowCount(), 0);
        click(&window, "bsSkinButton3"); // 修改
        QCOMPARE(rows(&window)->state(), DataSet::State::Insert);
        QVERIFY(!isReadOnly(&window, "bsSkinDBEdit1"));
        typeInto(&window, "bsSkinDBEdit1", "时方");
        click(&window, "bsSkinButton4");
        QCOMPARE(lastMessage(), QString("保存完成"));
        QCOMPARE(count("一级科目名='时方' and 类别名称='药方库'"), 1);
    }

    void editThenCancelRestoresTheStoredValues()
    {
        TfrmGoodsClass window;
        click(&window, "bsSkinButton3"); // 修改
        QVERIFY(!isReadOnly(&window, "bsSkinDBEdit1"));
        retype(&window, "bsSkinDBEdit1", "改名");
        click(&window, "bsSkinButton5");
        QCOMPARE(lineText(&window, "bsSkinDBEdit1"), QString("解表药"));
        QCOMPARE(count("一级科目名='解表药'"), 1);
        QCOMPARE(count("一级科目名='改名'"), 0);
    }

    void deleteAsksAndRemovesOnlyOnOk()
    {
        TfrmGoodsClass window;
        Messages::setNextAnswer(QMessageBox::Cancel);
        click(&window, "bsSkinButton2");
        QCOMPARE(Messages::lastShown()->title, QString("删除确认"));
        QCOMPARE(Messages::lastShown()->text, QString("是否删除当前记录？"));
        QCOMPARE(count("1=1"), 4);

        Messages::setNextAnswer(QMessageBox::Ok);
        click(&window, "bsSkinButton2");
        QCOMPARE(lastMessage(), QString("删除完成"));
        QCOMPARE(count("ID=1"), 0);
        QCOMPARE(rows(&window)->rowCount(), 2);
        // The category's drugs stay, still naming the deleted category.
        QCOMPARE(m_folder->open().scalar("select 类别ID from 药品表 where 药品名='麻黄'").toString(), QString("1"));
    }

    void deleteOnAnEmptyListSaysSoClearly()
    {
        m_folder->open().execute("delete from 类别表 where 类别名称='药方库'");
        TfrmPaperClass window;
        Messages::setNextAnswer(QMessageBox::Ok);
        click(&window, "bsSkinButton2");
        const auto shown = Messages::lastShown();
        QCOMPARE(shown->kind, Messages::Kind::Error);
        QVERIFY(!shown->text.isEmpty());
        QCOMPARE(rows(&window)->state(), DataSet::State::Browse);
    }

    void refreshReadsTheRowsAgainFromTheFirst()
    {
        TfrmGoodsClass window;
        rows(&window)->last();
        m_folder->open().execute("insert into 类别表 (类别名称, 一级科目名) values ('西药', '维生素')");
        click(&window, "bsSkinButton6");
        QCOMPARE(rows(&window)->rowCount(), 4);
        QCOMPARE(rows(&window)->currentRow(), 0);
        QCOMPARE(lineText(&window, "bsSkinDBEdit1"), QString("解表药"));
    }

    void aFailedPostKeepsTheRowInEditingWithWhatWasTyped()
    {
        m_folder->open().execScript(
            "create trigger refuse before update on 类别表 begin select raise(abort, '磁盘已满'); end;");
        TfrmGoodsClass window;
        click(&window, "bsSkinButton3");
        retype(&window, "bsSkinDBEdit1", "新名字");
        click(&window, "bsSkinButton4");
        const auto shown = Messages::lastShown();
        QCOMPARE(shown->kind, Messages::Kind::Error);
        QVERIFY(shown->text.contains("磁盘已满"));
        QCOMPARE(rows(&window)->state(), DataSet::State::Edit);
        QCOMPARE(lineText(&window, "bsSkinDBEdit1"), QString("新名字"));
        QVERIFY(!isReadOnly(&window, "bsSkinDBEdit1"));
        QCOMPARE(enabledButtons(&window, kButtons), kEditButtons);
    }

    void theListCannotBeLeftWhileARowIsEdited()
    {
        TfrmGoodsClass window;
        click(&window, "bsSkinButton1");
        QVERIFY(!child(&window, "DBGridEh1")->isEnabled());
        click(&window, "bsSkinButton5");
        QVERIFY(child(&window, "DBGridEh1")->isEnabled());
    }
};

QTEST_MAIN(TestCategoryEditors)
#include "CatalogCategoryEditorsTest.moc"
