#include "AdminTool.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    tarvand::tools::AdminTool tool(out, err);
    const int code = tool.run(application.arguments().mid(1));
    out.flush();
    err.flush();
    return code;
}
