// Brindlewood, the desktop program.

#include <QApplication>
#include <cstdio>

#include "app/desktop_program.h"
#include "shell/menu_main.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Brindlewood");

    const bw::ProgramOptions options =
        bw::ParseProgramArguments(QApplication::arguments(), QApplication::applicationDirPath());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "brindlewood: %s\n\n%s", qPrintable(options.error),
                     qPrintable(options.usage));
        return 2;
    }
    if (options.showHelp) {
        std::fputs(qPrintable(options.usage), stdout);
        return 0;
    }

    bw::DesktopProgram program(options.folder);
    // "E&xit Program" ends the program at once.
    QObject::connect(&program.menu(), &bw::MenuMain::programEnd, &app, &QCoreApplication::quit);
    program.show();
    return QApplication::exec();
}
