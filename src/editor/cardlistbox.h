#pragma once

#include <QListView>

class QStringListModel;

namespace memoquill {

// The card list: one row per name, in the order the names were added, single selection. A
// view over one plain list of names, so that a deck of 32,767 cards fills it in one step, with
// no object or layout per row.
class CardListBox : public QListView
{
    Q_OBJECT

public:
    explicit CardListBox(QWidget *parent = nullptr);

    int count() const;
    QString text(int row) const;
    // -1 when no row is selected.
    int selectedRow() const;

    void append(const QString &name);
    void setNames(const QStringList &names);
    // Removes a row and leaves no row selected.
    void removeRow(int row);
    void clear();
    void selectRow(int row);

Q_SIGNALS:
    // A row became selected: by mouse, by keyboard or by the program.
    void rowSelected();
    // A click on the row that was selected already, which picks that card again.
    void selectedRowClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;

private:
    QStringListModel *m_names;
    bool m_pressOnSelectedRow = false;
};

} // namespace memoquill
