#pragma once
// What the runs of one job keep so that they compute less, behind one
// object: the elements as prepared, the curves evaluated at the job's values
// (row_memo.h), each facade's plan of its height factors (facade_plans.h),
// the walls' factors along the facade (along_factor_cache.h) and, for one
// walk over the elements, each facade's height parts (height_part_cache.h).
// None of it changes a Cp, a code, a box or a report line: what a plan
// cannot vouch for goes to the model in full. A sweep keeps one for all its
// directions; a run handed none makes its own.

#include <vector>

#include "core/job.h"
#include "engine/facade_cp.h"
#include "engine/models/leeward_model.h"
#include "engine/models/roof_model.h"
#include "engine/models/windward_model.h"
#include "engine/prepared_elements.h"
#include "engine/speedups/along_factor_cache.h"
#include "engine/speedups/element_memo.h"
#include "engine/speedups/facade_plans.h"
#include "engine/speedups/height_part_cache.h"
#include "engine/speedups/row_memo.h"

namespace ventora {

class Speedups {
 public:
  // The job's elements, prepared again only when what they are made from
  // changes.
  const std::vector<PreparedElement>& Elements(const Job& job) { return elements_.For(job); }

  // Starts a walk over the job's elements (one wind direction): the height
  // parts of the walk before go.
  void StartWalk(const Job& job);

  // An element's Cp as FacadeCp routes it to a model. Inline: the walk's
  // every element comes here.
  void WindwardCp(const RunContext& ctx, const FacadeCpInput& in, FacadeCpResult& out) {
    const int iface = FacadeIndex(in.facade);
    const float angle = in.geometry.FacadeAngle[static_cast<std::size_t>(iface)];
    double part = 0;
    if (HeightPart(in, iface, out, part, [&](double& p) {
          if (out.err == 0)
            if (const WindwardPlan* plan = plans_.Windward(rows_, iface, Values(in, iface)))
              if (WindwardHeightPartPlanned(*plan, in.ZH, p)) return true;
          return WindwardHeightPart(ctx, ModelInputOf(in), p, out.err);
        }))
      out.cp = WallCpFromParts(
          part, alongs_.Factor(iface, angle, in.ZH, in.XL, WindwardAlongBand,
                               [&](int band) { return WindwardAlongFactor(band, angle, in.XL); }));
  }

  void LeewardCp(const RunContext& ctx, const FacadeCpInput& in, FacadeCpResult& out) {
    if (!LeewardPlaceAccepted(ctx, in.ZH, in.XL, out.err)) return;
    const int iface = FacadeIndex(in.facade);
    const float angle = in.geometry.FacadeAngle[static_cast<std::size_t>(iface)];
    double part = 0;
    if (HeightPart(in, iface, out, part, [&](double& p) {
          if (out.err == 0)
            if (const LeewardPlan* plan = plans_.Leeward(rows_, iface, Values(in, iface)))
              if (LeewardHeightPartPlanned(*plan, in.ZH, p)) return true;
          return LeewardHeightPart(ctx, ModelInputOf(in), p, out.err);
        }))
      out.cp = WallCpFromParts(
          part, alongs_.Factor(iface, angle, in.ZH, in.XL, LeewardAlongBand,
                               [&](int band) { return LeewardAlongFactor(band, angle, in.XL); }));
  }

  void RoofCp(const RunContext& ctx, const FacadeCpInput& in, FacadeCpResult& out) {
    if (!RoofPlaceAccepted(ctx, in.ZH, in.XL, out.err)) return;
    const int iface = FacadeIndex(in.facade);
    const float angle = in.geometry.FacadeAngle[static_cast<std::size_t>(iface)];
    double part = 0;
    if (HeightPart(in, iface, out, part, [&](double& p) {
          if (out.err == 0)
            if (const RoofPlan* plan = plans_.Roof(rows_, Values(in, iface))) {
              p = RoofHeightPartPlanned(*plan, in.ZH);
              return true;
            }
          return RoofHeightPart(ctx, ModelInputOf(in), p, out.err);
        }))
      out.cp = RoofCpAt(part, angle, in.ZH, in.XL, in.Islope, in.Phi);
  }

 private:
  // The element's height part as kept for its facade and height, or
  // computed by `compute` (which sets err and gives false when the model
  // refuses) and kept. A carried err always goes through the model, which
  // stops at its first check.
  template <class Compute>
  bool HeightPart(const FacadeCpInput& in, int iface, FacadeCpResult& out, double& part,
                  Compute&& compute) {
    if (out.err != 0) return compute(part);
    if (const double* kept = heights_.Find(iface, in.ZH)) {
      part = *kept;
      return true;
    }
    if (!compute(part)) return false;
    heights_.Store(iface, in.ZH, part);
    return true;
  }

  // A wall's plan does not depend on its wind angle, so a sweep's plan of a
  // wall serves every direction; the roof's does.
  static PlanValues Values(const FacadeCpInput& in, int iface) {
    const FacadeGeometry& g = in.geometry;
    const auto i = static_cast<std::size_t>(iface);
    return {in.VeEXP,       in.PAD,         g.RbH,
            g.FacadeFAR[i], g.FacadeSAR[i], IsWall(in.facade) ? 0.0f : g.FacadeAngle[i]};
  }

  RowMemo rows_;
  ElementMemo elements_;
  FacadePlans plans_;
  AlongFactorCache alongs_;
  HeightPartCache heights_;  // one walk's
};

}  // namespace ventora
