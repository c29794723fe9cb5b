// The group frame on rendered pixels.
#include "qt/group_frame_widget.h"

#include <gtest/gtest.h>

#include <QImage>

namespace kavel {
namespace {

QImage render(GroupFrame& model, int w, int h) {
  GroupFrameWidget widget(nullptr, model);
  model.resize(w, h);
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::magenta);
  widget.render(&image);
  return image;
}

Rgb at(const QImage& image, int x, int y) {
  const QColor c = image.pixelColor(x, y);
  return {c.red(), c.green(), c.blue()};
}

TEST(GroupFramePixels, StyleZeroHasAGradientTitleStripAndBody) {
  GroupFrame f("f");
  f.New_Caption("");
  const QImage img = render(f, 100, 60);
  // Title strip rows 1..23: from the header's light colour down to its dark colour.
  EXPECT_EQ(at(img, 50, 1), (Rgb{211, 224, 247}));
  EXPECT_EQ(at(img, 50, 23), (Rgb{167, 197, 237}));
  // Step 11 of 22 (row 12): red 211 - 11 * 2 = 189, blue 247 - 11 * 10/22 = 242;
  // step 1 (row 2): green 224 - 27/22 = 222.77, drawn as 223.
  EXPECT_EQ(at(img, 50, 12).r, 189);
  EXPECT_EQ(at(img, 50, 12).b, 242);
  EXPECT_EQ(at(img, 50, 2).g, 223);
  // Body from row 24: light colour first; body height 35 divides by 34, so
  // row 58 (step 34) is the dark colour, row 59 the border.
  EXPECT_EQ(at(img, 50, 24), (Rgb{239, 244, 252}));
  EXPECT_EQ(at(img, 50, 58), (Rgb{220, 232, 250}));
  for (auto [x, y] : {std::pair{0, 0}, {99, 0}, {0, 59}, {99, 59}, {0, 30}, {99, 30}, {50, 59}, {50, 0}})
    EXPECT_EQ(at(img, x, y), (Rgb{173, 193, 220})) << x << "," << y;
}

TEST(GroupFramePixels, StyleOneFillsTheWholeHeight) {
  GroupFrame f("f");
  f.New_Style(1);
  f.New_BackLightColor({200, 100, 0});
  f.New_BackDarkColor({100, 0, 0});
  f.New_BorderColor({0, 0, 0});
  const QImage img = render(f, 40, 11);
  // Rows 0..10 divided by 10: red 200, 190, ... 100; row 0 and 10 are border.
  for (int y = 1; y < 10; ++y) EXPECT_EQ(at(img, 20, y), (Rgb{200 - 10 * y, 100 - 10 * y, 0})) << y;
  EXPECT_EQ(at(img, 20, 0), (Rgb{0, 0, 0}));
}

TEST(GroupFramePixels, EqualColoursGiveAFlatFill) {
  GroupFrame f("f");
  f.New_Style(1);
  f.New_BackLightColor({101, 101, 101});
  f.New_BackDarkColor({101, 101, 101});
  const QImage img = render(f, 30, 30);
  for (int y = 1; y < 29; ++y) EXPECT_EQ(at(img, 15, y), (Rgb{101, 101, 101})) << y;
}

TEST(GroupFrameThemes, ThemeSixIsOrangeAndTwelveChangesNothing) {
  GroupFrame f("f");
  f.New_Theme(6);
  EXPECT_EQ(f.HeaderLightColor(), (Rgb{253, 226, 210}));
  EXPECT_EQ(f.HeaderDarkColor(), (Rgb{250, 198, 167}));
  EXPECT_EQ(f.TextColor(), (Rgb{109, 54, 22}));
  f.New_Theme(12);
  EXPECT_EQ(f.Theme(), 12);
  EXPECT_EQ(f.HeaderLightColor(), (Rgb{253, 226, 210}));
  EXPECT_EQ(f.BorderColor(), (Rgb{250, 192, 159}));
  const QImage img = render(f, 60, 40);
  EXPECT_EQ(at(img, 30, 1), (Rgb{253, 226, 210}));
  EXPECT_EQ(at(img, 30, 23), (Rgb{250, 198, 167}));
}

TEST(GroupFrameLayout, WidthZeroKeepsTheLayoutButRedraws) {
  GroupFrame f("f");
  f.resize(100, 60);
  const FramePainting before = f.paint();
  int redraws = 0;
  f.changed.connect([&] { ++redraws; });
  f.resize(0, 60);
  EXPECT_GE(redraws, 1);
  const FramePainting after = f.paint();
  EXPECT_EQ(after.header, before.header);
  EXPECT_EQ(after.body, before.body);
  EXPECT_EQ(before.header, (Geometry{1, 1, 98, 23}));
  EXPECT_EQ(before.body, (Geometry{1, 24, 98, 35}));
}

TEST(GroupFrameProperties, DefaultsAndPersistence) {
  GroupFrame f("f");
  EXPECT_EQ(f.caption(), "XPContainer");
  EXPECT_EQ(f.Style(), 0);
  EXPECT_EQ(f.BorderColor(), (Rgb{173, 193, 220}));
  f.New_TextColor({1, 2, 3});
  EXPECT_TRUE(f.changedForSaving("TextColor"));
  EXPECT_FALSE(f.changedForSaving("BorderColor"));
  const auto saved = f.saveProperties();
  EXPECT_EQ(saved.size(), 9u);
  EXPECT_EQ(saved.at("TextColor"), std::to_string(1 + 2 * 256 + 3 * 65536));
  GroupFrame g("g");
  g.loadProperties({{"TextColor", saved.at("TextColor")}, {"Style", "1"}});
  EXPECT_EQ(g.TextColor(), (Rgb{1, 2, 3}));
  EXPECT_EQ(g.Style(), 1);
  EXPECT_EQ(g.caption(), "XPContainer");
  EXPECT_EQ(g.HeaderLightColor(), (Rgb{211, 224, 247}));
}

}  // namespace
}  // namespace kavel
