#include "platform/text/TextCodec.h"

#include <QTemporaryDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QString kSample = QStringLiteral("黄帝内经·素问 第一篇\n上古天真论 ABC 123");

QString writeAndRead(const QByteArray& bytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("说明.txt"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QString text, error;
    EXPECT_TRUE(readTextFile(path, &text, &error)) << error.toStdString();
    return text;
}

TEST(TextCodec, ReadsGbkAndUtf8WithOrWithoutMark)
{
    EXPECT_EQ(writeAndRead(encodeGbk(kSample)), kSample);
    EXPECT_EQ(writeAndRead(kSample.toUtf8()), kSample);
    EXPECT_EQ(writeAndRead(QByteArray("\xEF\xBB\xBF") + kSample.toUtf8()), kSample);
    EXPECT_EQ(writeAndRead(QByteArray("plain ascii")), QStringLiteral("plain ascii"));
}

TEST(TextCodec, GbkRoundTripAndSize)
{
    const QByteArray gbk = encodeGbk(QStringLiteral("中药"));
    EXPECT_EQ(gbk, QByteArray("\xD6\xD0\xD2\xA9"));
    EXPECT_EQ(decodeGbk(gbk), QStringLiteral("中药"));
}

TEST(TextCodec, MissingFileNamesTheFile)
{
    QString text, error;
    EXPECT_FALSE(readTextFile(QStringLiteral("/nonexistent/使用说明.txt"), &text, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("使用说明.txt"))) << error.toStdString();
}

} // namespace
