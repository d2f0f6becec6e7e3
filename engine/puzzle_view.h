// What the engine may ask of the view that shows it, without knowing any UI type.
#pragma once

class PuzzleView {
public:
    // The board changed wholesale (a puzzle started or restarted): drop the
    // selection and redraw from scratch.
    virtual void ResetBoard() = 0;

protected:
    ~PuzzleView() = default;
};
