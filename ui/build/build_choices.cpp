// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/build/build_choices.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <limits>

#include "ui/build/build_controls.h"

namespace tessaron {
BuildChoicesPanel::BuildChoicesPanel(QWidget& parent) : QWidget(&parent) {
    const BuildChoices defaults;
    resistorSeries_ = seriesBox(*this, "ResistorSeries", defaults.series.resistors);
    capacitorSeries_ = seriesBox(*this, "CapacitorSeries", defaults.series.capacitors);
    resistorTolerance_ = toleranceBox(*this, "ResistorTolerance", defaults.tolerances.resistors);
    capacitorTolerance_ = toleranceBox(*this, "CapacitorTolerance", defaults.tolerances.capacitors);
    trials_ = new QSpinBox(this);
    trials_->setObjectName("Trials");
    trials_->setRange(1, 100000);
    trials_->setValue(defaults.trials);
    seed_ = new QSpinBox(this);
    seed_->setObjectName("Seed");
    seed_->setRange(0, std::numeric_limits<int>::max());
    seed_->setValue(static_cast<int>(defaults.seed));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel("Series", this), 0, 1);
    grid->addWidget(new QLabel("Tolerance", this), 0, 2);
    grid->addWidget(new QLabel("Resistors and inductors", this), 1, 0);
    grid->addWidget(resistorSeries_, 1, 1);
    grid->addWidget(resistorTolerance_, 1, 2);
    grid->addWidget(new QLabel("Capacitors", this), 2, 0);
    grid->addWidget(capacitorSeries_, 2, 1);
    grid->addWidget(capacitorTolerance_, 2, 2);
    grid->addWidget(new QLabel("Monte Carlo trials", this), 3, 0);
    grid->addWidget(trials_, 3, 1);
    grid->addWidget(new QLabel("Seed", this), 4, 0);
    grid->addWidget(seed_, 4, 1);
    grid->setColumnStretch(3, 1);

    for (QComboBox* box :
         {resistorSeries_, capacitorSeries_, resistorTolerance_, capacitorTolerance_}) {
        connect(box, &QComboBox::currentIndexChanged, this, &BuildChoicesPanel::changed);
    }
    connect(trials_, &QSpinBox::valueChanged, this, &BuildChoicesPanel::changed);
    connect(seed_, &QSpinBox::valueChanged, this, &BuildChoicesPanel::changed);
}

BuildChoices BuildChoicesPanel::choices() const {
    BuildChoices c;
    c.series.resistors = static_cast<Series>(resistorSeries_->currentData().toInt());
    c.series.capacitors = static_cast<Series>(capacitorSeries_->currentData().toInt());
    c.tolerances.resistors = resistorTolerance_->currentData().toDouble();
    c.tolerances.capacitors = capacitorTolerance_->currentData().toDouble();
    c.trials = trials_->value();
    c.seed = static_cast<std::uint64_t>(seed_->value());
    return c;
}

}  // namespace tessaron
