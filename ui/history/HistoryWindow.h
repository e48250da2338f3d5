#pragma once

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QUndoStack>
#include <QWidget>

#include <functional>
#include <optional>
#include <set>

#include "Archive.h"
#include "ArchiveUndo.h"
#include "AssignDialog.h"
#include "AttachmentStrip.h"
#include "CopySiteDialog.h"
#include "DeletionSnapshot.h"
#include "FirmDialog.h"
#include "HistoryModel.h"
#include "IssuedReports.h"
#include "IssuedReportsDialog.h"
#include "LabelDialog.h"
#include "SiteReport.h"
#include "SiteReportDialog.h"
#include "SiteTree.h"
#include "TypedResults.h"
#include "TypedResultsPane.h"
#include "VisitsPane.h"

class QMenuBar;
class QPrintPreviewDialog;
class QSplitter;

namespace terrovane::history {

class ArchiveWatch;

// The archive window: the sites and their test points beside the archive's results, newest first, with
// each result's verdict; filters by measuring date, mode and label, the assignment of results to test
// points, label and note editing for a result or its read-out, "Open read-out", export of the chosen
// results, a trend of one label or point, and the setting that keeps new read-outs out of the archive.
class HistoryWindow : public QWidget {
    Q_OBJECT

  public:
    // The archive may be absent; `problem` then says why, in the window.
    HistoryWindow(archive::Archive* archive, const QString& problem, QWidget* parent = nullptr);

    HistoryModel& Model() const { return *model_; }
    QTableView& View() const { return *view_; }
    QCheckBox& SinceEnabled() const { return *sinceOn_; }
    QDateEdit& Since() const { return *since_; }
    QCheckBox& UntilEnabled() const { return *untilOn_; }
    QDateEdit& Until() const { return *until_; }
    QComboBox& ModeChoice() const { return *mode_; }
    QLineEdit& LabelFilter() const { return *label_; }
    // The search field above the tree and the list; both narrow a moment after the typing stops.
    QLineEdit& SearchField() const { return *search_; }
    // The words searched for now, once the pause after typing is over.
    void SearchNow();
    // How long the latest search took in this thread (the tree and the list's first page), for the
    // benchmark.
    double LatestSearchMilliseconds() const { return latestSearchMs_; }
    // Rename, delete, assign, properties and typed-result corrections made in this window, undone with
    // Ctrl+Z and redone with Ctrl+Shift+Z while it is open.
    QUndoStack& UndoStack() const { return *undo_; }
    QCheckBox& KeepReadOuts() const { return *keep_; }
    QLabel& Status() const { return *status_; }
    SiteTree& Tree() const { return *tree_; }
    TypedResultsPane& Typed() const { return *typed_; }
    AttachmentStrip& Attachments() const { return *attachments_; }
    VisitsPane& Visits() const { return *visits_; }

    // Asks for an export file ("" when cancelled); tests answer it themselves.
    std::function<QString()> exportFileChooser;
    // Asks where the chosen results go; nothing on Cancel. Tests answer it themselves.
    std::function<std::optional<AssignChoice>(int results)> assignChooser;
    // Called once the assignment dialog is up (tests work it as a user would).
    std::function<void(AssignDialog&)> assignDialogShown;
    // Asks for the site block's tester and instrument serial and where the report goes, offering the last
    // ones; nothing on Cancel. Tests answer it themselves.
    std::function<std::optional<SiteReportRequest>(const QString& site, const SiteReportRequest& last)>
        reportAsker;
    // Asks for the site report's file ("" when cancelled); tests answer it themselves.
    std::function<QString()> reportFileChooser;
    // Called once the site report's print preview is up (tests look at it and close it).
    std::function<void(QPrintPreviewDialog&)> previewShown;
    // Asks for a new name; nothing on Cancel. Tests answer it themselves.
    std::function<std::optional<QString>(const QString& title, const QString& current)> nameAsker;
    // Asks for a label and note; nothing on Cancel. Tests answer it themselves.
    std::function<std::optional<LabelEdit>(const QString& title, const LabelEdit& current)> labelEditor;

