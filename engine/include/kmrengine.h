/*
 * kmrengine.h -- public interface of the analysis library kmrengine.
 *
 * The library computes fixed-end forces of member loads (VF_CMQGIR), analyses
 * a continuous girder by the stiffness method (VF_RenzokuGir) and computes
 * section properties of H-sections (VF_HSPRPS).
 *
 * Calling conventions common to every function
 * --------------------------------------------
 *  - Plain C linkage. Integers are 32-bit signed (int32_t); reals are 4-byte
 *    IEEE single precision (float) unless stated "double" (8-byte IEEE).
 *  - Scalars marked "by value" are passed as values; every other argument is
 *    the address of a variable or of the FIRST element of an array.
 *  - Array elements are numbered from 1 in this documentation: element i of a
 *    vector lives at offset (i - 1). A two-dimensional array of R rows and C
 *    columns is stored column by column: element (i, j) lives at offset
 *    (i - 1) + (j - 1) * R.  An "M x 2" table therefore holds all left-end
 *    values (column 1) followed by all right-end values (column 2).
 *  - The caller owns and allocates every array; the library keeps no pointer
 *    after returning. Several inputs are modified in place (marked "in/out"
 *    or "in, modified"): fill them afresh before every call.
 *  - Nothing is validated and no status is reported. The library keeps working
 *    storage shared by all calls: calls must not overlap (one thread at a
 *    time).
 *
 * Sign conventions of the girder functions
 * ----------------------------------------
 *  - Moments, member-end moments and rotations: positive clockwise.
 *  - Forces, member-end forces, reactions and deflections: positive upward.
 *  - For a downward uniform load w on a span L, VF_CMQGIR gives the fixed-end
 *    moments -wL^2/12 (left) and +wL^2/12 (right) and the end shears +wL/2
 *    (left) and -wL/2 (right, beam convention); these are the member-load
 *    inputs of VF_RenzokuGir.
 *
 * Degrees of freedom of the girder: nodes 1..N from left to right, member m
 * joins node m and node m + 1. Rotation of node i is unknown i, deflection of
 * node i is unknown N + i (D = 2N unknowns).
 *
 * Units: lengths in m, member stiffness EI/L in force x m, spring constants in
 * force per cm, forces in t or kN (one system throughout), moments in
 * force x m. Results come back in the same force unit, deflections in m and
 * rotations in radians.
 */
#ifndef KMRENGINE_H
#define KMRENGINE_H

#include <stdint.h>

/* Exported under their own names; callers need no import declaration (the
 * import library resolves the calls on Windows). */
#if defined(KMRENGINE_BUILDING) && defined(_WIN32)
#define KMRENGINE_API __declspec(dllexport)
#elif defined(KMRENGINE_BUILDING)
#define KMRENGINE_API __attribute__((visibility("default")))
#else
#define KMRENGINE_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/*
 * Support codes of VF_RenzokuGir (argument 12, one per node). A model's
 * support condition 0..4 is the code minus one.
 */
enum KmrSupportCode {
    KMR_SUPPORT_FIXED = 1,  /* rotation and deflection held */
    KMR_SUPPORT_SIMPLE = 2, /* deflection held */
    KMR_SUPPORT_HINGE = 3,  /* nothing held; releases the member end to the left */
    KMR_SUPPORT_SPRING = 4, /* vertical spring on the deflection */
    KMR_SUPPORT_FREE = 5    /* nothing held */
};

/*
 * Load types of VF_CMQGIR (argument 10). The function reads only whether the
 * type is KMR_LOAD_CONCENTRATED; every other value is a distributed load
 * whose shape the lengths and factors describe. The shapes are numbered as
 * the model's member-load types plus one.
 */
enum KmrLoadType {
    KMR_LOAD_CONCENTRATED = 1,
    KMR_LOAD_RISING_TRIANGLE = 2,  /* rises over its length */
    KMR_LOAD_FALLING_TRIANGLE = 3, /* falls over its length */
    KMR_LOAD_UNIFORM = 4,
    KMR_LOAD_TRAPEZOID = 5,
    KMR_LOAD_TRIANGLE = 6 /* rises over half its length, falls over the rest */
};

