#include "ui/mainwindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
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
    quirnel::ui::MainWindow window;
    window.show();
    return QApplication::exec();
}
