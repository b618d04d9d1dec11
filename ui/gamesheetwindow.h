// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "ui/sheetdocument.h"
#include "ui/sheetprinter.h"

class Dialogs;
class QComboBox;
class QTextBrowser;

// The game sheet as a tool window: the sheet as it prints, a choice of each of the three
// stars, and buttons to export it as a PDF file and to print it. It reads the sheet from its
// source when shown and after each step while it is shown; it changes nothing itself but asks
// for the stars through its signal.
class GameSheetWindow : public QWidget {
    Q_OBJECT

public:
    using Source = std::function<SheetContent()>;
    using StarPicks = std::array<std::optional<StarPick>, 3>;

    // Files are offered in folder first.
    GameSheetWindow(Source source, Dialogs& dialogs, QString folder, QWidget* parent = nullptr);
    ~GameSheetWindow() override;

    // In place of Qt's print dialog; the window does not own it.
    void setPrinter(SheetPrinter* printer) { m_printer = printer; }

    // The sheet changed: shown at once while the window is open, else when it opens.
    void stepTaken();

    QTextBrowser* browser() const { return m_browser; }
    // Place 0 to 2: the first, second and third star.
    QComboBox* starBox(int place) const { return m_stars.at(place); }

    // Asks for a file and writes the sheet there as a PDF file; tells how it went.
    void exportPdf();
    void exportPdfTo(const QString& path);
    void print();

signals:
    void starsPicked(const GameSheetWindow::StarPicks& picks);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refresh();
    void showStars();
    void starChosen(int place);

    Source m_source;
    Dialogs& m_dialogs;
    QString m_folder;
    SheetContent m_content;
    bool m_stale = true;
    QTextBrowser* m_browser = nullptr;
    std::array<QComboBox*, 3> m_stars{};
    std::unique_ptr<SheetPrinter> m_qtPrinter;
    SheetPrinter* m_printer = nullptr;
};
