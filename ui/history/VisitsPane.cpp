#include "VisitsPane.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "FlowLayout.h"

namespace terrovane::history {

VisitsPane::VisitsPane(archive::Archive* archive, QWidget* parent) : QWidget(parent), archive_(archive) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    title_ = new QLabel(tr("Visits"), this);
    layout->addWidget(title_);
    QTreeWidget* list = visits_.Build(this);
    layout->addWidget(list, 1);
    auto* buttons = new screenfit::FlowLayout;
    add_ = new QPushButton(tr("New visit..."), this);
    edit_ = new QPushButton(tr("Edit..."), this);
    delete_ = new QPushButton(tr("Delete"), this);
    addResults_ = new QPushButton(tr("Add results"), this);
    addResults_->setToolTip(
        tr("Puts the results selected in the list, and the typed result chosen below it, into the chosen "
           "visit"));
    for (QPushButton* button : {add_, edit_, delete_, addResults_}) {
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    connect(add_, &QPushButton::clicked, this, [this] { edits_.NewVisit(); });
    connect(edit_, &QPushButton::clicked, this, [this] { edits_.EditChosen(); });
    connect(delete_, &QPushButton::clicked, this, [this] { edits_.DeleteChosen(); });
    connect(addResults_, &QPushButton::clicked, this, [this] { edits_.AddSelectedResults(); });
    connect(list, &QTreeWidget::itemDoubleClicked, this, [this] { edits_.EditChosen(); });
    connect(list, &QTreeWidget::currentItemChanged, this, &VisitsPane::UpdateButtons);
    UpdateButtons();
}

void VisitsPane::Show(const TreeChoice& choice) {
    choice_ = choice;
    visits_.Show(archive_, choice);
    title_->setText(visits_.Site() != 0 ? tr("Visits of %1").arg(visits_.SiteName())
                                        : tr("Visits (choose a site)"));
    UpdateButtons();
}

void VisitsPane::UpdateButtons() {
    add_->setEnabled(archive_ != nullptr && visits_.Site() != 0);
    const bool chosen = visits_.Chosen() != 0;
    for (QPushButton* button : {edit_, delete_, addResults_}) {
        button->setEnabled(chosen);
    }
}

}  // namespace terrovane::history
