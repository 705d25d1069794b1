#include "clinic/common/InputCode.h"

#include "platform/data/DataSet.h"
#include "platform/text/Pinyin.h"

namespace {

// The original code buffer held 255 letters and the terminating zero.
constexpr int kMaxCodeLength = 255;

bool isTrimmed(QChar c)
{
    return c.isSpace() || c.category() == QChar::Other_Control;
}

} // namespace

QString InputCodeOf(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isTrimmed(text[begin]))
        ++begin;
    while (end > begin && isTrimmed(text[end - 1]))
        --end;
    return PinyinInitials(text.mid(begin, end - begin)).left(kMaxCodeLength).toUpper();
}

void FillMissingInputCodes(Database& db)
{
    DataSet drugs;
    drugs.open(db, "select * from 药品表  where 输入码 is null or trim(输入码)=''");
    if (drugs.isEmpty())
        return;
    Transaction transaction(db);
    for (int row = 0; row < drugs.rowCount(); ++row) {
        drugs.setCurrentRow(row);
        drugs.edit();
        drugs.setValue("输入码", InputCodeOf(drugs.text("药品名")));
        drugs.post();
    }
    transaction.commit();
}
