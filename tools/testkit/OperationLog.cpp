// SPDX-License-Identifier: MIT
#include "OperationLog.h"

namespace quorvane {

namespace {

// The handler a field's event runs: a box's change, or a click on the list or an
// option.
std::string HandlerOf(Field source)
{
    const char* event = InfoOf(source).kind == FieldKind::TextBox ? "_Change" : "_Click";
    return std::string(NameOf(source)) + event;
}

} // namespace

OperationLog::OperationLog(Window& window) : window_(window)
{
    window.eventHandler = [this](Field source) {
        HandlerStarted(HandlerOf(source));
        if (eventHandler) eventHandler(source);
    };
}

OperationLog::~OperationLog()
{
    window_.eventHandler = nullptr;
}

void OperationLog::Load(const std::function<void()>& handler)
{
    HandlerStarted("Form_Load");
    window_.Load(handler);
}

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
