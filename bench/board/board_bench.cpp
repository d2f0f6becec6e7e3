// Board timings at three client sizes, anti-aliasing on and off: Layout, a
// full redraw, a removal frame, a slide frame, a symbol shuffle and a step of
// the keyboard cursor. Every frame is timed together with the copy of what it
// changed to a window-sized picture, as the window's repaint would do.
#include "board/audio_device.h"
#include "board/board_view.h"
#include "board/effect_player.h"
#include "engine/puzzle.h"
#include "engine/random.h"

#include <QApplication>
#include <QPainter>

#include <SDL_mixer.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace {

struct Bench {
    Puzzle puzzle;
    BoardView view;
    QImage window;
    // Where the animation frames are drawn, as the view draws them on its own.
    DibSurface frame;
    // Draws the removal frames as the view's own painter does.
    BoardPainter painter;
    // One end block of each of the first rows (same colour not needed for
    // drawing), as a move would take them away.
    MoveList taken;
    // The board before that move, which the removal draws from.
    RowSet before;

    Bench(int width, int height, bool antiAliasing)
    {
        view.SetPuzzle(&puzzle);
        puzzle.SetBoardView(&view);
        PlayerPreferences chosen = view.Preferences();
        chosen.antiAliasing = antiAliasing;
        chosen.soundEffects = false;
        view.ApplyPreferences(chosen);
        view.SizeChanged(width, height);
        view.Tick();
        window = QImage(width, height, QImage::Format_RGB32);
        frame.Create(width, height);
        frame.CopySame(view.ComposeSurface(), frame.Bounds());
        painter.ShuffleSymbols();
        painter.SetAntiAliasing(antiAliasing);
        painter.MakeSurfaces(width, height);
        painter.Layout(view.Geometry(), view.BoardRect());
    }

    // What paintEvent does for a dirty rectangle.
    void CopyToWindow(const Rect& r, const DibSurface& from)
    {
        QPainter painter(&window);
        painter.drawImage(QPoint(r.left, r.top), from.Image(), QRect(r.left, r.top, r.Width(), r.Height()));
    }
    void CopyToWindow(const Rect& r) { CopyToWindow(r, view.ComposeSurface()); }
    // What the window's repaint copies after the view invalidated `rects`.
    void CopyToWindow(const std::vector<Rect>& rects)
    {
        for (const Rect& r : rects)
            CopyToWindow(r);
    }

    void StartMove()
    {
        taken.clear();
        for (int row = 0; row < 3; ++row)
            taken.push_back({static_cast<int32_t>(puzzle.Rows()[static_cast<size_t>(row)].size()) - 1, row});
        CopyRows(before, puzzle.Rows());
        puzzle.ApplyMove(taken);
    }
};

constexpr int SIZES[3][2] = {{480, 290}, {1920, 1050}, {3840, 2130}};

void SetLabel(benchmark::State& state)
{
    const auto size = SIZES[state.range(0)];
    state.SetLabel(std::to_string(size[0]) + "x" + std::to_string(size[1]) + (state.range(1) ? " aa" : " plain"));
}

std::unique_ptr<Bench> Make(benchmark::State& state)
{
    const auto size = SIZES[state.range(0)];
    return std::make_unique<Bench>(size[0], size[1], state.range(1) != 0);
}

void BM_Layout(benchmark::State& state)
{
    auto b = Make(state);
    for (auto _ : state)
        b->view.Layout();
    SetLabel(state);
}

void BM_RedrawTick(benchmark::State& state)
{
    // A Refresh tick at its worst: every row and every counter drawn anew
    // (as after a move that touched every row), and what that invalidated
    // copied. Applying the same preferences again forgets what the picture
    // shows.
    auto b = Make(state);
    for (auto _ : state) {
        state.PauseTiming();
        b->view.ApplyPreferences(b->view.Preferences());
        b->view.TakeRepaint();
        state.ResumeTiming();
        b->view.Redraw();
        b->CopyToWindow(b->view.TakeRepaint());
    }
    SetLabel(state);
}

void BM_RefreshAfterMoveTick(benchmark::State& state)
{
    // As after a move: one row shorter, one counter shows a new number.
    auto b = Make(state);
    const MoveList lastOfRow2{{static_cast<int32_t>(b->puzzle.Rows()[2].size()) - 1, 2}};
    bool removed = false;
    for (auto _ : state) {
        state.PauseTiming();
        if (removed)
            b->puzzle.Undo();
        else
            b->puzzle.ApplyMove(lastOfRow2);
        removed = !removed;
        b->view.TakeRepaint();
        state.ResumeTiming();
        b->view.Redraw();
        b->CopyToWindow(b->view.TakeRepaint());
    }
    SetLabel(state);
}

