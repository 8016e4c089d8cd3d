// Brindlewood, the desktop program.

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <optional>

#include "app/desktop_program.h"
#include "shell/menu_main.h"
#include "shell/program_folder.h"

int main(int argc, char** argv) {
    // --help and --version answer without a display.
    QStringList raw;
    for (int i = 0; i < argc; ++i) raw << QString::fromLocal8Bit(argv[i]);
    const bw::ProgramOptions early = bw::ParseProgramArguments(raw, {});
    if (early.error.isEmpty() && early.showHelp) {
        std::fputs(qPrintable(early.usage), stdout);
        return 0;
    }
    if (early.error.isEmpty() && early.showVersion) {
        std::printf("brindlewood %s\n", bw::ProgramVersion().c_str());
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("Brindlewood");
    QApplication::setApplicationVersion(QString::fromStdString(bw::ProgramVersion()));

    const bw::ProgramOptions options = bw::ParseProgramArguments(QApplication::arguments(), {});
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "brindlewood: %s\n\n%s", qPrintable(options.error),
                     qPrintable(options.usage));
        return 2;
    }

    const std::string folder = bw::ProgramFolderFor(
        options.folder.isEmpty() ? std::nullopt : std::optional(options.folder.toStdString()));
    bw::DesktopProgram program(QString::fromStdString(folder));
    // "E&xit Program" ends the program at once.
    QObject::connect(&program.menu(), &bw::MenuMain::programEnd, &app, &QCoreApplication::quit);
    program.show();
    if (options.checkStart) {
        QTimer::singleShot(0, &app, [&program] {
            const QString report = program.startReport();
            std::fputs(report.isEmpty() ? "main menu not shown\n" : qPrintable(report), stdout);
            QCoreApplication::exit(report.isEmpty() ? 1 : 0);
        });
    }
    return QApplication::exec();
}
