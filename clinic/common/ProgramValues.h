#pragma once

#include <QString>

// The values the whole clinic program shares while it runs: who logged in,
// the clinic's name, the login defaults and the skin in use. Empty at start.
struct ProgramValues
{
    QString CurrentUserID;   // 用户表.ID of the logged-in user, as text
    QString CurrentPassword; // the password as typed at login
    QString CurrentUserName; // 用户表.登陆名: shown as the current user and written as 医师
    QString ClinicName;      // 设置表.诊所名称
    QString DefaultLoginName;
    QString DefaultPassword;
    QString CurrentSkinFile; // full path of the skin in use
};

ProgramValues& programValues();
