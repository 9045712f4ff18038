// SPDX-License-Identifier: MIT
#include "MainWindow.h"

#include "BundledFaces.h"
#include "MaskHints.h"
#include "OctetBox.h"
#include "ValueLabelNames.h"
#include "Version.h"
#include "WindowActions.h"
#include "ui_Main.h"

#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QStyle>
#include <QStyleFactory>

namespace quorvane {

namespace {

// The title's face, then close humanist faces where it is not installed.
const QStringList kTitleFaces{QStringLiteral("Trebuchet MS"), QStringLiteral("Fira Sans"),
                              QStringLiteral("DejaVu Sans")};
constexpr double kTitlePoints = 15.75;

// Every other control's face, at 7 points: a space half a digit wide
// keeps the columns of the Hosts/Subnets list in line under their headings, and a
// 35-character bit string fits its label. Bitstream Vera is the same design;
// Verdana is close.
const QStringList kWindowFaces{QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans"),
                               QStringLiteral("Verdana")};
constexpr int kWindowPoints = 7;

// The frames draw their captions inside their top border line. Most styles put
// the caption above the frame instead, so the frames (and only they) use Qt's
// classic style, which runs an etched line through the caption; the colours still
// come from the platform palette.
void CaptionsInBorderLine(QWidget& window)
{
    QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"));
    if (classic == nullptr) return;
    classic->setParent(&window);
    for (QGroupBox* frame : window.findChildren<QGroupBox*>())
        frame->setStyle(classic);
}

} // namespace

void DescribeApplication()
{
    QApplication::setApplicationName(QString::fromLatin1(kProgramName));
    QApplication::setApplicationVersion(QString::fromLatin1(kProgramVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral("quorvane"));
    // Each size drawn for itself, so task bars and switchers need not scale one up.
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}

QWidget& MainWindow::BuildForm(Ui::Main& form, MainWindow& window)
{
    AddBundledFaces();
    // The face goes on before the controls exist, so none of them lays out its
    // text twice.
    QFont face = window.font();
    face.setFamilies(kWindowFaces);
    face.setPointSize(kWindowPoints);
    // Figures and dotted quads need no kerning or ligatures; skipping the shaping
    // they would cost is a good part of every recalculation's repaint. Scripts that
    // need shaping still get it.
    face.setKerning(false);
    face.setStyleStrategy(QFont::PreferNoShaping);
    window.setFont(face);
    form.setupUi(&window);

    QFont title = form.Title->font();
    title.setFamilies(kTitleFaces);
    title.setPointSizeF(kTitlePoints);
    form.Title->setFont(title);

    for (auto* box : window.findChildren<OctetBox*>())
        box->AllowWideCharacters();
    CaptionsInBorderLine(window);
    ShowMaskHints(*form.SubnetList);
    NameValueLabels(window);
    window.setFixedSize(window.size());
    form.IP_Part1->setFocus();
    return window;
}

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent), form_(std::make_unique<Ui::Main>()), fields_(BuildForm(*form_, *this)),
      wholeAddress_(*this, fields_)
{
    InstallWindowActions(*this, fields_);
}

MainWindow::~MainWindow() = default;

} // namespace quorvane
