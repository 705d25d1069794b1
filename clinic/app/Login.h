#pragma once

#include <QDialog>

class QLineEdit;

// The login dialog: a login-name box and a masked password box, each with
// a note of the login a new database accepts.
//   LoginNameEdit  the login name (用户表.用户名)
//   PasswordEdit   the password
class LoginDialog : public QDialog
{
    Q_OBJECT

public:
    explicit LoginDialog(QWidget* parent = nullptr);

    QString loginName() const;
    QString password() const;
    void setLoginName(const QString& name);
    void setPassword(const QString& password);

private:
    QLineEdit* m_loginName;
    QLineEdit* m_password;
};

// Runs the login against 用户表 until a user matches (true) or the dialog is
// cancelled (false). Sets CurrentUserID, CurrentPassword and CurrentUserName
// on success; reads DefaultLoginName and DefaultPassword from 设置表 either
// way. Database errors (a missing OK.db) propagate to the caller.
bool Login();
