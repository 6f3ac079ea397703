#include "print/notation_glyphs.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QTransform>

#include <cmath>

namespace {

// A pen stroke whose width changes along its way, as a calligrapher's nib gives: the centre line
// is sampled and offset by half the width on either side. Every piece of the outline turns the
// same way, so a stroke that crosses itself stays filled under the winding rule.
class TRibbon {
  public:
    TRibbon(QPointF start, qreal width) { samples_.push_back({start, width}); }

    TRibbon& lineTo(QPointF end, qreal width, int steps = 8) {
        const TSample from = samples_.back();
        for (int i = 1; i <= steps; ++i) {
            const qreal t = qreal(i) / steps;
            samples_.push_back({from.point + (end - from.point) * t, blend(from.width, width, t)});
        }
        return *this;
    }

    TRibbon& cubicTo(QPointF c1, QPointF c2, QPointF end, qreal width, int steps = 32) {
        const TSample from = samples_.back();
        const QPointF p0 = from.point;
        for (int i = 1; i <= steps; ++i) {
            const qreal t = qreal(i) / steps;
            const qreal u = 1 - t;
            const QPointF p =
                p0 * (u * u * u) + c1 * (3 * u * u * t) + c2 * (3 * u * t * t) + end * (t * t * t);
            samples_.push_back({p, blend(from.width, width, t)});
        }
        return *this;
    }

    // The outline, and round ends where the stroke is thick enough to show them.
    void addTo(std::vector<QPainterPath>& layers, bool roundStart = true,
               bool roundEnd = true) const {
        QPolygonF left;
        QPolygonF right;
        const size_t n = samples_.size();
        for (size_t i = 0; i < n; ++i) {
            const QPointF a = samples_[i == 0 ? 0 : i - 1].point;
            const QPointF b = samples_[i + 1 < n ? i + 1 : n - 1].point;
            QPointF tangent = b - a;
            const qreal length = std::hypot(tangent.x(), tangent.y());
            if (length < 1e-9)
                continue;
            tangent /= length;
            const QPointF normal(-tangent.y(), tangent.x());
            const qreal half = samples_[i].width / 2;
            left << samples_[i].point + normal * half;
            right.prepend(samples_[i].point - normal * half);
        }
        QPainterPath outline;
        outline.setFillRule(Qt::WindingFill);
        outline.addPolygon(left + right);
        outline.closeSubpath();
        layers.push_back(outline);
        if (roundStart)
            addCap(layers, samples_.front());
        if (roundEnd)
            addCap(layers, samples_.back());
    }

  private:
    struct TSample {
        QPointF point;
        qreal width;
    };

    // Widths ease in and out so a swelling stroke has no kinks.
    static qreal blend(qreal from, qreal to, qreal t) {
        const qreal s = t * t * (3 - 2 * t);
        return from + (to - from) * s;
    }

    static void addCap(std::vector<QPainterPath>& layers, const TSample& s) {
        if (s.width < 0.3)
            return;
        QPainterPath cap;
        cap.addEllipse(s.point, s.width / 2, s.width / 2);
        layers.push_back(cap);
    }

    std::vector<TSample> samples_;
};

QPainterPath rectPath(qreal x, qreal y, qreal w, qreal h) {
    QPainterPath p;
    p.addRect(QRectF(x, y, w, h));
    return p;
}

QPainterPath ellipsePath(QPointF centre, qreal rx, qreal ry, qreal degrees = 0) {
    QPainterPath p;
    p.addEllipse(QPointF(0, 0), rx, ry);
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(degrees);
    return t.map(p);
}

// A centre line stroked at one width with round ends, for letters and digits.
QPainterPath stroked(const QPainterPath& centre, qreal width) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    QPainterPath p = stroker.createStroke(centre);
    p.setFillRule(Qt::WindingFill);
    return p;
}

QPainterPath line(QPointF a, QPointF b) {
    QPainterPath p(a);
    p.lineTo(b);
    return p;
}

// --- note heads -----------------------------------------------------------------------------

