#pragma once

#include "HostOptions.h"

#include <QString>
#include <QStringList>

namespace tarvand::host {

// The host's command line:
//   --db PATH  --company CODE  --year YYYY  --user ID  --module PATH
//   --screenshot FILE.png [--tab N]  --help
class CommandLine {
public:
    enum class Outcome { Run, Help, Error };

    struct Result {
        Outcome Action = Outcome::Run;
        HostOptions Options;
        QString Message; // the help text, or what is wrong with the arguments
    };

    // arguments[0] is the program's name, as in QCoreApplication::arguments().
    static Result Parse(const QStringList& arguments);
};

} // namespace tarvand::host
