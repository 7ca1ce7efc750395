// Small drawn pixmaps for the form tree. The project and the form look as
// they do in the project tree, so the two trees read alike.
#include "formtree/qt_form_tree_icons.h"

#include <QPainter>
#include <QPainterPath>

#include "formtree/form_nodes.h"
#include "ui/project_images.h"

namespace plumora {

namespace {

constexpr int kSize = 16;
const QColor kOutline(64, 64, 64);

QPixmap Blank() {
    QPixmap map(kSize, kSize);
    map.fill(Qt::transparent);
    return map;
}

// The form file: a page with a folded corner and a small form on it.
void DrawFile(QPainter& p) {
    QPainterPath page;
    page.moveTo(3, 1);
    page.lineTo(10, 1);
    page.lineTo(13, 4);
    page.lineTo(13, 15);
    page.lineTo(3, 15);
    page.closeSubpath();
    p.setPen(kOutline);
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.fillRect(QRect(10, 1, 3, 3), QColor(0, 0, 128));
    p.setPen(QColor(0, 0, 128));
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(5, 7, 6, 5);
    p.fillRect(QRect(5, 7, 7, 2), QColor(0, 0, 128));
}

// A property list: a sheet of two columns, names at the left.
void DrawProperties(QPainter& p) {
    p.setPen(kOutline);
    p.setBrush(QColor(255, 255, 224));
    p.drawRect(1, 2, 13, 12);
    p.drawLine(6, 2, 6, 14);
    for (int y = 5; y <= 11; y += 3) {
        p.fillRect(QRect(3, y, 2, 1), QColor(128, 0, 0));
        p.fillRect(QRect(8, y, 5, 1), QColor(0, 0, 128));
    }
}

// A control: a raised command button.
void DrawControl(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.fillRect(QRect(1, 4, 14, 9), QColor(192, 192, 192));
    p.fillRect(QRect(1, 4, 14, 1), Qt::white);
    p.fillRect(QRect(1, 4, 1, 9), Qt::white);
    p.fillRect(QRect(1, 12, 14, 1), kOutline);
    p.fillRect(QRect(14, 4, 1, 9), kOutline);
    p.fillRect(QRect(5, 8, 6, 1), Qt::black);
}

}  // namespace

QPixmap FormTreeImage(int index) {
    switch (index) {
        case ftiRoot: return ProjectImage(0);
        case ftiForm: return ProjectImage(1);
        default: break;
    }
    QPixmap map = Blank();
    QPainter p(&map);
    p.setRenderHint(QPainter::Antialiasing, false);
    switch (index) {
        case ftiFile: DrawFile(p); break;
        case ftiProperties: DrawProperties(p); break;
        case ftiControl: DrawControl(p); break;
        default: p.end(); return ProjectImage(-1);
    }
    return map;
}

}  // namespace plumora
