#pragma once
#include <QList>
#include <QString>

// The state of the category strip above the calendar, address and task views: box 0 (show
// items whose main category is not selected) and one box per category.
struct CategoryBox {
    int id = 0;
    QString name;
    int colour = 0;
    bool checked = true;
};

struct CategoryStripState {
    enum class Kind { None, Calendar, Address };
    Kind kind = Kind::None;
    bool box0 = true;
    QList<CategoryBox> boxes;

    // The stored selection: "T," or "F," for box 0, then every category whose id is a whole
    // item of the text is unchecked; all others are checked.
    void applySelection(const QString &text);
    // The form stored in the user settings: "T," / "F," and the id of every unchecked box, each
    // followed by ",".
    QString selectionText() const;
    // The ids of the checked boxes joined with ","; "0" when none is checked.
    QString filter() const;

    enum class Bulk { CheckAll, UncheckAll, Invert };
    // Boxes 1..n only; box 0 keeps its state.
    void applyBulk(Bulk change);
};

// At most this many category boxes are made.
constexpr int kMaxCategoryBoxes = 1000;

// The statements that fill the strip for a kind.
QString CategoryQuery(CategoryStripState::Kind kind);
