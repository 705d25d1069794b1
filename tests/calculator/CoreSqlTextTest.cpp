// The statements the calculator sends, recorded from the engine itself: their
// texts (spacing included) and their order are part of the program's
// contract with its database, so a test compares them character for
// character. Transaction control is left out of the record.
#include "CoreTestFixture.h"

#include "calculator/core/CellAnalysis.h"
#include "calculator/core/SolarCalendar.h"
#include "calculator/core/WholeYearAnalysis.h"
#include "calculator/core/YearQueries.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

// Collects the text of every statement the connection runs while it lives.
class StatementLog
{
public:
    explicit StatementLog(Database& db)
        : m_db(db)
    {
        sqlite3_trace_v2(m_db.handle(), SQLITE_TRACE_STMT, &StatementLog::onStatement, this);
    }
    ~StatementLog() { sqlite3_trace_v2(m_db.handle(), 0, nullptr, nullptr); }
    StatementLog(const StatementLog&) = delete;
    StatementLog& operator=(const StatementLog&) = delete;

    QStringList statements() const { return m_statements; }

private:
    static int onStatement(unsigned, void* context, void*, void* text)
    {
        const QString sql = QString::fromUtf8(static_cast<const char*>(text));
        static const QStringList transactionControl{QStringLiteral("BEGIN IMMEDIATE"), QStringLiteral("COMMIT"),
                                                    QStringLiteral("ROLLBACK")};
        if (!transactionControl.contains(sql))
            static_cast<StatementLog*>(context)->m_statements << sql;
        return 0;
    }

    Database& m_db;
    QStringList m_statements;
};

constexpr SolarTermDays k2013{20, 20, 21, 5, 22, 23, 23, 7, 22};
constexpr SolarTermDays k2014{20, 21, 21, 6, 23, 23, 23, 7, 22};

class SqlTextTest : public testing::Test
{
protected:
    void SetUp() override
    {
        addCalendarYear(db, 2013, k2013);
        addCalendarYear(db, 2014, k2014);
    }
    Database db = MakeTamsorFixture();
};

TEST_F(SqlTextTest, GregorianSpansReadAndWriteInTheirOrder)
{
    StatementLog log(db);
    WriteGregorianSpans(db, 2013);
    auto read = [](const char* column, int year, int month) {
        return QStringLiteral("select %1 from calendar where nian=%2 and jieqimonth=%3")
            .arg(QLatin1String(column))
            .arg(year)
            .arg(month);
    };
    auto update = [](const char* table, const char* column, const char* value) {
        return QStringLiteral("update %1 set %2='%3' where 属性='公历'")
            .arg(QLatin1String(table), QString::fromUtf8(column), QString::fromUtf8(value));
    };
    const QStringList expected{
        read("zhongqiday", 2013, 1),  read("zhongqiday", 2014, 1),
        update("yun", "初运", "2013-1-20"),
        read("zhongqiday", 2013, 3),  update("yun", "二运", "2013-4-2"),
        read("jieqiday", 2013, 6),    update("yun", "三运", "2013-6-15"),
        read("zhongqiday", 2013, 8),  update("yun", "四运", "2013-8-30"),
        read("jieqiday", 2013, 11),   update("yun", "终运", "2013-11-11到2014-1-20"),
        read("zhongqiday", 2013, 1),  update("qi", "初气", "2013-1-20"),
        read("zhongqiday", 2013, 3),  update("qi", "气二", "2013-3-20"),
        read("zhongqiday", 2013, 5),  update("qi", "气三", "2013-5-21"),
        read("zhongqiday", 2013, 7),  update("qi", "气四", "2013-7-22"),
        read("zhongqiday", 2013, 9),  update("qi", "气五", "2013-9-23"),
        read("zhongqiday", 2013, 11), update("qi", "终气", "2013-11-22到2014-1-20"),
    };
    EXPECT_EQ(log.statements(), expected);
}

