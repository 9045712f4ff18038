// SPDX-License-Identifier: MIT
#pragma once

#include "Fields.h"

#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// Records every write the program makes to the window, and every handler start,
// in the order they happen, then passes the write on. A write is recorded before
// the event it raises, so a nested handler's start follows its cause.
class OperationLog final : public Fields {
public:
    using Operation = std::vector<std::string>;

    explicit OperationLog(Fields& window) noexcept : window_(window) {}

    void HandlerStarted(std::string_view handler) { Record({"event", std::string(handler)}); }

    // The operations since the previous call.
    std::vector<Operation> Take();

    void SetCaption(Field label, std::string_view caption) override;
    std::string Caption(Field label) const override { return window_.Caption(label); }
    std::string Text(Field box) const override { return window_.Text(box); }
    void SetText(Field box, std::string_view text) override;
    void ListClear() override;
    void ListAdd(std::string_view entry) override;
    std::string ListSelected() const override { return window_.ListSelected(); }
    void ListSelect(std::string_view entry) override;

private:
    void Record(Operation operation) { operations_.push_back(std::move(operation)); }

    Fields& window_;
    std::vector<Operation> operations_;
};

} // namespace quorvane
