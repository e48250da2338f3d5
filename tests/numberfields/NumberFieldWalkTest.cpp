// Every window that takes a number, walked widget by widget: each numeric field is typed into under a
// locale with a decimal comma (German) and one with a decimal point (C), so that a field added later is
// covered without a test of its own. A number in the locale's notation is taken; a comma where it is no
// decimal separator, a point that may group a thousand, and letters are refused with the field's name,
// and the field keeps its value: nothing ever changes magnitude.
#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QDir>
#include <QRegularExpression>
#include <QTest>

#include <cmath>
#include <memory>

#include "AllWindows.h"
#include "ArchiveFixtures.h"
#include "GridWindow.h"
#include "NumberBox.h"
#include "PropertiesDialog.h"
#include "Sites.h"
#include "TypedNumber.h"

namespace terrovane::keyboard {
namespace {

// Replaces the field's text as a person would, then ends the editing as leaving the field does.
void Type(QAbstractSpinBox& box, const QString& text) {
    // Fields that only apply to another choice (the cut-out of an L-shaped grid) are typed into all the same.
    for (QWidget* up = &box; up != nullptr; up = up->parentWidget())
        up->setEnabled(true);
    box.setFocus();
    box.selectAll();
    QTest::keyClick(&box, Qt::Key_Delete);
    QTest::keyClicks(&box, text);
    box.interpretText();
}

QString NoGrouping(const QLocale& locale, double value, int decimals) {
    return ShownNumber(value, decimals, locale);
}

class NumberFieldWalk : public archive::testing::ArchiveTest, public ::testing::WithParamInterface<QLocale> {
  protected:
    void SetUp() override {
        previous_ = QLocale();
        QLocale::setDefault(GetParam());
        archive_ = OpenArchive();
        archive::SiteFields site;
        site.name = "Substation North";
        ASSERT_TRUE(archive::AddSite(*archive_, site, siteId_, error_)) << error_;
    }
    void TearDown() override { QLocale::setDefault(previous_); }

