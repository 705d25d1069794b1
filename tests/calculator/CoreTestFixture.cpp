#include "CoreTestFixture.h"

#include <QFile>
#include <QStringList>
#include <stdexcept>

namespace {

QString schemaText()
{
    QFile file(QStringLiteral(TAMSOR_SCHEMA_SQL));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " TAMSOR_SCHEMA_SQL);
    return QString::fromUtf8(file.readAll());
}

void addYun(Database& db, const QStringList& v)
{
    db.execute(QStringLiteral("insert into YUN (属性, 年干, 岁运, 初运, 二运, 三运, 四运, 终运, \"order\") "
                              "values (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
               {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8].toInt()});
}

void addQi(Database& db, const QStringList& v)
{
    db.execute(QStringLiteral("insert into QI (属性, 年支, 岁气, 初气, 气二, 气三, 气四, 气五, 终气, \"order\") "
                              "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
               {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9].toInt()});
}

// One row of a qi text table per branch: the column name and branch mark
// every cell so a test sees which row and column a text came from.
QStringList markedQiRow(const QString& kind, const QString& branch, int order)
{
    QStringList v{kind, branch, QString()};
    for (const char* column : {"初气", "气二", "气三", "气四", "气五", "终气"})
        v << kind + branch + QString::fromUtf8(column);
    v << QString::number(order);
    return v;
}

} // namespace

