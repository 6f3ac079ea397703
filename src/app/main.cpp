#include <QApplication>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/main_window.h"
#include "model/base_folder.h"

namespace {

// Qt aborts when it cannot reach a display; a user deserves one clear line instead.
bool canOpenAWindow(int argc, char** argv) {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && *platform != '\0')
        return true;  // offscreen, vnc, ...: the user chose
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]) == "-platform")
            return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 != nullptr && *x11 != '\0') || (wayland != nullptr && *wayland != '\0');
}

}  // namespace

int main(int argc, char** argv) {
    if (!canOpenAWindow(argc, argv)) {
        std::fprintf(stderr,
                     "cannot open a window: no display; the command-line tool is motivica-cli\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Motivica");
    TMainWindow window(baseFolder());
    const QStringList arguments = QApplication::arguments();
    // a document handed over by a file manager opens as Open would open it
    if (arguments.size() > 1)
        window.openDocument(arguments.at(1).toStdString());
    window.show();
    return QApplication::exec();
}
