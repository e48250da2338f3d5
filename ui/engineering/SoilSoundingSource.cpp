#include "SoilSoundingSource.h"

#include <QCoreApplication>
#include <QHBoxLayout>

#include "ArchiveProblemText.h"
#include "NoteText.h"
#include "TypedSeriesFit.h"

namespace terrovane::engineering {

SoilSoundingSource::SoilSoundingSource(QWidget* window, archive::Archive* archive,
                                       std::optional<SiteChoice> site,
                                       const analysis::GatheredSounding& gathered)
    : archive_(archive), site_(std::move(site)) {
    sounding_ = analysis::SortedBySpacing(gathered.points);
    leftOut_ = gathered.leftOut;
    QStringList notes;
    for (const std::string& note : gathered.leftOut)
        notes << texts::AnalysisNoteText(note);
    for (const std::string& note : gathered.notes)
        notes << texts::AnalysisNoteText(note);
    notes_ = notes.join(QLatin1Char('\n'));
    resultsSounding_ = sounding_;
    resultsNotes_ = notes_;
    resultsLeftOut_ = leftOut_;
    typed_ = new QCheckBox(QCoreApplication::translate("SoilWindow", "Readings typed in"), window);
    typed_->setToolTip(QCoreApplication::translate(
        "SoilWindow", "A sounding measured with another instrument, typed in spacing by spacing"));
}

void SoilSoundingSource::AddPanel(QWidget* window, QHBoxLayout& row) {
    panel_ = new SoilTypedPanel(window);
    panel_->setVisible(false);
    panel_->KeepButton().setEnabled(site_ && archive_ != nullptr);
    row.addWidget(panel_, 1);
}

void SoilSoundingSource::ShowStored(const archive::StoredSoilModel& model) {
    sounding_.clear();
    for (const archive::StoredSoundingPoint& point : model.points)
        sounding_.push_back({point.spacing, point.apparentResistivity});
    sounding_ = analysis::SortedBySpacing(sounding_);
    notes_ = QCoreApplication::translate("SoilWindow", "Stored %1")
                 .arg(QString::fromStdString(model.savedAt.substr(0, 16))
                          .replace(QLatin1Char('T'), QLatin1Char(' ')));
    leftOut_ = model.leftOut;
    for (const std::string& note : leftOut_)
        notes_ += QLatin1Char('\n') + texts::AnalysisNoteText(note);
}

bool SoilSoundingSource::TakeTyped(QString& problem) {
    archive::TypedSounding typed;
    sounding_.clear();
    if (!panel_->Sounding(typed, problem))
        return false;
    sounding_ = stored::SoundingOf(typed);
    if (!stored::SoilFitTakes(typed)) {
        // A Schlumberger reading without its MN/2, not typed yet or kept before MN/2 was asked for: the
        // points are shown as they were read, and no model is drawn through them without their geometry.
        sounding_.clear();
        for (const archive::TypedSoundingPoint& point : typed.points)
            sounding_.push_back({point.spacing, point.reading});
        sounding_ = analysis::SortedBySpacing(sounding_);
        problem = QCoreApplication::translate("SoilWindow",
                                              "The fit models each Schlumberger reading where its electrodes "
                                              "stood: type the MN/2 of every reading.");
        return false;
    }
    if (sounding_.size() < 2) {
        problem = QCoreApplication::translate(
            "SoilWindow", "Type at least two readings: the spacing and what was read there.");
        return false;
    }
    return true;
}

void SoilSoundingSource::Switch(bool typed) {
    if (typed) {
        notes_.clear();
        leftOut_.clear();
    } else {
        sounding_ = resultsSounding_;
        notes_ = resultsNotes_;
        leftOut_ = resultsLeftOut_;
    }
}

void SoilSoundingSource::ListKept(QLabel& status) {
    if (!site_ || archive_ == nullptr)
        return;
    const auto kept = archive::TypedSoundings(*archive_, site_->id);
    if (!kept) {
        status.setText(texts::FailureText(kept.Error()));
        return;
    }
    panel_->List(kept.Value());
}

void SoilSoundingSource::KeepTyped(QLabel& status) {
    if (!site_ || archive_ == nullptr)
        return;
    archive::TypedSounding sounding;
    QString problem;
    if (!panel_->Sounding(sounding, problem)) {
        status.setText(problem);
        return;
    }
    sounding.site = site_->id;
    const archive::Result<std::int64_t> kept = archive::AddTypedSounding(*archive_, sounding);
    if (!kept) {
        status.setText(texts::FailureText(kept.Error()));
        return;
    }
    ListKept(status);
    status.setText(QCoreApplication::translate("SoilWindow", "Typed sounding kept with %1").arg(site_->name));
}

}  // namespace terrovane::engineering
