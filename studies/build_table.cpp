// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/build_table.h"

#include <optional>

#include "studies/engineering_text.h"
#include "studies/printed_text.h"

namespace tessaron {
namespace {

std::string deviationText(std::optional<double> percent, std::string_view decimalSeparator) {
    return percent ? printed(decimalSeparator, "%+.2f %%", *percent) : std::string();
}

// A value that is not from a series, with six significant digits and a prefix.
std::string keptValueText(double value, std::string_view unit, std::string_view decimalSeparator) {
    return engineeringText(StandardValue{0, 0, value}, unit, decimalSeparator);
}

std::string qualityText(double quality, std::string_view decimalSeparator) {
    return printed(decimalSeparator, "%.6g", quality);
}

std::string frequencyText(const std::optional<double>& hertz, std::string_view decimalSeparator) {
    return hertz ? keptValueText(*hertz, "Hz", decimalSeparator) : "not reached";
}

std::string decibelText(const std::optional<double>& db, std::string_view decimalSeparator) {
    return db ? printed(decimalSeparator, "%.3g dB", *db) : "n/a";
}

std::string exactPartText(double value, PartKind kind, std::string_view decimalSeparator) {
    if (checkPartValue(value) != ValueFault::None) {
        return printed(decimalSeparator, "%g ", value) + std::string(unitSymbol(kind));
    }
    return keptValueText(value, unitSymbol(kind), decimalSeparator);
}

// The stage's rows with the real op-amp.
void addOpAmpRows(std::vector<BuildTableRow>& rows, const std::string& unit,
                  const OpAmpStageRow& stage, std::string_view decimalSeparator) {
    const auto figure = [&](const std::optional<BiquadFigures>& f, auto text) {
        return f ? text(*f) : std::string("n/a");
    };
    const auto fn = [&](const BiquadFigures& f) {
        return keptValueText(f.naturalFrequency, "Hz", decimalSeparator);
    };
    const auto q = [&](const BiquadFigures& f) { return qualityText(f.quality, decimalSeparator); };
    rows.push_back({unit, "fn, real op-amp", figure(stage.exact, fn), figure(stage.standard, fn),
                    deviationText(stage.frequencyDeviationPercent, decimalSeparator)});
    rows.push_back({unit, "Q, real op-amp", figure(stage.exact, q), figure(stage.standard, q),
                    deviationText(stage.qualityDeviationPercent, decimalSeparator)});
    rows.push_back({unit, "minimum GBW", minimumGbwText(stage.exactMinimum, decimalSeparator),
                    minimumGbwText(stage.standardMinimum, decimalSeparator), ""});
}

}  // namespace

std::vector<BuildTableRow> buildTableRows(const StandardBuild& build,
                                          std::string_view decimalSeparator,
                                          std::span<const OpAmpStageRow> opAmp,
                                          std::span<const Designator> designators) {
    std::vector<BuildTableRow> rows;
    auto part = build.parts.begin();
    for (const StageRow& stage : build.stages) {
        const std::string unit = "Unit " + std::to_string(stage.stage);
        for (; part != build.parts.end() && part->stage == stage.stage; ++part) {
            const std::string_view symbol = unitSymbol(part->part.kind);
            const auto index = static_cast<std::size_t>(part - build.parts.begin());
            std::string name(part->part.name);
            if (index < designators.size()) {
                name = designators[index].text + " (" + name + ")";
            }
            rows.push_back(
                {unit, std::move(name),
                 exactPartText(part->exact, part->part.kind, decimalSeparator),
                 part->chosen.fault == ValueFault::None
                     ? engineeringText(part->chosen.standard, symbol, decimalSeparator)
                     : "cannot be rounded: " + std::string(faultText(part->chosen.fault)),
                 deviationText(part->deviationPercent, decimalSeparator)});
        }
        const auto figure = [&](auto member, auto text) {
            return std::pair{stage.exact ? text((*stage.exact).*member) : std::string("n/a"),
                             stage.standard ? text((*stage.standard).*member) : std::string("n/a")};
        };
        const auto [exactFn, standardFn] = figure(&BiquadFigures::naturalFrequency, [&](double f) {
            return keptValueText(f, "Hz", decimalSeparator);
        });
        rows.push_back({unit, "fn", exactFn, standardFn,
                        deviationText(stage.frequencyDeviationPercent, decimalSeparator)});
        const auto [exactQ, standardQ] = figure(
            &BiquadFigures::quality, [&](double q) { return qualityText(q, decimalSeparator); });
        rows.push_back({unit, "Q", exactQ, standardQ,
                        deviationText(stage.qualityDeviationPercent, decimalSeparator)});
        for (const OpAmpStageRow& row : opAmp) {
            if (row.stage == stage.stage) {
                addOpAmpRows(rows, unit, row, decimalSeparator);
            }
        }
    }
    return rows;
}

std::string minimumGbwText(const std::optional<MinimumGbw>& minimum,
                           std::string_view decimalSeparator) {
    if (!minimum) {
        return "n/a";
    }
    if (!minimum->hertz) {
        return "more than " + keptValueText(kHighestGbwHz, "Hz", decimalSeparator);
    }
    return engineeringText(*minimum->hertz, "Hz", decimalSeparator);
}

std::string opAmpSummaryText(std::span<const OpAmpStageRow> rows, const OpAmpModel& opAmp,
                             std::string_view decimalSeparator) {
    if (rows.empty()) {
        return {};
    }
    const std::string text = "Op-amp: GBW " + keptValueText(opAmp.gbwHz, "Hz", decimalSeparator) +
                             ", A0 " + printed(decimalSeparator, "%g dB", opAmp.dcGainDb) + ".";
    std::vector<std::optional<MinimumGbw>> minima;
    for (const OpAmpStageRow& row : rows) {
        minima.push_back(row.standardMinimum);
    }
    const std::optional<int> most = mostDemandingStage(minima);
    if (!most) {
        return text;
    }
    const MinimumGbw& needed = *minima[static_cast<std::size_t>(*most)];
    const bool enough = needed.hertz && needed.hertz->value <= opAmp.gbwHz;
    return text + " Most GBW needed: Unit " + std::to_string(*most) + ", " +
           minimumGbwText(needed, decimalSeparator) +
           (enough ? ", within the op-amp's." : ", more than the op-amp's.");
}

std::string bandSummaryText(const BandSummary& summary, bool withTrials,
                            std::string_view decimalSeparator) {
    std::string text = "-3 dB: exact " + frequencyText(summary.exactCutoff, decimalSeparator) +
                       ", standard " + frequencyText(summary.standardCutoff, decimalSeparator);
    if (withTrials) {
        text += ", trials " + frequencyText(summary.lowestTrialCutoff, decimalSeparator) + " to " +
                frequencyText(summary.highestTrialCutoff, decimalSeparator);
    }
    text += ". Largest passband gain deviation: standard " +
            decibelText(summary.standardDeviationDb, decimalSeparator);
    if (withTrials) {
        text += ", worst trial " + decibelText(summary.worstDeviationDb, decimalSeparator);
    }
    return text + ".";
}

std::string tabSeparatedTable(const std::vector<BuildTableRow>& rows, std::string_view summary) {
    std::string text;
    for (std::size_t i = 0; i < kBuildTableHeader.size(); ++i) {
        text += std::string(i == 0 ? "" : "\t") + std::string(kBuildTableHeader[i]);
    }
    text += '\n';
    for (const BuildTableRow& row : rows) {
        text += row.stage + '\t' + row.item + '\t' + row.exact + '\t' + row.standard + '\t' +
                row.deviation + '\n';
    }
    text += std::string(summary) + '\n';
    return text;
}

}  // namespace tessaron
