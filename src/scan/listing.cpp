#include "scan/listing.h"

#include <QLatin1String>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <numeric>
#include <vector>

namespace {

// The tails, case respected, of the names that can make a file a generator
// input; the walk decides which kind. Other files are dropped by the listing,
// before their names become text or get sorted.
constexpr const char *inputTails[] = { ".h", ".ui", ".qrc" };

// Indexes of names in name order without regard to case; names equal but for
// case keep a fixed order, upper case first. Each name is folded once, not at
// every comparison.
std::vector<int> nameOrder(const QStringList &names)
{
    QStringList folded;
    folded.reserve(names.size());
    for (const QString &name : names)
        folded.append(name.toCaseFolded());
    std::vector<int> order(size_t(names.size()));
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const int byFolded = folded[a].compare(folded[b]);
        return byFolded != 0 ? byFolded < 0 : names[a] < names[b];
    });
    return order;
}

template <typename T>
QList<T> permuted(const QList<T> &items, const std::vector<int> &order)
{
    QList<T> result;
    result.reserve(items.size());
    for (int index : order)
        result.append(items[index]);
    return result;
}

} // namespace

bool canBeInput(const char *name)
{
    const size_t length = std::strlen(name);
    return std::any_of(std::begin(inputTails), std::end(inputTails), [&](const char *tail) {
        const size_t tailLength = std::strlen(tail);
        return length >= tailLength && std::memcmp(name + length - tailLength, tail, tailLength) == 0;
    });
}

bool canBeInput(const QString &name)
{
    return std::any_of(std::begin(inputTails), std::end(inputTails),
                       [&](const char *tail) { return name.endsWith(QLatin1String(tail)); });
}

Listing sortedListing(const QStringList &files, const QList<Subdir> &subdirs)
{
    QStringList subdirNames;
    for (const Subdir &subdir : subdirs)
        subdirNames.append(subdir.name);
    return { permuted(files, nameOrder(files)), permuted(subdirs, nameOrder(subdirNames)) };
}
