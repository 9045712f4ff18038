// SPDX-License-Identifier: MIT
#include "Link.h"

#include "AddressNumbers.h"
#include "Classes.h"
#include "Classify.h"
#include "ResultsReport.h"

namespace quorvane {

namespace {

constexpr std::string_view kSupernetMark = ",supernet";

} // namespace

std::string LinkOf(const Window& window)
{
    const auto address = ShownAddress(window.Caption(Field::BinHost));
    if (!address) return {};
    std::string link = DottedQuad(*address);
    const auto prefix = ShownPrefix(window);
    if (prefix) link += "/" + std::to_string(*prefix);
    const std::int16_t netClass = Classify(static_cast<std::int16_t>(*address >> 24)).netClass;
    // A shorter prefix than the class's own chooses Supernet when it is pasted.
    const bool prefixChoosesMode = prefix && *prefix < ClassfulPrefix(netClass);
    if (window.OptionSelected(Field::Subsuper2) && !prefixChoosesMode) link += kSupernetMark;
    return link;
}

void OpenLink(std::string_view link, FieldModel& model)
{
    const Field mode = link.ends_with(kSupernetMark) ? Field::Subsuper2 : Field::Subsuper1;
    if (!model.OptionSelected(mode)) model.Click(mode);
    model.Paste(Field::IP_Part4, link);
}

} // namespace quorvane
