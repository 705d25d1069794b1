// Shows one catalogue window on a small sample database, dressed in the
// default skin, for looking at it (screenshots under Xvfb):
//
//   catalog_screens goods|goodsclass|paperclass|userinfo|main OUT.png [--edit]
//
// "main" shows the main window with the inventory opened from its menu.
//
// The window is grabbed into OUT.png after it has been laid out and stays
// on the screen for two more seconds (for `import -window root`). --edit
// puts the window's current row into editing first.

#include "clinic/app/ClinicProgram.h"
#include "clinic/db/TDM.h"
#include "clinic/app/TfrmMain.h"
#include "clinic/catalog/U_goods.h"
#include "clinic/catalog/U_goodsclass.h"
#include "clinic/catalog/U_paperclass.h"
#include "clinic/common/Skins.h"
#include "clinic/db/ClinicSchema.h"
#include "clinic/users/U_userinfo.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace {

void fillSample(Database& db)
{
    db.execScript(
        "insert into 类别表 (类别名称, 一级科目名, 说明) values"
        " ('中药', '解表药', '发散表邪，解除表证'), ('中药', '清热药', '清解里热'), ('中药', '补虚药', ''),"
        " ('西药', '抗生素', '抗菌消炎'), ('西药', '维生素', ''), ('药方库', '经方', '伤寒论、金匮要略方'),"
        " ('药方库', '时方', '');"
        "insert into 药品表 (类别ID, 药品名, 品种, 规格, 单位, 买入单价, 卖出单价, 库存量, 输入码, 说明) values"
        " ('1', '麻黄', '草质茎', '10g', '克', 0.12, 0.30, 1250, 'MH', '发汗散寒，宣肺平喘，利水消肿'),"
        " ('1', '桂枝', '嫩枝', '10g', '克', 0.08, 0.20, 860, 'GZ', '发汗解肌，温通经脉'),"
        " ('1', '紫苏叶', '叶', '10g', '克', 0.05, 0.15, 430.5, 'ZSY', ''),"
        " ('1', '生姜', '根茎', '10g', '克', 0.02, 0.06, 2000, 'SJ', '解表散寒，温中止呕'),"
        " ('1', '荆芥', '地上部分', '10g', '克', 0.06, 0.18, 75, 'JJ', ''),"
        " ('1', '防风', '根', '10g', '克', 0.15, 0.40, 0, 'FF', '祛风解表，胜湿止痛'),"
        " ('4', '阿莫西林胶囊', '胶囊', '0.25g×24粒', '盒', 8.5, 15.8, 36, 'AMXLJN', ''),"
        " ('4', '头孢拉定胶囊', '胶囊', '0.25g×24粒', '盒', 1234.5, 2345.67, 12, 'TBLDJN', '');"
        "insert into 用户表 (用户名, 登陆名, 密码) values ('ZHANG', '张医生', 'zhang2013'), ('LI', '李药师', '');");
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    loadQtTranslations(app);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: catalog_screens goods|goodsclass|paperclass|userinfo|main OUT.png [--edit]\n");
        return 2;
    }
    const QString which = args[1];
    const QString out = QFileInfo(args[2]).absoluteFilePath();
    const bool edit = args.contains("--edit");

    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    {
        Database db = createClinicDatabase(dir.filePath(kClinicDatabaseFile));
        fillSample(db);
    }
    TDM dm(kClinicDatabaseFile);

    std::unique_ptr<QWidget> window;
    if (which == "main") {
        auto* main = new TfrmMain;
        window.reset(main);
        main->show();
        main->menuAction(QStringLiteral("存货管理 "))->trigger();
    } else if (which == "goods")
        window = std::make_unique<TfrmGoods>();
    else if (which == "goodsclass")
        window = std::make_unique<TfrmGoodsClass>();
    else if (which == "paperclass")
        window = std::make_unique<TfrmPaperClass>();
    else
        window = std::make_unique<TfrmUserinfo>();
    if (which != "main") {
        ApplySkin(window.get());
        window->show();
    }
    if (edit) {
        const char* modify = which == "goods" ? "bsSkinButton4" : "bsSkinButton3";
        const QList<QAbstractButton*> buttons = window->findChildren<QAbstractButton*>(modify);
        if (QAbstractButton* button = buttons.isEmpty() ? nullptr : buttons.first())
            button->click();
    }
    QTimer::singleShot(800, [&] { window->grab().save(out); });
    QTimer::singleShot(2800, &app, &QApplication::quit);
    return app.exec();
}