// A head is a tilted oval centred on its staff position; the variant for an up stem carries the
// stem's foot at its upper right, the one for a down stem at its lower left, so a stem placed at
// the head's edge always meets it.
std::vector<QPainterPath> head(bool hollow, bool up) {
    std::vector<QPainterPath> layers;
    const QPointF centre(5, 4.5);
    QPainterPath oval = ellipsePath(centre, 5.2, 4.1, -22);
    if (hollow) {
        oval.addPath(ellipsePath(centre, 3.6, 1.9, -38));
        oval.setFillRule(Qt::OddEvenFill);
    }
    layers.push_back(oval);
    layers.push_back(up ? rectPath(8, 0, 2, 4) : rectPath(0, 5, 2, 5));
    return layers;
}

// --- stems and flags ------------------------------------------------------------------------

// One flag hanging from the top of an up stem at `top`; the down variants mirror it.
QPainterPath flag(qreal top) {
    QPainterPath p(QPointF(1.6, top));
    p.cubicTo(QPointF(2.4, top + 4.2), QPointF(7.9, top + 6.0), QPointF(7.6, top + 11.0));
    p.cubicTo(QPointF(7.45, top + 13.2), QPointF(6.9, top + 14.6), QPointF(6.1, top + 16.0));
    p.cubicTo(QPointF(6.65, top + 13.2), QPointF(6.6, top + 9.6), QPointF(1.6, top + 6.6));
    p.closeSubpath();
    return p;
}

std::vector<QPainterPath> stem(int flags, bool up) {
    std::vector<QPainterPath> layers = {rectPath(0, 0, 2, 28)};
    QTransform mirror;
    if (!up)
        mirror = QTransform(1, 0, 0, -1, 0, 28);
    for (int i = 0; i < flags; ++i)
        layers.push_back(mirror.map(flag(i * 7.0)));
    return layers;
}

// --- accidentals ----------------------------------------------------------------------------

QPainterPath slantedBar(qreal x0, qreal y0, qreal x1, qreal y1, qreal thickness) {
    QPainterPath p(QPointF(x0, y0 - thickness / 2));
    p.lineTo(x1, y1 - thickness / 2);
    p.lineTo(x1, y1 + thickness / 2);
    p.lineTo(x0, y0 + thickness / 2);
    p.closeSubpath();
    return p;
}

std::vector<QPainterPath> sharp() {
    // centred on y 8.5: the staff position's line when placed 8 pixels above it
    // a pixel clear of the head at its right
    return {rectPath(1.6, 2.2, 1.1, 14.8), rectPath(4.6, 0.0, 1.1, 14.8),
            slantedBar(0.1, 6.6, 7.1, 4.6, 2.3), slantedBar(0.1, 12.6, 7.1, 10.6, 2.3)};
}

std::vector<QPainterPath> doubleSharp() {
    std::vector<QPainterPath> layers;
    layers.push_back(stroked(line({1.6, 2.1}, {6.4, 8.9}), 1.1));
    layers.push_back(stroked(line({6.4, 2.1}, {1.6, 8.9}), 1.1));
    for (const QPointF corner :
         {QPointF(1.3, 1.8), QPointF(6.7, 1.8), QPointF(1.3, 9.2), QPointF(6.7, 9.2)})
        layers.push_back(rectPath(corner.x() - 1.3, corner.y() - 1.3, 2.6, 2.6));
    return layers;
}

std::vector<QPainterPath> flat() {
    // the bowl straddles the line 8 pixels below the glyph's top
    QPainterPath bowl(QPointF(1.4, 8.2));
    bowl.cubicTo(QPointF(3.0, 5.3), QPointF(6.7, 5.4), QPointF(6.0, 8.8));
    bowl.cubicTo(QPointF(5.6, 11.2), QPointF(3.3, 13.2), QPointF(1.4, 15.0));
    bowl.lineTo(1.4, 13.1);
    bowl.cubicTo(QPointF(2.9, 11.9), QPointF(4.5, 10.5), QPointF(4.55, 9.0));
    bowl.cubicTo(QPointF(4.6, 7.6), QPointF(2.9, 7.3), QPointF(1.4, 10.0));
    bowl.closeSubpath();
    return {rectPath(0.2, 0.0, 1.35, 15.0), bowl};
}

