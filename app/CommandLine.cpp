// SPDX-License-Identifier: MIT
#include "CommandLine.h"

#include "Version.h"

#include <QCommandLineParser>
#include <QStringList>

#include <array>
#include <string_view>
#include <utility>

namespace quorvane {

namespace {

// The options QApplication and its X11 platform take out of the arguments itself,
// with one dash or two; they go to the window.
constexpr std::array<const char*, 5> kQtFlags{"reverse", "testability", "widgetcount", "nograb",
                                              "dograb"};
constexpr std::array<const char*, 17> kQtOptionsWithValue{
    "platform",      "platformpluginpath", "platformtheme", "plugin",
    "qmljsdebugger", "qwindowgeometry",    "geometry",      "qwindowicon",
    "icon",          "qwindowtitle",       "title",         "session",
    "style",         "stylesheet",         "display",       "name",
    "visual"};

// The program's own options: how --help shows them, with an example each.
struct Option {
    const char* name;
    const char* valueName; // none for a switch
    const char* description;
    const char* example;
};

constexpr std::array<Option, 6> kOptions{{
    {"format", "FORMAT", "text (the default: what Copy All Results copies), html, json",
     "quorvane --format json 192.168.1.10/26"},
    {"list", "N", "keeps N lines of the Hosts/Subnets list (0 to 300; 300)",
     "quorvane --list 4 10.20.30.40/27"},
    {"subnet", nullptr, "Subnet mode for an address without a prefix (the default)",
     "quorvane --subnet 172.16.5.4"},
    {"supernet", nullptr, "Supernet mode for an address without a prefix",
     "quorvane --supernet 192.168.0.0"},
    {"help", nullptr, "prints this help and exits", "quorvane --help"},
    {"version", nullptr, "prints the version and exits", "quorvane --version"},
}};

std::string Help()
{
    std::string help =
        "Usage: quorvane [OPTION]... [ADDRESS | -]\n"
        "Without an ADDRESS, opens the Quorvane window, a calculator for classful IPv4\n"
        "subnets and supernets: type an address, choose Subnet or Supernet, pick a mask.\n"
        "\n"
        "With an ADDRESS, prints its results and opens no window. ADDRESS is any text\n"
        "that holds one, as the window's paste takes it: a prefix length or a mask after\n"
        "it chooses the mode and the mask; without one, the class's own mask.\n"
        "  quorvane 10.20.30.40/27\n"
        "  quorvane 10.20.30.40 255.255.255.224\n"
        "  quorvane 'IP: 172.16.0.0/255.255.255.192'\n"
        "  quorvane - < addresses.txt   (one address a line from standard input;\n"
        "                                blank lines and lines starting with # skipped)\n"
        "\n"
        "Options:\n";
    for (const Option& option : kOptions) {
        std::string names = std::string("  --") + option.name;
        if (option.valueName != nullptr) names += std::string(" ") + option.valueName;
        names.resize(std::max<std::size_t>(names.size() + 2, 19), ' ');
        help += names + option.description + "\n";
        help += std::string(19, ' ') + "e.g. " + option.example + "\n";
    }
    return help + "\n"
                  "Exit status:\n"
                  "  0  every text held an address, taken as written\n"
                  "  1  a text held no address, or a part of it was not taken as written: an\n"
                  "     octet above 255 (or a first octet of 0), a prefix or mask the class's\n"
                  "     mask list does not have, a mask that is no mask, or a prefix given to\n"
                  "     a class D or E address; the report shows what was used, and a note on\n"
                  "     standard error and in the report says so\n"
                  "  2  a wrong option\n"
                  "  3  standard output could not be written\n"
                  "Qt's own options, such as -style NAME, go to the window.\n";
}

Startup Exit(int status, std::string out, std::string err)
{
    Startup startup;
    startup.openWindow = false;
    startup.exitStatus = status;
    startup.standardOutput = std::move(out);
    startup.standardError = std::move(err);
    return startup;
}

Startup UsageError(const std::string& message)
{
    return Exit(2, {}, "quorvane: " + message + " (try --help)\n");
}

std::string Text(const QString& text)
{
    return text.toStdString();
}

// Qt's sentence as one of ours: "Unknown option 'x'." becomes "unknown option 'x'".
std::string AsClause(QString sentence)
{
    if (sentence.endsWith(QLatin1Char('.'))) sentence.chop(1);
    if (!sentence.isEmpty()) sentence[0] = sentence[0].toLower();
    return Text(sentence);
}

std::optional<ReportFormat> FormatNamed(const QString& name)
{
    if (name == QLatin1String("text")) return ReportFormat::Text;
    if (name == QLatin1String("html")) return ReportFormat::Html;
    if (name == QLatin1String("json")) return ReportFormat::Json;
    return std::nullopt;
}

} // namespace

Startup ReadCommandLine(std::span<const char* const> arguments)
{
    QCommandLineParser parser;
    // Qt's options are spelled with one dash: -platform NAME, -style=NAME.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const Option& option : kOptions) {
        parser.addOption(option.valueName == nullptr
                             ? QCommandLineOption(QString::fromLatin1(option.name))
                             : QCommandLineOption(QString::fromLatin1(option.name), QString(),
                                                  QString::fromLatin1(option.valueName)));
    }
    for (const char* flag : kQtFlags)
        parser.addOption(QCommandLineOption(QString::fromLatin1(flag)));
    for (const char* option : kQtOptionsWithValue)
        parser.addOption(
            QCommandLineOption(QString::fromLatin1(option), QString(), QStringLiteral("value")));

