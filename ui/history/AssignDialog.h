#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>

#include <functional>
#include <optional>

#include "Archive.h"

namespace terrovane::history {

// Where the chosen results go: one test point, or the site's points in order from that one on.
struct AssignChoice {
    std::int64_t site = 0;
    std::int64_t point = 0;
    bool inOrder = false;
};

// The assignment step: a site, one of its test points (either may be made on the spot) and whether the
// results go one per point in the order of measuring.
class AssignDialog : public QDialog {
    Q_OBJECT

  public:
    AssignDialog(archive::Archive& archive, int results, QWidget* parent = nullptr);

    std::optional<AssignChoice> Choice() const;
    QComboBox& SiteChoice() const { return *site_; }
    QComboBox& PointChoice() const { return *point_; }
    QCheckBox& InOrder() const { return *inOrder_; }

    // Asks for a name (nothing on Cancel); tests answer it themselves.
    std::function<std::optional<QString>(const QString& title)> nameAsker;
    // Makes a site or point of the given name and chooses it; false after a message.
    bool NewSite(const QString& name);
    bool NewPoint(const QString& name);

  private:
    void FillSites(std::int64_t chosen);
    void FillPoints(std::int64_t chosen);
    std::optional<QString> AskName(const QString& title);

    archive::Archive& archive_;
    QComboBox* site_ = nullptr;
    QComboBox* point_ = nullptr;
    QCheckBox* inOrder_ = nullptr;
};

}  // namespace terrovane::history
