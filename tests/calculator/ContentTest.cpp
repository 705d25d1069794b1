// The calculator's content: the database built from data/calculator must
// hold every key its lookups use, follow the classical rules of the five
// movements and six qi, and quote the 素问 faithfully. Also the builder's
// handling of malformed sources.
#include "calculator/tools/ContentSources.h"

#include "platform/db/Database.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kStems = u"甲乙丙丁戊己庚辛壬癸"_s;
const QString kBranches = u"子丑寅卯辰巳午未申酉戌亥"_s;
const QString kElements = u"金木水火土"_s;
const QStringList kMovementColumns = {u"初运"_s, u"二运"_s, u"三运"_s, u"四运"_s, u"终运"_s};
const QStringList kQiColumns = {u"初气"_s, u"气二"_s, u"气三"_s, u"气四"_s, u"气五"_s, u"终气"_s};

// The content database, built once from the sources for all tests here.
class Content : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_db = std::make_unique<Database>(Database::openInMemory());
        loadContent(*s_db, QStringLiteral(CONTENT_DIR), {});
    }
    static void TearDownTestSuite() { s_db.reset(); }

    static Database& db() { return *s_db; }
    static RowSet rows(const QString& sql, const QList<QVariant>& params = {}) { return db().query(sql, params); }
    static Row yunRow(const QString& kind, QChar stem)
    {
        const RowSet found = rows(u"select * from YUN where 属性=? and 年干=?"_s, {kind, QString(stem)});
        EXPECT_EQ(found.size(), 1) << kind.toStdString() << " " << QString(stem).toStdString();
        return found.firstOrEmpty();
    }
    static Row qiRow(const QString& kind, QChar branch)
    {
        const RowSet found = rows(u"select * from QI where 属性=? and 年支=?"_s, {kind, QString(branch)});
        EXPECT_EQ(found.size(), 1) << kind.toStdString() << " " << QString(branch).toStdString();
        return found.firstOrEmpty();
    }
    static QStringList cells(const Row& row, const QStringList& columns)
    {
        QStringList out;
        for (const QString& c : columns)
            out << row.text(c);
        return out;
    }
    static bool hasKey(const QString& table, const QString& column, const QString& key)
    {
        return db().scalar(u"select count(*) from %1 where %2=?"_s.arg(table, column), {key}).toInt() == 1;
    }
    static bool namesElement(const QString& text)
    {
        for (QChar e : kElements)
            if (text.contains(e))
                return true;
        return false;
    }

    static std::unique_ptr<Database> s_db;
};
std::unique_ptr<Database> Content::s_db;

// ---------------------------------------------------------------- movements

struct StemCase
{
    QChar stem;
    QString yearMovement; // 十干化运, 太 for yang stems, 少 for yin stems
    QStringList host;     // 主运, 太少相生 from the year movement
    QStringList guest;    // 客运 as 六元正纪大论 lists the year
    QStringList guest2;   // 客运2, alternating from the year movement
};

const QStringList kHostFromTaiJiao = {u"太角木"_s, u"少徵火"_s, u"太宫土"_s, u"少商金"_s, u"太羽水"_s};
const QStringList kHostFromShaoJiao = {u"少角木"_s, u"太徵火"_s, u"少宫土"_s, u"太商金"_s, u"少羽水"_s};

