#pragma once

#include <QString>

class DataSet;
class Database;
class QWidget;

// The three settings kept in the single row of 设置表.
enum class ClinicSetting { ClinicName, DefaultLoginName, DefaultPassword };

struct SettingCommandTexts
{
    QString caption; // of the input box
    QString prompt;
    QString column;  // of 设置表
};
SettingCommandTexts settingCommandTexts(ClinicSetting setting);

// Writes a value into the first row of 设置表, inserting that row when the
// table is empty. The value is stored as typed (an empty value as "").
void writeSetting(DataSet& query, Database& db, ClinicSetting setting, const QString& value);

// The settings command: asks for the value in an input box prefilled with
// the current one, writes it and updates the program-wide value. False when
// the box was cancelled (nothing changes then).
bool runSettingCommand(QWidget* parent, ClinicSetting setting);