TEST_F(SqlTextTest, YearSummaryAndGridsAsWritten)
{
    StatementLog log(db);
    LoadYearSummary(db, QStringLiteral("甲"), QStringLiteral("子"));
    LoadAllMovementRows(db);
    LoadAllQiRows(db);
    LoadMovementRows(db, QStringLiteral("甲"));
    LoadQiRows(db, QStringLiteral("子"));
    // Only "order" is quoted; the missing blanks before union and as stay.
    const QStringList expected{
        QStringLiteral("select 岁运 from yun where 属性='客运' and 年干='甲'"),
        QStringLiteral("select 气三,终气 from Qi where 属性='客气' and 年支='子'"),
        QStringLiteral("select * from  YUN"),
        QStringLiteral("select * from   QI"),
        QStringLiteral("select * from (select * from yun where 属性='公历'union select * from yun where "
                       "属性='交司'union select * from yun where 年干='甲'union select * from yun where "
                       "属性='分析')as www order by www.\"order\""),
        QStringLiteral("select * from (select * from qi where 属性='公历'union select * from qi where "
                       "属性='交司'union select * from qi where 属性='司天在泉'union select * from qi where "
                       "属性='主气'union select * from qi where (属性='客气' or 属性='分析') and "
                       "(年支='子'))as www order by www.\"order\""),
    };
    EXPECT_EQ(log.statements(), expected);
}

TEST_F(SqlTextTest, WholeYearAnalysisRunsItsSixLookups)
{
    const LoadedYear year = WriteGregorianSpans(db, 2013);
    YearSummary summary;
    summary.YearMovement = QStringLiteral("少徵火");
    summary.SitianQi = QStringLiteral("厥阴风木");
    summary.ZaiquanQi = QStringLiteral("少阳相火");
    StatementLog log(db);
    const WholeYearAnalysis a = AnalyseWholeYear(db, year, summary);
    const QStringList expected{
        QStringLiteral("select * from 甲子表 where 天干='癸' and 地支='巳'"),
        QStringLiteral("select * from 天干合 where 年干='癸' and 日干='丙'"),
        QStringLiteral("select * from 五运胜复 where 五运='") + a.threeKindsKey + QStringLiteral("'"),
        QStringLiteral("select * from 五运胜复 where 五运='少徵火'"),
        QStringLiteral("select * from 司天在泉 where 司天在泉='司天' and 三阴三阳='厥阴风木'"),
        QStringLiteral("select * from 司天在泉 where 司天在泉='在泉' and 三阴三阳='少阳相火'"),
    };
    EXPECT_EQ(log.statements(), expected);
}

TEST_F(SqlTextTest, CellAnalysesAsWritten)
{
    StatementLog log(db);
    AnalyseClickedCell(db, {QStringLiteral("主运"), QStringLiteral("初运"), QStringLiteral("太角木")},
                       QStringLiteral("子"));
    AnalyseClickedCell(db, {QStringLiteral("客气"), QStringLiteral("气三"), QStringLiteral("少阴君火")},
                       QStringLiteral("子"));
    AnalyseClickedCell(db, {QStringLiteral("分析"), QStringLiteral("初气"), QStringLiteral("客水生主")},
                       QStringLiteral("子"));
    // Three blanks before "and", two after: part of the statements.
    const QStringList expected{
        QStringLiteral("select * from 五运胜复 where 五运='太角木'"),
        QStringLiteral("select * from 六气胜复 where 六气='少阴君火'"),
        QStringLiteral("select * from QI where 属性='司天客主分析'   and  年支='子'"),
        QStringLiteral("select * from QI where 属性='在泉客主分析'   and  年支='子'"),
        QStringLiteral("select * from QI where 属性='主气治则'"),
        QStringLiteral("select * from QI where 属性='客气治则'   and  年支='子'"),
        QStringLiteral("select * from QI where 属性='运气合治'   and  年支='子'"),
    };
    EXPECT_EQ(log.statements(), expected);
}

} // namespace
