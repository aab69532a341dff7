// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/requirements/requirements_window.h"

#include <qcustomplot.h>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "ui/requirements/candidate_chart.h"
#include "ui/requirements/candidate_rows.h"
#include "ui/requirements/fc_field_text.h"
#include "ui/tab_feed/tab_feed.h"

namespace tessaron {
namespace {

constexpr int kChartWidth = 520;
constexpr int kChartHeight = 300;
constexpr int kFieldWidth = 110;

// A field as the window shows it: its name, what it takes, what it starts
// with, the name tests and tools find it by.
struct FieldLook {
    const char* label;
    const char* placeholder;
    const char* initial;
    const char* name;
    std::string RequirementTexts::*text;
};

// In the order of kRequirementFields. The first four start with a filter
// one might ask for, so the window opens on a table rather than on blanks.
constexpr std::array<FieldLook, kRequirementFields.size()> kFieldLooks{{
    {"Pass-band edge fp", "1k, 2.2 kHz", "1k", "PassEdge", &RequirementTexts::passEdge},
    {"Maximum loss Ap", "dB", "1", "PassLoss", &RequirementTexts::passLoss},
    {"Stop-band edge fs", "10k, 4.4 kHz", "4k", "StopEdge", &RequirementTexts::stopEdge},
    {"Minimum attenuation As", "dB", "40", "StopAttenuation", &RequirementTexts::stopAttenuation},
    {"Maximum overshoot", "%, optional", "", "Overshoot", &RequirementTexts::overshoot},
    {"Maximum delay variation", "%, optional", "", "DelayVariation",
     &RequirementTexts::delayVariation},
}};

std::size_t indexOf(RequirementField field) {
    return static_cast<std::size_t>(field);
}

QLabel* problemLabel(QWidget& parent, const FieldLook& look) {
    auto* label = new QLabel(&parent);
    label->setObjectName(QString::fromLatin1(look.name) + "Problem");
    label->setWordWrap(true);
    label->setMinimumWidth(240);
    label->setStyleSheet(QStringLiteral("color: rgb(180, 20, 20);"));
    return label;
}

}  // namespace

RequirementsWindow::RequirementsWindow(const CoefficientTables& tables, const TabFeed& feed,
                                       const QString& tabCaption, UseCandidate use, QWidget* parent)
    : QWidget(parent, Qt::Window), tables_(tables), feed_(feed), use_(std::move(use)) {
    setWindowTitle(QStringLiteral("Tessaron — Requirements, ") + tabCaption);
    setObjectName(QStringLiteral("Requirements"));

    auto* fields = new QGridLayout;
    for (const RequirementField f : kRequirementFields) {
        const FieldLook& look = kFieldLooks[indexOf(f)];
        auto* edit = new QLineEdit(QString::fromLatin1(look.initial), this);
        edit->setObjectName(QString::fromLatin1(look.name));
        edit->setPlaceholderText(QString::fromLatin1(look.placeholder));
        edit->setFixedWidth(kFieldWidth);
        fields_[indexOf(f)] = edit;
        problems_[indexOf(f)] = problemLabel(*this, look);
        const int row = static_cast<int>(indexOf(f));
        fields->addWidget(new QLabel(QString::fromLatin1(look.label), this), row, 0);
        fields->addWidget(edit, row, 1);
        fields->addWidget(problems_[indexOf(f)], row, 2);
        connect(edit, &QLineEdit::textChanged, this, &RequirementsWindow::recompute);
    }
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("RequirementsMessage"));
    message_->setWordWrap(true);
    auto* intro = new QLabel(
        QStringLiteral("Each family and order at the fc that best meets both bands, recomputed "
                       "as you type. \"Use\" sets the row's family, order and fc on the tab "
                       "and presses its \"Calc\"."),
        this);
    intro->setWordWrap(true);
    auto* left = new QVBoxLayout;
    left->addWidget(intro);
    left->addLayout(fields);
    left->addWidget(message_);
    left->addStretch(1);

    chart_ = new QCustomPlot(this);
    chart_->setObjectName(QStringLiteral("RequirementsChart"));
    chart_->setMinimumSize(kChartWidth, kChartHeight);
    setUpCandidateChart(*chart_);
    auto* key = new QLabel(
        QStringLiteral("Dotted 2nd, dashed 4th, solid 8th order; grey where the gain may not go."),
        this);
    auto* right = new QVBoxLayout;
    right->addWidget(chart_, 1);
    right->addWidget(key);

    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("Candidates"));
    setUpCandidateTable(*table_);
    // All nine rows in view: the table is read from top to bottom, a family
    // at a time.
    table_->setMinimumHeight(table_->horizontalHeader()->sizeHint().height() +
                             static_cast<int>(kCandidateFamilies.size() * kCandidateOrders.size()) *
                                 table_->verticalHeader()->defaultSectionSize() +
                             2 * table_->frameWidth());

    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(table_, 1);

    recompute();
}

QLineEdit& RequirementsWindow::field(RequirementField f) const {
    return *fields_[indexOf(f)];
}

QString RequirementsWindow::problem(RequirementField f) const {
    return problems_[indexOf(f)]->text();
}

QString RequirementsWindow::message() const {
    return message_->text();
}

QPushButton* RequirementsWindow::useButton(int row) const {
    return tessaron::useButton(*table_, row);
}

void RequirementsWindow::recompute() {
    RequirementTexts texts;
    for (const RequirementField f : kRequirementFields) {
        texts.*kFieldLooks[indexOf(f)].text = field(f).text().toStdString();
    }
    QString failure;
    try {
        study_ = studyRequirements(tables_, texts, feed_.decimalSeparator());
    } catch (const std::exception& error) {
        // Said in the window: a box on every keystroke would stop the typing.
        study_ = RequirementsStudy{};
        failure = QStringLiteral("Cannot weigh the families: ") + QString::fromUtf8(error.what());
    }
    showStudy();
    if (!study_.problems.empty()) {
        failure = QStringLiteral("No design is weighed until every field marked in red reads.");
    }
    message_->setText(failure);
}

void RequirementsWindow::showStudy() {
    for (QLabel* label : problems_) {
        label->clear();
    }
    for (const FieldProblem& p : study_.problems) {
        problems_[indexOf(p.field)]->setText(QString::fromStdString(p.reason));
    }
    showCandidates(*table_, study_.candidates, feed_.decimalSeparator(),
                   [this](std::size_t row) { use(row); });
    // Every column whole, the buttons included; widened only, so that the
    // window does not jump at every keystroke.
    const int width = table_->horizontalHeader()->length() + 2 * table_->frameWidth() +
                      table_->verticalScrollBar()->sizeHint().width();
    table_->setMinimumWidth(std::max(table_->minimumWidth(), width));
    showCandidateChart(*chart_, study_.chart);
}

void RequirementsWindow::use(std::size_t row) const {
    // A copy: the tab's "Calc" may run an event loop (its boxes) underneath.
    const Candidate c = study_.candidates.at(row);
    use_(c.family, c.order, fcFieldText(c.fc, feed_.decimalSeparator()));
}

void RequirementsWindow::showEvent(QShowEvent* event) {
    recompute();
    QWidget::showEvent(event);
}

}  // namespace tessaron
