#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "ImageButtonFixture.h"
#include "res/resource.h"

namespace {
constexpr int kWidth = 75;
constexpr int kHeight = 23;

constexpr COLORREF kHotFace = RGB(0, 0, 200);
constexpr COLORREF kHotText = RGB(250, 250, 0);
constexpr COLORREF kFace = RGB(10, 100, 10);
constexpr COLORREF kText = RGB(250, 0, 250);
constexpr COLORREF kFocusFace = RGB(90, 0, 90);
constexpr COLORREF kFocusText = RGB(0, 250, 250);

COLORREF Light() { return ::GetSysColor(COLOR_BTNHIGHLIGHT); }
COLORREF Dark() { return ::GetSysColor(COLOR_BTNSHADOW); }

// The green arrow of icon 159 starts at (3, 5) of its 32 x 32 and spans 26 x 22.
bool IsArrow(COLORREF c) { return GetGValue(c) > 150 && GetRValue(c) < 100 && GetBValue(c) < 100; }
RECT ArrowBoundsAt(int left, int top)
{
    return {std::max(left + 3, 0), std::max(top + 5, 0), std::min(left + 28, kWidth - 1),
            std::min(top + 26, kHeight - 1)};
}

class ImageButtonDrawing : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dialog.Create(IDD_TEST_DIALOG));
        ::SetWindowPos(button(), nullptr, 0, 0, kWidth, kHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void TearDown() override { dialog.DestroyWindow(); }

    ProbeButton& button() { return dialog.childButton; }
    void UseTestColors()
    {
        const COLORREF colors[] = {kHotFace, kHotText, kFace, kText, kFocusFace, kFocusText};
        for (BYTE slot = 0; slot < CImageButton::ColorSlotCount; ++slot)
            button().SetColor(slot, colors[slot], FALSE);
    }

    ImageButtonDialog dialog;
};

