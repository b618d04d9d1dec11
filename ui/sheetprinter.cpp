// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/sheetprinter.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

#include "ui/sheetdocument.h"

SheetPrinter::Outcome QtSheetPrinter::print(const QTextDocument& document, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(sheetPageSize(QLocale::system())));
    printer.setDocName(QCoreApplication::translate("GameSheet", "Game Sheet"));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QCoreApplication::translate("GameSheet", "Print Game Sheet"));
    if (dialog.exec() != QDialog::Accepted)
        return Outcome::Cancelled;
    document.print(&printer);
    return printer.printerState() == QPrinter::Error ? Outcome::Failed : Outcome::Printed;
}
