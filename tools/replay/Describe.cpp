// SPDX-License-Identifier: MIT
#include "Describe.h"

#include "Dump.h"
#include "Fields.h"
#include "MaskHints.h"
#include "ValueLabels.h"

#include <QComboBox>
#include <QWidget>

namespace quorvane::replay {

namespace {

std::string Json(const QString& text)
{
    return JsonText(text.toStdString());
}

const QWidget& Control(const QWidget& window, Field field)
{
    const std::string_view name = NameOf(field);
    return *window.findChild<QWidget*>(
        QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

} // namespace

std::string DescribeLine(const QWidget& window)
{
    std::string out = "{\"describe\":{\"tooltips\":{";
    const auto tooltip = [&out, &window](Field field) {
        if (out.back() != '{') out += ',';
        out += JsonText(NameOf(field)) + ':' + Json(Control(window, field).toolTip());
    };
    for (Field box : kOctetBoxes)
        tooltip(box);
    for (const ValueLabel& label : kValueLabels)
        tooltip(label.value);
    tooltip(Field::AccessListBox);
    const auto& list = static_cast<const QComboBox&>(Control(window, Field::SubnetList));
    out += "},\"SubnetList\":{\"tooltip\":" + Json(list.toolTip()) + ",\"hints\":[";
    for (int row = 0; row < list.count(); ++row) {
        if (row > 0) out += ',';
        const QString hint = list.itemData(row, kMaskHintRole).toString();
        out += Json(hint.isEmpty() ? list.itemText(row) : list.itemText(row) + "   " + hint);
    }
    return out + "]}}}";
}

} // namespace quorvane::replay
