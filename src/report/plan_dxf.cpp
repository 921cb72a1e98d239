#include "plan_dxf.h"

#include "atomic_file.h"
#include "element_records.h"
#include "number_format.h"
#include "numbering.h"
#include "storey_plan.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numeric>

namespace orvanta {

namespace {

struct Rectangle {
    double left = 0, bottom = 0, right = 0, top = 0;
};

std::vector<DxfPoint> corners(const Rectangle& r) {
    return {{r.left, r.bottom}, {r.right, r.bottom}, {r.right, r.top}, {r.left, r.top}};
}

Rectangle centred(DxfPoint at, double width, double depth) {
    return {at.x - width / 2, at.y - depth / 2, at.x + width / 2, at.y + depth / 2};
}

// Draws one storey's plan moved by `shift` along X.
class StoreyDrawer {
public:
    StoreyDrawer(DxfDrawing& dxf, const Model& model, double shift, double textHeight)
        : dxf_(dxf), model_(model), shift_(shift), h_(textHeight) {}

    DxfPoint at(double x, double y) const { return {x + shift_, y}; }

    void grid(const StoreyPlan& plan) {
        for (const PlanGridLine& g : plan.gridLines) {
            const DxfPoint from = at(g.line.from.x, g.line.from.y);
            const DxfPoint to = at(g.line.to.x, g.line.to.y);
            dxf_.line(planLayer::grid, from, to);
            const std::string label = gridLineLabel(g);
            if (g.alongX) {
                const double top = std::max(from.y, to.y);
                dxf_.text(planLayer::grid, {from.x - 0.3 * h_ * label.size(), top + h_}, h_, label);
            } else {
                const double left = std::min(from.x, to.x);
                dxf_.text(planLayer::grid, {left - h_ * (0.8 * label.size() + 1), from.y - h_ / 2},
                          h_, label);
            }
        }
        for (const PlanExtraNode& e : plan.extraNodes) {
            const DxfPoint c = at(e.at.x, e.at.y);
            dxf_.line(planLayer::grid, {c.x - h_, c.y}, {c.x + h_, c.y});
            dxf_.line(planLayer::grid, {c.x, c.y - h_}, {c.x, c.y + h_});
        }
    }

    void columns(const StoreyPlan& plan) {
        for (const PlanColumn& c : plan.columns) {
            const ColumnSection& s = c.section;
            if (!(s.base > 0 && s.height > 0))
                continue; // no section entered yet: nothing of true size to draw
            const DxfPoint centre = at(c.at.x, c.at.y);
            dxf_.polyline(planLayer::columns, corners(centred(centre, s.base, s.height)), true);
            const double holeWidth = s.base - 2 * s.wallsAlongY;
            const double holeDepth = s.height - 2 * s.wallsAlongX;
            if (s.shape == ColumnShape::box && holeWidth > 0 && holeDepth > 0)
                dxf_.polyline(planLayer::columns, corners(centred(centre, holeWidth, holeDepth)),
                              true);
        }
    }

    void beams(const StoreyPlan& plan) {
        for (const PlanBeam& b : plan.beams) {
            const DxfPoint from = at(b.line.from.x, b.line.from.y);
            const DxfPoint to = at(b.line.to.x, b.line.to.y);
            const double w = b.section.base;
            if (!(w > 0)) {
                dxf_.line(planLayer::beams, from, to);
                continue;
            }
            const Rectangle r = b.alongX ? Rectangle{std::min(from.x, to.x), from.y - w / 2,
                                                     std::max(from.x, to.x), from.y + w / 2}
                                         : Rectangle{from.x - w / 2, std::min(from.y, to.y),
                                                     from.x + w / 2, std::max(from.y, to.y)};
            dxf_.polyline(planLayer::beams, corners(r), true);
        }
    }

    void slabs(int storey) {
        const Counts& c = model_.counts;
        for (int iy = 1; iy < c.nY; ++iy) {
            for (int ix = 1; ix < c.nX; ++ix) {
                const Slab slab = slabAt(model_, storey, numbering::bay(c, ix, iy));
                if (slab.present)
                    slabMark(ix, iy, slab.span);
            }
        }
    }