std::vector<QPainterPath> natural() {
    return {rectPath(0.3, 0.0, 1.2, 12.6), rectPath(3.9, 4.4, 1.2, 12.6),
            slantedBar(0.3, 6.0, 5.1, 4.8, 2.1), slantedBar(0.3, 11.6, 5.1, 10.4, 2.1)};
}

// --- rests ----------------------------------------------------------------------------------

std::vector<QPainterPath> quarterRest() {
    // a thin stroke down to the right, a heavy one back to the left, a thin one down to the
    // right again, and the hook curling under
    std::vector<QPainterPath> layers;
    TRibbon(QPointF(2.6, 0.8), 1.1).lineTo(QPointF(7.3, 6.0), 1.5).addTo(layers);
    TRibbon(QPointF(7.0, 5.8), 3.3).lineTo(QPointF(2.9, 10.6), 3.3).addTo(layers);
    TRibbon(QPointF(3.0, 10.4), 1.4).lineTo(QPointF(7.4, 14.6), 1.6).addTo(layers);
    TRibbon(QPointF(7.4, 14.6), 1.6)
        .cubicTo(QPointF(4.4, 13.2), QPointF(1.8, 15.0), QPointF(3.1, 17.2), 2.6)
        .cubicTo(QPointF(3.7, 18.3), QPointF(4.8, 19.1), QPointF(5.8, 19.4), 0.9)
        .addTo(layers, false, true);
    return layers;
}

// A rest's flag: a round blob and a hairline sweeping up to the stem.
void restFlag(std::vector<QPainterPath>& layers, QPointF blob, QPointF stemPoint) {
    layers.push_back(ellipsePath(blob, 1.95, 1.85));
    TRibbon(blob + QPointF(-0.4, 1.5), 0.9)
        .cubicTo(blob + QPointF(1.6, 3.0), stemPoint + QPointF(-1.8, 1.8), stemPoint, 1.2)
        .addTo(layers, false, true);
}

std::vector<QPainterPath> eighthRest() {
    std::vector<QPainterPath> layers;
    restFlag(layers, {2.3, 3.6}, {7.2, 2.4});
    TRibbon(QPointF(7.3, 2.2), 1.4).lineTo(QPointF(3.3, 15.5), 1.2).addTo(layers);
    return layers;
}

std::vector<QPainterPath> sixteenthRest() {
    std::vector<QPainterPath> layers;
    restFlag(layers, {3.6, 3.6}, {8.3, 2.4});
    restFlag(layers, {2.3, 11.2}, {6.1, 10.0});
    TRibbon(QPointF(8.4, 2.2), 1.4).lineTo(QPointF(3.3, 19.4), 1.2).addTo(layers);
    return layers;
}

// --- clefs ----------------------------------------------------------------------------------

// The clef glyph holds the start of both staffs with the system's opening line, a treble clef
// curling round the G line and a bass clef with its dots round the F line. Shapes are drawn in
// staff spaces (10 pixels) from the line each clef names, upward positive.
std::vector<QPainterPath> clef() {
    std::vector<QPainterPath> layers;
    for (const int y : {11, 21, 31, 41, 51, 71, 81, 91, 101, 111})
        layers.push_back(rectPath(0, y, 43, 1));
    layers.push_back(rectPath(0, 11, 1, 101));

    {
        // treble clef; its G line lies at y 41 of the glyph
        auto g = [](qreal x, qreal y) { return QPointF(9.5 + 10 * x, 41.5 - 10 * y); };
        TRibbon(g(1.50, -0.05), 0.55)
            // the inner curl, outward: up and over the top of the bowl
            .cubicTo(g(1.05, 0.15), g(0.95, 0.95), g(1.62, 1.05), 1.1)
            .cubicTo(g(2.35, 1.12), g(2.78, 0.55), g(2.70, -0.05), 2.7)
            .cubicTo(g(2.62, -0.75), g(2.05, -1.08), g(1.35, -1.05), 1.3)
            .cubicTo(g(0.55, -1.02), g(-0.02, -0.45), g(0.05, 0.30), 3.6)
            // the body climbs to the right towards the top loop
            .cubicTo(g(0.12, 1.15), g(1.05, 1.75), g(1.60, 2.45), 3.3)
            .cubicTo(g(2.10, 3.05), g(2.20, 3.75), g(1.75, 4.00), 1.5)
            .cubicTo(g(1.30, 4.20), g(0.95, 3.55), g(1.05, 2.85), 1.5)
            // and the spine runs down through it all to the tail
            .cubicTo(g(1.15, 1.40), g(1.45, -0.60), g(1.55, -1.80), 2.0)
            .cubicTo(g(1.60, -2.45), g(1.25, -2.70), g(0.80, -2.62), 1.3)
            .cubicTo(g(0.50, -2.55), g(0.40, -2.35), g(0.45, -2.15), 0.8)
            .addTo(layers);
        layers.push_back(ellipsePath(g(0.82, -2.18), 3.6, 3.6));
    }
    {
        // bass clef; its F line lies at y 81
        auto f = [](qreal x, qreal y) { return QPointF(9.5 + 10 * x, 81.5 - 10 * y); };
        layers.push_back(ellipsePath(f(0.40, -0.02), 3.7, 3.7));
        TRibbon(f(0.10, 0.25), 1.0)
            .cubicTo(f(0.25, 0.85), f(0.75, 1.02), f(1.10, 1.00), 1.4)
            .cubicTo(f(1.85, 0.98), f(2.25, 0.45), f(2.20, -0.15), 4.0)
            .cubicTo(f(2.12, -1.05), f(1.35, -1.85), f(0.05, -2.55), 0.5)
            .addTo(layers);
        layers.push_back(ellipsePath(f(2.75, 0.50), 1.6, 1.6));
        layers.push_back(ellipsePath(f(2.75, -0.50), 1.6, 1.6));
    }
    return layers;
}

