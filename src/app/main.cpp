#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/main_window.h"
#include "app/notation_picture.h"
#include "model/base_folder.h"
#include "model/document.h"
#include "print/program_icon.h"

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

// The DAD popup moves and holds the real pointer, which only X11 lets a program do: under
// Wayland with XWayland at hand the program runs as an X11 client, unless the user chose.
void preferX11(int argc, char** argv) {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && *platform != '\0')
        return;
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]) == "-platform")
            return;
    const char* x11 = std::getenv("DISPLAY");
    if (x11 != nullptr && *x11 != '\0')
        setenv("QT_QPA_PLATFORM", "xcb", 1);
}

}  // namespace

// motivica --render-motives IN.tnr FIRST COUNT OUT.png: the notation pictures of the help pages,
// drawn by the program itself without a window.
int renderMotives(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: motivica --render-motives IN.tnr FIRST COUNT OUT.png\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    TPeriodData period;
    if (!readDocument(period, argv[2])) {
        std::fprintf(stderr, "cannot read %s\n", argv[2]);
        return 1;
    }
    const QImage picture = notationPicture(period, static_cast<size_t>(std::atoi(argv[3])),
                                           static_cast<size_t>(std::atoi(argv[4])));
    if (picture.isNull() || !picture.save(argv[5])) {
        std::fprintf(stderr, "cannot write %s\n", argv[5]);
        return 1;
    }
    return 0;
}

// the pixel sizes the icon theme gets and the window offers
constexpr int ICON_SIZES[] = {48, 128, 256};

// motivica --render-icon OUTDIR: the program's icon for the desktop's icon theme, drawn by the
// program itself without a window.
int renderIcon(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: motivica --render-icon OUTDIR\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "cannot create %s\n", argv[2]);
        return 1;
    }
    QFile svg(folder.filePath("motivica.svg"));
    const QByteArray svgText = programIconSvg().toUtf8();
    if (!svg.open(QIODevice::WriteOnly) || svg.write(svgText) != svgText.size() || !svg.flush()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(svg.fileName()));
        return 1;
    }
    for (int size : ICON_SIZES) {
        const QString name = folder.filePath(QString("motivica-%1.png").arg(size));
        if (!programIconImage(size).save(name)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
            return 1;
        }
    }
    return 0;
}

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--render-motives")
        return renderMotives(argc, argv);
    if (argc > 1 && std::string(argv[1]) == "--render-icon")
        return renderIcon(argc, argv);
    if (!canOpenAWindow(argc, argv)) {
        std::fprintf(stderr,
                     "cannot open a window: no display; the command-line tool is motivica-cli\n");
        return 1;
    }
    preferX11(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Motivica");
    // the desktop entry's name lets a Wayland compositor find the same icon for the window
    QApplication::setDesktopFileName("motivica");
    QIcon icon;
    for (int size : ICON_SIZES)
        icon.addPixmap(QPixmap::fromImage(programIconImage(size)));
    QApplication::setWindowIcon(icon);
    TMainWindow window(baseFolder());
    const TBaseFolderEnvironment env = currentBaseFolderEnvironment();
    window.keepSessionIn(settingsFolder(env), recoveryFolder(env));
    const QStringList arguments = QApplication::arguments();
    // a document handed over by a file manager opens as Open would open it
    if (arguments.size() > 1)
        window.openUsedDocument(arguments.at(1).toStdString());
    window.show();
    // asked over the window, once it is on the screen
    QTimer::singleShot(0, &window, [&window] { window.offerRecovery(); });
    return QApplication::exec();
}
