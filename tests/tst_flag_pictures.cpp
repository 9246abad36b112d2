#include "catalogue/flag_pictures.h"
#include "catalogue/svg_document.h"
#include "ui/controls.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>

using namespace vexo;

namespace {

// The palette of the flag artwork.
constexpr QRgb White = qRgb(255, 255, 255);
constexpr QRgb Red = qRgb(200, 16, 46);
constexpr QRgb Blue = qRgb(0, 94, 184);
constexpr QRgb Yellow = qRgb(255, 209, 0);
constexpr QRgb Black = qRgb(0, 0, 0);
constexpr QRgb Green = qRgb(0, 150, 94);
constexpr QRgb Grey = qRgb(192, 192, 192);
constexpr QRgb Navy = qRgb(0, 32, 128);

// How far two renderers may differ on an antialiased edge, in one channel.
constexpr int EdgeTolerance = 64;

constexpr QSize LetterBox(45, 38);
constexpr QSize NatoNumeralBox(46, 38);
constexpr QSize PennantBox(90, 30);
constexpr QSize TriangleBox(68, 45);

// A point in logical picture pixels and the colour the design puts there.
struct Sample
{
    qreal x;
    qreal y;
    QRgb colour;
};

using Samples = QList<Sample>;

QList<int> expectedIds()
{
    QList<int> ids;
    for (int id = 20; id <= 29; ++id)
        ids << id;
    ids << 32 << 33;
    for (int id = 35; id <= 43; ++id)
        ids << id;
    for (int id = 47; id <= 64; ++id)
        ids << id;
    for (int id = 91; id <= 125; ++id)
        ids << id;
    return ids;
}

QSize expectedSize(int id)
{
    if (id >= 20 && id <= 29)
        return NatoNumeralBox;
    if ((id >= '0' && id <= '9') || QByteArray("}|{;<=?[^`").contains(char(id)))
        return PennantBox;
    if (QByteArray("!@#$:\\]").contains(char(id)))
        return TriangleBox;
    return LetterBox;
}

QString colourText(QRgb c)
{
    return QStringLiteral("(%1,%2,%3,a%4)")
        .arg(qRed(c))
        .arg(qGreen(c))
        .arg(qBlue(c))
        .arg(qAlpha(c));
}

bool near(QRgb actual, QRgb expected, int tolerance = 4)
{
    return qAlpha(actual) == qAlpha(expected) &&
           std::abs(qRed(actual) - qRed(expected)) <= tolerance &&
           std::abs(qGreen(actual) - qGreen(expected)) <= tolerance &&
           std::abs(qBlue(actual) - qBlue(expected)) <= tolerance;
}

struct FlagSamples
{
    int id;
    const char *name;
    Samples samples;
};

// Points sit well inside their region, so a swapped, mirrored or recoloured
// design fails at least one of them.
const QList<FlagSamples> &flagSamples()
{
    // clang-format off
    static const QList<FlagSamples> table{
        // ICS letters, 45 x 38
        {'a', "Alfa", {{8, 19, White}, {28, 6, Blue}, {42, 19, Grey}}},
        {'b', "Bravo", {{10, 19, Red}, {42, 2, Red}, {42, 19, Grey}}},
        {'c', "Charlie", {{22, 3.8, Blue}, {22, 11.4, White}, {22, 19, Red}, {22, 34.2, Blue}}},
        {'d', "Delta", {{22, 3, Yellow}, {22, 19, Blue}, {22, 35, Yellow}}},
        {'e', "Echo", {{22, 9, Blue}, {22, 29, Red}}},
        {'f', "Foxtrot", {{22.5, 19, Red}, {4, 4, White}, {40, 34, White}}},
        {'g', "Golf", {{3.75, 19, Yellow}, {11.25, 19, Blue}, {41.25, 19, Blue}}},
        {'h', "Hotel", {{10, 19, White}, {34, 19, Red}}},
        {'i', "India", {{22.5, 19, Black}, {22.5, 5, Yellow}, {4, 4, Yellow}}},
        {'j', "Juliett", {{22, 6, Blue}, {22, 19, White}, {22, 32, Blue}}},
        {'k', "Kilo", {{10, 19, Yellow}, {34, 19, Blue}}},
        {'l', "Lima", {{10, 9, Yellow}, {34, 9, Black}, {10, 29, Black}, {34, 29, Yellow}}},
        {'m', "Mike", {{22.5, 19, White}, {3, 2.5, White}, {22.5, 4, Blue}, {4, 19, Blue}}},
        {'n', "November", {{5.6, 4.75, Blue}, {16.9, 4.75, White}, {5.6, 14.25, White},
                           {39.4, 33.25, Blue}}},
        {'o', "Oscar", {{34, 9, Red}, {10, 29, Yellow}}},
        {'p', "Papa", {{22.5, 19, White}, {7, 19, Blue}, {22.5, 5, Blue}}},
        {'q', "Quebec", {{22.5, 19, Yellow}, {4, 4, Yellow}}},
        {'r', "Romeo", {{22.5, 19, Yellow}, {22.5, 4, Yellow}, {8, 8, Red}, {36, 30, Red}}},
        {'s', "Sierra", {{22.5, 19, Blue}, {7, 19, White}}},
        {'t', "Tango", {{7.5, 19, Red}, {22.5, 19, White}, {37.5, 19, Blue}}},
        {'u', "Uniform", {{10, 9, Red}, {34, 9, White}, {10, 29, White}, {34, 29, Red}}},
        {'v', "Victor", {{22.5, 19, Red}, {3, 2.5, Red}, {22.5, 4, White}}},
        {'w', "Whiskey", {{3.75, 19, Blue}, {11.25, 19, White}, {22.5, 19, Red}, {22.5, 3, Blue}}},
        {'x', "X-ray", {{22.5, 19, Blue}, {22.5, 4, Blue}, {8, 8, White}}},
        {'y', "Yankee", {{2, 2, Yellow}, {9, 3.8, Red}, {43, 36, Red}}},
        {'z', "Zulu", {{22.5, 5, Yellow}, {40, 19, Blue}, {22.5, 33, Red}, {5, 19, Black}}},

        // NATO specials in the 45 x 38 box
        {'/', "Division", {{22, 4.75, Red}, {22, 14.25, White}, {22, 23.75, Blue},
                           {22, 33.25, Yellow}}},
        {'&', "Flotilla", {{10, 4, Blue}, {20, 19, White}, {10, 34, Blue}, {38, 3, Blue},
                           {38, 19, Grey}}},
        {'>', "Port", {{3.2, 19, Red}, {9.6, 19, White}, {16, 19, Red}, {22.5, 19, White},
                       {41.8, 19, Red}}},
        {'%', "Squadron", {{10, 9, Blue}, {34, 9, Yellow}, {10, 29, White}, {34, 29, Red}}},
        {'_', "Subdivision", {{10, 19, Blue}, {30, 19, Blue}, {40, 4, Grey}, {40, 34, Grey}}},

        // NATO numeral flags, 46 x 38
        {20, "NATO Zero", {{23, 19, Blue}, {7.67, 6.33, Blue}, {38.33, 31.67, Blue},
                           {15, 12, White}, {3, 19, White}}},
        {21, "NATO One", {{23, 6, Red}, {23, 19, Yellow}, {23, 32, Red}}},
        {22, "NATO Two", {{23, 6, Yellow}, {23, 19, Red}, {23, 32, Yellow}}},
        {23, "NATO Three", {{23, 6, Blue}, {23, 19, Red}, {23, 32, Blue}}},
        {24, "NATO Four", {{23, 19, White}, {3, 2.5, White}, {23, 4, Red}}},
        {25, "NATO Five", {{23, 19, Blue}, {3, 2.5, Blue}, {23, 4, Yellow}}},
        {26, "NATO Six", {{2, 2, White}, {44, 36, White}, {16.1, 3.04, Blue}, {23, 19, Blue}}},
        {27, "NATO Seven", {{7.67, 19, Red}, {23, 19, White}, {38.33, 19, Red}}},
        {28, "NATO Eight", {{7.67, 19, Yellow}, {23, 19, Blue}, {38.33, 19, Yellow}}},
        {29, "NATO Nine", {{7.67, 19, Blue}, {23, 19, White}, {38.33, 19, Blue}}},

        // ICS numeral pennants and the answering pennant, 90 x 30
        {'0', "Pennant Zero", {{15, 15, Yellow}, {45, 15, Red}, {75, 15, Yellow}, {80, 3, Grey}}},
        {'1', "Pennant One", {{22.5, 15, Red}, {10, 15, White}, {50, 15, White}, {80, 3, Grey}}},
        {'2', "Pennant Two", {{22.5, 15, White}, {50, 15, Blue}, {80, 27, Grey}}},
        {'3', "Pennant Three", {{15, 15, Red}, {45, 15, White}, {75, 15, Blue}}},
        {'4', "Pennant Four", {{27, 15, White}, {60, 15, White}, {12, 6, Red}, {60, 8, Red}}},
        {'5', "Pennant Five", {{20, 15, Yellow}, {70, 15, Blue}}},
        {'6', "Pennant Six", {{20, 8, Black}, {20, 22, White}, {85, 12, Black}, {85, 18, White},
                              {80, 3, Grey}}},
        {'7', "Pennant Seven", {{20, 8, Yellow}, {20, 22, Red}}},
        {'8', "Pennant Eight", {{27, 15, Red}, {60, 15, Red}, {12, 6, White}}},
        {'9', "Pennant Nine", {{20, 8, White}, {65, 12, Black}, {20, 22, Red}, {65, 18, Yellow}}},
        {'}', "Answering", {{9, 15, Red}, {27, 15, White}, {45, 15, Red}, {63, 15, White},
                            {81, 15, Red}, {80, 3, Grey}}},

        // Pennant-shaped NATO specials, 90 x 30
        {'|', "Corpen", {{22.5, 15, White}, {56, 15, White}, {8, 15, Red}, {40, 15, Red},
                         {80, 3, Grey}}},
        {'{', "Designation", {{15, 15, White}, {45, 15, Blue}, {75, 15, White}, {80, 27, Grey}}},
        {';', "Formation", {{20, 6.5, Red}, {20, 15, White}, {20, 23.5, Blue}, {85, 11.3, Red},
                            {85, 18.7, Blue}}},
        {'<', "Interrogative", {{20, 15, White}, {70, 15, Red}}},
        {'=', "Negative", {{11.25, 8, Blue}, {11.25, 22, Yellow}, {33.75, 8, Yellow},
                           {33.75, 22, Blue}, {78.75, 12.5, Yellow}, {78.75, 17.5, Blue}}},
        {'?', "Preparative", {{20, 6.5, Yellow}, {20, 15, Green}, {20, 23.5, Yellow},
                              {85, 11.3, Yellow}}},
        {'[', "Screen", {{20, 15, Black}, {80, 15, Black}, {80, 3, Grey}}},
        {'^', "Starboard", {{15, 15, Green}, {45, 15, White}, {75, 15, Green}, {80, 3, Grey}}},
        {'`', "Turn", {{7.5, 15, White}, {22.5, 15, Blue}, {67.5, 15, White}, {82.5, 15, Blue}}},

        // Substitutes and triangular NATO specials, 68 x 45
        {'!', "1st substitute", {{5, 22.5, Yellow}, {50, 22.5, Blue}, {5, 4, Blue}, {60, 5, Grey}}},
        {'@', "2nd substitute", {{15, 22.5, Blue}, {50, 22.5, White}, {60, 5, Grey}}},
        {'#', "3rd substitute", {{15, 7.5, White}, {15, 22.5, Black}, {15, 37.5, White},
                                 {60, 22.5, Black}, {60, 5, Grey}}},
        {'$', "4th substitute", {{7.5, 22.5, Yellow}, {7.5, 8, Red}, {30, 22.5, Red},
                                 {60, 40, Grey}}},
        {':', "Emergency", {{5.67, 5.6, White}, {17, 8.5, Red}, {5.67, 16.9, Red},
                            {17, 16.9, White}, {28.33, 16.9, Red}, {60, 5, Grey}}},
        {'\\', "Speed", {{20, 22.5, Red}, {60, 5, Grey}, {60, 40, Grey}}},
        {']', "Station", {{5, 22.5, White}, {50, 22.5, Red}, {5, 4, Red}, {60, 40, Grey}}},

        // Other pictures, 45 x 38
        {32, "Word space", {{2, 2, Grey}, {42, 35, Grey}, {6.25, 23, Black}, {12.75, 15, Black},
                            {6.25, 15, Grey}}},
        {39, "White field", {{22, 19, White}, {2, 2, White}}},
        {40, "Navy field", {{22, 19, Navy}, {2, 2, Navy}}},
        {41, "Black field", {{22, 19, Black}, {2, 2, Black}}},
        {42, "Red field", {{22, 19, Red}, {2, 2, Red}}},
        {43, "Green field", {{22, 19, Green}, {2, 2, Green}}},
    };
    // clang-format on
    return table;
}

QtMessageHandler previousHandler = nullptr;

// The provider asks QSvgRenderer for every id it is offered, and Qt warns about
// each id that has no file; those lines are expected and only drown the log.
void quietMissingPictures(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("Cannot open file ':/flags/")))
        return;
    previousHandler(type, context, message);
}

} // namespace

