#include "clinic/app/Login.h"

#include "clinic/db/TDM.h"
#include "clinic/app/UserInfo.h"
#include "clinic/common/ProgramValues.h"
#include "clinic/common/Skins.h"
#include "clinic/db/ClinicSchema.h"
#include "platform/widgets/Messages.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

LoginDialog::LoginDialog(QWidget* parent)
    : QDialog(parent)
    , m_loginName(new QLineEdit(this))
    , m_password(new QLineEdit(this))
{
    setObjectName(QStringLiteral("LoginDialog"));
    setWindowTitle(QStringLiteral("登录      "));
    m_loginName->setObjectName(QStringLiteral("LoginNameEdit"));
    m_password->setObjectName(QStringLiteral("PasswordEdit"));
    m_password->setEchoMode(QLineEdit::Password);
    // The boxes keep a plain black font whatever the skin.
    for (QLineEdit* box : {m_loginName, m_password}) {
        box->setStyleSheet(QStringLiteral("QLineEdit { color: black; background-color: white; }"));
        box->setMinimumWidth(220);
    }

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("登录名(新库初始为%1)    ").arg(kInitialLoginName), m_loginName);
    form->addRow(QStringLiteral("密码(新库初始为%1)    ").arg(kInitialPassword), m_password);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(16);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}

QString LoginDialog::loginName() const
{
    return m_loginName->text();
}

QString LoginDialog::password() const
{
    return m_password->text();
}

void LoginDialog::setLoginName(const QString& name)
{
    m_loginName->setText(name);
}

void LoginDialog::setPassword(const QString& password)
{
    m_password->setText(password);
}

bool Login()
{
    TDM& dm = TDM::instance();
    ProgramValues& values = programValues();

    QList<TUserInfoObj> users;
    LoadUserList(users, *dm.adotmp, dm.ADOmain());

    dm.adotmp2->close();
    dm.adotmp2->open(dm.ADOmain(), QStringLiteral("select * from 设置表"));
    dm.adotmp2->first();
    values.DefaultPassword = dm.adotmp2->text(QStringLiteral("默认密码"));
    values.DefaultLoginName = dm.adotmp2->text(QStringLiteral("默认登陆名"));

    LoginDialog dialog;
    ApplySkin(&dialog);
    dialog.setLoginName(values.DefaultLoginName);
    dialog.setPassword(values.DefaultPassword);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted)
            return false;
        const QString name = dialog.loginName();
        const QString password = dialog.password();
        if (const TUserInfoObj* user = findLoginUser(users, name, password)) {
            values.CurrentUserID = user->ID;
            values.CurrentPassword = password;
            values.CurrentUserName = user->LoginShow;
            return true;
        }
        Messages::show(&dialog, QStringLiteral("用户或密码错误,请重新输入!"), QStringLiteral("提示:"));
    }
}
