#include "print/program_icon.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <cstdlib>
#include <vector>

namespace {

// What the SVG text says, read back as any XML reader would.
struct TSvgFacts {
    bool wellFormed = false;
    QString root;
    QString viewBox;
    std::vector<QColor> gradientStops;
    QColor firstLineStroke;
};

TSvgFacts readSvg(const QString& svg) {
    TSvgFacts facts;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (facts.root.isEmpty()) {
            facts.root = xml.name().toString();
            facts.viewBox = a.value("viewBox").toString();
        } else if (xml.name() == QLatin1String("stop")) {
            facts.gradientStops.emplace_back(a.value("stop-color").toString());
        } else if (xml.name() == QLatin1String("line") && !facts.firstLineStroke.isValid()) {
            facts.firstLineStroke = QColor(a.value("stroke").toString());
        }
    }
    facts.wellFormed = !xml.hasError();
    return facts;
}

QImage renderSvg(const QString& svg, int size) {
    QSvgRenderer renderer(svg.toUtf8());
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (!renderer.isValid())
        return {};
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

bool between(int value, int a, int b, int slack) {
    return value >= std::min(a, b) - slack && value <= std::max(a, b) + slack;
}

int channelDistance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
}

// The rows where a column runs through something much lighter than the tile: the staff lines
// where nothing else crosses the column. Each run is given by its middle row.
std::vector<int> lightRuns(const QImage& image, int x, int threshold) {
    std::vector<int> middles;
    int start = -1;
    for (int y = 0; y <= image.height(); ++y) {
        const bool light = y < image.height() && qAlpha(image.pixel(x, y)) == 255 &&
                           qGray(image.pixel(x, y)) > threshold;
        if (light && start < 0)
            start = y;
        if (!light && start >= 0) {
            middles.push_back((start + y - 1) / 2);
            start = -1;
        }
    }
    return middles;
}

}  // namespace

TEST(ProgramIcon, SvgIsAnSvgDocumentOnTheIconsSquare) {
    const TSvgFacts svg = readSvg(programIconSvg());
    ASSERT_TRUE(svg.wellFormed);
    EXPECT_EQ(svg.root, "svg");
    EXPECT_EQ(svg.viewBox, "0 0 256 256");
    ASSERT_EQ(svg.gradientStops.size(), 2u);
    EXPECT_TRUE(svg.gradientStops[0].isValid() && svg.gradientStops[1].isValid());
    EXPECT_TRUE(svg.firstLineStroke.isValid());
    EXPECT_TRUE(QSvgRenderer(programIconSvg().toUtf8()).isValid());
}

TEST(ProgramIcon, ImageAndSvgShowTheSamePicture) {
    const QString svgText = programIconSvg();
    const TSvgFacts svg = readSvg(svgText);
    ASSERT_EQ(svg.gradientStops.size(), 2u);
    const QImage drawn = programIconImage(256).convertToFormat(QImage::Format_ARGB32);
    const QImage rendered = renderSvg(svgText, 256).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(drawn.size(), QSize(256, 256));
    ASSERT_EQ(rendered.size(), QSize(256, 256));

    for (const QImage* image : {&drawn, &rendered}) {
        SCOPED_TRACE(image == &drawn ? "drawn with QPainter" : "rendered from the SVG");
        {
            SCOPED_TRACE("outside the rounded tile nothing is painted, inside everything is");
            for (QPoint corner : {QPoint(1, 1), QPoint(254, 1), QPoint(1, 254), QPoint(254, 254)})
                EXPECT_EQ(qAlpha(image->pixel(corner)), 0) << corner.x() << "," << corner.y();
            EXPECT_EQ(qAlpha(image->pixel(128, 128)), 255);
            EXPECT_EQ(qAlpha(image->pixel(16, 128)), 255);
        }
        {
            SCOPED_TRACE("the middle of the left edge shows the gradient, between its two stops");
            const QRgb left = image->pixel(16, 128);
            const QColor top = svg.gradientStops[0];
            const QColor bottom = svg.gradientStops[1];
            EXPECT_TRUE(between(qRed(left), top.red(), bottom.red(), 2)) << qRed(left);
            EXPECT_TRUE(between(qGreen(left), top.green(), bottom.green(), 2)) << qGreen(left);
            EXPECT_TRUE(between(qBlue(left), top.blue(), bottom.blue(), 2)) << qBlue(left);
            EXPECT_GT(qBlue(left), qRed(left) + 40);  // a blue, not a grey
            // and it darkens downwards
            EXPECT_GT(qGray(image->pixel(16, 60)), qGray(image->pixel(16, 200)));
        }
        {
            SCOPED_TRACE("five evenly spaced staff lines in the staff's colour, left of the notes");
            const std::vector<int> lines = lightRuns(*image, 256 / 6, 150);
            ASSERT_EQ(lines.size(), 5u);
            for (size_t i = 2; i < lines.size(); ++i)
                EXPECT_NEAR(lines[i] - lines[i - 1], lines[1] - lines[0], 1);
            EXPECT_LE(channelDistance(image->pixel(256 / 6, lines[2]), svg.firstLineStroke.rgba()),
                      8);
        }
    }

    // the two agree but for a few edge pixels (a quarter of a percent), where the antialiasing
    // of the two renderers differs by more than a shade
    int differing = 0;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            differing += channelDistance(drawn.pixel(x, y), rendered.pixel(x, y)) > 48 ? 1 : 0;
    EXPECT_LT(differing, 256 * 256 / 400) << differing << " pixels differ";
}

TEST(ProgramIcon, MotiveStandsOutInAmberAboveAndOnTheStaff) {
    const QImage image = programIconImage(256).convertToFormat(QImage::Format_ARGB32);
    const std::vector<int> lines = lightRuns(image, 256 / 6, 150);
    ASSERT_EQ(lines.size(), 5u);
    // warm: much more red than blue
    const auto warm = [](QRgb p) { return qAlpha(p) == 255 && qRed(p) > 200 && qBlue(p) < 120; };
    int above = 0;
    int within = 0;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            if (warm(image.pixel(x, y)))
                ++(y < lines.front() ? above : within);
    EXPECT_GT(above, 1000) << "the beam and the slur above the staff";
    EXPECT_GT(within, 1000) << "the note heads on the staff";
}

TEST(ProgramIcon, StaysLegibleAtTheSmallestThemeSize) {
    const QImage small = programIconImage(48).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(small.size(), QSize(48, 48));
    EXPECT_EQ(qAlpha(small.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(small.pixel(24, 24)), 255);
    // the staff lines, about four pixels apart, still come out as five separate lines
    EXPECT_EQ(lightRuns(small, 48 / 6, 110).size(), 5u);
}
