#include "platform/data/DataSet.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

class DataSetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        db.execScript(
            "create table 类别表 (ID integer primary key autoincrement, 类别名称 text collate nocase,"
            "  一级科目名 text collate nocase, 说明 text collate nocase);"
            "create table 药品表 (ID integer primary key autoincrement, 类别ID text, 药品名 text collate nocase,"
            "  卖出单价 numeric, 库存量 numeric default 0,"
            "  说明 text check (length(说明) <= 5));"
            "insert into 类别表 (类别名称, 一级科目名) values ('中药', '解表药'), ('中药', '补益药');"
            "insert into 药品表 (类别ID, 药品名, 卖出单价) values"
            "  ('1', '麻黄', 0.5), ('1', '桂枝', 0.3), ('2', '人参', 12), ('1', '薄荷', 0.3);");
    }

    int count(const char* sql) { return db.scalar(QString::fromUtf8(sql)).toInt(); }

    Database db = Database::openInMemory();
};

TEST_F(DataSetTest, EditPostWritesOnlyChangedColumnsThrough)
{
    DataSet set;
    set.open(db, "select a.*, b.一级科目名 from 药品表 a left join 类别表 b on CStr(b.ID)=a.类别ID");
    EXPECT_EQ(set.updateTable(), QStringLiteral("药品表"));
    ASSERT_EQ(set.rowCount(), 4);
    set.edit();
    EXPECT_EQ(set.state(), DataSet::State::Edit);
    set.setValue("卖出单价", QVariant::fromValue(Decimal4::parse("0.55").value()));
    set.setValue("一级科目名", "不写回"); // from the joined table: never written
    // Someone else changes the stock meanwhile; our post must not undo it.
    db.execute("update 药品表 set 库存量=99 where ID=1");
    set.post();
    EXPECT_EQ(set.state(), DataSet::State::Browse);
    EXPECT_EQ(db.scalar("select 卖出单价 from 药品表 where ID=1").toDouble(), 0.55);
    EXPECT_EQ(count("select 库存量 from 药品表 where ID=1"), 99);
    EXPECT_EQ(db.scalar("select 一级科目名 from 类别表 where ID=1").toString(), QStringLiteral("解表药"));
}

TEST_F(DataSetTest, AppendPostLearnsTheNewIdAndDefaults)
{
    DataSet set;
    set.setNewRowDefaults([](DataSet& s) { s.setValue("类别ID", "2"); });
    set.open(db, "select * from 药品表 where 类别ID='2'");
    set.append();
    EXPECT_EQ(set.state(), DataSet::State::Insert);
    EXPECT_EQ(set.text("类别ID"), QStringLiteral("2"));
    set.setValue("药品名", "党参");
    set.post();
    EXPECT_EQ(set.integer("ID"), 5);
    EXPECT_EQ(set.integer("库存量"), 0); // the table's default, re-read after insert
    EXPECT_EQ(count("select count(*) from 药品表 where 药品名='党参' and 类别ID='2'"), 1);
}

TEST_F(DataSetTest, CancelRestoresOrDropsTheRow)
{
    DataSet set;
    set.open(db, "select * from 药品表");
    set.edit();
    set.setValue("药品名", "改名");
    set.cancel();
    EXPECT_EQ(set.text("药品名"), QStringLiteral("麻黄"));
    set.append();
    EXPECT_EQ(set.rowCount(), 5);
    set.cancel();
    EXPECT_EQ(set.rowCount(), 4);
    EXPECT_EQ(set.state(), DataSet::State::Browse);
    EXPECT_EQ(count("select count(*) from 药品表"), 4);
}

TEST_F(DataSetTest, RemoveDeletesByIdAndKeepsAValidCurrentRow)
{
    DataSet set;
    set.open(db, "select * from 药品表 order by ID");
    set.last();
    set.remove();
    EXPECT_EQ(set.currentRow(), 2);
    EXPECT_EQ(count("select count(*) from 药品表 where ID=4"), 0);
    EXPECT_EQ(count("select count(*) from 药品表"), 3);
}

