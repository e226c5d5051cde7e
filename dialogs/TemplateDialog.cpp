// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/TemplateDialog.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <utility>

#include "desktop/ScreenGeometry.h"
#include "dialogs/DialogTitleBar.h"
#include "dialogs/GroupFrame.h"
#include "render/ImageLoader.h"
#include "resources/PictureSizes.h"
#include "resources/ResourcePaths.h"

namespace {

constexpr char kControlIdProperty[] = "controlId";

// Icons show at the size they are drawn at, whatever size the template gives them.
QPixmap IconPixmap(int id) {
    return QIcon(QString::fromStdString(IconResourcePath(id))).pixmap(kIconSide, kIconSide);
}

QLabel* CreateStatic(const ControlTemplate& control, QWidget* parent) {
    auto* label = new QLabel(parent);
    if (control.style & kSsBitmap) {
        label->setPixmap(QPixmap::fromImage(LoadBitmapById(control.imageId)));
        return label;
    }
    if (control.style & kSsIcon) {
        label->setPixmap(IconPixmap(control.imageId));
        return label;
    }
    label->setText(QString::fromLatin1(control.text));
    label->setTextFormat(Qt::PlainText);
    const Qt::Alignment horizontal = (control.style & kSsCenter) ? Qt::AlignHCenter : Qt::AlignLeft;
    // A vertically centred text stays on one line; the others wrap within their box.
    if (control.style & kSsCenterImage) {
        label->setAlignment(horizontal | Qt::AlignVCenter);
    } else {
        label->setAlignment(horizontal | Qt::AlignTop);
        label->setWordWrap(true);
    }
    return label;
}

}  // namespace

QFont DialogFont(const DialogTemplate& dialogTemplate) {
    const QString family = QString::fromLatin1(dialogTemplate.fontName);
    QFont font = QFontDatabase::hasFamily(family)
                     ? QFont(family)
                     : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(dialogTemplate.fontPoints);
    return font;
}

CTemplateDialog::CTemplateDialog(const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent) {
    setFont(DialogFont(dialogTemplate));
    baseUnits = BaseUnitsOf(QFontMetrics(font()));
    Build(dialogTemplate);
}

CTemplateDialog::CTemplateDialog(const DialogTemplate& dialogTemplate, QWidget* parent,
                                 DialogBaseUnits units)
    : QDialog(parent), baseUnits(units) {
    setFont(DialogFont(dialogTemplate));
    Build(dialogTemplate);
}

void CTemplateDialog::Build(const DialogTemplate& dialogTemplate) {
    const QString title = QString::fromLatin1(dialogTemplate.title);
    setWindowTitle(title);
    const bool sysMenu = (dialogTemplate.style & kWsSysMenu) != 0;
    Qt::WindowFlags flags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint;
    if (dialogTemplate.style & kWsCaption) {
        flags |= Qt::WindowTitleHint;
    }
    if (sysMenu) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    const QRect client = ToPixels(0, 0, dialogTemplate.width, dialogTemplate.height);
    int titleHeight = 0;
    if ((dialogTemplate.style & kWsCaption) &&
        DrawsOwnTitleBar(QGuiApplication::platformName(),
                         qEnvironmentVariable("XDG_CURRENT_DESKTOP"))) {
        flags = Qt::Dialog | Qt::FramelessWindowHint;
        auto* bar = new CDialogTitleBar(title, sysMenu, this);
        connect(bar, &CDialogTitleBar::closeRequested, this, &CTemplateDialog::reject);
        titleHeight = bar->sizeHint().height();
        bar->setGeometry(0, 0, client.width(), titleHeight);
        clientArea = new QWidget(this);
        clientArea->setGeometry(0, titleHeight, client.width(), client.height());
    }
    setWindowFlags(flags);
    setModal(true);
    setFixedSize(client.width(), client.height() + titleHeight);
    for (const ControlTemplate& control : dialogTemplate.controls) {
        controls.push_back(CreateControl(control));
    }
    ChainTabOrder();

    // Centred on the work area of the screen the owner is on; before the owner is first shown
    // it is on no screen yet, and the primary screen is the one the game opens on.
    if (dialogTemplate.style & kDsCenter) {
        PlaceBy([owner = parentWidget()](int width, int height) {
            const ScreenRect workArea = (owner != nullptr && owner->isVisible())
                                            ? WorkAreaNearest(owner->frameGeometry())
                                            : PrimaryWorkArea();
            return CentreOver(width, height, workArea, workArea);
        });
    }
}

QRect CTemplateDialog::ToPixels(int x, int y, int width, int height) const {
    return DialogUnitsToPixels(baseUnits, x, y, width, height);
}

QWidget* CTemplateDialog::CreateControl(const ControlTemplate& control) {
    QWidget* widget = nullptr;
    if (control.controlClass == ControlClass::Static) {
        widget = CreateStatic(control, clientArea);
    } else if (control.style & kBsAutoCheckBox) {
        widget = new QCheckBox(QString::fromLatin1(control.text), clientArea);
    } else if (control.style & kBsGroupBox) {
        widget = new CGroupFrame(QString::fromLatin1(control.text), clientArea);
    } else {
        auto* button = new QPushButton(QString::fromLatin1(control.text), clientArea);
        button->setDefault((control.style & kBsDefPushButton) != 0);
        button->setAutoDefault(false);
        if (control.id == kIdOk) {
            connect(button, &QPushButton::clicked, this, &CTemplateDialog::accept);
        }
        widget = button;
    }
    widget->setProperty(kControlIdProperty, control.id);
    widget->setFocusPolicy((control.style & kWsTabStop) ? Qt::StrongFocus : Qt::NoFocus);

    QRect place = ToPixels(control.x, control.y, control.width, control.height);
    // Pictures take the size of their image, as the window system's picture controls do.
    if (const auto* label = qobject_cast<QLabel*>(widget); label && !label->pixmap().isNull()) {
        place.setSize(label->pixmap().deviceIndependentSize().toSize());
    }
    widget->setGeometry(place);
    if (control.style & kBsGroupBox) {
        widget->lower();
    }
    return widget;
}

void CTemplateDialog::ChainTabOrder() {
    QWidget* previous = nullptr;
    for (QWidget* widget : controls) {
        if (widget->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previous != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

QWidget* CTemplateDialog::Control(int id) const {
    for (QWidget* widget : controls) {
        if (widget->property(kControlIdProperty).toInt() == id) {
            return widget;
        }
    }
    return nullptr;
}

void CTemplateDialog::showEvent(QShowEvent* event) {
    if (!exchangedOnOpen) {
        exchangedOnOpen = true;
        DoDataExchange(true);
    }
    QDialog::showEvent(event);
}

void CTemplateDialog::PlaceBy(Placement newPlacement) {
    framePlacement.PlaceBy(std::move(newPlacement));
}

void CTemplateDialog::DoDataExchange(bool) {}

void CTemplateDialog::OnOK() {
    DoDataExchange(false);
    QDialog::accept();
}

void CTemplateDialog::OnCancel() {
    QDialog::reject();
}

void CTemplateDialog::accept() {
    OnOK();
}

void CTemplateDialog::reject() {
    OnCancel();
}
