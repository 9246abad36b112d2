// flag-sheet <output.png>
//
// Draws every picture of the set at 1x and at 4x, through the same provider the
// program uses, onto one PNG, so the artwork can be checked by eye.

#include "catalogue/flag_pictures.h"
#include "catalogue/flags.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <algorithm>

namespace {

using namespace vexo;

struct Group
{
    QString title;
    QList<int> ids;
};

enum GroupIndex { Letters, NumeralPennants, NatoNumerals, Substitutes, Answering, Specials, Other };

int groupOf(int id)
{
    if (id >= 'a' && id <= 'z')
        return Letters;
    if (id >= '0' && id <= '9')
        return NumeralPennants;
    if (id >= '0' - 28 && id <= '9' - 28)
        return NatoNumerals;
    if (id == '}')
        return Answering;
    switch (FlagCategory(QChar(id))) {
    case CategorySubstitute:
        return Substitutes;
    case CategoryNatoSpecial:
        return Specials;
    default:
        return Other;
    }
}

// The flag code a picture shows, or an empty text for the non-flag pictures.
QString codeOf(int id)
{
    switch (groupOf(id)) {
    case Letters:
        return QString(QChar(id).toUpper());
    case NumeralPennants:
        return QString(QChar(id));
    case NatoNumerals:
        return QString(QChar(id + 28));
    case Other:
        return QString();
    default:
        return QString(QChar(id));
    }
}

QString describe(int id)
{
    const QString code = codeOf(id);
    if (!code.isEmpty())
        return FlagName(code);
    switch (id) {
    case 32:
        return QStringLiteral("word space");
    case 39:
        return QStringLiteral("white field");
    case 40:
        return QStringLiteral("navy field");
    case 41:
        return QStringLiteral("black field");
    case 42:
        return QStringLiteral("red field");
    case 43:
        return QStringLiteral("green field");
    default:
        return QStringLiteral("(no description)");
    }
}

QtMessageHandler previousHandler = nullptr;

// The provider asks QSvgRenderer for every id while listing the set, and Qt
// warns about each one without a file; those lines say nothing here.
void quietMissingPictures(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("Cannot open file ':/flags/")))
        return;
    previousHandler(type, context, message);
}

constexpr int Margin = 24;
constexpr int Gap = 12;     // between the 1x and the 4x picture
constexpr int CellPad = 10; // inside a cell
constexpr int CellSpacing = 14;
constexpr int SheetWidth = 2040;

struct Cell
{
    int id;
    QPixmap small;
    QPixmap large;
    QStringList label;
    QSize size;
};

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    previousHandler = qInstallMessageHandler(quietMissingPictures);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: flag-sheet <output.png>\n";
        return 2;
    }

    QList<Group> groups{
        {QStringLiteral("ICS letter flags"), {}},
        {QStringLiteral("ICS numeral pennants"), {}},
        {QStringLiteral("NATO numeral flags"), {}},
        {QStringLiteral("Substitutes"), {}},
        {QStringLiteral("Answering pennant"), {}},
        {QStringLiteral("NATO special flags and pennants"), {}},
        {QStringLiteral("Other pictures"), {}},
    };
    for (int id : FlagPictureIds())
        groups[groupOf(id)].ids.append(id);
    // Substitutes in their own order and the specials in the program's list
    // order rather than by character code.
    const auto byCodeOrder = [](QList<int> &ids, const QString &order) {
        std::sort(ids.begin(), ids.end(), [&order](int a, int b) {
            return order.indexOf(QChar(a)) < order.indexOf(QChar(b));
        });
    };
    byCodeOrder(groups[Substitutes].ids, QStringLiteral("!@#$"));
    byCodeOrder(groups[Specials].ids, NatoSpecialCodes());

    QFont labelFont(QStringLiteral("DejaVu Sans"));
    labelFont.setPixelSize(13);
    QFont titleFont(labelFont);
    titleFont.setPixelSize(20);
    titleFont.setBold(true);
    const QFontMetrics labelMetrics(labelFont);
    const QFontMetrics titleMetrics(titleFont);

    // Lay the cells out row by row, wrapping at the sheet width.
    struct Placed
    {
        Cell cell;
        QPoint at;
    };
    QList<Placed> placed;
    QList<QPair<QString, int>> titles;
    int y = Margin;
    for (const Group &group : groups) {
        if (group.ids.isEmpty())
            continue;
        titles.append({group.title, y + titleMetrics.ascent()});
        y += titleMetrics.height() + 8;
        int x = Margin;
        int rowHeight = 0;
        for (int id : group.ids) {
            Cell cell;
            cell.id = id;
            cell.small = FlagPicture(id, 1.0);
            cell.large = FlagPicture(id, 4.0);
            const QString code = codeOf(id);
            cell.label << (code.isEmpty() ? QStringLiteral("id %1").arg(id)
                                          : QStringLiteral("id %1   code %2").arg(id).arg(code))
                       << describe(id);
            const QSize natural = FlagPictureSize(id);
            int textWidth = 0;
            for (const QString &line : cell.label)
                textWidth = std::max(textWidth, labelMetrics.horizontalAdvance(line));
            const int picturesWidth = natural.width() + Gap + natural.width() * 4;
            cell.size = QSize(std::max(picturesWidth, textWidth) + 2 * CellPad,
                              natural.height() * 4 + 6 + labelMetrics.height() * 2 + 2 * CellPad);
            if (x > Margin && x + cell.size.width() > SheetWidth - Margin) {
                x = Margin;
                y += rowHeight + CellSpacing;
                rowHeight = 0;
            }
            placed.append({cell, QPoint(x, y)});
            x += cell.size.width() + CellSpacing;
            rowHeight = std::max(rowHeight, cell.size.height());
        }
        y += rowHeight + 2 * CellSpacing;
    }
    const int height = y + Margin - CellSpacing;

    QImage sheet(SheetWidth, height, QImage::Format_RGB32);
    sheet.fill(QColor(246, 244, 238));
    // Cells are tinted rather than white, so the white parts of the flags show.
    const QColor cellColour(226, 222, 212);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QColor(30, 30, 30));
    painter.setFont(titleFont);
    for (const auto &[title, baseline] : titles)
        painter.drawText(Margin, baseline, title);

    painter.setFont(labelFont);
    for (const Placed &p : placed) {
        const QRect frame(p.at, p.cell.size);
        painter.fillRect(frame, cellColour);
        const QSize natural = FlagPictureSize(p.cell.id);
        const QPoint origin = p.at + QPoint(CellPad, CellPad);
        // Each picture goes onto the sheet pixel for pixel, at its device size.
        painter.drawPixmap(QRect(origin, p.cell.small.size()), p.cell.small);
        painter.drawPixmap(QRect(origin + QPoint(natural.width() + Gap, 0), p.cell.large.size()),
                           p.cell.large);
        painter.setPen(QColor(30, 30, 30));
        int baseline = origin.y() + natural.height() * 4 + 6 + labelMetrics.ascent();
        for (const QString &line : p.cell.label) {
            painter.drawText(origin.x(), baseline, line);
            baseline += labelMetrics.height();
        }
    }
    painter.end();

    if (!sheet.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        err << "cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
