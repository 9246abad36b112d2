#include "reference/cheat_mean_form.h"

#include "catalogue/flag_pictures.h"
#include "catalogue/meanings.h"
#include "ui/controls.h"
#include "ui/twips.h"

#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

namespace vexo {

namespace {

constexpr double Margin = 120;
constexpr double LabelWidth = 4350;
constexpr double LabelHeight = 7275;
constexpr double ClientWidth = 4620;
constexpr double ClientHeight = 7470;
constexpr double BottomMargin = ClientHeight - Margin - LabelHeight;

} // namespace

QString MeaningsListing()
{
    QString listing;
    for (char16_t letter = u'A'; letter <= u'Z'; ++letter) {
        const QString code(QChar{letter});
        listing += code + QStringLiteral(":  ") + FlagMeaning(code) + QLatin1Char('\r');
    }
    return listing;
}

CheatMeanForm::CheatMeanForm()
    : AsideForm(QStringLiteral("CheatMeanForm"), QStringLiteral("Flag Meanings"), ClientWidth,
                ClientHeight)
{
    // The one window the user may resize.
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, false);

    // The wrapped meanings outgrow the label's designed height: the window
    // grows to show them, and scrolls where the screen is too small.
    Scroller = new QScrollArea(this);
    Scroller->setObjectName(QStringLiteral("Scroller"));
    Scroller->setFrameShape(QFrame::NoFrame);
    Scroller->setBackgroundRole(QPalette::Window);
    Scroller->viewport()->setBackgroundRole(QPalette::Window);
    auto *page = new QWidget;
    page->setBackgroundRole(QPalette::Window);
    Meanings = new Label(page);
    Meanings->setObjectName(QStringLiteral("Meanings"));
    Meanings->setGeometry(twipsRect(Margin, Margin, LabelWidth, LabelHeight));
    // The meanings themselves take the focus, so a screen reader reads them.
    Meanings->setFocusPolicy(Qt::StrongFocus);
    Scroller->setWidget(page);
    Scroller->setFocusPolicy(Qt::NoFocus);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Scroller);
}

void CheatMeanForm::Form_Load()
{
    // Built whole each time, so loading twice never lists a letter twice.
    Meanings->setCaption(MeaningsListing());
    fitToText();
}

void CheatMeanForm::fitToText()
{
    ensurePolished();
    Meanings->ensurePolished();
    const int labelHeight =
        std::max(twipsToPixels(LabelHeight), Meanings->heightForWidth(Meanings->width()));
    Meanings->resize(Meanings->width(), labelHeight);
    QWidget *page = Scroller->widget();
    const int pageHeight = std::max(twipsToPixels(ClientHeight),
                                    Meanings->y() + labelHeight + twipsToPixels(BottomMargin));
    page->resize(twipsToPixels(ClientWidth), pageHeight);

    int height = pageHeight;
    int width = page->width();
    if (const QScreen *where = screen()) {
        const int room = where->availableGeometry().marginsRemoved(decoration()).height();
        if (room > 0 && room < pageHeight) {
            height = room;
            width += style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, Scroller);
        }
    }
    setMinimumSize(twipsToPixels(1500), twipsToPixels(1500));
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(width, height);
}

} // namespace vexo
