#include "qt/group_frame_widget.h"

#include <QPainter>
#include <QPointer>
#include <QResizeEvent>

#include "qt/control_views.h"

namespace kavel {

GroupFrameWidget::GroupFrameWidget(QWidget* parent, GroupFrame& model)
    : QWidget(parent), model_(model), caption_(new QLabel(this)) {
  setObjectName(QString::fromStdString(model.name()));
  QFont font = caption_->font();
  font.setBold(true);
  font.setPointSize(9);
  caption_->setFont(font);
  caption_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  caption_->setAttribute(Qt::WA_TransparentForMouseEvents);
  QPointer<GroupFrameWidget> guard(this);
  model_.changed.connect([guard] {
    if (guard) guard->refresh();
  });
  refresh();
}

void GroupFrameWidget::refresh() {
  const Geometry& g = model_.geometry();
  if (geometry() != QRect(g.left, g.top, g.width, g.height)) setGeometry(g.left, g.top, g.width, g.height);
  setVisible(model_.visible());
  const FramePainting p = model_.paint();
  caption_->setVisible(p.headerVisible);
  caption_->setText(QString::fromStdString(p.caption));
  caption_->setGeometry(p.header.left + p.captionLabel.left, p.header.top, p.captionLabel.width,
                        p.header.height);
  caption_->setStyleSheet(QString("background: transparent; color: rgb(%1,%2,%3);")
                              .arg(p.captionColor.r).arg(p.captionColor.g).arg(p.captionColor.b));
  update();
}

void GroupFrameWidget::resizeEvent(QResizeEvent* event) {
  if (event->size() != QSize(model_.geometry().width, model_.geometry().height))
    model_.resize(event->size().width(), event->size().height());
}

void GroupFrameWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  for (const FrameLine& l : model_.paint().lines) {
    painter.setPen(QColor(l.color.r, l.color.g, l.color.b));
    painter.drawLine(l.x0, l.y0, l.x1, l.y1);
  }
}

}  // namespace kavel