Q_DECLARE_METATYPE(Samples)

class TestFlagPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void artworkUsesOnlyPlainShapes();
    void theSetIsExactlyTheKnownIds();
    void everyPictureRendersAtItsSize_data();
    void everyPictureRendersAtItsSize();
    void idsOutsideTheSetGiveNothing_data();
    void idsOutsideTheSetGiveNothing();
    void samplesMatchTheDesign_data();
    void samplesMatchTheDesign();
    void everyFlagHasSamples();
    void gradeIcons_data();
    void gradeIcons();
    void programIconLoads();
    void renderersAgree_data();
    void renderersAgree();
    void sharpOnEveryScreen();

private:
    int m_largestInside = 0;
    int m_largestOnEdges = 0;
};

void TestFlagPictures::initTestCase()
{
    previousHandler = qInstallMessageHandler(quietMissingPictures);
}

void TestFlagPictures::cleanupTestCase()
{
    qInstallMessageHandler(previousHandler);
    if (m_largestInside + m_largestOnEdges > 0)
        qInfo("Qt SVG and nanosvg: largest difference %d inside shapes, %d on their edges",
              m_largestInside, m_largestOnEdges);
}

// Qt SVG quietly skips what it cannot draw (clip paths, masks, filters in this
// Qt), so a picture using them would render wrong without a warning. Every
// file keeps to plain shapes, and its root states the size the program reads.
void TestFlagPictures::artworkUsesOnlyPlainShapes()
{
    QVERIFY(HasFlagPicture('a')); // registers the resources
    const QSet<QString> allowed{QStringLiteral("svg"),     QStringLiteral("title"),
                                QStringLiteral("g"),       QStringLiteral("rect"),
                                QStringLiteral("polygon"), QStringLiteral("circle"),
                                QStringLiteral("path")};
    const QStringList banned{QStringLiteral("style"), QStringLiteral("class"),
                             QStringLiteral("clip-path"), QStringLiteral("mask"),
                             QStringLiteral("filter")};
    QList<QPair<QString, QSize>> files;
    for (int id : expectedIds())
        files.append({QStringLiteral(":/flags/%1").arg(id), expectedSize(id)});
    for (const char *alias : {"101", "104", "105", "106", "107", "108"})
        files.append({QStringLiteral(":/icons/") + QLatin1String(alias), QSize(32, 32)});
    files.append({QStringLiteral(":/icons/vexo"), QSize()});

    for (const auto &[path, size] : files) {
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        QXmlStreamReader xml(&file);
        bool root = true;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const QString name = xml.name().toString();
            QVERIFY2(allowed.contains(name), qPrintable(path + QLatin1String(": <") + name + u'>'));
            for (const QString &attribute : banned)
                QVERIFY2(!xml.attributes().hasAttribute(attribute),
                         qPrintable(path + QLatin1String(": ") + attribute));
            if (root) {
                root = false;
                QCOMPARE(name, QStringLiteral("svg"));
                const QXmlStreamAttributes a = xml.attributes();
                const QSize stated(a.value(QLatin1String("width")).toInt(),
                                   a.value(QLatin1String("height")).toInt());
                QVERIFY2(size.isValid() ? stated == size : stated.width() == stated.height(),
                         qPrintable(path));
                QVERIFY2(a.value(QLatin1String("viewBox")) ==
                             QStringLiteral("0 0 %1 %2").arg(stated.width()).arg(stated.height()),
                         qPrintable(path));
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(path + QLatin1String(": ") + xml.errorString()));
        QVERIFY2(!root, qPrintable(path));
    }
}

