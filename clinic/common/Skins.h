#pragma once

#include <QString>

class QWidget;

// Skins are Qt style sheets (".qss" files) in the skin folder beside the
// program. The chosen skin's name, relative to the skin folder, is kept in
// li.ini, section "SETSKIN", key "SKN_FILE_NAME"; the full path of the skin
// in use is programValues().CurrentSkinFile.

// The skin used when li.ini names none.
inline const QString kDefaultSkinName = QStringLiteral("默认皮肤.qss");

// Dresses a window in the current skin (the built-in default skin when no
// skin file is in use or it cannot be read) and puts it in its normal state;
// the main window (an MDI frame) is shown maximised with only the minimise
// and maximise buttons beside close. Every window calls this when it is made.
void ApplySkin(QWidget* window);

enum class SkinMode { StartUp, Chooser };
// StartUp: reads the persisted name, sets CurrentSkinFile and dresses the
// main window in it. Chooser: lets the user pick a skin file starting in the
// skin folder, dresses the main window in it, sets CurrentSkinFile and
// persists the choice. Windows already open keep their skin; windows opened
// later take the new one through ApplySkin.
void SelectSkin(QWidget* mainWindow, SkinMode mode);

// The name kept in li.ini for a chosen skin file: its path relative to the
// skin folder when it lies there, otherwise its full path.
QString storedSkinName(const QString& chosenPath);
// The full path of a stored skin name (the reverse of storedSkinName).
QString skinPathOfStoredName(const QString& name);

// The style sheet of a skin file; false when it cannot be read.
bool readSkin(const QString& path, QString* styleSheet);
// The built-in default skin, used when no skin file is loaded.
QString builtInSkin();