    // The actions of the buttons, on the selected rows.
    void LabelSelectedResults();
    void LabelSelectedReadOut();
    void OpenSelectedReadOut();
    void ExportSelected();
    QWidget* ShowTrend();
    // Loads every result under the filter and selects them all.
    void SelectAll();
    void AssignSelected();
    // The site or point chosen in the tree: a new name, or deleted (its results stay, unassigned).
    void RenameChosen();
    void DeleteChosen();
    // The Properties dialog of the site or point chosen in the tree.
    void EditChosenProperties();
    // Called once a Properties dialog is up (tests work it as a user would).
    std::function<void(QDialog&)> propertiesShown;
    // A new site, a new site with the test points of another (same kind of installation), or a new test
    // point of the chosen site (or of the chosen point's site), each in the Properties dialog; the new one
    // is chosen in the tree.
    void NewSite();
    void NewSiteAsCopy();
    void NewPoint();
    // Called once the copy's first step is up (tests work it as a user would).
    std::function<void(CopySiteDialog&)> copySiteShown;
    // Archive > Export sites...: the sites with a position as GeoJSON or KML, for any map program.
    void ExportSites();
    // Asks for the sites' file ("" when cancelled); tests answer it themselves.
    std::function<QString()> sitesFileChooser;
    // The due list in a window of its own, following the archive as the window does.
    QWidget* ShowDueList();
    // The report of the site chosen in the tree (or of the chosen point's site) over the measuring dates
    // the filter sets, in the print preview or as a PDF.
    void ReportChosenSite();
    // The soil model of the chosen resistivity results (or of the chosen site's), and the fall-of-potential
    // curve of the chosen 3-pole results, each in a window of its own.
    QWidget* ShowSoilModel();
    // "Grid safety..." of the site chosen in the tree (or the site of the point chosen).
    QWidget* ShowGridSafety();
    QWidget* ShowFallOfPotential();
    // The soil models and curves kept in the archive, to open again or delete.
    QWidget* ShowStoredAnalyses();
    // Reads the tree and the list again, keeping the chosen entry, the selected results and where both
    // were scrolled to: after a change made here, elsewhere in the program, or (through the watch on the
    // archive file) by another program.
    void Refresh();
    // Settings > Firm...: the firm that issues the reports.
    void EditFirm();
    // Called once the firm's dialog is up (tests work it as a user would).
    std::function<void(FirmDialog&)> firmShown;
    // The reports issued for the site chosen in the tree (or the chosen point's site), in a window of its
    // own; null when no site is chosen.
    IssuedReportsDialog* ShowIssuedReports();
    // A report number from the team's server; unset, or unreachable, outside a team (this PC then numbers
    // its reports).
    std::function<archive::ServerReportNumber(const std::string& prefix, int year)> serverReportNumber;
    // Whether the archive syncs with a team's server (the firm's dialog then says who may change it).
    std::function<bool()> inTeam;
    // Puts a line of another part of the program (the team's sync state) at the window's foot.
    void AddFooter(QWidget* footer);

  protected:
    // Ctrl+A in the list selects every result under the filter, not only the page loaded so far.
    bool eventFilter(QObject* watched, QEvent* event) override;

  signals:
    // The user asked to load this read-out's image into the main window.
    void OpenReadOut(qint64 readoutId);
    // The window read the archive again.
    void Refreshed();

