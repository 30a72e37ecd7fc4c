#pragma once

#include <QModelIndexList>
#include <QTreeView>

class MyTreeViewModel;
class QMenu;

// The navigator of the main window: recorders, months and recordings, with
// Remove and Mark on right click.
class MyTreeView : public QTreeView
{
    Q_OBJECT

public:
    explicit MyTreeView(QWidget *parent = nullptr);

    MyTreeViewModel *recordModel() const;
    // The header's minimum section fits the widest expanded recording text.
    void updateColumnWidth();
    // Fills the context menu for the item at index; null when there is none to show.
    QMenu *contextMenuFor(const QModelIndex &index);

signals:
    void selectItemChanged(QModelIndex current, QModelIndex previous);
    void recordDeleted(QModelIndexList indexes);

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private slots:
    void showContextMenu(const QPoint &pos);
    void removeSelected();
    void markCurrent();

private:
    QMenu *m_menu;
};
