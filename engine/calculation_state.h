#pragma once
// The calculation state: everything one run reads and produces, in four layers
// TTeisu -> TShape -> TPa -> TAntei. A new state has every field zero, and the
// engine relies on that: fields written only under a condition (front soil,
// water, shear key, surcharge on the heel) read 0 otherwise.
//
// Units: lengths m, forces kN per metre of wall, moments kNm per metre about
// the toe end of the base underside, pressures kN/m2, unit weights kN/m3,
// angles radians, allowable stresses N/mm2. x runs from the toe end of the base
// towards the heel, y up from the base underside.
//
// The fields are listed once, in the macros below, so that the declaration and
// the field-by-field snapshot (the command line's "stability" object) can never
// drift apart. Each layer's list ends with the fields of the parts that
// compute into it; add a field to its layer's list and it is declared, zeroed
// and reported.

#include <array>

// F(type, name) declares a scalar, A(type, name, count) an array.
#define KOVREL_TTEISU_FIELDS(F, A)    \
  F(int, wallType)                    \
  A(double, outlineX, 38)             \
  A(double, outlineY, 38)             \
  F(double, gammaS)                   \
  F(double, cohesionBackfill)         \
  F(double, phiBackfill)              \
  F(double, gammaW)                   \
  F(double, gammaC)                   \
  F(double, designStrength)           \
  F(double, allowableCompression)     \
  F(double, allowableConcreteTension) \
  F(double, allowableShearBase)       \
  F(double, allowableBond)            \
  F(double, allowableSteelTension)    \
  F(double, stemCover)                \
  F(double, slabCover)                \
  F(double, qa0)                      \
  F(double, qaAllow)                  \
  F(double, muBase)                   \
  F(double, cohesionEmbed)            \
  F(double, cohesionBase)             \
  F(double, adhesionCb)               \
  F(double, phiBase)                  \
  F(int, phiBaseDeg)                  \
  F(double, phiEmbed)                 \
  F(int, phiEmbedDeg)                 \
  F(double, phiB)                     \
  F(double, gamma1)                   \
  F(double, gamma2)                   \
  F(double, gamma1Eff)                \
  F(double, gamma2Eff)                \
  F(double, embedDepth)               \
  F(double, bearingEmbedDepth)        \
  F(int, backfillShape)               \
  F(double, slopeN)                   \
  F(double, embankHeight)             \
  F(double, slopeRun)                 \
  F(double, slopeAngle)               \
  F(double, wallFaceAngle)            \
  F(double, surcharge)                \
  F(double, surchargeOnSlope)         \
  F(double, snowOnSlope)              \
  F(double, snowOnFlat)               \
  F(int, surchargeMode)               \
  F(int, loadCase)                    \
  F(int, seismicCombination)          \
  F(double, kh)                       \
  F(double, khInertia)                \
  F(double, seismicAngle)             \
  F(double, windPressure)             \
  F(double, windHeight)               \
  F(double, windForce)                \
  F(double, windArm)                  \
  F(double, windMoment)               \
  F(double, collisionLoad)            \
  F(double, collisionArm)             \
  F(double, blockLength)              \
  F(double, collisionForce)           \
  F(double, collisionMoment)          \
  F(int, waterOn)                     \
  F(double, waterDepth)               \
  F(double, passiveForce)             \
  F(double, kp)                       \
  F(int, kpUndefined)

#define KOVREL_TSHAPE_FIELDS(F, A) \
  F(int, workCount)                \
  A(double, workX, 15)             \
  A(double, workY, 15)             \
  F(double, backfillWeight)        \
  F(double, backfillInertia)       \
  F(double, backfillX)             \
  F(double, backfillY)             \
  F(double, backfillMomentV)       \
  F(double, backfillMomentH)       \
  F(double, surchargeLoad)         \
  F(double, surchargeArm)          \
  F(double, surchargeMoment)

#define KOVREL_TPA_FIELDS(F, A) \
  F(double, wedgeWeightTotal)   \
  F(double, wedgeWaterForce)    \
  F(double, waterUplift)        \
  F(double, wedgeWeightNet)     \
  F(int, wedgeCase)             \
  F(double, waterForce)         \
  F(double, waterArm)           \
  F(double, waterMoment)        \
  F(double, earthForce)         \
  F(double, earthForceH)        \
  F(double, earthForceV)        \
  F(double, earthCoeff)         \
  F(double, earthCoeffH)        \
  F(double, earthCoeffV)        \
  F(double, earthArmY)          \
  F(double, wallFriction)       \
  F(double, slipAngle)          \
  F(double, widthOnSlope)       \
  F(double, widthOnFlat)        \
  F(double, crackDepth)         \
  F(double, slipLength)         \
  F(double, crackOffset)        \
  F(double, reportWeightNet)    \
  F(double, reportWeightTotal)  \
  F(double, reportUplift)       \
  F(double, earthMomentV)       \
  F(double, earthMomentH)       \
  F(double, wedgeEmbankAbove)   \
  F(double, wedgeFaceHeight)    \
  F(double, wedgeCrestAngle)    \
  F(int, backfillUnstable)

