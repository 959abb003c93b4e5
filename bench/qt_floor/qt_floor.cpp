// What any Qt Widgets window costs under the desktop measurements, as a floor to read the
// game's figures against: a window of the game's client size titled "Vandrel" that tracks the
// mouse and, every 30 ms, repaints a 20 x 20 square under the pointer when it moved. It ignores
// its arguments and clicks. Run it with scripts/measure-desktop.sh --program PATH.

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

constexpr QSize SQUARE(20, 20);

class FloorWindow : public QWidget {
 public:
  FloorWindow() {
    setFixedSize(479, 458);
    setMouseTracking(true);
    setWindowTitle(QStringLiteral("Vandrel"));
    m_picture.fill(Qt::darkRed);
    auto* heartbeat = new QTimer(this);
    heartbeat->setTimerType(Qt::PreciseTimer);
    connect(heartbeat, &QTimer::timeout, this, [this] { ShowPointer(); });
    heartbeat->start(30);
  }

 protected:
  void mouseMoveEvent(QMouseEvent* event) override { m_pointer = event->position().toPoint(); }
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    painter.drawImage(event->rect(), m_picture, event->rect());
    painter.fillRect(QRect(m_shown, SQUARE), Qt::yellow);
  }

 private:
  void ShowPointer() {
    if (m_pointer == m_shown) return;
    update(QRect(m_shown, SQUARE));
    update(QRect(m_pointer, SQUARE));
    m_shown = m_pointer;
  }

  QImage m_picture{479, 458, QImage::Format_RGB32};
  QPoint m_pointer;
  QPoint m_shown;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  FloorWindow window;
  window.show();
  return application.exec();
}
