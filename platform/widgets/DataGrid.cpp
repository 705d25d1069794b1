#include "platform/widgets/DataGrid.h"

#include "platform/widgets/ErrorGuard.h"
#include "platform/widgets/TitleClickSort.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>

// The footer row: one text under each column, kept aligned with the columns
// while they are resized or scrolled.
class GridFooter : public QWidget
{
public:
    explicit GridFooter(DataGrid* grid)
        : QWidget(grid)
        , m_grid(grid)
    {
        setObjectName(QStringLiteral("gridFooter"));
        setAutoFillBackground(true);
        setBackgroundRole(QPalette::Button);
    }

    QHash<int, QString> texts; // column -> text

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(0, 0, width(), 0);
        QFont bold = font();
        bold.setBold(true);
        painter.setFont(bold);
        painter.setPen(palette().color(QPalette::ButtonText));
        QHeaderView* header = m_grid->horizontalHeader();
        for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
            if (m_grid->isColumnHidden(it.key()))
                continue;
            const QRect cell(header->sectionViewportPosition(it.key()), 0, header->sectionSize(it.key()), height());
            painter.drawText(cell.adjusted(4, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, it.value());
        }
    }

private:
    DataGrid* m_grid;
};

DataGrid::DataGrid(QWidget* parent)
    : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(true);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    verticalHeader()->setFixedWidth(14);
    horizontalHeader()->setHighlightSections(false);
    connect(this, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit cellClicked(index.row(), m_model->fieldAt(index.column()));
    });
}

void DataGrid::setDataSet(DataSet* dataSet, const QList<GridColumn>& columns)
{
    const bool readOnly = m_model ? m_model->isReadOnly() : false;
    auto* old = m_model;
    if (old && old->dataSet())
        disconnect(old->dataSet(), nullptr, this, nullptr);
    m_model = new DataSetModel(dataSet, this);
    m_model->setColumns(columns);
    m_model->setReadOnly(readOnly);
    setModel(m_model);
    delete old;

    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex& current) {
            if (current.isValid() && m_model->dataSet()->currentRow() != current.row())
                runShowingErrors(this, [&] { m_model->dataSet()->setCurrentRow(current.row()); });
        });
    connect(dataSet, &DataSet::currentRowChanged, this, &DataGrid::followSetRow);
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        followSetRow(m_model->dataSet()->currentRow());
        setFooterSums(m_sumFields);
    });
    connect(m_model, &QAbstractItemModel::dataChanged, this, [this] { setFooterSums(m_sumFields); });
    applyDisplayWidths();
    followSetRow(dataSet->currentRow());
    setFooterSums(m_sumFields);
}

DataSet* DataGrid::dataSet() const
{
    return m_model ? m_model->dataSet() : nullptr;
}

void DataGrid::setReadOnly(bool readOnly)
{
    if (m_model)
        m_model->setReadOnly(readOnly);
    setEditTriggers(readOnly ? QAbstractItemView::NoEditTriggers
                             : QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                 | QAbstractItemView::AnyKeyPressed);
}

bool DataGrid::isReadOnly() const
{
    return m_model && m_model->isReadOnly();
}

void DataGrid::setTitleClickSort(bool on)
{
    if (on)
        attachTitleClickSort(this);
}

void DataGrid::followSetRow(int row)
{
    if (!m_model || row < 0 || row >= m_model->rowCount())
        return;
    if (currentIndex().row() != row)
        setCurrentIndex(m_model->index(row, qMax(0, currentIndex().column())));
}

void DataGrid::applyDisplayWidths()
{
    const int charWidth = fontMetrics().averageCharWidth();
    for (int c = 0; c < m_model->columnCount(); ++c) {
        const int chars = m_model->column(c).displayWidth;
        if (chars > 0)
            setColumnWidth(c, chars * charWidth + 12);
    }
}

void DataGrid::setFooterSums(const QStringList& fields)
{
    m_sumFields = fields;
    if (fields.isEmpty()) {
        delete m_footer;
        m_footer = nullptr;
        setViewportMargins(0, 0, 0, 0);
        return;
    }
    if (!m_footer) {
        m_footer = new GridFooter(this);
        m_footer->show();
        connect(horizontalHeader(), &QHeaderView::sectionResized, m_footer, qOverload<>(&QWidget::update));
        connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_footer, qOverload<>(&QWidget::update));
    }
    m_footer->texts.clear();
    if (m_model) {
        DataSet* set = m_model->dataSet();
        for (const QString& field : fields) {
            const int column = m_model->columnOfField(field);
            if (column < 0 || !set->isOpen() || !set->hasColumn(field))
                continue;
            Decimal4 sum;
            for (int row = 0; row < set->rowCount(); ++row)
                sum += valueDecimal(set->valueAt(row, field));
            const GridColumn& c = m_model->column(column);
            m_footer->texts[column] = c.format ? c.format(QVariant(sum.toDouble())) : sum.toString();
        }
    }
    setViewportMargins(0, 0, 0, fontMetrics().height() + 8);
    updateGeometries();
    m_footer->update();
}

QString DataGrid::footerText(const QString& field) const
{
    if (!m_footer || !m_model)
        return QString();
    return m_footer->texts.value(m_model->columnOfField(field));
}

void DataGrid::updateGeometries()
{
    QTableView::updateGeometries();
    if (m_footer) {
        const QRect vp = viewport()->geometry();
        m_footer->setGeometry(vp.left(), vp.bottom() + 1, vp.width(), fontMetrics().height() + 8);
    }
}