    void massCentre(int storey) {
        const Array2<double>& m = model_.massCentre;
        if (m.empty() || storey < m.lower(1) || storey > m.upper(1))
            return;
        const DxfPoint c = at(m(storey, 1), m(storey, 2));
        dxf_.circle(planLayer::massCentre, c, h_ / 2);
        dxf_.line(planLayer::massCentre, {c.x - h_, c.y}, {c.x + h_, c.y});
        dxf_.line(planLayer::massCentre, {c.x, c.y - h_}, {c.x, c.y + h_});
        dxf_.text(planLayer::massCentre, {c.x + h_, c.y + h_ / 2}, h_,
                  "C.M. n° " + std::to_string(storey));
    }

    void stiffnessCentres(const AnalysisResults& results, const StoreyPlan& plan) {
        for (const Direction d : bothDirections) {
            const RittiResults& r = results[d];
            for (int f = 1; f <= r.familyCount; ++f) {
                if (r.familySize.empty() || f > r.familySize.upper() || r.familySize(f) <= 0 ||
                    f > r.stiffnessCentre.upper())
                    continue;
                const double centre = r.stiffnessCentre(f);
                const std::string label =
                    std::string("C.P.R. ") + orthogonalAxis(d) + " n° " + std::to_string(f);
                if (d == Direction::orthogonalToX) {
                    const DxfPoint low = at(centre, plan.lowest.y);
                    dxf_.line(planLayer::stiffnessCentres, low, at(centre, plan.highest.y));
                    dxf_.text(planLayer::stiffnessCentres, {low.x + h_ / 4, low.y - 1.5 * h_}, h_,
                              label);
                } else {
                    const DxfPoint high = at(plan.highest.x, centre);
                    dxf_.line(planLayer::stiffnessCentres, at(plan.lowest.x, centre), high);
                    dxf_.text(planLayer::stiffnessCentres, {high.x + h_ / 2, high.y + h_ / 4}, h_,
                              label);
                }
            }
        }
    }

