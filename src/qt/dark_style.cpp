#include "qt/dark_style.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QStyleFactory>

namespace kavel {

void applyDarkStyle(QApplication& app) {
  app.setStyle(QStyleFactory::create("Fusion"));
  QPalette p;
  const QColor window(64, 64, 64), base(40, 40, 40), text(230, 230, 230), accent(0, 150, 255);
  p.setColor(QPalette::Window, window);
  p.setColor(QPalette::WindowText, text);
  p.setColor(QPalette::Base, base);
  p.setColor(QPalette::AlternateBase, window);
  p.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
  p.setColor(QPalette::ToolTipText, Qt::black);
  p.setColor(QPalette::Text, text);
  p.setColor(QPalette::Button, QColor(80, 80, 80));
  p.setColor(QPalette::ButtonText, text);
  p.setColor(QPalette::BrightText, Qt::red);
  p.setColor(QPalette::Highlight, accent);
  p.setColor(QPalette::HighlightedText, Qt::white);
  p.setColor(QPalette::Disabled, QPalette::Text, QColor(130, 130, 130));
  p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(130, 130, 130));
  p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(130, 130, 130));
  app.setPalette(p);
  // A CJK font first, so that the Chinese captions show as characters.
  QFont font("WenQuanYi Micro Hei", 9);
  font.setStyleHint(QFont::SansSerif);
  app.setFont(font);
}

}  // namespace kavel
