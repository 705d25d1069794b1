#include "clinic/catalog/CategoryOps.h"
#include "clinic/catalog/InventoryOps.h"
#include "clinic/common/InputCode.h"
#include "platform/text/NumberText.h"
#include "clinic/common/MaintenanceStates.h"
#include "clinic/db/ClinicSchema.h"
#include "platform/data/DataSet.h"

#include <gtest/gtest.h>

namespace {

// A clinic database with two 中药 categories, one 西药 category, one library
// category and a few drugs.
class CatalogDatabase : public ::testing::Test
{
protected:
    void SetUp() override
    {
        createClinicSchema(db);
        db.execScript(
            "insert into 类别表 (ID, 类别名称, 一级科目名) values (1, '中药', '解表药'), (2, '西药', '抗生素'),"
            " (3, '药方库', '经方'), (4, '中药', '补益药');"
            "insert into 药品表 (类别ID, 药品名, 规格, 单位, 卖出单价, 库存量, 输入码) values"
            " ('1', '麻黄', '10g', '克', 0.5, 100, 'MH'),"
            " ('1', '桂枝', '10g', '克', 0.3, 50, 'GZ'),"
            " ('4', '人参', '5g', '克', 12, 3, 'RS'),"
            " ('2', '阿莫西林', '0.25g', '盒', 18.5, 20, 'AMXL'),"
            " ('', '无类别', '', '', 1, 1, 'WLB');");
    }