const std::vector<StemCase> kStemCases = {
    {u'甲', u"太宫土"_s, kHostFromTaiJiao, {u"太宫土"_s, u"少商金"_s, u"太羽水"_s, u"太角木"_s, u"少徵火"_s},
     {u"太宫土"_s, u"少商金"_s, u"太羽水"_s, u"少角木"_s, u"太徵火"_s}},
    {u'乙', u"少商金"_s, kHostFromTaiJiao, {u"少商金"_s, u"太羽水"_s, u"太角木"_s, u"少徵火"_s, u"太宫土"_s},
     {u"少商金"_s, u"太羽水"_s, u"少角木"_s, u"太徵火"_s, u"少宫土"_s}},
    {u'丙', u"太羽水"_s, kHostFromTaiJiao, {u"太羽水"_s, u"太角木"_s, u"少徵火"_s, u"太宫土"_s, u"少商金"_s},
     {u"太羽水"_s, u"少角木"_s, u"太徵火"_s, u"少宫土"_s, u"太商金"_s}},
    {u'丁', u"少角木"_s, kHostFromShaoJiao, kHostFromShaoJiao, kHostFromShaoJiao},
    {u'戊', u"太徵火"_s, kHostFromShaoJiao, {u"太徵火"_s, u"少宫土"_s, u"太商金"_s, u"少羽水"_s, u"少角木"_s},
     {u"太徵火"_s, u"少宫土"_s, u"太商金"_s, u"少羽水"_s, u"太角木"_s}},
    {u'己', u"少宫土"_s, kHostFromShaoJiao, {u"少宫土"_s, u"太商金"_s, u"少羽水"_s, u"少角木"_s, u"太徵火"_s},
     {u"少宫土"_s, u"太商金"_s, u"少羽水"_s, u"太角木"_s, u"少徵火"_s}},
    {u'庚', u"太商金"_s, kHostFromShaoJiao, {u"太商金"_s, u"少羽水"_s, u"少角木"_s, u"太徵火"_s, u"少宫土"_s},
     {u"太商金"_s, u"少羽水"_s, u"太角木"_s, u"少徵火"_s, u"太宫土"_s}},
    {u'辛', u"少羽水"_s, kHostFromShaoJiao, {u"少羽水"_s, u"少角木"_s, u"太徵火"_s, u"少宫土"_s, u"太商金"_s},
     {u"少羽水"_s, u"太角木"_s, u"少徵火"_s, u"太宫土"_s, u"少商金"_s}},
    {u'壬', u"太角木"_s, kHostFromTaiJiao, kHostFromTaiJiao, kHostFromTaiJiao},
    {u'癸', u"少徵火"_s, kHostFromTaiJiao, {u"少徵火"_s, u"太宫土"_s, u"少商金"_s, u"太羽水"_s, u"太角木"_s},
     {u"少徵火"_s, u"太宫土"_s, u"少商金"_s, u"太羽水"_s, u"少角木"_s}},
};

TEST_F(Content, EveryStemHasItsMovementsByTheClassicalRules)
{
    for (const StemCase& c : kStemCases) {
        SCOPED_TRACE(QString(c.stem).toStdString());
        const Row guest = yunRow(u"客运"_s, c.stem);
        EXPECT_EQ(guest.text(u"岁运"_s), c.yearMovement);
        EXPECT_EQ(cells(yunRow(u"主运"_s, c.stem), kMovementColumns), c.host);
        EXPECT_EQ(cells(guest, kMovementColumns), c.guest);
        EXPECT_EQ(cells(yunRow(u"客运2"_s, c.stem), kMovementColumns), c.guest2);
        // The grid shows 岁运 on every row of the stem; it must be the same text.
        EXPECT_EQ(yunRow(u"主运"_s, c.stem).text(u"岁运"_s), c.yearMovement);
        EXPECT_EQ(yunRow(u"客运2"_s, c.stem).text(u"岁运"_s), c.yearMovement);
    }
}

TEST_F(Content, MovementRowsAreExactlyTheExpectedOnes)
{
    EXPECT_EQ(rows(u"select * from YUN where 属性='公历'"_s).size(), 1);
    EXPECT_EQ(rows(u"select * from YUN where 属性='交司'"_s).size(), 1);
    EXPECT_EQ(rows(u"select * from YUN where 属性='分析'"_s).size(), 1);
    for (const QString& kind : {u"主运"_s, u"客运"_s, u"客运2"_s})
        EXPECT_EQ(rows(u"select * from YUN where 属性=?"_s, {kind}).size(), 10) << kind.toStdString();
    EXPECT_EQ(cells(rows(u"select * from YUN where 属性='交司'"_s).firstOrEmpty(), kMovementColumns),
              (QStringList{u"大寒日交"_s, u"春分后十三日交"_s, u"芒种后十日交"_s, u"处暑后七日交"_s, u"立冬后四日交"_s}));
}

// The statement the main window sends for a year, with "order" quoted.
TEST_F(Content, MovementGridQueryShowsTheRowsInOrder)
{
    const RowSet grid = rows(u"select * from (select * from yun where 属性='公历'union select * from yun where "
                             "属性='交司'union select * from yun where 年干='癸'union select * from yun where "
                             "属性='分析')as www order by www.\"order\""_s);
    QStringList kinds;
    for (const Row& row : grid.rows)
        kinds << row.text(u"属性"_s);
    EXPECT_EQ(kinds, (QStringList{u"公历"_s, u"交司"_s, u"主运"_s, u"客运"_s, u"客运2"_s, u"分析"_s}));
}