TEST_F(ImageButtonDrawing, AttachingMakesTheButtonOwnerDrawnAndRemembersTheDefault)
{
    EXPECT_EQ(dialog.okButton.GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
    EXPECT_EQ(button().GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
    EXPECT_TRUE(dialog.okButton.m_isDefault);
    EXPECT_FALSE(button().m_isDefault);
}

enum class Edge { None, Raised, Sunken };

struct StateLook {
    const char* name;
    UINT itemState;
    BOOL hovered;
    COLORREF face;
    COLORREF text;
    Edge edge;
};

class ImageButtonStates : public ImageButtonDrawing, public ::testing::WithParamInterface<StateLook> {
};

TEST_P(ImageButtonStates, FaceCaptionAndEdgeFollowTheState)
{
    const StateLook& look = GetParam();
    UseTestColors();
    button().m_hovered = look.hovered;
    Rendering r(button(), look.itemState, kWidth, kHeight);

    EXPECT_EQ(r.At(2, 2), look.face);
    EXPECT_EQ(r.At(kWidth - 3, kHeight - 3), look.face);
    for (COLORREF text : {kHotText, kText, kFocusText}) {
        if (text == look.text) {
            EXPECT_GT(r.Count(text), 10) << "caption colour missing";
        } else {
            EXPECT_EQ(r.Count(text), 0) << "caption in a colour of another state";
        }
    }
    COLORREF topLeft = look.face, bottomRight = look.face;
    if (look.edge == Edge::Raised)
        topLeft = Light(), bottomRight = Dark();
    if (look.edge == Edge::Sunken)
        topLeft = Dark(), bottomRight = Light();
    EXPECT_EQ(r.At(kWidth / 2, 0), topLeft);
    EXPECT_EQ(r.At(0, kHeight / 2), topLeft);
    EXPECT_EQ(r.At(kWidth / 2, kHeight - 1), bottomRight);
    EXPECT_EQ(r.At(kWidth - 1, kHeight / 2), bottomRight);
    // The edge is one pixel wide.
    EXPECT_EQ(r.At(kWidth / 2, 1), look.face);
    EXPECT_EQ(r.At(1, kHeight / 2), look.face);
}

INSTANTIATE_TEST_SUITE_P(
    Looks, ImageButtonStates,
    ::testing::Values(StateLook{"Rest", 0, FALSE, kFace, kText, Edge::None},
                      StateLook{"Focused", ODS_FOCUS, FALSE, kFocusFace, kFocusText, Edge::None},
                      StateLook{"Hovered", 0, TRUE, kHotFace, kHotText, Edge::Raised},
                      StateLook{"HoveredAndFocused", ODS_FOCUS, TRUE, kHotFace, kHotText, Edge::Raised},
                      StateLook{"Pressed", ODS_SELECTED | ODS_FOCUS, TRUE, kHotFace, kHotText, Edge::Sunken},
                      StateLook{"PressedAndDraggedOff", ODS_SELECTED, FALSE, kHotFace, kHotText, Edge::Sunken}),
    [](const ::testing::TestParamInfo<StateLook>& info) { return std::string(info.param.name); });

TEST_F(ImageButtonDrawing, PressingShiftsTheCaptionByOnePixel)
{
    UseTestColors();
    button().m_hovered = TRUE;
    Rendering hovered(button(), 0, kWidth, kHeight);
    Rendering pressed(button(), ODS_SELECTED, kWidth, kHeight);
    auto isHotText = [](COLORREF c) { return c == kHotText; };
    RECT before = hovered.Bounds(isHotText), after = pressed.Bounds(isHotText);
    EXPECT_EQ(after.left, before.left + 1);
    EXPECT_EQ(after.top, before.top + 1);
}

TEST_F(ImageButtonDrawing, WithoutIconOrCaptionOnlyFaceAndEdgeShow)
{
    UseTestColors();
    button().SetWindowText("");
    button().m_hovered = TRUE;
    Rendering r(button(), 0, kWidth, kHeight);
    int edgePixels = 2 * kWidth + 2 * kHeight - 4;
    EXPECT_EQ(r.Count(kHotFace), kWidth * kHeight - edgePixels);
    EXPECT_EQ(r.Count(Light()) + r.Count(Dark()), edgePixels);
}

TEST_F(ImageButtonDrawing, DisabledCaptionIsEmbossed)
{
    UseTestColors();
    Rendering r(button(), ODS_DISABLED, kWidth, kHeight);
    for (COLORREF text : {kHotText, kText, kFocusText})
        EXPECT_EQ(r.Count(text), 0);
    RECT dark = r.Bounds([](COLORREF c) { return c == Dark(); });
    RECT light = r.Bounds([](COLORREF c) { return c == Light(); });
    ASSERT_GE(dark.right, dark.left) << "no dark caption";
    // The light copy lies one pixel down and to the right, under the dark one.
    EXPECT_EQ(light.left, dark.left + 1);
    EXPECT_EQ(light.top, dark.top + 1);
    EXPECT_EQ(light.right, dark.right + 1);
    EXPECT_EQ(light.bottom, dark.bottom + 1);
}

TEST_F(ImageButtonDrawing, LongCaptionWrapsAndTheBlockIsCentred)
{
    UseTestColors();
    const int width = 60, height = 44;
    ::SetWindowPos(button(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    button().SetWindowText("Wrap this rather long caption");
    Rendering r(button(), 0, width, height);
    RECT text = r.Bounds([](COLORREF c) { return c == kText; });
    ASSERT_GE(text.right, text.left);

    HDC screen = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(screen, reinterpret_cast<HGDIOBJ>(button().SendMessage(WM_GETFONT)));
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(screen, &metrics);
    ::SelectObject(screen, old);
    ::ReleaseDC(nullptr, screen);

    EXPECT_GT(text.bottom - text.top + 1, metrics.tmHeight) << "caption did not wrap";
    EXPECT_LE(std::abs(text.left - (width - 1 - text.right)), 3) << "block not centred horizontally";
    EXPECT_LE(std::abs(text.top - (height - 1 - text.bottom)), metrics.tmDescent + metrics.tmInternalLeading + 2)
        << "block not centred vertically";
}

// Where the icon lands for each placement, in a 75 x 23 button.
struct IconPlace {
    const char* name;
    BYTE placement;
    const char* caption;
    UINT itemState;
    POINT iconAt;
};

class ImageButtonIconPlaces : public ImageButtonDrawing, public ::testing::WithParamInterface<IconPlace> {
};

TEST_P(ImageButtonIconPlaces, IconSitsWhereThePlacementPutsIt)
{
    const IconPlace& place = GetParam();
    ASSERT_EQ(button().SetIcon(IDI_NEXT), CImageButton::kDone);
    ASSERT_EQ(button().SetIconPlacement(place.placement, FALSE), CImageButton::kDone);
    button().SetWindowText(place.caption);
    Rendering r(button(), place.itemState, kWidth, kHeight);
    RECT arrow = r.Bounds(IsArrow);
    RECT expected = ArrowBoundsAt(place.iconAt.x, place.iconAt.y);
    EXPECT_EQ(arrow.left, expected.left);
    EXPECT_EQ(arrow.top, expected.top);
}

INSTANTIATE_TEST_SUITE_P(
    Placements, ImageButtonIconPlaces,
    ::testing::Values(IconPlace{"LeftWithCaption", CImageButton::PlaceLeft, "Go", 0, {3, -4}},
                      IconPlace{"LeftAlone", CImageButton::PlaceLeft, "", 0, {21, -4}},
                      IconPlace{"TopWithCaption", CImageButton::PlaceTop, "Go", 0, {21, 3}},
                      IconPlace{"TopAlone", CImageButton::PlaceTop, "", 0, {21, -4}},
                      IconPlace{"RightWithCaption", CImageButton::PlaceRight, "Go", 0, {40, -4}},
                      IconPlace{"RightAloneStaysAtTheTop", CImageButton::PlaceRight, "", 0, {21, 0}},
                      IconPlace{"NoPlaceAtTheCorner", CImageButton::PlaceNone, "Go", 0, {0, 0}},
                      IconPlace{"NoPlacePressed", CImageButton::PlaceNone, "Go", ODS_SELECTED, {1, 1}},
                      IconPlace{"RightPressed", CImageButton::PlaceRight, "Go", ODS_SELECTED, {41, -3}}),
    [](const ::testing::TestParamInfo<IconPlace>& info) { return std::string(info.param.name); });

// Where the caption goes once the icon has taken its place.
struct CaptionSpan {
    const char* name;
    BYTE placement;
    int left;   // of the rectangle the caption is centred in
    int right;
};

class ImageButtonCaptionSpans : public ImageButtonDrawing, public ::testing::WithParamInterface<CaptionSpan> {
};

TEST_P(ImageButtonCaptionSpans, CaptionIsCentredInWhatTheIconLeaves)
{
    const CaptionSpan& span = GetParam();
    UseTestColors();
    button().SetIcon(IDI_NEXT);
    button().SetIconPlacement(span.placement, FALSE);
    button().SetWindowText("Go");
    Rendering r(button(), 0, kWidth, kHeight);
    RECT text = r.Bounds([](COLORREF c) { return c == kText; });
    ASSERT_GE(text.right, text.left);
    // Twice the centre, to stay in whole pixels.
    int centre2 = text.left + text.right + 1;
    EXPECT_LE(std::abs(centre2 - (span.left + span.right)), 3) << "caption " << text.left << ".." << text.right;
}

INSTANTIATE_TEST_SUITE_P(
    Spans, ImageButtonCaptionSpans,
    ::testing::Values(CaptionSpan{"Right", CImageButton::PlaceRight, 3, 40},
                      CaptionSpan{"Left", CImageButton::PlaceLeft, 35, kWidth},
                      CaptionSpan{"NoPlace", CImageButton::PlaceNone, 0, kWidth}),
    [](const ::testing::TestParamInfo<CaptionSpan>& info) { return std::string(info.param.name); });

TEST_F(ImageButtonDrawing, DisabledIconIsEmbossed)
{
    button().SetIcon(IDI_NEXT);
    button().SetWindowText("");
    Rendering normal(button(), 0, kWidth, kHeight);
    Rendering disabled(button(), ODS_DISABLED, kWidth, kHeight);
    EXPECT_GE(normal.Bounds(IsArrow).right, 0) << "icon not drawn";
    EXPECT_LT(disabled.Bounds(IsArrow).right, 0) << "icon drawn in its own colours";
    RECT shadow = disabled.Bounds([](COLORREF c) { return c == Dark(); });
    RECT arrow = ArrowBoundsAt(21, -4);
    EXPECT_GE(shadow.left, arrow.left);
    EXPECT_LE(shadow.right, arrow.right + 1);
    EXPECT_GT(disabled.Count(Dark()), 100);
}

// Records the drawing steps a draw request runs.
class RecordingButton : public CImageButton {
public:
    std::vector<std::string> steps;

protected:
    UINT DrawFace(CDC* dc, const RECT& rect) override
    {
        steps.push_back("face");
        return CImageButton::DrawFace(dc, rect);
    }
    UINT DrawFrame(CDC* dc, const RECT& rect) override
    {
        steps.push_back("frame");
        return CImageButton::DrawFrame(dc, rect);
    }
    void DrawImage(CDC* dc, BOOL hasCaption, const RECT& item, RECT* caption, BOOL pressed, BOOL disabled) override
    {
        steps.push_back(hasCaption ? "image+caption" : "image");
        CImageButton::DrawImage(dc, hasCaption, item, caption, pressed, disabled);
    }
    void DrawCaption(CDC* dc, const CString& text, const RECT& item, RECT* caption, BOOL pressed,
                     BOOL disabled) override
    {
        steps.push_back("caption:" + text);
        CImageButton::DrawCaption(dc, text, item, caption, pressed, disabled);
    }
};

struct StepCase {
    const char* name;
    bool icon;
    const char* caption;
    std::vector<std::string> steps;
};

class ImageButtonSteps : public ImageButtonDrawing, public ::testing::WithParamInterface<StepCase> {
};

TEST_P(ImageButtonSteps, DrawItemRunsTheOverridableStepsInOrder)
{
    const StepCase& c = GetParam();
    RecordingButton recording;
    ASSERT_TRUE(recording.SubclassWindow(dialog.GetDlgItem(IDCANCEL)));
    if (c.icon)
        recording.SetIcon(IDI_NEXT);
    recording.SetWindowText(c.caption);
    Rendering r(recording, 0, kWidth, kHeight);
    EXPECT_EQ(recording.steps, c.steps);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ImageButtonSteps,
    ::testing::Values(StepCase{"All", true, "Next", {"face", "frame", "image+caption", "caption:Next"}},
                      StepCase{"NoIcon", false, "Next", {"face", "frame", "caption:Next"}},
                      StepCase{"NoCaption", true, "", {"face", "frame", "image"}},
                      StepCase{"Nothing", false, "", {"face", "frame"}}),
    [](const ::testing::TestParamInfo<StepCase>& info) { return std::string(info.param.name); });
}  // namespace
