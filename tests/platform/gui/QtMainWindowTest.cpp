#include "platform/gui/QtMainWindow.h"

#include <gtest/gtest.h>

#include <QtCore/QMimeData>
#include <QtCore/QUrl>
#include <QtGui/QDragEnterEvent>
#include <QtGui/QDropEvent>
#include <QtWidgets/QApplication>
#include <vector>

#include "platform/gui/OffscreenApplication.h"
#include "platform/gui/WindowEventSink.h"

namespace {

class DropRecorder : public WindowEventSink {
 public:
  bool OnWindowEvent(const WindowEvent& event) override {
    if (event.kind == WindowEvent::Kind::DropPath) dropped.push_back(event.path);
    return true;
  }
  void OnContextCreated(GraphicsDevice*) override {}
  void OnContextLost() override {}
  int OnFrame() override { return 0; }
  std::vector<std::u16string> dropped;
};

class QtMainWindowTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureOffscreenApplication(); }

  // Drags the data over the window and drops it; true when the window accepted the drag.
  bool DragAndDrop(const QMimeData& data) {
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    return enter.isAccepted();
  }

  DropRecorder sink;
  QtMainWindow window{sink};
};

TEST_F(QtMainWindowTest, ADroppedFolderReachesTheDriverAsAFullPath) {
  QMimeData data;
  const QString folder = QString::fromUtf8("/home/u/Fotos K\xC3\xB6ln 2024");
  data.setUrls({QUrl::fromLocalFile(folder), QUrl::fromLocalFile(QStringLiteral("/second.jpg"))});
  EXPECT_TRUE(DragAndDrop(data));
  EXPECT_EQ(sink.dropped, std::vector<std::u16string>{folder.toStdU16String()});
}

TEST_F(QtMainWindowTest, DragsWithoutALocalFileAreRefused) {
  QMimeData text;
  text.setText(QStringLiteral("/home/u/Fotos"));
  EXPECT_FALSE(DragAndDrop(text));
  QMimeData web;
  web.setUrls({QUrl(QStringLiteral("https://example.org/a.jpg"))});
  EXPECT_FALSE(DragAndDrop(web));
  EXPECT_TRUE(sink.dropped.empty());
}

}  // namespace
