// The desktop program: starts the main window, or says in one line that no
// display is available.
#include <QApplication>
#include <QMainWindow>
#include <cstdio>
#include <cstdlib>

namespace {

bool DisplayAvailable() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform && *platform) return true;
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x11 && *x11) || (wayland && *wayland);
}

}  // namespace

int main(int argc, char** argv) {
  if (!DisplayAvailable()) {
    std::fprintf(stderr,
                 "lumtar: no display available (set DISPLAY, or use "
                 "lumtar-cli)\n");
    return 1;
  }
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("Lumtar");
  window.resize(1024, 700);
  window.show();
  return app.exec();
}
