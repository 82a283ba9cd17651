#include "pictures/catalogue.h"

namespace pictures::catalogue {

using namespace draw;

namespace {

// One link between G(p) and R(p), as the time windows of a link's work show it. The window
// lays its 65 px icons over both ends of the arrows, so the signal names keep to the middle.
Entry linkWindow(const QString& name, const Block& block, int formulaSize, int padX)
{
    Style style = Style::window();
    style.formulaSize = formulaSize;
    style.letterSize = 20;
    style.headLength = 11;
    style.headHalfWidth = 4;
    style.padX = padX;
    style.barGap = 3;
    style.barOverhang = 4;
    return {name, QSize(415, 88), Qt::white, style, [block](Diagram& d) {
                d.keepOut(QRectF(0, 0, 65, d.size().height()), QStringLiteral("the left icons"));
                d.keepOut(QRectF(d.size().width() - 65, 0, 65, d.size().height()), QStringLiteral("the right icons"));
                Row r(d, 44);
                r.input(QStringLiteral("G(p)"), kInputColour).block(block).output(QStringLiteral("R(p)"), kOutputColour);
                r.setLabelPosition(0, 0.6);
                r.setLabelPosition(1, 0.4);
                r.fit(0, d.size().width());
                r.draw();
            }};
}

}  // namespace

std::vector<Entry> typical()
{
    return {
        linkWindow(QStringLiteral("aperiod"), frac(QStringLiteral("k"), QStringLiteral("Tp+1")), 22, 14),
        linkWindow(QStringLiteral("koleb"), frac(QStringLiteral("k"), QStringLiteral("T^2p^2+2γTp+1")), 16, 6),
    };
}

}  // namespace pictures::catalogue