  private:
    // The results typed by hand at the points, newest first point by point; false after saying why.
    bool TypedResultsAt(const std::set<std::int64_t>& points,
                        std::vector<archive::TypedResultVersion>& typed);
    void RestorePanes(QSplitter& splitter);
    void BuildFilters(QBoxLayout* layout);
    QBoxLayout* BuildSearch();
    void BuildUndo(QMenuBar* bar);
    // Puts a change just made on the undo stack, with the steps that undo and redo it.
    void Remember(const QString& text, ArchiveCommand::Step undo, ArchiveCommand::Step redo);
    // The results' points now (unset: unassigned), for an assignment's undo.
    ResultPoints PointsOf(const std::vector<std::int64_t>& ids);
    void RememberSite(const QString& text, std::int64_t id, const archive::SiteFields& before,
                      const archive::SiteFields& after);
    void RememberPoint(const QString& text, std::int64_t id, const archive::PointFields& before,
                       const archive::PointFields& after);
    void RememberReportPhoto(std::int64_t attachment, bool inReport);
    void RememberCorrection(std::int64_t made, const archive::TypedResultFields& before,
                            const archive::TypedResultFields& after);
    // A site or point just deleted, with what its deletion removed.
    void RememberDeletion(const QString& text, archive::DeletionSnapshot snapshot);
    // Remembers the deletion made, or gives why it failed.
    bool DeleteRemembered(const QString& text, archive::Result<archive::DeletionSnapshot> deleted,
                          std::string& error);
    void BuildButtons(QBoxLayout* layout);
    void ApplyFilter();
    void BuildTreeMenu();
    QMenuBar* BuildMenuBar();
    // The tree with the buttons that make sites and points under it.
    QWidget* BuildTreePane(QWidget* parent);
    // Refreshes and chooses the new entry.
    void ChooseNew(const TreeChoice& choice);
    void ShowCount();
    // The strip follows what was chosen last: a site or point in the tree, one result in either list.
    void FollowWithAttachments();
    std::vector<int> SelectedRows() const;
    std::vector<archive::ResultRow> SelectedResults() const;
    bool RunProperties(QDialog& dialog);
    bool AssignResults(const std::vector<std::int64_t>& ids, const AssignChoice& choice, std::string& error);
    bool AssignInOneUnit(const std::vector<std::int64_t>& ids, const AssignChoice& choice,
                         std::string& error);
    std::optional<LabelEdit> AskLabel(const QString& title, const LabelEdit& current);
    QString AskExportFile();
    // A file to save into, chosen in Qt's own dialog; a bare name gets the chosen type's extension.
    QString AskSaveFile(const QString& title, const QString& filters);
    std::optional<QString> AskName(const QString& title, const QString& current);
    std::optional<SiteReportRequest> AskReport(const QString& site, const QStringList& issued);
    void SaveSiteReport(const sitereport::SiteReport& report);
    // Numbers, dates and saves the report, and keeps it in the archive as it was issued.
    void IssueSiteReport(sitereport::SiteReport& report, const QString& revise);
    // The site chosen in the tree, or the chosen point's; none after a message.
    std::optional<archive::SiteRow> ChosenSite(const QString& failure);
    void SaveCertificates(const sitereport::SiteReport& report);

    archive::Archive* archive_;
    HistoryModel* model_ = nullptr;
    QTableView* view_ = nullptr;
    QCheckBox* sinceOn_ = nullptr;
    QDateEdit* since_ = nullptr;
    QCheckBox* untilOn_ = nullptr;
    QDateEdit* until_ = nullptr;
    QComboBox* mode_ = nullptr;
    QLineEdit* label_ = nullptr;
    QLineEdit* search_ = nullptr;
    QTimer* searchPause_ = nullptr;
    QUndoStack* undo_ = nullptr;
    double latestSearchMs_ = 0;
    QCheckBox* keep_ = nullptr;
    QLabel* status_ = nullptr;
    SiteTree* tree_ = nullptr;
    TypedResultsPane* typed_ = nullptr;
    VisitsPane* visits_ = nullptr;
    AttachmentStrip* attachments_ = nullptr;
    ArchiveWatch* watch_ = nullptr;
    QString problem_;
};

}  // namespace terrovane::history
