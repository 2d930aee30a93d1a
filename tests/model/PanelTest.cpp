// Panels: the hidden flag in the name word, and the size of the record.
#include <kelpie/model/Panel.h>

#include "ExpectError.h"
#include "load/ModelBuilder.h"
#include <kelpie/model/Children.h>

#include <gtest/gtest.h>

using namespace kelpie;

namespace {

TEST(Panel, HiddenIsBit31OfTheNameWord) {
    Panel panel;
    ModelBuilder::SetRecord(panel,
                            PanelRecord{0x200, static_cast<std::int32_t>(0x80000123u), 0, 0});
    EXPECT_TRUE(panel.Hidden());
    ModelBuilder::SetHidden(panel, false);
    EXPECT_EQ(panel.Record().NameWord, 0x123);
    ModelBuilder::SetHidden(panel, true);
    EXPECT_EQ(static_cast<std::uint32_t>(panel.Record().NameWord), 0x80000123u);
}

TEST(Panel, SizeIsTenPlusNinePerChild) {
    Panel panel;
    EXPECT_EQ(panel.Size(), 10);
    EXPECT_EQ(panel.FindChildren(), nullptr) << "reading makes nothing";
    EXPECT_EQ(&panel.Children(), &panel.Children()) << "made on demand once";
    EXPECT_EQ(panel.FindChildren(), &panel.Children());
    for (int i = 0; i < 3; ++i)
        panel.Children().AddButton();
    EXPECT_EQ(panel.Size(), 37);
    while (panel.Children().Count() < 3639)
        panel.Children().AddFrame();
    EXPECT_EQ(panel.Size(), 32761);
    panel.Children().AddFrame();
    EXPECT_KELPIE_ERROR(panel.Size(), ErrorKind::Overflow);
}

} // namespace
