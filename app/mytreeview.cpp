#include "mytreeview.h"

#include <QHeaderView>
#include <QMenu>

#include "messagebox.h"
#include "mytreeviewmodel.h"
#include "remarksinputdialog.h"

MyTreeView::MyTreeView(QWidget *parent)
    : QTreeView(parent)
    , m_menu(new QMenu(this))
{
    setHeaderHidden(true);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    setStyleSheet(QStringLiteral("font-size:16px; font-family: \"Microsoft YaHei\";"));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &MyTreeView::showContextMenu);
    connect(this, &QTreeView::expanded, this, &MyTreeView::updateColumnWidth);
    connect(this, &QTreeView::collapsed, this, &MyTreeView::updateColumnWidth);
}

MyTreeViewModel *MyTreeView::recordModel() const
{
    return qobject_cast<MyTreeViewModel *>(model());
}

void MyTreeView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTreeView::currentChanged(current, previous);
    emit selectItemChanged(current, previous);
}

void MyTreeView::updateColumnWidth()
{
    // Items report a fixed 24 x 24 size hint, so the column is sized here from
    // the texts a user can see: recorders, their months when expanded, and the
    // recordings of expanded months.
    int widest = 0;
    const QFontMetrics metrics = fontMetrics();
    const auto measure = [&](const QModelIndex &index, int depth) {
        widest = qMax(widest, metrics.horizontalAdvance(index.data().toString()) + depth * indentation());
    };
    if (QAbstractItemModel *m = model()) {
        for (int d = 0; d < m->rowCount(); ++d) {
            const QModelIndex device = m->index(d, 0);
            measure(device, 0);
            if (!isExpanded(device))
                continue;
            for (int mo = 0; mo < m->rowCount(device); ++mo) {
                const QModelIndex month = m->index(mo, 0, device);
                measure(month, 1);
                if (!isExpanded(month))
                    continue;
                for (int r = 0; r < m->rowCount(month); ++r)
                    measure(m->index(r, 0, month), 2);
            }
        }
    }
    header()->setMinimumSectionSize(widest + 100);
    resizeColumnToContents(0);
}

QMenu *MyTreeView::contextMenuFor(const QModelIndex &index)
{
    if (!index.isValid() || !index.data().isValid())
        return nullptr;
    m_menu->clear();
    m_menu->addAction(tr("Remove"), this, &MyTreeView::removeSelected);
    const bool isRecording = index.data(MyTreeViewModel::NodeTypeRole).toInt() == MyTreeViewModel::RecordNode;
    if (isRecording && selectionModel()->selectedIndexes().size() == 1)
        m_menu->addAction(tr("Mark"), this, &MyTreeView::markCurrent);
    return m_menu;
}

void MyTreeView::showContextMenu(const QPoint &pos)
{
    if (QMenu *menu = contextMenuFor(indexAt(pos)))
        menu->popup(viewport()->mapToGlobal(pos));
}

void MyTreeView::removeSelected()
{
    const int answer = MessageBox::question(this, tr("Remove items"), tr("Are you sure to remove selected items ?"),
                                            MessageBox::Yes | MessageBox::No);
    if (answer != MessageBox::Yes || !recordModel())
        return;
    const QModelIndexList indexes = selectionModel()->selectedIndexes();
    recordModel()->removeItems(indexes);
    emit recordDeleted(indexes);
}

void MyTreeView::markCurrent()
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.size() != 1 || !recordModel())
        return;
    const QModelIndex index = selected.first();
    const QString sn = index.data(MyTreeViewModel::SerialRole).toString();
    const QString checkTime = index.data(MyTreeViewModel::CheckTimeRole).toString();
    bool accepted = false;
    const QString remark = remarksInputDialog::getText(this, tr("Mark"), tr("Mark:"),
                                                       index.data(MyTreeViewModel::RemarkRole).toString(), &accepted);
    if (!accepted)
        return;
    recordModel()->setRemark(index, remark);
    updateColumnWidth();
    // The refresh rebuilt the texts; keep the marked recording selected.
    setCurrentIndex(recordModel()->find(sn, checkTime));
}
