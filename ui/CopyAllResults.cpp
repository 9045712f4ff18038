// SPDX-License-Identifier: MIT
#include "CopyAllResults.h"

#include "ReportHtml.h"
#include "ReportText.h"
#include "ResultsReport.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QWidget>

namespace quorvane {

namespace {

void CopyAllResults(const Window& fields)
{
    const std::vector<ReportTable> report = ResultsReport(fields);
    // Plain text for plain editors, tables for mail and ticket editors.
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(ReportText(report)));
    data->setHtml(QString::fromStdString(ReportHtml(report)));
    // The clipboard only: the X selection keeps what the user last selected.
    QGuiApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
}

} // namespace

void OfferCopyAllResults(QWidget& window, const Window& fields)
{
    auto* copy = new QAction(QStringLiteral("Copy All Results"), &window);
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copy->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(copy, &QAction::triggered, copy, [&fields] { CopyAllResults(fields); });
    window.addAction(copy);
    window.setContextMenuPolicy(Qt::ActionsContextMenu);
    // A value label selectable by mouse has a Copy menu of its own, which would
    // hide the window's; a selected value is still copied with Ctrl+C.
    for (QLabel* label : window.findChildren<QLabel*>())
        label->setContextMenuPolicy(Qt::NoContextMenu);
}

} // namespace quorvane
