#pragma once

#include <QByteArray>

// ASCII text behind a byte-order mark, in UTF-16 or UTF-32 of either byte
// order: what Windows editors write.
inline QByteArray wide(const QByteArray &ascii, int unit, bool bigEndian)
{
    QByteArray bytes;
    const auto put = [&](uint code) {
        for (int i = 0; i < unit; ++i)
            bytes += char((code >> (8 * (bigEndian ? unit - 1 - i : i))) & 0xFF);
    };
    put(0xFEFF);
    for (char c : ascii)
        put(uchar(c));
    return bytes;
}
