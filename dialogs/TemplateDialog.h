// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <vector>

#include "desktop/FramePlacement.h"
#include "dialogs/DialogUnits.h"
#include "resources/DialogTemplates.h"

// A modal dialog built from its template: fixed size, the template's font, its controls at
// their places in template order (also the tab order), a title bar and a window menu where
// its style asks for them (a title bar of its own where the window system's would offer to
// maximise or resize it), and centred on the primary screen's work area where its style says
// kDsCenter. Like the dialogs of a classic desktop framework, it exchanges data with its
// controls when it opens and when OK is pressed, and ends with OK (the OK button or Enter) or
// Cancel (Escape or the title bar's close button).
class CTemplateDialog : public QDialog {
    Q_OBJECT

public:
    // Lays the dialog out by the base units of its font.
    CTemplateDialog(const DialogTemplate& dialogTemplate, QWidget* parent);
    // Lays it out by the given base units instead, whatever the font measures.
    CTemplateDialog(const DialogTemplate& dialogTemplate, QWidget* parent, DialogBaseUnits units);

    // The controls in template order, and the first control with an identifier.
    const std::vector<QWidget*>& Controls() const { return controls; }
    QWidget* Control(int id) const;

    // The base units the dialog is laid out by, and a rectangle in dialog units in pixels.
    DialogBaseUnits BaseUnits() const { return baseUnits; }
    QRect ToPixels(int x, int y, int width, int height) const;

    // Where the dialog's outer rectangle goes, for its outer width and height.
    using Placement = CFramePlacement::Placement;

    // Places the dialog now, taking its own size for the outer size while its frame is
    // unknown, and again by its outer size as soon as the window system tells the frame.
    void PlaceBy(Placement placement);

    void accept() override;
    void reject() override;

protected:
    // Moves data between the dialog's fields and its controls: towards the controls when the
    // dialog opens, from them on OK.
    virtual void DoDataExchange(bool toControls);
    // OK: data from the controls, then the dialog ends with OK.
    virtual void OnOK();
    // Cancel: the dialog ends with Cancel; nothing is exchanged.
    virtual void OnCancel();

    void showEvent(QShowEvent* event) override;

private:
    void Build(const DialogTemplate& dialogTemplate);
    QWidget* CreateControl(const ControlTemplate& control);
    void ChainTabOrder();

    DialogBaseUnits baseUnits;
    // Where the controls are: the dialog itself, or the area below a title bar of its own.
    QWidget* clientArea = this;
    std::vector<QWidget*> controls;
    bool exchangedOnOpen = false;
    CFramePlacement framePlacement{*this};
};

// The font a template names, or the system's sans-serif font at the same size where that font
// is not installed.
QFont DialogFont(const DialogTemplate& dialogTemplate);
