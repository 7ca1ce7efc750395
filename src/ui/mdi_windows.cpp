// Placing, tiling and cascading the child windows.
#include "ui/mdi_windows.h"

#include <algorithm>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QStyleOptionTitleBar>

namespace plumora {

namespace {

QRect ClientArea(const QMdiArea* mdi) { return QRect(QPoint(0, 0), mdi->viewport()->size()); }

std::vector<QMdiSubWindow*> VisibleChildren(QMdiArea* mdi) {
    std::vector<QMdiSubWindow*> children;
    for (QMdiSubWindow* sub : mdi->subWindowList(QMdiArea::CreationOrder))
        if (!sub->isHidden()) children.push_back(sub);
    return children;
}

void Arrange(QMdiArea* mdi, const std::vector<QRect>& places) {
    const std::vector<QMdiSubWindow*> children = VisibleChildren(mdi);
    for (std::size_t i = 0; i < children.size() && i < places.size(); ++i) {
        QMdiSubWindow* sub = children[i];
        if (sub->isMaximized() || sub->isMinimized()) sub->showNormal();
        sub->setGeometry(places[i]);
    }
}

}  // namespace

QRect NewChildGeometry(const QRect& area, QSize size, int n, int step) {
    size = size.boundedTo(area.size());
    step = std::max(step, 1);
    const int room = std::min((area.width() - size.width()) / step, (area.height() - size.height()) / step);
    const int k = room > 0 ? n % (room + 1) : 0;
    return QRect(area.topLeft() + QPoint(k * step, k * step), size);
}

std::vector<QRect> TileGeometries(const QRect& area, int count) {
    std::vector<QRect> places;
    for (int i = 0; i < count; ++i) {
        const int left = area.left() + area.width() * i / count;
        const int right = area.left() + area.width() * (i + 1) / count;
        places.emplace_back(left, area.top(), right - left, area.height());
    }
    return places;
}

std::vector<QRect> CascadeGeometries(const QRect& area, int count, int step) {
    std::vector<QRect> places;
    if (count <= 0) return places;
    step = std::max(step, 1);
    // Each window keeps at least two thirds of the area; beyond as many
    // steps as that leaves, the cascade starts again at the top left.
    const int most = std::max(std::min(area.width(), area.height()) / 3 / step, 0) + 1;
    const int steps = std::min(count, most);
    const QSize size(area.width() - (steps - 1) * step, area.height() - (steps - 1) * step);
    for (int i = 0; i < count; ++i) {
        const int k = i % steps;
        places.emplace_back(area.topLeft() + QPoint(k * step, k * step), size);
    }
    return places;
}

int ChildTitleHeight(const QMdiArea* mdi) {
    QStyleOptionTitleBar option;
    option.initFrom(mdi);
    const int title = mdi->style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, mdi);
    return std::max(title, 18) + mdi->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, mdi);
}

void PlaceNewChild(QMdiArea* mdi, QMdiSubWindow* sub) {
    const QRect area = ClientArea(mdi);
    const int step = ChildTitleHeight(mdi);
    // Large enough to read source in, never beyond the area, and a few
    // steps smaller than a small area, so that the next window shows beside.
    auto useful = [step](int room, int comfortable) {
        const int size = std::max(room * 3 / 4, std::min(room, comfortable));
        return std::max(std::min(size, room - 3 * step), std::min(room, 160));
    };
    const QSize size(useful(area.width(), 640), useful(area.height(), 400));
    int others = 0;
    for (QMdiSubWindow* w : mdi->subWindowList())
        if (w != sub && !w->isHidden()) ++others;
    sub->setGeometry(NewChildGeometry(area, size, others, step));
    sub->show();
    mdi->setActiveSubWindow(sub);
}

void TileChildren(QMdiArea* mdi) {
    Arrange(mdi, TileGeometries(ClientArea(mdi), static_cast<int>(VisibleChildren(mdi).size())));
}

void CascadeChildren(QMdiArea* mdi) {
    Arrange(mdi, CascadeGeometries(ClientArea(mdi), static_cast<int>(VisibleChildren(mdi).size()),
                                   ChildTitleHeight(mdi)));
}

}  // namespace plumora
