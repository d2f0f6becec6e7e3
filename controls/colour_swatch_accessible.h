// How a screen reader sees a colour swatch: a button named by its number and colour.
#pragma once

#include <QAccessibleWidget>
#include <QCoreApplication>

class ColourSwatch;

// "Colour 3: green": the name follows the face whenever it changes. Pressing
// it (a screen reader's action) opens the colour chooser, like a click.
class ColourSwatchAccessible : public QAccessibleWidget {
    Q_DECLARE_TR_FUNCTIONS(ColourSwatchAccessible)

public:
    explicit ColourSwatchAccessible(ColourSwatch* swatch);

    // Registers the factory with Qt once; every swatch's constructor asks.
    static void Install();

    QString text(QAccessible::Text type) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    static QAccessibleInterface* Factory(const QString& className, QObject* object);

    ColourSwatch* swatch;
};