void TestFlagPictures::theSetIsExactlyTheKnownIds()
{
    QCOMPARE(FlagPictureIds(), expectedIds());
}

void TestFlagPictures::everyPictureRendersAtItsSize_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QSize>("size");
    for (int id : expectedIds())
        QTest::addRow("%d", id) << id << expectedSize(id);
}

void TestFlagPictures::everyPictureRendersAtItsSize()
{
    QFETCH(int, id);
    QFETCH(QSize, size);
    QVERIFY(HasFlagPicture(id));
    QCOMPARE(FlagPictureSize(id), size);

    const QPixmap plain = FlagPicture(id, 1.0);
    QVERIFY(!plain.isNull());
    QCOMPARE(plain.size(), size);
    QCOMPARE(plain.devicePixelRatio(), 1.0);

    const QPixmap sharp = FlagPicture(id, 2.0);
    QVERIFY(!sharp.isNull());
    QCOMPARE(sharp.size(), size * 2);
    QCOMPARE(sharp.devicePixelRatio(), 2.0);
    QCOMPARE(sharp.deviceIndependentSize(), QSizeF(size));

    // Every picture covers its whole box: flags edge to edge, pennants and
    // triangles on grey. A transparent pixel means a gap in the artwork.
    for (qreal ratio : {1.0, 4.0}) {
        const QImage image = FlagPicture(id, ratio).toImage();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) != 255)
                    QFAIL(qPrintable(
                        QStringLiteral("not opaque at %1,%2 (ratio %3)").arg(x).arg(y).arg(ratio)));
            }
        }
    }
}

