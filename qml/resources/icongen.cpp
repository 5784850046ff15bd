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
