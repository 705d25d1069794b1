// The edit panel: widgets bound to a DataSet's current row, writable only
// while editing, buttons following the state, and the money box.
#include "GuiTestSupport.h"
#include "platform/widgets/FieldBinder.h"
#include "platform/widgets/MoneyBox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {
void typeText(QWidget* box, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
}
} // namespace

class TestEditPanel : public QObject
{
    Q_OBJECT

private:
    Database m_db = Database::openInMemory();
    std::unique_ptr<DataSet> m_set;
    std::unique_ptr<QWidget> m_panel;
    QLineEdit* m_name = nullptr;
    QPlainTextEdit* m_note = nullptr;
    QComboBox* m_sex = nullptr;
    MoneyBox* m_price = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_save = nullptr;

private slots:
    void init()
    {
        m_db.execScript("drop table if exists 病人; create table 病人 (ID integer primary key, 姓名 text, 性别 text,"
                        " 说明 text, 费用 numeric);"
                        "insert into 病人 (姓名, 性别, 说明, 费用) values ('张三', '男', '头痛', 12.5), ('李四', '女', null, 0);");
        m_set = std::make_unique<DataSet>();
        m_set->open(m_db, "select * from 病人");
        m_panel = std::make_unique<QWidget>();
        m_name = new QLineEdit(m_panel.get());
        m_note = new QPlainTextEdit(m_panel.get());
        m_sex = new QComboBox(m_panel.get());
        m_sex->addItems({"", "男", "女"});
        m_price = new MoneyBox(m_panel.get());
        m_edit = new QPushButton("修改", m_panel.get());
        m_save = new QPushButton("保存", m_panel.get());
        auto* binder = new FieldBinder(m_set.get(), m_panel.get());
        binder->bind(m_name, "姓名");
        binder->bind(m_note, "说明");
        binder->bind(m_sex, "性别");
        binder->bind(m_price, "费用");
        binder->setStateButtons({m_edit}, {m_save});
    }

    void browsingShowsTheCurrentRowReadOnly()
    {
        QCOMPARE(m_name->text(), QString("张三"));
        QCOMPARE(m_note->toPlainText(), QString("头痛"));
        QCOMPARE(m_sex->currentText(), QString("男"));
        QCOMPARE(m_price->text(), QString("￥12.50"));
        QVERIFY(m_name->isReadOnly() && m_note->isReadOnly() && !m_sex->isEnabled() && m_price->isReadOnly());
        QVERIFY(m_edit->isEnabled() && !m_save->isEnabled());
        m_set->next();
        QCOMPARE(m_name->text(), QString("李四"));
        QCOMPARE(m_note->toPlainText(), QString());
        QCOMPARE(m_sex->currentText(), QString("女"));
    }

    void typedValuesArePostedOrCancelled()
    {
        m_set->edit();
        QVERIFY(!m_name->isReadOnly() && m_sex->isEnabled());
        QVERIFY(!m_edit->isEnabled() && m_save->isEnabled());
        m_name->selectAll();
        typeText(m_name, "王五");
        m_sex->setCurrentText("女");
        m_price->setMoney(Decimal4::fromDouble(30.25));
        QCOMPARE(m_set->text("姓名"), QString("王五"));
        m_set->cancel();
        QCOMPARE(m_name->text(), QString("张三"));
        QCOMPARE(m_sex->currentText(), QString("男"));
        QCOMPARE(m_price->money(), Decimal4::fromDouble(12.5));

        m_set->edit();
        m_name->selectAll();
        typeText(m_name, "王五");
        m_note->setPlainText("多行\n说明");
        m_price->setMoney(Decimal4::fromDouble(30.25));
        m_set->post();
        const Row row = m_db.query("select * from 病人 where ID=1").firstOrEmpty();
        QCOMPARE(row.text("姓名"), QString("王五"));
        QCOMPARE(row.text("说明"), QString("多行\n说明"));
        QCOMPARE(row.decimal("费用"), Decimal4::fromDouble(30.25));
        QVERIFY(m_name->isReadOnly());
    }

    void aNewRowStartsEmpty()
    {
        m_set->append();
        QCOMPARE(m_name->text(), QString());
        QCOMPARE(m_price->money(), Decimal4());
        typeText(m_name, "赵六");
        m_set->post();
        QCOMPARE(m_db.scalar("select count(*) from 病人 where 姓名='赵六'").toInt(), 1);
    }

    void aValueSetByCodeShowsInItsWidget()
    {
        m_set->edit();
        m_set->setValue("姓名", "钱七");
        QCOMPARE(m_name->text(), QString("钱七"));
        m_set->cancel();
    }

    void moneyText_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << "0" << "￥0.00";
        QTest::newRow("thousands") << "1234.5" << "￥1,234.50";
        QTest::newRow("millions") << "1234567.891" << "￥1,234,567.89";
        QTest::newRow("negative") << "-3" << "-￥3.00";
        QTest::newRow("negative thousands") << "-1000" << "-￥1,000.00";
        QTest::newRow("rounds to zero") << "-0.001" << "￥0.00";
        QTest::newRow("half away from zero") << "0.125" << "￥0.13";
    }

    void moneyText()
    {
        QFETCH(QString, amount);
        QFETCH(QString, text);
        QCOMPARE(::moneyText(*Decimal4::parse(amount)), text);
        MoneyBox box;
        box.setMoney(*Decimal4::parse(amount));
        QCOMPARE(box.text(), text);
    }

    void theMoneyBoxReadsWhatItShows()
    {
        MoneyBox box;
        QCOMPARE(box.valueFromText("￥1,234.50"), 1234.5);
        QCOMPARE(box.valueFromText("-￥3.00"), -3.0);
        QString text = "12.345";
        int pos = 0;
        QCOMPARE(box.validate(text, pos), QValidator::Invalid);
        text = "abc";
        QCOMPARE(box.validate(text, pos), QValidator::Invalid);
        text = "￥12.3";
        QCOMPARE(box.validate(text, pos), QValidator::Acceptable);
    }
};

QTEST_MAIN(TestEditPanel)
#include "tst_editpanel.moc"
