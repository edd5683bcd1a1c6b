#include "CommandLine.h"
#include "GuardedApplication.h"
#include "HostProgram.h"
#include "ModuleLibrary.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

using tarvand::host::CommandLine;
using tarvand::host::HostProgram;
using tarvand::host::ModuleLibrary;

int main(int argc, char** argv) {
    // The command line is read before any window system is needed, so that --help and mistakes are
    // answered on a machine without a display.
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments << QString::fromLocal8Bit(argv[index]);
    const CommandLine::Result command = CommandLine::Parse(arguments);
    if (command.Action == CommandLine::Outcome::Help) {
        std::fputs(qUtf8Printable(command.Message), stdout);
        return HostProgram::Success;
    }
    if (command.Action == CommandLine::Outcome::Error) {
        std::fprintf(stderr, "tarvand-host: %s\nSee tarvand-host --help.\n", qUtf8Printable(command.Message));
        return HostProgram::UsageError;
    }

    QCoreApplication::setApplicationName(QStringLiteral("tarvand"));
    // Declared before the application object, so unloaded after it: the application object
    // destroys the forms that the module's code made, which needs that code.
    ModuleLibrary module;
    tarvand::ui::GuardedApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarvand"));
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    HostProgram program(command.Options, module);
    return program.Run();
}