/*
 * VF_RenzokuGir -- continuous girder by the stiffness method.
 *
 * Support codes (supportCode, one per node; enum KmrSupportCode):
 *   1 KMR_SUPPORT_FIXED   rotation and deflection held
 *   2 KMR_SUPPORT_SIMPLE  deflection held
 *   3 KMR_SUPPORT_HINGE   nothing held at the node; the right end of the
 *                         member to the LEFT of the node is released
 *                         (moment-free)
 *   4 KMR_SUPPORT_SPRING  vertical spring on the deflection (constant in
 *                         springConstant)
 *   5 KMR_SUPPORT_FREE    nothing held
 * A node of any other code is held by nothing, yet it gets neither the
 * correcting pass of free nodes nor a zero reaction: callers pass
 * KMR_SUPPORT_FREE for every unsupported node.
 *
 *  #  argument         type, dimension       in/out        meaning
 *  1  nodeCount        int32, by value       in            N = spans + 1
 *  2  memberCount      int32, by value       in            M = number of spans
 *  3  dofCount         int32, by value       in            D = 2N; order of
 *                                                          stiffnessMatrix
 *  4  hingeCount       int32, by value       in            NH, nodes of code 3
 *  5  springCount      int32, by value       in            NS, nodes of code 4
 *  6  nodeLoadCount    int32, by value       in            NP, node loads
 *  7  memberE          float[M]              in            Young's modulus per
 *                                                          member; not read
 *  8  memberLength     float[M]              in            span length L, m
 *  9  hingeNode        int32[NH]             in            node numbers of the
 *                                                          hinge nodes
 * 10  memberStiffness  float[M]              in, modified  k = EI/L, force x m;
 *                                                          divided by 10000 in
 *                                                          place on entry
 * 11  memberI          float[M]              in            second moment of
 *                                                          area; not read
 * 12  supportCode      int32[N]              in            support code per
 *                                                          node (table above)
 * 13  springNode       int32[NS]             in            spring node numbers,
 *                                                          ascending
 * 14  springConstant   float[NS]             in            spring constant of
 *                                                          the node at the same
 *                                                          position of 13,
 *                                                          force/cm
 * 15  loadNode         int32[NP]             in            node of each node
 *                                                          load
 * 16  loadForce        float[NP]             in            vertical force,
 *                                                          upward positive
 * 17  loadMoment       float[NP]             in            moment, clockwise
 *                                                          positive, force x m
 * 18  hingeMoment      float[NH]             in            moment applied to the
 *                                                          released member end
 *                                                          at each hinge of 9
 *                                                          (normally 0)
 * 19  stiffnessMatrix  double[D x D]         work          system matrix
 *                                                          storage; holds the
 *                                                          eliminated matrix on
 *                                                          return
 * 20  hingeRotation    float[NH]             out           rotation of the
 *                                                          released member end
 *                                                          at each hinge of 9,
 *                                                          in 1/10000 rad (the
 *                                                          solver's scale)
 * 21  endMoment        float[M x 2]          in/out        in: fixed-end moments
 *                                                          of the member loads
 *                                                          (column 1 left end,
 *                                                          column 2 right end);
 *                                                          out: final member-end
 *                                                          moments, force x m
 * 22  endShear         float[M x 2]          in/out        in: simple-beam end
 *                                                          shears Q (beam
 *                                                          convention), column 1
 *                                                          left, column 2 right;
 *                                                          out: member-end
 *                                                          forces, UPWARD
 *                                                          positive at both ends
 * 23  displacement     double[D]             out           1..N: rotation of
 *                                                          each node, rad;
 *                                                          N+1..2N: deflection
 *                                                          of each node, m,
 *                                                          upward positive
 * 24  reaction         float[N]              out           vertical support
 *                                                          reaction of each
 *                                                          node, upward positive
 *
 * On return column 2 of endShear is the upward force at the right end, i.e.
 * the negative of the beam-convention shear there. The deflection of a spring
 * node is -reaction / springConstant (cm) converted to m. When the girder has
 * free nodes (code 5) a second, correcting pass is superposed on the first.
 * Counts that do not describe a girder (M < 1, N != M + 1 or D != 2N) leave
 * every array untouched; list entries naming a node outside 1..N are ignored.
 *
 * A hinge at the last node releases the last member's right end, so no member
 * turns that node: the result is that of the free end, with the node's
 * rotation (displacement element N) 0 and the tip rotation of the member in
 * hingeRotation. A moment in loadMoment on that node has nothing to act on (a
 * mechanism; callers must not pass it): it is carried by nothing, every other
 * result is that of the girder without it, and displacement element N returns
 * the moment / 10000 instead of 0.
 *
 * Returns 0 (always).
 */
