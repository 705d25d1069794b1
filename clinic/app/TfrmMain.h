#pragma once

#include <QMainWindow>

class NoteMdiArea;
class QAction;
class QLabel;
class QToolBar;
class Tfrmabout;

// The clinic's main window: an MDI frame whose windows open as closable,
// movable tabs, with the main menu, the toolbar of the most used commands
// and a status bar of two panels.
//   mdiArea            the tabbed MDI area (the note shows while it is empty)
//   MainMenu           the menu bar; every item's action calls an opener or
//                      a command (objectNames "mnu..." below)
//   ToolBar1           the toolbar; each button performs a menu item
//   StatusPanelUser    panel 1: "当前用户：" + CurrentUserName
//   StatusPanelClinic  panel 2: "诊所名称：" + ClinicName
//   FormCreate         applies the skin and loads the persisted one
//   FormShow           reads the clinic name and fills the status bar
class TfrmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    static QString productCaption();

    NoteMdiArea* mdi() const { return m_mdi; }
    // The about window made at start-up (made here on first use when none was given).
    void setAboutWindow(Tfrmabout* about);
    Tfrmabout* aboutWindow();

    // The menu action with the given caption, for the toolbar and tests.
    QAction* menuAction(const QString& caption) const;

    QString userPanelText() const;
    QString clinicPanelText() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void buildMenu();
    void buildToolBar();
    void buildStatusBar();
    QAction* addCommand(QMenu* menu, const QString& caption, const QString& objectName,
        void (TfrmMain::*handler)());

    // Menu commands.
    void mnuDrugCategoriesClick();
    void mnuRecipeCategoriesClick();
    void mnuInventoryNoteClick();
    void mnuNoActionClick();
    void mnuInventoryClick();
    void mnuDrugQueryClick();
    void mnuWritePrescriptionClick();
    void mnuRecipeLibraryClick();
    void mnuRecipeLibraryQueryClick();
    void mnuHistoryQueryClick();
    void mnuNewRecordClick();
    void mnuRecordQueryClick();
    void mnuUserListClick();
    void mnuSetClinicNameClick();
    void mnuSetDefaultLoginNameClick();
    void mnuSetDefaultPasswordClick();
    void mnuUsageStatisticsClick();
    void mnuTamsorClick();
    void mnuMeridorClick();
    void mnuTamsorWebClick();
    void mnuMeridorWebClick();
    void mnuApkClick();
    void mnuAboutClick();
    void mnuManualClick();
    void mnuSelectSkinClick();
    void mnuHistoryOfChangesClick();

    NoteMdiArea* m_mdi;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_userPanel = nullptr;
    QLabel* m_clinicPanel = nullptr;
    Tfrmabout* m_about = nullptr;
    bool m_shownOnce = false;
};
