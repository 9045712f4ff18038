// SPDX-License-Identifier: MIT
// quorvane-replay [--model | --describe] [SCRIPT]: drives a fresh program from a
// script of user actions and prints one JSON line per dump; with --describe (the
// window only: the model has no tooltips), each followed by a line of what the
// window explains. A test tool; not installed.
#include "Describe.h"
#include "RecordedModel.h"
#include "Replay.h"
#include "StartedWindow.h"

#include <QApplication>
#include <QLocale>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string_view>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

int RunOnModel(std::istream& script)
{
    // The model's user has the number settings the window would read.
    quorvane::RecordedModel started(QLocale::system().decimalPoint().toStdString());
    return quorvane::replay::Run(script, started.log, started.model, started.model,
                                 started.program.things(), std::cout, std::cerr);
}

int RunOnWindow(int& argc, char** argv, std::istream& script, bool describe)
{
    // Offscreen unless the caller chose a platform: a replay never needs a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    quorvane::RecordedWindow started;
    started.window.show();
    quorvane::DeliverPendingEvents();
    std::function<std::string()> describeWindow;
    if (describe) {
        describeWindow = [&started] { return quorvane::replay::DescribeLine(started.window); };
    }
    return quorvane::replay::Run(script, started.log, started.user, started.screen,
                                 started.program.things(), std::cout, std::cerr, describeWindow);
}

} // namespace

int main(int argc, char** argv)
{
#ifdef _WIN32
    // The dumps are compared byte for byte: no "\r" before each "\n".
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    bool model = false;
    bool describe = false;
    const char* path = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--model" && !describe) {
            model = true;
        } else if (arg == "--describe" && !model) {
            describe = true;
        } else if (path == nullptr && !(arg.size() > 1 && arg.front() == '-')) {
            path = argv[i];
        } else {
            std::cerr << "usage: quorvane-replay [--model | --describe] [SCRIPT]\n";
            return quorvane::replay::kScriptError;
        }
    }

    std::ifstream file;
    if (path != nullptr) {
        file.open(path, std::ios::binary);
        if (!file) {
            std::cerr << "quorvane-replay: cannot read " << path << '\n';
            return quorvane::replay::kScriptError;
        }
    }
    std::istream& script = path != nullptr ? file : std::cin;

    // Qt must not see our own arguments.
    int qtArgc = 1;
    return model ? RunOnModel(script) : RunOnWindow(qtArgc, argv, script, describe);
}