// --- dots -----------------------------------------------------------------------------------

std::vector<QPainterPath> dot() {
    return {ellipsePath({2, 2}, 1.9, 1.9)};
}

// --- chord labels ---------------------------------------------------------------------------

constexpr qreal LETTER_TOP = 1.6;
constexpr qreal LETTER_BOTTOM = 12.6;
constexpr qreal LETTER_STROKE = 1.6;
constexpr qreal SERIF_STROKE = 1.1;

// A Roman one with short serifs, centred on x.
void romanOne(std::vector<QPainterPath>& layers, qreal x) {
    layers.push_back(stroked(line({x, LETTER_TOP}, {x, LETTER_BOTTOM}), LETTER_STROKE));
    layers.push_back(rectPath(x - 1.6, LETTER_TOP - 0.8, 3.2, SERIF_STROKE));
    layers.push_back(rectPath(x - 1.6, LETTER_BOTTOM - 0.3, 3.2, SERIF_STROKE));
}

// A Roman five spanning left..left + 7.4.
void romanFive(std::vector<QPainterPath>& layers, qreal left) {
    QPainterPath v(QPointF(left + 1.0, LETTER_TOP));
    v.lineTo(left + 3.7, LETTER_BOTTOM);
    v.lineTo(left + 6.4, LETTER_TOP);
    layers.push_back(stroked(v, 1.4));
    layers.push_back(rectPath(left, LETTER_TOP - 0.8, 2.6, SERIF_STROKE));
    layers.push_back(rectPath(left + 5.2, LETTER_TOP - 0.8, 2.4, SERIF_STROKE));
}

