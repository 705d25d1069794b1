#include "clinic/app/Tfrmabout.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

Tfrmabout::Tfrmabout(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , Memo1(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("frmabout"));
    setWindowTitle(QStringLiteral("关于本软件"));
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setPlainText(aboutLines().join(QLatin1Char('\n')));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(Memo1);
    // Not resizable: every resize attempt is refused.
    setFixedSize(460, 300);
}

QStringList Tfrmabout::aboutLines()
{
    return {
        QStringLiteral("软件名称：Mazurel"),
        QStringLiteral("实现了药品管理，药方管理，开药方，药方计价，打印药方，病历管理等功能。十分方便简单"),
        QStringLiteral("，适合小型诊所使用。"),
        QString(),
        QStringLiteral("版本：V2.5（2013）"),
        QStringLiteral("数据文件：工作文件夹中的 OK.db，请定期复制备份。"),
        QStringLiteral("皮肤：在“帮助”菜单中选择，保存在程序文件夹的 li.ini 中。"),
        QStringLiteral("五运六气计算器 Tamsor 可从“相关软件”菜单启动。"),
        QStringLiteral("使用方法请看“帮助”菜单中的“本软件使用说明”。"),
    };
}

void Tfrmabout::showAbout()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}
