// Draws the icon theme "app" as PNG files: each icon on a 20-unit grid, rendered at the
// scales its theme directory asks for. Usage: velmora-icongen OUTPUT_DIR

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <functional>

namespace {

using Draw = std::function<void(QPainter&)>;

QPen strokePen() {
    QPen pen(QColor(0x21, 0x21, 0x21));
    pen.setWidthF(2.0);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void chevron(QPainter& p, bool up) {
    const double y0 = up ? 13 : 7, y1 = up ? 7 : 13;
    p.drawPolyline(QPolygonF({{5, y0}, {10, y1}, {15, y0}}));
}

const std::pair<const char*, Draw> kIcons[] = {
    {"arrow_down", [](QPainter& p) { chevron(p, false); }},
    {"arrow_up", [](QPainter& p) { chevron(p, true); }},
    {"back",
     [](QPainter& p) {
         p.drawLine(QPointF(4, 10), QPointF(16, 10));
         p.drawPolyline(QPolygonF({{9, 5}, {4, 10}, {9, 15}}));
     }},
    {"close x",
     [](QPainter& p) {
         p.drawLine(QPointF(5, 5), QPointF(15, 15));
         p.drawLine(QPointF(15, 5), QPointF(5, 15));
     }},
    {"menu",
     [](QPainter& p) {
         for (double y : {5.0, 10.0, 15.0})
             p.drawLine(QPointF(3, y), QPointF(17, y));
     }},
    // The navigation list's entries.
    {"nav_ap",
     [](QPainter& p) {
         // A star over a camera's lens: photos of the sky, tracked.
         p.drawEllipse(QRectF(3, 9, 9, 9));
         p.drawLine(QPointF(15, 2), QPointF(15, 8));
         p.drawLine(QPointF(12, 5), QPointF(18, 5));
     }},
    {"nav_atl",
     [](QPainter& p) {
         // A lens and the arc of a sky that turns.
         p.drawEllipse(QRectF(3, 9, 9, 9));
         p.drawArc(QRectF(8, 2, 10, 10), 0, 180 * 16);
     }},
    {"nav_reg",
     [](QPainter& p) {
         // Frames in a row.
         for (double x : {2.0, 8.0, 14.0})
             p.drawRect(QRectF(x, 6, 4, 8));
     }},
    {"nav_long",
     [](QPainter& p) {
         // An hourglass.
         p.drawPolyline(QPolygonF({{5, 3}, {15, 3}, {5, 17}, {15, 17}, {5, 3}}));
     }},
    {"nav_manual",
     [](QPainter& p) {
         // Arrows of the two directions an axis turns.
         p.drawLine(QPointF(3, 10), QPointF(17, 10));
         p.drawPolyline(QPolygonF({{6, 7}, {3, 10}, {6, 13}}));
         p.drawPolyline(QPolygonF({{14, 7}, {17, 10}, {14, 13}}));
     }},
    {"nav_polar",
     [](QPainter& p) {
         // A reticle with its star.
         p.drawEllipse(QRectF(3, 3, 14, 14));
         p.drawLine(QPointF(10, 1), QPointF(10, 19));
         p.drawLine(QPointF(1, 10), QPointF(19, 10));
         p.drawEllipse(QRectF(12, 5, 2, 2));
     }},
    {"nav_settings",
     [](QPainter& p) {
         // Sliders.
         for (double y : {5.0, 10.0, 15.0})
             p.drawLine(QPointF(3, y), QPointF(17, y));
         p.drawEllipse(QRectF(11, 3, 4, 4));
         p.drawEllipse(QRectF(5, 8, 4, 4));
         p.drawEllipse(QRectF(9, 13, 4, 4));
     }},
    {"nav_log",
     [](QPainter& p) {
         // Lines of text on a page.
         p.drawRect(QRectF(4, 2, 12, 16));
         for (double y : {6.0, 10.0, 14.0})
             p.drawLine(QPointF(7, y), QPointF(13, y));
     }},
    {"refresh",
     [](QPainter& p) {
         p.drawArc(QRectF(4, 4, 12, 12), 90 * 16, 300 * 16);
         p.drawPolyline(QPolygonF({{10, 1.5}, {12.5, 4}, {10, 6.5}}));
     }},
    {"search",
     [](QPainter& p) {
         p.drawEllipse(QRectF(3, 3, 10, 10));
         p.drawLine(QPointF(12, 12), QPointF(17, 17));
     }},
};

bool render(const QString& dir, const char* name, const Draw& draw, int scale) {
    QImage image(20 * scale, 20 * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    painter.setPen(strokePen());
    draw(painter);
    painter.end();
    return QDir().mkpath(dir) && image.save(dir + "/" + name + ".png");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmora-icongen OUTPUT_DIR\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    for (const auto& [name, draw] : kIcons) {
        const bool arrow = QByteArray(name).startsWith("arrow_");
        bool ok = render(out + "/20x20", name, draw, 1);
        if (!arrow)
            ok = ok && render(out + "/20x20@2", name, draw, 2) &&
                 render(out + "/20x20@3", name, draw, 3);
        if (!ok) {
            std::fprintf(stderr, "velmora-icongen: cannot write %s\n", name);
            return 1;
        }
    }
    return 0;
}
