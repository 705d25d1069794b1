// The drug inventory: category pages and the drug list they load, the edit
// panel and its states, the input code, bad numbers, filing under the shown
// category, positioning, the category editor, and adding to a prescription.
#include "CatalogTestHelpers.h"
#include "GuiTestSupport.h"
#include "clinic/db/TDM.h"
#include "clinic/catalog/U_goods.h"
#include "clinic/catalog/U_goodsclass.h"
#include "clinic/common/InputCode.h"
#include "clinic/common/MdiWindows.h"
#include "clinic/common/OpenPrescription.h"
#include "clinic/db/ClinicSchema.h"
#include "platform/data/DataSet.h"

#include <QMdiArea>
#include <QTabWidget>
#include <QTableView>

namespace {
const QStringList kButtons = {"bsSkinButton2", "bsSkinButton3", "bsSkinButton4", "bsSkinButton5",
                              "bsSkinButton6", "bsSkinButton7", "bsSkinButton8"};
const QStringList kBrowseButtons = {"bsSkinButton2", "bsSkinButton3", "bsSkinButton4", "bsSkinButton7",
                                    "bsSkinButton8"};
const QStringList kEditButtons = {"bsSkinButton5", "bsSkinButton6"};
const char* const kStateEdits[] = {"bsSkinDBEdit1", "bsSkinDBEdit2", "bsSkinDBEdit3", "bsSkinDBEdit4",
                                   "bsSkinDBEdit5", "bsSkinDBCurrencyEdit1", "bsSkinDBCurrencyEdit2", "DBMemo1"};
} // namespace

// Stand-ins for the prescription-writing window: what the lookup counts is
// the class name, whatever its case.
class TfrmOpenPaper : public QWidget, public PrescriptionLineTarget
{
    Q_OBJECT
public:
    TfrmOpenPaper() { lines.openInMemory({"药品名", "规格", "单位", "数量"}); }
    DataSet& prescriptionLines() override { return lines; }
    DataSet lines;
};

class tfrmopenpaper : public TfrmOpenPaper
{
    Q_OBJECT
};

class TestGoods : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempClinicFolder> m_folder;
    std::unique_ptr<TDM> m_dm;

    static DataSet* drugs(QWidget* w) { return w->findChild<DataSet*>("ADOQuery3"); }
    static DataSet* chinese(QWidget* w) { return w->findChild<DataSet*>("ADOQuery1"); }
    static DataSet* western(QWidget* w) { return w->findChild<DataSet*>("ADOQuery2"); }
    static QTabWidget* pages(QWidget* w) { return child<QTabWidget>(w, "PageControl1"); }

    RowSet stored(const QString& name)
    {
        return m_folder->open().query("select * from 药品表 where 药品名=?", {name});
    }

    static QStringList drugNames(QWidget* w)
    {
        QStringList names;
        for (int row = 0; row < drugs(w)->rowCount(); ++row)
            names << valueText(drugs(w)->valueAt(row, "药品名"));
        return names;
    }

