#include "app/notation_picture.h"

#include <QPainter>
#include <vector>

#include "app/motive_canvas.h"
#include "model/period_data.h"
#include "print/note_painter.h"

QImage notationPicture(TPeriodData& period, size_t first, size_t count) {
    const std::vector<TMotiveAddress> addresses = period.motiveAddresses();
    if (first >= addresses.size()) {
        return {};
    }
    count = std::min(count, addresses.size() - first);
    constexpr int GAP = 6;
    TNotePainter notes;
    std::vector<QImage> parts;
    int width = GAP;
    int height = 0;
    for (size_t i = first; i < first + count; ++i) {
        TMotiveCanvas canvas(nullptr, &notes);
        canvas.setMotive(&period.motiveAt(addresses[i]));
        parts.push_back(canvas.grab().toImage());
        canvas.setMotive(nullptr);
        width += parts.back().width() + GAP;
        height = std::max(height, parts.back().height());
    }
    QImage picture(width, height + 2 * GAP, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    int x = GAP;
    for (const QImage& part : parts) {
        painter.drawImage(x, GAP, part);
        x += part.width() + GAP;
    }
    return picture;
}