#define KOVREL_TANTEI_FIELDS(F, A) \
  F(double, wallWeight)            \
  F(double, wallInertia)           \
  F(double, wallX)                 \
  F(double, wallY)                 \
  F(double, wallMomentV)           \
  F(double, wallMomentH)           \
  F(double, wallBuoyancy)          \
  F(double, wallBuoyancyX)         \
  F(double, wallBuoyancyMoment)    \
  F(double, soilBuoyancy)          \
  F(double, soilBuoyancyX)         \
  F(double, soilBuoyancyMoment)    \
  F(double, sumV)                  \
  F(double, sumH)                  \
  F(double, resistingMoment)       \
  F(double, overturningMoment)     \
  F(double, netMoment)             \
  F(double, backfillXcopy)         \
  F(double, backfillYcopy)         \
  F(double, surchargeX)            \
  F(double, earthForceVX)          \
  F(double, earthForceHY)          \
  F(double, resultantD)            \
  F(double, eccentricity)          \
  F(int, bearingState)             \
  F(double, reactionToe)           \
  F(double, reactionHeel)          \
  F(double, effectiveWidth)        \
  F(double, reactionWidth)         \
  F(double, slidingFs)             \
  F(double, slidingFsRequired)     \
  F(double, shearResistance)       \
  F(double, keyB1)                 \
  F(double, keyB2)                 \
  F(double, keyB3)                 \
  F(double, keyV1)                 \
  F(double, keyV2)                 \
  F(double, keyV3)                 \
  F(double, bearingFsRequired)     \
  F(double, depthFactor)           \
  F(double, overburden)            \
  F(double, loadInclination)       \
  F(double, shapeAlpha)            \
  F(double, shapeBeta)             \
  F(double, blockLengthBearing)    \
  F(double, cStar)                 \
  F(double, qStar)                 \
  F(double, bStar)                 \
  F(double, scaleC)                \
  F(double, scaleQ)                \
  F(double, scaleGamma)            \
  F(double, factorNc)              \
  F(double, factorNq)              \
  F(double, factorNgamma)          \
  F(double, ultimateBearing)       \
  F(double, bearingPressure)       \
  F(double, sumHcopy)

// Loads on the toe, heel and key sections for the member design, from the
// stability result (written by the self-weight tables). Weights and reaction
// resultants kN, arms m (toe arms from the stem front face towards the tip,
// heel arms from the stem rear face towards the heel end), reactions kN/m2.
#define KOVREL_TANTEI_SLAB_LOAD_FIELDS(F, A) \
  F(double, toeSectionX)                     \
  F(double, toeSectionY)                     \
  F(double, toeWeightS)                      \
  F(double, toeWeightSArm)                   \
  F(double, toeWeightM)                      \
  F(double, toeWeightMArm)                   \
  F(double, heelWeightM)                     \
  F(double, heelWeightMArm)                  \
  F(double, heelWeightS)                     \
  F(double, heelWeightSArm)                  \
  F(double, toeBuoyancyS)                    \
  F(double, toeBuoyancySArm)                 \
  F(double, toeBuoyancyM)                    \
  F(double, toeBuoyancyMArm)                 \
  F(double, heelBuoyancyM)                   \
  F(double, heelBuoyancyMArm)                \
  F(double, heelBuoyancyS)                   \
  F(double, heelBuoyancySArm)                \
  F(double, backfillBuoyancyM)               \
  F(double, backfillBuoyancyMArm)            \
  F(double, backfillBuoyancyS)               \
  F(double, backfillBuoyancySArm)            \
  F(double, reactionAtToeSection)            \
  F(double, reactionAtStemFront)             \
  F(double, reactionAtStemRear)              \
  F(double, reactionAtKeyFront)              \
  F(double, reactionAtKeyRear)               \
  F(double, reactionAtHeelSection)           \
  F(double, toeReactionS)                    \
  F(double, toeReactionSArm)                 \
  F(double, toeReactionM)                    \
  F(double, toeReactionMArm)                 \
  F(double, heelReactionM)                   \
  F(double, heelReactionMArm)                \
  F(double, heelReactionS)                   \
  F(double, heelReactionSArm)