KMRENGINE_API int32_t VF_RenzokuGir(int32_t nodeCount, int32_t memberCount, int32_t dofCount,
                                    int32_t hingeCount, int32_t springCount, int32_t nodeLoadCount,
                                    const float* memberE, const float* memberLength,
                                    const int32_t* hingeNode, float* memberStiffness,
                                    const float* memberI, const int32_t* supportCode,
                                    const int32_t* springNode, const float* springConstant,
                                    const int32_t* loadNode, const float* loadForce,
                                    const float* loadMoment, const float* hingeMoment,
                                    double* stiffnessMatrix, float* hingeRotation, float* endMoment,
                                    float* endShear, double* displacement, float* reaction);

/*
 * VF_CMQGIR -- fixed-end forces of one member load.
 *
 * x is measured from the left end of the member; load values are positive
 * downward. A distributed load is described as a rising part (riseLength), a
 * middle part (flatLength, intensity from startFactor to endFactor times
 * loadValue) and a falling part (loadLength - riseLength - flatLength);
 * lengths below 1e-6 contribute nothing. A uniform load is a middle part
 * alone with both factors equal, a triangle a rise followed by a fall.
 *
 *  #  argument        type, by value/address  in/out  meaning
 *  1  endCondition    int32, by value         in      0 or 3: both ends
 *                                                     restrained (fixed when
 *                                                     endSpringRatio = 0);
 *                                                     1: left fixed, right
 *                                                     pinned; 2: left pinned,
 *                                                     right fixed
 *  2  span            float, by value         in      span length L, m
 *  3  loadStart       float, by value         in      distance of the load (or
 *                                                     of the start of a
 *                                                     distributed load) from
 *                                                     the left end, m
 *  4  loadLength      float, by value         in      total loaded length, m
 *  5  riseLength      float, by value         in      length of the rising
 *                                                     triangular part, m
 *  6  flatLength      float, by value         in      length of the middle
 *                                                     part, m
 *  7  loadValue       float, by value         in      force of a concentrated
 *                                                     load, or intensity
 *                                                     multiplier (force/m)
 *  8  startFactor     float, by value         in      intensity factor at the
 *                                                     start of the middle part
 *  9  endFactor       float, by value         in      intensity factor at the
 *                                                     end of the middle part
 * 10  loadType        int32, by value         in      KMR_LOAD_CONCENTRATED
 *                                                     (1) concentrated load;
 *                                                     any other value
 *                                                     distributed (enum
 *                                                     KmrLoadType)
 * 11  endSpringRatio  float, by value         in      end-restraint parameter
 *                                                     of conditions 0 and 3
 *                                                     (0 for fixed ends)
 * 12  sectionX        float, by value         in      section (from the left
 *                                                     end, m) at which m0 and
 *                                                     deflectionEI are formed
 * 13  cLeft           float*                  out     fixed-end moment, left
 *                                                     end, clockwise positive
 * 14  cRight          float*                  out     fixed-end moment, right
 *                                                     end, clockwise positive
 * 15  m0              float*                  out     simple-beam moment at
 *                                                     sectionX, sagging
 *                                                     positive
 * 16  qLeft           float*                  out     simple-beam end shear,
 *                                                     left (= left reaction)
 * 17  qRight          float*                  out     simple-beam end shear,
 *                                                     right (= -right reaction)
 * 18  deflectionEI    float*                  out     EI x simple-beam
 *                                                     deflection at sectionX,
 *                                                     downward positive
 * 19  extraTerm       float*                  out     simple-beam moment at
 *                                                     sectionX (equals m0)
 *
 * Every output is set to 0 on entry and then receives the load's value; the
 * caller sums several loads of one member itself.
 */
