// Development preview: a playable board in a window at a chosen size, or its picture saved to a file.
// Usage: kolumo_board_preview [width height [aa 0|1 [shot.png [moves]]]]
#include "board/board_view.h"
#include "engine/puzzle.h"
#include "engine/random.h"

#include <QApplication>
#include <QTimer>

#include <cstdlib>
#include <ctime>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    SeedRandom(argc > 6 ? static_cast<uint32_t>(std::atoi(argv[6])) : static_cast<uint32_t>(std::time(nullptr)));
    Puzzle puzzle;
    BoardView view;
    view.SetPuzzle(&puzzle);
    puzzle.SetBoardView(&view);
    view.ShuffleSymbols();
    const int width = argc > 2 ? std::atoi(argv[1]) : 700;
    const int height = argc > 2 ? std::atoi(argv[2]) : 400;
    if (argc > 3) {
        PlayerPreferences preferences = view.Preferences();
        preferences.antiAliasing = std::atoi(argv[3]) != 0;
        view.ApplyPreferences(preferences);
    }
    view.setWindowTitle(QStringLiteral("Kolumo board"));
    view.resize(width, height);
    view.show();
    if (argc > 4 && argv[4][0] != 0) {
        // Select the first block of row 0 so the shot shows a selection, and
        // the keyboard cursor below it; then save the window's picture and quit.
        const QString path = QString::fromLocal8Bit(argv[4]);
        const bool select = argc > 5 && std::atoi(argv[5]) != 0;
        QTimer::singleShot(300, &view, [&view, &puzzle, select] {
            if (!select)
                return;
            const Rect cell = view.Geometry().BlockRect(0, 0, static_cast<int>(puzzle.Rows()[0].size()));
            view.LeftButtonUp(cell.left + 2, cell.top + 2);
            // And the keyboard cursor one row further down.
            view.HandleKey(Qt::Key_Down);
            view.HandleKey(Qt::Key_Down);
        });
        QTimer::singleShot(600, &view, [&view, path] {
            view.grab().save(path);
            QApplication::quit();
        });
    }
    return app.exec();
}
