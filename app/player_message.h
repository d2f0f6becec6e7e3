// A short message shown over the board, in the dialogs' colours: never
// modal, never in the way of the board's own pictures once it is gone, and
// spoken by screen readers as an alert.
#pragma once

#include <QLabel>
#include <QString>
#include <QStringList>

class BoardView;
class QFontMetrics;

class PlayerMessage : public QLabel {
    Q_OBJECT

public:
    // Lives over the board view, in the room between the counters and the
    // blocks, with a font and a width that follow the board's block size.
    explicit PlayerMessage(BoardView* board);

    // Shows text at once, replacing any message still shown.
    void Say(const QString& text);
    // Hides the message; nothing when none is shown.
    void Dismiss();
    // The text shown now (or that would be, were the board on screen), or
    // an empty string.
    QString Shown() const { return isHidden() ? QString() : message; }
    // The lines it is drawn in.
    QStringList Lines() const { return text().split(QLatin1Char('\n')); }

    // The words of text in lines no wider than maxWidth, as few lines as
    // that width allows and as even in width as that many lines can be.
    static QStringList BalancedLines(const QString& text, const QFontMetrics& metrics, int maxWidth);

signals:
    // Each message as it is shown, for whatever speaks it aloud.
    void Said(const QString& text);
    // A message has gone.
    void Dismissed(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Font, lines, width and place for the board's size now.
    void Place();

    BoardView* board;
    QString message;
};
