// A check for any dialog: every caption fits its control, in a font no smaller than nine pixels.
#include "tests/support/captions_fit.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>

#include <gtest/gtest.h>

void ExpectCaptionsFit(QDialog& dialog)
{
    dialog.show();
    for (const QCheckBox* box : dialog.findChildren<QCheckBox*>())
        EXPECT_LE(box->sizeHint().width(), box->width()) << box->text().toStdString();
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        const QFontMetrics metrics(label->font());
        for (const QString& line : label->text().split(QLatin1Char('\n')))
            EXPECT_LE(metrics.horizontalAdvance(line), label->width()) << line.toStdString();
    }
    for (const QGroupBox* group : dialog.findChildren<QGroupBox*>())
        EXPECT_LE(QFontMetrics(group->font()).horizontalAdvance(group->title()), group->width());
    EXPECT_GE(dialog.font().pixelSize(), 9);
}