// Working values of the load diagram: the surface line of the ground or the
// surcharge (points 0..surfaceLineLast, m in the wall frame).
#define KOVREL_TSHAPE_DIAGRAM_FIELDS(F, A) \
  F(int, surfaceLineLast)                  \
  A(double, surfaceLineX, 5)               \
  A(double, surfaceLineY, 5)

// Member design: section forces, bars, stresses and judgements of stem, toe,
// heel and key, and the allowable values of the section last checked.
#define KOVREL_TANTEI_MEMBER_FIELDS(F, A) \
  F(double, concreteStress)               \
  F(double, steelStress)                  \
  F(double, meanShearStress)              \
  F(double, stemCe)                       \
  F(double, stemCpt)                      \
  F(double, stemAllowableShear)           \
  F(double, toeCe)                        \
  F(double, toeCpt)                       \
  F(double, toeCdc)                       \
  F(double, toeAllowableShear)            \
  F(double, heelCe)                       \
  F(double, heelCpt)                      \
  F(double, heelCdc)                      \
  F(double, heelAllowableShear)           \
  F(double, keyCe)                        \
  F(double, keyCpt)                       \
  F(double, keyCdc)                       \
  F(double, keyAllowableShear)

#define KOVREL_DECLARE_FIELD(type, name) type name{};
#define KOVREL_DECLARE_ARRAY(type, name, count) std::array<type, count> name{};

namespace kovrel {

// Design constants, outline points, wind, collision and passive loads.
struct TTeisu {
  KOVREL_TTEISU_FIELDS(KOVREL_DECLARE_FIELD, KOVREL_DECLARE_ARRAY)
};

// Work polygon, backfill block and surcharge on the heel.
struct TShape : TTeisu {
  KOVREL_TSHAPE_FIELDS(KOVREL_DECLARE_FIELD, KOVREL_DECLARE_ARRAY)
  KOVREL_TSHAPE_DIAGRAM_FIELDS(KOVREL_DECLARE_FIELD, KOVREL_DECLARE_ARRAY)
};

// Trial-wedge state and result, water pressure on the virtual back face.
struct TPa : TShape {
  KOVREL_TPA_FIELDS(KOVREL_DECLARE_FIELD, KOVREL_DECLARE_ARRAY)
};

// Load sums, stability, member-design loads and results.
struct TAntei : TPa {
  KOVREL_TANTEI_FIELDS(KOVREL_DECLARE_FIELD, KOVREL_DECLARE_ARRAY)
  KOVREL_TANTEI_SLAB_LOAD_FIELDS(KOVREL_DECLARE_FIELD, KOVREL_DECLARE_ARRAY)
  KOVREL_TANTEI_MEMBER_FIELDS(KOVREL_DECLARE_FIELD, KOVREL_DECLARE_ARRAY)
};

// Calls visit(name, value) for every scalar field and visit(name, array) for
// every array field, layer by layer in declaration order.
template <class State, class Visitor>
void visitStateFields(State& s, Visitor&& visit) {
#define KOVREL_VISIT_FIELD(type, name) visit(#name, s.name);
#define KOVREL_VISIT_ARRAY(type, name, count) visit(#name, s.name);
  KOVREL_TTEISU_FIELDS(KOVREL_VISIT_FIELD, KOVREL_VISIT_ARRAY)
  KOVREL_TSHAPE_FIELDS(KOVREL_VISIT_FIELD, KOVREL_VISIT_ARRAY)
  KOVREL_TSHAPE_DIAGRAM_FIELDS(KOVREL_VISIT_FIELD, KOVREL_VISIT_ARRAY)
  KOVREL_TPA_FIELDS(KOVREL_VISIT_FIELD, KOVREL_VISIT_ARRAY)
  KOVREL_TANTEI_FIELDS(KOVREL_VISIT_FIELD, KOVREL_VISIT_ARRAY)
  KOVREL_TANTEI_SLAB_LOAD_FIELDS(KOVREL_VISIT_FIELD, KOVREL_VISIT_ARRAY)
  KOVREL_TANTEI_MEMBER_FIELDS(KOVREL_VISIT_FIELD, KOVREL_VISIT_ARRAY)
#undef KOVREL_VISIT_FIELD
#undef KOVREL_VISIT_ARRAY
}

// Degrees in the report, radians in the engine.
inline constexpr double kDegreesPerRadian = 57.295779513082320877;
// Unit weight of water used for the soils (submerged weights, soil buoyancy);
// the entered γw is used for the wall and the water pressure.
inline constexpr double kSoilWaterWeight = 9.0;

}  // namespace kovrel