    void title(int storey, const StoreyPlan& plan, const std::string& projectName) {
        const NumberFormat format;
        std::string line = "Pianta del piano " + std::to_string(storey);
        if (!model_.levelZ.empty() && storey + 1 <= model_.levelZ.upper())
            line += " - quota " + formatNumber(model_.levelZ(storey + 1), 0, format) + " mm";
        const DxfPoint origin = at(plan.lowest.x, plan.lowest.y - 4 * h_);
        dxf_.text(planLayer::texts, origin, 1.4 * h_, line);
        if (!projectName.empty())
            dxf_.text(planLayer::texts, {origin.x, origin.y - 2.2 * h_}, h_,
                      "Progetto " + projectName);
    }

private:
    void slabMark(int ix, int iy, SlabSpan span) {
        const double x0 = model_.coordX(ix), x1 = model_.coordX(ix + 1);
        const double y0 = model_.coordY(iy), y1 = model_.coordY(iy + 1);
        Rectangle r{std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
        const double dx = std::min(2 * h_, (r.right - r.left) / 4);
        const double dy = std::min(2 * h_, (r.top - r.bottom) / 4);
        r = {r.left + dx + shift_, r.bottom + dy, r.right - dx + shift_, r.top - dy};
        dxf_.polyline(planLayer::slabs, corners(r), true);
        const double midX = (r.left + r.right) / 2;
        const double midY = (r.bottom + r.top) / 2;
        if (span == SlabSpan::alongX) {
            arrow({r.left + dx, midY}, {r.right - dx, midY});
        } else {
            arrow({midX, r.bottom + dy}, {midX, r.top - dy});
        }
    }

    // A line with a head at both ends, the heads h long.
    void arrow(DxfPoint from, DxfPoint to) {
        dxf_.line(planLayer::slabs, from, to);
        const double length = std::hypot(to.x - from.x, to.y - from.y);
        if (!(length > 0))
            return;
        const double ux = (to.x - from.x) / length, uy = (to.y - from.y) / length;
        const double head = std::min(h_, length / 3), half = head / 2;
        for (const auto& [tip, sign] : {std::pair{from, 1.0}, std::pair{to, -1.0}}) {
            const DxfPoint base{tip.x + sign * ux * head, tip.y + sign * uy * head};
            dxf_.polyline(planLayer::slabs,
                          {{base.x - uy * half, base.y + ux * half},
                           tip,
                           {base.x + uy * half, base.y - ux * half}},
                          false);
        }
    }

    DxfDrawing& dxf_;
    const Model& model_;
    double shift_;
    double h_;
};

} // namespace

double planTextHeight(const Model& model) {
    const StoreyPlan grid = storeyPlan(model, 0);
    const double span = std::max(grid.highest.x - grid.lowest.x, grid.highest.y - grid.lowest.y);
    return std::clamp(span / 60, 100.0, 400.0);
}

DxfDrawing planDxf(const Model& model, const AnalysisResults* results,
                   const std::vector<int>& storeys, const std::string& projectName) {
    DxfDrawing dxf;
    dxf.addLayer(planLayer::grid, dxfColour::cyan);
    dxf.addLayer(planLayer::columns, dxfColour::white);
    dxf.addLayer(planLayer::beams, dxfColour::blue);
    dxf.addLayer(planLayer::slabs, dxfColour::grey);
    dxf.addLayer(planLayer::massCentre, dxfColour::red);
    dxf.addLayer(planLayer::stiffnessCentres, dxfColour::green);
    dxf.addLayer(planLayer::texts, dxfColour::white);
    if (!model.hasCompleteArrays())
        return dxf;
    const double h = planTextHeight(model);
    const StoreyPlan grid = storeyPlan(model, 0);
    // Room for the labels either side, and a gap as wide as a quarter of the plan.
    const double width = grid.highest.x - grid.lowest.x;
    const double pitch = width + 12 * h + std::max(width / 4, 20 * h);
    double shift = 0;
    for (const int storey : storeys) {
        if (storey < 1 || storey > model.counts.nStoreys)
            continue;
        const StoreyPlan plan = storeyPlan(model, storey);
        StoreyDrawer draw(dxf, model, shift, h);
        draw.grid(plan);
        draw.slabs(storey);
        draw.beams(plan);
        draw.columns(plan);
        draw.massCentre(storey);
        if (results)
            draw.stiffnessCentres(*results, plan);
        draw.title(storey, plan, projectName);
        shift += pitch;
    }
    return dxf;
}

std::string storeyFilePath(const std::string& path, int storey) {
    const std::filesystem::path p(path);
    std::filesystem::path leaf = p.stem();
    leaf += "-piano-" + std::to_string(storey);
    leaf += p.has_extension() ? p.extension() : std::filesystem::path(".dxf");
    return (p.parent_path() / leaf).string();
}

std::vector<std::string> exportPlanDxf(const Model& model, const AnalysisResults* results,
                                       const PlanExport& request, const std::string& path,
                                       const std::string& projectName, Asker& asker) {
    const std::string title = "Esportazione DXF non riuscita";
    const int storeys = model.hasCompleteArrays() ? model.counts.nStoreys : 0;
    if (storeys < 1) {
        asker.tell({"La struttura non è ancora definita: non c'è una pianta da esportare"}, title,
                   MessageIcon::Exclamation);
        return {};
    }
    if (request.storeys == PlanStoreys::one && (request.storey < 1 || request.storey > storeys)) {
        asker.tell({"Il piano " + std::to_string(request.storey) + " non esiste",
                    "Scegliere un piano da 1 a " + std::to_string(storeys)},
                   title, MessageIcon::Exclamation);
        return {};
    }
    // Each file with its storeys.
    std::vector<std::pair<std::string, std::vector<int>>> files;
    std::vector<int> every(static_cast<std::size_t>(storeys));
    std::iota(every.begin(), every.end(), 1);
    switch (request.storeys) {
    case PlanStoreys::one:
        files.push_back({path, {request.storey}});
        break;
    case PlanStoreys::sideBySide:
        files.push_back({path, every});
        break;
    case PlanStoreys::eachInItsFile:
        for (const int k : every)
            files.push_back({storeyFilePath(path, k), {k}});
        break;
    }
    std::vector<std::string> written;
    for (const auto& [file, plans] : files) {
        const std::string reason =
            writeFileAtomically(file, planDxf(model, results, plans, projectName).text());
        if (!reason.empty()) {
            asker.tell({"Impossibile scrivere il file " + file, reason}, title,
                       MessageIcon::Critical);
            return written;
        }
        written.push_back(file);
    }
    return written;
}

} // namespace orvanta
