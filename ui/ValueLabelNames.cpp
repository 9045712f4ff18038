// SPDX-License-Identifier: MIT
#include "ValueLabelNames.h"

#include "Fields.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QRadioButton>

#include <array>

namespace quorvane {

namespace {

struct SpokenName {
    Field value;
    const char* name;
    const char* inSupernetMode = nullptr; // where the mode changes what the value is
};

constexpr std::array<SpokenName, 17> kSpokenNames{{
    {Field::Class, "Network class"},
    {Field::NetID, "Network ID"},
    {Field::HostID, "Host ID"},
    {Field::DecIP, "Decimal address"},
    {Field::IPSubnet, "Subnet address"},
    {Field::IPBroadcast, "Broadcast address"},
    {Field::BinHost, "Binary address"},
    {Field::BinMask, "Binary mask"},
    {Field::BinSubnet, "Binary subnet address"},
    {Field::BinBC, "Binary broadcast address"},
    {Field::MaskBitsValue, "Mask bits"},
    {Field::SubnetBitsValue, "Subnet bits", "CIDR mask bits"},
    {Field::HostBitsValue, "Host bits"},
    {Field::MaxSubnetsValue, "Maximum subnets", "Subnets per block"},
    {Field::MaxHostsValue, "Hosts per subnet", "Hosts per block"},
    {Field::TotalHostsValue, "Total hosts"},
    {Field::PercVal, "Host efficiency"},
}};

QString NameOfControl(Field field)
{
    const std::string_view name = NameOf(field);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

const SpokenName* SpokenNameOf(const QObject& label)
{
    for (const SpokenName& spoken : kSpokenNames) {
        if (label.objectName() == NameOfControl(spoken.value)) return &spoken;
    }
    return nullptr;
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

class ValueLabel final : public QAccessibleWidget {
public:
    ValueLabel(QLabel& label, const SpokenName& name)
        : QAccessibleWidget(&label, QAccessible::StaticText), name_(name)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name) return QAccessibleWidget::text(kind);
        const auto& label = static_cast<const QLabel&>(*widget());
        const bool renamed = name_.inSupernetMode != nullptr && SupernetChosen(label);
        const char* what = renamed ? name_.inSupernetMode : name_.name;
        return QLatin1String(what) + QLatin1String(": ") + SpokenValue(label.text());
    }

private:
    const SpokenName& name_;
};

// Asked for every object an assistive technology reaches, most derived class first.
QAccessibleInterface* ValueLabelFactory(const QString& className, QObject* object)
{
    if (className != QLatin1String("QLabel")) return nullptr;
    const SpokenName* name = SpokenNameOf(*object);
    return name != nullptr ? new ValueLabel(*static_cast<QLabel*>(object), *name) : nullptr;
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
        for (const SpokenName& spoken : kSpokenNames) {
            if (spoken.inSupernetMode == nullptr) continue;
            if (auto* label = window.findChild<QLabel*>(NameOfControl(spoken.value))) {
                QAccessibleEvent renamed(label, QAccessible::NameChanged);
                QAccessible::updateAccessibility(&renamed);
            }
        }
    });
}

} // namespace quorvane
