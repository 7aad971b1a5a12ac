// The tree view, the report-style list view and the image list over their widgets.
#include <QHeaderView>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QTableWidget>
#include <QTreeWidget>

#include "mfcui/Controls.h"
#include "mfcui/QtBridge.h"

using namespace platform::ui;

namespace {

constexpr int kDataRole = Qt::UserRole;
constexpr int kImageRole = Qt::UserRole + 1;

QIcon IconOf(HICON hIcon) {
    if (!hIcon) return QIcon();
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 16; ++y) {
        const char* row = hIcon->rows[y];
        for (int x = 0; row && x < 16 && row[x]; ++x) {
            for (const auto& [ch, rgb] : hIcon->palette) {
                if (ch == row[x]) image.setPixel(x, y, 0xFF000000u | rgb);
            }
        }
    }
    return QIcon(QPixmap::fromImage(image));
}

QTreeWidgetItem* Item(HTREEITEM h) { return reinterpret_cast<QTreeWidgetItem*>(h); }
HTREEITEM Handle(QTreeWidgetItem* item) { return reinterpret_cast<HTREEITEM>(item); }

}  // namespace

BOOL CImageList::Create(int cx, int cy, UINT, int, int) {
    m_cx = cx;
    m_cy = cy;
    m_icons.clear();
    return TRUE;
}

int CImageList::Add(HICON hIcon) {
    if (!hIcon) return -1;
    m_icons.push_back(hIcon);
    return GetImageCount() - 1;
}

// CTreeCtrl

CImageList* CTreeCtrl::SetImageList(CImageList* pImageList, int) {
    CImageList* previous = m_pImageList;
    m_pImageList = pImageList;
    return previous;
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, int nImage, int, HTREEITEM hParent, HTREEITEM hInsertAfter) {
    auto* tree = qobject_cast<QTreeWidget*>(m_pWidget);
    if (!tree) return nullptr;
    auto* item = new QTreeWidgetItem(QStringList(ToQ(lpszItem)));
    item->setData(0, kImageRole, nImage);
    if (m_pImageList) item->setIcon(0, IconOf(m_pImageList->GetIcon(nImage)));
    QTreeWidgetItem* parent = (hParent == TVI_ROOT || !hParent) ? nullptr : Item(hParent);
    const int count = parent ? parent->childCount() : tree->topLevelItemCount();
    int position = count;
    if (hInsertAfter == TVI_FIRST) position = 0;
    else if (hInsertAfter != TVI_LAST && hInsertAfter) {
        QTreeWidgetItem* after = Item(hInsertAfter);
        position = (parent ? parent->indexOfChild(after) : tree->indexOfTopLevelItem(after)) + 1;
    }
    if (parent) parent->insertChild(position, item);
    else tree->insertTopLevelItem(position, item);
    return Handle(item);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter) { return InsertItem(lpszItem, 0, 0, hParent, hInsertAfter); }

BOOL CTreeCtrl::DeleteItem(HTREEITEM hItem) {
    auto* tree = qobject_cast<QTreeWidget*>(m_pWidget);
    if (!tree || !hItem) return FALSE;
    if (hItem == TVI_ROOT) return DeleteAllItems();
    delete Item(hItem);
    return TRUE;
}

