// What the engine may ask of the view that shows it, without knowing any UI type.
#pragma once

class PuzzleView {
public:
    // The board changed wholesale (retry, new game): drop the selection and
    // redraw from scratch.
    virtual void ResetBoard() = 0;
    // A new puzzle: draw a new symbol for every colour.
    virtual void ShuffleSymbols() = 0;

protected:
    ~PuzzleView() = default;
};
