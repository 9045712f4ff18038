// SPDX-License-Identifier: MIT
#include "OperationLog.h"

namespace quorvane {

std::vector<OperationLog::Operation> OperationLog::Take()
{
    std::vector<Operation> taken;
    taken.swap(operations_);
    return taken;
}

void OperationLog::SetCaption(Field label, std::string_view caption)
{
    Record({"set", std::string(NameOf(label)), std::string(caption)});
    window_.SetCaption(label, caption);
}

void OperationLog::SetText(Field box, std::string_view text)
{
    Record({"set", std::string(NameOf(box)), std::string(text)});
    window_.SetText(box, text);
}

void OperationLog::ListClear()
{
    Record({"clear", "SubnetList"});
    window_.ListClear();
}

void OperationLog::ListAdd(std::string_view entry)
{
    Record({"add", "SubnetList", std::string(entry)});
    window_.ListAdd(entry);
}

void OperationLog::ListSelect(std::string_view entry)
{
    Record({"select", "SubnetList", std::string(entry)});
    window_.ListSelect(entry);
}

} // namespace quorvane