BOOL CTreeCtrl::DeleteAllItems() {
    auto* tree = qobject_cast<QTreeWidget*>(m_pWidget);
    if (!tree) return FALSE;
    tree->clear();
    return TRUE;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR dwData) {
    if (!hItem) return FALSE;
    Item(hItem)->setData(0, kDataRole, QVariant::fromValue<qulonglong>(dwData));
    return TRUE;
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const { return hItem ? static_cast<DWORD_PTR>(Item(hItem)->data(0, kDataRole).toULongLong()) : 0; }
CString CTreeCtrl::GetItemText(HTREEITEM hItem) const { return hItem ? FromQ(Item(hItem)->text(0)) : CString(); }

BOOL CTreeCtrl::Expand(HTREEITEM hItem, UINT nCode) {
    if (!hItem) return FALSE;
    Item(hItem)->setExpanded(nCode == TVE_EXPAND);
    return TRUE;
}

BOOL CTreeCtrl::IsExpanded(HTREEITEM hItem) const { return hItem && Item(hItem)->isExpanded(); }

HTREEITEM CTreeCtrl::GetRootItem() const {
    auto* tree = qobject_cast<QTreeWidget*>(m_pWidget);
    return tree && tree->topLevelItemCount() ? Handle(tree->topLevelItem(0)) : nullptr;
}

HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM hItem) const {
    auto* tree = qobject_cast<QTreeWidget*>(m_pWidget);
    if (!tree || !hItem) return nullptr;
    QTreeWidgetItem* item = Item(hItem);
    if (QTreeWidgetItem* parent = item->parent()) {
        const int i = parent->indexOfChild(item) + 1;
        return i < parent->childCount() ? Handle(parent->child(i)) : nullptr;
    }
    const int i = tree->indexOfTopLevelItem(item) + 1;
    return i < tree->topLevelItemCount() ? Handle(tree->topLevelItem(i)) : nullptr;
}

HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM hItem) const {
    if (!hItem) return nullptr;
    QTreeWidgetItem* item = Item(hItem);
    return item->childCount() ? Handle(item->child(0)) : nullptr;
}

HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM hItem) const { return hItem ? Handle(Item(hItem)->parent()) : nullptr; }
BOOL CTreeCtrl::ItemHasChildren(HTREEITEM hItem) const { return hItem && Item(hItem)->childCount() > 0; }

HTREEITEM CTreeCtrl::GetSelectedItem() const {
    auto* tree = qobject_cast<QTreeWidget*>(m_pWidget);
    return tree ? Handle(tree->currentItem()) : nullptr;
}

BOOL CTreeCtrl::SelectItem(HTREEITEM hItem) {
    auto* tree = qobject_cast<QTreeWidget*>(m_pWidget);
    if (!tree) return FALSE;
    tree->setCurrentItem(Item(hItem));
    return TRUE;
}

UINT CTreeCtrl::GetCount() const {
    auto* tree = qobject_cast<QTreeWidget*>(m_pWidget);
    if (!tree) return 0;
    UINT count = 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) ++count;
    return count;
}

