// SPDX-License-Identifier: MIT
#pragma once

#include "QtFields.h"
#include "WholeAddressEntry.h"

#include <QWidget>

#include <memory>

namespace Ui {
class Main;
}

namespace quorvane {

// The application's name, version and icon (from the program's resources), set
// before the window is built.
void DescribeApplication();

// The window Main: the designed form, the adapter through which a program (see
// Program) reads and writes its fields and receives its events, and the entry of a
// whole address across the octet boxes.
class MainWindow final : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Window& fields() noexcept { return fields_; }

private:
    // Builds the designed form on the window and returns the window for the fields.
    static QWidget& BuildForm(Ui::Main& form, MainWindow& window);

    std::unique_ptr<Ui::Main> form_;
    QtFields fields_;
    WholeAddressEntry wholeAddress_;
};

} // namespace quorvane
