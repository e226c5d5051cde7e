#include "GuiTestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimerEvent>
#include <QtTest/QTest>
#include <sstream>

#include "app/ArenaCanvas.h"
#include "app/ArenaFrame.h"
#include "app/SettingsStore.h"
#include "dialogs/TemplateDialog.h"
#include "render/ImageLoader.h"
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"

ScopedConfigHome::ScopedConfigHome() {
    hadConfigHome = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    savedConfigHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    SetCompanyKey(QString::fromLatin1(kCompanyKey));
}

ScopedConfigHome::~ScopedConfigHome() {
    if (hadConfigHome) {
        qputenv("XDG_CONFIG_HOME", savedConfigHome);
    } else {
        qunsetenv("XDG_CONFIG_HOME");
    }
}

QString ScopedConfigHome::SettingsFile() const {
    // The test executables' names have no extension, so the whole file name is the key.
    const QString executable = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    return home.path() + QStringLiteral("/Brontel/") + executable + QStringLiteral(".conf");
}

void ScopedConfigHome::Seed(const QByteArray& iniText) const {
    const QString file = SettingsFile();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(file).absolutePath()));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(out.write(iniText), iniText.size());
}

std::optional<QString> ScopedConfigHome::Stored(const char* section, const char* value) const {
    const QSettings reader(SettingsFile(), QSettings::IniFormat);
    const QString key = QString::fromLatin1(section) + u'/' + QString::fromLatin1(value);
    if (!reader.contains(key)) {
        return std::nullopt;
    }
    return reader.value(key).toString();
}

ModalAnswerer::ModalAnswerer(Answer answer, int limitMs)
    : answer(std::move(answer)), limitMs(limitMs) {
    clock.start();
    poller.setInterval(5);
    connect(&poller, &QTimer::timeout, this, &ModalAnswerer::Poll);
    poller.start();
}

void ModalAnswerer::Poll() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    const bool overdue = clock.elapsed() > limitMs;
    if (dialog != nullptr && dialog->isVisible()) {
        seen = true;
        if (overdue) {
            ADD_FAILURE() << "the modal dialog \"" << dialog->windowTitle().toStdString()
                          << "\" was still open after " << limitMs << " ms; rejected";
            poller.stop();
            dialog->reject();
            return;
        }
        if (answer(*dialog)) {
            done = true;
            poller.stop();
        }
        return;
    }
    if (overdue) {
        poller.stop();  // none came up; the caller sees it in Seen()
    }
}

CTemplateDialog* AsTemplateDialog(QDialog& dialog) {
    auto* built = qobject_cast<CTemplateDialog*>(&dialog);
    if (built == nullptr) {
        ADD_FAILURE() << "the modal dialog is not built from a template";
    }
    return built;
}

bool ClickOk(QDialog& dialog) {
    CTemplateDialog* built = AsTemplateDialog(dialog);
    auto* ok = built ? qobject_cast<QPushButton*>(built->Control(kIdOk)) : nullptr;
    if (ok == nullptr) {
        ADD_FAILURE() << "no OK button";
        dialog.reject();
        return true;
    }
    QTest::mouseClick(ok, Qt::LeftButton);
    return true;
}

void ClickIndicator(QCheckBox& box) {
    QStyleOptionButton option;
    option.initFrom(&box);
    const QRect indicator =
        box.style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &box);
    QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, indicator.center());
}

bool PressEscape(QDialog& dialog) {
    QTest::keyClick(&dialog, Qt::Key_Escape);
    return true;
}

TickProbe::TickProbe(QObject& frame) {
    frame.installEventFilter(this);
}

bool TickProbe::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Timer) {
        ++count;
        latestTimerId = static_cast<QTimerEvent*>(event)->timerId();
    }
    return QObject::eventFilter(watched, event);
}

bool TickProbe::WaitForMore(int more) {
    const int target = count + more;
    return QTest::qWaitFor([&] { return count >= target; }, kWaitLimitMs);
}

void DeliverTick(CArenaFrame& frame, int timerId) {
    QTimerEvent event(timerId);
    QCoreApplication::sendEvent(&frame, &event);
}

