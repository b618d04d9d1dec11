// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/classicstyle.h"

#include <QApplication>
#include <QIcon>
#include <QProxyStyle>
#include <QStyleFactory>

#include "ui/layout.h"

namespace {

class Style : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    // A menu bar asks for the icon of its overflow button when it is built, and reading that
    // icon loads every image format plugin. The window's one menu never overflows.
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (which == SP_ToolBarHorizontalExtensionButton)
            return QIcon();
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

}  // namespace

namespace ClassicStyle {

void applyToApplication() {
    if (dynamic_cast<Style*>(QApplication::style()))
        return;
    QApplication::setStyle(new Style(QStyleFactory::create(QStringLiteral("Windows"))));
    QApplication::setFont(Layout::makeFont(Layout::kDialogFont));
}

}  // namespace ClassicStyle
