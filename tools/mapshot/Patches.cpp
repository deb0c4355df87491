// SPDX-License-Identifier: GPL-3.0-or-later
#include "Patches.h"

#include <algorithm>

std::vector<TPatch> FindPatches(const QImage& picture, QRgb colour, int minSize) {
    const QImage img = picture.convertToFormat(QImage::Format_RGB32);
    const int w = img.width(), h = img.height();
    const QRgb want = colour | 0xFF000000u;
    auto is = [&](int x, int y) {
        return reinterpret_cast<const QRgb*>(img.constScanLine(y))[x] == want;
    };
    std::vector<int> label(size_t(w) * h, -1);
    std::vector<TPatch> patches;
    std::vector<QPoint> stack, pixels;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (label[size_t(y) * w + x] >= 0 || !is(x, y))
                continue;
            const int id = int(patches.size()) + 1;
            stack.assign(1, QPoint(x, y));
            pixels.clear();
            label[size_t(y) * w + x] = id;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                pixels.push_back(p);
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + d;
                    if (q.x() < 0 || q.y() < 0 || q.x() >= w || q.y() >= h)
                        continue;
                    int& l = label[size_t(q.y()) * w + q.x()];
                    if (l >= 0 || !is(q.x(), q.y()))
                        continue;
                    l = id;
                    stack.push_back(q);
                }
            }
            TPatch t;
            t.size = int(pixels.size());
            if (t.size >= minSize) {
                // Depth: how far a square around the pixel stays inside the patch.
                int best = -1;
                for (const QPoint& p : pixels) {
                    int d = 0;
                    for (; d < 30; ++d) {
                        const int k = d + 1;
                        bool ok = true;
                        for (int i = -k; i <= k && ok; ++i)
                            for (const QPoint q : {p + QPoint(i, -k), p + QPoint(i, k),
                                                   p + QPoint(-k, i), p + QPoint(k, i)})
                                ok = ok && q.x() >= 0 && q.y() >= 0 && q.x() < w && q.y() < h &&
                                     label[size_t(q.y()) * w + q.x()] == id;
                        if (!ok)
                            break;
                    }
                    if (d > best) {
                        best = d;
                        t.deepest = p;
                    }
                    t.bounds |= QRect(p, QSize(1, 1));
                }
            }
            patches.push_back(t);
        }
    std::vector<TPatch> out;
    for (const TPatch& t : patches)
        if (t.size >= minSize)
            out.push_back(t);
    std::stable_sort(out.begin(), out.end(),
                     [](const TPatch& a, const TPatch& b) { return a.size > b.size; });
    return out;
}
