#include "dialogs/AboutDlg.h"

#include "dialogs/Centring.h"

CAboutDlg::CAboutDlg(QWidget* mainWindow) : CTemplateDialog(kAboutDialogTemplate, mainWindow) {
    if (mainWindow != nullptr) {
        PlaceBy([mainWindow](int width, int height) {
            const QRect over = mainWindow->frameGeometry();
            return CentreOver(width, height, ToScreenRect(over), WorkAreaNearest(over));
        });
    }
}