    QStringList all{QStringLiteral("quorvane")};
    for (const char* argument : arguments)
        all.push_back(QString::fromLocal8Bit(argument));
    if (!parser.parse(all)) return UsageError(AsClause(parser.errorText()));
    if (parser.isSet(QStringLiteral("help"))) return Exit(0, Help(), {});
    if (parser.isSet(QStringLiteral("version")))
        return Exit(0, std::string(kProgramName) + " " + kProgramVersion + "\n", {});

    ReportsWanted reports;
    if (parser.isSet(QStringLiteral("format"))) {
        const QString name = parser.value(QStringLiteral("format"));
        const auto format = FormatNamed(name);
        if (!format)
            return UsageError("--format takes text, html or json, not '" + Text(name) + "'");
        reports.request.format = *format;
    }
    if (parser.isSet(QStringLiteral("list"))) {
        const QString count = parser.value(QStringLiteral("list"));
        bool number = false;
        const int lines = count.toInt(&number);
        if (!number || lines < 0 || lines > kMaxHostListLines)
            return UsageError("--list takes 0 to 300 lines, not '" + Text(count) + "'");
        reports.request.listLines = lines;
    }
    const bool subnet = parser.isSet(QStringLiteral("subnet"));
    reports.request.supernet = parser.isSet(QStringLiteral("supernet"));
    if (subnet && reports.request.supernet)
        return UsageError("--subnet and --supernet exclude each other");

    const QStringList texts = parser.positionalArguments();
    if (texts.isEmpty()) {
        for (const char* option : {"format", "list", "subnet", "supernet"}) {
            if (parser.isSet(QString::fromLatin1(option)))
                return UsageError(std::string("--") + option + " needs an ADDRESS or -");
        }
        Startup startup;
        startup.displayNamed =
            parser.isSet(QStringLiteral("platform")) || parser.isSet(QStringLiteral("display"));
        return startup;
    }
    if (texts.contains(QStringLiteral("-"))) {
        if (texts.size() > 1) return UsageError("- reads the addresses from standard input alone");
        reports.fromStandardInput = true;
    } else {
        reports.text = Text(texts.join(QLatin1Char(' ')));
    }
    Startup startup = Exit(0, {}, {});
    startup.reports = std::move(reports);
    return startup;
}

Startup RequireDisplay(Startup startup,
                       const std::function<const char*(const char* name)>& environment)
{
    if (!startup.openWindow || startup.displayNamed) return startup;
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = environment(name);
        if (value != nullptr && *value != '\0') return startup;
    }
    return Exit(1, {},
                "quorvane: no display to open the window on: neither DISPLAY nor "
                "WAYLAND_DISPLAY is set\n");
}

} // namespace quorvane