KMRENGINE_API void VF_CMQGIR(int32_t endCondition, float span, float loadStart, float loadLength,
                             float riseLength, float flatLength, float loadValue, float startFactor,
                             float endFactor, int32_t loadType, float endSpringRatio,
                             float sectionX, float* cLeft, float* cRight, float* m0, float* qLeft,
                             float* qRight, float* deflectionEI, float* extraTerm);

/*
 * VF_HSPRPS -- section properties of a doubly symmetric H-section.
 *
 * Dimensions (arguments 15 to 20) are in mm, by value; results (arguments 1
 * to 14) are written through their addresses in cm-based units. Section kinds:
 * 1 rolled with circular fillets of radius filletSize; 2 welded with
 * triangular fillet welds of leg filletSize; any other value plain (three
 * rectangles, filletSize not used).
 *
 *  #  argument         type, by value/address  in/out  meaning, unit
 *  1  sectionArea      float*                  out     area A, cm2
 *  2  unitWeight       float*                  out     weight, kg/m (A x 0.785)
 *  3  webArea          float*                  out     (H - 2tf) tw less the
 *                                                      opening, cm2
 *  4  flangeAreaTerm   float*                  out     0.02 B tf / 1.5
 *  5  inertiaX         float*                  out     second moment of area,
 *                                                      strong axis, cm4
 *  6  inertiaY         float*                  out     second moment of area,
 *                                                      weak axis, cm4
 *  7  radiusX          float*                  out     sqrt(inertiaX / A), cm
 *  8  radiusY          float*                  out     sqrt(inertiaY / A), cm
 *  9  flangeRadius     float*                  in/out  radius of gyration of
 *                                                      the compression flange
 *                                                      zone (flange and web
 *                                                      down to H/6), cm; kept
 *                                                      as passed when that zone
 *                                                      is empty (H/6 < tf,
 *                                                      kinds 2 and 3; a
 *                                                      data-error line goes to
 *                                                      standard error)
 * 10  flangeRatio      float*                  out     10 H flangeRadius /
 *                                                      (B tf)
 * 11  modulusX         float*                  out     elastic section modulus,
 *                                                      strong axis, cm3
 * 12  modulusY         float*                  out     elastic section modulus,
 *                                                      weak axis, cm3
 * 13  plasticX         float*                  out     plastic section modulus,
 *                                                      strong axis, cm3
 * 14  plasticY         float*                  out     plastic section modulus,
 *                                                      weak axis, cm3
 * 15  depth            float, by value         in      H, mm
 * 16  width            float, by value         in      B, flange width, mm
 * 17  webThickness     float, by value         in      tw, mm
 * 18  flangeThickness  float, by value         in      tf, mm
 * 19  filletSize       float, by value         in      r: fillet radius (kind
 *                                                      1) or weld leg (kind 2),
 *                                                      mm
 * 20  webOpening       float, by value         in      d: height of a web
 *                                                      opening centred on the
 *                                                      strong axis, mm; 0 for
 *                                                      none. Reduces webArea,
 *                                                      modulusX/Y, plasticX/Y;
 *                                                      A, W, I and i are those
 *                                                      of the full section
 * 21  sectionKind      int32, by value         in      1 rolled, 2 welded,
 *                                                      other plain
 * 22  roundFlag        int32, by value         in      non-zero: round to
 *                                                      significant figures (A,
 *                                                      webArea, flangeAreaTerm
 *                                                      4; all others 3), exact
 *                                                      halves to even
 *
 * A dimension that is not finite, or not positive (H, B, tw, tf), or negative
 * (filletSize of kinds 1 and 2, webOpening) sets every output to 0.
 */
KMRENGINE_API void VF_HSPRPS(float* sectionArea, float* unitWeight, float* webArea,
                             float* flangeAreaTerm, float* inertiaX, float* inertiaY,
                             float* radiusX, float* radiusY, float* flangeRadius,
                             float* flangeRatio, float* modulusX, float* modulusY, float* plasticX,
                             float* plasticY, float depth, float width, float webThickness,
                             float flangeThickness, float filletSize, float webOpening,
                             int32_t sectionKind, int32_t roundFlag);

#ifdef __cplusplus
}
#endif

#endif /* KMRENGINE_H */
