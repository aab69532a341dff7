// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/scene_svg.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

#include "studies/designators.h"
#include "studies/schematic_layout.h"

namespace tessaron {
namespace {

// Well-formed XML of the kind the writer produces: a declaration, then
// elements with double-quoted attributes and text, every '&' an entity, the
// tags nested, one root. Returns what is wrong, or nothing.
std::string xmlFault(const std::string& xml) {
    const std::regex entity("&(amp|lt|gt|quot|apos|#[0-9]+);");
    const auto textFault = [&](const std::string& text) {
        const std::string rest = std::regex_replace(text, entity, "");
        return rest.find_first_of("<&") == std::string::npos ? "" : "bad text: " + text;
    };
    const std::regex tag(R"(<(/?)([A-Za-z][\w:-]*)((?:\s+[\w:-]+="[^"<]*")*)\s*(/?)>)");
    std::size_t at = xml.find("?>");
    if (xml.rfind("<?xml ", 0) != 0 || at == std::string::npos) {
        return "no declaration";
    }
    at += 2;
    std::vector<std::string> open;
    int roots = 0;
    std::smatch m;
    while (at < xml.size()) {
        const std::size_t next = xml.find('<', at);
        if (const std::string f = textFault(xml.substr(at, next - at)); !f.empty()) {
            return f;
        }
        if (next == std::string::npos) {
            break;
        }
        const std::string rest = xml.substr(next);
        if (!std::regex_search(rest, m, tag, std::regex_constants::match_continuous)) {
            return "bad tag at " + std::to_string(next);
        }
        if (const std::string f = textFault(m[3].str()); !f.empty()) {
            return f;
        }
        if (m[1].length() > 0) {
            if (open.empty() || open.back() != m[2].str()) {
                return "unbalanced </" + m[2].str() + ">";
            }
            open.pop_back();
        } else {
            roots += open.empty() ? 1 : 0;
            if (m[4].length() == 0) {
                open.push_back(m[2].str());
            }
        }
        at = next + static_cast<std::size_t>(m.length(0));
    }
    return !open.empty() ? "unclosed <" + open.back() + ">" : roots != 1 ? "not one root" : "";
}

TEST(SceneSvg, WellFormedAndHoldsEveryDesignator) {
    for (TopologyKind topology : {kindOf<MultipleFeedback>, kindOf<SallenKey>, kindOf<Passive>}) {
        DesignParts design;
        design.topology = topology;
        design.values.assign(partSpecs(topology).size() * 4, 4.7e-9);
        const std::string svg =
            sceneSvg(schematicScene(topology, exactParts(design)), {"Noto Sans & \"Symbols\"", 12});
        EXPECT_EQ(xmlFault(svg), "") << nameOf(topology);
        std::set<std::string> texts;
        const std::regex text("<text [^>]*>([^<]*)</text>");
        for (auto it = std::sregex_iterator(svg.begin(), svg.end(), text);
             it != std::sregex_iterator(); ++it) {
            texts.insert((*it)[1].str());
        }
        const CircuitDesignators designators = designateCircuit(topology, 4);
        for (const auto* list : {&designators.parts, &designators.opAmps}) {
            for (const Designator& d : *list) {
                EXPECT_TRUE(texts.count(d.text)) << d.text << " missing";
            }
        }
    }
}

// The checker itself refuses what a careless writer would produce.
TEST(SceneSvg, CheckerRefusesBrokenXml) {
    const std::string head = "<?xml version=\"1.0\"?>\n";
    EXPECT_EQ(xmlFault(head + "<svg><text>a</text></svg>"), "");
    EXPECT_NE(xmlFault(head + "<svg><text>a</svg></text>"), "");
    EXPECT_NE(xmlFault(head + "<svg><text>R & C</text></svg>"), "");
    EXPECT_NE(xmlFault(head + "<svg a=\"1\"><g></svg>"), "");
    EXPECT_NE(xmlFault(head + "<svg/><svg/>"), "");
    EXPECT_NE(xmlFault(head + "<svg a=1/>"), "");
}

}  // namespace
}  // namespace tessaron
