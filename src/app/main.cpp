#include "core/datafolder.h"
#include "ui/mainwindow.h"
#include "ui/singleinstance.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QTranslator>

namespace {

// The folder given with --data, empty when none; --help and --version end the program.
QString parseArguments(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Geburtstage und Termine auf einen Blick."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataOption(
        QStringLiteral("data"),
        QStringLiteral("Der Ordner mit geburt.dat und termin.dat (sonst der aktuelle Ordner, "
                       "wenn er sie enthält, sonst %1).")
            .arg(quirnel::datafolder::userDataFolder()),
        QStringLiteral("ORDNER"));
    parser.addOption(dataOption);
    parser.process(app);
    return parser.value(dataOption);
}

// Help and version need no display.
bool onlyText(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-h" || arg == "--help" || arg == "--help-all" || arg == "-v"
            || arg == "--version")
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("quirnel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUIRNEL_VERSION));
    if (onlyText(argc, argv)) {
        const QCoreApplication app(argc, argv);
        parseArguments(app);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    // Qt's own texts (Ja/Nein of the message boxes) in the system's language.
    QTranslator qtTranslations;
    if (qtTranslations.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslations);
    const QString given = parseArguments(app);
    if (!given.isEmpty()) {
        if (const QString problem = quirnel::datafolder::problemWith(given); !problem.isEmpty()) {
            QMessageBox::warning(nullptr, QStringLiteral("QUIRNEL"), problem);
            return 2;
        }
    }

    quirnel::ui::Services services;
    services.dataDir = quirnel::datafolder::choose(given, QDir::currentPath(),
                                                   quirnel::datafolder::userDataFolder());
    quirnel::ui::SingleInstance instance(services.dataDir);
    if (!instance.claim())
        return 0;
    services.restartProgram = [&instance] {
        return instance.handOver([] {
            return QProcess::startDetached(QCoreApplication::applicationFilePath(),
                                           QCoreApplication::arguments().mid(1),
                                           QDir::currentPath());
        });
    };
    quirnel::ui::MainWindow window(services);
    QObject::connect(&instance, &quirnel::ui::SingleInstance::showRequested, &window, [&window] {
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
        window.show();
        window.raise();
        window.activateWindow();
    });
    window.show();
    return QApplication::exec();
}
