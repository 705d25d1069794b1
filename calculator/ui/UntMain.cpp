#include "calculator/ui/UntMain.h"

#include "calculator/core/Periods.h"
#include "calculator/core/SolarCalendar.h"
#include "calculator/core/StemBranch.h"
#include "calculator/core/TamsorDatabase.h"
#include "calculator/core/WholeYearAnalysis.h"
#include "calculator/ui/ElementCellDelegate.h"
#include "calculator/ui/GridColumnFit.h"
#include "calculator/ui/PeriodGridModel.h"
#include "calculator/ui/UntAbout.h"
#include "calculator/ui/UntMSG.h"
#include "calculator/ui/UntQiAnalyz.h"
#include "calculator/ui/UntYear.h"
#include "calculator/ui/UntcellQi.h"
#include "calculator/ui/UntcellYun.h"
#include "platform/widgets/ErrorGuard.h"
#include "platform/widgets/Messages.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QShowEvent>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <stdexcept>

namespace {

const QString kYearSuffix = QStringLiteral("年");
const QString kNowMark = QStringLiteral("(现在)");

const QStringList kMovementFields{QStringLiteral("属性"), QStringLiteral("年干"), QStringLiteral("岁运"),
                                  QStringLiteral("初运"), QStringLiteral("二运"), QStringLiteral("三运"),
                                  QStringLiteral("四运"), QStringLiteral("终运")};
const QList<int> kMovementWidths{40, 30, 70, 80, 80, 80, 80, 140};
const QStringList kQiFields{QStringLiteral("属性"), QStringLiteral("年支"), QStringLiteral("岁气"),
                            QStringLiteral("初气"), QStringLiteral("气二"), QStringLiteral("气三"),
                            QStringLiteral("气四"), QStringLiteral("气五"), QStringLiteral("终气")};
const QList<int> kQiWidths{60, 30, 60, 60, 60, 60, 60, 60, 150};
// The grids' first period column; period k is column kFirstPeriodColumn + k.
constexpr int kFirstPeriodColumn = 3;
// Width of the row indicator at the left of each grid.
constexpr int kIndicatorWidth = 14;

QTableView* newGrid(const QString& name, PeriodGridModel* model, const QList<int>& widths, QWidget* parent)
{
    auto* grid = new QTableView(parent);
    grid->setObjectName(name);
    grid->setModel(model);
    grid->setItemDelegate(new ElementCellDelegate(grid));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid->setWordWrap(true);
    grid->setTextElideMode(Qt::ElideNone);
    grid->setCornerButtonEnabled(false);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    grid->horizontalHeader()->setSectionsMovable(false);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setHighlightSections(false);
    grid->verticalHeader()->setFixedWidth(kIndicatorWidth);
    // Columns are fitted to the grid's width and rows to their texts.
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int column = 0; column < widths.size(); ++column)
        grid->setColumnWidth(column, widths[column]);
    return grid;
}

// The width a column wants to show all its texts on one line, title included
// (with the "(现在)" mark for period columns, which may get it at any load).
QList<int> wantedColumnWidths(const QTableView* grid, const PeriodGridModel* model)
{
    constexpr int kCellPadding = 8;   // the delegate's text margins and the grid line
    constexpr int kTitlePadding = 10; // the header's margins and its section line
    const QFontMetrics cellMetrics(grid->font());
    QFont titleFont = grid->horizontalHeader()->font();
    titleFont.setBold(true);
    const QFontMetrics titleMetrics(titleFont);
    QList<int> wanted;
    for (int column = 0; column < model->columnCount(); ++column) {
        QString title = model->fieldName(column);
        if (column >= kFirstPeriodColumn)
            title += kNowMark;
        int width = titleMetrics.horizontalAdvance(title) + kTitlePadding;
        for (int row = 0; row < model->rowCount(); ++row)
            for (const QString& line : model->index(row, column).data().toString().split(QLatin1Char('\n')))
                width = std::max(width, cellMetrics.horizontalAdvance(line) + kCellPadding);
        wanted << width;
    }
    return wanted;
}

// Rows as tall as their wrapped texts, and the grid as tall as its rows, so
// every row of the year is in sight.
void fitRows(QTableView* grid)
{
    grid->resizeRowsToContents();
    int height = grid->horizontalHeader()->sizeHint().height() + 2 * grid->frameWidth();
    for (int row = 0; row < grid->model()->rowCount(); ++row)
        height += grid->rowHeight(row);
    grid->setFixedHeight(height);
}

