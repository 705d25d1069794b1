#include "clinic/common/InputCode.h"
#include "clinic/common/ItemLoaders.h"
#include "clinic/common/SharedValues.h"
#include "clinic/common/TextUtil.h"
#include "clinic/db/ClinicSchema.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

TEST(CountOccurrences, CountsWithoutOverlap)
{
    struct Case { const char* text; const char* part; int count; };
    for (const Case& c : {Case{"aaa", "aa", 1}, Case{"abab", "ab", 2}, Case{"", "a", 0}, Case{"abc", "", 0},
                          Case{"【缺货】甘草【缺货】", "【缺货】", 2}, Case{"abc", "d", 0}})
        EXPECT_EQ(CountOccurrences(QString::fromUtf8(c.text), QString::fromUtf8(c.part)), c.count) << c.text;
}

TEST(RandomText, DrawsFromTheChosenClassesOnly)
{
    EXPECT_EQ(RandomText(false, false, false, 5, "原样"), QStringLiteral("原样"));
    const QString key = RandomText(true, false, false, 5);
    EXPECT_TRUE(QRegularExpression("^[A-Z]{5}$").match(key).hasMatch()) << key.toStdString();
    EXPECT_TRUE(QRegularExpression("^[a-z0-9]{40}$").match(RandomText(false, true, true, 40)).hasMatch());
}

TEST(SharedValues, BehavesAsANameValueMailbox)
{
    SharedValues values;
    EXPECT_EQ(values.value("ABCDE"), QString());
    values.setValue("ABCDE", "12");
    EXPECT_EQ(values.value("abcde"), QStringLiteral("12")); // Latin case ignored
    values.setValue("abcde", "-1");
    EXPECT_EQ(values.value("ABCDE"), QStringLiteral("-1"));
    values.setValue("ABCDE", "");
    EXPECT_FALSE(values.contains("ABCDE"));
}

TEST(InputCode, TrimsAndUpperCases)
{
    EXPECT_EQ(InputCodeOf("  甘草 "), InputCodeOf("甘草"));
    EXPECT_EQ(InputCodeOf("\t甘草\r\n"), QStringLiteral("GC"));
    EXPECT_EQ(InputCodeOf("vitamin c"), QStringLiteral("VITAMINC"));
    EXPECT_EQ(InputCodeOf(QString(300, u'a')).size(), 255);
}

class ClinicServices : public ::testing::Test
{
protected:
    void SetUp() override
    {
        createClinicSchema(db);
        db.execScript(
            "insert into 类别表 (类别名称, 一级科目名) values ('中药', '解表药'), ('西药', '抗生素'), ('药方库', '经方');"
            "insert into 类别表 (类别名称, 一级科目名) values ('中药', '补益药');"
            "insert into 药品表 (类别ID, 药品名, 品种, 规格, 单位, 输入码) values"
            " ('4', '人参', '根', '10g', '克', 'RS'),"
            " ('1', '麻黄', '草', '', 'g', null),"
            " ('2', '阿莫西林', '', '0.25g', '盒', '   '),"
            " ('1', '桂枝', '', '', 'g', 'XX'),"
            " ('99', '无类别', '', '', 'g', '');"
            "insert into 药方主表 (类别ID, 药方名, 说明) values ('3', '桂枝汤', '调和营卫');"
            "insert into 药方主表 (单据号, 姓名) values ('C20130101120000', '张三');");
    }
    Database db = Database::openInMemory();
};

TEST_F(ClinicServices, LoadDrugsByClassGroupsByCategory)
{
    const GoodsList drugs = LoadDrugsByClass(db, "中药");
    ASSERT_EQ(drugs.size(), 3);
    EXPECT_EQ(drugs[0].ClassID, QStringLiteral("1"));
    EXPECT_EQ(drugs[1].ClassID, QStringLiteral("1"));
    EXPECT_EQ(drugs[2].Name, QStringLiteral("人参"));
    EXPECT_EQ(drugs[2].Category, QStringLiteral("补益药"));
    EXPECT_EQ(drugs[2].Spec, QStringLiteral("10g"));
    EXPECT_EQ(drugs[2].Quantity, QStringLiteral("1"));
    EXPECT_TRUE(LoadDrugsByClass(db, "x' or '1'='1").isEmpty());
}

TEST_F(ClinicServices, LoadRecipesByClassSkipsWrittenPrescriptions)
{
    const GoodsList recipes = LoadRecipesByClass(db, "药方库");
    ASSERT_EQ(recipes.size(), 1);
    EXPECT_EQ(recipes[0].Name, QStringLiteral("桂枝汤"));
    EXPECT_EQ(recipes[0].Kind, QStringLiteral("调和营卫"));
    EXPECT_EQ(recipes[0].Category, QStringLiteral("经方"));
}

TEST_F(ClinicServices, FillMissingInputCodesFillsOnlyBlankCodes)
{
    FillMissingInputCodes(db);
    const RowSet rows = db.query("select 药品名, 输入码 from 药品表 order by ID");
    QStringList codes;
    for (const Row& row : rows.rows)
        codes << row.text("输入码");
    EXPECT_EQ(codes, (QStringList{"RS", "MH", "AMXL", "XX", "WLB"}));
}

} // namespace
