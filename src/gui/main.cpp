// The desktop program: starts the main window, or says in one line that no
// display is available.
#include <QApplication>
#include <QDate>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/program_directory.h"
#include "app/settings_file.h"
#include "gui/help.h"
#include "gui/main_window.h"
#include "gui/qt_ui.h"
#include "model/model.h"

namespace {

// True when a display can be reached: an explicit Qt platform, a Wayland
// display, or an X display whose local socket exists (a missing one would
// stop the program inside Qt).
bool DisplayAvailable() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform && *platform) return true;
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  if (wayland && *wayland) return true;
  const char* x11 = std::getenv("DISPLAY");
  if (!x11 || !*x11) return false;
  const std::string display = x11;
  if (display[0] != ':') return true;  // a remote display: let Qt try
  const std::string number = display.substr(1, display.find('.') - 1);
  std::error_code ec;
  return std::filesystem::exists("/tmp/.X11-unix/X" + number, ec);
}

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer started;
  started.start();
  if (!DisplayAvailable()) {
    std::fprintf(stderr,
                 "lumtar: no display available (set DISPLAY, or use "
                 "lumtar-cli)\n");
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName("Lumtar");

  using namespace lumtar;
  model::Model model;
  model.parameters.Year = QDate::currentDate().year();
  app::UpdateDerivedValues(model);
  gui::QtUi ui(model);

  const std::filesystem::path program_directory = app::ProgramDirectory();
  std::optional<std::filesystem::path> help_log;
  if (gui::HelpLogWanted(QApplication::arguments(), program_directory))
    help_log = gui::HelpLogPath(program_directory);
  gui::Help help(
      model, [](const QUrl& url) { return QDesktopServices::openUrl(url); },
      help_log);

  gui::MainWindow window(model, ui, gui::DefaultWindowFactories(model, ui),
                         help);
  ui.set_parent(&window);
  window.LogFirstPaint(started);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    window.setGeometry(area.x(), area.y(), area.width(), area.height() - 35);
  }
  window.show();
  QTimer::singleShot(0, &window, [&window] { window.StartUp(); });
  return app.exec();
}
