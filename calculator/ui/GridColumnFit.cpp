#include "calculator/ui/GridColumnFit.h"

#include <algorithm>
#include <numeric>
#include <vector>

QList<int> FitColumnWidths(const QList<int>& minimum, const QList<int>& wanted, int available)
{
    const int count = int(minimum.size());
    QList<int> widths = minimum;
    QList<int> need(count);
    for (int c = 0; c < count; ++c)
        need[c] = std::max(minimum[c], wanted.value(c));

    const int needSum = std::accumulate(need.begin(), need.end(), 0);
    if (needSum <= available) {
        const int minimumSum = std::max(1, std::accumulate(minimum.begin(), minimum.end(), 0));
        const int spare = available - needSum;
        int given = 0;
        for (int c = 0; c < count; ++c) {
            const int share = c + 1 == count ? spare - given : spare * minimum[c] / minimumSum;
            widths[c] = need[c] + share;
            given += share;
        }
        return widths;
    }

    int room = available - std::accumulate(minimum.begin(), minimum.end(), 0);
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return need[a] - minimum[a] < need[b] - minimum[b]; });
    for (int c : order) {
        if (room <= 0)
            break;
        const int grow = std::min(need[c] - minimum[c], room);
        widths[c] += grow;
        room -= grow;
    }
    return widths;
}
