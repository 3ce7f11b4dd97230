#include "ticketgrid.h"

#include "tickets/tickettablemodel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace ui {

namespace {

const QColor cellColour(239, 235, 222);

// The focused cell shows green over the row's own colour.
class FocusedCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem cell = option;
        if (option.state & QStyle::State_HasFocus) {
            painter->fillRect(option.rect, Qt::green);
            cell.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        }
        QStyledItemDelegate::paint(painter, cell, index);
    }
};

} // namespace

TicketGrid::TicketGrid(QWidget *parent)
    : QTableView(parent)
{
    setObjectName(QStringLiteral("suiDBGrid1"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(true);
    setWordWrap(false);
    setItemDelegate(new FocusedCellDelegate(this));
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setFixedWidth(12);

    QPalette colours = palette();
    colours.setColor(QPalette::Base, cellColour);
    colours.setColor(QPalette::Highlight, Qt::yellow);
    colours.setColor(QPalette::HighlightedText, Qt::black);
    setPalette(colours);
    setStyleSheet(QStringLiteral("QHeaderView::section { background-color: rgb(198, 211, 239); "
                                 "border: 1px solid gray; padding: 1px; }"));
}

void TicketGrid::setTicketModel(tickets::TicketTableModel *model)
{
    m_model = model;
    setModel(model);
    applyColumnLayout();
}

int TicketGrid::currentRow() const
{
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

int TicketGrid::currentGridColumn() const
{
    return currentIndex().isValid() ? currentIndex().column()
                                    : horizontalHeader()->logicalIndexAt(0);
}

void TicketGrid::setCurrentRow(int row)
{
    const int column =
        currentIndex().isValid() ? currentIndex().column() : horizontalHeader()->logicalIndex(0);
    const QModelIndex target = model()->index(row, std::max(column, 0));
    const auto command = m_multiSelect
                             ? QItemSelectionModel::NoUpdate
                             : QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    selectionModel()->setCurrentIndex(target, command);
    scrollTo(target);
}

QList<int> TicketGrid::selectedRows() const
{
    QList<int> rows;
    if (!m_multiSelect)
        return rows;
    for (const QModelIndex &index : selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TicketGrid::setMultiSelect(bool on)
{
    if (m_multiSelect == on)
        return;
    m_multiSelect = on;
    setSelectionMode(on ? QAbstractItemView::ExtendedSelection
                        : QAbstractItemView::SingleSelection);
    clearSelection();
    if (!on && currentRow() >= 0)
        setCurrentRow(currentRow());
}

int TicketGrid::defaultWidth(int gridColumn) const
{
    const int field = m_model->fieldIndex(gridColumn);
    const int characters = field >= 0 ? m_model->rows().columns()[field].displaySize : 10;
    const int fromSize = std::clamp(characters, 4, 40) * fontMetrics().averageCharWidth() + 6;
    return std::max(fromSize, fontMetrics().horizontalAdvance(m_model->title(gridColumn)) + 8);
}

void TicketGrid::applyColumnLayout()
{
    const QList<tickets::GridColumn> &columns = m_model->gridColumns();
    for (int i = 0; i < columns.size(); ++i) {
        setColumnWidth(i, columns[i].width > 0 ? columns[i].width : defaultWidth(i));
        setColumnHidden(i, !columns[i].visible);
    }
}

QList<tickets::GridColumn> TicketGrid::currentLayout() const
{
    QList<tickets::GridColumn> layout;
    const QHeaderView *header = horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        tickets::GridColumn column = m_model->gridColumns()[logical];
        column.visible = !header->isSectionHidden(logical);
        if (column.visible)
            column.width = header->sectionSize(logical);
        layout << column;
    }
    return layout;
}

void TicketGrid::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::ControlModifier) {
        Q_EMIT deleteRequested();
        return;
    }
    QTableView::keyPressEvent(event);
}

} // namespace ui
