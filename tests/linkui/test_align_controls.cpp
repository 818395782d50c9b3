// The alignment window's meter and slider drawing themselves, and the shades
// they are drawn with.
#include <QImage>

#include "link/dialogs/custom_slider.h"
#include "link/dialogs/level_meter.h"
#include "ui/ui_test_support.h"

using namespace ui_test;

namespace {

constexpr UINT kDialogId = 9841;
constexpr int kMeter = 1001, kSlider = 1002, kFlatMeter = 1003;

void RegisterTemplate() {
  RegisterVisibleDialog(
      kDialogId, "Meters", 200, 160,
      {dlg::Control("", kMeter, PROGRESS_CLASS, WS_CHILD | WS_VISIBLE | PBS_VERTICAL, 10, 10, 20, 120),
       dlg::Control("", kSlider, TRACKBAR_CLASS, WS_CHILD | WS_VISIBLE | TBS_VERT | TBS_BOTH, 50, 10, 24, 120),
       dlg::Control("", kFlatMeter, PROGRESS_CLASS, WS_CHILD | WS_VISIBLE, 90, 10, 100, 12)});
}

QColor Sys(int index) { return ToQColor(GetSysColor(index)); }

class AlignControlsTest : public WndTest {
 protected:
  void SetUp() override {
    WndTest::SetUp();
    RegisterTemplate();
    ASSERT_TRUE(dlg.Create(kDialogId));
    ASSERT_TRUE(meter.SubclassDlgItem(kMeter, &dlg));
    ASSERT_TRUE(flat.SubclassDlgItem(kFlatMeter, &dlg));
    ASSERT_TRUE(slider.SubclassDlgItem(kSlider, &dlg));
  }
  void TearDown() override {
    meter.UnsubclassWindow();
    flat.UnsubclassWindow();
    slider.UnsubclassWindow();
    dlg.DestroyWindow();
    WndTest::TearDown();
  }
  static QImage Grab(CWnd& w) {
    QImage image = w.GetSafeHwnd()->grab().toImage();
    return image.scaled(w.GetSafeHwnd()->size());  // one pixel per client pixel
  }
  // The rows of the image whose middle pixel has this colour.
  static int RowsOf(const QImage& image, const QColor& c) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) n += image.pixelColor(image.width() / 2, y) == c;
    return n;
  }

  CDialog dlg;
  CLevelMeter meter, flat;
  CCustomSlider slider;
};

}  // namespace

TEST(AlignShades, LightenAndDarkenWorkBytewise) {
  // A byte that would pass 255 stays; the others still move.
  EXPECT_EQ(LightenColor(RGB(10, 230, 100), 51), RGB(61, 230, 151));
  EXPECT_EQ(LightenColor(RGB(204, 205, 0), 51), RGB(255, 205, 51));
  // A byte below the amount stays.
  EXPECT_EQ(DarkenColor(RGB(50, 51, 200), 51), RGB(50, 0, 149));
  EXPECT_EQ(HalfWayColor(RGB(100, 100, 100), RGB(0, 200, 101)), RGB(50, 150, 100));
  CLevelMeter m;
  const auto& s = m.GetShades();
  EXPECT_EQ(s.base, GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(s.l3, LightenColor(LightenColor(LightenColor(s.base, 51), 51), 51));
  EXPECT_EQ(s.d2, DarkenColor(DarkenColor(s.base, 51), 51));
  EXPECT_EQ(s.e2, HalfWayColor(GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_3DDKSHADOW)));
}

TEST(AlignShades, BarRectangleFollowsTheRangeAndSurvivesAnEmptyOne) {
  const CRect client(0, 0, 20, 100);
  EXPECT_EQ(CLevelMeter::BarRect(client, 0, 255, 255, true), client);
  EXPECT_TRUE(CLevelMeter::BarRect(client, 0, 255, 0, true).IsRectEmpty());
  EXPECT_EQ(CLevelMeter::BarRect(client, 0, 200, 50, true), CRect(0, 75, 20, 100));
  EXPECT_EQ(CLevelMeter::BarRect(CRect(0, 0, 100, 10), 10, 20, 15, false), CRect(0, 0, 50, 10));
  // Ranges from the configuration may be empty or inverted; positions outside are clamped.
  EXPECT_TRUE(CLevelMeter::BarRect(client, 0, 0, 0, true).IsRectEmpty());
  EXPECT_TRUE(CLevelMeter::BarRect(client, 30, 5, 10, true).IsRectEmpty());
  EXPECT_EQ(CLevelMeter::BarRect(client, 0, 10, 99, true), client);
}

