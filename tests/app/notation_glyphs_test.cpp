#include "print/notation_glyphs.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

TEST(NotationGlyphsTest, EveryGlyphFillsItsOwnBox) {
    const TNotationGlyphs glyphs;
    for (int g = 0; g < GLYPH_COUNT; ++g) {
        const TGlyph glyph = TGlyph(g);
        SCOPED_TRACE(testing::Message() << "glyph " << g);
        const TGlyphSize size = glyphSize(glyph);
        const auto& layers = glyphs.layers(glyph);
        if (size.width == 0) {
            EXPECT_TRUE(layers.empty());
            continue;
        }
        ASSERT_FALSE(layers.empty());
        QRectF bounds;
        for (const QPainterPath& layer : layers)
            bounds = bounds.united(layer.boundingRect());
        // inside the box, give or take the half pixel antialiasing spreads
        EXPECT_GE(bounds.left(), -0.5);
        EXPECT_GE(bounds.top(), -0.5);
        EXPECT_LE(bounds.right(), size.width + 0.5);
        EXPECT_LE(bounds.bottom(), size.height + 0.5);
        // and a good part of it: no glyph is a speck in a corner
        EXPECT_GE(bounds.width(), size.width * 0.6);
        EXPECT_GE(bounds.height(), size.height * 0.6);
    }
}

TEST(NotationGlyphsTest, DrawsInTheGivenColourAtTheGivenPlace) {
    const TNotationGlyphs glyphs;
    QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        glyphs.draw(painter, TGlyph::HEAD_FILLED_UP, QPointF(20, 20), QColor(255, 0, 0));
        glyphs.draw(painter, TGlyph::REST_BLOCK, QPointF(2, 2), Qt::black);
    }
    EXPECT_EQ(image.pixel(25, 24), qRgb(255, 0, 0));  // the head's centre
    EXPECT_EQ(image.pixel(15, 24), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(6, 3), qRgb(0, 0, 0));  // inside the 9 x 4 block
    EXPECT_EQ(image.pixel(6, 7), qRgb(255, 255, 255));
    // the hollow head leaves its middle open
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        glyphs.draw(painter, TGlyph::HEAD_HOLLOW_DOWN, QPointF(20, 20), Qt::black);
    }
    EXPECT_EQ(image.pixel(25, 24), qRgb(255, 255, 255));
    EXPECT_LT(qGray(image.pixel(20, 25)), 128);  // the left rim
}