    Database db = Database::openInMemory();
};

TEST(CategorySaveCheck, ClassFirstThenNameTakenAsTyped)
{
    struct Case { const char* categoryClass; const char* name; const char* message; };
    const Case cases[] = {
        {"", "解表药", "请选择中药还是西药"},
        {"", "", "请选择中药还是西药"},
        {"中药", "", "请输入一级科目名"},
        {"西药", "  ", ""}, // blanks are a name
        {"药方库", "经方", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(checkCategoryBeforeSave(QString::fromUtf8(c.categoryClass), QString::fromUtf8(c.name)),
                  QString::fromUtf8(c.message))
            << c.categoryClass << "/" << c.name;
}

TEST_F(CatalogDatabase, EditorListsHoldOnlyTheirClasses)
{
    DataSet drugCategories;
    drugCategories.open(db, drugCategoryEditorKind().sql);
    EXPECT_EQ(drugCategories.rowCount(), 3);
    DataSet libraryCategories;
    libraryCategories.open(db, libraryCategoryEditorKind().sql);
    ASSERT_EQ(libraryCategories.rowCount(), 1);
    EXPECT_EQ(libraryCategories.text("一级科目名"), QStringLiteral("经方"));
    EXPECT_TRUE(drugCategoryEditorKind().fixedClass.isEmpty());
    EXPECT_EQ(libraryCategoryEditorKind().fixedClass, kLibraryClass);
}

TEST_F(CatalogDatabase, CategoryOfADrugPageFollowsItsClass)
{
    // Moving a category from 中药 to 西药 moves its drugs to the other page,
    // since drugs refer to the category by ID only.
    db.execute("update 类别表 set 类别名称='西药' where ID=4");
    const RowSet western = db.query(categoryListSql(kWesternDrugClass));
    ASSERT_EQ(western.size(), 2);
    EXPECT_EQ(western[1].text("一级科目名"), QStringLiteral("补益药"));
    EXPECT_EQ(categoryClassOf(db, "4"), kWesternDrugClass);
    EXPECT_EQ(categoryClassOf(db, "99"), QString());
    EXPECT_EQ(categoryClassOf(db, "1 or 1=1"), QString());
}

TEST_F(CatalogDatabase, QuotesInIdsNeitherBreakNorWidenTheQueries)
{
    for (const QString& hostile : {QStringLiteral("1' or '1'='1"), QStringLiteral("'"), QStringLiteral("中药' --")}) {
        EXPECT_EQ(db.query(drugsOfCategorySql(hostile)).size(), 0) << hostile.toStdString();
        EXPECT_EQ(db.query(categoryListSql(hostile)).size(), 0) << hostile.toStdString();
    }
}

TEST_F(CatalogDatabase, LoadingACategoryShowsItsDrugsAndNamesItCurrent)
{
    DataSet drugs;
    EXPECT_EQ(loadDrugsOfCategory(db, drugs, "1"), QStringLiteral("1"));
    EXPECT_EQ(drugs.rowCount(), 2);
    EXPECT_EQ(drugs.updateTable(), QStringLiteral("药品表"));

    // No category (an empty list): the drugs without one, and no current category.
    EXPECT_EQ(loadDrugsOfCategory(db, drugs, ""), QString());
    ASSERT_EQ(drugs.rowCount(), 1);
    EXPECT_EQ(drugs.text("药品名"), QStringLiteral("无类别"));
}

TEST_F(CatalogDatabase, AFailedLoadIsSwallowedAndLeavesNoCurrentCategory)
{
    DataSet drugs;
    loadDrugsOfCategory(db, drugs, "1");
    db.execScript("drop table 药品表");
    QString current = QStringLiteral("unchanged");
    EXPECT_NO_THROW(current = loadDrugsOfCategory(db, drugs, "1"));
    EXPECT_EQ(current, QString());
    EXPECT_EQ(drugs.rowCount(), 0);
}

TEST_F(CatalogDatabase, InputCodeIsFilledOnlyWhenMissing)
{
    struct Case { const char* name; const char* typedCode; const char* stored; };
    const Case cases[] = {
        {"甘草", "", "GC"},
        {"  甘草 ", "", "GC"},
        {"甘草", "   ", "GC"},
        {"甘草", "gcx", "gcx"}, // a typed code is kept as typed
        {"   ", "", ""},        // a name of blanks fills nothing
        {"", "", ""},
    };
    for (const Case& c : cases) {
        DataSet drugs;
        loadDrugsOfCategory(db, drugs, "1");
        drugs.append();
        drugs.setValue("药品名", QString::fromUtf8(c.name));
        drugs.setValue("输入码", QString::fromUtf8(c.typedCode));
        fillMissingInputCode(drugs);
        EXPECT_EQ(drugs.text("输入码"), QString::fromUtf8(c.stored)) << c.name << "/" << c.typedCode;
    }
}

TEST_F(CatalogDatabase, InputCodeIsLeftAloneWhileBrowsing)
{
    db.execute("update 药品表 set 输入码=null where 药品名='麻黄'");
    DataSet drugs;
    loadDrugsOfCategory(db, drugs, "1");
    ASSERT_TRUE(drugs.locate("药品名", "麻黄"));
    fillMissingInputCode(drugs);
    EXPECT_EQ(drugs.text("输入码"), QString());
    EXPECT_EQ(drugs.state(), DataSet::State::Browse);
}

TEST_F(CatalogDatabase, SavingFilesTheDrugUnderTheShownCategory)
{
    DataSet drugs;
    const QString current = loadDrugsOfCategory(db, drugs, "4");
    ASSERT_TRUE(drugs.locate("药品名", "人参"));
    drugs.edit();
    drugs.setValue("类别ID", "1"); // whatever the row said before
    drugs.setValue("输入码", "");
    ASSERT_EQ(prepareDrugForSave(drugs, current), QString());
    drugs.post();
    const RowSet stored = db.query("select * from 药品表 where 药品名='人参'");
    EXPECT_EQ(stored[0].text("类别ID"), QStringLiteral("4"));
    EXPECT_EQ(stored[0].text("输入码"), InputCodeOf("人参"));
}

TEST_F(CatalogDatabase, SavingWithoutACategoryAsksForARefreshAndKeepsTheTypedRow)
{
    DataSet drugs;
    const QString current = loadDrugsOfCategory(db, drugs, "");
    drugs.append();
    drugs.setValue("药品名", "新药");
    EXPECT_EQ(prepareDrugForSave(drugs, current), QStringLiteral("数据已变化，请先刷新。"));
    EXPECT_EQ(drugs.state(), DataSet::State::Insert);
    EXPECT_EQ(drugs.text("药品名"), QStringLiteral("新药"));
    EXPECT_EQ(drugs.text("输入码"), QString());
    EXPECT_EQ(db.scalar("select count(*) from 药品表 where 药品名='新药'").toInt(), 0);
}

TEST_F(CatalogDatabase, AddingToAPrescriptionAppendsOnePostedLinePerPress)
{
    DataSet drugs;
    loadDrugsOfCategory(db, drugs, "1");
    ASSERT_TRUE(drugs.locate("药品名", "桂枝"));
    DataSet lines;
    lines.open(db, "select  *   from  药方从表  where  1=2");
    lines.setUpdateTable(QString()); // the prescription keeps its lines in memory
    ASSERT_EQ(addDrugToPrescription(drugs, lines), QString());
    ASSERT_EQ(addDrugToPrescription(drugs, lines), QString());
    ASSERT_EQ(lines.rowCount(), 2);
    EXPECT_EQ(lines.state(), DataSet::State::Browse);
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(valueText(lines.valueAt(row, "药品名")), QStringLiteral("桂枝"));
        EXPECT_EQ(valueText(lines.valueAt(row, "规格")), QStringLiteral("10g"));
        EXPECT_EQ(valueText(lines.valueAt(row, "单位")), QStringLiteral("克"));
        EXPECT_EQ(valueDecimal(lines.valueAt(row, "数量")), Decimal4::fromInteger(1));
    }
    EXPECT_EQ(db.scalar("select count(*) from 药方从表").toInt(), 0);
}

TEST_F(CatalogDatabase, ALineThatCannotBePostedIsDroppedAgain)
{
    // 药方从表.药品名 holds at most 50 characters; this name is longer.
    const QString longName(60, QChar(0x9EC4));
    db.execute("insert into 药品表 (类别ID, 药品名, 规格, 单位) values ('1', ?, '10g', '克')", {longName});
    DataSet drugs;
    loadDrugsOfCategory(db, drugs, "1");
    ASSERT_TRUE(drugs.locate("药品名", longName));
    DataSet lines;
    lines.open(db, "select  *   from  药方从表  where  1=2");
    EXPECT_THROW(addDrugToPrescription(drugs, lines), DatabaseError);
    EXPECT_EQ(lines.rowCount(), 0);
    EXPECT_EQ(lines.state(), DataSet::State::Browse);
}

TEST_F(CatalogDatabase, AddingFromAnEmptyDrugListAddsNothing)
{
    DataSet drugs;
    loadDrugsOfCategory(db, drugs, "99");
    DataSet lines;
    lines.openInMemory({"药品名", "规格", "单位", "数量"});
    EXPECT_EQ(addDrugToPrescription(drugs, lines), QStringLiteral("没有相关记录"));
    EXPECT_EQ(lines.rowCount(), 0);
}

TEST(NumberText, ReadsWhatUsersTypeAndRefusesTheRest)
{
    struct Case { const char* text; std::optional<double> value; };
    const Case cases[] = {
        {"12", 12}, {" 12.5 ", 12.5}, {"￥1,234.50", 1234.5}, {"-￥3.00", -3}, {"0", 0},
        {"12a", std::nullopt}, {"abc", std::nullopt}, {"1.2.3", std::nullopt}, {"-", std::nullopt},
        {".", std::nullopt}, {"", std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<Decimal4> parsed = parseNumberText(QString::fromUtf8(c.text));
        ASSERT_EQ(parsed.has_value(), c.value.has_value()) << c.text;
        if (parsed) {
            EXPECT_EQ(*parsed, Decimal4::fromDouble(*c.value)) << c.text;
        }
    }
}

TEST(NumberText, MoneyAndQuantityDisplay)
{
    EXPECT_EQ(yuanText(Decimal4::fromDouble(1234.5)), QStringLiteral("￥1,234.50"));
    EXPECT_EQ(yuanText(Decimal4::fromDouble(1234567.125)), QStringLiteral("￥1,234,567.13"));
    EXPECT_EQ(yuanText(Decimal4::fromDouble(-3)), QStringLiteral("-￥3.00"));
    EXPECT_EQ(yuanText(Decimal4()), QStringLiteral("￥0.00"));
    EXPECT_EQ(yuanText(Decimal4::fromDouble(999.999)), QStringLiteral("￥1,000.00"));
    EXPECT_EQ(quantityText(Decimal4()), QStringLiteral("0.00"));
    EXPECT_EQ(quantityText(Decimal4::fromDouble(12.5)), QStringLiteral("12.50"));
    EXPECT_EQ(quantityText(Decimal4::fromDouble(0.125)), QStringLiteral("0.125"));
}

TEST(MaintenanceStates, ButtonsFollowTheRowSetState)
{
    const auto browse = maintenanceButtonStates(DataSet::State::Browse);
    ASSERT_TRUE(browse);
    EXPECT_TRUE(browse->add && browse->remove && browse->modify && browse->refresh);
    EXPECT_FALSE(browse->save || browse->cancel || browse->editsWritable);
    for (DataSet::State editing : {DataSet::State::Edit, DataSet::State::Insert}) {
        const auto s = maintenanceButtonStates(editing);
        ASSERT_TRUE(s);
        EXPECT_FALSE(s->add || s->remove || s->modify || s->refresh);
        EXPECT_TRUE(s->save && s->cancel && s->editsWritable);
    }
    EXPECT_FALSE(maintenanceButtonStates(DataSet::State::Inactive)); // keep what is shown
}

} // namespace