// Columns at least as wide as their set widths and wider where the texts
// need it and the grid has room, then the rows.
void fitGrid(QTableView* grid, const PeriodGridModel* model, const QList<int>& minimumWidths, int gridWidth)
{
    const int available = gridWidth - 2 * grid->frameWidth() - kIndicatorWidth;
    const QList<int> widths = FitColumnWidths(minimumWidths, wantedColumnWidths(grid, model), available);
    for (int column = 0; column < widths.size(); ++column)
        grid->setColumnWidth(column, widths[column]);
    fitRows(grid);
}

QPushButton* newButton(const QString& name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QToolButton* newSpeedButton(const QString& name, const QString& caption, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setFocusPolicy(Qt::NoFocus); // keeps the clicked cell of a grid
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    button->setMinimumHeight(34);
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    return button;
}

} // namespace

TfrmMain::TfrmMain(TamsorClock clock, QWidget* parent)
    : QWidget(parent)
    , m_clock(std::move(clock))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tamsor V4.5"));
    buildControls();
    resize(696, 562);

    // Until the first year load the grids show every row of the two tables.
    // A file that cannot be opened here is reported when the window is shown.
    try {
        ADOConnection1.emplace(OpenTamsorDatabase());
        m_movementModel->setRows(LoadAllMovementRows(*ADOConnection1));
        m_qiModel->setRows(LoadAllQiRows(*ADOConnection1));
    } catch (const std::exception&) {
        ADOConnection1.reset();
    }
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::buildControls()
{
    memyear = new QPlainTextEdit(this);
    memyear->setObjectName(QStringLiteral("memyear"));
    memyear->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memyear->setFixedWidth(150);
    QFont summaryFont = memyear->font();
    summaryFont.setPointSize(summaryFont.pointSize() + 1);
    memyear->setFont(summaryFont);

    Label3 = new QLabel(QStringLiteral("请选择五运六气年\n(大寒为分界)"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setMaxVisibleItems(20);
    // Typing into the edit field loads nothing: no completer to turn a few
    // typed digits into a chosen year.
    ComboBox1->setCompleter(nullptr);
    Label7 = new QLabel(QStringLiteral("选择设置当前时间点"), this);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setAutoFillBackground(true);
    QPalette yellow = Label7->palette();
    yellow.setColor(QPalette::Window, QColor(255, 255, 0));
    yellow.setColor(QPalette::WindowText, Qt::black);
    Label7->setPalette(yellow);
    DateTimePicker1 = new QDateTimeEdit(this);
    DateTimePicker1->setObjectName(QStringLiteral("DateTimePicker1"));
    DateTimePicker1->setCalendarPopup(true);
    DateTimePicker1->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    DateTimePicker1->setDateRange(QDate(1901, 1, 1), QDate(2032, 12, 31));
    Label6 = new QLabel(QStringLiteral("2013年06月更新V4.5"), this);
    Label6->setObjectName(QStringLiteral("Label6"));

    SpeedButton1 = newSpeedButton(QStringLiteral("SpeedButton1"), QStringLiteral("全年运气分析"), this);
    SpeedButton2 = newSpeedButton(QStringLiteral("SpeedButton2"), QStringLiteral("当前单元格的分析"), this);

    Button1 = newButton(QStringLiteral("Button1"), QStringLiteral("关于"), this);
    Button2 = newButton(QStringLiteral("Button2"), QStringLiteral("中医运气学说"), this);
    Button3 = newButton(QStringLiteral("Button3"), QStringLiteral("黄帝内经-素问"), this);
    Button4 = newButton(QStringLiteral("Button4"), QStringLiteral("黄帝内经-灵枢"), this);
    Button5 = newButton(QStringLiteral("Button5"), QStringLiteral("运气学七篇"), this);
    Button6 = newButton(QStringLiteral("Button6"), QStringLiteral("关于2"), this);
    Button7 = newButton(QStringLiteral("Button7"), QStringLiteral("一些问题"), this);

    Label1 = new QLabel(QStringLiteral("五运:  "), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("六气:  "), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont gridTitle = Label1->font();
    gridTitle.setBold(true);
    Label1->setFont(gridTitle);
    Label2->setFont(gridTitle);

    m_movementModel = new PeriodGridModel(kMovementFields, &IsMovementCell, this);
    m_qiModel = new PeriodGridModel(kQiFields, &IsQiCell, this);
    DBGrid1 = newGrid(QStringLiteral("DBGrid1"), m_movementModel, kMovementWidths, this);
    DBGrid2 = newGrid(QStringLiteral("DBGrid2"), m_qiModel, kQiWidths, this);

    // Summary on the left, year choice in the middle, analysis and
    // reference buttons on the right.
    auto* choice = new QVBoxLayout;
    choice->setSpacing(2);
    choice->addWidget(Label3);
    choice->addWidget(ComboBox1);
    choice->addWidget(Label7);
    choice->addWidget(DateTimePicker1);
    choice->addStretch(1);

    auto* buttons = new QGridLayout;
    buttons->setSpacing(3);
    buttons->addWidget(SpeedButton1, 0, 0, 1, 2);
    buttons->addWidget(SpeedButton2, 0, 2, 1, 2);
    const QList<QPushButton*> references{Button1, Button2, Button3, Button4, Button5, Button6, Button7};
    for (int i = 0; i < references.size(); ++i)
        buttons->addWidget(references[i], 1 + i / 4, i % 4);
    buttons->addWidget(Label6, 2, 3, Qt::AlignRight | Qt::AlignBottom);
    buttons->setRowStretch(3, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(memyear);
    top->addLayout(choice);
    top->addLayout(buttons, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(3);
    layout->addLayout(top);
    layout->addWidget(Label1);
    layout->addWidget(DBGrid1);
    layout->addWidget(Label2);
    layout->addWidget(DBGrid2);
    layout->addStretch(1);

    connect(ComboBox1, &QComboBox::activated, this, &TfrmMain::ComboBox1CloseUp);
    ComboBox1->view()->window()->installEventFilter(this);
    DateTimePicker1->calendarWidget()->window()->installEventFilter(this);
    DBGrid1->installEventFilter(this);
    DBGrid2->installEventFilter(this);
    connect(DBGrid1, &QTableView::clicked, this, &TfrmMain::DBGrid1CellClick);
    connect(DBGrid2, &QTableView::clicked, this, &TfrmMain::DBGrid2CellClick);
    connect(DBGrid1, &QTableView::doubleClicked, this, &TfrmMain::DBGrid1DblClick);
    connect(DBGrid2, &QTableView::doubleClicked, this, &TfrmMain::DBGrid2DblClick);
    // The row indicator follows the current row of each grid (the
    // selection models are replaced when a model is set, so connect after).
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, m_movementModel,
            [this](const QModelIndex& current) { m_movementModel->setIndicatorRow(current.row()); });
    connect(DBGrid2->selectionModel(), &QItemSelectionModel::currentRowChanged, m_qiModel,
            [this](const QModelIndex& current) { m_qiModel->setIndicatorRow(current.row()); });
    // A column the user resizes rewraps its texts.
    connect(DBGrid1->horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
        if (!m_fittingGrid)
            fitRows(DBGrid1);
    });
    connect(DBGrid2->horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
        if (!m_fittingGrid)
            fitRows(DBGrid2);
    });
    connect(SpeedButton1, &QToolButton::clicked, this, &TfrmMain::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TfrmMain::SpeedButton2Click);
    connect(Button1, &QPushButton::clicked, this, &TfrmMain::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TfrmMain::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TfrmMain::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TfrmMain::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TfrmMain::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TfrmMain::Button6Click);
    connect(Button7, &QPushButton::clicked, this, &TfrmMain::Button7Click);
}

void TfrmMain::setSecondaryWindows(const TamsorSecondaryWindows& windows)
{
    m_windows = windows;
}

Database& TfrmMain::db()
{
    if (!ADOConnection1)
        throw std::runtime_error("Tamsor.db 没有打开");
    return *ADOConnection1;
}

void TfrmMain::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Shown by the program, not restored from the task bar.
    if (event->spontaneous())
        return;
    try {
        FormShow();
    } catch (const std::exception& e) {
        // Reported once the window has painted itself, not over a blank frame.
        QTimer::singleShot(0, this, [this, text = errorText(e)] { Messages::showError(this, text); });
    }
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event)
{
    // Before the first load the grids hold every row of both tables; they
    // are fitted once a year is on show, and again whenever their width changes.
    if (event->type() == QEvent::Resize && m_loadedYear.Year != 0
        && (watched == DBGrid1 || watched == DBGrid2)) {
        const auto* resize = static_cast<QResizeEvent*>(event);
        if (resize->size().width() != resize->oldSize().width())
            fitGridToWidth(static_cast<QTableView*>(watched), resize->size().width());
    } else if (event->type() == QEvent::FocusOut && (watched == DBGrid1 || watched == DBGrid2)) {
        // Moving to another control of this window leaves the grid; switching
        // to another window or opening a popup does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == DBGrid1)
                DBGrid1Exit();
            else
                DBGrid2Exit();
        }
    } else if (event->type() == QEvent::Show && watched == ComboBox1->view()->window()) {
        // What was typed before the list opened is replaced by the list's choice.
        ComboBox1->lineEdit()->setModified(false);
    } else if (event->type() == QEvent::Hide && watched == DateTimePicker1->calendarWidget()->window()) {
        runShowingErrors(this, [this] { DateTimePicker1CloseUp(); });
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmMain::FormShow()
{
    ADOConnection1.reset();
    ADOConnection1.emplace(OpenTamsorDatabase());
    move(0, 0);
    ComboBox1->clear();
    QStringList years;
    for (int year = kFirstYear; year <= kLastYear; ++year)
        years << QString::number(year) + kYearSuffix;
    ComboBox1->addItems(years);
    const QDateTime now = m_clock();
    DateTimePicker1->setDateTime(now);
    m_currentInstant = now;
    const int year = MovementQiYearOf(db(), m_currentInstant);
    ComboBox1->setCurrentIndex(ComboBox1->findText(QString::number(year) + kYearSuffix));
    ComboBox1->setEditText(QString::number(year) + kYearSuffix);
    LoadYear(year);
}

void TfrmMain::LoadYear(int year)
{
    m_currentInstant = DateTimePicker1->dateTime();
    const StemBranch stemBranch = YearStemBranch(year);
    memyear->clear();
    memyear->appendPlainText(YearTitleLine(year, stemBranch.stem, stemBranch.branch));
    // A missing calendar row stops the load here: the summary keeps only its
    // first line and the grids the previous year.
    m_loadedYear = WriteGregorianSpans(db(), year);
    ResetColumnTitles();
    MarkCurrentPeriods();

    m_summary.YearMovement = LoadYearMovement(db(), m_loadedYear.YearStem);
    memyear->appendPlainText(QStringLiteral("岁运:") + m_summary.YearMovement);
    const YearSummary qi = LoadSitianZaiquan(db(), m_loadedYear.YearBranch);
    m_summary.SitianQi = qi.SitianQi;
    m_summary.ZaiquanQi = qi.ZaiquanQi;
    memyear->appendPlainText(QStringLiteral("司天:") + m_summary.SitianQi);
    memyear->appendPlainText(QStringLiteral("在泉:") + m_summary.ZaiquanQi);

    m_movementModel->setRows(LoadMovementRows(db(), m_loadedYear.YearStem));
    m_qiModel->setRows(LoadQiRows(db(), m_loadedYear.YearBranch));
    fitGrids();
}

void TfrmMain::fitGrids()
{
    fitGridToWidth(DBGrid1, DBGrid1->width());
    fitGridToWidth(DBGrid2, DBGrid2->width());
}

void TfrmMain::fitGridToWidth(QTableView* grid, int width)
{
    const QScopedValueRollback<bool> fitting(m_fittingGrid, true);
    if (grid == DBGrid1)
        fitGrid(DBGrid1, m_movementModel, kMovementWidths, width);
    else
        fitGrid(DBGrid2, m_qiModel, kQiWidths, width);
}

void TfrmMain::ResetColumnTitles()
{
    m_movementModel->resetTitles();
    m_qiModel->resetTitles();
}

void TfrmMain::MarkCurrentPeriods()
{
    if (const auto k = PeriodContaining(std::span<const QDate>(m_loadedYear.MovementStarts), m_currentInstant))
        m_movementModel->setTitle(kFirstPeriodColumn + *k, MovementColumns()[*k] + kNowMark);
    if (const auto k = PeriodContaining(std::span<const QDate>(m_loadedYear.QiStarts), m_currentInstant))
        m_qiModel->setTitle(kFirstPeriodColumn + *k, QiColumns()[*k] + kNowMark);
}

void TfrmMain::ComboBox1CloseUp(int index)
{
    // The combo box also reports a year whose text was typed in full and
    // confirmed with Enter or by leaving the field; only a choice made in the
    // list (or by stepping through it) loads a year. Typing marks the field
    // modified; opening the list, or a year put into the field by the list
    // or by the program, clears the mark.
    if (index < 0 || ComboBox1->lineEdit()->isModified())
        return;
    QString text = ComboBox1->itemText(index);
    text.remove(text.indexOf(kYearSuffix), kYearSuffix.size());
    bool ok = false;
    const int year = text.toInt(&ok);
    if (!ok)
        return;
    runShowingErrors(this, [this, year] { LoadYear(year); });
}

void TfrmMain::DateTimePicker1CloseUp()
{
    m_currentInstant = DateTimePicker1->dateTime();
    const int year = MovementQiYearOf(db(), m_currentInstant);
    ComboBox1->setCurrentIndex(ComboBox1->findText(QString::number(year) + kYearSuffix));
    ComboBox1->setEditText(QString::number(year) + kYearSuffix);
    LoadYear(year);
}

void TfrmMain::rememberClickedCell(const PeriodGridModel* model, const QModelIndex& index)
{
    m_clicked.ClickedRowKind = model->rowKind(index.row());
    m_clicked.ClickedColumn = model->fieldName(index.column());
    m_clicked.ClickedText = model->cellText(index.row(), index.column());
}

void TfrmMain::forgetClickedCell()
{
    m_clicked = ClickedCell{};
}

void TfrmMain::DBGrid1CellClick(const QModelIndex& index)
{
    rememberClickedCell(m_movementModel, index);
}

void TfrmMain::DBGrid2CellClick(const QModelIndex& index)
{
    rememberClickedCell(m_qiModel, index);
}

void TfrmMain::DBGrid1Exit()
{
    forgetClickedCell();
}

void TfrmMain::DBGrid2Exit()
{
    forgetClickedCell();
}

void TfrmMain::DBGrid1DblClick()
{
    analyseClickedCell();
}

void TfrmMain::DBGrid2DblClick()
{
    analyseClickedCell();
}

void TfrmMain::SpeedButton2Click()
{
    analyseClickedCell();
}

void TfrmMain::analyseClickedCell()
{
    runShowingErrors(this, [this] {
        const CellAnalysis a = AnalyseClickedCell(db(), m_clicked, m_loadedYear.YearBranch);
        switch (a.window) {
        case CellAnalysis::Window::MovementCell:
            m_windows.frmcellYun->showAnalysis(a.caption, a.texts);
            break;
        case CellAnalysis::Window::QiCell:
            m_windows.frmcellQi->showAnalysis(a.caption, a.texts);
            break;
        case CellAnalysis::Window::QiAnalysis:
            m_windows.frmQiAnalyz->showAnalysis(a.caption, a.texts);
            break;
        case CellAnalysis::Window::None:
            Messages::show(this, a.message);
            break;
        }
    });
}

void TfrmMain::SpeedButton1Click()
{
    runShowingErrors(this, [this] { m_windows.frmYear->showAnalysis(AnalyseWholeYear(db(), m_loadedYear, m_summary)); });
}

void TfrmMain::showTextFile(const QString& fileName)
{
    m_windows.frmMSG->showTextFile(fileName);
}

void TfrmMain::Button1Click()
{
    showTextFile(QStringLiteral("about.txt"));
}

void TfrmMain::Button2Click()
{
    showTextFile(QStringLiteral("中医学的运气学说.txt"));
}

void TfrmMain::Button3Click()
{
    showTextFile(QStringLiteral("黄帝内经-素问.txt"));
}

void TfrmMain::Button4Click()
{
    showTextFile(QStringLiteral("黄帝内经-灵枢.txt"));
}

void TfrmMain::Button5Click()
{
    showTextFile(QStringLiteral("运气学七篇.txt"));
}

void TfrmMain::Button6Click()
{
    m_windows.AboutBox->showBox();
}

void TfrmMain::Button7Click()
{
    showTextFile(QStringLiteral("一些问题.txt"));
}

TfrmMain* CreateTamsorWindows(TamsorClock clock)
{
    auto* frmMain = new TfrmMain(std::move(clock));
    TamsorSecondaryWindows windows;
    windows.frmMSG = new TfrmMSG(frmMain);
    windows.frmYear = new TfrmYear(frmMain);
    windows.frmcellYun = new TfrmcellYun(frmMain);
    windows.frmcellQi = new TfrmcellQi(frmMain);
    windows.AboutBox = new TAboutBox(frmMain);
    windows.frmQiAnalyz = new TfrmQiAnalyz(frmMain);
    frmMain->setSecondaryWindows(windows);
    return frmMain;
}
