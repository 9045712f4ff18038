// SPDX-License-Identifier: MIT
// The real window started under another locale, as a user there starts it: the
// efficiency takes the locale's decimal separator as Qt gives it, input keeps
// reading "." as the decimal point, and every figure keeps the digits 0-9.
#include <gtest/gtest.h>

#include <QLocale>
#include <QProcess>

#include <map>
#include <string>

namespace {

std::map<std::string, std::string> RunProbe(const QString& locale)
{
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), locale);
    environment.insert(QStringLiteral("LANG"), locale);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    probe.setProcessEnvironment(environment);
    probe.start(QStringLiteral(QUORVANE_LOCALE_PROBE), {});
    std::map<std::string, std::string> values;
    if (!probe.waitForFinished(60000) || probe.exitCode() != 0) return values;
    for (const QByteArray& line : probe.readAllStandardOutput().split('\n')) {
        const qsizetype at = line.indexOf('=');
        if (at <= 0) continue;
        std::string& value = values[line.left(at).toStdString()];
        if (!value.empty()) value += "\n";
        value += line.mid(at + 1).toStdString();
    }
    return values;
}

class WindowLocale : public ::testing::TestWithParam<const char*> {};

TEST_P(WindowLocale, FiguresFollowTheLocaleSeparatorOnly)
{
    const QString name = QString::fromLatin1(GetParam());
    const std::string separator = QLocale(name.section(u'.', 0, 0)).decimalPoint().toStdString();
    const std::map<std::string, std::string> shown = RunProbe(name);
    ASSERT_FALSE(shown.empty()) << "the window did not start under " << GetParam();

    EXPECT_EQ(shown.at("decimalPoint"), separator) << "Qt did not pick up the locale";
    EXPECT_EQ(shown.at("PercVal"), "48" + separator + "8%");
    EXPECT_EQ(shown.at("HostID of 2.5"), "x.x.x.2");
    EXPECT_EQ(shown.at("HostID of 1,5"), "x.x.x.1");
    EXPECT_EQ(shown.at("DecIP"), "3232235976");
    EXPECT_EQ(shown.at("TotalHostsValue"), "124");
    EXPECT_EQ(shown.at("IPBroadcast"), "192.168.1.255");
    EXPECT_EQ(shown.count("broken"), 0U) << shown.at("broken");
}

INSTANTIATE_TEST_SUITE_P(Locales, WindowLocale,
                         ::testing::Values("de_DE.UTF-8", "fr_FR.UTF-8", "ar_EG.UTF-8",
                                           "en_US.UTF-8"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param).substr(0, 5);
                         });

} // namespace
