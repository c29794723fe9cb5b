#include "qt/main_window.h"

#include <QCloseEvent>
#include <QMenuBar>

#include "qt/control_views.h"

namespace kavel {

MainWindow::MainWindow(Form1& form) : form_(form) {
  setWindowTitle(Form1::kCaption);
  auto* client = new QWidget(this);
  client->setObjectName("Form1");
  client->setFixedSize(Form1::kClientWidth, Form1::kClientHeight);
  client->setAutoFillBackground(true);
  QPalette pal = client->palette();
  pal.setColor(QPalette::Window, QColor(101, 101, 101));
  client->setPalette(pal);
  setCentralWidget(client);

  buildMenus();
  buildTopBar(client);
  for (int i = 0; i < Form1::kPanelCount; ++i)
    panels_[i] = new GroupFrameWidget(client, form_.Lkframe[i]);
  micPanel_ = std::make_unique<MicPanelView>(panels_[0], form_);
  musicPanel_ = std::make_unique<MusicPanelView>(panels_[1], form_);
  effectPanel_ = std::make_unique<EffectPanelView>(panels_[2], form_);
  centerSurroundPanel_ = std::make_unique<CenterSurroundView>(panels_[3], form_);
  subSettingsPanel_ = std::make_unique<SubSettingsView>(panels_[4], form_);
  makeLabel(client, form_.Label8);
  // The progress caption lies on the window itself, under the panel frames:
  // it shows while they are hidden (connect, recall), and a panel the
  // operator opens afterwards covers what it last said.
  makeLabel(client, form_.Label9)->lower();
  makeProgressBar(client, form_.readBack.progress)->lower();

  notice_ = new QLabel(client);
  notice_->setGeometry(Form1::kClientWidth - 428, 563, 420, 16);
  notice_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  notice_->setStyleSheet("color: rgb(255,200,0); background: transparent; font-weight: bold;");
  notice_->hide();

  form_.closeWindow = [this] {
    exitConfirmed_ = true;
    close();
  };
  // The layout is fixed: the window does not resize.
  setFixedSize(sizeHint());
}

void MainWindow::buildMenus() {
  QMenu* file = menuBar()->addMenu(QString::fromStdString(form_.mnufile.caption()));
  bindAction(file->addAction(QString()), form_.mnuexit);
  QMenu* setup = menuBar()->addMenu(QString::fromStdString(form_.mnusteup.caption()));
  bindAction(setup->addAction(QString()), form_.mnulianji);
  bindAction(setup->addAction(QString()), form_.mnutuoji);
  QMenu* help = menuBar()->addMenu(QString::fromStdString(form_.mnuhelp.caption()));
  bindAction(help->addAction(QString()), form_.mnuabout);
}

void MainWindow::buildTopBar(QWidget* client) {
  auto* bar = new GroupFrameWidget(client, form_.XPContainer1);
  for (Button* b : {&form_.Command13, &form_.Command7, &form_.Command8, &form_.Command9})
    makeButton(bar, *b);
  for (int i = 0; i < Form1::kPanelCount; ++i) makeButton(bar, form_.Command17[i]);
  makeLabel(bar, form_.Label6);
  SerialPort& port = form_.port;
  makeComboBox(bar, form_.Combo3, [&port](const QString& name) {
    const int n = Form1::portNumber(name.toStdString());
    return name + " = " + QString::fromStdString(port.deviceName(n));
  });
  makeLabel(bar, form_.Label1[0]);
  makeSlider(bar, form_.M_VSlide1, Qt::Horizontal);
  makeValueBox(bar, form_.M_Vtxt);
  makeLabel(bar, form_.Label3[0]);
  makeSlider(bar, form_.Yvslide1, Qt::Horizontal);
  makeValueBox(bar, form_.Text2);
  makeLabel(bar, form_.Label3[7]);
  makeSlider(bar, form_.ctSlide1[0], Qt::Horizontal);
  makeValueBox(bar, form_.Text8[0]);
}

void MainWindow::setNotice(const QString& text) {
  notice_->setText(text);
  notice_->setVisible(!text.isEmpty());
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // "退出" has asked already; the title bar's close box asks here.
  if (exitConfirmed_ || form_.QueryUnload()) {
    exitConfirmed_ = true;
    event->accept();
  } else {
    event->ignore();
  }
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) form_.Form_Activate();
  QMainWindow::changeEvent(event);
}

}  // namespace kavel
