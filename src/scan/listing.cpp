#include "scan/listing.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

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

Listing sortedListing(const QStringList &files, const QList<Subdir> &subdirs)
{
    QStringList subdirNames;
    for (const Subdir &subdir : subdirs)
        subdirNames.append(subdir.name);
    return { permuted(files, nameOrder(files)), permuted(subdirs, nameOrder(subdirNames)) };
}
