// Chinese text must render with a real Chinese font: without one, every
// window would show boxes while all other tests still pass. Renders a line to
// PDF and checks that the embedded font can draw it.

#include <QFontDatabase>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>
#include <QTemporaryDir>
#include <QTest>

class TestCjkFont : public QObject
{
    Q_OBJECT

private slots:
    void chineseTextEmbedsACjkFont()
    {
        const QString sample = QStringLiteral("中药处方 五运六气 甘草");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sample.pdf"));
        {
            QPdfWriter writer(path);
            QPainter painter(&writer);
            QFont font(QStringLiteral("Noto Serif CJK SC"));
            font.setPointSize(14);
            painter.setFont(font);
            painter.drawText(QPointF(200, 400), sample);
            // The font the painter really used must have every glyph.
            const QRawFont raw = QRawFont::fromFont(painter.font());
            for (const QChar c : sample)
                if (!c.isSpace())
                    QVERIFY2(raw.supportsCharacter(c), qPrintable(QStringLiteral("no glyph for ") + c));
        }
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY2(bytes.contains("/FontFile"), "no font was embedded");
        QVERIFY2(bytes.contains("CJK"), "the embedded font is not a CJK font");
    }
};

QTEST_MAIN(TestCjkFont)
#include "tst_cjk_font.moc"
