#include "platform/widgets/ErrorGuard.h"

#include "platform/db/DatabaseError.h"
#include "platform/widgets/Messages.h"

QString errorText(const std::exception& error)
{
    if (const auto* db = dynamic_cast<const DatabaseError*>(&error))
        return db->message();
    return QString::fromUtf8(error.what());
}

bool runShowingErrors(QWidget* parent, const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const std::exception& e) {
        Messages::showError(parent, errorText(e));
    }
    return false;
}

GuardedApplication::GuardedApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        Messages::showError(nullptr, errorText(e));
    }
    return false;
}
