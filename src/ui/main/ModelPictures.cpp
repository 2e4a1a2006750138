#include "ui/main/ModelPictures.h"

#include <QStringList>

namespace ModelPictures {

namespace {
bool usesLightArrows(const QString &productName)
{
    static const QStringList products
        = { QStringLiteral("VORTAN2"),   QStringLiteral("HALCYR"),     QStringLiteral("BRISEN"),
            QStringLiteral("TALOR FPS"), QStringLiteral("TALOR"),      QStringLiteral("MURANE"),
            QStringLiteral("MURANE3"),   QStringLiteral("FENWIX"),     QStringLiteral("4617"),
            QStringLiteral("K314-RGB"),  QStringLiteral("4617-Q7171"), QStringLiteral("DUSKEL"),
            QStringLiteral("K527"),      QStringLiteral("K528"),       QStringLiteral("K530-RGB"),
            QStringLiteral("SOLWEN"),    QStringLiteral("K531-PRO"),   QStringLiteral("K531-RGB"),
            QStringLiteral("K531-RGB2"), QStringLiteral("QUILLON2"),   QStringLiteral("VESPERA2"),
            QStringLiteral("GARNOTH") };
    return products.contains(productName);
}

ArrowPictures arrow(const QString &productName, const QString &direction)
{
    const bool light = usesLightArrows(productName);
    const QString normal = QStringLiteral("/btn_%1%2.png").arg(direction).arg(light ? 4 : 2);
    const QString active = QStringLiteral("/btn_%1%2.png").arg(direction).arg(light ? 3 : 1);
    return { normal, active, active };
}

// Anchors on a mouse seen from above: the two main buttons, wheel, DPI button, the side buttons
// on both flanks, then further points down the shell for products with many buttons.
constexpr QPointF FrontAnchors[20]
    = { { 0.38, 0.14 }, { 0.62, 0.14 }, { 0.50, 0.20 }, { 0.50, 0.36 }, { 0.28, 0.42 },
        { 0.28, 0.52 }, { 0.72, 0.42 }, { 0.72, 0.52 }, { 0.50, 0.60 }, { 0.30, 0.62 },
        { 0.70, 0.62 }, { 0.33, 0.72 }, { 0.67, 0.72 }, { 0.36, 0.30 }, { 0.64, 0.30 },
        { 0.50, 0.28 }, { 0.31, 0.80 }, { 0.69, 0.80 }, { 0.40, 0.88 }, { 0.60, 0.88 } };
} // namespace

ArrowPictures upArrow(const QString &productName)
{
    return arrow(productName, QStringLiteral("up"));
}

ArrowPictures downArrow(const QString &productName)
{
    return arrow(productName, QStringLiteral("down"));
}

QString frontPicture(const QString &productName)
{
    return QStringLiteral("/mouse/") + productName + QStringLiteral("Mouse.png");
}

QString sidePicture(const QString &productName)
{
    return QStringLiteral("/mouse/") + productName + QStringLiteral("_Side.png");
}

QPointF calloutAnchor(int index)
{
    if (index < 0 || index >= 20)
        return QPointF(0.5, 0.5);
    return FrontAnchors[index];
}

} // namespace ModelPictures
