// The standard thread dialog: a designation in, its after-plate limits shown
// as they are typed, a coating with its growth and fit, and Fill to carry
// them into the calculator. It owns its controls; the calculator's handlers drive them.
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orvanta {

// The coating choice that leaves the thickness to the two fields.
inline constexpr const char* kTypedByHand = "thickness typed by hand";

class FrmThread : public QDialog {
    Q_OBJECT
public:
    // `coatings`: the catalogue's names, offered after "thickness typed by hand".
    explicit FrmThread(QWidget* parent, const QStringList& completions, const QStringList& coatings = {});

    QLineEdit* const txtdesignation;
    QLabel* const lblresolved; // the designation in its normal form
    QRadioButton* const optclasslimits;
    QRadioButton* const optallowance;

    // After-plate limits, in the calculator's column order.
    QLabel* const lblextmax;
    QLabel* const lblextmin;
    QLabel* const lblintmin;
    QLabel* const lblintmax;
    // The crest and root diameters after plating, in the same columns;
    // "not set" where the standard sets no limit.
    QLabel* const lblextmajormax;
    QLabel* const lblextmajormin;
    QLabel* const lblintmajormin;
    QLabel* const lblintmajormax;
    QLabel* const lblextminormax;
    QLabel* const lblextminormin;
    QLabel* const lblintminormin;
    QLabel* const lblintminormax;

    QLabel* const lblbasic;
    QLabel* const lblextallowance;
    QLabel* const lblintallowance;
    QLabel* const lblexttolerance;
    QLabel* const lblinttolerance;

    // The coating: a catalogue entry (typed to search) or the thickness typed
    // by hand; its thickness given or narrowed in the designation's unit; its
    // growth, and whether each side's class takes it.
    QComboBox* const cbocoating;
    QLineEdit* const txtcoatingmin;
    QLineEdit* const txtcoatingmax;
    QLabel* const lblgrowth;
    QLabel* const lblextfit;
    QLabel* const lblintfit;

    QLabel* const lblmessage; // what is wrong with the designation
    QLabel* const lblnotes;   // what was assumed in reading it
    QPushButton* const cmdfill;
    QPushButton* const cmdclose;

private:
    void layOut();
    void describeControls();
};

} // namespace orvanta
