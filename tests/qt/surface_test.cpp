// The drawn client area: presented frames, scaling, mouse input, dropped files and the cursor.
// The Surface tests also run with QT_SCALE_FACTOR 2, 1.5 and 1.25.

#include <gtest/gtest.h>

#include <QCursor>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <QWindow>
#include <cmath>

#include "frontends/qt/qt_dialog_window.h"
#include "frontends/qt/qt_framework.h"
#include "tests/qt/modal_helpers.h"
#include "tests/qt/recording_dialog.h"

namespace {

using Events = std::vector<std::string>;

// A frame of 4 x 4 blocks of one colour each.
CBitmap Pattern(int w, int h, int seed) {
  CBitmap bitmap;
  bitmap.Create(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      bitmap.SetPixel(x, y, PixelRgb(x / 4 * 8 + seed, y / 4 * 8, (x ^ y) / 4 * 8 + seed));
    }
  }
  return bitmap;
}

// Whether the surface shows frame filling it. At a whole ratio every frame pixel must be a
// whole block of device pixels of its colour; between whole ratios, where the picture is
// smoothed, the middle of every block must show its colour and the corners of the area the
// corners of the frame, with no margin left.
::testing::AssertionResult ShowsFilling(ClientSurface& surface, const CBitmap& frame) {
  const QImage shown = surface.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const FrameScale scale = surface.Scale();
  const auto differs = [&](QPoint device, int x, int y) {
    return (shown.pixel(device) | 0xFF000000u) != frame.Pixel(x, y);
  };
  if (!scale.Smoothed()) {
    const int k = scale.factor;
    const QPoint offset(static_cast<int>(scale.offsetX), static_cast<int>(scale.offsetY));
    for (int y = 0; y < frame.Height(); ++y) {
      for (int x = 0; x < frame.Width(); ++x) {
        for (int i = 0; i < k * k; ++i) {
          if (differs(offset + QPoint(x * k + i % k, y * k + i / k), x, y)) {
            return ::testing::AssertionFailure() << "pixel " << x << "," << y << " differs";
          }
        }
      }
    }
    return ::testing::AssertionSuccess();
  }
  for (int y = 1; y + 2 < frame.Height(); y += 4) {
    for (int x = 1; x + 2 < frame.Width(); x += 4) {
      const DeviceBox block = scale.ToDevice(CRect{x, y, x + 2, y + 2});
      const QPoint middle(static_cast<int>(std::lround((block.left + block.right) / 2)),
                          static_cast<int>(std::lround((block.top + block.bottom) / 2)));
      if (differs(middle, x, y)) {
        return ::testing::AssertionFailure() << "block at " << x << "," << y << " differs";
      }
    }
  }
  const int right = shown.width() - 1;
  const int bottom = shown.height() - 1;
  if (differs({0, 0}, 0, 0) || differs({right, 0}, frame.Width() - 1, 0) ||
      differs({0, bottom}, 0, frame.Height() - 1) ||
      differs({right, bottom}, frame.Width() - 1, frame.Height() - 1)) {
    return ::testing::AssertionFailure() << "the picture leaves a margin in " << shown.width()
                                         << " x " << shown.height() << " device pixels";
  }
  return ::testing::AssertionSuccess();
}

// The client pixel a whole logical point of the surface falls on: the point itself, as the
// frame fills the area at every device-pixel ratio.
std::string ClientText(const ClientSurface& surface, QPoint logical) {
  const CPoint p = surface.ToClient(logical);
  EXPECT_EQ(p, (CPoint{logical.x(), logical.y()}));
  return std::to_string(p.x) + "," + std::to_string(p.y);
}

class Surface : public ::testing::Test {
 protected:
  // Runs the dialog on the game window's template and calls body with its window.
  void RunWith(const std::function<void(QtDialogWindow&)>& body) {
    WhenModalOpens([&](QWidget* modal) {
      auto* window = static_cast<QtDialogWindow*>(modal);
      body(*window);
      window->close();
    });
    m_framework.RunModal(m_dialog);
  }

  ModalWatchdog m_watchdog;
  QtFramework m_framework;
  RecordingDialog m_dialog{m_framework};
};

