#pragma once

#include "platform/data/DataSet.h"
#include "platform/db/Database.h"

#include <QObject>
#include <QString>
#include <optional>

// The clinic's data module: the one connection to the clinic database and
// the three scratch queries every clinic window uses for ad-hoc SQL.
//
//   ADOmain  the connection to OK.db in the working folder; it is opened on
//            first use, so nothing touches the database before the login
//   adotmp, adotmp2, ADOtmp3
//            scratch row sets. Every use opens them anew
//            (dm.adotmp->open(dm.ADOmain(), sql)); nobody may rely on an
//            earlier result still being there.
//
// One instance exists while the program runs; windows reach it through
// TDM::instance().
class TDM : public QObject
{
    Q_OBJECT

public:
    // The database file is resolved against the working folder when opened.
    explicit TDM(const QString& databaseFile, QObject* parent = nullptr);
    ~TDM() override;

    static TDM& instance();
    static bool exists();

    // The connection; opens the file on first use. Throws DatabaseError when
    // the file is missing or is not a database.
    Database& ADOmain();
    QString databaseFile() const { return m_databaseFile; }

    DataSet* const adotmp;
    DataSet* const adotmp2;
    DataSet* const ADOtmp3;

private:
    QString m_databaseFile;
    std::optional<Database> m_connection;
};
