// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// Decodes a text file's bytes as other editors write them. A leading byte-order mark says the
// encoding and is dropped: UTF-8, or UTF-16 little or big endian. Without one, each line is
// UTF-8 when its bytes are valid UTF-8, else Windows-1252, the 8-bit code page of older Windows
// programs, so that one line written by such a program leaves the others as they are. Line ends
// are kept. Never fails: every byte sequence gives some text, and the same text each time. A
// malformed UTF-16 sequence (an unpaired surrogate, an odd last byte) becomes U+FFFD, so the
// text is always well-formed Unicode.
QString decodeText(const QByteArray& bytes);

// Windows-1252 alone, byte by byte.
QString decodeWindows1252(QByteArrayView bytes);