LoadedArt::LoadedArt()
    : background(LoadBitmapById(kBackgroundBitmap)),
      left(kEmperorSpriteIds),
      right(kRebelSpriteIds) {}

std::unique_ptr<CArenaFrame> MakeFrame(const ModalAnswerer::Answer& answer) {
    ModalAnswerer answerer(answer);
    auto frame = std::make_unique<CArenaFrame>();
    EXPECT_TRUE(answerer.Seen()) << "the main window opened no setup dialog";
    EXPECT_TRUE(answerer.Done()) << "the setup dialog was not answered";
    return frame;
}

bool ShowAndExpose(CArenaFrame& frame) {
    frame.show();
    return QTest::qWaitForWindowExposed(&frame, kWaitLimitMs);
}

CArenaCanvas& CanvasOf(CArenaFrame& frame) {
    auto* canvas = qobject_cast<CArenaCanvas*>(frame.centralWidget());
    Q_ASSERT(canvas != nullptr);
    return *canvas;
}

bool ResizeClientTo(CArenaFrame& frame, const QSize& client) {
    CArenaCanvas& canvas = CanvasOf(frame);
    return QTest::qWaitFor(
        [&] {
            const QSize now = canvas.contentsRect().size();
            if (now != client) {
                frame.resize(frame.size() + (client - now));
            }
            return canvas.contentsRect().size() == client;
        },
        kWaitLimitMs);
}

QAction* MenuAction(CArenaFrame& frame, const QString& text) {
    for (QAction* menuAction : frame.menuBar()->actions()) {
        if (menuAction->menu() == nullptr) {
            continue;
        }
        for (QAction* item : menuAction->menu()->actions()) {
            if (item->text() == text) {
                return item;
            }
        }
    }
    return nullptr;
}

int RunEventLoop(const std::function<void()>& start) {
    QTimer::singleShot(0, start);
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [] {
        ADD_FAILURE() << "the event loop was still running after " << kWaitLimitMs << " ms";
        QCoreApplication::exit(kLoopTimedOut);
    });
    limit.start(kWaitLimitMs);
    return QCoreApplication::exec();
}

namespace {

std::string Describe(const CShip& ship) {
    std::ostringstream text;
    text << "at (" << ship.x << ", " << ship.y << ") target (" << ship.targetX << ", "
         << ship.targetY << ") box (" << ship.minX << ", " << ship.minY << ", " << ship.maxX << ", "
         << ship.maxY << ") step " << ship.shotStep << " computer " << ship.computer << " energy "
         << ship.energy << " reload " << ship.reload << " shots";
    for (const WorldPoint& shot : ship.shots) {
        text << " (" << shot.x << ", " << shot.y << ")";
    }
    return text.str();
}

}  // namespace

::testing::AssertionResult SameRound(const CBattleRound& actual, const CBattleRound& expected) {
    const std::string actualLeft = Describe(actual.leftShip);
    const std::string actualRight = Describe(actual.rightShip);
    const std::string expectedLeft = Describe(expected.leftShip);
    const std::string expectedRight = Describe(expected.rightShip);
    if (actualLeft != expectedLeft) {
        return ::testing::AssertionFailure()
               << "left ship " << actualLeft << ", expected " << expectedLeft;
    }
    if (actualRight != expectedRight) {
        return ::testing::AssertionFailure()
               << "right ship " << actualRight << ", expected " << expectedRight;
    }
    return ::testing::AssertionSuccess();
}

void PrintTo(const QPoint& point, std::ostream* os) {
    *os << "(" << point.x() << ", " << point.y() << ")";
}

void PrintTo(const QSize& size, std::ostream* os) {
    *os << size.width() << " x " << size.height();
}

void PrintTo(const QRect& rect, std::ostream* os) {
    *os << rect.width() << " x " << rect.height() << " at (" << rect.x() << ", " << rect.y() << ")";
}

void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

void PrintTo(const WorldPoint& point, std::ostream* os) {
    *os << "(" << point.x << ", " << point.y << ")";
}