// CListCtrl: a report view of rows and columns; item 0 of a row is its first column.

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle) {
    const DWORD previous = m_dwExStyle;
    m_dwExStyle = dwNewStyle;
    if (auto* table = qobject_cast<QTableWidget*>(m_pWidget)) {
        table->setShowGrid((dwNewStyle & LVS_EX_GRIDLINES) != 0);
        table->setSelectionBehavior((dwNewStyle & LVS_EX_FULLROWSELECT) ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    }
    return previous;
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int, int nWidth, int) {
    auto* table = qobject_cast<QTableWidget*>(m_pWidget);
    if (!table || nCol < 0) return -1;
    const int position = std::min(nCol, table->columnCount());
    table->insertColumn(position);
    auto* header = new QTableWidgetItem(ToQ(lpszColumnHeading));
    header->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table->setHorizontalHeaderItem(position, header);
    if (nWidth >= 0) table->setColumnWidth(position, nWidth);
    return position;
}

BOOL CListCtrl::DeleteColumn(int nCol) {
    auto* table = qobject_cast<QTableWidget*>(m_pWidget);
    if (!table || nCol < 0 || nCol >= table->columnCount()) return FALSE;
    table->removeColumn(nCol);
    return TRUE;
}

BOOL CListCtrl::SetColumn(int nCol, const LVCOLUMN* pColumn) {
    auto* table = qobject_cast<QTableWidget*>(m_pWidget);
    if (!table || nCol < 0 || nCol >= table->columnCount() || !pColumn) return FALSE;
    if ((pColumn->mask & LVCF_TEXT) && pColumn->pszText) table->horizontalHeaderItem(nCol)->setText(ToQ(pColumn->pszText));
    if (pColumn->mask & LVCF_WIDTH) table->setColumnWidth(nCol, pColumn->cx);
    return TRUE;
}

BOOL CListCtrl::GetColumn(int nCol, LVCOLUMN* pColumn) const {
    auto* table = qobject_cast<QTableWidget*>(m_pWidget);
    if (!table || nCol < 0 || nCol >= table->columnCount() || !pColumn) return FALSE;
    if (pColumn->mask & LVCF_WIDTH) pColumn->cx = table->columnWidth(nCol);
    if ((pColumn->mask & LVCF_TEXT) && pColumn->pszText && pColumn->cchTextMax > 0) {
        const std::wstring text = table->horizontalHeaderItem(nCol)->text().toStdWString();
        const size_t n = std::min(text.size(), static_cast<size_t>(pColumn->cchTextMax - 1));
        std::wmemcpy(pColumn->pszText, text.data(), n);
        pColumn->pszText[n] = L'\0';
    }
    return TRUE;
}

int CListCtrl::GetColumnCount() const {
    auto* table = qobject_cast<QTableWidget*>(m_pWidget);
    return table ? table->columnCount() : 0;
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem) {
    auto* table = qobject_cast<QTableWidget*>(m_pWidget);
    if (!table || nItem < 0) return -1;
    const int row = std::min(nItem, table->rowCount());
    table->insertRow(row);
    for (int c = 0; c < table->columnCount(); ++c) table->setItem(row, c, new QTableWidgetItem(c == 0 ? ToQ(lpszItem) : QString()));
    return row;
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText) {
    auto* table = qobject_cast<QTableWidget*>(m_pWidget);
    if (!table || nItem < 0 || nItem >= table->rowCount() || nSubItem < 0 || nSubItem >= table->columnCount()) return FALSE;
    if (QTableWidgetItem* item = table->item(nItem, nSubItem)) item->setText(ToQ(lpszText));
    else table->setItem(nItem, nSubItem, new QTableWidgetItem(ToQ(lpszText)));
    return TRUE;
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const {
    auto* table = qobject_cast<QTableWidget*>(m_pWidget);
    if (!table) return CString();
    const QTableWidgetItem* item = table->item(nItem, nSubItem);
    return item ? FromQ(item->text()) : CString();
}

int CListCtrl::GetItemCount() const {
    auto* table = qobject_cast<QTableWidget*>(m_pWidget);
    return table ? table->rowCount() : 0;
}

BOOL CListCtrl::DeleteAllItems() {
    auto* table = qobject_cast<QTableWidget*>(m_pWidget);
    if (!table) return FALSE;
    table->setRowCount(0);
    return TRUE;
}

BOOL CListCtrl::DeleteItem(int nItem) {
    auto* table = qobject_cast<QTableWidget*>(m_pWidget);
    if (!table || nItem < 0 || nItem >= table->rowCount()) return FALSE;
    table->removeRow(nItem);
    return TRUE;
}

BOOL CListCtrl::GetSubItemRect(int iItem, int iSubItem, int, CRect& ref) const {
    auto* table = qobject_cast<QTableWidget*>(m_pWidget);
    if (!table || iItem < 0 || iItem >= table->rowCount() || iSubItem < 0 || iSubItem >= table->columnCount()) return FALSE;
    const QRect cell = table->visualRect(table->model()->index(iItem, iSubItem));
    const QPoint origin = table->viewport()->geometry().topLeft();
    ref = CRect(cell.left() + origin.x(), cell.top() + origin.y(), cell.left() + origin.x() + cell.width(), cell.top() + origin.y() + cell.height());
    return TRUE;
}

int CHeaderCtrl::GetItemCount() const { return m_pList->GetColumnCount(); }

BOOL CHeaderCtrl::GetItem(int nPos, HDITEM* pHeaderItem) const {
    if (!pHeaderItem) return FALSE;
    LVCOLUMN column;
    column.mask = (pHeaderItem->mask & HDI_TEXT) ? LVCF_TEXT : 0;
    column.pszText = pHeaderItem->pszText;
    column.cchTextMax = pHeaderItem->cchTextMax;
    return m_pList->GetColumn(nPos, &column);
}

BOOL CHeaderCtrl::SetItem(int nPos, HDITEM* pHeaderItem) {
    if (!pHeaderItem) return FALSE;
    LVCOLUMN column;
    column.mask = (pHeaderItem->mask & HDI_TEXT) ? LVCF_TEXT : 0;
    column.pszText = pHeaderItem->pszText;
    return m_pList->SetColumn(nPos, &column);
}
