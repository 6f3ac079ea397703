#include "app/note_pane_painter.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cstdlib>

#include "app/meter_word.h"
#include "editing/note_variant_strategy.h"
#include "editing/pressure_meter.h"
#include "editing/variant_view.h"
#include "model/motive.h"
#include "model/pitch_spelling.h"

namespace {

const QColor ACTIVE_BACKGROUND(255, 251, 240);
const QColor GREY(128, 128, 128);
const QColor CHORD_TONE(218, 208, 255);
const QColor NON_CHORD_TONE(252, 188, 219);

QColor rgb(uint32_t c) {
    return QColor((c >> 16) & 0xff, (c >> 8) & 0xff, c & 0xff);
}

QColor greyOf(int32_t level) {
    const int v = std::clamp(level, 0, 255);
    return QColor(v, v, v);
}

// Where a length of d ticks ends, measured from the pane boundary outward.
int endX(int pane, int32_t ticks) {
    const int len = lengthPixels(std::abs(ticks));
    return pane == 0 ? PANE_BOUNDARY - len : len;
}

QRect barRect(int pane, int32_t pitch, int32_t ticks) {
    const int top = rowTop(pitch);
    const int e = endX(pane, ticks);
    const int o = pane == 0 ? PANE_BOUNDARY : 0;
    return QRect(QPoint(std::min(o, e), top), QPoint(std::max(o, e), top + PITCH_ROW_HEIGHT - 1));
}

QRect edgeCell(int pane, int32_t pitch) {
    const int left = pane == 0 ? PANE_BOUNDARY - EDGE_COLUMN_WIDTH + 1 : 0;
    return QRect(left, rowTop(pitch), EDGE_COLUMN_WIDTH, PITCH_ROW_HEIGHT);
}

// A small note of the duration: filled or hollow head, stem, flags and a dot.
void drawDuration(QPainter& p, int x, int32_t ticks) {
    const int32_t d = std::abs(ticks);
    const bool dotted = d == 90 || d == 180 || d == 360;
    const int32_t plain = dotted ? d * 2 / 3 : d;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    const QRectF head(x, 20, 7, 5);
    if (plain >= 240) {
        p.setBrush(Qt::NoBrush);
    } else {
        p.setBrush(Qt::black);
    }
    if (ticks < 0) {
        // a rest: a small block
        p.fillRect(QRectF(x + 1, 13, 5, 5), Qt::black);
    } else {
        p.drawEllipse(head);
        if (plain < 480) {
            p.drawLine(QPointF(x + 7, 22), QPointF(x + 7, 6));
        }
        const int flags = plain == 30 ? 2 : (plain == 60 ? 1 : 0);
        for (int f = 0; f < flags; ++f) {
            p.drawLine(QPointF(x + 7, 6 + 4 * f), QPointF(x + 11, 10 + 4 * f));
        }
    }
    if (dotted) {
        p.setBrush(Qt::black);
        p.drawEllipse(QRectF(x + 10, 21, 2, 2));
    }
    p.restore();
}

const QColor EXTEND_METER(48, 112, 200);

// A meter's track, its filling and its word, written at its foot on the zone's side.
void paintMeter(QPainter& p, const TPressureMeter& m, const QColor& colour, const std::string& word,
                int inward) {
    const QRect track(m.track.left, m.track.top, m.track.right - m.track.left,
                      m.track.bottom - m.track.top);
    p.fillRect(track, QColor(236, 236, 236));
    if (!m.fill.isEmpty())
        p.fillRect(
            QRect(m.fill.left, m.fill.top, m.fill.right - m.fill.left, m.fill.bottom - m.fill.top),
            colour);
    paintMeterWord(p, track, inward, colour, word);
}

// Room for a note's name such as "F♯♯4".
constexpr int NAME_WIDTH = 34;

int degreeX(int pane) {
    return pane == 0 ? 159 : 65;
}

}  // namespace

