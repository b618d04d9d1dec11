#pragma once

#include <QByteArray>
#include <QString>

// Decodes a text file's bytes: as UTF-8 when they are valid UTF-8 (a leading byte-order
// mark is dropped), otherwise as Windows-1252, the 8-bit code page that files written by
// older Windows programs use. Never fails: every byte sequence gives some text.
QString decodeText(const QByteArray& bytes);

// Windows-1252 alone, byte by byte.
QString decodeWindows1252(const QByteArray& bytes);
