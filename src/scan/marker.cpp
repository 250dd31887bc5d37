#include "scan/marker.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

#include <fcntl.h>
#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// The marker as it appears in a file's bytes. A header with a UTF-16 or UTF-32
// byte-order mark holds it as wide characters, which must start on a
// character boundary; every other header is searched as ASCII-compatible bytes.
struct Needle {
    std::string bytes;
    int unit;
    size_t anchor; // index of the byte searched with memchr: the 'J', rare in C++
};

Needle widen(int unit, bool bigEndian)
{
    const std::string ascii = "Q_OBJECT";
    std::string bytes;
    for (char c : ascii) {
        std::string wide(size_t(unit), '\0');
        wide[bigEndian ? size_t(unit - 1) : 0] = c;
        bytes += wide;
    }
    return { bytes, unit, bytes.find('J') };
}

const Needle &needleFor(const char *start, qint64 size)
{
    static const Needle ascii = widen(1, false);
    static const Needle utf16le = widen(2, false);
    static const Needle utf16be = widen(2, true);
    static const Needle utf32le = widen(4, false);
    static const Needle utf32be = widen(4, true);
    const auto startsWith = [&](const char *bom, qint64 length) {
        return size >= length && std::memcmp(start, bom, size_t(length)) == 0;
    };
    if (startsWith("\xFF\xFE\0\0", 4))
        return utf32le;
    if (startsWith("\0\0\xFE\xFF", 4))
        return utf32be;
    if (startsWith("\xFF\xFE", 2))
        return utf16le;
    if (startsWith("\xFE\xFF", 2))
        return utf16be;
    return ascii;
}

// Offset of the first needle at or after from in data[0, size), or -1.
qint64 find(const char *data, qint64 size, qint64 from, const Needle &needle)
{
    const qint64 length = qint64(needle.bytes.size());
    const qint64 anchor = qint64(needle.anchor);
    for (qint64 start = from; start + length <= size; ++start) {
        const void *hit = std::memchr(data + start + anchor, needle.bytes[needle.anchor],
                                      size_t(size - length - start + 1));
        if (!hit)
            return -1;
        start = static_cast<const char *>(hit) - data - anchor;
        if (std::memcmp(data + start, needle.bytes.data(), size_t(length)) == 0)
            return start;
    }
    return -1;
}

// A header's bytes come in through these three: the C runtime's unbuffered
// file calls, so a header that fits one chunk costs one open, one read and one
// close, with no stat and no read to find the end.
int openForReading(const QString &path)
{
#ifdef Q_OS_WIN
    return _wopen(reinterpret_cast<const wchar_t *>(path.utf16()), _O_RDONLY | _O_BINARY);
#else
    return ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
#endif
}

qint64 readChunk(int fd, char *buffer, qint64 size)
{
#ifdef Q_OS_WIN
    return _read(fd, buffer, unsigned(size));
#else
    qint64 got;
    do
        got = ::read(fd, buffer, size_t(size));
    while (got < 0 && errno == EINTR);
    return got;
#endif
}

void closeFile(int fd)
{
#ifdef Q_OS_WIN
    _close(fd);
#else
    ::close(fd);
#endif
}

// Reads fd chunk by chunk until the marker is found or the file ends.
bool searchFile(int fd)
{
    constexpr qint64 chunkSize = 256 * 1024;
    constexpr qint64 longestNeedle = 32;
    // One buffer for the whole run: the tool is single-threaded, and a header
    // costs no allocation.
    static char buffer[chunkSize + longestNeedle];

    const Needle *needle = nullptr;
    qint64 carried = 0; // bytes kept from the last chunk, for a marker split across two
    qint64 offset = 0;  // file offset of buffer[0]
    for (;;) {
        const qint64 got = std::max<qint64>(readChunk(fd, buffer + carried, chunkSize), 0);
        const qint64 size = carried + got;
        if (!needle)
            needle = &needleFor(buffer, size);
        for (qint64 at = find(buffer, size, 0, *needle); at >= 0; at = find(buffer, size, at + 1, *needle)) {
            if ((offset + at) % needle->unit == 0) // the byte-order mark is one unit long
                return true;
        }
        if (got < chunkSize) // a short read of a regular file: its end (or an error)
            return false;
        carried = std::min(size, qint64(needle->bytes.size()) - 1);
        std::memmove(buffer, buffer + size - carried, size_t(carried));
        offset += size - carried;
    }
}

} // namespace

bool containsQObjectMarker(const QString &filePath)
{
    const int fd = openForReading(filePath);
    if (fd < 0)
        return false;
    const bool found = searchFile(fd);
    closeFile(fd);
    return found;
}