void TestFlagPictures::idsOutsideTheSetGiveNothing_data()
{
    QTest::addColumn<int>("id");
    QList<int> ids{-1, 0, 19, 30, 31, 34, 44, 45, 46, 126, 127, 255, 256};
    for (int id = 65; id <= 90; ++id)
        ids << id;
    for (int id : ids)
        QTest::addRow("%d", id) << id;
}

void TestFlagPictures::idsOutsideTheSetGiveNothing()
{
    QFETCH(int, id);
    QVERIFY(!HasFlagPicture(id));
    QVERIFY(FlagPictureSize(id).isEmpty());
    QVERIFY(FlagPicture(id, 1.0).isNull());
    QVERIFY(FlagPicture(id, QSize(45, 38), 1.0).isNull());
}

void TestFlagPictures::samplesMatchTheDesign_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<Samples>("samples");
    for (const FlagSamples &flag : flagSamples())
        QTest::addRow("%d %s", flag.id, flag.name) << flag.id << flag.samples;
}

void TestFlagPictures::samplesMatchTheDesign()
{
    QFETCH(int, id);
    QFETCH(Samples, samples);
    constexpr int Ratio = 4;
    const QPixmap pixmap = FlagPicture(id, Ratio);
    QCOMPARE(pixmap.size(), FlagPictureSize(id) * Ratio);
    const QImage image = pixmap.toImage();
    for (const Sample &s : samples) {
        const QRgb actual = image.pixel(int(s.x * Ratio), int(s.y * Ratio));
        if (!near(actual, s.colour))
            QFAIL(qPrintable(QStringLiteral("at %1,%2: got %3, expected %4")
                                 .arg(s.x)
                                 .arg(s.y)
                                 .arg(colourText(actual), colourText(s.colour))));
    }
}

