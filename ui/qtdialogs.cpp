// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/qtdialogs.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>

void QtDialogs::about(const QString& title, const QString& text) {
    QMessageBox::about(m_parent, title, text);
}

void QtDialogs::aboutToolkit() {
    QMessageBox::aboutQt(m_parent);
}

MessageAnswer QtDialogs::message(const QString& text, MessageButtons buttons) {
    return showMessage(text, buttons, false);
}

MessageAnswer QtDialogs::windowMessage(const QString& text, MessageButtons buttons) {
    return showMessage(text, buttons, true);
}

MessageAnswer QtDialogs::showMessage(const QString& text, MessageButtons buttons, bool englishButtons) {
    // Messages break their lines with "\n", which the message box shows as it is.
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kMessageTitle), text,
                    buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    m_parent);
    box.setTextFormat(Qt::PlainText);
    if (englishButtons) {
        // The toolkit's own words when no translation is loaded.
        for (const auto& [button, word] :
             {std::pair{QMessageBox::Ok, "OK"}, std::pair{QMessageBox::Yes, "&Yes"},
              std::pair{QMessageBox::No, "&No"}}) {
            if (QAbstractButton* shown = box.button(button))
                shown->setText(QString::fromLatin1(word));
        }
    }
    const int pressed = box.exec();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

std::optional<QString> QtDialogs::openFile(const QString& filter, const QString& directory) {
    const QString chosen = QFileDialog::getOpenFileName(m_parent, QString(), directory, filter);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

std::optional<QString> QtDialogs::saveFile(const QString& filter, const QString& directory) {
    QFileDialog dialog(m_parent, QString(), directory, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // "CSV (*.csv)": a name typed without ".csv" gets it.
    const QRegularExpressionMatch suffix = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
    if (suffix.hasMatch())
        dialog.setDefaultSuffix(suffix.captured(1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
