// SPDX-License-Identifier: MIT
#include "MaskHints.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace quorvane {

namespace {

// Between the widest entry and the hints, and after the hints.
constexpr int kGap = 12;

int HintColumnWidth(const QFontMetrics& metrics, const QAbstractItemModel& model)
{
    int widest = 0;
    for (int row = 0; row < model.rowCount(); ++row) {
        const QString hint = model.index(row, 0).data(kMaskHintRole).toString();
        widest = std::max(widest, metrics.horizontalAdvance(hint));
    }
    return widest;
}

} // namespace

MaskHintDelegate::MaskHintDelegate(QAbstractItemDelegate& plain, QObject* parent)
    : QAbstractItemDelegate(parent), plain_(plain)
{
    // What the list's own delegate asks for, it still gets.
    connect(&plain_, &QAbstractItemDelegate::sizeHintChanged, this,
            &QAbstractItemDelegate::sizeHintChanged);
}

void MaskHintDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    plain_.paint(painter, option, index);
    const QString hint = index.data(kMaskHintRole).toString();
    if (hint.isEmpty()) return;

    QRect column = option.rect.adjusted(0, 0, -kGap, 0);
    column.setLeft(column.right() - HintColumnWidth(option.fontMetrics, *index.model()));
    const bool selected = option.state & QStyle::State_Selected;
    QColor colour = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    colour.setAlphaF(0.6f);
    painter->save();
    painter->setFont(option.font);
    painter->setPen(colour);
    painter->drawText(column, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, hint);
    painter->restore();
}

QSize MaskHintDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = plain_.sizeHint(option, index);
    const int hints = HintColumnWidth(option.fontMetrics, *index.model());
    if (hints > 0) size.rwidth() += kGap + hints + kGap;
    return size;
}

void ShowMaskHints(QComboBox& list)
{
    list.setItemDelegate(new MaskHintDelegate(*list.itemDelegate(), &list));
}

void SetMaskHints(QComboBox& list, const QStringList& hints)
{
    bool changed = false;
    for (int row = 0; row < list.count(); ++row) {
        const QString hint = row < hints.size() ? hints[row] : QString();
        if (list.itemData(row, kMaskHintRole).toString() == hint) continue;
        list.setItemData(row, hint, kMaskHintRole);
        list.setItemData(row, hint, Qt::ToolTipRole);
        list.setItemData(row, hint, Qt::AccessibleDescriptionRole);
        changed = true;
    }
    if (!changed) return;
    // The drop-down is as wide as the box or its widest entry's text; the hints
    // need more room, the box none.
    QAbstractItemView* view = list.view();
    int width = view->sizeHintForColumn(0) + 2 * view->frameWidth();
    if (view->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        width += view->verticalScrollBar()->sizeHint().width();
    view->setMinimumWidth(width);
}

} // namespace quorvane