void TestFlagPictures::everyFlagHasSamples()
{
    QList<int> sampled;
    for (const FlagSamples &flag : flagSamples()) {
        QVERIFY2(flag.samples.size() >= 2, flag.name);
        sampled << flag.id;
    }
    std::sort(sampled.begin(), sampled.end());
    QCOMPARE(sampled, expectedIds());
}

void TestFlagPictures::gradeIcons_data()
{
    QTest::addColumn<QString>("alias");
    QTest::addColumn<Samples>("samples");
    // Sampled on the 32-pixel icon. The letter flags fill the width at 45:38,
    // so they run from y = 2.5 to 29.5 with clear space above and below.
    const QRgb Clear = qRgba(0, 0, 0, 0);
    QTest::addRow("windsock") << QStringLiteral("101") << Samples{{31, 31, Clear}};
    QTest::addRow("A") << QStringLiteral("104")
                       << Samples{{4, 16, White}, {20, 16, Blue}, {30, 16, Clear}, {16, 0, Clear}};
    QTest::addRow("B") << QStringLiteral("105")
                       << Samples{{10, 16, Red}, {30, 16, Clear}, {16, 31, Clear}};
    QTest::addRow("C") << QStringLiteral("106")
                       << Samples{{16, 16, Red}, {16, 5, Blue}, {16, 10.5, White}, {16, 0, Clear}};
    QTest::addRow("D") << QStringLiteral("107")
                       << Samples{{16, 16, Blue}, {16, 5, Yellow}, {16, 31, Clear}};
    QTest::addRow("F") << QStringLiteral("108")
                       << Samples{{16, 16, Red}, {3, 6, White}, {16, 0, Clear}};
}