TEST_F(Content, EveryColouredMovementCellHasItsKeyAndElement)
{
    const RowSet movementRows = rows(u"select * from YUN where 属性 in ('主运','客运','客运2')"_s);
    ASSERT_EQ(movementRows.size(), 30);
    for (const Row& row : movementRows.rows)
        for (const QString& text : cells(row, kMovementColumns)) {
            EXPECT_TRUE(hasKey(u"五运胜复"_s, u"五运"_s, text)) << text.toStdString();
            EXPECT_TRUE(namesElement(text)) << text.toStdString();
        }
}

// The whole-year analysis replaces every 太 and 少 of the year movement by 平
// for a balanced year; both forms must be keys, and no other character of
// the text may be touched by that replacement.
TEST_F(Content, EveryYearMovementAndItsBalancedFormHaveKeys)
{
    for (const Row& row : rows(u"select distinct 岁运 from YUN where 属性='客运'"_s).rows) {
        const QString movement = row.text(u"岁运"_s);
        SCOPED_TRACE(movement.toStdString());
        EXPECT_EQ(movement.count(u'太') + movement.count(u'少'), 1);
        EXPECT_TRUE(namesElement(movement));
        EXPECT_TRUE(hasKey(u"五运胜复"_s, u"五运"_s, movement));
        QString balanced = movement;
        balanced.replace(u'太', u'平').replace(u'少', u'平');
        EXPECT_TRUE(hasKey(u"五运胜复"_s, u"五运"_s, balanced)) << balanced.toStdString();
    }
    EXPECT_EQ(db().scalar(u"select count(*) from 五运胜复"_s).toInt(), 15);
}

TEST_F(Content, MovementTextsAreComplete)
{
    for (const Row& row : rows(u"select * from 五运胜复"_s).rows)
        for (const QString& column : {u"三气之纪"_s, u"胜"_s, u"复"_s, u"郁发"_s})
            EXPECT_FALSE(row.text(column).isEmpty()) << row.text(u"五运"_s).toStdString() << " " << column.toStdString();
}

// ---------------------------------------------------------------- qi

struct BranchCase
{
    QChar branch;
    QString sitian;
    QString zaiquan;
};

const std::vector<BranchCase> kBranchCases = {
    {u'子', u"少阴君火"_s, u"阳明燥金"_s}, {u'丑', u"太阴湿土"_s, u"太阳寒水"_s}, {u'寅', u"少阳相火"_s, u"厥阴风木"_s},
    {u'卯', u"阳明燥金"_s, u"少阴君火"_s}, {u'辰', u"太阳寒水"_s, u"太阴湿土"_s}, {u'巳', u"厥阴风木"_s, u"少阳相火"_s},
    {u'午', u"少阴君火"_s, u"阳明燥金"_s}, {u'未', u"太阴湿土"_s, u"太阳寒水"_s}, {u'申', u"少阳相火"_s, u"厥阴风木"_s},
    {u'酉', u"阳明燥金"_s, u"少阴君火"_s}, {u'戌', u"太阳寒水"_s, u"太阴湿土"_s}, {u'亥', u"厥阴风木"_s, u"少阳相火"_s},
};

// The order in which the guest qi follow each other: one yin, two yin, three
// yin, one yang, two yang, three yang.
const QStringList kGuestOrder = {u"厥阴风木"_s, u"少阴君火"_s, u"太阴湿土"_s, u"少阳相火"_s, u"阳明燥金"_s, u"太阳寒水"_s};

TEST_F(Content, EveryBranchHasItsGuestQi)
{
    for (const BranchCase& c : kBranchCases) {
        SCOPED_TRACE(QString(c.branch).toStdString());
        const QStringList guest = cells(qiRow(u"客气"_s, c.branch), kQiColumns);
        EXPECT_EQ(guest[2], c.sitian);
        EXPECT_EQ(guest[5], c.zaiquan);
        const qsizetype first = kGuestOrder.indexOf(guest[0]);
        ASSERT_GE(first, 0);
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(guest[k], kGuestOrder[(first + k) % 6]) << "step " << k;
    }
}

