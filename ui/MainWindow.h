// SPDX-License-Identifier: MIT
#pragma once

#include "Program.h"
#include "QtFields.h"

#include <QWidget>

#include <memory>

namespace Ui {
class Main;
}

// The application's name, version and icon (from the program's resources), set
// before the window is built.
void DescribeApplication();

// The window Main: the designed form, its fields bound to the calculator, and the
// load event run once before any input.
class MainWindow final : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    quorvane::Window& fields() noexcept { return fields_; }

private:
    // Builds the designed form on the window and returns the window for the fields.
    static QWidget& BuildForm(Ui::Main& form, MainWindow& window);

    std::unique_ptr<Ui::Main> form_;
    quorvane::QtFields fields_;
    quorvane::Program program_;
};