Database MakeTamsorFixture(const QString& path)
{
    Database db = path.isEmpty() ? Database::openInMemory() : Database::create(path);
    db.execScript(schemaText());

    // Stems 甲 (太宫土) and 乙 (少商金); the rows of stem 丙 are left out on purpose.
    addYun(db, {"公历", "", "", "旧", "旧", "旧", "旧", "旧", "1"});
    addYun(db, {"交司", "", "", "大寒日交", "春分后十三日交", "芒种后十日交", "处暑后七日交", "立冬后四日交", "2"});
    addYun(db, {"主运", "甲", "太宫土", "太角木", "少徵火", "太宫土", "少商金", "太羽水", "3"});
    addYun(db, {"客运", "甲", "太宫土", "太宫土", "少商金", "太羽水", "太角木", "少徵火", "4"});
    addYun(db, {"客运2", "甲", "太宫土", "太宫土", "少商金", "太羽水", "少角木", "太徵火", "5"});
    addYun(db, {"主运", "乙", "少商金", "太角木", "少徵火", "太宫土", "少商金", "太羽水", "3"});
    addYun(db, {"客运", "乙", "少商金", "少商金", "太羽水", "太角木", "少徵火", "太宫土", "4"});
    addYun(db, {"客运2", "乙", "少商金", "少商金", "太羽水", "少角木", "太徵火", "少宫土", "5"});
    addYun(db, {"分析", "", "", "运分析一", "运分析二", "运分析三", "运分析四", "运分析五", "6"});

    addQi(db, {"公历", "", "", "旧", "旧", "旧", "旧", "旧", "旧", "1"});
    addQi(db, {"交司", "", "", "大寒日交", "春分日交", "小满日交", "大暑日交", "秋分日交", "小雪日交", "2"});
    addQi(db, {"司天在泉", "", "", "在泉左间", "司天右间", "司天", "司天左间", "在泉右间", "在泉", "3"});
    addQi(db, {"主气", "", "", "厥阴风木", "少阴君火", "少阳相火", "太阴湿土", "阳明燥金", "太阳寒水", "4"});
    addQi(db, {"客气", "子", "少阴司天", "太阳寒水", "厥阴风木", "少阴君火", "太阴湿土", "少阳相火", "阳明燥金", "5"});
    addQi(db, {"客气", "丑", "太阴司天", "厥阴风木", "少阴君火", "太阴湿土", "少阳相火", "阳明燥金", "太阳寒水", "5"});
    addQi(db, {"分析", "子", "阳明在泉", "客水生主", "客木生主", "君火临相", "同气土", "客火胜主", "客金生主", "6"});
    addQi(db, {"分析", "丑", "太阳在泉", "同气木", "同气火", "主火生客", "客火生主", "同气金", "同气水", "6"});
    for (const char* branch : {"子", "丑"}) {
        for (const char* kind : {"司天客主分析", "在泉客主分析", "客气治则", "运气合治"})
            addQi(db, markedQiRow(QString::fromUtf8(kind), QString::fromUtf8(branch), 10));
    }
    addQi(db, markedQiRow(QStringLiteral("主气治则"), QString(), 10));

    db.execScript(QStringLiteral(
        "insert into 五运胜复 (五运, 三气之纪, 胜, 复, 郁发) values"
        " ('太宫土', '太宫土三气', '太宫土胜', '太宫土复', '太宫土郁发'),"
        " ('平宫土', '平宫土三气', '平宫土胜', '平宫土复', '平宫土郁发'),"
        " ('少商金', '少商金三气', '少商金胜', '少商金复', '少商金郁发'),"
        " ('平商金', '平商金三气', '平商金胜', '平商金复', '平商金郁发');"
        "insert into 六气胜复 (六气, 淫胜, 淫胜治则, 复气, 复气治则) values"
        " ('太阳寒水', '寒淫', '寒淫治则', '寒复', '寒复治则'),"
        " ('少阴君火', '热淫', '热淫治则', '热复', '热复治则');"
        "insert into 甲子表 (天干, 地支, 运气同化或异化字样, 运气同化或异化名称, 运气同化或异化判断,"
        "  平气判断, 运气同治, 运气合治, 是否平气) values"
        " ('甲', '子', '运气异化', '甲子名称', '甲子判断', '甲子平气判断', '甲子同治', '甲子合治', 0),"
        " ('乙', '丑', '运气同化', '乙丑名称', '乙丑判断', '乙丑平气判断', '乙丑同治', '乙丑合治', 1);"
        "insert into 天干合 (年干, 日干, 判断) values ('甲', '己', '甲己合而化土');"
        "insert into 司天在泉 (司天在泉, 三阴三阳, 淫胜, 治则) values"
        " ('司天', '少阴君火', '少阴司天淫胜', '少阴司天治则'),"
        " ('在泉', '少阴君火', '少阴在泉淫胜', '少阴在泉治则'),"
        " ('司天', '阳明燥金', '阳明司天淫胜', '阳明司天治则'),"
        " ('在泉', '阳明燥金', '阳明在泉淫胜', '阳明在泉治则'),"
        " ('司天', '太阴湿土', '太阴司天淫胜', '太阴司天治则'),"
        " ('在泉', '太阳寒水', '太阳在泉淫胜', '太阳在泉治则');"));
    return db;
}

void addCalendarYear(Database& db, int year, const SolarTermDays& d)
{
    for (int month = 1; month <= 12; ++month) {
        int jieqi = 1;
        int zhongqi = 1;
        switch (month) {
        case 1: zhongqi = d.dahan; break;
        case 3: zhongqi = d.chunfen; break;
        case 5: zhongqi = d.xiaoman; break;
        case 6: jieqi = d.mangzhong; break;
        case 7: zhongqi = d.dashu; break;
        case 8: zhongqi = d.chushu; break;
        case 9: zhongqi = d.qiufen; break;
        case 11: jieqi = d.lidong; zhongqi = d.xiaoxue; break;
        default: break;
        }
        db.execute(QStringLiteral("insert into calendar (nian, jieqimonth, jieqiday, zhongqiday) values (?, ?, ?, ?)"),
                   {year, month, jieqi, zhongqi});
    }
}

QString rowsOtherThanGregorian(Database& db, const QString& table)
{
    QStringList lines;
    const RowSet rows = db.query(QStringLiteral("select * from %1 where 属性<>'公历' order by ID").arg(table));
    for (const Row& row : rows.rows) {
        QStringList cells;
        for (const QVariant& v : row.values())
            cells << v.toString();
        lines << cells.join(QLatin1Char('|'));
    }
    return lines.join(QLatin1Char('\n'));
}