// Digit centre lines in a unit box, scaled into (x, y, w, h).
QPainterPath digitLine(char digit, qreal x, qreal y, qreal w, qreal h) {
    auto at = [&](qreal u, qreal v) { return QPointF(x + u * w, y + v * h); };
    QPainterPath p;
    switch (digit) {
        case '2':
            p.moveTo(at(0.08, 0.25));
            p.cubicTo(at(0.12, -0.06), at(0.92, -0.06), at(0.9, 0.3));
            p.cubicTo(at(0.86, 0.56), at(0.3, 0.72), at(0.06, 1.0));
            p.lineTo(at(0.98, 1.0));
            break;
        case '3':
            p.moveTo(at(0.08, 0.12));
            p.cubicTo(at(0.4, -0.08), at(0.92, 0.0), at(0.86, 0.26));
            p.cubicTo(at(0.8, 0.46), at(0.52, 0.48), at(0.38, 0.48));
            p.cubicTo(at(0.96, 0.5), at(0.98, 0.98), at(0.5, 1.0));
            p.cubicTo(at(0.3, 1.01), at(0.14, 0.95), at(0.06, 0.86));
            break;
        case '4':
            p.moveTo(at(0.72, 1.0));
            p.lineTo(at(0.72, 0.0));
            p.lineTo(at(0.04, 0.7));
            p.lineTo(at(1.0, 0.7));
            break;
        case '5':
            p.moveTo(at(0.9, 0.0));
            p.lineTo(at(0.18, 0.0));
            p.lineTo(at(0.12, 0.46));
            p.cubicTo(at(0.55, 0.32), at(0.97, 0.5), at(0.92, 0.75));
            p.cubicTo(at(0.86, 1.05), at(0.3, 1.06), at(0.06, 0.88));
            break;
        case '6':
            p.moveTo(at(0.84, 0.08));
            p.cubicTo(at(0.5, -0.06), at(0.08, 0.1), at(0.08, 0.6));
            p.cubicTo(at(0.08, 1.04), at(0.92, 1.04), at(0.92, 0.68));
            p.cubicTo(at(0.92, 0.33), at(0.24, 0.34), at(0.1, 0.62));
            break;
        case '7':
            p.moveTo(at(0.02, 0.0));
            p.lineTo(at(0.98, 0.0));
            p.cubicTo(at(0.62, 0.36), at(0.46, 0.62), at(0.4, 1.0));
            break;
        default:
            break;
    }
    return p;
}

constexpr qreal DIGIT_STROKE = 1.15;

// A figure of one digit, or of two stacked, in a box 6 wide.
std::vector<QPainterPath> figure(const char* digits, qreal height) {
    std::vector<QPainterPath> layers;
    const bool stacked = digits[1] != '\0';
    if (!stacked) {
        layers.push_back(stroked(digitLine(digits[0], 0.7, 0.7, 4.6, height - 1.4), DIGIT_STROKE));
        return layers;
    }
    const qreal digitHeight = (height - 1.4 - 1.6) / 2;
    layers.push_back(stroked(digitLine(digits[0], 0.7, 0.7, 4.6, digitHeight), DIGIT_STROKE));
    layers.push_back(stroked(digitLine(digits[1], 0.7, 0.7 + digitHeight + 1.6, 4.6, digitHeight),
                             DIGIT_STROKE));
    return layers;
}

std::vector<QPainterPath> degreeGlyph(TGlyph glyph) {
    std::vector<QPainterPath> layers;
    switch (glyph) {
        case TGlyph::DEGREE_T:
            layers.push_back(stroked(line({0.9, LETTER_TOP}, {8.1, LETTER_TOP}), LETTER_STROKE));
            layers.push_back(stroked(line({4.5, LETTER_TOP}, {4.5, LETTER_BOTTOM}), 1.8));
            break;
        case TGlyph::DEGREE_S: {
            QPainterPath s(QPointF(6.9, 3.0));
            s.cubicTo(QPointF(6.1, 1.2), QPointF(1.4, 1.1), QPointF(1.3, 4.2));
            s.cubicTo(QPointF(1.2, 6.8), QPointF(6.8, 6.3), QPointF(6.8, 9.5));
            s.cubicTo(QPointF(6.8, 13.3), QPointF(1.6, 13.4), QPointF(0.9, 11.0));
            layers.push_back(stroked(s, LETTER_STROKE));
            break;
        }
        case TGlyph::DEGREE_D: {
            layers.push_back(stroked(line({1.4, LETTER_TOP}, {1.4, LETTER_BOTTOM}), 1.8));
            QPainterPath bowl(QPointF(1.4, LETTER_TOP));
            bowl.cubicTo(QPointF(9.6, LETTER_TOP), QPointF(9.6, LETTER_BOTTOM),
                         QPointF(1.4, LETTER_BOTTOM));
            layers.push_back(stroked(bowl, LETTER_STROKE));
            break;
        }
        case TGlyph::DEGREE_K:
            layers.push_back(stroked(line({1.4, LETTER_TOP}, {1.4, LETTER_BOTTOM}), 1.8));
            layers.push_back(stroked(line({8.0, LETTER_TOP}, {1.8, 8.4}), 1.4));
            layers.push_back(stroked(line({3.9, 6.4}, {8.2, LETTER_BOTTOM}), 1.7));
            break;
        case TGlyph::DEGREE_II:
        case TGlyph::DEGREE_II6:
            romanOne(layers, 2.1);
            romanOne(layers, 5.9);
            break;
        case TGlyph::DEGREE_III:
        case TGlyph::DEGREE_III6:
            romanOne(layers, 2.1);
            romanOne(layers, 6.0);
            romanOne(layers, 9.9);
            break;
        case TGlyph::DEGREE_VI:
            romanFive(layers, 0.2);
            romanOne(layers, 10.6);
            break;
        case TGlyph::DEGREE_VII:
            romanFive(layers, 0.2);
            romanOne(layers, 10.6);
            romanOne(layers, 14.6);
            break;
        default:
            break;
    }
    // the sixth chords of II and III carry a small 6 at their lower right
    const qreal sixLeft = glyph == TGlyph::DEGREE_II6 ? 8.6 : 12.6;
    if (glyph == TGlyph::DEGREE_II6 || glyph == TGlyph::DEGREE_III6)
        layers.push_back(stroked(digitLine('6', sixLeft + 0.7, 5.4, 4.2, 7.4), DIGIT_STROKE));
    return layers;
}

}  // namespace

