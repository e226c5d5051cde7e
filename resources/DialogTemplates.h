// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>

#include "resources/ResourceIds.h"

// The setup dialog (131) and the About box (130) as data: their controls in template order,
// which is also the tab order, with positions and sizes in dialog units. The dialog builder
// turns a template into a dialog; nothing else knows the layout.

// The window styles of the templates that change what the dialog builder makes. Every
// template dialog is a fixed-size modal popup in the font its template names, and every
// control a visible child of it; the styles that say only that are not kept, nor the keyboard
// groups of static texts, which never take the focus here.
enum TemplateStyle : unsigned {
    kWsCaption = 1u << 0,  // a title bar
    kWsSysMenu = 1u << 1,  // the window menu, with the close button
    kDsCenter = 1u << 2,   // opens centred on the primary screen's work area
    kWsTabStop = 1u << 3,  // the control takes the focus
    kBsDefPushButton = 1u << 4,
    kBsAutoCheckBox = 1u << 5,
    kBsGroupBox = 1u << 6,
    kSsCenter = 1u << 7,       // text centred across; left-aligned otherwise
    kSsCenterImage = 1u << 8,  // text centred down, on one line; from the top, wrapped, otherwise
    kSsBitmap = 1u << 9,
    kSsIcon = 1u << 10,
};

enum class ControlClass { Button, Static };

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kNoControlId = -1;
inline constexpr int kLeftHumanCheckBox = 1000;
inline constexpr int kRightHumanCheckBox = 1001;

struct ControlTemplate {
    int id;
    ControlClass controlClass;
    const char* text;  // nullptr for pictures
    int imageId;       // bitmap or icon identifier for pictures, else 0
    int x, y, width, height;
    unsigned style;
};

struct DialogTemplate {
    int id;
    const char* title;
    int width, height;
    const char* fontName;
    int fontPoints;
    unsigned style;
    std::span<const ControlTemplate> controls;
};

inline constexpr ControlTemplate kSetupControls[] = {
    {kIdOk, ControlClass::Button, "OK", 0, 72, 126, 50, 14, kBsDefPushButton | kWsTabStop},
    {kLeftHumanCheckBox, ControlClass::Button, "Clovek", 0, 49, 30, 74, 10,
     kBsAutoCheckBox | kWsTabStop},
    {kNoControlId, ControlClass::Static, "Za imperatora Orvanthe hraje : ", 0, 48, 15, 130, 15, 0},
    {kNoControlId, ControlClass::Button, "Imperator", 0, 7, 7, 180, 39, kBsGroupBox},
    {kRightHumanCheckBox, ControlClass::Button, "Clovek", 0, 50, 70, 74, 10,
     kBsAutoCheckBox | kWsTabStop},
    {kNoControlId, ControlClass::Static, "Za vudce povstalcu Quorbana  hraje : ", 0, 49, 55, 132,
     14, 0},
    {kNoControlId, ControlClass::Button, "Povstalec", 0, 7, 49, 180, 39, kBsGroupBox},
    {kNoControlId, ControlClass::Static, nullptr, kLeftShipImage, 15, 24, 25, 11, kSsBitmap},
    {kNoControlId, ControlClass::Static, nullptr, kRightShipImage, 14, 63, 27, 10, kSsBitmap},
    {kNoControlId, ControlClass::Static, nullptr, kEmblemIcon, 67, 99, 16, 16, kSsIcon},
    {kNoControlId, ControlClass::Static, "vs.", 0, 87, 101, 20, 14, kSsCenter | kSsCenterImage},
    {kNoControlId, ControlClass::Static, nullptr, kRebelEmblemIcon, 111, 100, 16, 16, kSsIcon},
};

inline constexpr ControlTemplate kAboutControls[] = {
    {kIdOk, ControlClass::Button, "OK", 0, 135, 7, 50, 14, kBsDefPushButton | kWsTabStop},
    {kNoControlId, ControlClass::Static, "Skirmora - beta 2", 0, 32, 7, 85, 10, kSsCenterImage},
    {kNoControlId, ControlClass::Static, nullptr, kEmblemIcon, 7, 7, 20, 20, kSsIcon},
    {kNoControlId, ControlClass::Static, nullptr, kRebelEmblemIcon, 7, 31, 20, 20, kSsIcon},
};

inline constexpr unsigned kModalDialogStyle = kWsCaption | kWsSysMenu;

inline constexpr DialogTemplate kSetupDialogTemplate{
    kSetupDialog,  "Nova hra", 194, 147, "MS Sans Serif", 8, kModalDialogStyle | kDsCenter,
    kSetupControls};

inline constexpr DialogTemplate kAboutDialogTemplate{
    kAboutDialog,      "O Aplikaci Skirmora", 192, 54, "MS Sans Serif", 8,
    kModalDialogStyle, kAboutControls};