TEST_F(Content, HostQiIsTheSameSixEveryYear)
{
    const RowSet host = rows(u"select * from QI where 属性='主气'"_s);
    ASSERT_EQ(host.size(), 1);
    EXPECT_EQ(cells(host[0], kQiColumns), (QStringList{u"厥阴风木"_s, u"少阴君火"_s, u"少阳相火"_s, u"太阴湿土"_s,
                                                       u"阳明燥金"_s, u"太阳寒水"_s}));
    const RowSet marks = rows(u"select * from QI where 属性='司天在泉'"_s);
    ASSERT_EQ(marks.size(), 1);
    EXPECT_EQ(marks[0].text(u"气三"_s), u"司天"_s);
    EXPECT_EQ(marks[0].text(u"终气"_s), u"在泉"_s);
}

TEST_F(Content, QiGridQueryShowsTheRowsInOrder)
{
    const RowSet grid = rows(u"select * from (select * from qi where 属性='公历'union select * from qi where "
                             "属性='交司'union select * from qi where 属性='司天在泉'union select * from qi where "
                             "属性='主气'union select * from qi where (属性='客气' or 属性='分析') and (年支='巳'))as "
                             "www order by www.\"order\""_s);
    QStringList kinds;
    for (const Row& row : grid.rows)
        kinds << row.text(u"属性"_s);
    EXPECT_EQ(kinds, (QStringList{u"公历"_s, u"交司"_s, u"司天在泉"_s, u"主气"_s, u"客气"_s, u"分析"_s}));
}

TEST_F(Content, EveryQiCellHasItsKeyAndElement)
{
    const RowSet qiRows = rows(u"select * from QI where 属性 in ('主气','客气')"_s);
    ASSERT_EQ(qiRows.size(), 13);
    for (const Row& row : qiRows.rows)
        for (const QString& text : cells(row, kQiColumns)) {
            EXPECT_TRUE(hasKey(u"六气胜复"_s, u"六气"_s, text)) << text.toStdString();
            EXPECT_TRUE(namesElement(text)) << text.toStdString();
        }
    // The analysis row is coloured too: each cell names the element it is about.
    for (const Row& row : rows(u"select * from QI where 属性='分析'"_s).rows)
        for (const QString& text : cells(row, kQiColumns))
            EXPECT_TRUE(namesElement(text)) << text.toStdString();
}

TEST_F(Content, EverySitianAndZaiquanHasItsRow)
{
    EXPECT_EQ(db().scalar(u"select count(*) from 司天在泉"_s).toInt(), 12);
    for (const BranchCase& c : kBranchCases) {
        const Row guest = qiRow(u"客气"_s, c.branch);
        for (const auto& [position, column] : {std::pair{u"司天"_s, u"气三"_s}, std::pair{u"在泉"_s, u"终气"_s}}) {
            const RowSet found = rows(u"select * from 司天在泉 where 司天在泉=? and 三阴三阳=?"_s,
                                      {position, guest.text(column)});
            ASSERT_EQ(found.size(), 1) << position.toStdString() << " " << guest.text(column).toStdString();
            EXPECT_FALSE(found[0].text(u"淫胜"_s).isEmpty());
            EXPECT_FALSE(found[0].text(u"治则"_s).isEmpty());
        }
    }
}

// The analysis window reads the clicked column of these rows; each needs a
// text in every column, for every branch.
TEST_F(Content, QiAnalysisRowsAreCompleteForEveryBranch)
{
    for (const QString& kind : {u"客气"_s, u"分析"_s, u"司天客主分析"_s, u"在泉客主分析"_s, u"客气治则"_s, u"运气合治"_s})
        for (QChar branch : kBranches)
            for (const QString& text : cells(qiRow(kind, branch), kQiColumns))
                EXPECT_FALSE(text.isEmpty()) << kind.toStdString() << " " << QString(branch).toStdString();
    const RowSet hostRules = rows(u"select * from QI where 属性='主气治则'"_s);
    ASSERT_EQ(hostRules.size(), 1);
    for (const QString& text : cells(hostRules[0], kQiColumns))
        EXPECT_FALSE(text.isEmpty());
}

// ---------------------------------------------------------------- the sixty years

QSet<QString> labelsOf(const QString& name)
{
    QSet<QString> labels;
    for (const QString& part : name.split(QRegularExpression(u"[、（）]"_s), Qt::SkipEmptyParts))
        labels.insert(part);
    return labels;
}