TNotationGlyphs::TNotationGlyphs() {
    auto set = [this](TGlyph g, std::vector<QPainterPath> layers) {
        layers_[size_t(g)] = std::move(layers);
    };
    set(TGlyph::CLEF, clef());
    set(TGlyph::SHARP, sharp());
    set(TGlyph::DOUBLE_SHARP, doubleSharp());
    set(TGlyph::FLAT, flat());
    set(TGlyph::NATURAL, natural());
    set(TGlyph::HEAD_FILLED_UP, head(false, true));
    set(TGlyph::HEAD_FILLED_DOWN, head(false, false));
    set(TGlyph::HEAD_HOLLOW_UP, head(true, true));
    set(TGlyph::HEAD_HOLLOW_DOWN, head(true, false));
    set(TGlyph::STEM_UP, stem(0, true));
    set(TGlyph::STEM_DOWN, stem(0, false));
    set(TGlyph::STEM_UP_FLAG1, stem(1, true));
    set(TGlyph::STEM_UP_FLAG2, stem(2, true));
    set(TGlyph::STEM_DOWN_FLAG1, stem(1, false));
    set(TGlyph::STEM_DOWN_FLAG2, stem(2, false));
    set(TGlyph::DOT, dot());
    set(TGlyph::REST_BLOCK, {rectPath(0, 0, 9, 4)});
    set(TGlyph::REST_QUARTER, quarterRest());
    set(TGlyph::REST_EIGHTH, eighthRest());
    set(TGlyph::REST_SIXTEENTH, sixteenthRest());
    for (const TGlyph g :
         {TGlyph::DEGREE_T, TGlyph::DEGREE_II, TGlyph::DEGREE_III, TGlyph::DEGREE_S,
          TGlyph::DEGREE_D, TGlyph::DEGREE_VI, TGlyph::DEGREE_VII, TGlyph::DEGREE_K,
          TGlyph::DEGREE_II6, TGlyph::DEGREE_III6})
        set(g, degreeGlyph(g));
    set(TGlyph::FIGURE_SIXTH, figure("6", 9));
    set(TGlyph::FIGURE_SEVENTH, figure("7", 9));
    set(TGlyph::FIGURE_SECOND, figure("2", 9));
    set(TGlyph::FIGURE_SIX_FOUR, figure("64", 14));
    set(TGlyph::FIGURE_SIX_FIVE, figure("65", 14));
    set(TGlyph::FIGURE_FOUR_THREE, figure("43", 14));
}

const std::vector<QPainterPath>& TNotationGlyphs::layers(TGlyph glyph) const {
    return layers_[size_t(glyph)];
}

void TNotationGlyphs::draw(QPainter& painter, TGlyph glyph, QPointF topLeft,
                           const QColor& colour) const {
    const std::vector<QPainterPath>& paths = layers(glyph);
    if (paths.empty())
        return;
    painter.translate(topLeft);
    for (const QPainterPath& path : paths)
        painter.fillPath(path, colour);
    painter.translate(-topLeft);
}
