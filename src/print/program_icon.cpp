#include "print/program_icon.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QTextStream>
#include <array>
#include <variant>
#include <vector>

namespace {

constexpr double ICON_UNITS = 256.0;

struct TIconTile {
    QRectF rect;
    double radius;
    QColor top;  // the gradient runs straight down the tile
    QColor bottom;
};

struct TIconLine {
    QPointF from;
    QPointF to;
    double width;
    QColor color;
    bool roundCaps;
};

struct TIconEllipse {
    QPointF centre;
    double rx;
    double ry;
    double angle;  // degrees, clockwise on screen as in both SVG and QPainter
    QColor color;
};

// A filled outline: straight segments, or cubic ones when the two control points are given.
struct TIconSegment {
    bool curve;
    QPointF c1;
    QPointF c2;
    QPointF to;
};

struct TIconOutline {
    QPointF start;
    std::vector<TIconSegment> segments;
    QColor color;
};

using TIconShape = std::variant<TIconLine, TIconEllipse, TIconOutline>;

struct TIconPicture {
    TIconTile tile;
    std::vector<TIconShape> shapes;  // painted in order over the tile
};

TIconSegment lineTo(QPointF to) {
    return {false, {}, {}, to};
}

TIconSegment curveTo(QPointF c1, QPointF c2, QPointF to) {
    return {true, c1, c2, to};
}

// The whole picture. The motive rises by thirds, line to line, so that at 48 pixels each note
// still sits visibly higher than the one before.
const TIconPicture& iconPicture() {
    static const TIconPicture picture = [] {
        TIconPicture p;
        p.tile = {QRectF(8, 8, 240, 240), 52, QColor(0x2c, 0x52, 0xad), QColor(0x0c, 0x1a, 0x4a)};

        const QColor staff(0xd4, 0xdf, 0xf2);
        const QColor amber(0xff, 0xb7, 0x2b);
        const double firstLine = 110;
        const double space = 22;
        for (int i = 0; i < 5; ++i) {
            const double y = firstLine + i * space;
            p.shapes.push_back(TIconLine{{34, y}, {222, y}, 6, staff, true});
        }

        // heads on the fourth, third and second line; stems up to one beam
        const std::array<double, 3> headX = {80, 128, 176};
        const std::array<int, 3> headLine = {3, 2, 1};
        const double headRx = 16.5;
        const double headRy = 11.5;
        const double stemWidth = 5;
        const double stemOffset = 13;  // from a head's centre to its stem's centre
        const double beamLeft = 94;    // the beam's upper edge at the first and last stem
        const double beamRight = 68;
        const double beamThickness = 13;
        const double firstStem = headX[0] + stemOffset;
        const double lastStem = headX[2] + stemOffset;
        const auto beamAt = [&](double x) {
            return beamLeft + (beamRight - beamLeft) * (x - firstStem) / (lastStem - firstStem);
        };
        for (size_t i = 0; i < headX.size(); ++i) {
            const double y = firstLine + headLine[i] * space;
            const double stemX = headX[i] + stemOffset;
            p.shapes.push_back(
                TIconLine{{stemX, y - 2}, {stemX, beamAt(stemX) + 1}, stemWidth, amber, false});
            p.shapes.push_back(TIconEllipse{{headX[i], y}, headRx, headRy, -22, amber});
        }
        const double left = firstStem - stemWidth / 2;
        const double right = lastStem + stemWidth / 2;
        p.shapes.push_back(TIconOutline{
            {left, beamAt(left)},
            {lineTo({right, beamAt(right)}), lineTo({right, beamAt(right) + beamThickness}),
             lineTo({left, beamAt(left) + beamThickness})},
            amber});

        // the slur: a crescent, thick in the middle and pointed at its ends
        const QPointF from(60, 80);
        const QPointF to(214, 48);
        p.shapes.push_back(TIconOutline{
            from, {curveTo({90, 40}, {170, 16}, to), curveTo({170, 30}, {94, 54}, from)}, amber});
        return p;
    }();
    return picture;
}

QString number(double v) {
    return QString::number(v, 'g', 6);
}

QString point(QPointF p) {
    return number(p.x()) + ' ' + number(p.y());
}

void writeSvgShape(QTextStream& out, const TIconShape& shape) {
    if (const auto* line = std::get_if<TIconLine>(&shape)) {
        out << "  <line x1=\"" << number(line->from.x()) << "\" y1=\"" << number(line->from.y())
            << "\" x2=\"" << number(line->to.x()) << "\" y2=\"" << number(line->to.y())
            << "\" stroke=\"" << line->color.name() << "\" stroke-width=\"" << number(line->width)
            << "\" stroke-linecap=\"" << (line->roundCaps ? "round" : "butt") << "\"/>\n";
    } else if (const auto* ellipse = std::get_if<TIconEllipse>(&shape)) {
        const QString cx = number(ellipse->centre.x());
        const QString cy = number(ellipse->centre.y());
        out << "  <ellipse cx=\"" << cx << "\" cy=\"" << cy << "\" rx=\"" << number(ellipse->rx)
            << "\" ry=\"" << number(ellipse->ry) << "\" transform=\"rotate("
            << number(ellipse->angle) << ' ' << cx << ' ' << cy << ")\" fill=\""
            << ellipse->color.name() << "\"/>\n";
    } else if (const auto* outline = std::get_if<TIconOutline>(&shape)) {
        out << "  <path d=\"M " << point(outline->start);
        for (const TIconSegment& s : outline->segments) {
            if (s.curve)
                out << " C " << point(s.c1) << ' ' << point(s.c2) << ' ' << point(s.to);
            else
                out << " L " << point(s.to);
        }
        out << " Z\" fill=\"" << outline->color.name() << "\"/>\n";
    }
}

void paintShape(QPainter& painter, const TIconShape& shape) {
    if (const auto* line = std::get_if<TIconLine>(&shape)) {
        painter.setPen(QPen(line->color, line->width, Qt::SolidLine,
                            line->roundCaps ? Qt::RoundCap : Qt::FlatCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawLine(line->from, line->to);
    } else if (const auto* ellipse = std::get_if<TIconEllipse>(&shape)) {
        painter.save();
        painter.translate(ellipse->centre);
        painter.rotate(ellipse->angle);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ellipse->color);
        painter.drawEllipse(QPointF(0, 0), ellipse->rx, ellipse->ry);
        painter.restore();
    } else if (const auto* outline = std::get_if<TIconOutline>(&shape)) {
        QPainterPath path(outline->start);
        for (const TIconSegment& s : outline->segments) {
            if (s.curve)
                path.cubicTo(s.c1, s.c2, s.to);
            else
                path.lineTo(s.to);
        }
        path.closeSubpath();
        painter.fillPath(path, outline->color);
    }
}

}  // namespace

QString programIconSvg() {
    const TIconPicture& picture = iconPicture();
    const TIconTile& tile = picture.tile;
    QString svg;
    QTextStream out(&svg);
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\""
        << number(ICON_UNITS) << "\" height=\"" << number(ICON_UNITS) << "\" viewBox=\"0 0 "
        << number(ICON_UNITS) << ' ' << number(ICON_UNITS) << "\">\n"
        << "  <defs>\n"
        << "    <linearGradient id=\"tile\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\""
        << number(tile.rect.top()) << "\" x2=\"0\" y2=\"" << number(tile.rect.bottom()) << "\">\n"
        << "      <stop offset=\"0\" stop-color=\"" << tile.top.name() << "\"/>\n"
        << "      <stop offset=\"1\" stop-color=\"" << tile.bottom.name() << "\"/>\n"
        << "    </linearGradient>\n"
        << "  </defs>\n"
        << "  <rect x=\"" << number(tile.rect.x()) << "\" y=\"" << number(tile.rect.y())
        << "\" width=\"" << number(tile.rect.width()) << "\" height=\""
        << number(tile.rect.height()) << "\" rx=\"" << number(tile.radius) << "\" ry=\""
        << number(tile.radius) << "\" fill=\"url(#tile)\"/>\n";
    for (const TIconShape& shape : picture.shapes)
        writeSvgShape(out, shape);
    out << "</svg>\n";
    return svg;
}

QImage programIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (size <= 0)
        return image;
    const TIconPicture& picture = iconPicture();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / ICON_UNITS, size / ICON_UNITS);

    const TIconTile& tile = picture.tile;
    QLinearGradient gradient(0, tile.rect.top(), 0, tile.rect.bottom());
    gradient.setColorAt(0, tile.top);
    gradient.setColorAt(1, tile.bottom);
    QPainterPath tilePath;
    tilePath.addRoundedRect(tile.rect, tile.radius, tile.radius);
    painter.fillPath(tilePath, gradient);

    for (const TIconShape& shape : picture.shapes)
        paintShape(painter, shape);
    return image;
}
