// The "Kolumo Rez Options" dialog: the five puzzle parameters on number pickers.
#include "controls/play_options_dialog.h"

#include "controls/bitmap_button.h"
#include "controls/button_layout.h"
#include "controls/dialog_template.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

// The game's web page, opened by the Visit Website button.
const char* const WEBSITE_ADDRESS = "https://kolumo.net/";

constexpr ControlTemplate PLAY_OPTIONS_CONTROLS[] = {
    {1, ControlKind::OWNER_DRAW_BUTTON, "IDB_OK", 15, 174, 50, 20},
    {2, ControlKind::OWNER_DRAW_BUTTON, "IDB_CANCEL", 217, 150, 50, 20},
    {1004, ControlKind::OWNER_DRAW_BUTTON, "IDB_WEBSITE", 69, 157, 111, 21},
    {-1, ControlKind::STATIC_CENTRED, QT_TRANSLATE_NOOP("PlayOptionsDialog", "No. of Colours"), 20, 22, 77, 11},
    {1006, ControlKind::STATIC_LEFT, "", 112, 41, 77, 18},
    {-1, ControlKind::STATIC_CENTRED, QT_TRANSLATE_NOOP("PlayOptionsDialog", "No. of Rows"), 112, 22, 77, 11},
    {1007, ControlKind::STATIC_LEFT, "", 204, 41, 77, 18},
    //: How many blocks a row holds when the puzzle starts.
    {-1, ControlKind::STATIC_CENTRED, QT_TRANSLATE_NOOP("PlayOptionsDialog", "Row Width"), 204, 22, 77, 11},
    {1008, ControlKind::STATIC_LEFT, "", 20, 121, 77, 18},
    //: The fewest blocks a move may take.
    {-1, ControlKind::STATIC_CENTRED, QT_TRANSLATE_NOOP("PlayOptionsDialog", "Minimum"), 20, 102, 77, 11},
    {-1, ControlKind::GROUP_BOX,
     QT_TRANSLATE_NOOP("PlayOptionsDialog", "Choose board size and number of colours: "),
     7, 7, 287, 66},
    {1009, ControlKind::STATIC_LEFT, "", 112, 121, 77, 18},
    //: The most blocks a move may take.
    {-1, ControlKind::STATIC_CENTRED, QT_TRANSLATE_NOOP("PlayOptionsDialog", "Maximum"), 112, 102, 77, 11},
    {-1, ControlKind::GROUP_BOX,
     QT_TRANSLATE_NOOP("PlayOptionsDialog", "Choose minimum and maximum to remove each turn: "),
     7, 84, 200, 69},
    {1003, ControlKind::OWNER_DRAW_BUTTON, "IDB_DEFAULT", 220, 88, 65, 27},
    {1010, ControlKind::STATIC_LEFT, "", 20, 41, 77, 18},
};

constexpr DialogTemplate PLAY_OPTIONS_TEMPLATE = {
    QT_TRANSLATE_NOOP("PlayOptionsDialog", "Kolumo Rez Options"), 301, 201, PLAY_OPTIONS_CONTROLS,
    "PlayOptionsDialog"};

struct PickerPlace {
    int placeholderId;
    SettingChoices choices;
    // What a screen reader calls the picker and its down and up arrows.
    const char* label;
    const char* decrement;
    const char* increment;
};

// Colours, rows, row width, minimum, maximum: the order of the pickers.
constexpr PickerPlace PICKER_PLACES[] = {
    {1010, COLOUR_COUNT_CHOICES, QT_TRANSLATE_NOOP("PlayOptionsDialog", "No. of Colours"),
     QT_TRANSLATE_NOOP("PlayOptionsDialog", "Fewer colours"),
      QT_TRANSLATE_NOOP("PlayOptionsDialog", "More colours")},
    {1006, ROW_COUNT_CHOICES, QT_TRANSLATE_NOOP("PlayOptionsDialog", "No. of Rows"),
     QT_TRANSLATE_NOOP("PlayOptionsDialog", "Fewer rows"), QT_TRANSLATE_NOOP("PlayOptionsDialog", "More rows")},
    {1007, ROW_WIDTH_CHOICES, QT_TRANSLATE_NOOP("PlayOptionsDialog", "Row Width"),
     QT_TRANSLATE_NOOP("PlayOptionsDialog", "Narrower rows"),
      QT_TRANSLATE_NOOP("PlayOptionsDialog", "Wider rows")},
    {1008, MIN_REMOVE_CHOICES, QT_TRANSLATE_NOOP("PlayOptionsDialog", "Minimum"),
     QT_TRANSLATE_NOOP("PlayOptionsDialog", "Lower minimum"),
      QT_TRANSLATE_NOOP("PlayOptionsDialog", "Higher minimum")},
    {1009, MAX_REMOVE_CHOICES, QT_TRANSLATE_NOOP("PlayOptionsDialog", "Maximum"),
     QT_TRANSLATE_NOOP("PlayOptionsDialog", "Lower maximum"),
      QT_TRANSLATE_NOOP("PlayOptionsDialog", "Higher maximum")},
};

