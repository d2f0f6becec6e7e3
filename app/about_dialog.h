// The "About Kolumo" box: the icon, the version and a word from the maker.
#pragma once

#include <QDialog>

class BitmapButton;

// Run with exec(); the result means nothing. Enter, Escape and OK close it.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);

    BitmapButton* OkButton() const;

protected:
    void showEvent(QShowEvent* event) override;
};
