#pragma once

#include <span>

#include "resources/ResourceIds.h"

// The setup dialog (131) and the About box (130) as data: their controls in template order,
// which is also the tab order, with positions and sizes in dialog units. The dialog builder
// turns a template into a dialog; nothing else knows the layout.

// Window styles of a dialog and of its controls. Only the styles the templates use.
enum TemplateStyle : unsigned {
    kWsPopup = 1u << 0,
    kWsCaption = 1u << 1,
    kWsSysMenu = 1u << 2,
    kWsChild = 1u << 3,
    kWsVisible = 1u << 4,
    kWsTabStop = 1u << 5,
    kWsGroup = 1u << 6,
    kDsModalFrame = 1u << 7,
    kDsSetFont = 1u << 8,
    kDs3dLook = 1u << 9,
    kDsCenter = 1u << 10,
    kBsDefPushButton = 1u << 11,
    kBsAutoCheckBox = 1u << 12,
    kBsGroupBox = 1u << 13,
    kSsLeft = 1u << 14,
    kSsCenter = 1u << 15,
    kSsCenterImage = 1u << 16,
    kSsBitmap = 1u << 17,
    kSsIcon = 1u << 18,
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
    unsigned style;  // beyond kWsChild | kWsVisible, which every control has
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

inline constexpr unsigned kControlBase = kWsChild | kWsVisible;

inline constexpr ControlTemplate kSetupControls[] = {
    {kIdOk, ControlClass::Button, "OK", 0, 72, 126, 50, 14,
     kControlBase | kBsDefPushButton | kWsTabStop},
    {kLeftHumanCheckBox, ControlClass::Button, "Clovek", 0, 49, 30, 74, 10,
     kControlBase | kBsAutoCheckBox | kWsTabStop},
    {kNoControlId, ControlClass::Static, "Za imperatora Orvanthe hraje : ", 0, 48, 15, 130, 15,
     kControlBase | kSsLeft | kWsGroup},
    {kNoControlId, ControlClass::Button, "Imperator", 0, 7, 7, 180, 39, kControlBase | kBsGroupBox},
    {kRightHumanCheckBox, ControlClass::Button, "Clovek", 0, 50, 70, 74, 10,
     kControlBase | kBsAutoCheckBox | kWsTabStop},
    {kNoControlId, ControlClass::Static, "Za vudce povstalcu Quorbana  hraje : ", 0, 49, 55, 132,
     14, kControlBase | kSsLeft | kWsGroup},
    {kNoControlId, ControlClass::Button, "Povstalec", 0, 7, 49, 180, 39,
     kControlBase | kBsGroupBox},
    {kNoControlId, ControlClass::Static, nullptr, kLeftShipImage, 15, 24, 25, 11,
     kControlBase | kSsBitmap},
    {kNoControlId, ControlClass::Static, nullptr, kRightShipImage, 14, 63, 27, 10,
     kControlBase | kSsBitmap},
    {kNoControlId, ControlClass::Static, nullptr, kEmblemIcon, 67, 99, 16, 16,
     kControlBase | kSsIcon},
    {kNoControlId, ControlClass::Static, "vs.", 0, 87, 101, 20, 14,
     kControlBase | kSsCenter | kSsCenterImage | kWsGroup},
    {kNoControlId, ControlClass::Static, nullptr, kRebelEmblemIcon, 111, 100, 16, 16,
     kControlBase | kSsIcon},
};

inline constexpr ControlTemplate kAboutControls[] = {
    {kIdOk, ControlClass::Button, "OK", 0, 135, 7, 50, 14,
     kControlBase | kBsDefPushButton | kWsTabStop},
    {kNoControlId, ControlClass::Static, "Skirmora - beta 2", 0, 32, 7, 85, 10,
     kControlBase | kSsLeft | kSsCenterImage | kWsGroup},
    {kNoControlId, ControlClass::Static, nullptr, kEmblemIcon, 7, 7, 20, 20,
     kControlBase | kSsIcon},
    {kNoControlId, ControlClass::Static, nullptr, kRebelEmblemIcon, 7, 31, 20, 20,
     kControlBase | kSsIcon},
};

inline constexpr unsigned kModalDialogStyle =
    kWsPopup | kWsCaption | kWsSysMenu | kDsModalFrame | kDsSetFont | kDs3dLook;

inline constexpr DialogTemplate kSetupDialogTemplate{
    kSetupDialog,  "Nova hra", 194, 147, "MS Sans Serif", 8, kModalDialogStyle | kDsCenter,
    kSetupControls};

inline constexpr DialogTemplate kAboutDialogTemplate{
    kAboutDialog,      "O Aplikaci Skirmora", 192, 54, "MS Sans Serif", 8,
    kModalDialogStyle, kAboutControls};
