// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/wire_router.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace tessaron {
namespace {

// Grid positions are whole or tenths of steps: equal within this.
constexpr double kSame = 1e-9;
// What a crossing of another net's wire costs, in grid steps of wire.
constexpr double kCrossingCost = 20;
// What a corner costs: a straight run into a tree is read more easily than a
// shorter one with a bend.
constexpr double kBendCost = 2.5;

bool same(double a, double b) {
    return std::abs(a - b) < kSame;
}
bool same(Point a, Point b) {
    return same(a.x, b.x) && same(a.y, b.y);
}

struct Segment {
    Point a;
    Point b;

    bool horizontal() const { return same(a.y, b.y); }
    double low() const { return horizontal() ? std::min(a.x, b.x) : std::min(a.y, b.y); }
    double high() const { return horizontal() ? std::max(a.x, b.x) : std::max(a.y, b.y); }
    double length() const { return high() - low(); }
    // `p` on the segment, its ends included.
    bool holds(Point p) const {
        return horizontal() ? same(p.y, a.y) && p.x > low() - kSame && p.x < high() + kSame
                            : same(p.x, a.x) && p.y > low() - kSame && p.y < high() + kSame;
    }
    bool inside(Point p) const { return holds(p) && !same(p, a) && !same(p, b); }
    Box box() const {
        return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
    }
};

// A segment entering the open inside of a box: across it, strictly between
// its edges; along it, over a length.
bool enters(const Segment& s, const Box& box) {
    const double at = s.horizontal() ? s.a.y : s.a.x;
    const double edgeLow = s.horizontal() ? box.top : box.left;
    const double edgeHigh = s.horizontal() ? box.bottom : box.right;
    const double spanLow = s.horizontal() ? box.left : box.top;
    const double spanHigh = s.horizontal() ? box.right : box.bottom;
    return at > edgeLow + kSame && at < edgeHigh - kSame &&
           std::max(s.low(), spanLow) < std::min(s.high(), spanHigh) - kSame;
}

bool overlapsAlong(const Segment& s, const Segment& t) {
    if (s.horizontal() != t.horizontal()) {
        return false;
    }
    const bool line = s.horizontal() ? same(s.a.y, t.a.y) : same(s.a.x, t.a.x);
    return line && s.low() < t.high() + kSame && t.low() < s.high() + kSame;
}

bool crosses(const Segment& s, const Segment& t) {
    if (s.horizontal() == t.horizontal()) {
        return false;
    }
    const Segment& h = s.horizontal() ? s : t;
    const Segment& v = s.horizontal() ? t : s;
    return v.a.x > h.low() && v.a.x < h.high() && h.a.y > v.low() && h.a.y < v.high();
}

struct Router {
    std::span<const Box> obstacles;
    std::vector<Point> foreignPins;
    std::vector<Segment> foreignRuns;

    // The cost of a run, or none where it may not be drawn.
    std::optional<double> cost(const std::vector<Segment>& legs) const {
        double total = kBendCost * static_cast<double>(legs.size() - 1);
        for (const Segment& leg : legs) {
            for (const Box& box : obstacles) {
                if (enters(leg, box)) {
                    return std::nullopt;
                }
            }
            for (const Point& pin : foreignPins) {
                if (leg.holds(pin)) {
                    return std::nullopt;
                }
            }
            for (const Segment& run : foreignRuns) {
                if (overlapsAlong(leg, run)) {
                    return std::nullopt;
                }
                total += crosses(leg, run) ? kCrossingCost : 0;
            }
            total += leg.length();
        }
        return total;
    }
};

std::vector<Segment> legsOf(const std::vector<Point>& path) {
    std::vector<Segment> legs;
    for (std::size_t i = 1; i < path.size(); ++i) {
        if (!same(path[i - 1], path[i])) {
            legs.push_back({path[i - 1], path[i]});
        }
    }
    return legs;
}

// Runs of one or two legs from `p` to `q`: straight where they line up.
std::vector<std::vector<Point>> runsBetween(Point p, Point q) {
    if (same(p.x, q.x) || same(p.y, q.y)) {
        return {{p, q}};
    }
    return {{p, {q.x, p.y}, q}, {p, {p.x, q.y}, q}};
}

// The points of the tree a new run may end on.
std::vector<Point> targetsFor(Point p, const std::vector<Point>& points,
                              const std::vector<Segment>& runs) {
    std::vector<Point> targets = points;
    for (const Segment& run : runs) {
        const Point foot = run.horizontal() ? Point{p.x, run.a.y} : Point{run.a.x, p.y};
        if (run.inside(foot)) {
            targets.push_back(foot);
        }
    }
    return targets;
}

struct Connection {
    std::size_t pin;
    std::vector<Point> path;
    double cost;
};

// Degree of each point where runs end: runs ending there, runs passing
// through it, and a pin.
std::vector<Point> junctionsOf(const std::vector<Segment>& runs, const std::vector<Point>& pins) {
    std::vector<Point> ends;
    for (const Segment& run : runs) {
        ends.push_back(run.a);
        ends.push_back(run.b);
    }
    std::vector<Point> junctions;
    for (const Point& e : ends) {
        if (std::any_of(junctions.begin(), junctions.end(), [&](Point j) { return same(j, e); })) {
            continue;
        }
        int degree = std::any_of(pins.begin(), pins.end(), [&](Point p) { return same(p, e); });
        for (const Segment& run : runs) {
            degree += same(run.a, e) || same(run.b, e) ? 1 : run.inside(e) ? 2 : 0;
        }
        if (degree >= 3) {
            junctions.push_back(e);
        }
    }
    return junctions;
}

}  // namespace

RoutedNets routeNets(std::span<const Net> nets, std::span<const Box> obstacles) {
    RoutedNets routed;
    std::vector<Segment> allRuns;
    for (std::size_t n = 0; n < nets.size(); ++n) {
        Router router{obstacles, {}, allRuns};
        for (std::size_t m = 0; m < nets.size(); ++m) {
            if (m != n) {
                router.foreignPins.insert(router.foreignPins.end(), nets[m].pins.begin(),
                                          nets[m].pins.end());
            }
        }
        const std::vector<Point>& pins = nets[n].pins;
        std::vector<bool> joined(pins.size(), false);
        std::vector<Point> treePoints = {pins.front()};
        std::vector<Segment> treeRuns;
        joined[0] = true;
        for (std::size_t step = 1; step < pins.size(); ++step) {
            std::optional<Connection> best;
            std::optional<Connection> forced;
            for (std::size_t i = 0; i < pins.size(); ++i) {
                if (joined[i]) {
                    continue;
                }
                for (const Point& target : targetsFor(pins[i], treePoints, treeRuns)) {
                    for (auto& path : runsBetween(pins[i], target)) {
                        const auto legs = legsOf(path);
                        if (const auto c = router.cost(legs); c && (!best || *c < best->cost)) {
                            best = Connection{i, path, *c};
                        }
                        if (!forced) {
                            forced = Connection{i, path, 0};
                        }
                    }
                }
            }
            if (!best) {
                ++routed.forced;
                best = forced;
            }
            joined[best->pin] = true;
            treePoints.insert(treePoints.end(), best->path.begin(), best->path.end());
            for (const Segment& leg : legsOf(best->path)) {
                treeRuns.push_back(leg);
            }
            routed.wires.push_back({best->path});
        }
        const auto junctions = junctionsOf(treeRuns, pins);
        routed.junctions.insert(routed.junctions.end(), junctions.begin(), junctions.end());
        allRuns.insert(allRuns.end(), treeRuns.begin(), treeRuns.end());
    }
    return routed;
}

}  // namespace tessaron
