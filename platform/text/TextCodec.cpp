#include "platform/text/TextCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

QString decodeGbk(const QByteArray& bytes)
{
    // GB18030 is a superset of GBK, so every GBK file decodes with it.
    QStringDecoder decoder("GB18030");
    if (!decoder.isValid())
        decoder = QStringDecoder("GBK");
    return decoder.decode(bytes);
}

QByteArray encodeGbk(const QString& text)
{
    QStringEncoder encoder("GBK");
    if (!encoder.isValid())
        encoder = QStringEncoder("GB18030");
    return encoder.encode(text);
}

QString decodeGbkOrUtf8(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString asUtf8 = utf8.decode(bytes);
    if (!utf8.hasError())
        return asUtf8;
    return decodeGbk(bytes);
}

bool readTextFile(const QString& path, QString* text, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("无法打开文件 %1：%2")
                         .arg(QFileInfo(path).absoluteFilePath(), file.errorString());
        return false;
    }
    *text = decodeGbkOrUtf8(file.readAll());
    return true;
}