TEST_F(AlignControlsTest, MeterPaintsFullEmptyAndPartBars) {
  const QColor face = Sys(COLOR_BTNFACE);
  const QColor fill = ToQColor(meter.GetShades().l3);
  meter.SetRange32(0, 255);
  meter.SetPos(255);
  QImage image = Grab(meter);
  const int h = image.height();
  EXPECT_EQ(image.pixelColor(image.width() / 2, h / 2), fill);
  EXPECT_EQ(image.pixelColor(image.width() / 2, 3), fill);  // filled up to the top
  EXPECT_EQ(RowsOf(image, face), 0);
  // Edges: light top-left, dark bottom-right.
  EXPECT_EQ(image.pixelColor(0, h / 2), ToQColor(meter.GetShades().l1));
  EXPECT_EQ(image.pixelColor(image.width() - 1, h / 2), ToQColor(meter.GetShades().e1));

  meter.SetPos(0);
  image = Grab(meter);
  EXPECT_EQ(RowsOf(image, face), h);

  // A quarter of the range: the bottom quarter, growing from below.
  meter.SetRange32(0, 100);
  meter.SetPos(25);
  image = Grab(meter);
  EXPECT_EQ(image.pixelColor(image.width() / 2, h - 1 - h / 8), fill);
  EXPECT_EQ(image.pixelColor(image.width() / 2, h / 2), face);
  EXPECT_EQ(RowsOf(image, face), h - 25 * h / 100);

  // A zero range (a configuration entry of 0) paints the background only.
  meter.SetRange32(0, 0);
  meter.SetPos(0);
  image = Grab(meter);
  EXPECT_EQ(RowsOf(image, face), h);

  // Horizontal: the bar grows from the left.
  flat.SetRange32(0, 10);
  flat.SetPos(5);
  image = Grab(flat);
  EXPECT_EQ(image.pixelColor(image.width() / 4, image.height() / 2), fill);
  EXPECT_EQ(image.pixelColor(image.width() * 3 / 4, image.height() / 2), face);
}

TEST_F(AlignControlsTest, SliderDrawsThumbAndGrooveWithTheMinimumAtTheTop) {
  slider.SetRange(0, 100);
  slider.SetPos(0);
  CRect thumb, channel;
  slider.GetThumbRect(&thumb);
  slider.GetChannelRect(&channel);
  // Position 0 (the adjusted value at its maximum) is at the top.
  EXPECT_LT(thumb.top, (channel.top + channel.bottom) / 2);
  QImage image = Grab(slider);
  const auto& s = slider.GetShades();
  const QPoint inThumb((thumb.left + thumb.right) / 2, thumb.top + 3);
  EXPECT_EQ(image.pixelColor(inThumb), ToQColor(s.face));
  EXPECT_EQ(image.pixelColor(thumb.left, thumb.top + 3), ToQColor(s.f2));     // raised: light left edge
  EXPECT_EQ(image.pixelColor(thumb.right - 1, thumb.top + 3), ToQColor(s.g2));  // dark right edge

  slider.SetPos(100);
  slider.GetThumbRect(&thumb);
  EXPECT_GT(thumb.top, (channel.top + channel.bottom) / 2);
  image = Grab(slider);
  const QPoint inGroove((channel.left + channel.right) / 2, channel.top + channel.Height() / 4);
  EXPECT_EQ(image.pixelColor(inGroove), Sys(COLOR_WINDOW));
  EXPECT_EQ(image.pixelColor(channel.left, channel.top + channel.Height() / 4), ToQColor(s.m2));

  // Disabled: the groove in the button face.
  slider.EnableWindow(FALSE);
  image = Grab(slider);
  EXPECT_EQ(image.pixelColor(inGroove), Sys(COLOR_BTNFACE));
  slider.EnableWindow(TRUE);

  // A selection fills its part of the groove.
  slider.SetSelection(0, 50);
  slider.RedrawWindow();
  image = Grab(slider);
  EXPECT_EQ(image.pixelColor(inGroove), Sys(COLOR_HIGHLIGHT));
}
