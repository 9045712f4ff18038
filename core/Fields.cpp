// SPDX-License-Identifier: MIT
#include "Fields.h"

namespace quorvane {

std::optional<Field> FieldNamed(std::string_view name) noexcept
{
    for (const FieldInfo& info : kFieldCatalogue) {
        if (info.name == name) return info.field;
    }
    return std::nullopt;
}

} // namespace quorvane
