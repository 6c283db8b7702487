#include "platform/gui/QtAboutDialog.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "platform/gui/AboutDialogLayout.h"

namespace {

constexpr QColor kTextColour{120, 120, 120};
constexpr int kTextLeft = 135;
constexpr int kTextTop = 284;
constexpr int kTextRight = 625;
constexpr int kTextPixelHeight = 18;

AboutDialogLayout::Size SizeOf(const QSize& size) { return {size.width(), size.height()}; }

}  // namespace

QtAboutDialog::QtAboutDialog(QWidget* owner, const QImage& picture, const QString& caption, const QString& okText,
                             const QString& text)
    : QDialog(owner), picture_(picture), text_(text), ok_(new QPushButton(okText, this)) {
  setWindowTitle(caption);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

void QtAboutDialog::FitToPicture() {
  resize(AboutDialogLayout::kPictureWidth, AboutDialogLayout::kPictureHeight);
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize screenSize = screen != nullptr ? screen->size() : QSize(0, 0);
  const AboutDialogLayout layout =
      AboutDialogLayout::For(SizeOf(frameGeometry().size()), SizeOf(size()), SizeOf(screenSize), SizeOf(ok_->sizeHint()));
  setFixedSize(AboutDialogLayout::kPictureWidth, AboutDialogLayout::kPictureHeight);
  move(layout.left, layout.top);
  ok_->setGeometry(layout.buttonLeft, layout.buttonTop, ok_->sizeHint().width(), ok_->sizeHint().height());
}

void QtAboutDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (!picture_.isNull()) painter.drawImage(0, 0, picture_);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(kTextPixelHeight);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(kTextColour);
  const QRect area(QPoint(kTextLeft, kTextTop), QPoint(kTextRight, height()));
  painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text_);
}

void QtAboutDialog::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) accept();
}
