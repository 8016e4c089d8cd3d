#pragma once
// The desktop program put together: the shared state, the frame, the message dialogs and the
// main menu with its feature windows. main() and the whole-program tests build it the same way.

#include <QString>
#include <QStringList>
#include <memory>

#include "shell/app_context.h"
#include "shell/mmodule.h"

namespace bw {

class DialogMessagePort;
class MDIContainer;
class MenuMain;

struct ProgramOptions {
    QString folder;  // the program's folder (settings file, help file)
    bool showHelp = false;
    bool showVersion = false;
    bool checkStart = false;  // quit once the main menu is shown, saying what it shows
    QString error;            // not empty when the command line was not understood
    QString usage;
};

// Reads the command line: --folder DIR, --version, --check-start; the folder defaults to
// `defaultFolder`.
ProgramOptions ParseProgramArguments(const QStringList& arguments, const QString& defaultFolder);

class DesktopProgram {
  public:
    // Builds the frame and loads the main menu, which runs the start-up steps with `folder` as
    // the program's folder.
    explicit DesktopProgram(const QString& folder);
    ~DesktopProgram();
    DesktopProgram(const DesktopProgram&) = delete;
    DesktopProgram& operator=(const DesktopProgram&) = delete;

    void show();
    // What the shown main menu tells about the start: the frame caption, the program's folder,
    // the help file found and the user name shown. Empty while the menu is not visible.
    QString startReport() const;

    MMODULE& state() { return mm_; }
    MDIContainer& frame() { return *frame_; }
    MenuMain& menu() { return *menu_; }
    AppContext& context() { return *ctx_; }

    // Which feature windows this build of the program has.
    static bool HasTablesWindow();
    static bool HasComparisonWindow();
    static bool HasAffordabilityWindow();
    static bool HasPlannerWindow();

  private:
    MMODULE mm_;
    std::unique_ptr<MDIContainer> frame_;
    std::unique_ptr<DialogMessagePort> port_;
    std::unique_ptr<AppContext> ctx_;
    MenuMain* menu_ = nullptr;  // owned by the frame
};

}  // namespace bw