private slots:
    void init()
    {
        Messages::reset();
        Messages::setTestMode(true);
        clearModalHandlers();
        m_folder = std::make_unique<TempClinicFolder>();
        m_folder->open().execScript(
            "insert into 类别表 (ID, 类别名称, 一级科目名) values (1, '中药', '解表药'), (2, '中药', '补益药'),"
            " (3, '西药', '抗生素'), (4, '西药', '维生素'), (5, '药方库', '经方');"
            "insert into 药品表 (类别ID, 药品名, 品种, 规格, 单位, 买入单价, 卖出单价, 库存量, 输入码, 说明) values"
            " ('1', '麻黄', '草质茎', '10g', '克', 0.2, 0.5, 100, 'MH', '发汗解表'),"
            " ('1', '桂枝', '嫩枝', '10g', '克', 0.1, 0.3, 50, 'GZ', ''),"
            " ('2', '人参', '根', '5g', '克', 8, 12, 3, 'RS', ''),"
            " ('3', '阿莫西林', '胶囊', '0.25g', '盒', 10, 18.5, 20, 'AMXL', ''),"
            " ('3', '头孢拉定', '胶囊', '0.25g', '盒', 1234.5, 2345.67, 5, 'TBLD', '');");
        m_dm = std::make_unique<TDM>(kClinicDatabaseFile);
    }

    void cleanup()
    {
        QCOMPARE(pendingModalHandlers(), 0);
        setMdiArea(nullptr);
        m_dm.reset();
        m_folder.reset();
    }

    void opensOnTheFirstChineseCategory()
    {
        TfrmGoods window;
        QCOMPARE(window.windowTitle(), QString("存货管理"));
        QCOMPARE(pages(&window)->currentIndex(), 0);
        QCOMPARE(pages(&window)->tabText(0), QString("中药"));
        QCOMPARE(pages(&window)->tabText(1), QString("西药"));
        QCOMPARE(chinese(&window)->rowCount(), 2);
        QCOMPARE(western(&window)->rowCount(), 2);
        QCOMPARE(window.currentCategoryId(), QString("1"));
        QCOMPARE(drugNames(&window), QStringList({"麻黄", "桂枝"}));
        auto* grid = child<QTableView>(&window, "DBGridEh3");
        QStringList titles;
        for (int c = 0; c < grid->model()->columnCount(); ++c)
            titles << grid->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(titles, QStringList({"药品名", "库存量", "单位", "规格", "品种", "买入单价", "卖出单价", "输入码", "说明"}));
        QCOMPARE(grid->model()->index(0, 8).data().toString(), QString("发汗解表"));
        // The edit panel shows the first drug, prices as money.
        QCOMPARE(lineText(&window, "bsSkinDBEdit1"), QString("麻黄"));
        QCOMPARE(lineText(&window, "bsSkinDBCurrencyEdit1"), QString("￥0.50"));
        QCOMPARE(lineText(&window, "bsSkinDBCurrencyEdit2"), QString("￥0.20"));
        QCOMPARE(lineText(&window, "bsSkinDBNumericEdit1"), QString("100.00"));
    }

    void moneyIsShownWithTheYuanSignAndSeparators()
    {
        TfrmGoods window;
        pages(&window)->setCurrentIndex(1);
        QVERIFY(drugs(&window)->locate("药品名", "头孢拉定"));
        QCOMPARE(lineText(&window, "bsSkinDBCurrencyEdit2"), QString("￥1,234.50"));
        QCOMPARE(lineText(&window, "bsSkinDBCurrencyEdit1"), QString("￥2,345.67"));
        auto* grid = child<QTableView>(&window, "DBGridEh3");
        QCOMPARE(grid->model()->index(1, 6).data().toString(), QString("￥2,345.67"));
    }

    void controlsFollowTheDrugState()
    {
        TfrmGoods window;
        QCOMPARE(enabledButtons(&window, kButtons), kBrowseButtons);
        for (const char* edit : kStateEdits)
            QVERIFY2(isReadOnly(&window, edit), edit);
        QVERIFY(!isReadOnly(&window, "bsSkinDBNumericEdit1"));

        click(&window, "bsSkinButton4"); // 修改
        QCOMPARE(drugs(&window)->state(), DataSet::State::Edit);
        QCOMPARE(enabledButtons(&window, kButtons), kEditButtons);
        for (const char* edit : kStateEdits)
            QVERIFY2(!isReadOnly(&window, edit), edit);
        QVERIFY(!pages(&window)->isEnabled());

        click(&window, "bsSkinButton6"); // 取消
        QCOMPARE(enabledButtons(&window, kButtons), kBrowseButtons);
        QVERIFY(isReadOnly(&window, "bsSkinDBEdit1"));
        QVERIFY(pages(&window)->isEnabled());
    }

    void typingAStockStartsAnEditAndSavesIt()
    {
        TfrmGoods window;
        auto* stock = child<QLineEdit>(&window, "bsSkinDBNumericEdit1");
        stock->selectAll();
        typeText(stock, "80.5");
        QCOMPARE(drugs(&window)->state(), DataSet::State::Edit);
        QCOMPARE(enabledButtons(&window, kButtons), kEditButtons);
        click(&window, "bsSkinButton5");
        QCOMPARE(lastMessage(), QString("保存完成"));
        QCOMPARE(stored("麻黄")[0].decimal("库存量"), Decimal4::fromDouble(80.5));
        QCOMPARE(lineText(&window, "bsSkinDBNumericEdit1"), QString("80.50"));
    }

    void aNewDrugGetsTheInputCodeOfItsNameUnlessOneWasTyped_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typedCode");
        QTest::addColumn<QString>("storedCode");
        QTest::newRow("no code") << "甘草" << "" << InputCodeOf("甘草");
        QTest::newRow("typed code") << "甘草" << "GCX" << "GCX";
        QTest::newRow("blank name") << "   " << "" << "";
    }

    void aNewDrugGetsTheInputCodeOfItsNameUnlessOneWasTyped()
    {
        QFETCH(QString, name);
        QFETCH(QString, typedCode);
        QFETCH(QString, storedCode);
        TfrmGoods window;
        click(&window, "bsSkinButton2"); // 新增
        QCOMPARE(drugs(&window)->state(), DataSet::State::Insert);
        typeInto(&window, "bsSkinDBEdit1", name);
        typeInto(&window, "bsSkinDBEdit5", typedCode);
        QCOMPARE(lineText(&window, "bsSkinDBCurrencyEdit1"), QString("￥0.00"));
        QCOMPARE(lineText(&window, "bsSkinDBNumericEdit1"), QString("0.00"));
        retype(&window, "bsSkinDBCurrencyEdit1", "1.5");
        retype(&window, "bsSkinDBNumericEdit1", "10");
        click(&window, "bsSkinButton5");
        QCOMPARE(lastMessage(), QString("保存完成"));
        const RowSet rows = stored(name);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].text("类别ID"), QString("1"));
        QCOMPARE(rows[0].text("输入码"), storedCode);
        QCOMPARE(rows[0].decimal("卖出单价"), Decimal4::fromDouble(1.5));
        QCOMPARE(rows[0].decimal("库存量"), Decimal4::fromInteger(10));
        QCOMPARE(rows[0].value("买入单价"), QVariant(0)); // zero, not missing
        QCOMPARE(drugs(&window)->text("药品名"), name); // the saved drug stays current
        QCOMPARE(lineText(&window, "bsSkinDBCurrencyEdit1"), QString("￥1.50"));
    }

    void leavingTheNameBoxFillsTheInputCode()
    {
        TfrmGoods window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        click(&window, "bsSkinButton2");
        auto* name = child<QLineEdit>(&window, "bsSkinDBEdit1");
        name->setFocus();
        typeText(name, "黄芪");
        child(&window, "bsSkinDBEdit2")->setFocus();
        QTRY_COMPARE(lineText(&window, "bsSkinDBEdit5"), InputCodeOf("黄芪"));
        click(&window, "bsSkinButton6");
    }

    void aPriceIsTypedAsAPlainNumberAndShownAsMoneyAfterwards()
    {
        TfrmGoods window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        click(&window, "bsSkinButton4");
        auto* price = child<QLineEdit>(&window, "bsSkinDBCurrencyEdit1");
        price->setFocus();
        QTRY_COMPARE(price->text(), QString("0.5"));
        price->selectAll();
        typeText(price, "1234.5");
        click(&window, "bsSkinButton5"); // the box still has the focus
        QCOMPARE(lastMessage(), QString("保存完成"));
        QCOMPARE(price->text(), QString("￥1,234.50"));
        QCOMPARE(stored("麻黄")[0].decimal("卖出单价"), Decimal4::fromDouble(1234.5));
    }

    void lettersInANumberBoxAreRefusedAndIncompleteNumbersReported()
    {
        TfrmGoods window;
        click(&window, "bsSkinButton4");
        auto* price = child<QLineEdit>(&window, "bsSkinDBCurrencyEdit1");
        price->clear();
        typeText(price, "12a");
        QCOMPARE(price->text(), QString("12")); // the letter never got in
        price->clear();
        typeText(price, "-");
        click(&window, "bsSkinButton5");
        QVERIFY2(lastMessage().contains("卖出单价"), qPrintable(lastMessage()));
        QCOMPARE(drugs(&window)->state(), DataSet::State::Edit);
        QCOMPARE(stored("麻黄")[0].decimal("卖出单价"), Decimal4::fromDouble(0.5));
        typeText(price, "3");
        click(&window, "bsSkinButton5");
        QCOMPARE(lastMessage(), QString("保存完成"));
        QCOMPARE(stored("麻黄")[0].decimal("卖出单价"), Decimal4::fromDouble(-3));
    }

    void aNumberTooLargeToStoreIsReportedNotWrappedRound()
    {
        TfrmGoods window;
        click(&window, "bsSkinButton4");
        auto* stock = child<QLineEdit>(&window, "bsSkinDBNumericEdit1");
        stock->clear();
        typeText(stock, "1000000000000000");
        click(&window, "bsSkinButton5");
        QVERIFY2(lastMessage().contains("库存量"), qPrintable(lastMessage()));
        QCOMPARE(drugs(&window)->state(), DataSet::State::Edit);
        QCOMPARE(stored("麻黄")[0].decimal("库存量"), Decimal4::fromInteger(100));
        stock->clear();
        typeText(stock, "12345678901234"); // fourteen whole digits fit
        click(&window, "bsSkinButton5");
        QCOMPARE(lastMessage(), QString("保存完成"));
        QCOMPARE(stored("麻黄")[0].decimal("库存量"), Decimal4::fromInteger(12345678901234));
    }

    void switchingPagesLoadsTheirDrugsAndFilesNewOnesThere()
    {
        TfrmGoods window;
        pages(&window)->setCurrentIndex(1);
        QCOMPARE(window.currentCategoryId(), QString("3"));
        QCOMPARE(drugNames(&window), QStringList({"阿莫西林", "头孢拉定"}));
        western(&window)->setCurrentRow(1); // 维生素
        QCOMPARE(window.currentCategoryId(), QString("4"));
        QVERIFY(drugNames(&window).isEmpty());
        click(&window, "bsSkinButton2");
        typeInto(&window, "bsSkinDBEdit1", "维生素C");
        click(&window, "bsSkinButton5");
        QCOMPARE(stored("维生素C")[0].text("类别ID"), QString("4"));

        pages(&window)->setCurrentIndex(0);
        QCOMPARE(window.currentCategoryId(), QString("1"));
        chinese(&window)->setCurrentRow(1);
        QCOMPARE(drugNames(&window), QStringList({"人参"}));
        // An edited drug is filed under the category shown.
        click(&window, "bsSkinButton4");
        click(&window, "bsSkinButton5");
        QCOMPARE(stored("人参")[0].text("类别ID"), QString("2"));
    }

    void savingWithNoCategoryShownAsksForARefresh()
    {
        m_folder->open().execute("delete from 类别表 where 类别名称='西药'");
        TfrmGoods window;
        pages(&window)->setCurrentIndex(1);
        QCOMPARE(window.currentCategoryId(), QString());
        click(&window, "bsSkinButton2");
        typeInto(&window, "bsSkinDBEdit1", "无处安放");
        click(&window, "bsSkinButton5");
        QCOMPARE(lastMessage(), QString("数据已变化，请先刷新。"));
        QCOMPARE(drugs(&window)->state(), DataSet::State::Insert);
        QCOMPARE(lineText(&window, "bsSkinDBEdit1"), QString("无处安放"));
        QCOMPARE(stored("无处安放").size(), 0);
    }

    void aFailedPostKeepsTheTypedDrugInEditing()
    {
        m_folder->open().execScript(
            "create trigger refuse before insert on 药品表 begin select raise(abort, '数据库只读'); end;");
        TfrmGoods window;
        click(&window, "bsSkinButton2");
        typeInto(&window, "bsSkinDBEdit1", "甘草");
        retype(&window, "bsSkinDBCurrencyEdit1", "2.5");
        click(&window, "bsSkinButton5");
        QCOMPARE(Messages::lastShown()->kind, Messages::Kind::Error);
        QVERIFY(lastMessage().contains("数据库只读"));
        QCOMPARE(drugs(&window)->state(), DataSet::State::Insert);
        QCOMPARE(lineText(&window, "bsSkinDBEdit1"), QString("甘草"));
        QCOMPARE(lineText(&window, "bsSkinDBCurrencyEdit1"), QString("2.5"));
        QCOMPARE(enabledButtons(&window, kButtons), kEditButtons);
    }

    void deleteAsksFirstAndEmptyListsSayWhy()
    {
        TfrmGoods window;
        Messages::setNextAnswer(QMessageBox::Cancel);
        click(&window, "bsSkinButton3");
        QCOMPARE(Messages::lastShown()->title, QString("删除确认"));
        QCOMPARE(stored("麻黄").size(), 1);
        Messages::setNextAnswer(QMessageBox::Ok);
        click(&window, "bsSkinButton3");
        QCOMPARE(lastMessage(), QString("删除完成"));
        QCOMPARE(stored("麻黄").size(), 0);
        QCOMPARE(drugNames(&window), QStringList({"桂枝"}));

        chinese(&window)->setCurrentRow(1);
        western(&window)->setCurrentRow(1);
        pages(&window)->setCurrentIndex(1); // 维生素: no drugs
        Messages::setNextAnswer(QMessageBox::Ok);
        click(&window, "bsSkinButton3");
        QCOMPARE(Messages::lastShown()->kind, Messages::Kind::Error);
        QVERIFY(!lastMessage().isEmpty());
    }

    void openedPositionedOnAWesternDrug_data()
    {
        QTest::addColumn<QString>("categoryClass");
        QTest::newRow("西药") << "西药";
        QTest::newRow("any other class") << "";
    }

    void openedPositionedOnAWesternDrug()
    {
        QFETCH(QString, categoryClass);
        const QString drugId = m_folder->open().scalar("select ID from 药品表 where 药品名='头孢拉定'").toString();
        TfrmGoods window;
        window.positionOn("3", drugId, categoryClass);
        QCOMPARE(pages(&window)->currentIndex(), 1);
        QCOMPARE(western(&window)->text("ID"), QString("3"));
        QCOMPARE(window.currentCategoryId(), QString("3"));
        QCOMPARE(drugs(&window)->text("药品名"), QString("头孢拉定"));
        QCOMPARE(lineText(&window, "bsSkinDBEdit1"), QString("头孢拉定"));
    }

    void openedPositionedOnAChineseCategoryWithAnUnknownDrug()
    {
        TfrmGoods window;
        window.positionOn("2", "9999", "中药");
        QCOMPARE(pages(&window)->currentIndex(), 0);
        QCOMPARE(window.currentCategoryId(), QString("2"));
        QCOMPARE(drugs(&window)->text("药品名"), QString("人参"));
    }

    void editingTheCategoriesReloadsTheLists()
    {
        TfrmGoods window;
        chinese(&window)->setCurrentRow(1);
        whenModalShown([this](QWidget* modal) {
            QVERIFY(qobject_cast<TfrmGoodsClass*>(modal));
            m_folder->open().execute("insert into 类别表 (类别名称, 一级科目名) values ('中药', '理气药')");
            rejectDialog(modal);
        });
        click(&window, "bsSkinButton1");
        QCOMPARE(pendingModalHandlers(), 0);
        QCOMPARE(chinese(&window)->rowCount(), 3);
        QCOMPARE(chinese(&window)->currentRow(), 0);
        QCOMPARE(window.currentCategoryId(), QString("1"));
        QCOMPARE(drugNames(&window), QStringList({"麻黄", "桂枝"}));
    }

    void addingToAPrescriptionNeedsExactlyOnePrescriptionWindow()
    {
        QMdiArea area;
        setMdiArea(&area);
        TfrmGoods window;
        click(&window, "bsSkinButton8");
        QCOMPARE(lastMessage(), QString("你还没有打开[开药方]窗体！"));

        auto* paper = new tfrmopenpaper; // the case of the class name does not matter
        area.addSubWindow(paper);
        click(&window, "bsSkinButton8");
        QCOMPARE(lastMessage(), QString("成功添加到[开药方]"));
        click(&window, "bsSkinButton8");
        QCOMPARE(paper->lines.rowCount(), 2);
        QCOMPARE(valueText(paper->lines.valueAt(1, "药品名")), QString("麻黄"));
        QCOMPARE(valueText(paper->lines.valueAt(1, "规格")), QString("10g"));
        QCOMPARE(valueText(paper->lines.valueAt(1, "单位")), QString("克"));
        QCOMPARE(valueDecimal(paper->lines.valueAt(1, "数量")), Decimal4::fromInteger(1));
        QCOMPARE(paper->lines.state(), DataSet::State::Browse);

        area.addSubWindow(new TfrmOpenPaper);
        click(&window, "bsSkinButton8");
        QCOMPARE(lastMessage(), QString("不能打开两个以上的[开药方]窗体！"));
        QCOMPARE(paper->lines.rowCount(), 2);
        setMdiArea(nullptr);
    }
};

QTEST_MAIN(TestGoods)
#include "GoodsWindowTest.moc"
