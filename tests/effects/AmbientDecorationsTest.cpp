// The world's ambient decorations: what a layout keeps, where each decoration may go over a long
// stretch of play (rain spells and birds included), reduced effects, the seeded sky, and the
// one-quad-per-decoration drawing that keeps a resting scene from being redrawn.
#include "effects/AmbientDecorations.h"

#include "EffectTestFixture.h"
#include "engine/PictureNames.h"

#include <algorithm>
#include <cmath>

namespace {

using Kind = TDecorationKind;

// Long enough for several rain spells and several birds.
constexpr int LongStretchTicks = 40000;

bool Overlap(const TRect& a, const TRect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

bool Inside(TPoint point, const TRect& rect) {
    return point.X >= rect.Left && point.X <= rect.Right && point.Y >= rect.Top &&
           point.Y <= rect.Bottom;
}

double DistanceToPath(TPoint p, const TDecorationPath& path) {
    const double dx = path.To.X - path.From.X;
    const double dy = path.To.Y - path.From.Y;
    const double t = std::clamp(
        ((p.X - path.From.X) * dx + (p.Y - path.From.Y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(path.From.X + t * dx - p.X, path.From.Y + t * dy - p.Y);
}

TDecorationLayout SampleLayout() {
    TDecorationLayout layout;
    layout.Protected = {{500, 300, 700, 400}, {0, 650, 1366, 768}};
    layout.FlowerBeds = {{200, 500}, {600, 420}};     // the second stands in a button
    layout.ButterflyHomes = {{900, 300}, {650, 300}}; // the second flutters over it
    layout.BirdPaths = {{{1430, 100}, {-60, 140}}, {{-60, 500}, {1430, 480}}};
    layout.RainAreas = {{100, 100, 400, 350}, {450, 200, 750, 350}}; // the second rains on it
    layout.MoteArea = {750, 50, 1300, 600};
    layout.Motes = 5;
    layout.CloudLanes = {200, 520};
    return layout;
}

int CountOf(const TAmbientDecorations& sky, Kind kind) {
    return static_cast<int>(std::count_if(sky.Items().begin(), sky.Items().end(),
                                          [&](const TDecoration& d) { return d.Kind == kind; }));
}

class AmbientDecorationsTest : public EffectTest {};

TEST_F(AmbientDecorationsTest, PlacesOverWhatThePlayerMustSeeAreLeftOut) {
    TAmbientDecorations sky;
    sky.Start(SampleLayout(), 7, false);
    const TDecorationLayout& kept = sky.Layout();
    EXPECT_EQ(kept.FlowerBeds, (std::vector<TPoint>{TPoint{200, 500}}));
    EXPECT_EQ(kept.ButterflyHomes, (std::vector<TPoint>{TPoint{900, 300}}));
    ASSERT_EQ(kept.RainAreas.size(), 1u);
    EXPECT_EQ(kept.RainAreas[0], (TRect{100, 100, 400, 350}));
    EXPECT_EQ(kept.BirdPaths.size(), 2u);
    EXPECT_EQ(CountOf(sky, Kind::Flower), TAmbientDecorations::FlowersPerBed);
    EXPECT_EQ(CountOf(sky, Kind::Butterfly), 1);
    EXPECT_EQ(CountOf(sky, Kind::Bird), 1);
    EXPECT_EQ(CountOf(sky, Kind::RainDrop), TAmbientDecorations::RainDrops);
    EXPECT_EQ(CountOf(sky, Kind::Mote), 5);
    EXPECT_EQ(CountOf(sky, Kind::Cloud), 2);

    // A mote area reaching into a panel has no motes at all.
    TDecorationLayout layout = SampleLayout();
    layout.MoteArea = {750, 50, 1300, 700};
    sky.Start(layout, 7, false);
    EXPECT_EQ(CountOf(sky, Kind::Mote), 0);
}

// Over a long stretch every decoration keeps to its place, and nothing that lingers (all but the
// passing birds and clouds) is ever shown over a protected area.
TEST_F(AmbientDecorationsTest, EveryDecorationKeepsToItsPathAndOffTheProtectedAreas) {
    TAmbientDecorations sky;
    sky.Start(SampleLayout(), 11, false);
    const TDecorationLayout& layout = sky.Layout();
    const TRect rain = layout.RainAreas[0];
    bool rained = false;
    bool flew = false;
    for (int tick = 0; tick < LongStretchTicks; ++tick) {
        sky.Tick();
        rained = rained || sky.Raining();
        flew = flew || sky.BirdFlying();
        for (const TDecoration& item : sky.Items()) {
            if (item.Alpha == 0) {
                EXPECT_EQ(item.Pos, TAmbientDecorations::Resting);
                continue;
            }
            if (item.Kind != Kind::Bird && item.Kind != Kind::Cloud) {
                for (const TRect& kept : layout.Protected)
                    ASSERT_FALSE(Overlap(TAmbientDecorations::Bounds(item.Kind, item.Pos), kept))
                        << "tick " << tick << " kind " << static_cast<int>(item.Kind);
            }
            switch (item.Kind) {
            case Kind::Flower:
                ASSERT_EQ(item.Pos, item.Home);
                ASSERT_LE(std::abs(item.Angle), TAmbientDecorations::FlowerSwayDegrees);
                break;
            case Kind::Butterfly:
                ASSERT_LE(std::abs(item.Pos.X - item.Home.X),
                          TAmbientDecorations::ButterflyReach.X);
                ASSERT_LE(std::abs(item.Pos.Y - item.Home.Y),
                          TAmbientDecorations::ButterflyReach.Y);
                break;
            case Kind::Bird:
                ASSERT_LE(std::min(DistanceToPath(item.Pos, layout.BirdPaths[0]),
                                   DistanceToPath(item.Pos, layout.BirdPaths[1])),
                          TAmbientDecorations::BirdBob + 1);
                break;
            case Kind::RainDrop:
                ASSERT_TRUE(Inside(item.Pos, rain)) << item.Pos.X << "," << item.Pos.Y;
                break;
            case Kind::Mote:
                ASSERT_TRUE(Inside(item.Pos, layout.MoteArea));
                break;
            case Kind::Cloud:
                ASSERT_EQ(item.Pos.Y, item.Home.Y);
                ASSERT_GE(item.Pos.X, -TAmbientDecorations::CloudSize.X / 2);
                ASSERT_LT(item.Pos.X, 1366 + TAmbientDecorations::CloudSize.X / 2);
                break;
            }
        }
    }
    EXPECT_TRUE(rained);
    EXPECT_TRUE(flew);
}

TEST_F(AmbientDecorationsTest, ReducedEffectsDropTheRainTheMotesAndTheClouds) {
    TAmbientDecorations sky;
    sky.Start(SampleLayout(), 7, true);
    EXPECT_EQ(CountOf(sky, Kind::RainDrop), 0);
    EXPECT_EQ(CountOf(sky, Kind::Mote), 0);
    EXPECT_EQ(CountOf(sky, Kind::Cloud), 0);
    EXPECT_EQ(CountOf(sky, Kind::Flower), TAmbientDecorations::FlowersPerBed);
    EXPECT_EQ(CountOf(sky, Kind::Butterfly), 1);
    EXPECT_EQ(CountOf(sky, Kind::Bird), 1);
    for (int tick = 0; tick < LongStretchTicks / 4; ++tick) sky.Tick();
    EXPECT_FALSE(sky.Raining());
    EXPECT_TRUE(TAmbientDecorations::IsHeavy(Kind::RainDrop));
    EXPECT_TRUE(TAmbientDecorations::IsHeavy(Kind::Mote));
    EXPECT_TRUE(TAmbientDecorations::IsHeavy(Kind::Cloud));
    EXPECT_FALSE(TAmbientDecorations::IsHeavy(Kind::Butterfly));
}

// The same seed gives the same sky; the sky never touches the game's own dice.
TEST_F(AmbientDecorationsTest, TheSameSeedGivesTheSameSkyAndTheGameDiceAreLeftAlone) {
    SetRandomSeed(5);
    const int firstDraw = Random(1000000);
    SetRandomSeed(5);
    TAmbientDecorations one;
    TAmbientDecorations two;
    TAmbientDecorations other;
    one.Start(SampleLayout(), 3, false);
    two.Start(SampleLayout(), 3, false);
    other.Start(SampleLayout(), 4, false);
    bool differed = false;
    for (int tick = 0; tick < LongStretchTicks / 2; ++tick) {
        one.Tick();
        two.Tick();
        other.Tick();
        for (size_t i = 0; i < one.Items().size(); ++i) {
            ASSERT_EQ(one.Items()[i].Pos, two.Items()[i].Pos) << "tick " << tick;
            ASSERT_EQ(one.Items()[i].Pattern, two.Items()[i].Pattern);
            differed = differed || one.Items()[i].Pos != other.Items()[i].Pos;
        }
    }
    EXPECT_TRUE(differed);
    EXPECT_EQ(Random(1000000), firstDraw);
}

// One quad per decoration in every frame, the same quads on the ticks between two steps: a
// resting scene's frames stay alike, and one decoration coming never shifts the quads after it.
TEST_F(AmbientDecorationsTest, DrawsOneQuadEachAndTheSameQuadsBetweenSteps) {
    TAmbientDecorations sky;
    sky.Start(SampleLayout(), 9, false);
    std::vector<TRecordedImageCall> before;
    bool changed = false;
    for (int tick = 1; tick <= LongStretchTicks / 4; ++tick) {
        sky.Tick();
        Recorder.Clear();
        sky.Draw();
        ASSERT_EQ(Recorder.Calls.size(), sky.Items().size());
        if (tick % TAmbientDecorations::StepTicks != 0 && !before.empty()) {
            for (size_t i = 0; i < before.size(); ++i) {
                ASSERT_EQ(Recorder.Calls[i].X, before[i].X) << "tick " << tick;
                ASSERT_EQ(Recorder.Calls[i].Y, before[i].Y);
                ASSERT_EQ(Recorder.Calls[i].Angle, before[i].Angle);
                ASSERT_EQ(Recorder.Calls[i].PatternIndex, before[i].PatternIndex);
                ASSERT_EQ(Recorder.Calls[i].Alpha, before[i].Alpha);
            }
        } else if (!before.empty()) {
            changed = changed || Recorder.Calls[0].Angle != before[0].Angle;
        }
        before = Recorder.Calls;
    }
    EXPECT_TRUE(changed);
    EXPECT_FALSE(Recorder.CallsOf(Pictures::FoundFlowers).empty());
    EXPECT_FALSE(Recorder.CallsOf(Pictures::RainDrop).empty());
    EXPECT_FALSE(Recorder.CallsOf(Pictures::Birdie).empty());
    EXPECT_EQ(Recorder.CallsOf("MapCloud").size(), 2u);
}

} // namespace
