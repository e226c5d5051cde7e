// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/MenuBuilder.h"

#include <QMenu>
#include <QMenuBar>

void BuildMenuBar(QMenuBar& bar, std::span<const MenuTemplate> menus,
                  const std::function<void(int command)>& onCommand) {
    for (const MenuTemplate& menu : menus) {
        QMenu* dropDown = bar.addMenu(QString::fromLatin1(menu.title));
        for (const MenuItemTemplate& item : menu.items) {
            if (item.text == nullptr) {
                dropDown->addSeparator();
                continue;
            }
            QAction* action = dropDown->addAction(QString::fromLatin1(item.text));
            action->setData(item.command);
            const int command = item.command;
            QObject::connect(action, &QAction::triggered, &bar,
                             [onCommand, command] { onCommand(command); });
        }
    }
}