void TestFlagPictures::gradeIcons()
{
    QFETCH(QString, alias);
    QFETCH(Samples, samples);
    const QIcon icon = SvgIcon(QStringLiteral(":/icons/") + alias);
    QVERIFY(!icon.isNull());
    const QImage image =
        icon.pixmap(QSize(32, 32), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(32, 32));
    int opaque = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x)
            opaque += qAlpha(image.pixel(x, y)) == 255;
    }
    QVERIFY2(opaque > 32 * 32 / 8, "the icon is mostly empty");
    for (const Sample &s : samples) {
        QRgb actual = image.pixel(int(s.x), int(s.y));
        if (qAlpha(actual) == 0)
            actual = qRgba(0, 0, 0, 0);
        if (!near(actual, s.colour))
            QFAIL(qPrintable(QStringLiteral("at %1,%2: got %3, expected %4")
                                 .arg(s.x)
                                 .arg(s.y)
                                 .arg(colourText(actual), colourText(s.colour))));
    }
}

void TestFlagPictures::programIconLoads()
{
    const QIcon icon = SvgIcon(QStringLiteral(":/icons/vexo"));
    QVERIFY(!icon.isNull());
    for (int side : {16, 256}) {
        const QImage image = icon.pixmap(QSize(side, side), 1.0).toImage();
        QCOMPARE(image.size(), QSize(side, side));
        int opaque = 0;
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x)
                opaque += qAlpha(image.pixel(x, y)) > 0;
        }
        QVERIFY(opaque > side * side / 8);
    }
}

