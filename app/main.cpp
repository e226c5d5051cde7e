#include "app/DuelApp.h"

int main(int argc, char** argv) {
    CDuelApp app(argc, argv);
    app.InitInstance();
    return app.exec();
}
