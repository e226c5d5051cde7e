#pragma once

#include <QApplication>
#include <memory>

class CArenaFrame;

// The application: it names the settings' company, builds the main window (which runs the
// setup dialog before the window is shown), shows it and lets the event loop run. Destroying
// the application destroys the main window, whose destructor writes the settings.
class CDuelApp : public QApplication {
    Q_OBJECT

public:
    CDuelApp(int& argc, char** argv);
    ~CDuelApp() override;

    // Start-up before the event loop. Always succeeds: the loop runs in any case.
    bool InitInstance();

    CArenaFrame* MainFrame() const { return mainFrame.get(); }

    // Destroys the main window now, writing the settings, as the application's end does.
    void DestroyMainFrame();

private:
    std::unique_ptr<CArenaFrame> mainFrame;
};