void BM_RemovalTick(benchmark::State& state)
{
    auto b = Make(state);
    b->StartMove();
    int frame = 0;
    for (auto _ : state) {
        // The six frames of a removal: 0.9 down by 0.15.
        const double scale = 0.9 - 0.15 * (frame % 6);
        for (const BlockRef& e : b->taken) {
            const auto& before = b->before[static_cast<size_t>(e.row)];
            const Rect cell = b->view.Geometry().BlockRect(e.index, e.row, static_cast<int32_t>(before.size()));
            b->painter.DrawBlock(cell, before[static_cast<size_t>(e.index)], b->frame, false, scale, false, false);
            b->CopyToWindow(cell, b->frame);
        }
        ++frame;
    }
    SetLabel(state);
}

void BM_SlideTick(benchmark::State& state)
{
    auto b = Make(state);
    b->StartMove();
    int frame = 0;
    for (auto _ : state) {
        // The seven frames of a slide: 0.2 up by 0.15, the last held short of 1.
        const double t = std::min(0.2 + 0.15 * (frame % 7), 0.9999);
        b->CopyToWindow(b->view.DrawBoard(b->frame, t), b->frame);
        ++frame;
    }
    SetLabel(state);
}

void BM_ShuffleSymbols(benchmark::State& state)
{
    auto b = Make(state);
    for (auto _ : state)
        b->view.ShuffleSymbols();
    SetLabel(state);
}

void BM_CursorStep(benchmark::State& state)
{
    // An arrow key with the cursor shown: the cell it leaves drawn plain, the
    // cell it reaches drawn with its outline, both copied to the window.
    auto b = Make(state);
    b->view.HandleKey(Qt::Key_Right);
    const auto cell = [&b](BlockRef at) {
        const auto length = static_cast<int32_t>(b->puzzle.Rows()[static_cast<size_t>(at.row)].size());
        return b->view.Geometry().BlockRect(at.index, at.row, length);
    };
    for (auto _ : state) {
        const BlockRef before = b->view.Cursor().Position();
        b->view.HandleKey(Qt::Key_Right);
        b->CopyToWindow(cell(before));
        b->CopyToWindow(cell(b->view.Cursor().Position()));
    }
    SetLabel(state);
}

// The pieces of a Refresh tick, to see where its time goes.
void BM_PartBackgroundCopy(benchmark::State& state)
{
    auto b = Make(state);
    for (auto _ : state)
        b->frame.CopySame(b->view.Painter().Background(), b->view.Painter().Background().Bounds());
    SetLabel(state);
}
void BM_PartBoard(benchmark::State& state)
{
    auto b = Make(state);
    for (auto _ : state)
        b->view.DrawBoard(b->frame, 2.0);
    SetLabel(state);
}
void BM_PartCounters(benchmark::State& state)
{
    auto b = Make(state);
    for (auto _ : state)
        b->view.DrawColourCounters(b->frame);
    SetLabel(state);
}
void BM_PartWindowCopy(benchmark::State& state)
{
    auto b = Make(state);
    const Rect all{0, 0, b->window.width(), b->window.height()};
    for (auto _ : state)
        b->CopyToWindow(all);
    SetLabel(state);
}

void Arguments(benchmark::internal::Benchmark* bench)
{
    for (int size = 0; size < 3; ++size)
        for (int aa = 0; aa < 2; ++aa)
            bench->Args({size, aa});
    bench->Unit(benchmark::kMillisecond);
}

// The first effect after the audio device came to rest: it opens the device
// again, then plays. Each closing waits for SDL's audio thread, so only a
// few rounds are run (target: the effect under way within 50 ms).
void BM_EffectAfterRest(benchmark::State& state)
{
    EffectPlayer effects;
    if (!AudioDevice::Instance().Open()) {
        state.SkipWithError("no audio device (run with SDL_AUDIODRIVER=dummy)");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        Mix_HaltChannel(AudioDevice::EFFECT_CHANNEL);
        AudioDevice::Instance().RestIfIdle();
        state.ResumeTiming();
        effects.Play(131);
    }
}

BENCHMARK(BM_Layout)->Apply(Arguments);
BENCHMARK(BM_RedrawTick)->Apply(Arguments);
BENCHMARK(BM_RefreshAfterMoveTick)->Apply(Arguments);
BENCHMARK(BM_RemovalTick)->Apply(Arguments);
BENCHMARK(BM_SlideTick)->Apply(Arguments);
BENCHMARK(BM_ShuffleSymbols)->Apply(Arguments);
BENCHMARK(BM_CursorStep)->Apply(Arguments);
BENCHMARK(BM_PartBackgroundCopy)->Apply(Arguments);
BENCHMARK(BM_PartBoard)->Apply(Arguments);
BENCHMARK(BM_PartCounters)->Apply(Arguments);
BENCHMARK(BM_PartWindowCopy)->Apply(Arguments);
BENCHMARK(BM_EffectAfterRest)->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SeedRandom(20240101);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
