#include "AdminTool.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    // The tool batches what it writes itself; a second buffer would only copy it once more.
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return 1;
    }
    QTextStream err(stderr);
    tarvand::tools::AdminTool tool(out, err);
    const int code = tool.run(application.arguments().mid(1));
    err.flush();
    out.close();
    std::fflush(stdout);
    return code;
}
