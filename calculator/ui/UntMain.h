#pragma once

#include "calculator/core/CellAnalysis.h"
#include "calculator/core/LoadedYear.h"
#include "calculator/core/YearQueries.h"
#include "calculator/ui/TamsorClock.h"
#include "platform/db/Database.h"

#include <QWidget>
#include <optional>

class QComboBox;
class QDateTimeEdit;
class QLabel;
class QModelIndex;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QToolButton;
class PeriodGridModel;
class TAboutBox;
class TfrmMSG;
class TfrmQiAnalyz;
class TfrmYear;
class TfrmcellQi;
class TfrmcellYun;

// The windows the main window fills and shows; created with it at start-up.
struct TamsorSecondaryWindows
{
    TfrmMSG* frmMSG = nullptr;
    TfrmYear* frmYear = nullptr;
    TfrmcellYun* frmcellYun = nullptr;
    TfrmcellQi* frmcellQi = nullptr;
    TAboutBox* AboutBox = nullptr;
    TfrmQiAnalyz* frmQiAnalyz = nullptr;
};

// Tamsor's main window (form frmMain). Names of its parts:
//   memyear            the four-line summary of the year on show
//   ComboBox1          the year list 1901年 … 2031年; picking one loads it
//   DateTimePicker1    the chosen instant; closing its calendar loads its year
//   DBGrid1, DBGrid2   the movement and qi grids, element cells coloured,
//                      current periods titled "…(现在)"
//   SpeedButton1       whole-year analysis;  SpeedButton2  analysis of the clicked cell
//   Button1 … Button7  reference texts and the about box
// It owns the database connection and all state of the year on show and of
// the last clicked cell; the other windows only read it.
class TfrmMain : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmMain(TamsorClock clock, QWidget* parent = nullptr);
    ~TfrmMain() override;

    void setSecondaryWindows(const TamsorSecondaryWindows& windows);

    // Loads year Y: summary, 公历 rows, column titles, both grids.
    void LoadYear(int year);
    // Every column title of both grids back to its field name.
    void ResetColumnTitles();
    // Titles the periods that hold CurrentInstant "…(现在)".
    void MarkCurrentPeriods();

    // The state other windows and tests read.
    const LoadedYear& loadedYear() const { return m_loadedYear; }
    const YearSummary& yearSummary() const { return m_summary; }
    const ClickedCell& clickedCell() const { return m_clicked; }
    QDateTime currentInstant() const { return m_currentInstant; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    Database& db();
    void fitGrids();
    void fitGridToWidth(QTableView* grid, int width);

    void FormShow();
    void ComboBox1CloseUp(int index);
    void DateTimePicker1CloseUp();
    void DBGrid1CellClick(const QModelIndex& index);
    void DBGrid2CellClick(const QModelIndex& index);
    void DBGrid1Exit();
    void DBGrid2Exit();
    void DBGrid1DblClick();
    void DBGrid2DblClick();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();

    void rememberClickedCell(const PeriodGridModel* model, const QModelIndex& index);
    void forgetClickedCell();
    void analyseClickedCell();
    void showTextFile(const QString& fileName);

    TamsorClock m_clock;
    std::optional<Database> ADOConnection1;
    TamsorSecondaryWindows m_windows;
    bool m_fittingGrid = false; // column widths set by the window, not by the user

    QDateTime m_currentInstant; // CurrentInstant
    LoadedYear m_loadedYear;
    YearSummary m_summary; // YearMovement, SitianQi, ZaiquanQi
    ClickedCell m_clicked; // ClickedRowKind, ClickedColumn, ClickedText

    QPlainTextEdit* memyear = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* Label7 = nullptr;
    QDateTimeEdit* DateTimePicker1 = nullptr;
    QLabel* Label6 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QTableView* DBGrid1 = nullptr;
    QTableView* DBGrid2 = nullptr;
    PeriodGridModel* m_movementModel = nullptr;
    PeriodGridModel* m_qiModel = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button6 = nullptr;
    QPushButton* Button7 = nullptr;
};

// Creates the main window and, in start-up order, the text window, the
// whole-year window, the two cell windows, the about box and the
// qi-analysis window, all owned by the main window.
TfrmMain* CreateTamsorWindows(TamsorClock clock);
