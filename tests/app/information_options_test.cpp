// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <sstream>
#include <string>
#include <vector>

#include "app/information_options.h"

using namespace murax;

// `--help` and `--version` as the first argument; everything else is left for the tape.
class InformationOptionsTest : public QObject {
    Q_OBJECT

private slots:
    void helpPrintsTheUsage();
    void versionPrintsTheProjectVersion();
    void otherFirstArgumentsAreTheTape_data();
    void otherFirstArgumentsAreTheTape();
    void doubleDashMakesTheNextArgumentTheTape();
    void aFailedWriteEndsWithAnError();
};

namespace {

// A command line as main receives it: the strings, and argv with its terminating null pointer.
struct CommandLine {
    explicit CommandLine(std::vector<std::string> arguments) : strings(std::move(arguments))
    {
        for (std::string& s : strings)
            argv.push_back(s.data());
        argv.push_back(nullptr);
        argc = static_cast<int>(strings.size());
    }
    std::vector<std::string> remaining() const { return {argv.begin() + 1, argv.begin() + argc}; }

    std::vector<std::string> strings;
    std::vector<char*> argv;
    int argc = 0;
};

}  // namespace

void InformationOptionsTest::helpPrintsTheUsage()
{
    CommandLine line({"murax", "--help", "game.tap"});
    std::ostringstream out;
    QCOMPARE(answerInformationOption(line.argc, line.argv.data(), out), std::optional<int>(0));
    const std::string usage = out.str();
    for (const char* part : {"Usage: murax [FILE]", "\"murax -- --help\" opens a file named --help",
                             "Ctrl+Up, Ctrl+Down", "F3", "F11", "Esc", "Export...",
                             "Export as sound...", "WAV", "[Edit]",
                             "folder of the murax executable", "$XDG_CONFIG_HOME/murax/MURAX.INI",
                             "~/.config/murax/MURAX.INI", "A TZX tape does not open",
                             "murax-list --to-tap"})
        QVERIFY2(usage.find(part) != std::string::npos, part);
}

void InformationOptionsTest::versionPrintsTheProjectVersion()
{
    CommandLine line({"murax", "--version"});
    std::ostringstream out;
    QCOMPARE(answerInformationOption(line.argc, line.argv.data(), out), std::optional<int>(0));
    QCOMPARE(out.str(), std::string("Murax ") + MURAX_VERSION + "\n");
}

void InformationOptionsTest::otherFirstArgumentsAreTheTape_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("none") << QStringList{};
    QTest::newRow("a tape") << QStringList{"game.tap"};
    QTest::newRow("help second") << QStringList{"game", "--help"};
    QTest::newRow("short help") << QStringList{"-h"};
    QTest::newRow("version with a value") << QStringList{"--version=1"};
    QTest::newRow("single dash") << QStringList{"-"};
    QTest::newRow("empty") << QStringList{""};
}

void InformationOptionsTest::otherFirstArgumentsAreTheTape()
{
    QFETCH(QStringList, arguments);
    std::vector<std::string> strings{"murax"};
    for (const QString& argument : arguments)
        strings.push_back(argument.toStdString());
    CommandLine line(strings);
    std::ostringstream out;
    QCOMPARE(answerInformationOption(line.argc, line.argv.data(), out), std::nullopt);
    QCOMPARE(line.remaining(), std::vector<std::string>(strings.begin() + 1, strings.end()));
    QVERIFY(out.str().empty());
}

void InformationOptionsTest::doubleDashMakesTheNextArgumentTheTape()
{
    for (const char* option : {"--help", "--version", "--", "game"}) {
        CommandLine line({"murax", "--", option, "more"});
        std::ostringstream out;
        QCOMPARE(answerInformationOption(line.argc, line.argv.data(), out), std::nullopt);
        QCOMPARE(line.remaining(), (std::vector<std::string>{option, "more"}));
        QCOMPARE(line.argv[line.argc], nullptr);
        QVERIFY(out.str().empty());
    }
    CommandLine alone({"murax", "--"});
    std::ostringstream out;
    QCOMPARE(answerInformationOption(alone.argc, alone.argv.data(), out), std::nullopt);
    QCOMPARE(alone.argc, 1);
    QCOMPARE(alone.argv[1], nullptr);
}

void InformationOptionsTest::aFailedWriteEndsWithAnError()
{
    for (const char* option : {"--help", "--version"}) {
        CommandLine line({"murax", option});
        std::ostringstream out;
        out.setstate(std::ios::badbit);
        QCOMPARE(answerInformationOption(line.argc, line.argv.data(), out), std::optional<int>(1));
    }
}

QTEST_APPLESS_MAIN(InformationOptionsTest)
#include "information_options_test.moc"
