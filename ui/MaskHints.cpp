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
    column.setLeft(column.right() - hintColumn_);
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
    if (hintColumn_ > 0) size.rwidth() += kGap + hintColumn_ + kGap;
    return size;
}

void ShowMaskHints(QComboBox& list)
{
    list.setItemDelegate(new MaskHintDelegate(*list.itemDelegate(), &list));
}

void SetMaskHints(QComboBox& list, const QStringList& hints)
{
    QAbstractItemModel& model = *list.model();
    bool changed = false;
    for (int row = 0; row < list.count(); ++row) {
        const QString hint = row < hints.size() ? hints[row] : QString();
        const QModelIndex entry = model.index(row, list.modelColumn());
        if (entry.data(kMaskHintRole).toString() == hint) continue;
        QMap<int, QVariant> roles = model.itemData(entry);
        roles[kMaskHintRole] = hint;
        roles[Qt::ToolTipRole] = hint;
        roles[Qt::AccessibleDescriptionRole] = hint;
        model.setItemData(entry, roles);
        changed = true;
    }
    if (!changed) return;

    QAbstractItemView* view = list.view();
    int widest = 0;
    for (const QString& hint : hints)
        widest = std::max(widest, view->fontMetrics().horizontalAdvance(hint));
    if (auto* delegate = qobject_cast<MaskHintDelegate*>(list.itemDelegate()))
        delegate->SetHintColumn(widest);
    // The drop-down is as wide as the box or its widest entry's text; the hints
    // need more room, the box none.
    int width = view->sizeHintForColumn(0) + 2 * view->frameWidth();
    if (view->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        width += view->verticalScrollBar()->sizeHint().width();
    view->setMinimumWidth(width);
}

} // namespace quorvane
