#pragma once

#include <QList>
#include <QString>

class DataSet;
class Database;

// One row of 用户表 held during the login. Note the roles of the two name
// columns: 用户名 is what a person types to log in, 登陆名 the name shown as
// the current user.
struct TUserInfoObj
{
    QString ID;        // 用户表.ID as text
    QString LoginShow; // 用户表.登陆名: the name shown as the current user
    QString UserName;  // 用户表.用户名: the name typed at login
    QString Password;  // 用户表.密码
};

// Empties the list and fills it with every row of 用户表, in table order,
// read through the scratch query.
void LoadUserList(QList<TUserInfoObj>& list, DataSet& query, Database& db);

// Upper-cases only the Latin letters a-z; every other character stays.
QString upperLatin(const QString& text);

// The first user whose 用户名 and 密码 equal the typed name and password,
// compared after upper-casing a-z and otherwise exactly (no trimming);
// nullptr when none does.
const TUserInfoObj* findLoginUser(const QList<TUserInfoObj>& users, const QString& loginName,
    const QString& password);