TEST_F(DataSetTest, FailedPostStaysEditingWithTheTypedValues)
{
    DataSet set;
    set.open(db, "select * from 药品表");
    set.edit();
    set.setValue("说明", "这段说明太长了");
    EXPECT_THROW(set.post(), DatabaseError);
    EXPECT_EQ(set.state(), DataSet::State::Edit);
    EXPECT_EQ(set.text("说明"), QStringLiteral("这段说明太长了"));
    EXPECT_EQ(count("select count(*) from 药品表 where 说明 is not null"), 0);
    set.setValue("说明", "短");
    set.post();
    EXPECT_EQ(count("select count(*) from 药品表 where 说明='短'"), 1);
}

TEST_F(DataSetTest, EditOnAnEmptySetStartsANewRow)
{
    DataSet set;
    set.open(db, "select * from 类别表 where 1=2");
    set.edit();
    EXPECT_EQ(set.state(), DataSet::State::Insert);
    set.setValue("一级科目名", "新类别");
    set.post();
    EXPECT_EQ(count("select count(*) from 类别表"), 3);
}

TEST_F(DataSetTest, SettingAFieldNeedsEditing)
{
    DataSet set;
    set.open(db, "select * from 药品表");
    EXPECT_THROW(set.setValue("药品名", "x"), DatabaseError);
    EXPECT_THROW(set.value("没有这个字段"), DatabaseError);
}

TEST_F(DataSetTest, LocateAndStableSort)
{
    DataSet set;
    set.open(db, "select * from 药品表 order by ID");
    EXPECT_TRUE(set.locate("药品名", "人参"));
    EXPECT_EQ(set.integer("ID"), 3);
    EXPECT_TRUE(set.locate("ID", "2")); // text against number
    EXPECT_EQ(set.text("药品名"), QStringLiteral("桂枝"));
    EXPECT_FALSE(set.locate("药品名", "没有"));

    set.sortBy("卖出单价", true); // 0.3 桂枝, 0.3 薄荷 keep their order; 12 after 0.5 as numbers
    QStringList names;
    for (int i = 0; i < set.rowCount(); ++i)
        names << set.valueAt(i, "药品名").toString();
    EXPECT_EQ(names, (QStringList{"桂枝", "薄荷", "麻黄", "人参"}));
    EXPECT_EQ(set.text("药品名"), QStringLiteral("桂枝")); // current record followed the sort
    set.sortBy("卖出单价", false);
    EXPECT_EQ(set.valueAt(0, "药品名").toString(), QStringLiteral("人参"));
    EXPECT_EQ(set.valueAt(2, "药品名").toString(), QStringLiteral("桂枝")); // stable among equals
    EXPECT_EQ(set.valueAt(3, "药品名").toString(), QStringLiteral("薄荷"));
}

TEST_F(DataSetTest, NotifiesStateRowAndFieldChanges)
{
    DataSet set;
    QSignalSpy states(&set, &DataSet::stateChanged);
    QSignalSpy rows(&set, &DataSet::currentRowChanged);
    QSignalSpy fields(&set, &DataSet::fieldChanged);
    set.open(db, "select * from 药品表");
    set.next();
    set.edit();
    set.setValue("卖出单价", 1);
    set.setValue("卖出单价", 1); // unchanged: no second notification
    set.post();
    EXPECT_EQ(states.size(), 3); // browse, edit, browse
    EXPECT_GE(rows.size(), 2);
    ASSERT_EQ(fields.size(), 1);
    EXPECT_EQ(fields[0][0].toString(), QStringLiteral("卖出单价"));
}

TEST_F(DataSetTest, InMemorySetNeverTouchesTheDatabase)
{
    DataSet lines;
    lines.openInMemory({"药品名", "数量"});
    lines.append();
    lines.setValue("药品名", "甘草");
    lines.post();
    lines.append();
    lines.setValue("药品名", "大枣");
    lines.post();
    EXPECT_EQ(lines.rowCount(), 2);
    lines.first();
    lines.remove();
    EXPECT_EQ(lines.text("药品名"), QStringLiteral("大枣"));
    lines.close();
    EXPECT_FALSE(lines.isOpen());
    EXPECT_TRUE(lines.isEmpty());
}

TEST_F(DataSetTest, ReadOnlyWhenNoIdIsSelected)
{
    DataSet set;
    set.open(db, "select 药品名, count(*) as n from 药品表 group by 药品名");
    EXPECT_TRUE(set.updateTable().isEmpty());
    set.edit();
    set.setValue("药品名", "改");
    set.post(); // kept in memory only
    EXPECT_EQ(count("select count(*) from 药品表 where 药品名='改'"), 0);
}

} // namespace
