#include <QGuiApplication>

#include "app/DuelApp.h"

int main(int argc, char** argv) {
    CDuelApp app(argc, argv);
    // Lets the desktop match the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(SKIRMORA_APP_ID));
    app.InitInstance();
    return app.exec();
}
