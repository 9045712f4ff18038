// SPDX-License-Identifier: MIT
#include "ValueLabelNames.h"

#include "ValueLabels.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QRadioButton>

namespace quorvane {

namespace {

QString NameOfControl(Field field)
{
    const std::string_view name = NameOf(field);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

const ValueLabel* ValueLabelOf(const QObject& label)
{
    for (const ValueLabel& value : kValueLabels) {
        if (label.objectName() == NameOfControl(value.value)) return &value;
    }
    return nullptr;
}

QString FromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool SupernetChosen(const QWidget& control)
{
    const auto* supernet =
        control.window()->findChild<QRadioButton*>(NameOfControl(Field::Subsuper2));
    return supernet != nullptr && supernet->isChecked();
}

// Said in words: an empty value is blank, "N/A" is not applicable.
QString SpokenValue(const QString& text)
{
    const QLatin1String notApplicable(kNotApplicable.data(),
                                      static_cast<qsizetype>(kNotApplicable.size()));
    if (text.isEmpty()) return QStringLiteral("blank");
    if (text == notApplicable) return QStringLiteral("not applicable");
    return text;
}

class AccessibleValueLabel final : public QAccessibleWidget {
public:
    AccessibleValueLabel(QLabel& label, const ValueLabel& row)
        : QAccessibleWidget(&label, QAccessible::StaticText), row_(row)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name) return QAccessibleWidget::text(kind);
        const auto& label = static_cast<const QLabel&>(*widget());
        const bool renamed = !row_.spokenNameInSupernetMode.empty() && SupernetChosen(label);
        const std::string_view what = renamed ? row_.spokenNameInSupernetMode : row_.spokenName;
        return FromView(what) + QLatin1String(": ") + SpokenValue(label.text());
    }

private:
    const ValueLabel& row_;
};

// Asked for every object an assistive technology reaches, most derived class first.
QAccessibleInterface* ValueLabelFactory(const QString& className, QObject* object)
{
    if (className != QLatin1String("QLabel")) return nullptr;
    const ValueLabel* row = ValueLabelOf(*object);
    return row != nullptr ? new AccessibleValueLabel(*static_cast<QLabel*>(object), *row) : nullptr;
}

} // namespace

void NameValueLabels(QWidget& window)
{
    static const bool installed = [] {
        QAccessible::installFactory(ValueLabelFactory);
        return true;
    }();
    static_cast<void>(installed);

    // A label tells its reader when its text changes; those named after the mode
    // are renamed by a change of mode too, also when their text stays the same.
    auto* supernet = window.findChild<QRadioButton*>(NameOfControl(Field::Subsuper2));
    if (supernet == nullptr) return;
    QObject::connect(supernet, &QRadioButton::toggled, supernet, [&window] {
        if (!QAccessible::isActive()) return;
        for (const ValueLabel& row : kValueLabels) {
            if (row.spokenNameInSupernetMode.empty()) continue;
            if (auto* label = window.findChild<QLabel*>(NameOfControl(row.value))) {
                QAccessibleEvent renamed(label, QAccessible::NameChanged);
                QAccessible::updateAccessibility(&renamed);
            }
        }
    });
}

} // namespace quorvane
