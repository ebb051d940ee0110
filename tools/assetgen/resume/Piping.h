// Plant piping for the 3D scenes: pipe runs with bends, flanged joints and gate valves.
#pragma once

#include "Mesh.h"

#include <vector>

namespace assetgen::resume {

// A pipe through the given points, rounded at each corner with a bend of `bendRadius`
// (measured to the pipe's centre line).
void addPipeRun(Mesh& mesh, const std::vector<Vec3>& points, double radius, double bendRadius,
                int material);

struct FlangeMaterials {
    int flange;
    int bolts;
};

// A bolted pair of weld-neck flanges centred on `centre`, the pipe running along `axis`.
void addFlangePair(Mesh& mesh, const Vec3& centre, const Vec3& axis, double pipeRadius,
                   const FlangeMaterials& materials);

struct ValveMaterials {
    int body;
    int wheel;
    int stem;
    FlangeMaterials flanges;
};

// A flanged gate valve on a pipe along `axis`, its stem and handwheel toward `stemUp`.
// Occupies 2.4 pipe diameters either side of `centre` along the pipe.
void addGateValve(Mesh& mesh, const Vec3& centre, const Vec3& axis, const Vec3& stemUp,
                  double pipeRadius, const ValveMaterials& materials);

} // namespace assetgen::resume
