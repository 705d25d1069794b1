#include "clinic/app/SettingsCommands.h"

#include "clinic/db/TDM.h"
#include "clinic/common/ProgramValues.h"
#include "platform/widgets/Messages.h"

SettingCommandTexts settingCommandTexts(ClinicSetting setting)
{
    switch (setting) {
    case ClinicSetting::ClinicName:
        return {QStringLiteral("设置诊所名称"), QStringLiteral("设置诊所名称"), QStringLiteral("诊所名称")};
    case ClinicSetting::DefaultLoginName:
        return {QStringLiteral("设置默认登陆名       "), QStringLiteral("设置默认登陆名         "),
            QStringLiteral("默认登陆名")};
    case ClinicSetting::DefaultPassword:
        break;
    }
    return {QStringLiteral("设置默认密码       "), QStringLiteral("设置默认密码        "), QStringLiteral("默认密码")};
}

namespace {
QString& programValueOf(ClinicSetting setting)
{
    ProgramValues& values = programValues();
    switch (setting) {
    case ClinicSetting::ClinicName:
        return values.ClinicName;
    case ClinicSetting::DefaultLoginName:
        return values.DefaultLoginName;
    case ClinicSetting::DefaultPassword:
        break;
    }
    return values.DefaultPassword;
}
} // namespace

void writeSetting(DataSet& query, Database& db, ClinicSetting setting, const QString& value)
{
    query.close();
    query.open(db, QStringLiteral("select * from 设置表"));
    query.first();
    query.edit(); // on an empty table this starts the first row
    // A null would read back the same, but the column holds text: keep "".
    query.setValue(settingCommandTexts(setting).column, value.isNull() ? QStringLiteral("") : value);
    query.post();
}

bool runSettingCommand(QWidget* parent, ClinicSetting setting)
{
    const SettingCommandTexts texts = settingCommandTexts(setting);
    QString& current = programValueOf(setting);
    const std::optional<QString> typed = Messages::inputText(parent, texts.caption, texts.prompt, current);
    if (!typed)
        return false;
    TDM& dm = TDM::instance();
    writeSetting(*dm.adotmp2, dm.ADOmain(), setting, *typed);
    current = *typed;
    return true;
}
