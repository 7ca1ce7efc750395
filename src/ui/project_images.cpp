// Small drawn pixmaps for the project tree and the frame's background.
#include "ui/project_images.h"

#include <QPainter>
#include <QPainterPath>

namespace plumora {

namespace {

constexpr int kSize = 16;

QPixmap Blank() {
    QPixmap map(kSize, kSize);
    map.fill(Qt::transparent);
    return map;
}

void Page(QPainter& p, const QColor& fold) {
    QPainterPath path;
    path.moveTo(3, 1);
    path.lineTo(10, 1);
    path.lineTo(13, 4);
    path.lineTo(13, 15);
    path.lineTo(3, 15);
    path.closeSubpath();
    p.setPen(QColor(64, 64, 64));
    p.setBrush(Qt::white);
    p.drawPath(path);
    p.fillRect(QRect(10, 1, 3, 3), fold);
}

}  // namespace

QPixmap ProjectImage(int index) {
    QPixmap map = Blank();
    QPainter p(&map);
    p.setRenderHint(QPainter::Antialiasing, false);
    switch (index) {
        case 0:  // project: a stack of two pages
            p.setPen(QColor(64, 64, 64));
            p.setBrush(QColor(255, 255, 192));
            p.drawRect(1, 1, 10, 11);
            p.drawRect(4, 4, 10, 11);
            p.fillRect(QRect(6, 7, 6, 1), QColor(0, 0, 128));
            p.fillRect(QRect(6, 10, 6, 1), QColor(0, 0, 128));
            break;
        case 1:  // form: a window with a blue title bar
            p.setPen(QColor(64, 64, 64));
            p.setBrush(QColor(192, 192, 192));
            p.drawRect(1, 2, 13, 11);
            p.fillRect(QRect(2, 3, 12, 3), QColor(0, 0, 128));
            p.fillRect(QRect(3, 8, 5, 3), Qt::white);
            break;
        case 4:  // module: a page of code lines
            Page(p, QColor(0, 128, 0));
            for (int y = 5; y <= 12; y += 2) p.fillRect(QRect(5, y, y % 4 ? 6 : 4, 1), QColor(0, 128, 0));
            break;
        case 7:  // user control: a page with a control
            Page(p, QColor(128, 0, 128));
            p.fillRect(QRect(5, 8, 6, 4), QColor(128, 0, 128));
            break;
        case 8:  // class: a page with a dark red square
            Page(p, QColor(128, 0, 0));
            p.fillRect(QRect(5, 6, 6, 6), QColor(160, 0, 0));
            break;
        default:
            Page(p, QColor(128, 128, 128));
            break;
    }
    return map;
}

QPixmap StateImageMap(int state) {
    QPixmap map = Blank();
    QPainter p(&map);
    p.setPen(QColor(64, 64, 64));
    p.setBrush(Qt::white);
    p.drawRect(2, 2, 11, 11);
    if (state == 1) {
        QPen pen(QColor(0, 0, 0));
        pen.setWidth(2);
        p.setPen(pen);
        p.drawLine(4, 8, 7, 11);
        p.drawLine(7, 11, 11, 4);
    }
    return map;
}

QIcon TreeNodeIcon(int state, int kind) {
    QPixmap map(kSize * 2 + 2, kSize);
    map.fill(Qt::transparent);
    QPainter p(&map);
    // A node without a state image (the root) shows its picture at the left.
    if (state > 0) {
        p.drawPixmap(0, 0, StateImageMap(state));
        p.drawPixmap(kSize + 2, 0, ProjectImage(kind));
    } else {
        p.drawPixmap(0, 0, ProjectImage(kind));
    }
    p.end();
    return QIcon(map);
}

QIcon HelpGlyph() {
    QPixmap map = Blank();
    QPainter p(&map);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QColor(0, 0, 128));
    p.setBrush(QColor(255, 255, 224));
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    QFont font("Arial");
    font.setBold(true);
    font.setPixelSize(12);
    p.setFont(font);
    p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, "?");
    p.end();
    return QIcon(map);
}

QPixmap BackgroundTile() {
    QPixmap map(32, 32);
    map.fill(QColor(0, 96, 112));
    QPainter p(&map);
    p.setPen(QColor(0, 110, 128));
    for (int i = 0; i < 32; i += 8) {
        p.drawLine(0, i, 32, i);
        p.drawLine(i, 0, i, 32);
    }
    return map;
}

}  // namespace plumora
