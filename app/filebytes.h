#pragma once

#include <QByteArray>
#include <QFile>

// Reads an open file to its end, but never more than one byte past `limit`, so that a
// file which grew beyond the limit after its size was checked is still recognised as too
// large. The buffer grows with what is read, from the size the file reports, so reading a
// small file never reserves a buffer the size of the limit. Errors are left in file.error().
QByteArray readAtMost(QFile& file, qint64 limit);