    std::unique_ptr<archive::Archive> archive_;
    std::int64_t siteId_ = 0;
    std::string error_;
    QLocale previous_;
};

bool InsideCalendar(const QWidget& widget) {
    for (const QWidget* up = widget.parentWidget(); up != nullptr; up = up->parentWidget())
        if (qobject_cast<const QCalendarWidget*>(up) != nullptr)
            return true;
    return false;
}

// A value inside the field's range with a fraction where the field takes one.
double TypicalValue(const QDoubleSpinBox& box) {
    const double step = std::pow(10.0, -box.decimals());
    const double value = box.minimum() + std::min(1.5, (box.maximum() - box.minimum()) / 2);
    return std::round(value / step) * step;
}

void ExpectRefused(QAbstractSpinBox& box, const QString& typed, const QString& refusal, double before,
                   double after) {
    const QString name = FieldName(box);
    EXPECT_EQ(after, before) << name.toStdString() << ": \"" << typed.toStdString() << "\" changed the value";
    EXPECT_TRUE(refusal.startsWith(name + QLatin1Char(':'))) << refusal.toStdString();
    EXPECT_NE(name, QStringLiteral("This field")) << "a numeric field without a label or name";
}

void WalkDecimal(NumberBox& box, const QLocale& locale) {
    SCOPED_TRACE(FieldName(box).toStdString());
    const double typical = TypicalValue(box);
    Type(box, NoGrouping(locale, typical, box.decimals()));
    EXPECT_NEAR(box.value(), typical, 1e-9);
    EXPECT_TRUE(box.Refusal().isEmpty()) << box.Refusal().toStdString();

    const double before = box.value();
    std::vector<QString> refused = {QStringLiteral("12x"), QStringLiteral("1,2,3")};
    if (locale.decimalPoint() != QLatin1String(","))
        refused.push_back(QStringLiteral("1,5"));  // a group separator here: 15 is never meant
    if (locale.groupSeparator() == QLatin1String(".") && box.maximum() >= 1000)
        refused.push_back(QStringLiteral("1.000"));  // a thousand, or one: ask
    for (const QString& text : refused) {
        Type(box, text);
        ExpectRefused(box, text, box.Refusal(), before, box.value());
    }
    Type(box, NoGrouping(locale, typical, box.decimals()));  // typed right again: the refusal is over
    EXPECT_TRUE(box.Refusal().isEmpty()) << box.Refusal().toStdString();
}

void WalkWhole(WholeNumberBox& box) {
    SCOPED_TRACE(FieldName(box).toStdString());
    const int typical = std::min(box.maximum(), box.minimum() + 3);
    Type(box, QString::number(typical));
    EXPECT_EQ(box.value(), typical);
    const int before = box.value();
    for (const QString& text : {QStringLiteral("2,5"), QStringLiteral("2.5"), QStringLiteral("zwei")}) {
        Type(box, text);
        ExpectRefused(box, text, box.Refusal(), before, box.value());
    }
}

// Every window and dialog of both programs, from the one list the screenshots and the screen walk use.
TEST_P(NumberFieldWalk, EveryNumericFieldTakesTheLocalesNumbersAndRefusesTheRestByName) {
    int fields = 0;
    const QString samples = QString::fromStdString(Path("samples"));
    ASSERT_TRUE(QDir().mkpath(samples));
    for (const screenfit::WindowSample& sample : app::samples::AllWindows(samples)) {
        SCOPED_TRACE(sample.name.toStdString());
        const std::shared_ptr<QWidget> window = sample.open();
        window->show();
        for (QAbstractSpinBox* box : window->findChildren<QAbstractSpinBox*>()) {
            if (qobject_cast<QDateTimeEdit*>(box) != nullptr || InsideCalendar(*box))
                continue;  // dates and times have pickers of their own, the calendar's year editor too
            if (auto* decimal = qobject_cast<NumberBox*>(box)) {
                WalkDecimal(*decimal, GetParam());
            } else if (auto* whole = qobject_cast<WholeNumberBox*>(box)) {
                WalkWhole(*whole);
            } else {
                ADD_FAILURE() << "a spin box that does not read numbers the one way: "
                              << box->metaObject()->className();
            }
            ++fields;
        }
        window->close();
    }
    EXPECT_GE(fields, 20);  // grid safety alone has twenty
}

// The fault the walk is for: in the grid window, "65,5" under German is 65.5 m, never 655 m, and under
// the C locale it is refused rather than read as 655.
TEST_P(NumberFieldWalk, ACommaNeverMultipliesTheGridsLength) {
    engineering::GridWindow window(archive_.get(), engineering::SiteChoice{siteId_, QStringLiteral("North")},
                                   std::nullopt);
    window.show();
    window.Fields().Conductors().Length().setValue(70);
    Type(window.Fields().Conductors().Length(), QStringLiteral("65,5"));
    auto& length = static_cast<NumberBox&>(window.Fields().Conductors().Length());
    if (GetParam().decimalPoint() == QLatin1String(",")) {
        EXPECT_EQ(window.Fields().Conductors().Length().value(), 65.5);
        EXPECT_EQ(window.Fields().Conductors().Length().text(), QStringLiteral("65,50 m"));
    } else {
        EXPECT_EQ(window.Fields().Conductors().Length().value(), 70.0);
        EXPECT_TRUE(length.Refusal().startsWith(QStringLiteral("Length: \"65,5\"")))
            << length.Refusal().toStdString();
    }
}

// The custom limit is a line of its own beside its source: "3,8" is 3.8 ohms under German, and under the
// C locale it is refused by the field's name rather than read as 38.
TEST_P(NumberFieldWalk, TheCustomLimitTakesTheLocalesSeparator) {
    history::SitePropertiesDialog dialog{archive::SiteFields{}};
    history::LimitEdit& limit = dialog.Limit();
    limit.Choice().setCurrentIndex(limit.Choice().count() - 1);
    limit.Ohms().setText(QStringLiteral("3,8"));
    std::optional<archive::Limit> value;
    QString problem;
    if (GetParam().decimalPoint() == QLatin1String(",")) {
        ASSERT_TRUE(limit.Value(value, problem)) << problem.toStdString();
        EXPECT_EQ(value->ohms, 3.8);
        limit.Ohms().setText(QStringLiteral("1.000"));
        EXPECT_FALSE(limit.Value(value, problem));
        EXPECT_TRUE(problem.startsWith(QStringLiteral("Custom limit: \"1.000\""))) << problem.toStdString();
        // A stored limit is offered again as it is typed here.
        archive::SiteFields stored;
        stored.limit = archive::Limit{3.8, "client"};
        history::SitePropertiesDialog again{stored};
        EXPECT_EQ(again.Limit().Ohms().text(), QStringLiteral("3,8"));
    } else {
        EXPECT_FALSE(limit.Value(value, problem));
        EXPECT_TRUE(problem.startsWith(QStringLiteral("Custom limit:"))) << problem.toStdString();
    }
}

// What the grid window computes is shown in the locale's notation throughout, never a mix.
TEST_P(NumberFieldWalk, TheGridWindowShowsItsNumbersInTheLocalesNotation) {
    engineering::GridWindow window(archive_.get(), engineering::SiteChoice{siteId_, QStringLiteral("North")},
                                   std::nullopt);
    window.show();
    window.Fields().Conductors().Length().setValue(70);
    QStringList shown{window.Fields().Conductors().Length().text(), window.Soil().SoilNote().text(),
                      window.Outcome().Verdict().text()};
    for (int row = 0; row < window.Outcome().Results().rowCount(); ++row)
        for (int column = 0; column < window.Outcome().Results().columnCount(); ++column)
            if (const QTableWidgetItem* item = window.Outcome().Results().item(row, column))
                shown << item->text();
    const bool comma = GetParam().decimalPoint() == QLatin1String(",");
    const QRegularExpression foreign(comma ? QStringLiteral("[0-9]\\.[0-9]") : QStringLiteral("[0-9],[0-9]"));
    const QRegularExpression own(comma ? QStringLiteral("[0-9],[0-9]") : QStringLiteral("[0-9]\\.[0-9]"));
    for (const QString& text : shown)
        EXPECT_FALSE(foreign.match(text).hasMatch()) << text.toStdString();
    EXPECT_TRUE(own.match(shown.join(QLatin1Char('\n'))).hasMatch());
    EXPECT_EQ(window.Fields().Conductors().Length().text(),
              comma ? QStringLiteral("70,00 m") : QStringLiteral("70.00 m"));
}

INSTANTIATE_TEST_SUITE_P(Locales, NumberFieldWalk,
                         ::testing::Values(QLocale(QLocale::German, QLocale::Germany), QLocale::c()),
                         [](const ::testing::TestParamInfo<QLocale>& info) {
                             return info.param.language() == QLocale::German ? std::string("German")
                                                                             : std::string("C");
                         });

}  // namespace
}  // namespace terrovane::keyboard