TEST_F(Content, SixtyYearsCarryTheClassicalLabels)
{
    const RowSet years = rows(u"select * from 甲子表"_s);
    ASSERT_EQ(years.size(), 60);
    QHash<QString, QStringList> yearsWith;
    QSet<QString> labelled;
    for (const Row& row : years.rows) {
        const QString year = row.text(u"天干"_s) + row.text(u"地支"_s);
        // Stem and branch of one year of the cycle share their parity.
        EXPECT_EQ(kStems.indexOf(row.text(u"天干"_s)) % 2, kBranches.indexOf(row.text(u"地支"_s)) % 2) << year.toStdString();
        bool any = false;
        for (const QString& label : labelsOf(row.text(u"运气同化或异化名称"_s))) {
            yearsWith[label] << year;
            if (label == u"天符"_s || label == u"岁会"_s || label == u"同天符"_s || label == u"同岁会"_s
                || label == u"太乙天符"_s)
                any = true;
        }
        if (any)
            labelled.insert(year);
        EXPECT_EQ(row.text(u"运气同化或异化字样"_s), any ? u"运气同化"_s : u"运气异化"_s) << year.toStdString();
    }
    auto sorted = [](QStringList list) { list.sort(); return list; };
    EXPECT_EQ(sorted(yearsWith[u"天符"_s]), sorted({u"己丑"_s, u"己未"_s, u"乙卯"_s, u"乙酉"_s, u"丙辰"_s, u"丙戌"_s,
                                                   u"丁巳"_s, u"丁亥"_s, u"戊子"_s, u"戊午"_s, u"戊寅"_s, u"戊申"_s}));
    EXPECT_EQ(sorted(yearsWith[u"岁会"_s]), sorted({u"丁卯"_s, u"戊午"_s, u"乙酉"_s, u"丙子"_s, u"甲辰"_s, u"甲戌"_s,
                                                   u"己丑"_s, u"己未"_s}));
    EXPECT_EQ(sorted(yearsWith[u"同天符"_s]), sorted({u"甲辰"_s, u"甲戌"_s, u"壬寅"_s, u"壬申"_s, u"庚子"_s, u"庚午"_s}));
    EXPECT_EQ(sorted(yearsWith[u"同岁会"_s]), sorted({u"癸巳"_s, u"癸亥"_s, u"辛丑"_s, u"辛未"_s, u"癸卯"_s, u"癸酉"_s}));
    EXPECT_EQ(sorted(yearsWith[u"太乙天符"_s]), sorted({u"戊午"_s, u"乙酉"_s, u"己丑"_s, u"己未"_s}));
    EXPECT_EQ(labelled.size(), 26);
    // The years of no label are named by the 司天 against the movement.
    for (const QString& name : {u"顺化"_s, u"天刑"_s, u"小逆"_s, u"不和"_s})
        EXPECT_FALSE(yearsWith[name].isEmpty()) << name.toStdString();
    EXPECT_EQ(yearsWith[u"顺化"_s].size() + yearsWith[u"天刑"_s].size() + yearsWith[u"小逆"_s].size()
                  + yearsWith[u"不和"_s].size(),
              34);
}

// 运太过被司天所抑 (戊辰 戊戌: 水 over 火; 庚子 庚午 庚寅 庚申: 火 over 金) or
// 运不及得司天 (乙卯 乙酉 丁巳 丁亥 己丑 己未) or 年支方位 (丁卯 乙酉 己丑 己未 癸巳 辛亥)
// of the same element.
TEST_F(Content, BalancedYearsFollowTheTextbookMethod)
{
    QStringList balanced;
    for (const Row& row : rows(u"select * from 甲子表 where 是否平气=1"_s).rows) {
        balanced << row.text(u"天干"_s) + row.text(u"地支"_s);
        EXPECT_TRUE(row.text(u"平气判断"_s).contains(u"为平气"_s));
    }
    balanced.sort();
    QStringList expected = {u"戊辰"_s, u"戊戌"_s, u"庚子"_s, u"庚午"_s, u"庚寅"_s, u"庚申"_s, u"乙卯"_s, u"乙酉"_s,
                            u"丁巳"_s, u"丁亥"_s, u"己丑"_s, u"己未"_s, u"丁卯"_s, u"癸巳"_s, u"辛亥"_s};
    expected.sort();
    EXPECT_EQ(balanced, expected);
    for (const Row& row : rows(u"select * from 甲子表 where 是否平气=0"_s).rows)
        EXPECT_TRUE(row.text(u"平气判断"_s).contains(u"非平气"_s)) << row.text(u"天干"_s).toStdString();
    for (const Row& row : rows(u"select * from 甲子表"_s).rows)
        for (const QString& column : {u"运气同化或异化判断"_s, u"运气同治"_s, u"运气合治"_s})
            EXPECT_FALSE(row.text(column).isEmpty());
}

