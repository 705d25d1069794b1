#pragma once

class QApplication;

// The clinic program from start to end: the translations, the windows made
// at start-up (main window, about window, data module, print layout), the
// login and the event loop. Returns the program's exit code: 0 after a
// normal end or a cancelled login, 1 when the database cannot be opened.
int runClinicProgram(QApplication& app);

// Loads the Chinese texts of Qt's own dialogs (确定/取消/是/否).
void loadQtTranslations(QApplication& app);
