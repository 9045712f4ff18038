// SPDX-License-Identifier: MIT
#pragma once

#include "Window.h"

#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// A window seen through a record of what the program does to it: every write the
// program makes, and every handler start, in the order they happen. A write is
// recorded before it passes on to the window, so the start of a handler nested in
// it follows its cause. The log wraps the window before a program is built on it
// (the program is then built on the log); while the log lives, the window's events
// come through it: each is recorded as the start of the handler it runs, then
// raised on.
class OperationLog final : public Window {
public:
    using Operation = std::vector<std::string>;

    explicit OperationLog(Window& window);
    OperationLog(const OperationLog&) = delete;
    OperationLog& operator=(const OperationLog&) = delete;
    // The window raises nothing more once the log is gone.
    ~OperationLog() override;

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

    std::vector<std::string> ListEntries() const override { return window_.ListEntries(); }
    bool OptionSelected(Field option) const override { return window_.OptionSelected(option); }
    void Load(const std::function<void()>& handler) override;
    // Explanations are not the calculator's writes: passed on, not recorded.
    bool Explains() const override { return window_.Explains(); }
    void Explain(Field field, std::string_view text) override { window_.Explain(field, text); }
    void ExplainEntries(const std::vector<std::string>& hints) override
    {
        window_.ExplainEntries(hints);
    }
    std::string DecimalPoint() const override { return window_.DecimalPoint(); }

private:
    void Record(Operation operation) { operations_.push_back(std::move(operation)); }
    void HandlerStarted(std::string_view handler) { Record({"event", std::string(handler)}); }

    Window& window_;
    std::vector<Operation> operations_;
};

} // namespace quorvane