TEST_F(Content, GanDeFuPairsAreTheDeficientYearsWithTheirPartner)
{
    QStringList pairs;
    for (const Row& row : rows(u"select * from 天干合"_s).rows) {
        pairs << row.text(u"年干"_s) + row.text(u"日干"_s);
        EXPECT_FALSE(row.text(u"判断"_s).isEmpty());
    }
    pairs.sort();
    QStringList expected = {u"乙庚"_s, u"丁壬"_s, u"己甲"_s, u"辛丙"_s, u"癸戊"_s};
    expected.sort();
    EXPECT_EQ(pairs, expected);
}

// ---------------------------------------------------------------- quotations

// The same reading for the copy of the classic and for our quotations:
// whitespace out, and the known defects of the copy's conversion to
// simplified characters mapped to one form.
QString normalised(QString text)
{
    text.remove(QRegularExpression(u"\\s+"_s));
    text.replace(u'∶', u'：');
    text.replace(u"营运"_s, u"运行"_s).replace(u'浓', u'厚').replace(u'著', u'着').replace(u'徵', u'征');
    text.replace(u"伊芳尹"_s, u"伊尹"_s).replace(u"虎野狼"_s, u"虎狼"_s).replace(u'瘛', u'螈').replace(u"病人"_s, u"病患"_s);
    return text;
}

// Chapter title (without 篇第…) -> normalised text of the chapter.
QHash<QString, QString> classicChapters()
{
    QFile file(QStringLiteral(CLASSICS_FIXTURE));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << CLASSICS_FIXTURE;
    QHash<QString, QString> chapters;
    QString current;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.startsWith(u"<篇名>"_s)) {
            current = normalised(line.mid(4));
            current.truncate(current.indexOf(u"篇第"_s));
            continue;
        }
        if (!current.isEmpty())
            chapters[current] += normalised(line);
    }
    return chapters;
}

TEST_F(Content, EveryQuotationIsInTheClassic)
{
    const QHash<QString, QString> chapters = classicChapters();
    ASSERT_EQ(chapters.size(), 7);
    const QRegularExpression quotation(u"《素问·([^》]+)》：“([^”]*)”"_s);
    int checked = 0;
    for (const QString& table : {u"YUN"_s, u"QI"_s, u"五运胜复"_s, u"六气胜复"_s, u"甲子表"_s, u"天干合"_s, u"司天在泉"_s}) {
        const RowSet all = rows(u"select * from %1"_s.arg(table));
        for (const Row& row : all.rows)
            for (int i = 0; i < row.columns().count(); ++i) {
                const QString text = valueText(row.at(i));
                // Every citation of the classic has the full form.
                EXPECT_EQ(text.count(u"《素问·"_s), text.count(quotation)) << table.toStdString() << ": " << text.toStdString();
                for (const QRegularExpressionMatch& m : quotation.globalMatch(text)) {
                    const QString chapter = m.captured(1);
                    ASSERT_TRUE(chapters.contains(chapter)) << chapter.toStdString();
                    const QString& source = chapters[chapter];
                    qsizetype from = 0;
                    for (QString part : m.captured(2).split(u"……"_s)) {
                        part = normalised(part);
                        while (!part.isEmpty() && u"，；。：？！、"_s.contains(part.front()))
                            part.remove(0, 1);
                        while (!part.isEmpty() && u"，；。：？！、"_s.contains(part.back()))
                            part.chop(1);
                        if (part.isEmpty())
                            continue;
                        const qsizetype at = source.indexOf(part, from);
                        EXPECT_GE(at, 0) << chapter.toStdString() << ": " << part.toStdString();
                        if (at >= 0)
                            from = at + part.size();
                    }
                    ++checked;
                }
            }
    }
    EXPECT_GT(checked, 0);
}

// ---------------------------------------------------------------- the builder

