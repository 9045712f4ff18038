// SPDX-License-Identifier: MIT
#include "WindowActions.h"

#include "OctetBox.h"
#include "ReportHtml.h"
#include "ReportText.h"
#include "ResultsReport.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QToolTip>
#include <QWidget>

namespace quorvane {

namespace {

constexpr int kSaidForMs = 2000;

// What a copy says, where the user is looking: a tooltip at the focused control for
// about two seconds, which a screen reader hears as an announcement. Nothing moves.
void SayCopied(QWidget& window, const std::string& text)
{
    const QString said = QString::fromStdString(CopiedSaying(text));
    QWidget* at = window.focusWidget() != nullptr ? window.focusWidget() : &window;
    QToolTip::showText(at->mapToGlobal(QPoint(0, at->height())), said, at, {}, kSaidForMs);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(at, said);
    QAccessible::updateAccessibility(&announcement);
#endif
}

void CopyAllResults(QWidget& window, const Window& fields)
{
    const std::vector<ReportTable> report = ResultsReport(fields);
    const std::string text = ReportText(report);
    // Plain text for plain editors, tables for mail and ticket editors.
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(text));
    data->setHtml(QString::fromStdString(ReportHtml(report)));
    // The clipboard only: the X selection keeps what the user last selected.
    QGuiApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
    SayCopied(window, text);
}

QKeySequence QuitKey()
{
    const QKeySequence platform(QKeySequence::Quit);
    return platform.isEmpty() ? QKeySequence(Qt::CTRL | Qt::Key_Q) : platform;
}

QAction* AddAction(QWidget& window, const QString& text, const QKeySequence& key)
{
    auto* action = new QAction(text, &window);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    window.addAction(action);
    return action;
}

} // namespace

void InstallWindowActions(QWidget& window, const Window& fields)
{
    QAction* copy = AddAction(window, QStringLiteral("Copy All Results"),
                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    QObject::connect(copy, &QAction::triggered, copy,
                     [&window, &fields] { CopyAllResults(window, fields); });
    auto* separator = new QAction(&window);
    separator->setSeparator(true);
    window.addAction(separator);
    QAction* quit = AddAction(window, QStringLiteral("Quit"), QuitKey());
    QObject::connect(quit, &QAction::triggered, &window, &QWidget::close);

    window.setContextMenuPolicy(Qt::ActionsContextMenu);
    // A value label selectable by mouse has a Copy menu of its own, which would
    // hide the window's; a selected value is still copied with Ctrl+C.
    for (QLabel* label : window.findChildren<QLabel*>())
        label->setContextMenuPolicy(Qt::NoContextMenu);
    for (OctetBox* box : window.findChildren<OctetBox*>())
        box->addAction(copy);
}

} // namespace quorvane