void paintNotePane(QPainter& p, const TNoteVariantStrategy& s, TVariantView& view, int pane,
                   bool active) {
    p.fillRect(QRect(0, 0, PANE_WIDTH, VIEW_HEIGHT), active ? ACTIVE_BACKGROUND : Qt::white);
    const auto& candidates = s.candidates();
    if (candidates.empty()) {
        return;
    }
    // rhythm strip
    p.fillRect(QRect(0, 1, PANE_WIDTH, 30), Qt::white);
    p.setPen(GREY);
    for (DURATION d : candidates.front().durations) {
        const int x = endX(pane, d);
        p.setPen(GREY);
        p.drawLine(x, 0, x, 31);
        drawDuration(p, pane == 0 ? x + 3 : x - 14, d);
    }
    p.setPen(GREY);
    p.drawLine(0, 31, PANE_WIDTH - 1, 31);

    // one bar per candidate, as long as its longest duration, with a tick at every duration
    for (const TScVariant& v : candidates) {
        if (v.durations.empty() || v.pitch < 13 || v.pitch > 34) {
            continue;
        }
        const bool rest = v.durations.size() == 1 && v.durations.front() < 0;
        const QRect bar = barRect(pane, v.pitch, v.durations.back());
        p.fillRect(bar, rest ? QColor(Qt::white) : (v.chording ? CHORD_TONE : NON_CHORD_TONE));
        p.setPen(GREY);
        p.drawRect(bar);
        for (DURATION d : v.durations) {
            const int x = endX(pane, d);
            p.drawLine(x, bar.top() + 4, x, bar.bottom() - 4);
        }
    }

    // what the motive already holds from here on, behind the candidates
    TVariantModel& model = view.model();
    if (model.showsNotesBehind() && s.position() != -1) {
        const int32_t from = s.position();
        const int32_t to = from + PANE_WIDTH;
        for (const TNote& n : model.notes()) {
            if (n.time >= to) {
                break;
            }
            const int32_t end = n.time + std::abs(static_cast<int32_t>(n.duration));
            if (end <= from || n.isRest() || n.pitch < 13 || n.pitch > 34) {
                continue;
            }
            const int32_t a = std::max(n.time, from) - from;
            const int32_t b = std::min(end, to) - from;
            const int xa = endX(pane, a);
            const int xb = endX(pane, b);
            const QRect bar(QPoint(std::min(xa, xb), rowTop(n.pitch) + 3),
                            QPoint(std::max(xa, xb), rowTop(n.pitch) + PITCH_ROW_HEIGHT - 4));
            p.fillRect(bar, QBrush(GREY, Qt::BDiagPattern));
            p.setPen(GREY);
            p.drawRect(bar);
            const int dir = pane == 0 ? -1 : 1;
            p.drawLine(xa + 2 * dir, bar.top(), xa + 2 * dir, bar.bottom());
            p.setPen(Qt::white);
            p.drawLine(xa + dir, bar.top(), xa + dir, bar.bottom());
        }
    }

    if (active) {
        const TNote& current = s.currentNote();
        if (current.pitch >= 13 && current.pitch <= 34 && !current.isRest() &&
            current.duration != 0) {
            const QRect bar = barRect(pane, current.pitch, current.duration);
            p.fillRect(bar, s.chosenVariant().chording ? CHORD_TONE : NON_CHORD_TONE);
            p.setPen(GREY);
            p.drawRect(bar);
            const QRect inner = bar.adjusted(3, 3, -3, -3);
            if (inner.width() > 0) {
                p.fillRect(inner, rgb(model.motive().key.degreeColour(current.pitch)));
            }
        }
    } else {
        const bool onlyRest = candidates.size() == 1 && !candidates.front().durations.empty() &&
                              candidates.front().durations.front() < 0;
        if (!onlyRest) {
            QFont f = p.font();
            f.setPixelSize(11);
            f.setBold(true);
            p.setFont(f);
            p.setPen(QColor(64, 64, 64));
            QFont nameFont = f;
            nameFont.setBold(false);
            const TKey& key = model.motive().key;
            for (const TScVariant& v : candidates) {
                if (v.pitch < 13 || v.pitch > 34) {
                    continue;
                }
                const int top = rowTop(v.pitch) + 3;
                p.setFont(f);
                p.drawText(QRect(degreeX(pane), top, 14, 14), Qt::AlignCenter,
                           QString::number(key.degreeOf(v.pitch)));
                // the note's name beside its degree, away from the boundary, so that octave
                // and pitch need no guessing
                p.setFont(nameFont);
                const QRect name = pane == 0
                                       ? QRect(degreeX(pane) - NAME_WIDTH - 2, top, NAME_WIDTH, 14)
                                       : QRect(degreeX(pane) + 16, top, NAME_WIDTH, 14);
                p.drawText(name, (pane == 0 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                           QString::fromStdString(pitchName(v.pitch, key)));
            }
        }
    }
}

void paintNotePaneDecorations(QPainter& p, const TNoteVariantStrategy& s, TVariantView& view,
                              int pane, bool active) {
    const TClipMaker& clip = view.clipMaker();
    const bool noteZone = clip.currentId() == NOTE_ZONE;
    const int32_t commitSide = view.activePane() == 0 ? SIDE_RIGHT : SIDE_LEFT;
    const int32_t extendSide = view.activePane() == 0 ? SIDE_LEFT : SIDE_RIGHT;
    if (active) {
        if (s.extent() > 0) {
            const int x = endX(pane, s.extent());
            p.setPen(noteZone ? greyOf(clip.pressureColour(extendSide)) : GREY);
            p.drawLine(x, 31, x, VIEW_HEIGHT - 1);
        }
    } else {
        for (const TScVariant& v : s.candidates()) {
            if (v.pitch < 13 || v.pitch > 34) {
                continue;
            }
            const QRect cell = edgeCell(pane, v.pitch);
            if (v.pitch != s.hoverRow()) {
                p.fillRect(cell.adjusted(3, 3, -3, -3), Qt::white);
                continue;
            }
            // the arrow shrinks as the commit pressure rises
            const int percent = noteZone ? clip.pressurePercent(commitSide) : 100;
            const int length = percent >= 99 ? 24 : percent * 24 / 100;
            const int mid = cell.center().y();
            const int tip = pane == 0 ? PANE_BOUNDARY - 2 : 2;
            const int tail = pane == 0 ? tip - length : tip + length;
            p.save();
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(QColor(40, 40, 40), 2));
            p.drawLine(tail, mid, tip, mid);
            QPainterPath head;
            const int back = pane == 0 ? tip - 6 : tip + 6;
            head.moveTo(tip, mid);
            head.lineTo(back, mid - 5);
            head.lineTo(back, mid + 5);
            head.closeSubpath();
            p.fillPath(head, QColor(40, 40, 40));
            p.restore();
        }
    }
    const int x = pane == 0 ? PANE_BOUNDARY : 0;
    p.setPen(noteZone ? greyOf(clip.pressureColour(commitSide)) : GREY);
    p.drawLine(x, 31, x, VIEW_HEIGHT - 1);
    if (active && noteZone) {
        // the edges being pushed, with how far each push has got: towards the other pane takes
        // the note, outwards lengthens it
        const int inward = pane == 0 ? -1 : 1;
        if (clip.direction(commitSide) != nullptr)
            paintMeter(p, pressureMeter(x, inward, clip.pressurePercent(commitSide), VIEW_HEIGHT),
                       COMMIT_METER_COLOUR, view.host().text("dad meter take"), inward);
        if (clip.direction(extendSide) != nullptr && s.extent() > 0)
            paintMeter(p,
                       pressureMeter(endX(pane, s.extent()), -inward,
                                     clip.pressurePercent(extendSide), VIEW_HEIGHT),
                       EXTEND_METER, view.host().text("dad meter longer"), -inward);
    }
}