// Qt's SVG module draws the pictures on Linux, nanosvg on Windows: every flag
// and icon, at 1x and 2x, comes out the same from both, pixel for pixel inside
// its shapes and within antialiasing on their edges.
void TestFlagPictures::renderersAgree_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("ratio");
    QStringList paths;
    for (int id : expectedIds())
        paths << QStringLiteral(":/flags/%1").arg(id);
    for (const char *icon : {"vexo", "101", "104", "105", "106", "107", "108"})
        paths << QStringLiteral(":/icons/") + QLatin1String(icon);
    for (const QString &path : paths) {
        for (int ratio : {1, 2})
            QTest::addRow("%s at %dx", qPrintable(path), ratio) << path << ratio;
    }
}

void TestFlagPictures::renderersAgree()
{
#ifndef VEXO_BOTH_SVG_RENDERERS
    QSKIP("this build has one SVG renderer");
#else
    QFETCH(QString, path);
    QFETCH(int, ratio);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    QXmlStreamReader xml(data);
    xml.readNextStartElement();
    const QSize size(xml.attributes().value(QLatin1String("width")).toInt() * ratio,
                     xml.attributes().value(QLatin1String("height")).toInt() * ratio);
    const QImage qt = parseSvgWithQtSvg(data)->render(size);
    const QImage nano = parseSvgWithNanoSvg(data)->render(size);
    QCOMPARE(nano.size(), qt.size());
    const auto difference = [](QRgb a, QRgb b) {
        return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                         std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
    };
    int inside = 0;
    int onEdges = 0;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const QRgb here = qt.pixel(x, y);
            // A pixel of an edge differs from a neighbour, or is a blend.
            bool edge = qAlpha(here) != 0 && qAlpha(here) != 255;
            for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                const QPoint next = QPoint(x, y) + step;
                edge = edge || (qt.rect().contains(next) && qt.pixel(next) != here);
            }
            int &largest = edge ? onEdges : inside;
            largest = std::max(largest, difference(here, nano.pixel(x, y)));
        }
    }
    m_largestInside = std::max(m_largestInside, inside);
    m_largestOnEdges = std::max(m_largestOnEdges, onEdges);
    QVERIFY2(inside <= 1, qPrintable(QStringLiteral("inside: %1").arg(inside)));
    QVERIFY2(onEdges <= EdgeTolerance, qPrintable(QStringLiteral("on edges: %1").arg(onEdges)));
#endif
}

// Beside a screen at another scale, a picture is drawn for the screen its
// window is on, and drawn again when the window moves to the other.
void TestFlagPictures::sharpOnEveryScreen()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (screens.size() < 2 || screens[0]->devicePixelRatio() == screens[1]->devicePixelRatio())
        QSKIP("needs two screens of different scales (tests/two_screens.json)");
    QWidget window;
    ImageBox box(&window);
    box.setPicture('a');
    window.resize(100, 100);
    for (QScreen *screen : {screens[0], screens[1], screens[0]}) {
        window.move(screen->geometry().topLeft() + QPoint(20, 20));
        window.show();
        QTRY_COMPARE(window.screen(), screen);
        const qreal ratio = screen->devicePixelRatio();
        QTRY_COMPARE(box.devicePixelRatioF(), ratio);
        QCOMPARE(
            box.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
            FlagPicture('a', ratio).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
}

QTEST_MAIN(TestFlagPictures)
#include "tst_flag_pictures.moc"
