#pragma once

#include <QDialog>
#include <QImage>
#include <QString>

class QPushButton;

// The window of the About box: see QtAboutBox.
class QtAboutDialog : public QDialog {
 public:
  QtAboutDialog(QWidget* owner, const QImage& picture, const QString& caption, const QString& okText,
                const QString& text);

  // Sizes the client area to the picture and centres the dialog on the primary screen.
  void FitToPicture();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QImage picture_;
  QString text_;
  QPushButton* ok_;
};
