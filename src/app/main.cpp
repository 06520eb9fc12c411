#include "ui/mainwindow.h"
#include "ui/singleinstance.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QProcess>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    // Qt's own texts (Ja/Nein of the message boxes) in the system's language.
    QTranslator qtTranslations;
    if (qtTranslations.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslations);

    quirnel::ui::Services services;
    services.dataDir = QDir::currentPath();
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
