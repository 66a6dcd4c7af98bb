#include <gtest/gtest.h>

#include <array>
#include <string>

#include "ImageButtonFixture.h"
#include "res/resource.h"

namespace {
using Slot = CImageButton::ColorSlot;

class ImageButtonSetters : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dialog.Create(IDD_TEST_DIALOG));
        ::ShowWindow(dialog, SW_SHOWNOACTIVATE);
        ::UpdateWindow(dialog);
    }
    void TearDown() override { dialog.DestroyWindow(); }

    ProbeButton& button() { return dialog.childButton; }
    bool RepaintPending() { return ::GetUpdateRect(button(), nullptr, FALSE) != FALSE; }
    void ForgetRepaint() { ::ValidateRect(button(), nullptr); }

    struct Snapshot {
        std::array<COLORREF, CImageButton::ColorSlotCount> colors;
        BYTE placement;
        bool operator==(const Snapshot& other) const
        {
            return colors == other.colors && placement == other.placement;
        }
    };
    Snapshot Take()
    {
        Snapshot s{};
        for (BYTE slot = 0; slot < CImageButton::ColorSlotCount; ++slot)
            s.colors[slot] = button().GetColor(slot);
        s.placement = button().GetIconPlacement();
        return s;
    }

    ImageButtonDialog dialog;
};

struct ShiftCase {
    const char* name;
    BYTE slot;
    COLORREF start;
    short offset;
    UINT result;
    COLORREF after;
};

class ShiftColorCases : public ImageButtonSetters, public ::testing::WithParamInterface<ShiftCase> {
};

TEST_P(ShiftColorCases, ShiftsEveryChannelByTheSameCutAmount)
{
    const ShiftCase& c = GetParam();
    for (BYTE slot = 0; slot < CImageButton::ColorSlotCount; ++slot)
        button().SetColor(slot, c.start, FALSE);
    Snapshot before = Take();
    ForgetRepaint();

    EXPECT_EQ(button().ShiftColor(c.slot, c.offset, TRUE), c.result);

    Snapshot expected = before;
    if (c.result == CImageButton::kDone)
        expected.colors[c.slot] = c.after;
    EXPECT_TRUE(Take() == expected) << "a slot other than the one asked for changed, or a refused call changed one";
    EXPECT_EQ(RepaintPending(), c.result == CImageButton::kDone);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ShiftColorCases,
    ::testing::Values(ShiftCase{"Lighten", Slot::HotFace, RGB(212, 208, 200), 30, 0, RGB(242, 238, 230)},
                      ShiftCase{"LightenCutByRed", Slot::HotFace, RGB(236, 233, 216), 30, 0, RGB(255, 252, 235)},
                      ShiftCase{"DarkenCutByRed", Slot::Text, RGB(20, 100, 200), -30, 0, RGB(0, 80, 180)},
                      ShiftCase{"Zero", Slot::FocusText, RGB(20, 100, 200), 0, 0, RGB(20, 100, 200)},
                      ShiftCase{"LargestUp", Slot::Face, RGB(0, 0, 0), 255, 0, RGB(255, 255, 255)},
                      ShiftCase{"LargestDown", Slot::Face, RGB(255, 255, 255), -255, 0, RGB(0, 0, 0)},
                      ShiftCase{"TooFarUp", Slot::HotFace, RGB(20, 100, 200), 256, 5, 0},
                      ShiftCase{"TooFarDown", Slot::HotFace, RGB(20, 100, 200), -256, 5, 0},
                      ShiftCase{"NoSuchSlot", 6, RGB(20, 100, 200), 30, 3, 0},
                      ShiftCase{"NoSuchSlotAndOffset", 200, RGB(20, 100, 200), 300, 3, 0}),
    [](const ::testing::TestParamInfo<ShiftCase>& info) { return std::string(info.param.name); });

struct SetterCase {
    const char* name;
    UINT (*call)(CImageButton& button, BOOL repaint);
    UINT result;
};

class SetterResults : public ImageButtonSetters, public ::testing::WithParamInterface<SetterCase> {
};

