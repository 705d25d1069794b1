#include "clinic/app/UserInfo.h"

#include "platform/data/DataSet.h"

void LoadUserList(QList<TUserInfoObj>& list, DataSet& query, Database& db)
{
    list.clear();
    query.close();
    query.open(db, QStringLiteral(" Select * from 用户表"));
    for (int row = 0; row < query.rowCount(); ++row) {
        const Row& r = query.rowAt(row);
        list.append(TUserInfoObj{r.text(QStringLiteral("ID")), r.text(QStringLiteral("登陆名")),
            r.text(QStringLiteral("用户名")), r.text(QStringLiteral("密码"))});
    }
}

QString upperLatin(const QString& text)
{
    QString result = text;
    for (QChar& c : result)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    return result;
}

const TUserInfoObj* findLoginUser(const QList<TUserInfoObj>& users, const QString& loginName,
    const QString& password)
{
    const QString name = upperLatin(loginName);
    const QString pass = upperLatin(password);
    for (const TUserInfoObj& user : users)
        if (upperLatin(user.UserName) == name && upperLatin(user.Password) == pass)
            return &user;
    return nullptr;
}
