// SPDX-License-Identifier: MIT
// Runs the real window under whatever locale the environment sets and prints
// what the locale test needs, one "key=value" per line: the figures of
// 192.168.1.x with 255.255.255.192 picked, and every broken invariant.
#include "StartedWindow.h"
#include "WindowInvariants.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    quorvane::StartedWindow started;
    quorvane::Window& fields = started.window.fields();
    const quorvane::Screen& screen = started.screen;
    using quorvane::Field;

    const auto print = [](const char* key, const std::string& value) {
        std::printf("%s=%s\n", key, value.c_str());
    };
    print("decimalPoint", QLocale::system().decimalPoint().toStdString());

    // Program writes raise the same change events as typing.
    fields.SetText(Field::IP_Part1, "192");
    fields.SetText(Field::IP_Part2, "168");
    fields.SetText(Field::IP_Part3, "1");
    fields.SetText(Field::IP_Part4, "2.5");
    print("HostID of 2.5", screen.Shown(Field::HostID));
    fields.SetText(Field::IP_Part4, "1,5");
    print("HostID of 1,5", screen.Shown(Field::HostID));
    fields.SetText(Field::IP_Part4, "200");
    fields.ListSelect("255.255.255.192");
    for (Field field : {Field::DecIP, Field::PercVal, Field::TotalHostsValue, Field::IPBroadcast}) {
        print(std::string(quorvane::NameOf(field)).c_str(), screen.Shown(field));
    }

    quorvane::hardening::InvariantOptions options;
    options.decimalPoint = QLocale::system().decimalPoint().toStdString();
    for (const std::string& broken : quorvane::hardening::CheckWindow(screen, options)) {
        print("broken", broken);
    }
    return 0;
}
