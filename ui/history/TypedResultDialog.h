#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "NumberBox.h"
#include "Result.h"
#include "TypedResults.h"

namespace terrovane::history {

// A test point the dialog offers, with the name it shows ("Depot / Rod 1").
struct PointOffer {
    std::int64_t id = 0;
    QString name;
};

// "New result..." and "Correct...": a result measured otherwise, typed in. The method decides which values
// are asked for; each is a number in the unit chosen beside it, or over range with that number as its
// bound. A value the method takes besides its main one counts only when ticked. OK stores it through
// `store`; what is refused keeps the dialog open and says what to change.
class TypedResultDialog : public QDialog {
    Q_OBJECT

  public:
    using Store = std::function<archive::Result<std::int64_t>(const archive::TypedResultFields&)>;

    // `start` fills the fields (a correction starts from the version it corrects); without it, the point
    // `point` is chosen and the rest left to type.
    TypedResultDialog(const std::vector<PointOffer>& points, std::int64_t point,
                      const std::optional<archive::TypedResultFields>& start, Store store,
                      QWidget* parent = nullptr);

    // One value's row: whether it is given, its number, unit and over-range mark.
    struct ValueRow {
        std::string name;
        QCheckBox* given = nullptr;
        keyboard::NumberBox* number = nullptr;
        QComboBox* unit = nullptr;
        QCheckBox* overRange = nullptr;
        // A correction's value as stored, and the number and unit it was shown as: kept exactly when the
        // user leaves it, which the box's rounding to its decimals would otherwise change.
        std::optional<archive::TypedValue> start;
        double shownNumber = 0;
        int shownUnit = 0;
    };

    QComboBox& Point() const { return *point_; }
    QComboBox& Method() const { return *method_; }
    // The rows of the method chosen, its main value first.
    std::vector<ValueRow>& Values() { return values_; }
    QDateTimeEdit& Measured() const { return *measured_; }
    QLineEdit& Instrument() const { return *instrument_; }
    QLineEdit& MeasuredBy() const { return *by_; }
    QLineEdit& Note() const { return *note_; }
    QLabel& Problem() const { return *problem_; }
    // The id the stored version got, once OK stored it.
    std::int64_t StoredId() const { return storedId_; }

    void accept() override;

  private:
    void ShowValues(const std::vector<archive::TypedValue>& start);
    archive::TypedResultFields Fields(std::string& problem) const;

    Store store_;
    QComboBox* point_ = nullptr;
    QComboBox* method_ = nullptr;
    QGridLayout* valueGrid_ = nullptr;
    std::vector<ValueRow> values_;
    QDateTimeEdit* measured_ = nullptr;
    QLineEdit* instrument_ = nullptr;
    QLineEdit* by_ = nullptr;
    QLineEdit* note_ = nullptr;
    QLabel* problem_ = nullptr;
    std::int64_t storedId_ = 0;
};

}  // namespace terrovane::history
