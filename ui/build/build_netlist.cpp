// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/build/build_netlist.h"

#include "studies/design_file_name.h"
#include "studies/spice_netlist.h"
#include "ui/build/build_controls.h"

namespace tessaron {

std::variant<std::string, QString> buildNetlist(const TabDesign* design, SeriesChoice series,
                                                const ChosenModel& model) {
    if (design == nullptr) {
        return QString("There is no design yet.");
    }
    if (!design->parts) {
        return QString("The last design stopped.");
    }
    if (!model.model) {
        return model.problem;
    }
    const DesignParts& parts = *design->parts;
    const StandardBuild build = chooseStandardValues(parts, series);
    if (!build.complete()) {
        return qText(faultMessage(build.faults.front()));
    }
    auto netlist = spiceNetlist(parts.topology, build.chosenValues, *model.model,
                                chartSweep(parts.frequencies));
    if (const auto* refusal = std::get_if<NetlistRefusal>(&netlist)) {
        return qText(refusal->reason);
    }
    return std::move(std::get<std::string>(netlist));
}

QString netlistFileStem(const TabDesign& design) {
    return QString::fromStdString(designFileStem(designSummary(design)));
}

}  // namespace tessaron