constexpr int BUTTON_IDS[] = {1, 2, PlayOptionsDialog::DEFAULT_ID, PlayOptionsDialog::WEBSITE_ID};
constexpr int BOTTOM_ROW_IDS[] = {1, PlayOptionsDialog::WEBSITE_ID, 2};

} // namespace

PlayOptionsDialog::PlayOptionsDialog(QWidget* parent)
    : QDialog(parent)
{
    BuildDialog(*this, PLAY_OPTIONS_TEMPLATE, [this](int id) { OnCommand(id); });
    constraintTimer.setInterval(CONSTRAINT_PERIOD_MS);
    connect(&constraintTimer, &QTimer::timeout, this, &PlayOptionsDialog::ConstraintStep);
}

PlayOptionsDialog::~PlayOptionsDialog()
{
    if (initialised && !readBack)
        ReadBack();
}

BitmapButton* PlayOptionsDialog::Button(int id) const
{
    return qobject_cast<BitmapButton*>(FindControl(this, id));
}

void PlayOptionsDialog::showEvent(QShowEvent* event)
{
    if (!initialised) {
        Initialise();
    } else {
        // Shown again after closing: the pickers still hold their values.
        readBack = false;
        constraintTimer.start();
    }
    QDialog::showEvent(event);
}

void PlayOptionsDialog::Initialise()
{
    initialised = true;
    const int32_t fields[] = {settings.colourCount, settings.rowCount, settings.rowWidth, settings.minRemove,
                              settings.maxRemove};
    for (size_t k = 0; k < pickers.size(); ++k) {
        const PickerPlace& place = PICKER_PLACES[k];
        const QRect rect = FindControl(this, place.placeholderId)->geometry();
        const SettingChoices& choices = place.choices;
        pickers[k].Create(rect, this, place.placeholderId, choices.low, choices.high, choices.step);
        pickers[k].SetSpokenNames(tr(place.label), tr(place.decrement), tr(place.increment));
        pickers[k].SetValue(fields[k]);
    }
    for (int id : BUTTON_IDS)
        Button(id)->AutoLoad(id, this);
    SpreadButtonRow(this, BOTTOM_ROW_IDS);
    AlignRightEdge(this, DEFAULT_ID, 2);
    constraintTimer.start();
    Button(1)->setFocus(Qt::OtherFocusReason);
}

void PlayOptionsDialog::ConstraintStep()
{
    const int32_t limit = MostRemovableChoice(RowsPicker().GetValue());
    if (MaximumPicker().GetValue() > limit)
        MaximumPicker().SetValue(limit);
    if (MinimumPicker().GetValue() > MaximumPicker().GetValue())
        MinimumPicker().SetValue(MaximumPicker().GetValue());
}

void PlayOptionsDialog::OnDefault()
{
    const PuzzleSettings defaults;
    ColoursPicker().SetValue(defaults.colourCount);
    RowsPicker().SetValue(defaults.rowCount);
    RowWidthPicker().SetValue(defaults.rowWidth);
    MinimumPicker().SetValue(defaults.minRemove);
    MaximumPicker().SetValue(defaults.maxRemove);
}

void PlayOptionsDialog::OnWebsite()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(WEBSITE_ADDRESS)));
}

void PlayOptionsDialog::OnCommand(int id)
{
    switch (id) {
    case 1:
        accept();
        break;
    case 2:
        reject();
        break;
    case DEFAULT_ID:
        OnDefault();
        break;
    case WEBSITE_ID:
        OnWebsite();
        break;
    default:
        break;
    }
}

void PlayOptionsDialog::ReadBack()
{
    readBack = true;
    constraintTimer.stop();
    ConstraintStep();
    settings.colourCount = ColoursPicker().GetValue();
    settings.rowCount = RowsPicker().GetValue();
    settings.rowWidth = RowWidthPicker().GetValue();
    settings.minRemove = MinimumPicker().GetValue();
    settings.maxRemove = MaximumPicker().GetValue();
}

void PlayOptionsDialog::done(int result)
{
    if (initialised)
        ReadBack();
    QDialog::done(result);
}
