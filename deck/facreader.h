#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "deck/facrecord.h"

// Reading the card file "FAC_Data.txt".
//
// Records follow one another with no header: a card number and 20 texts, 21 fields in
// all. A field ends at a comma or a line end, so a record may run over several lines and
// the fields beyond the 21st of a line belong to the next record. Spaces before a field
// are skipped; a text in double quotes keeps its commas. Before each record the reader
// asks whether anything is left; if anything is, even an empty line, it is a record.

struct FacReadError {
    int number;
    QString description;

    bool operator==(const FacReadError&) const = default;
};

struct FacReadResult {
    FacTable table;
    std::optional<FacReadError> error;  // reading stopped here; the table keeps what was read
};

namespace FacErrors {
inline const FacReadError kFileNotFound{53, QStringLiteral("File not found")};
inline const FacReadError kPastEndOfFile{62, QStringLiteral("Input past end of file")};
inline const FacReadError kTableFull{9, QStringLiteral("Subscript out of range")};
inline const FacReadError kNotAWholeNumber{13, QStringLiteral("Type mismatch")};
inline const FacReadError kNumberOutOfRange{6, QStringLiteral("Overflow")};
inline const FacReadError kCannotRead{75, QStringLiteral("Path/File access error")};
inline const FacReadError kTooLarge{7, QStringLiteral("File too large to be a card file (over 16 MB)")};
}  // namespace FacErrors

// A card file is a few dozen kilobytes; anything past this is refused without being read.
inline constexpr qint64 kMaxFacFileBytes = 16 * 1024 * 1024;

FacReadResult parseFacData(const QString& text);
FacReadResult parseFacBytes(const QByteArray& bytes);
FacReadResult readFacFile(const QString& path);

// "Error 53 trying to read FACs." CR LF "File not found"
QString facErrorMessage(const FacReadError& error);
