// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <cstdint>

#include "studies/standard_build.h"
#include "studies/tolerance_band.h"

class QComboBox;
class QSpinBox;

namespace tessaron {

// What the user picks in the Build window.
struct BuildChoices {
    SeriesChoice series;
    ToleranceChoice tolerances;
    int trials = kDefaultTrials;
    std::uint64_t seed = 1;
};

// The Build window's boxes of series, tolerances, trials and seed, at their
// defaults until changed.
class BuildChoicesPanel : public QWidget {
    Q_OBJECT

  public:
    explicit BuildChoicesPanel(QWidget& parent);

    BuildChoices choices() const;

  Q_SIGNALS:
    // Any box changed.
    void changed();

  private:
    QComboBox* resistorSeries_;
    QComboBox* capacitorSeries_;
    QComboBox* resistorTolerance_;
    QComboBox* capacitorTolerance_;
    QSpinBox* trials_;
    QSpinBox* seed_;
};

}  // namespace tessaron