TEST_F(Surface, EachPresentedFrameFillsTheAreaAndPaintsOncePerBurstOfRequests) {
  m_dialog.frame = Pattern(479, 458, 0);
  RunWith([&](QtDialogWindow& window) {
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
      EXPECT_DOUBLE_EQ(window.Surface().devicePixelRatioF(),
                       qEnvironmentVariable("QT_SCALE_FACTOR").toDouble())
          << "fractional factors pass through unrounded";
    }
    ASSERT_TRUE(WaitUntil([&] { return m_dialog.paints > 0; }));
    EXPECT_TRUE(ShowsFilling(window.Surface(), m_dialog.frame));

    const int paints = m_dialog.paints;
    m_dialog.frame = Pattern(479, 458, 7);
    for (int i = 0; i < 10; ++i) m_dialog.Invalidate();
    Pump(50);
    EXPECT_EQ(m_dialog.paints, paints + 1);
    EXPECT_TRUE(ShowsFilling(window.Surface(), m_dialog.frame));
  });
}

// Mouse events go through the platform layer, as a real pointer's would, to the window's
// native coordinates and back.
TEST_F(Surface, MouseReachesTheHandlersInClientPixels) {
  RunWith([&](QtDialogWindow& window) {
    QWindow* native = window.windowHandle();
    const ClientSurface& surface = window.Surface();
    const std::string here = ClientText(surface, {100, 50});
    const std::string there = ClientText(surface, {478, 457});
    const QPoint at = surface.mapTo(&window, QPoint(100, 50));
    const QPoint other = surface.mapTo(&window, QPoint(478, 457));
    m_dialog.events.clear();
    QTest::mouseClick(native, Qt::LeftButton, {}, at);
    QTest::mouseClick(native, Qt::RightButton, {}, other);
    QTest::mouseDClick(native, Qt::LeftButton, {}, at);
    QTest::mouseMove(native, other);
    // The pointer also moves to each place it is pressed at; the presses are these.
    Events presses;
    for (const std::string& event : m_dialog.events) {
      if (event.rfind("move", 0) != 0) presses.push_back(event);
    }
    EXPECT_EQ(presses, (Events{"left " + here, "right " + there, "left " + here, "double " + here}));
    EXPECT_EQ(m_dialog.events.back(), "move " + there) << "tracked without a button held";
  });
}

// The pointer position is the one the window's mouse events brought; where the pointer goes
// without telling the window (outside it), the last known position stands.
TEST_F(Surface, PointerPositionMapsToClientPixels) {
  RunWith([&](QtDialogWindow& window) {
    QTest::mouseMove(window.windowHandle(), window.Surface().mapTo(&window, QPoint(30, 40)));
    QCursor::setPos(window.Surface().mapToGlobal(QPoint(300, 400)));
    const CPoint p = m_dialog.ScreenToClient(m_framework.GetCursorPos());
    EXPECT_EQ(std::to_string(p.x) + "," + std::to_string(p.y),
              ClientText(window.Surface(), {30, 40}));
  });
}

TEST_F(Surface, DroppedLocalFilesReachTheHandlerInOrder) {
  RunWith([&](QtDialogWindow& window) {
    ClientSurface& surface = window.Surface();
    EXPECT_TRUE(surface.acceptDrops());
    QMimeData web;
    web.setUrls({QUrl("https://host.invalid/a.flm")});
    QDragEnterEvent refused(QPoint(200, 200), Qt::CopyAction, &web, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&surface, &refused);
    EXPECT_FALSE(refused.isAccepted());

    QMimeData files;
    files.setUrls({QUrl("https://host.invalid/a.flm"), QUrl::fromLocalFile("/tmp/第一 局.flm"),
                   QUrl::fromLocalFile("/tmp/b.txt")});
    QDragEnterEvent enter(QPoint(200, 200), Qt::CopyAction, &files, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&surface, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(200, 200), Qt::CopyAction, &files, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&surface, &drop);
    EXPECT_TRUE(m_dialog.dropped.empty()) << "handled after the drop has completed";
    EXPECT_TRUE(WaitUntil([&] { return !m_dialog.dropped.empty(); }));
    EXPECT_EQ(m_dialog.dropped, (Events{"/tmp/第一 局.flm", "/tmp/b.txt"}));
  });
}

TEST_F(Surface, HiddenCursorIsBlankOverTheDrawnAreaUntilShownAsOftenAsHidden) {
  RunWith([&](QtDialogWindow& window) {
    ClientSurface& surface = window.Surface();
    EXPECT_EQ(surface.cursor().shape(), Qt::ArrowCursor);
    m_framework.ShowCursor(false);
    EXPECT_EQ(surface.cursor().shape(), Qt::BlankCursor);
    m_framework.ShowCursor(false);
    m_framework.ShowCursor(true);
    EXPECT_EQ(surface.cursor().shape(), Qt::BlankCursor);
    m_framework.ShowCursor(true);
    EXPECT_EQ(surface.cursor().shape(), Qt::ArrowCursor);
  });
}

}  // namespace
