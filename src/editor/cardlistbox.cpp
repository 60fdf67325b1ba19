#include "editor/cardlistbox.h"

#include <QMouseEvent>
#include <QStringListModel>

namespace memoquill {

CardListBox::CardListBox(QWidget *parent)
    : QListView(parent)
    , m_names(new QStringListModel(this))
{
    setModel(m_names);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // The names are shown, never edited in place.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every row is one line: no row is measured on its own.
    setUniformItemSizes(true);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (selectedRow() >= 0)
            Q_EMIT rowSelected();
    });
    connect(this, &QAbstractItemView::clicked, this, [this] {
        if (std::exchange(m_pressOnSelectedRow, false))
            Q_EMIT selectedRowClicked();
    });
}

int CardListBox::count() const
{
    return m_names->rowCount();
}

QString CardListBox::text(int row) const
{
    return m_names->data(m_names->index(row)).toString();
}

int CardListBox::selectedRow() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void CardListBox::append(const QString &name)
{
    const int row = count();
    m_names->insertRows(row, 1);
    m_names->setData(m_names->index(row), name);
}

void CardListBox::setNames(const QStringList &names)
{
    m_names->setStringList(names);
}

void CardListBox::removeRow(int row)
{
    const QSignalBlocker quiet(selectionModel());
    m_names->removeRows(row, 1);
    // Removing the selected row must not select another.
    selectionModel()->clear();
}

void CardListBox::clear()
{
    m_names->setStringList({});
}

void CardListBox::selectRow(int row)
{
    selectionModel()->setCurrentIndex(m_names->index(row), QItemSelectionModel::ClearAndSelect);
}

QItemSelectionModel::SelectionFlags CardListBox::selectionCommand(const QModelIndex &index,
                                                                  const QEvent *event) const
{
    // Ctrl+click and Ctrl+Space would toggle the selected card off, and a click beside the rows
    // would clear it: no gesture of the user leaves the list without its one selected card.
    // Only the program clears it (Delete Card, New, Load).
    const QItemSelectionModel::SelectionFlags flags = QListView::selectionCommand(index, event);
    if (!index.isValid())
        return QItemSelectionModel::NoUpdate;
    if (flags & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
        return QItemSelectionModel::ClearAndSelect;
    return flags;
}

void CardListBox::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex pressed = indexAt(event->position().toPoint());
    m_pressOnSelectedRow = pressed.isValid() && pressed.row() == selectedRow();
    QListView::mousePressEvent(event);
}

} // namespace memoquill