TEST_P(SetterResults, RefusedCallsChangeNothingAndDoNotRepaint)
{
    const SetterCase& c = GetParam();
    for (BOOL repaint : {FALSE, TRUE}) {
        button().SetIconPlacement(CImageButton::PlaceTop, FALSE);
        Snapshot before = Take();
        ForgetRepaint();
        EXPECT_EQ(c.call(button(), repaint), c.result);
        if (c.result != CImageButton::kDone) {
            EXPECT_TRUE(Take() == before);
        }
        EXPECT_EQ(RepaintPending(), repaint && c.result == CImageButton::kDone) << "repaint flag " << repaint;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Setters, SetterResults,
    ::testing::Values(
        SetterCase{"SetColorLastSlot", [](CImageButton& b, BOOL r) { return b.SetColor(5, RGB(1, 1, 1), r); }, 0},
        SetterCase{"SetColorNoSuchSlot", [](CImageButton& b, BOOL r) { return b.SetColor(6, RGB(1, 1, 1), r); }, 3},
        SetterCase{"PlacementThree", [](CImageButton& b, BOOL r) { return b.SetIconPlacement(3, r); }, 0},
        SetterCase{"PlacementFour", [](CImageButton& b, BOOL r) { return b.SetIconPlacement(4, r); }, 4},
        SetterCase{"ResetColors", [](CImageButton& b, BOOL r) { return b.ResetColors(r); }, 0}),
    [](const ::testing::TestParamInfo<SetterCase>& info) { return std::string(info.param.name); });

TEST_F(ImageButtonSetters, AcceptedValuesAreStored)
{
    EXPECT_EQ(button().SetColor(Slot::HotText, RGB(0, 128, 0), FALSE), 0u);
    EXPECT_EQ(button().GetColor(Slot::HotText), static_cast<COLORREF>(0x008000));
    EXPECT_EQ(button().SetIconPlacement(CImageButton::PlaceNone, FALSE), 0u);
    EXPECT_EQ(button().GetIconPlacement(), CImageButton::PlaceNone);
    EXPECT_EQ(button().SetIconPlacement(4, FALSE), 4u);
    EXPECT_EQ(button().GetIconPlacement(), CImageButton::PlaceNone);
}

TEST_F(ImageButtonSetters, NewButtonAndResetUseTheSystemColours)
{
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE), text = ::GetSysColor(COLOR_BTNTEXT);
    const std::array<COLORREF, 6> system{face, text, face, text, face, text};
    CImageButton fresh;
    for (BYTE slot = 0; slot < 6; ++slot)
        EXPECT_EQ(fresh.GetColor(slot), system[slot]) << "slot " << int(slot);
    for (BYTE slot = 0; slot < 6; ++slot)
        button().SetColor(slot, RGB(1, 2, 3), FALSE);
    button().ResetColors(FALSE);
    for (BYTE slot = 0; slot < 6; ++slot)
        EXPECT_EQ(button().GetColor(slot), system[slot]) << "slot " << int(slot);
}

TEST_F(ImageButtonSetters, SetIconTakesItsSizeFromTheHotSpotAndUsesTheLowSixteenBits)
{
    ForgetRepaint();
    EXPECT_EQ(button().SetIcon(0x10000 | IDI_NEXT), 0u);
    ASSERT_NE(button().m_icon.handle, nullptr);
    EXPECT_EQ(button().m_icon.width, 32);
    EXPECT_EQ(button().m_icon.height, 32);
    EXPECT_TRUE(RepaintPending());
}

TEST_F(ImageButtonSetters, MissingIconResourceLeavesNoIconAndReleasesTheOldOne)
{
    ASSERT_EQ(button().SetIcon(IDI_NEXT), 0u);
    HICON old = button().m_icon.handle;
    ForgetRepaint();
    EXPECT_EQ(button().SetIcon(4242), 0u);
    EXPECT_EQ(button().m_icon.handle, nullptr);
    EXPECT_EQ(button().m_icon.width, 0);
    EXPECT_TRUE(RepaintPending());
    ICONINFO info{};
    EXPECT_FALSE(::GetIconInfo(old, &info)) << "old icon still alive";
}

TEST(ImageButtonUnattached, SettersBeforeAttachingRepaintNothing)
{
    // A repaint without a window would invalidate every window on the desktop.
    CImageButton button;
    EXPECT_EQ(button.SetColor(CImageButton::HotText, RGB(0, 128, 0), TRUE), 0u);
    EXPECT_EQ(button.ShiftColor(CImageButton::HotFace, 30, TRUE), 0u);
    EXPECT_EQ(button.SetIcon(IDI_NEXT), 0u);
}
}  // namespace
