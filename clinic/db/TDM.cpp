#include "clinic/db/TDM.h"

#include <stdexcept>

namespace {
TDM* g_instance = nullptr;
}

TDM::TDM(const QString& databaseFile, QObject* parent)
    : QObject(parent)
    , adotmp(new DataSet(this))
    , adotmp2(new DataSet(this))
    , ADOtmp3(new DataSet(this))
    , m_databaseFile(databaseFile)
{
    setObjectName(QStringLiteral("DM"));
    adotmp->setObjectName(QStringLiteral("adotmp"));
    adotmp2->setObjectName(QStringLiteral("adotmp2"));
    ADOtmp3->setObjectName(QStringLiteral("ADOtmp3"));
    g_instance = this;
}

TDM::~TDM()
{
    // The scratch sets go before the connection they read from.
    adotmp->close();
    adotmp2->close();
    ADOtmp3->close();
    if (g_instance == this)
        g_instance = nullptr;
}

TDM& TDM::instance()
{
    if (!g_instance)
        throw std::logic_error("the clinic data module has not been created");
    return *g_instance;
}

bool TDM::exists()
{
    return g_instance != nullptr;
}

Database& TDM::ADOmain()
{
    if (!m_connection)
        m_connection.emplace(Database::open(m_databaseFile));
    return *m_connection;
}
