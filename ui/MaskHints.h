// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractItemDelegate>

class QComboBox;

namespace quorvane {

// The item data role that holds an entry's hint.
inline constexpr int kMaskHintRole = Qt::UserRole + 1;

// Draws each entry of the open mask list as the list draws it, then its hint (the
// kMaskHintRole data) in a quieter colour, in a column after the widest entry.
// The entry's own text, and so the closed box, stay the mask alone.
class MaskHintDelegate final : public QAbstractItemDelegate {
    Q_OBJECT

public:
    // `plain` is the list's own delegate, which draws the entries; it stays the list's.
    MaskHintDelegate(QAbstractItemDelegate& plain, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The width of the widest hint, set with the hints.
    void SetHintColumn(int width) { hintColumn_ = width; }

private:
    QAbstractItemDelegate& plain_;
    int hintColumn_ = 0;
};

// Shows the hints in the list's open drop-down: draws them, and lets the drop-down
// grow to fit them (the box itself keeps its size). Call once, after the design is
// applied.
void ShowMaskHints(QComboBox& list);

// Gives the entries their hints, each also as the entry's tooltip and accessible
// description, in list order, and widens the drop-down to fit them.
void SetMaskHints(QComboBox& list, const QStringList& hints);

} // namespace quorvane
