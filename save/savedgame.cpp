#include "save/savedgame.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "app/fieldmodel.h"
#include "app/filebytes.h"
#include "app/legacytext.h"

namespace SavedGame {

const std::array<Member, kLineCount>& lineFields() {
    using enum Ctl;
    static const std::array<Member, kLineCount> fields = {{
        {txtAway, 1}, {txtHome, 1}, {txt1V, 1},  {txt1H, 1},    {txt2V, 1},    {txt2H, 1},     {txt3V, 1},
        {txt3H, 1},   {txtOTV, 1},  {txtOTH, 1}, {txtFV, 1},    {txtFH, 1},    {txtAway, 2},   {txtHome, 2},
        {txt1V, 2},   {txt1H, 2},   {txt2V, 2},  {txt2H, 2},    {txt3V, 2},    {txt3H, 2},     {txtOTV, 2},
        {txtOTH, 2},  {txtFV, 2},   {txtFH, 2},  {txtTimer, 0}, {txtClock, 0}, {txtPeriod, 0},
    }};
    return fields;
}

Lines linesOf(const FieldModel& fields) {
    Lines lines;
    for (int i = 0; i < kLineCount; ++i)
        lines[i] = fields.text(lineFields()[i].ctl, lineFields()[i].index);
    return lines;
}

QByteArray encode(const Lines& lines) {
    QByteArray bytes;
    // Reading drops one leading byte-order mark; a first line that begins with one (a team
    // name loaded from a file that had two) keeps it only if the file carries another.
    if (lines[0].startsWith(QChar(0xFEFF)))
        bytes += "\xEF\xBB\xBF";
    for (const QString& line : lines) {
        // A pasted line break would split the field over two lines and shift every later
        // field of the file; it is written as a blank.
        QString text = line;
        text.replace(u'\r', u' ').replace(u'\n', u' ');
        bytes += text.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

ParseResult parse(const QByteArray& bytes) {
    const QString text = decodeTextFile(bytes);
    Lines lines;
    int count = 0;
    qsizetype pos = 0;
    while (count < kLineCount && pos < text.size()) {
        qsizetype end = pos;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        lines[count++] = text.mid(pos, end - pos);
        if (end < text.size() && text[end] == u'\r')
            ++end;
        if (end < text.size() && text[end] == u'\n')
            ++end;
        pos = end;
    }
    if (count < kLineCount) {
        return Refusal{
            QStringLiteral("It holds %1 of the %2 lines of a saved game.").arg(count).arg(kLineCount)};
    }
    return lines;
}

ParseResult readFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return Refusal{QStringLiteral("The file does not exist.")};
    if (!info.isFile())
        return Refusal{QStringLiteral("It is not a file.")};
    if (info.size() > kMaxFileBytes) {
        return Refusal{QStringLiteral("It is too large to be a saved game.")};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Refusal{QStringLiteral("It cannot be read: %1.").arg(file.errorString())};
    }
    const QByteArray bytes = readAtMost(file, kMaxFileBytes);
    if (file.error() != QFileDevice::NoError) {
        return Refusal{QStringLiteral("It cannot be read: %1.").arg(file.errorString())};
    }
    if (bytes.size() > kMaxFileBytes)
        return Refusal{QStringLiteral("It is too large to be a saved game.")};
    return parse(bytes);
}

std::optional<QString> writeFile(const Lines& lines, const QString& path) {
    const QByteArray bytes = encode(lines);
    QSaveFile file(path);
    // Unbuffered, so that every failed write shows here. A buffered QSaveFile (Qt 6.4) loses
    // the error of the flush in commit() and puts a cut-off file, or on a full disk an empty
    // one, in place of the earlier saved game.
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        qint64 written = 0;
        while (written < bytes.size()) {
            // A short write is retried, so that the next one reports why it stopped.
            const qint64 chunk = file.write(bytes.constData() + written, bytes.size() - written);
            if (chunk <= 0)
                break;
            written += chunk;
        }
        if (written == bytes.size() && file.commit())
            return std::nullopt;
    }
    const QString reason = file.errorString();
    file.cancelWriting();
    return reason.isEmpty() ? QStringLiteral("Unknown error") : reason;
}

void apply(FieldModel& fields, const Lines& lines) {
    for (int i = 0; i < kLineCount; ++i)
        fields.setText(lineFields()[i].ctl, lineFields()[i].index, lines[i]);
}

}  // namespace SavedGame