// A small content folder written by a test.
class ContentFolder
{
public:
    ContentFolder()
    {
        write(u"schema.sql"_s, "create table t (ID integer primary key autoincrement, name text collate nocase unique, "
                               "n INTEGER);");
    }
    void write(const QString& name, const QByteArray& bytes)
    {
        QFile file(m_dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

struct MalformedCase
{
    const char* label;
    const char* source;
    const char* expected; // part of the message, after the file name
};

class MalformedSource : public ::testing::TestWithParam<MalformedCase>
{
};

TEST_P(MalformedSource, NamesFileAndLine)
{
    ContentFolder folder;
    folder.write(u"t.tsv"_s, GetParam().source);
    Database db = Database::openInMemory();
    try {
        loadContent(db, folder.path(), {});
        FAIL() << "accepted a malformed source";
    } catch (const ContentSourceError& e) {
        EXPECT_TRUE(e.message().contains(u"t.tsv:"_s + QString::fromUtf8(GetParam().expected))) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedSource,
    ::testing::Values(MalformedCase{"FieldMissing", "# comment\nname\tn\n甲\t1\n乙\n", "4: expected 2 fields, found 1"},
                      MalformedCase{"FieldTooMany", "name\tn\n甲\t1\t2\n", "2: expected 2 fields, found 3"},
                      MalformedCase{"UnknownEscape", "name\tn\n甲\\x\t1\n", "2: column \"name\": unknown escape"},
                      MalformedCase{"NotAnInteger", "name\tn\n甲\t一\n", "2: column \"n\": \"一\" is not an integer"},
                      MalformedCase{"UnknownColumn", "\nname\tcount\n", "2: table t has no column \"count\""},
                      MalformedCase{"DuplicateKey", "name\tn\n甲\t1\n\n甲\t2\n", "4: "},
                      MalformedCase{"NotUtf8", "name\tn\n\xff\xfe\t1\n", "2: not valid UTF-8"}),
    [](const ::testing::TestParamInfo<MalformedCase>& info) { return std::string(info.param.label); });

TEST(ContentBuilder, ReadsEscapesCommentsAndLineEndings)
{
    ContentFolder folder;
    folder.write(u"t.tsv"_s, "# a comment\r\nname\tn\r\n第一行\\n第二行\\t\\\\\t7\r\n");
    Database db = Database::openInMemory();
    loadContent(db, folder.path(), {});
    const RowSet all = db.query(u"select * from t"_s);
    ASSERT_EQ(all.size(), 1);
    EXPECT_EQ(all[0].text(u"name"_s), u"第一行\n第二行\t\\"_s);
    EXPECT_EQ(all[0].value(u"n"_s).typeId(), QMetaType::LongLong);
    EXPECT_EQ(all[0].integer(u"n"_s), 7);
}

TEST(ContentBuilder, MissingFileIsAnErrorUnlessAllowed)
{
    ContentFolder folder;
    Database strict = Database::openInMemory();
    EXPECT_THROW(loadContent(strict, folder.path(), {}), ContentSourceError);
    Database lenient = Database::openInMemory();
    QStringList warnings;
    loadContent(lenient, folder.path(), {u"t"_s}, &warnings);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains(u"t.tsv"_s));
}

TEST(ContentBuilder, FileForNoTableIsAnError)
{
    ContentFolder folder;
    folder.write(u"t.tsv"_s, "name\tn\n");
    folder.write(u"typo.tsv"_s, "name\n");
    Database db = Database::openInMemory();
    EXPECT_THROW(loadContent(db, folder.path(), {}), ContentSourceError);
}

TEST(ContentBuilder, BuildReplacesTheOutputOnlyWhenComplete)
{
    ContentFolder folder;
    folder.write(u"t.tsv"_s, "name\tn\n甲\t1\n");
    QTemporaryDir out;
    const QString target = out.filePath(u"Tamsor.db"_s);
    buildContentDatabase(folder.path(), target, {});
    buildContentDatabase(folder.path(), target, {}); // an existing output is replaced
    EXPECT_EQ(Database::open(target).scalar(u"select count(*) from t"_s).toInt(), 1);

    folder.write(u"t.tsv"_s, "name\tn\n乙\tx\n");
    EXPECT_THROW(buildContentDatabase(folder.path(), target, {}), ContentSourceError);
    EXPECT_EQ(Database::open(target).scalar(u"select name from t"_s).toString(), u"甲"_s);
    EXPECT_FALSE(QFile::exists(target + u".part"_s));
}

} // namespace
