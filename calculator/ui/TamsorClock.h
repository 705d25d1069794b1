#pragma once

#include <QDateTime>
#include <functional>

// Where the main window takes "now" from when it is shown: the program
// passes the real clock, tests a fixed instant.
using TamsorClock = std::function<QDateTime()>;
