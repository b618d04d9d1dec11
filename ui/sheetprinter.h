// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QTextDocument;
class QWidget;

// Sends a document to a printer the player picks. The program prints through Qt's print
// dialog; the tests hand the window a recording one, so that no dialog opens.
class SheetPrinter {
public:
    enum class Outcome { Printed, Cancelled, Failed };

    virtual ~SheetPrinter() = default;
    virtual Outcome print(const QTextDocument& document, QWidget* parent) = 0;
};

class QtSheetPrinter : public SheetPrinter {
public:
    Outcome print(const QTextDocument& document, QWidget* parent) override;
};
